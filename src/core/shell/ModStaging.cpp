#include "shell/ModStaging.h"

#include "shell/Environment.h"
#include "shell/Error.h"
#include "shell/FileOperations.h"
#include "shell/GameLocator.h"
#include "shell/SystemErrorText.h"

#include <vector>

namespace ms {
namespace fs = std::filesystem;

std::string ActivationStagingName(std::string_view guid) {
    return std::string(kStagingPrefix) + "Aktivierung " + std::string(guid);
}

std::string SetAsideName(std::string_view guid, int n) {
    return std::string(kStagingPrefix) + "Sicherung " + std::string(guid) + " " + std::to_string(n);
}

std::string DeploymentStagingName(std::string_view folder) {
    return std::string(kStagingPrefix) + "Werft " + std::string(folder);
}

int RemoveStagingLeftovers(std::string_view containing) {
    if (env().modLocation.empty())
        return 0;
    std::vector<fs::path> leftovers;
    std::error_code ec;
    for (fs::directory_iterator it(env().modLocation, ec), end; !ec && it != end; it.increment(ec)) {
        const std::string name = it->path().filename().string();
        if (name.rfind(kStagingPrefix, 0) == 0 && name.find(containing) != std::string::npos)
            leftovers.push_back(it->path());
    }
    int removed = 0;
    for (const fs::path& path : leftovers)
        removed += DeleteFolder(path) ? 1 : 0;
    return removed;
}

fs::path ProvideModsFolder() {
    const Environment& e = env();
    const fs::path mods = e.modLocation;
    if (!e.modLocation.empty() && !IsFolder(mods) && isGameFolder(e.gameLocation))
        CreateFolders(mods);
    if (e.modLocation.empty() || !IsFolder(mods))
        throw Error("Der Mod-Ordner des Spiels \"" + e.modLocation + "\" fehlt.");
    return mods;
}

void CopyIntoMods(const fs::path& source, const fs::path& modLocation, const std::string& name) {
    const fs::path staging = modLocation / DeploymentStagingName(name);
    const fs::path target = modLocation / name;
    DeleteFolder(staging);
    if (!CopyFolder(source, staging)) {
        DeleteFolder(staging);
        throw Error("Der Ordner \"" + source.string() + "\" kann nicht nach \"" + target.string() +
                    "\" kopiert werden.");
    }
    std::error_code ec;
    fs::rename(staging, target, ec);
    if (ec) {
        DeleteFolder(staging);
        throw Error("Der Ordner \"" + target.string() +
                    "\" kann nicht angelegt werden: " + systemErrorText(ec));
    }
}

} // namespace ms
