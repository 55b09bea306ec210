#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace ms {

// Bounds and steps of one number field of the data panels. The text a field is given stays as it
// is while it lies inside the bounds; outside them, and after every spin, the field shows a
// formatted number: integers as plain digits, decimals with exactly one decimal.
struct NumberFieldSpec {
    std::string_view name;
    double minimum = 0;
    double maximum = 0;
    double smallStep = 1;  // arrow keys and spin buttons
    double largeStep = 10; // page keys
    int typedLength = 0;   // the most characters the user can type
    bool decimal = false;
    bool autoRepeat = true;   // spin buttons repeat every 50 ms while held
    std::string_view caption; // what the user knows the field by, for messages
};

// Every number field of the five panels, by control name.
std::span<const NumberFieldSpec> numberFieldSpecs();
// nullptr for a name that is no number field.
const NumberFieldSpec* findNumberFieldSpec(std::string_view name);

// The upper bound of ForwardSpeed by propulsion: 65 for "Sail", 90 for "Steam".
double forwardSpeedMaximum(std::string_view engine);

// The field's bounds for a ship of that propulsion (ForwardSpeed depends on it); empty for a name
// that is no number field.
std::optional<NumberFieldSpec> shipNumberField(std::string_view name, std::string_view engine);

// `value` as a field of that kind shows it after a spin.
std::string formatFieldNumber(double value, bool decimal, bool decimalIsPoint);

// What the field shows when it is given `text`: the text itself inside the bounds (and any text
// that is no number, which the field cannot judge), otherwise the nearest bound.
std::string boundedFieldText(const NumberFieldSpec& spec, std::string_view text, bool decimalIsPoint);

// The text after `steps` steps of `step` from the shown text (an empty or unreadable text counts
// as 0), kept inside the bounds.
std::string steppedFieldText(const NumberFieldSpec& spec, std::string_view text, double step, int steps,
                             bool decimalIsPoint);

// The shown text as a number; false when it is none (empty text is none here).
bool parseFieldNumber(std::string_view text, bool decimalIsPoint, double& value);

} // namespace ms
