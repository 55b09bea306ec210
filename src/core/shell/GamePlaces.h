#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace ms {

// Where on this machine the game may be: the Steam libraries and the Wine prefixes of every launcher.
// Only the fixed patterns below are looked at, nothing deeper, so finding them stays quick.
struct GamePlaces {
    // Every Steam library (see steamLibraries), in that order.
    std::vector<std::filesystem::path> steamLibraries;
    // The Wine prefixes, in the order the registry keys are searched:
    //  1. $WINEPREFIX, 2. ~/.wine,
    //  3. Steam: steamapps/compatdata/*/pfx of every library, library by library,
    //  4. Lutris: ~/Games/*, then the "prefix:" of the game files in ~/.config/lutris/games/ and
    //     ~/.local/share/lutris/games/,
    //  5. Heroic: ~/Games/Heroic/Prefixes/*/*, ~/Games/Heroic/Prefixes/*, then the "winePrefix" of the
    //     GamesConfig/*.json files in ~/.config/heroic/ and in its flatpak's
    //     ~/.var/app/com.heroicgameslauncher.hgl/config/heroic/,
    //  6. Bottles: ~/.local/share/bottles/bottles/* and its flatpak's
    //     ~/.var/app/com.usebottles.bottles/data/bottles/bottles/*.
    // Within a pattern, folders and files go by name. Only folders holding a system.reg count (or
    // their pfx folder holding one, as Proton keeps it), each real folder once, at its first place.
    std::vector<std::filesystem::path> prefixes;
};

// The places below `home` (none when empty), with `winePrefix` (the value of $WINEPREFIX, may be empty)
// first.
GamePlaces findGamePlaces(const std::filesystem::path& home, const std::string& winePrefix);

// The places of the user running the program ($HOME, $WINEPREFIX); none without a home folder.
GamePlaces findGamePlaces();

} // namespace ms
