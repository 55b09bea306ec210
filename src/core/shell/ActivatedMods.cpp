#include "shell/ActivatedMods.h"

#include "shell/Environment.h"
#include "shell/FileOperations.h"
#include "shell/ModStaging.h"

#include <filesystem>

namespace ms {
namespace fs = std::filesystem;

std::vector<std::string>& activatedModFolders() {
    static std::vector<std::string> folders;
    return folders;
}

bool ListActivatedMods() {
    auto& folders = activatedModFolders();
    folders.clear();
    if (env().modLocation.empty())
        return true;
    std::error_code ec;
    for (fs::directory_iterator it(env().modLocation, ec), end; !ec && it != end; it.increment(ec)) {
        std::string name = it->path().filename().string();
        if (name.find("[Spantora]") != std::string::npos)
            folders.push_back(std::move(name));
    }
    return true;
}

bool DeleteShipModFolders(const std::string& currentShipGuid) {
    // An empty GUID is a substring of every name and would take all mods, the yards included.
    if (!currentShipGuid.empty() && !env().modLocation.empty()) {
        for (const auto& name : activatedModFolders()) {
            if (name.find(currentShipGuid) == std::string::npos)
                continue;
            const fs::path folder = fs::path(env().modLocation) / name;
            std::error_code ec;
            if (fs::is_directory(folder, ec))
                DeleteFolder(folder);
        }
        // An interrupted activation's staging or set-aside copies of the ship go too.
        RemoveStagingLeftovers(currentShipGuid);
    }
    return ListActivatedMods();
}

} // namespace ms
