#include "yards/YardDeployment.h"

#include "shell/Environment.h"
#include "shell/Error.h"
#include "shell/FileOperations.h"
#include "shell/Journal.h"
#include "shell/ModStaging.h"
#include "store/SharedDocuments.h"

namespace ms {
namespace fs = std::filesystem;

namespace {

// A failed deletion is passed over: the yard stays whole.
bool removeFolder(const fs::path& folder) {
    try {
        RemoveJournaled(env().xmlaDir, folder);
    } catch (const Error&) {
    }
    return !IsFolder(folder);
}
} // namespace

bool DeployModFolder(std::string_view folder) {
    if (IsFolder(DeployedModFolder(folder)))
        return false;
    const fs::path mods = ProvideModsFolder();
    const fs::path source = TemplateModFolder(folder);
    if (!IsFolder(source))
        throw Error("Die Vorlage \"" + source.string() + "\" fehlt.");
    CopyIntoMods(source, mods, std::string(folder));
    return true;
}

bool DeployYard(const YardRow& row) {
    return DeployModFolder(row.folder);
}

bool IsSailWeavingFactoryDeployed() {
    return IsFolder(DeployedModFolder(kSailWeavingFactoryFolder));
}

bool ToggleSailWeavingFactory() {
    if (!IsSailWeavingFactoryDeployed()) {
        DeployModFolder(kSailWeavingFactoryFolder);
        return true;
    }
    // Moved aside first, so the game never meets a half-deleted mod.
    const fs::path deployed = DeployedModFolder(kSailWeavingFactoryFolder);
    try {
        RemoveJournaled(env().xmlaDir, deployed);
    } catch (const UnfinishedCommitError&) {
    }
    if (IsFolder(deployed))
        throw Error("Der Ordner \"" + deployed.string() + "\" kann nicht gelöscht werden.");
    return false;
}

std::vector<const YardRow*> RemoveUnusedYards(bool deleteYardSetting) {
    std::vector<const YardRow*> removed;
    // Without an open index every count would read 0 and take yards that ships still use.
    if (!deleteYardSetting || !ShipIndexRoot())
        return removed;
    for (const YardRow& row : YardTable()) {
        const fs::path deployed = DeployedModFolder(row.folder);
        if (CountYardShips(row) == 0 && IsFolder(deployed) && removeFolder(deployed))
            removed.push_back(&row);
    }
    return removed;
}

} // namespace ms
