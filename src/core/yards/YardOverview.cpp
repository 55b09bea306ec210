#include "yards/YardOverview.h"

#include "shell/Environment.h"
#include "store/ShipIndex.h"

#include <algorithm>

namespace ms {

std::vector<YardListRow> OverviewShipRows(const YardRow& row) {
    pugi::xml_document index;
    LoadShipIndex(index, env().xmlaDir);
    const int flag = RegionFlagPos(row.region);
    std::vector<YardListRow> rows;
    for (const pugi::xml_node entry : SelectOnYard(index.document_element(), row.engine, row.region))
        rows.push_back({ShipValue(entry, kShipGuid), ShipValue(entry, kShipName), ShipValue(entry, flag),
                        ShipValue(entry, kShipYardPos), ShipPictureName(entry)});
    std::stable_sort(rows.begin(), rows.end(),
                     [](const YardListRow& a, const YardListRow& b) { return a.guid < b.guid; });
    return rows;
}

} // namespace ms
