#include "lifecycle/Transliteration.h"

#include <array>

namespace ms {

std::string TransliterateUmlauts(std::string_view text) {
    struct Replacement {
        std::string_view from;
        std::string_view to;
    };
    static constexpr std::array<Replacement, 7> replacements{{
        {"ä", "ae"},
        {"Ä", "Ae"},
        {"ü", "ue"},
        {"Ü", "Ue"},
        {"ö", "oe"},
        {"Ö", "Oe"},
        {"ß", "ss"},
    }};
    std::string result(text);
    for (const Replacement& r : replacements) {
        for (size_t pos = result.find(r.from); pos != std::string::npos;
             pos = result.find(r.from, pos + r.to.size()))
            result.replace(pos, r.from.size(), r.to);
    }
    return result;
}

} // namespace ms
