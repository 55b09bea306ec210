#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace ms {

// Strict UTF-8: no overlong forms, no surrogates, nothing above U+10FFFF. False on the first fault.
bool decodeUtf8(std::string_view text, std::u32string& out);

void appendUtf8(std::string& out, char32_t c);

// A character as a message shows it between quotes: printable ones as themselves, control and
// invisible format characters by their code ("\u0001"), no-break spaces as "⍽".
std::string visibleChar(char32_t c);

// A text from outside as a message quotes it: every character as visibleChar shows it, a byte that
// is no UTF-8 as "\xFF", and no more than `maxChars` characters, cut with "…".
std::string visibleText(std::string_view text, std::size_t maxChars = 40);

} // namespace ms
