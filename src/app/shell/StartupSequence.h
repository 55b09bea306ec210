#pragma once

#include "shell/DataFolder.h"
#include "shell/GameLocator.h"
#include "shell/SettingsStore.h"

#include <filesystem>
#include <functional>
#include <string>

namespace ms::gui {

class TMainForm;
class SingleInstance;

// What the start-up takes from its surroundings; the defaults are the real ones, tests replace them.
struct StartupServices {
    SingleInstance* instanceLock = nullptr; // null: no single-instance check
    SettingsStore* settings = nullptr;      // null: the platform's settings store
    std::function<std::string(const std::string& keyPath, bool dropTrailingSeparator)>
        readInstallDir;                        // Wine keys
    std::function<std::string()> chooseFolder; // folder dialog
    std::filesystem::path programDir;          // empty: the executable's folder
    std::filesystem::path dataHome;            // empty: $XDG_DATA_HOME, else ~/.local/share
};

enum class StartupResult {
    Running,        // the main window is ready to be shown
    AlreadyRunning, // another copy holds the lock
    NoGame,         // the chosen folder is not the game's
    Failed,         // a folder, the settings or a data file failed; the user has been told
};

// Establishes everything the rest of the program takes for granted, in its fixed order: decimal
// separator, folders, the game and its mods folder with the settings, the data directory, the
// display font, the version, the shared documents, the window's layout and the first category.
StartupResult StartupSequence(TMainForm& mainForm, StartupServices services);

// The game search exactly as the start runs it, with the settings, Wine keys and folder chooser of
// `services` (the platform's settings, the Wine registry files and no chooser where they are null).
// The start and "--where" share it, so both find the same game.
GameLocatorServices gameLocator(const StartupServices& services, SettingsStore& platformSettings,
                                const std::filesystem::path& programDir);

// The folder of the executable.
std::filesystem::path executableDir();

// The data directory this process works in: an "XMLA" next to the executable, else the per-user one.
DataFolderChoice chosenDataFolder();

} // namespace ms::gui
