#pragma once

#include <stdexcept>
#include <string>

namespace ms {

// The one failure type of the core. Its message is German and meant for the user: the GUI shows it
// in the general error report without adding anything.
class Error : public std::runtime_error {
  public:
    explicit Error(const std::string& message) : std::runtime_error(message) {}
};

// A file the program needs is not there (as opposed to unreadable or malformed).
class MissingFileError : public Error {
  public:
    using Error::Error;
};

} // namespace ms
