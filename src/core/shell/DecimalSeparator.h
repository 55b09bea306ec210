#pragma once

#include <string>

namespace ms {

// The decimal-separator rule of the start-up: "." gives true, "," and anything else false.
bool decimalIsPointFor(const std::string& systemSeparator);

} // namespace ms
