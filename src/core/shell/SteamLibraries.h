#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace ms {

// The Steam installations looked in, in this order: ~/.steam/steam, ~/.steam/root,
// ~/.local/share/Steam, the flatpak's and the snap's.
std::vector<std::filesystem::path> steamRoots(const std::filesystem::path& home);

// The library folders a steamapps/libraryfolders.vdf text lists, in its order: the "path" of every
// numbered block, or the value of every numbered entry as older clients wrote it. Throws Error for a
// malformed text.
std::vector<std::string> libraryFoldersListed(std::string_view vdfText);

// Every Steam library there is: each existing root, then the libraries its libraryfolders.vdf lists.
// A listed library that is not there (an SD card not inserted) and an unreadable list are passed over
// silently; a library reached twice (~/.steam/steam is a link to one of the others) counts once.
std::vector<std::filesystem::path> steamLibraries(const std::filesystem::path& home);

} // namespace ms
