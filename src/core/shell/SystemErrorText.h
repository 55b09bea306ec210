#pragma once

#include <filesystem>
#include <string>
#include <system_error>

namespace ms {

// The German text of an operating-system error for the user's messages. The usual causes (missing,
// no permission, disk full, read-only, ...) have their own wording; any other error gives its number
// with the system's own text.
std::string systemErrorText(const std::error_code& error);
std::string systemErrorText(int errnoValue);

// The likely cause, in the words above, why `file` could not be written when the failing call gave
// none of its own: the nearest existing folder or the file itself refusing to be written.
std::string writeFailureCause(const std::filesystem::path& file);

} // namespace ms
