#include "store/XPathText.h"

#include "shell/Error.h"

namespace ms {

std::string xpathString(std::string_view text) {
    const bool hasDouble = text.find('"') != std::string_view::npos;
    const bool hasSingle = text.find('\'') != std::string_view::npos;
    if (hasDouble && hasSingle)
        throw Error("Der Suchwert \"" + std::string(text) + "\" enthält beide Arten von Anführungszeichen.");
    const char quote = hasDouble ? '\'' : '"';
    std::string out;
    out.reserve(text.size() + 2);
    out.push_back(quote);
    out.append(text);
    out.push_back(quote);
    return out;
}

std::string xpathNumber(std::string_view text) {
    bool plain = !text.empty();
    for (char c : text)
        plain = plain && c >= '0' && c <= '9';
    if (plain)
        return std::string(text);
    return "number(" + xpathString(text) + ")";
}

} // namespace ms
