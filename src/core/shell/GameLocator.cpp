#include "shell/GameLocator.h"

#include "shell/Environment.h"
#include "shell/FileOperations.h"
#include "shell/WineRegistry.h"

#include <algorithm>

namespace ms {
namespace fs = std::filesystem;

namespace {
const std::string kSep(1, fs::path::preferred_separator);

// The one place the mods folder's path is built: an existing folder in any letter case is used, so
// that an existing "Mods" never gets a second "mods" beside it.
fs::path modsFolderPath(const std::string& gameLocation) {
    return findCaseInsensitive(gameLocation, "mods");
}

// The game's mods folder for ModLocation. It is created only for a game whose executable exists:
// a registry value may name a leftover folder inside a Wine prefix, which must stay untouched.
std::string provideModsFolder(const std::string& gameLocation) {
    const fs::path mods = modsFolderPath(gameLocation);
    if (isGameFolder(gameLocation))
        CreateFolders(mods);
    return mods.string() + kSep;
}

// A registry value naming no existing folder is a leftover, not the game.
std::string existingFolder(std::string folder) {
    std::error_code ec;
    if (folder.empty() || !fs::is_directory(folder, ec))
        return {};
    return folder;
}

// The sources after the stored location, in their order; the first that names a folder wins.
FoundGame searchSources(const GameLocatorServices& s) {
    GamePlaces machine;
    const GamePlaces* places = s.places;
    auto placesOnce = [&]() -> const GamePlaces& {
        if (!places) {
            machine = findGamePlaces();
            places = &machine;
        }
        return *places;
    };
    FoundGame found;
    auto take = [&](std::string folder, GameSource source) {
        found.gameLocation = existingFolder(std::move(folder));
        if (!found.gameLocation.empty())
            found.source = source;
        return !found.gameLocation.empty();
    };
    if (s.readInstallDir) {
        take(s.readInstallDir(InstallerKey, false), GameSource::InstallerKey) ||
            take(s.readInstallDir(LauncherKey, true), GameSource::LauncherKey);
    } else {
        // Each registry file read once for both keys.
        const InstallDirs dirs = findInstallDirs(placesOnce().prefixes, InstallerKey, LauncherKey);
        take(dirs.installer, GameSource::InstallerKey) || take(dirs.launcher, GameSource::LauncherKey);
    }
    if (found.source == GameSource::None)
        take(s.findLibraryGame ? s.findLibraryGame() : findGameInSteamLibraries(placesOnce().steamLibraries),
             GameSource::SteamLibrary);
    if (found.source != GameSource::None)
        found.modLocation = modsFolderPath(found.gameLocation).string() + kSep;
    return found;
}
} // namespace

std::string gameSourceName(GameSource source) {
    switch (source) {
    case GameSource::StoredLocation:
        return "gespeicherter Spielort";
    case GameSource::InstallerKey:
        return "Registrierungsschlüssel des Installationsprogramms";
    case GameSource::LauncherKey:
        return "Registrierungsschlüssel des Launchers";
    case GameSource::SteamLibrary:
        return "Steam-Bibliothek";
    case GameSource::None:
        break;
    }
    return "nicht gefunden";
}

std::string findGameInSteamLibraries(const std::vector<fs::path>& libraries) {
    for (const fs::path& library : libraries) {
        std::vector<fs::path> folders;
        std::error_code ec;
        for (fs::directory_iterator it(library / "steamapps" / "common", ec), end; !ec && it != end;
             it.increment(ec))
            folders.push_back(it->path());
        std::sort(folders.begin(), folders.end());
        for (const fs::path& folder : folders)
            if (isGameFolder(folder.string()))
                return folder.string();
    }
    return {};
}

FoundGame discoverGame(const GameLocatorServices& s) {
    if (s.settings) {
        FoundGame stored{s.settings->read("GameLocation"), s.settings->read("ModLocation"),
                         GameSource::StoredLocation};
        if (isGameFolder(stored.gameLocation))
            return stored;
    }
    return searchSources(s);
}

bool isGameFolder(const std::string& gameLocation) {
    if (gameLocation.empty())
        return false;
    std::error_code ec;
    return fs::is_regular_file(
        findCaseInsensitivePath(gameLocation, fs::path("Bin") / "Win64" / "Marvessa.exe"), ec);
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

        e.gameLocation = searchSources(s).gameLocation;
        if (!e.gameLocation.empty()) {
            // A publisher key naming an existing folder is taken without its executable; the next
            // start checks the folder again.
            e.modLocation = provideModsFolder(e.gameLocation);
        } else {
            e.gameLocation = s.chooseFolder();
            while (e.gameLocation.size() > 1 && e.gameLocation.back() == kSep[0])
                e.gameLocation.pop_back();
            if (!isGameFolder(e.gameLocation))
                return LocateOutcome::NotTheGame;
            e.modLocation = provideModsFolder(e.gameLocation);
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
