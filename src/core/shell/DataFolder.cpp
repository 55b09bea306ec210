#include "shell/DataFolder.h"

#include "shell/Error.h"

#include <cstdlib>

namespace ms {
namespace fs = std::filesystem;

namespace {
std::string environmentValue(const char* name) {
    const char* value = std::getenv(name);
    return value ? std::string(value) : std::string();
}
} // namespace

fs::path userDataHome(const std::string& xdgDataHome, const std::string& home) {
    // A relative value is invalid and must be ignored.
    if (!xdgDataHome.empty() && fs::path(xdgDataHome).is_absolute())
        return xdgDataHome;
    if (home.empty())
        return {};
    return fs::path(home) / ".local" / "share";
}

DataFolderChoice ChooseDataFolder(const fs::path& programDir, const fs::path& dataHome) {
    std::error_code ec;
    if (!programDir.empty() && fs::is_directory(programDir / "XMLA", ec))
        return {programDir / "XMLA", true};
    if (dataHome.empty())
        throw Error("Das Datenverzeichnis lässt sich nicht bestimmen: weder XDG_DATA_HOME noch HOME ist "
                    "gesetzt.");
    return {dataHome / "MarvessaSpantora" / "XMLA", false};
}

DataFolderChoice ChooseDataFolder(const fs::path& programDir) {
    return ChooseDataFolder(programDir,
                            userDataHome(environmentValue("XDG_DATA_HOME"), environmentValue("HOME")));
}

} // namespace ms
