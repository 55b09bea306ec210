#pragma once

#include <filesystem>
#include <ostream>
#include <string>

namespace ms::gui {

// "--check": checks the data directory `xmlaDir` and the mods folder `modLocation` against each
// other and against the delivered data carried in the program, and writes what it finds in German to
// `out`, one finding a line. No window opens. A journal left by an interrupted change is first
// completed or rolled back, as a start does, when no running copy of the program holds the lock
// (`mayRecover`); apart from that nothing is written. Without a known mods folder only the data
// directory is checked, and the text says so. Returns the exit code: 0 when everything was checked
// and holds, 1 otherwise.
int RunConsistencyCheck(const std::filesystem::path& xmlaDir, const std::string& modLocation,
                        std::ostream& out, bool mayRecover = true);

// The command line's "--check" with the program's own folders and settings; needs an application
// object.
int RunConsistencyCheckCommand();

} // namespace ms::gui
