#include "store/XPathText.h"

#include "shell/Error.h"

#include <charconv>
#include <limits>

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

double xpathNumberValue(std::string_view text) {
    constexpr double nan = std::numeric_limits<double>::quiet_NaN();
    const auto blank = [](char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; };
    while (!text.empty() && blank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && blank(text.back()))
        text.remove_suffix(1);
    const std::string_view number = text;
    if (!text.empty() && text.front() == '-')
        text.remove_prefix(1);
    bool digits = false, point = false;
    for (char c : text) {
        if (c >= '0' && c <= '9')
            digits = true;
        else if (c == '.' && !point)
            point = true;
        else
            return nan;
    }
    if (!digits)
        return nan;
    double value = 0;
    const auto [end, ec] = std::from_chars(number.data(), number.data() + number.size(), value);
    return ec == std::errc() && end == number.data() + number.size() ? value : nan;
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
