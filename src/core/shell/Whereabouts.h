#pragma once

#include <filesystem>
#include <string>

namespace ms {

// The folders and files the program works with, for "--where" and the version label's tooltip.
struct Whereabouts {
    std::string gameLocation;      // empty: no game found
    std::string modLocation;       // empty: not known
    std::filesystem::path xmlaDir; // the data directory
    bool portable = false;         // the data directory lies next to the executable
    std::filesystem::path settingsFile;
};

// One German line per folder or file, each saying what is missing where something is: the game and
// its mods folder, then the data directory and the settings file.
std::string WhereaboutsText(const Whereabouts& where);
// Only the lines of the data directory and the settings file.
std::string ProgramFoldersText(const Whereabouts& where);

} // namespace ms
