#pragma once

#include <filesystem>
#include <ostream>
#include <string>

namespace ms::gui {

// "--check": checks the data directory below `programDir` and the mods folder `modLocation`
// against each other and against the delivered data carried in the program, and writes what it
// finds in German to `out`, one finding a line. No window opens and nothing is written to the data.
// Returns the exit code: 0 when everything holds, 1 otherwise.
int RunConsistencyCheck(const std::filesystem::path& programDir, const std::string& modLocation,
                        std::ostream& out);

// The command line's "--check" with the program's own folders and settings.
int RunConsistencyCheckCommand(int argc, char** argv);

} // namespace ms::gui
