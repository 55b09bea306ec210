#pragma once

#include "shell/SettingsStore.h"

#include <filesystem>
#include <functional>
#include <string>

namespace ms {

inline constexpr const char* InstallerKey = "SOFTWARE\\WOW6432Node\\Orvane\\Marvessa";
inline constexpr const char* LauncherKey = "SOFTWARE\\WOW6432Node\\Orvane\\Launcher\\Installs\\4553";

// What finding the game needs from its surroundings.
struct GameLocatorServices {
    SettingsStore* settings = nullptr;
    // The "InstallDir" of a machine key, already mapped to a local path; empty when absent.
    std::function<std::string(const std::string& keyPath, bool dropTrailingSeparator)> readInstallDir;
    // Lets the user choose the game folder; empty when cancelled.
    std::function<std::string()> chooseFolder;
    // The values written next to the locations, in order after "ModLocation".
    std::string programDir;     // "PrgPath"
    std::string programVersion; // "DPVer"
    std::string today;          // "TimeStamp", the system's short date
};

enum class LocateOutcome {
    Located,    // GameLocation and ModLocation are set and the settings are written
    NotTheGame, // the chosen folder holds no game: the program must end, settings untouched
};

// The game folder is valid when it holds the game's executable Bin/Win64/Marvessa.exe, in any letter
// case (game folders copied from Windows keep whatever case they had).
bool isGameFolder(const std::string& gameLocation);

// Finds the game and its mods folder (stored location, installer key, launcher key, the user's
// choice) and writes the settings. Sets env().gameLocation and env().modLocation.
LocateOutcome LocateGame(const GameLocatorServices& services);

// The text the standard message box shows when the chosen folder holds no game.
std::string notTheGameMessage();

} // namespace ms
