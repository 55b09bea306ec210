#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace ms {

// Reads values from a Wine registry file (system.reg of a prefix). Key paths are given relative to
// HKEY_LOCAL_MACHINE with "\" separators; key and value names match without regard to case.
class WineRegistryFile {
  public:
    // Throws nothing: an unreadable file simply holds no keys.
    explicit WineRegistryFile(const std::filesystem::path& file);
    static WineRegistryFile fromText(const std::string& text);

    std::optional<std::string> readString(const std::string& keyPath, const std::string& valueName) const;

  private:
    WineRegistryFile() = default;
    void parse(const std::string& text);

    struct Value {
        std::string name;
        std::string data;
    };
    struct Key {
        std::string path;
        std::vector<Value> values;
    };
    std::vector<Key> m_keys;
};

// The folders of the Wine prefixes to search: $WINEPREFIX when set, ~/.wine, and every Steam
// compatibility prefix under the usual Steam roots.
std::vector<std::filesystem::path> wineprefixCandidates();

// Maps a Windows path of a prefix ("C:\Games\Marvessa", "Z:\x") to the Linux path it names there,
// through the prefix's dosdevices links. Empty for a path without a drive letter and for a drive the
// prefix does not map (no dosdevices/<letter>: link to a folder).
std::string mapWindowsPath(const std::filesystem::path& prefix, const std::string& windowsPath);

// The "InstallDir" value of a machine key, searched in every candidate prefix and mapped to a Linux
// path; only a value naming an existing folder counts, empty when no prefix has one. The launcher
// stores its folder with a trailing "/", which `dropTrailingSeparator` removes (a last character that
// is no "/" or "\" stays).
std::string findInstallDir(const std::vector<std::filesystem::path>& prefixes, const std::string& keyPath,
                           bool dropTrailingSeparator);

} // namespace ms
