#include "support/FakeHome.h"

#include <algorithm>

namespace mstest {
namespace fs = std::filesystem;

std::string wine8Registry(const std::vector<std::pair<std::string, std::string>>& keys) {
    std::string text =
        "WINE REGISTRY Version 2\n;; All keys relative to REGISTRY\\\\Machine\n\n#arch=win64\n\n";
    for (const auto& [key, values] : keys)
        text += "[" + key + "] 1733738400\n#time=1db4a5c2f1e3b20\n" + values + "\n\n";
    return text;
}

std::string installerKeyLine(bool wow) {
    return wow ? "Software\\\\Wow6432Node\\\\Orvane\\\\Marvessa" : "Software\\\\Orvane\\\\Marvessa";
}

std::string launcherKeyLine(bool wow) {
    return wow ? "Software\\\\Wow6432Node\\\\Orvane\\\\Launcher\\\\Installs\\\\4553"
               : "Software\\\\Orvane\\\\Launcher\\\\Installs\\\\4553";
}

void FakeHome::makePrefix(const fs::path& prefix,
                          const std::vector<std::pair<std::string, std::string>>& keys) {
    fs::create_directories(prefix / "drive_c/windows");
    fs::create_directories(prefix / "dosdevices");
    fs::create_directory_symlink("../drive_c", prefix / "dosdevices/c:");
    fs::create_directory_symlink("/", prefix / "dosdevices/z:");
    writeFile(prefix / "system.reg", wine8Registry({{"Software\\\\Microsoft\\\\Windows\\\\CurrentVersion",
                                                     "\"ProgramFilesDir\"=\"C:\\\\Program Files\""}}) +
                                         wine8Registry(keys).substr(wine8Registry({}).size()));
}

fs::path FakeHome::makePrefixWithGame(const fs::path& prefix, const std::string& keyLine, bool withGame) {
    const bool launcher = keyLine.find("Launcher") != std::string::npos;
    makePrefix(prefix, {{keyLine, launcher ? "\"InstallDir\"=\"C:/Games/Marvessa/\""
                                           : "\"InstallDir\"=\"C:\\\\Games\\\\Marvessa\""}});
    const fs::path game = prefix / "drive_c/Games/Marvessa";
    if (withGame)
        makeGame(game);
    return game;
}

void FakeHome::makeSteamLibrary(const fs::path& library) {
    fs::create_directories(library / "steamapps/common");
    writeFile(library / "steamapps/libraryfolder.vdf", "\"libraryfolder\"\n{\n\t\"contentid\"\t\t\"1\"\n}\n");
}

void FakeHome::makeSteamRoot(const fs::path& root, const std::vector<fs::path>& libraries) {
    makeSteamLibrary(root);
    std::string vdf = "\"libraryfolders\"\n{\n";
    int n = 0;
    std::vector<fs::path> all{root};
    all.insert(all.end(), libraries.begin(), libraries.end());
    for (const fs::path& library : all) {
        vdf += "\t\"" + std::to_string(n++) + "\"\n\t{\n\t\t\"path\"\t\t\"" + library.string() +
               "\"\n\t\t\"label\"\t\t\"\"\n\t\t\"contentid\"\t\t\"4711\"\n\t\t\"totalsize\"\t\t\"0\"\n"
               "\t\t\"update_clean_bytes_tally\"\t\t\"0\"\n\t\t\"time_last_update_corruption\"\t\t\"0\"\n"
               "\t\t\"apps\"\n\t\t{\n\t\t\t\"228980\"\t\t\"353832345\"\n\t\t}\n\t}\n";
    }
    writeFile(root / "steamapps/libraryfolders.vdf", vdf + "}\n");
}

void FakeHome::makeGame(const fs::path& folder, const std::string& executable) {
    writeFile(folder / executable, "exe");
}

std::vector<std::string> FakeHome::tree() const {
    std::vector<std::string> entries;
    for (const auto& entry : fs::recursive_directory_iterator(path()))
        entries.push_back(entry.path().string());
    std::sort(entries.begin(), entries.end());
    return entries;
}

} // namespace mstest
