#include "lifecycle/ShipRemoval.h"

#include "shell/ActivatedMods.h"
#include "shell/Environment.h"
#include "shell/Error.h"
#include "shell/Journal.h"
#include "shell/ModStaging.h"
#include "shell/XmlFile.h"
#include "store/IdentifierPools.h"
#include "store/RecordStore.h"
#include "store/SharedDocuments.h"
#include "store/ShipIndex.h"
#include "store/StoreFiles.h"

#include <algorithm>

namespace ms {
namespace fs = std::filesystem;

namespace {

const int kRegionFlags[] = {kShipOnAW, kShipOnNW, kShipOnEN};

// The GUID names files and folders below: only a plain number may reach them.
void checkGuid(const std::string& guid) {
    if (guid.empty() || !std::all_of(guid.begin(), guid.end(), [](char c) { return c >= '0' && c <= '9'; }))
        throw Error("\"" + guid + "\" ist keine gültige Schiffs-GUID.");
}

void checkNewShip(pugi::xml_node entry, const std::string& guid) {
    if (entry && ShipValue(entry, kShipTyp) != kCategoryNew)
        throw Error("Das Schiff " + guid + " ist ein Standardschiff und kann nicht entfernt werden.");
}

bool isFlagged(pugi::xml_node entry) {
    return std::any_of(std::begin(kRegionFlags), std::end(kRegionFlags),
                       [&](int flag) { return ShipValue(entry, flag) == "*"; });
}

// The yards to rebuild, chosen before anything changes: those of the ship's engine when it may be
// offered, and every deployed one whose menu names it (a menu written before an interruption).
std::vector<const YardRow*> yardsToRebuild(pugi::xml_node entry, bool offered, const std::string& guid) {
    const std::string engine = ShipValue(entry, kShipEngine);
    std::vector<const YardRow*> yards;
    for (const YardRow& row : YardTable())
        if ((offered && engine == row.engine) || YardMenuNamesShip(row, guid))
            yards.push_back(&row);
    return yards;
}

std::vector<YardRebuildResult> rebuild(const std::vector<const YardRow*>& yards) {
    std::vector<YardRebuildResult> results;
    for (const YardRow* row : yards)
        results.push_back(RebuildYardBuildMenu(*row));
    return results;
}

// Plans the removal of G's mod folders in the journal; what an interrupted activation left beside
// the mods goes at once, as nobody sees it.
void removeModFolders(Journal& journal, const std::string& guid) {
    RemoveStagingLeftovers(guid);
    ListActivatedMods();
    const fs::path mods = env().modLocation;
    int n = 0;
    for (const std::string& name : activatedModFolders()) {
        std::error_code ec;
        if (name.find(guid) != std::string::npos && fs::is_directory(mods / name, ec))
            journal.remove(mods / name, SetAsideName(guid, n++));
    }
}

// Proves G's mod folders are gone: the game must not load a ship left behind.
void checkModFoldersGone(const std::string& guid) {
    ListActivatedMods();
    for (const std::string& name : activatedModFolders()) {
        std::error_code ec;
        const fs::path folder = fs::path(env().modLocation) / name;
        if (name.find(guid) != std::string::npos && fs::is_directory(folder, ec))
            throw Error("Der Mod-Ordner \"" + folder.string() + "\" kann nicht gelöscht werden.");
    }
}

// Every change of a removal is one commit; a rollback reads the ship documents from disk again.
void reloadOnRollback(Journal& journal, const fs::path& xmla) {
    journal.onRollback([xmla] {
        ReloadShipIndexDoc(xmla);
        ReloadShipFullDoc(xmla);
    });
}

} // namespace

ShipRemovalResult DeactivateShip(const std::string& guid) {
    checkGuid(guid);
    const fs::path xmla = env().xmlaDir;
    pugi::xml_document index;
    LoadShipIndex(index, xmla);
    const pugi::xml_node entry = FindShipEntryQuoted(index.document_element(), guid);
    checkNewShip(entry, guid);

    ShipRemovalResult result;
    result.indexEntryFound = bool(entry);
    const std::vector<const YardRow*> yards = yardsToRebuild(entry, bool(entry), guid);
    {
        Journal journal(xmla);
        reloadOnRollback(journal, xmla);
        if (entry) {
            MarkEntryDeactivated(entry);
            SaveShipIndex(index, xmla);
        }
        ReloadShipIndexDoc(xmla);
        result.yards = rebuild(yards);
        removeModFolders(journal, guid);
        journal.commit();
    }
    checkModFoldersGone(guid);
    result.newShipsLeft = CountNewShips(ShipIndexRoot());
    return result;
}

ShipRemovalResult DeleteShip(const std::string& guid) {
    checkGuid(guid);
    const fs::path xmla = env().xmlaDir;
    pugi::xml_document index;
    LoadShipIndex(index, xmla);
    pugi::xml_document assets;
    loadXml(assets, xmla / kShipFullFile);
    const pugi::xml_node entry = FindShipEntryQuoted(index.document_element(), guid);
    checkNewShip(entry, guid);

    ShipRemovalResult result;
    result.indexEntryFound = bool(entry);
    const bool offered = entry && (ShipValue(entry, kShipIsMod) == "true" || isFlagged(entry));
    const std::vector<const YardRow*> yards = yardsToRebuild(entry, offered, guid);

    // One commit: the mod, every build menu that names the ship, the index entry, the record, the
    // working file and the identifiers go together, or nothing goes.
    {
        Journal journal(xmla);
        reloadOnRollback(journal, xmla);
        removeModFolders(journal, guid);
        if (entry && isFlagged(entry)) {
            for (const int flag : kRegionFlags)
                SetShipValue(entry, flag, "");
            SaveShipIndex(index, xmla);
        }
        ReloadShipIndexDoc(xmla);
        result.yards = rebuild(yards);

        if (entry) {
            RemoveShipEntry(entry);
            SaveShipIndex(index, xmla);
            ReloadShipIndexDoc(xmla);
        }
        if (const pugi::xml_node asset = FindShipAsset(assets, guid, GuidForm::Number)) {
            asset.parent().remove_child(asset);
            saveXml(assets, xmla / kShipFullFile, XmlKind::ShipAssets);
        }
        std::error_code ec;
        if (fs::exists(xmla / (guid + ".xml"), ec))
            journal.remove(xmla / (guid + ".xml"));
        ReleaseShipIdentifiers(xmla, guid);
        journal.commit();
    }
    ReloadShipIndexDoc(xmla);
    ReloadShipFullDoc(xmla);
    checkModFoldersGone(guid);
    result.newShipsLeft = CountNewShips(ShipIndexRoot());
    return result;
}

Message DeleteShipQuestion(const std::string& shipName) {
    Message m;
    m.picture = "Frage";
    m.header = "Sicherheitsabfrage";
    m.text = "Wollen Sie diese Modifikationen wirklich vollständig löschen?.\r" + shipName +
             "\rDies kann nicht rückgänig gemacht werden.\r";
    m.okCaption = "Löschen";
    m.abortCaption = "Abbrechen";
    return m;
}

} // namespace ms
