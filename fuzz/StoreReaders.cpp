#include "StoreReaders.h"

#include "lifecycle/ChangeMarkers.h"
#include "lifecycle/ModInfo.h"
#include "lifecycle/ShipFormLoader.h"
#include "lifecycle/TemplateValues.h"
#include "shell/Error.h"
#include "store/ReferenceLists.h"
#include "store/SharedDocuments.h"
#include "store/ShipIndex.h"
#include "yards/ShipSummary.h"
#include "yards/YardTable.h"

namespace fuzz {

namespace {
// What the main window and the yard windows read of one ship.
void readShip(const std::string& guid, bool decimalIsPoint) {
    try {
        const ms::ShipForm form = ms::LoadShipForm(guid, decimalIsPoint);
        ms::ModSummary(form);
        ms::ShipSummaryLines(form, ms::FindShipEntryQuoted(ms::ShipIndexRoot(), guid));
        ms::UpdateChangeMarkers(form, ms::CollectTemplateValues(guid, decimalIsPoint), true);
    } catch (const ms::Error&) {
    }
}

} // namespace

void readShips(unsigned limit) {
    unsigned n = 0;
    for (pugi::xml_node ship : ms::ShipIndexRoot().children("Ship")) {
        if (n++ == limit)
            break;
        readShip(ms::ShipValue(ship, ms::kShipGuid), n % 2 == 0);
        ms::ShipPictureName(ship);
    }
}

void readIndex() {
    const pugi::xml_node root = ms::ShipIndexRoot();
    for (const char* category : {ms::kCategorySail, ms::kCategorySteam, ms::kCategoryExtra, ms::kCategoryNew})
        ms::SelectShips(root, category);
    ms::CountNewShips(root);
    for (const ms::YardRow& row : ms::YardTable()) {
        ms::SelectYardCandidates(root, row.engine);
        ms::CountYardShips(row);
    }
    readShips(1);
    if (pugi::xml_node first = root.child("Ship")) {
        ms::ToggleYardFlag(first, "AW");
        ms::AppendNewShipEntry(root, ms::ShipValue(first, ms::kShipGuid),
                               {"2000501100", "X (neu)", "15000001", "1", "2000501200", "2000501304"});
    }
}

void readProducts() {
    for (const ms::Product& p : ms::PickerProducts())
        ms::FindProduct(p.guid);
    ms::FindProduct("1010017");
    readShips(1);
}

void readProjectiles() {
    const auto names = ms::ProjectileNames();
    for (size_t i = 0; i <= names.size() && i < 20; ++i)
        if (const auto guid = ms::ProjectileGuidAt(static_cast<int>(i)))
            ms::FindProjectile(*guid);
    readShips(1);
}

void readHelp() {
    int n = 0;
    for (const pugi::xpath_node& g : ms::HelpRoot().select_nodes("//Text/GUID"))
        if (n++ < 12)
            ms::FindHelpEntry(g.node().text().get());
    for (const char* number : {"0", "203", "450"})
        ms::FindHelpEntry(number);
}

void readReferenceLists() {
    readProducts();
    readProjectiles();
    readHelp();
}

} // namespace fuzz
