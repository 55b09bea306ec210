#pragma once

#include "shell/GamePlaces.h"
#include "shell/SettingsStore.h"

#include <filesystem>
#include <functional>
#include <string>

namespace ms {

inline constexpr const char* InstallerKey = "SOFTWARE\\WOW6432Node\\Orvane\\Marvessa";
inline constexpr const char* LauncherKey = "SOFTWARE\\WOW6432Node\\Orvane\\Launcher\\Installs\\4553";

// What finding the game needs from its surroundings. A search left empty looks in `places`, or on
// this machine (findGamePlaces) when that is null too.
struct GameLocatorServices {
    SettingsStore* settings = nullptr;
    const GamePlaces* places = nullptr;
    // The "InstallDir" of a machine key, already mapped to a local path; empty when absent.
    std::function<std::string(const std::string& keyPath, bool dropTrailingSeparator)> readInstallDir;
    // The game folder inside a Steam library; empty when there is none.
    std::function<std::string()> findLibraryGame;
    // Lets the user choose the game folder; empty when cancelled.
    std::function<std::string()> chooseFolder;
    // The values written next to the locations, in order after "ModLocation".
    std::string programDir;     // "PrgPath"
    std::string programVersion; // "DPVer"
    std::string today;          // "TimeStamp", the system's short date
};

// Where the game was found.
enum class GameSource {
    None,
    StoredLocation, // the settings' "GameLocation"
    InstallerKey,   // the installer's key in a Wine prefix
    LauncherKey,    // the launcher's key in a Wine prefix
    SteamLibrary,   // a folder steamapps/common/* of a Steam library
};

struct FoundGame {
    std::string gameLocation; // no trailing separator; empty when nothing was found
    std::string modLocation;  // with a trailing separator
    GameSource source = GameSource::None;
};

// The German name of a source, for telling the user where the game was found.
std::string gameSourceName(GameSource source);

enum class LocateOutcome {
    Located,    // GameLocation and ModLocation are set and the settings are written
    NotTheGame, // the chosen folder holds no game: the program must end, settings untouched
};

// The game folder is valid when it holds the game's executable Bin/Win64/Marvessa.exe, in any letter
// case (game folders copied from Windows keep whatever case they had).
bool isGameFolder(const std::string& gameLocation);

// The game folder among steamapps/common/* of the libraries, library by library, folders by name: the
// first holding the game's executable. Empty when none does.
std::string findGameInSteamLibraries(const std::vector<std::filesystem::path>& libraries);

// Where the game is, as the next start would find it, without asking the user, writing the settings
// or making a folder: the valid stored location, else the installer's key, the launcher's key (each
// over every prefix in order), else a Steam library's folder. `settings` null: no stored location.
FoundGame discoverGame(const GameLocatorServices& services);

// Finds the game and its mods folder (stored location, installer key, launcher key, Steam library,
// the user's choice) and writes the settings. Sets env().gameLocation and env().modLocation.
LocateOutcome LocateGame(const GameLocatorServices& services);

// The text the standard message box shows when the chosen folder holds no game.
std::string notTheGameMessage();

} // namespace ms
