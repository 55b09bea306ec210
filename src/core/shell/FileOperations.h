#pragma once

#include <filesystem>

namespace ms {

// Deletes the file or the whole folder tree at `path` for good. True when something was there and
// is gone now; a missing path, the file system root and an empty path give false.
bool DeleteFolder(const std::filesystem::path& path);

// True for an existing folder; false for an empty path, anything else, or an unreadable place.
bool IsFolder(const std::filesystem::path& path);

// Copies the file or folder tree `source` to `destination`, replacing files that exist (an existing
// destination folder receives the source's content). Every file is written atomically. True on
// success; a missing source gives false.
bool CopyFolder(const std::filesystem::path& source, const std::filesystem::path& destination);

// Creates `folder` with any missing parents. Throws ms::Error naming the folder and the cause in
// German when that fails.
void CreateFolders(const std::filesystem::path& folder);

// Deletes the game's mod cache (env().modLocation + ".cache") when it is a folder. Throws ms::Error
// with the system's message when that fails. Without a known mods folder there is nothing to do.
bool ClearModCache();

} // namespace ms
