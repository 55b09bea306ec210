#pragma once

#include "shell/SettingsStore.h"

#include <filesystem>
#include <functional>
#include <string>

namespace ms::gui {

class TMainForm;
class SingleInstance;

// What the start-up takes from its surroundings; the defaults are the real ones, tests replace them.
struct StartupServices {
    SingleInstance* instanceLock = nullptr;  // null: no single-instance check
    SettingsStore* settings = nullptr;       // null: the platform's settings store
    std::function<std::string(const std::string& keyPath, bool dropTrailingSeparator)> readInstallDir; // Wine keys
    std::function<std::string()> chooseFolder;                                                     // folder dialog
    std::filesystem::path programDir;        // empty: the executable's folder
};

enum class StartupResult {
    Running,         // the main window is ready to be shown
    AlreadyRunning,  // another copy holds the lock
    NoGame,          // the chosen folder is not the game's
    Failed,          // a folder, the settings or a data file failed; the user has been told
};

// Establishes everything the rest of the program takes for granted, in its fixed order: decimal
// separator, folders, the game and its mods folder with the settings, the data directory, the
// display font, the version, the shared documents, the window's layout and the first category.
StartupResult StartupSequence(TMainForm& mainForm, StartupServices services);

// The folder the program keeps its data directory in: the executable's folder when writable,
// else the per-user data folder.
std::filesystem::path defaultProgramDir();

} // namespace ms::gui
