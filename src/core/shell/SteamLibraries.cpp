#include "shell/SteamLibraries.h"

#include "shell/BoundedRead.h"
#include "shell/Error.h"
#include "shell/KeyValues.h"
#include "shell/UniquePaths.h"

#include <algorithm>
#include <cctype>

namespace ms {
namespace fs = std::filesystem;

namespace {
// A library list holds a few dozen lines per library.
constexpr std::size_t kLibraryListLimit = 1 << 20;

bool isNumber(std::string_view s) {
    return !s.empty() && std::all_of(s.begin(), s.end(),
                                     [](char c) { return std::isdigit(static_cast<unsigned char>(c)); });
}
} // namespace

std::vector<fs::path> steamRoots(const fs::path& home) {
    return {home / ".steam/steam", home / ".steam/root", home / ".local/share/Steam",
            home / ".var/app/com.valvesoftware.Steam/.local/share/Steam",
            home / "snap/steam/common/.local/share/Steam"};
}

std::vector<std::string> libraryFoldersListed(std::string_view vdfText) {
    std::vector<std::string> result;
    const KeyValues root = parseKeyValues(vdfText);
    const KeyValues* list = root.child("libraryfolders");
    if (!list || !list->isBlock)
        return result;
    for (const KeyValues& entry : list->children) {
        if (!isNumber(entry.key))
            continue; // "contentstatsid" and the like
        if (!entry.isBlock) {
            result.push_back(entry.value);
        } else if (const KeyValues* path = entry.child("path"); path && !path->isBlock) {
            result.push_back(path->value);
        }
    }
    return result;
}

std::vector<fs::path> steamLibraries(const fs::path& home) {
    UniquePaths libraries;
    for (const fs::path& root : steamRoots(home)) {
        std::error_code ec;
        if (!fs::is_directory(root / "steamapps", ec))
            continue;
        libraries.add(root);
        const BoundedReadResult list =
            readFileBounded(root / "steamapps/libraryfolders.vdf", kLibraryListLimit);
        if (list.fault != BoundedReadFault::None)
            continue;
        try {
            for (const std::string& folder : libraryFoldersListed(list.bytes))
                if (!folder.empty() && fs::is_directory(fs::path(folder) / "steamapps", ec))
                    libraries.add(folder);
        } catch (const Error&) {
            // A damaged list hides its extra libraries, not the root's.
        }
    }
    return libraries.take();
}

} // namespace ms
