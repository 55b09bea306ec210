#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace ms {

// Reads values from a Wine registry file (system.reg of a prefix). Key paths are given relative to
// HKEY_LOCAL_MACHINE with "\" separators; key and value names match without regard to case.
class WineRegistryFile {
  public:
    // Throws nothing: an unreadable file (or anything but a regular file, or one of absurd size)
    // simply holds no keys. With `onlyKeys`, the values of other keys are not kept.
    explicit WineRegistryFile(const std::filesystem::path& file,
                              const std::vector<std::string>& onlyKeys = {});
    static WineRegistryFile fromText(const std::string& text, const std::vector<std::string>& onlyKeys = {});

    std::optional<std::string> readString(const std::string& keyPath, const std::string& valueName) const;

  private:
    WineRegistryFile() = default;
    void parse(std::string_view text, const std::vector<std::string>& onlyKeys);

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

// The Wine prefixes of this machine, in the order the keys are searched (see GamePlaces).
std::vector<std::filesystem::path> wineprefixCandidates();

// Maps a Windows path of a prefix ("C:\Games\Marvessa", "Z:\x") to the Linux path it names there,
// through the prefix's dosdevices links. Empty for a path without a drive letter and for a drive the
// prefix does not map (no dosdevices/<letter>: link to a folder).
std::string mapWindowsPath(const std::filesystem::path& prefix, const std::string& windowsPath);

// The "InstallDir" value of a machine key, searched in every prefix in order and mapped to a Linux
// path; only a value naming an existing folder counts, empty when no prefix has one. In each prefix
// the key is read as given (the 32-bit view below WOW6432Node), then in the native view without
// WOW6432Node, which a 64-bit installer writes. The launcher
// stores its folder with a trailing "/", which `dropTrailingSeparator` removes (a last character that
// is no "/" or "\" stays).
std::string findInstallDir(const std::vector<std::filesystem::path>& prefixes, const std::string& keyPath,
                           bool dropTrailingSeparator);

// The folders the installer's and the launcher's keys name, each the first over the prefixes in order,
// as findInstallDir gives them (the launcher's value without its trailing separator), with every
// registry file read once. Once the installer's is found, the launcher's is no longer needed and
// may be left empty.
struct InstallDirs {
    std::string installer;
    std::string launcher;
};
InstallDirs findInstallDirs(const std::vector<std::filesystem::path>& prefixes,
                            const std::string& installerKey, const std::string& launcherKey);

} // namespace ms
