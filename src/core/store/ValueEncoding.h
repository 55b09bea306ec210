#pragma once

#include <string>
#include <string_view>

namespace ms {

// Numbers in the data files are decimal text with "." as decimal point; the user sees the system's
// separator. The separator is passed in (from Environment::decimalIsPoint) instead of being read
// from the process locale, which the GUI toolkit changes.

// Stored decimal -> shown: "." -> "," when the display separator is ",", else "," -> ".".
std::string DisplayDecimal(std::string_view stored, bool decimalIsPoint);

// Shown decimal -> stored: every "," becomes ".".
std::string StoredDecimal(std::string_view shown);

// Parses a shown decimal with the display separator, independent of the process locale.
// Empty text is 0; anything else that is not a number throws ms::Error.
double ParseDisplayedDecimal(std::string_view shown, bool decimalIsPoint);

// Milliseconds (stored) -> whole seconds (shown), the remainder dropped: "500500" -> "500".
// Empty text shows "0"; a text that is no whole number throws ms::Error.
std::string DisplaySeconds(std::string_view storedMilliseconds);

// Whole seconds (shown) -> milliseconds (stored): "181" -> "181000". Empty text is "0".
std::string StoredMilliseconds(std::string_view shownSeconds);

} // namespace ms
