#pragma once

#include "support/TempDir.h"

#include <filesystem>
#include <string>
#include <vector>

namespace mstest {

// A registry file as Wine 8 writes a prefix's system.reg, with one key block per `keys` entry: the key
// path as written in the file (backslashes doubled) and the value lines below it.
std::string wine8Registry(const std::vector<std::pair<std::string, std::string>>& keys);

// The key lines of the game's keys in a registry file: the installer's and the launcher's, in the
// 32-bit view (as a 32-bit installer writes them) or the native view (a 64-bit one).
std::string installerKeyLine(bool wow = true);
std::string launcherKeyLine(bool wow = true);

// A home folder with the places the launchers keep games in, built as the launchers leave them.
class FakeHome {
  public:
    const std::filesystem::path& path() const { return m_dir.path(); }
    std::filesystem::path operator/(const std::string& name) const { return m_dir / name; }

    // A Wine prefix: drive_c, the c: link in dosdevices, and a system.reg with the given key blocks.
    static void makePrefix(const std::filesystem::path& prefix,
                           const std::vector<std::pair<std::string, std::string>>& keys = {});
    // A prefix whose key `keyLine` names C:\Games\Marvessa; with `withGame` the game is installed there.
    // Returns the game folder.
    static std::filesystem::path makePrefixWithGame(const std::filesystem::path& prefix,
                                                    const std::string& keyLine, bool withGame);
    // A Steam root (or library) with its steamapps folder; for a root, the libraryfolders.vdf listing
    // it and `libraries` as Steam writes it.
    static void makeSteamRoot(const std::filesystem::path& root,
                              const std::vector<std::filesystem::path>& libraries);
    static void makeSteamLibrary(const std::filesystem::path& library);
    // A game folder: Bin/Win64/Marvessa.exe below it.
    static void makeGame(const std::filesystem::path& folder,
                         const std::string& executable = "Bin/Win64/Marvessa.exe");

    // Every path below the home folder, sorted: what a search must leave as it was.
    std::vector<std::string> tree() const;

  private:
    TempDir m_dir;
};

} // namespace mstest
