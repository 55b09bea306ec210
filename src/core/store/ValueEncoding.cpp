#include "store/ValueEncoding.h"

#include "shell/Error.h"

#include <algorithm>
#include <charconv>
#include <limits>

namespace ms {

namespace {
std::string replaced(std::string_view text, char from, char to) {
    std::string out(text);
    std::replace(out.begin(), out.end(), from, to);
    return out;
}

// A whole number with optional sign and surrounding blanks; empty text is 0.
long long parseWhole(std::string_view text, const char* what) {
    while (!text.empty() && text.front() == ' ')
        text.remove_prefix(1);
    while (!text.empty() && text.back() == ' ')
        text.remove_suffix(1);
    if (text.empty())
        return 0;
    long long value = 0;
    const char* first = text.data();
    const char* last = text.data() + text.size();
    if (*first == '+')
        ++first;
    const auto [end, ec] = std::from_chars(first, last, value);
    if (ec != std::errc() || end != last)
        throw Error(std::string(what) + " \"" + std::string(text) + "\" ist keine ganze Zahl.");
    return value;
}
} // namespace

std::string DisplayDecimal(std::string_view stored, bool decimalIsPoint) {
    return decimalIsPoint ? replaced(stored, ',', '.') : replaced(stored, '.', ',');
}

std::string StoredDecimal(std::string_view shown) {
    return replaced(shown, ',', '.');
}

double ParseDisplayedDecimal(std::string_view shown, bool decimalIsPoint) {
    std::string_view t = shown;
    while (!t.empty() && t.front() == ' ')
        t.remove_prefix(1);
    while (!t.empty() && t.back() == ' ')
        t.remove_suffix(1);
    if (t.empty())
        return 0.0;
    // Only the display separator counts as decimal point; the other one makes the text no number.
    if (t.find(decimalIsPoint ? ',' : '.') != std::string_view::npos)
        throw Error("Der Wert \"" + std::string(shown) + "\" ist keine Zahl.");
    std::string text = replaced(t, ',', '.');
    std::string_view n = text;
    if (!n.empty() && n.front() == '+')
        n.remove_prefix(1);
    double value = 0.0;
    const auto [end, ec] = std::from_chars(n.data(), n.data() + n.size(), value, std::chars_format::fixed);
    if (ec != std::errc() || end != n.data() + n.size())
        throw Error("Der Wert \"" + std::string(shown) + "\" ist keine Zahl.");
    return value;
}

std::string DisplaySeconds(std::string_view storedMilliseconds) {
    // Integer division truncates: the remainder is dropped, as the display has whole seconds only.
    return std::to_string(parseWhole(storedMilliseconds, "Der Zeitwert") / 1000);
}

std::string StoredMilliseconds(std::string_view shownSeconds) {
    const long long seconds = parseWhole(shownSeconds, "Die Zeitangabe");
    if (seconds > std::numeric_limits<long long>::max() / 1000 ||
        seconds < std::numeric_limits<long long>::min() / 1000)
        throw Error("Die Zeitangabe \"" + std::string(shownSeconds) + "\" ist zu groß.");
    return std::to_string(seconds * 1000);
}

} // namespace ms
