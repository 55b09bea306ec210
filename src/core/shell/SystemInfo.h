#pragma once

#include <string>

namespace ms {

// The name of the logged-on user; throws ms::Error when the system cannot tell.
std::string CurrentUserName();

// The program's version as "major.minor.release.build", for example "9.1.0.0".
std::string ProgramVersion();

} // namespace ms
