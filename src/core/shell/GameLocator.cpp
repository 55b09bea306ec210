#include "shell/GameLocator.h"

#include "shell/Environment.h"
#include "shell/Error.h"

namespace ms {
namespace fs = std::filesystem;

namespace {
const std::string kSep(1, fs::path::preferred_separator);

std::string modsFolderOf(const std::string& gameLocation) {
    return gameLocation + kSep + "mods" + kSep;
}

void createModsFolder(const std::string& gameLocation) {
    std::error_code ec;
    fs::create_directories(gameLocation + kSep + "mods", ec);
    if (ec)
        throw Error("Das Verzeichnis \"" + gameLocation + kSep +
                    "mods\" kann nicht angelegt werden: " + ec.message());
}
// A registry value naming no existing folder is a leftover, not the game.
std::string existingFolder(std::string folder) {
    std::error_code ec;
    if (folder.empty() || !fs::is_directory(folder, ec))
        return {};
    return folder;
}
} // namespace

bool isGameFolder(const std::string& gameLocation) {
    if (gameLocation.empty())
        return false;
    std::error_code ec;
    return fs::is_regular_file(fs::path(gameLocation) / "Bin" / "Win64" / "Marvessa.exe", ec);
}

std::string notTheGameMessage() {
    return "Das angegebene Verzeichnis ist nicht das Spieleverzeichnis.\n\n"
           "Starten Sie das Programm erneut und wählen Sie\neinen anderen Pfad aus";
}

LocateOutcome LocateGame(const GameLocatorServices& s) {
    Environment& e = env();
    e.gameLocation = s.settings->read("GameLocation");
    e.modLocation = s.settings->read("ModLocation");

    if (!isGameFolder(e.gameLocation)) {
        if (s.settings->keyExists())
            s.settings->removeKey();
        e.gameLocation.clear();
        e.modLocation.clear();

        e.gameLocation = existingFolder(s.readInstallDir(InstallerKey, false));
        if (e.gameLocation.empty())
            e.gameLocation = existingFolder(s.readInstallDir(LauncherKey, true));
        if (!e.gameLocation.empty()) {
            // A publisher key naming an existing folder is taken without its executable; the next
            // start checks the folder again.
            createModsFolder(e.gameLocation);
            e.modLocation = modsFolderOf(e.gameLocation);
        } else {
            e.gameLocation = s.chooseFolder();
            while (e.gameLocation.size() > 1 && e.gameLocation.back() == kSep[0])
                e.gameLocation.pop_back();
            if (!isGameFolder(e.gameLocation))
                return LocateOutcome::NotTheGame;
            createModsFolder(e.gameLocation);
            e.modLocation = modsFolderOf(e.gameLocation);
        }
    }

    s.settings->write({{"GameLocation", e.gameLocation},
                       {"ModLocation", e.modLocation},
                       {"ModLoader", "0.8.6"},
                       {"PrgPath", s.programDir},
                       {"Help", "0"},
                       {"DPVer", s.programVersion},
                       {"Company", "Marvessa Spantora"},
                       {"TimeStamp", s.today},
                       {"DeleteYard", "0"}});
    return LocateOutcome::Located;
}

} // namespace ms
