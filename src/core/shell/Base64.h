#pragma once

#include <string>
#include <string_view>

namespace ms {

// Standard Base64 (RFC 4648 alphabet with "+" and "/", "=" padding), without line breaks.
std::string Base64Encode(std::string_view bytes);

} // namespace ms
