#pragma once

#include <string>
#include <string_view>

namespace ms {

// Pieces for the store's XPath queries. Values come from data files and user input, so they are
// made into proper XPath tokens instead of being pasted in raw.

// A string literal: "text" (or 'text' when the text holds a double quote). Throws ms::Error for a
// text holding both quote characters, which XPath 1.0 cannot write.
std::string xpathString(std::string_view text);

// The unquoted number form: the text itself when it is a plain decimal number (so "0100438" finds
// 100438), else number("text"), which compares like the number form but can never be read as a
// path.
std::string xpathNumber(std::string_view text);

// What XPath's number() makes of a text: blanks around an optional minus, digits with an optional
// decimal point; anything else is NaN, which equals nothing.
double xpathNumberValue(std::string_view text);

} // namespace ms
