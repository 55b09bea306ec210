#include "lifecycle/StoredFieldNumber.h"

#include "shell/VisibleText.h"
#include "shell/Workforce.h"

#include <algorithm>
#include <charconv>
#include <cmath>

namespace ms {

namespace {

std::string_view trimmed(std::string_view text) {
    while (!text.empty() && text.front() == ' ')
        text.remove_prefix(1);
    while (!text.empty() && text.back() == ' ')
        text.remove_suffix(1);
    return text;
}

// Bounds as the user reads them: whole ones without decimals, 0.1 as "0,1" under ",".
std::string boundText(double bound, bool decimalIsPoint) {
    return formatFieldNumber(bound, bound != std::floor(bound), decimalIsPoint);
}

// "+2," -> "2", "-,5" -> "-0.5", "1,5" -> "1.5"; the text is known to parse.
std::string storedDecimal(std::string_view number) {
    std::string text(number);
    std::replace(text.begin(), text.end(), ',', '.');
    if (!text.empty() && text.front() == '+')
        text.erase(0, 1);
    const size_t digits = !text.empty() && text.front() == '-' ? 1 : 0;
    if (text.size() > digits && text[digits] == '.')
        text.insert(digits, "0");
    if (!text.empty() && text.back() == '.')
        text.pop_back();
    return text;
}

// The shortest text that reads back as the same number, as the game's own files write decimals:
// "05.50" -> "5.5", "6.0" -> "6", "6.24" stays. A zero keeps no sign.
std::string normalDecimal(double number) {
    char buffer[400]; // fixed notation of any double fits
    const auto end =
        std::to_chars(buffer, buffer + sizeof buffer, number + 0.0, std::chars_format::fixed).ptr;
    return std::string(buffer, end);
}

bool isWholeNumber(std::string_view text) {
    if (!text.empty() && (text.front() == '+' || text.front() == '-'))
        text.remove_prefix(1);
    return !text.empty() &&
           std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

} // namespace

StoredFieldNumber StoreFieldNumber(const NumberFieldSpec& spec, std::string_view shown, bool decimalIsPoint) {
    const std::string field = "im Feld \"" + std::string(spec.caption) + "\"";
    const std::string_view text = trimmed(shown);
    if (text.empty())
        return {{}, "das Feld \"" + std::string(spec.caption) + "\" ist leer."};
    const std::string value = "der Wert \"" + visibleText(shown) + "\" " + field;
    if (!spec.decimal && !isWholeNumber(text))
        return {{}, value + " ist keine ganze Zahl."};

    // "," alone or "-," would read as 0 once completed: a number needs a digit.
    const bool hasDigit = std::any_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
    const std::string stored = storedDecimal(text);
    double number = 0;
    if (!hasDigit || !parseFieldNumber(stored, true, number))
        return {{}, value + " ist keine Zahl."};
    if (number < spec.minimum || number > spec.maximum)
        return {{},
                value + " liegt nicht zwischen " + boundText(spec.minimum, decimalIsPoint) + " und " +
                    boundText(spec.maximum, decimalIsPoint) + "."};
    if (!spec.decimal)
        return {formatFieldNumber(number, false, true), {}};
    return {normalDecimal(number), {}};
}

StoredFieldNumber StoreUnlockCount(std::string_view workForce, std::string_view workAmount) {
    if (workForce.empty())
        return {{}, "es ist keine Bevölkerungsstufe für die Baufreigabe gewählt."};
    if (!findWorkforce(workForce))
        return {{},
                "die Bevölkerungsstufe \"" + visibleText(workForce) +
                    "\" für die Baufreigabe ist unbekannt."};
    return StoreFieldNumber(*findNumberFieldSpec("WorkAmount"), workAmount, true);
}

} // namespace ms
