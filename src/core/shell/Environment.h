#pragma once

#include <filesystem>
#include <string>

namespace ms {

// The process-wide values the start-up sequence establishes and every operation relies on.
struct Environment {
    std::filesystem::path programDir; // folder of the executable
    std::filesystem::path xmlaDir;    // programDir / "XMLA": the working data directory
    std::string gameLocation;         // game installation folder, no trailing separator
    std::string modLocation;          // the game's mods folder, with a trailing separator
    bool decimalIsPoint = false;      // the display decimal separator is "."
};

Environment& env();

// The path of `name` inside `dir`, matched without regard to letter case (as file names are on the
// game's platform). When nothing matches, dir / name.
std::filesystem::path findCaseInsensitive(const std::filesystem::path& dir, const std::string& name);

// The path of `relative` inside `dir`, each of its components matched as findCaseInsensitive does
// ("bin/win64/MARVESSA.EXE" for "Bin/Win64/Marvessa.exe").
std::filesystem::path findCaseInsensitivePath(const std::filesystem::path& dir,
                                              const std::filesystem::path& relative);

// ASCII case-insensitive equality.
bool equalsIgnoreCase(std::string_view a, std::string_view b);

} // namespace ms
