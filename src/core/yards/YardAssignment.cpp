#include "yards/YardAssignment.h"

#include "shell/Environment.h"
#include "shell/Error.h"
#include "shell/Journal.h"
#include "store/SharedDocuments.h"
#include "store/ShipIndex.h"
#include "yards/YardDeployment.h"

#include <algorithm>
#include <cctype>

namespace ms {

bool ShipViewCompare(const YardListRow& a, const YardListRow& b) {
    return std::lexicographical_compare(
        a.yardPos.begin(), a.yardPos.end(), b.yardPos.begin(), b.yardPos.end(),
        [](unsigned char x, unsigned char y) { return std::tolower(x) < std::tolower(y); });
}

std::vector<YardListRow> YardShipRows(const YardRow& row) {
    ReloadShipIndexDoc(env().xmlaDir);
    const int flag = RegionFlagPos(row.region);
    std::vector<YardListRow> rows;
    for (const pugi::xml_node entry : SelectYardCandidates(ShipIndexRoot(), row.engine))
        rows.push_back({ShipValue(entry, kShipGuid), ShipValue(entry, kShipName), ShipValue(entry, flag),
                        ShipValue(entry, kShipYardPos), ShipPictureName(entry)});
    std::stable_sort(rows.begin(), rows.end(), ShipViewCompare);
    return rows;
}

YardToggleResult ToggleYardShip(const YardRow& row, const std::string& guid) {
    pugi::xml_document index;
    LoadShipIndex(index, env().xmlaDir);
    const pugi::xml_node entry = FindShipEntryQuoted(index.document_element(), guid);
    if (!entry)
        throw Error("Das Schiff " + guid + " fehlt in der Datei ShipShort.xml.");
    // A ship of the other engine would land in the region's other yard.
    if (ShipValue(entry, kShipEngine) != row.engine)
        throw Error("Das Schiff " + guid + " kann in der Werft \"" + row.folder + "\" nicht gebaut werden.");

    YardToggleResult result;
    switch (ToggleYardFlag(entry, row.region)) {
    case YardToggle::Refused:
        return result;
    case YardToggle::Set:
        result.outcome = YardToggleOutcome::Added;
        break;
    case YardToggle::Cleared:
        result.outcome = YardToggleOutcome::Removed;
        break;
    }
    // The flag and the build menu are committed together.
    const std::filesystem::path xmla = env().xmlaDir;
    Journal journal(xmla);
    journal.onRollback([xmla] { ReloadShipIndexDoc(xmla); });
    SaveShipIndex(index, xmla);
    ReloadShipIndexDoc(xmla);
    // A yard folder removed since the window showed it comes back before its menu is rebuilt, so the
    // deployed menu always ends up equal to the index.
    DeployYard(row);
    result.rebuild = RebuildYardBuildMenu(row);
    journal.commit();
    return result;
}

Message YardLimitMessage(const YardRow& row) {
    Message m;
    m.picture = "Info";
    m.header = "Maximum erreicht";
    m.text = std::string("Die maximale Anzahl von möglichen Schiffen , die in der") +
             (std::string_view(row.engine) == "Sail" ? "<Segelschiffswerft>" : "<Dampfschiffswerft>") +
             " gebaut werden können, wurde erreicht.";
    m.okCaption = "OK";
    m.abortCaption = "";
    return m;
}

} // namespace ms
