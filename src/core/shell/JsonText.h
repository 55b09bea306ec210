#pragma once

#include <string>
#include <string_view>

namespace ms {

// The text as the inside of a JSON string literal: quotes, backslashes and control characters
// escaped, everything else (UTF-8 included) as it is.
std::string JsonEscape(std::string_view text);

} // namespace ms
