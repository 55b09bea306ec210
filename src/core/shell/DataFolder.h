#pragma once

#include <filesystem>
#include <string>

namespace ms {

// Where the program keeps its data directory "XMLA".
struct DataFolderChoice {
    std::filesystem::path xmlaDir; // the data directory itself
    bool portable = false;         // an "XMLA" folder found next to the executable
};

// The per-user data root: `xdgDataHome` when it is an absolute path, else `home`/.local/share (the
// rule of the XDG base directories). Empty when neither is known.
std::filesystem::path userDataHome(const std::string& xdgDataHome, const std::string& home);

// An "XMLA" folder that already exists next to the executable in `programDir` is used where it is
// (portable copies and data of earlier versions); otherwise the data directory is
// `dataHome`/MarvessaSpantora/XMLA. Nothing is created or written here. Throws ms::Error when there
// is no portable folder and `dataHome` is empty.
DataFolderChoice ChooseDataFolder(const std::filesystem::path& programDir,
                                  const std::filesystem::path& dataHome);

// The choice for this process, from $XDG_DATA_HOME and $HOME.
DataFolderChoice ChooseDataFolder(const std::filesystem::path& programDir);

} // namespace ms
