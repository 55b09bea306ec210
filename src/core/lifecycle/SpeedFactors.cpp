#include "lifecycle/SpeedFactors.h"

#include <array>
#include <charconv>

namespace ms {

namespace {
struct Factors {
    std::string_view templateGuid;
    double maximum;
    double minimum;
};
constexpr std::array<Factors, 11> SailingTemplates{{
    {"101121", 3.6, 1.6},
    {"100438", 3.6, 1.0},
    {"100441", 3.6, 1.0},
    {"100437", 3.6, 0.8},
    {"100439", 3.6, 0.8},
    {"100440", 3.6, 0.8},
    {"150000", 3.6, 0.8},
    {"160000", 3.6, 0.8},
    {"102419", 3.6, 0.8},
    {"102420", 3.6, 0.8},
    {"102421", 3.6, 0.8},
}};
constexpr double OtherFactor = 2.0;

const Factors* find(std::string_view templateGuid) {
    for (const auto& f : SailingTemplates)
        if (f.templateGuid == templateGuid)
            return &f;
    return nullptr;
}
} // namespace

double MaxSpeedFactor(std::string_view templateGuid) {
    const Factors* f = find(templateGuid);
    return f ? f->maximum : OtherFactor;
}

double MinSpeedFactor(std::string_view templateGuid) {
    const Factors* f = find(templateGuid);
    return f ? f->minimum : OtherFactor;
}

std::string FormatKnots(double knots, bool decimalIsPoint) {
    char buffer[64];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, knots, std::chars_format::fixed, 4);
    std::string text(buffer, result.ptr);
    // "0.####": optional decimals, so trailing zeros and a bare separator go.
    if (text.find('.') != std::string::npos) {
        while (text.back() == '0')
            text.pop_back();
        if (text.back() == '.')
            text.pop_back();
    }
    if (text == "-0")
        text = "0";
    if (!decimalIsPoint)
        for (char& c : text)
            if (c == '.')
                c = ',';
    return text + " kn.";
}

} // namespace ms
