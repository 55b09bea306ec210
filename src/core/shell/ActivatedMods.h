#pragma once

#include <string>
#include <vector>

namespace ms {

// Names of the entries of the mods folder whose name contains "[Spantora]", files and folders
// alike, in the order the file system lists them. Process-wide; refreshed by ListActivatedMods.
std::vector<std::string>& activatedModFolders();

// Refills activatedModFolders() from env().modLocation. A missing or unreadable mods folder
// leaves the list empty.
bool ListActivatedMods();

// Deletes every listed mod folder whose name contains the ship's GUID, then refreshes the list.
// An empty GUID deletes nothing.
bool DeleteShipModFolders(const std::string& currentShipGuid);

} // namespace ms
