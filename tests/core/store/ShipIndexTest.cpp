#include "shell/Error.h"
#include "store/RecordStore.h"
#include "store/SharedDocuments.h"
#include "store/ShipIndex.h"
#include "store/SortKey.h"
#include "support/TempDir.h"
#include "core/store/StoreTestSupport.h"

#include <gtest/gtest.h>

#include <algorithm>

using namespace ms;
using mstest::DeliveredStore;

namespace {
std::vector<std::string> names(const std::vector<pugi::xml_node>& ships) {
    std::vector<std::string> out;
    for (auto s : ships)
        out.push_back(ShipValue(s, kShipName));
    return out;
}

std::vector<std::string> attributesInOrder(pugi::xml_node ship) {
    std::vector<std::string> out;
    for (auto a : ship.attributes())
        out.push_back(std::string(a.name()) + "=" + a.value());
    return out;
}

NewShipEntry newEntry(const std::string& guid) {
    return NewShipEntry{guid, "Schoner (neu)", "15000001", "1", "2000501200", "2000501304"};
}
} // namespace

TEST(ShipIndex, CategoryQueriesOnDeliveredIndex) {
    DeliveredStore store;
    const auto root = ShipIndexRoot();
    EXPECT_EQ(SelectShips(root, kCategorySail).size(), 8u);
    EXPECT_EQ(SelectShips(root, kCategorySteam).size(), 4u);
    EXPECT_EQ(SelectShips(root, kCategoryExtra).size(), 9u);
    EXPECT_EQ(SelectShips(root, kCategoryNew).size(), 0u);
    EXPECT_EQ(CountNewShips(root), 0u);
    EXPECT_EQ(SelectShips(root, "").size(), 21u);
    EXPECT_EQ(CategoryQuery(kCategoryNew), "Ship[@Typ=\"Neue Schiffe\"]");
    EXPECT_EQ(CategoryQuery(""), "Ship");
    // The start-up list is every entry of the index.
    EXPECT_EQ(CurrentShipNodes().nodes.size(), 21u);
}

TEST(ShipIndex, ExtraShipsSortByPosWithCreatedShipsFirst) {
    DeliveredStore store;
    auto root = ShipIndexRoot();
    AppendNewShipEntry(root, "100438", newEntry("2000501100")); // A22
    for (auto s : SelectShips(root, kCategoryExtra))
        SetShipValue(s, kShipTyp, kCategoryNew); // one list holding templates and new ships
    auto ships = SelectShips(root, kCategoryNew);
    ASSERT_EQ(ships.size(), 10u);
    // Reverse first so that a sort that does nothing is caught.
    std::reverse(ships.begin(), ships.end());
    std::stable_sort(ships.begin(), ships.end(), [](auto a, auto b) {
        return SortKeyLess(ShipValue(a, kShipPos), ShipValue(b, kShipPos));
    });
    EXPECT_EQ(names(ships), (std::vector<std::string>{"Schoner (neu)", "Postschiff", "Kaperbrigg", "Expeditionsbark",
                                                      "Monitor", "Passagierdampfer", "Eisbrecher", "Torpedoboot",
                                                      "Postdampfer", "Expeditionsdampfer"}));
}

TEST(ShipIndex, SortKeyComparesTextWithoutCase) {
    EXPECT_LT(CompareSortKeys("A100", "A22"), 0); // text, not number order
    EXPECT_LT(CompareSortKeys("A99", "B50"), 0);
    EXPECT_EQ(CompareSortKeys("b55", "B55"), 0);
    EXPECT_LT(CompareSortKeys("a23", "B22"), 0);
    EXPECT_LT(CompareSortKeys("A2", "A22"), 0);
    EXPECT_GT(CompareSortKeys("A3", "A22"), 0);
    EXPECT_TRUE(SortKeyLess("A10", "A9"));
    EXPECT_FALSE(SortKeyLess("B55", "b55"));
    // Only ASCII letters fold: "_" (0x5F) lies between upper and lower case letters.
    EXPECT_GT(CompareSortKeys("a_", "AZ"), 0);
}

TEST(ShipIndex, GuidLookupNumberAndQuotedForms) {
    DeliveredStore store;
    const auto root = ShipIndexRoot();
    EXPECT_EQ(ShipValue(FindShipEntry(root, "100438"), kShipName), "Schoner");
    EXPECT_EQ(ShipValue(FindShipEntryQuoted(root, "100438"), kShipName), "Schoner");
    // The number form ignores leading zeros, the quoted form does not.
    EXPECT_EQ(ShipValue(FindShipEntry(root, "0100438"), kShipName), "Schoner");
    EXPECT_FALSE(FindShipEntryQuoted(root, "0100438"));
    EXPECT_FALSE(FindShipEntry(root, "999"));
    // Text that is no number finds nothing and is never taken for a path or a broken query.
    EXPECT_FALSE(FindShipEntry(root, "Ship"));
    EXPECT_FALSE(FindShipEntry(root, "1]|//*[1"));
    EXPECT_FALSE(FindShipEntryQuoted(root, "a\"b"));
}

TEST(ShipIndex, EngineAndYardFlagSelections) {
    DeliveredStore store;
    auto root = ShipIndexRoot();
    // Sail: 11 entries, two of them not offered; steam: 10 entries, the Monitor not offered.
    EXPECT_EQ(SelectYardCandidates(root, "Sail").size(), 9u);
    EXPECT_EQ(SelectYardCandidates(root, "Steam").size(), 9u);
    EXPECT_TRUE(SelectOnYard(root, "Sail", "AW").empty());

    SetShipValue(FindShipEntry(root, "150000"), kShipOnAW, "*"); // not offered, but on the menu
    SetShipValue(FindShipEntry(root, "100438"), kShipOnNW, "*");
    SetShipValue(FindShipEntry(root, "1010062"), kShipOnAW, "*");
    EXPECT_EQ(names(SelectOnYard(root, "Sail", "AW")), std::vector<std::string>{"Königl. Linienschiff"});
    EXPECT_EQ(names(SelectOnYard(root, "Sail", "NW")), std::vector<std::string>{"Schoner"});
    EXPECT_EQ(names(SelectOnYard(root, "Steam", "AW")), std::vector<std::string>{"Frachtdampfer"});
    EXPECT_TRUE(SelectOnYard(root, "Steam", "EN").empty());
    // A flag does not make a ship a candidate of the shipyard window.
    const auto candidates = names(SelectYardCandidates(root, "Sail"));
    EXPECT_EQ(std::count(candidates.begin(), candidates.end(), "Königl. Linienschiff"), 0);
    EXPECT_THROW(SelectOnYard(root, "Sail", "XX"), Error);
}

TEST(ShipIndex, AttributesByPositionAndByName) {
    DeliveredStore store;
    const auto ship = FindShipEntry(ShipIndexRoot(), "100853");
    EXPECT_EQ(ShipValue(ship, kShipGuid), "100853");
    EXPECT_EQ(ShipValue(ship, kShipName), "Öltanker");
    EXPECT_EQ(ShipValue(ship, kShipEngine), "Steam");
    EXPECT_EQ(ShipValue(ship, kShipShowInYard), "true");
    EXPECT_EQ(ShipValue(ship, "Typ"), "Dampfschiffe");
    EXPECT_FALSE(ShipAttribute(ship, kShipAttrCount));
    EXPECT_EQ(ShipPictureName(ship), "icon_ship_oil_tanker");
    SetShipValue(ship, kShipIsMod, "true");
    EXPECT_EQ(ShipPictureName(ship), "icon_ship_oil_tanker_star");
}

TEST(ShipIndex, CreatedEntryHasTemplateOrderAndNewValues) {
    DeliveredStore store;
    AddShipIndexEntry(store.xmla, "100438", newEntry("2000501100"));
    pugi::xml_document doc;
    LoadShipIndex(doc, store.xmla);
    const auto entry = doc.document_element().last_child();
    EXPECT_EQ(attributesInOrder(entry),
              (std::vector<std::string>{"GUID=2000501100", "Name=Schoner (neu)", "Icon=icon_ship_schooner",
                                        "Changed=false", "Exported=false", "Pos=A22", "Typ=Neue Schiffe",
                                        "Art=TradeShip", "Engine=Sail", "New=false", "WorkForce=15000001",
                                        "WorkAmount=1", "YardPos=A22", "OnBuild=", "InfoGUID=2000501200",
                                        "TriggerGUID=2000501304", "IsMod=false", "OnAW=", "OnNW=", "OnEN=",
                                        "ShowInYard=false"}));
    // The template entry itself is untouched.
    EXPECT_EQ(ShipValue(FindShipEntry(doc.document_element(), "100438"), kShipTyp), "Segelschiffe");
    // The file keeps its declaration and CR LF line ends.
    const std::string bytes = mstest::readFile(store.xmla / "ShipShort.xml");
    EXPECT_EQ(bytes.rfind("<?xml version=\"1.0\"?>\r\n<Ships>\r\n", 0), 0u);
}

TEST(ShipIndex, ActivateDeactivateKeepOrder) {
    DeliveredStore store;
    auto root = ShipIndexRoot();
    auto entry = AppendNewShipEntry(root, "100438", newEntry("2000501100"));
    const auto before = attributesInOrder(entry);
    MarkEntryActivated(entry);
    EXPECT_EQ(ShipValue(entry, kShipExported), "true");
    EXPECT_EQ(ShipValue(entry, kShipOnBuild), "");
    EXPECT_EQ(ShipValue(entry, kShipIsMod), "true");
    EXPECT_EQ(ShipValue(entry, kShipShowInYard), "true");
    SetShipValue(entry, kShipOnAW, "*");
    SetShipValue(entry, kShipOnEN, "*");
    MarkEntryDeactivated(entry);
    EXPECT_EQ(attributesInOrder(entry), before); // every value back, order unchanged

    SetSavedEntryValues(entry, "15000002", "250", "Mein Schoner");
    EXPECT_EQ(ShipValue(entry, kShipWorkForce), "15000002");
    EXPECT_EQ(ShipValue(entry, kShipWorkAmount), "250");
    EXPECT_EQ(ShipValue(entry, kShipName), "Mein Schoner");
    EXPECT_EQ(std::string(ShipAttribute(entry, kShipName).name()), "Name");
}

TEST(ShipIndex, PositionsCountEntriesAndRepeatAfterDeletion) {
    DeliveredStore store;
    auto root = ShipIndexRoot();
    auto a22 = AppendNewShipEntry(root, "100438", newEntry("2000501100"));
    EXPECT_EQ(ShipValue(a22, kShipPos), "A22");
    RemoveShipEntry(a22);
    EXPECT_EQ(ShipValue(AppendNewShipEntry(root, "100438", newEntry("2000501100")), kShipPos), "A22");
    auto a23 = AppendNewShipEntry(root, "100438", newEntry("2000501101"));
    EXPECT_EQ(ShipValue(a23, kShipYardPos), "A23");
    RemoveShipEntry(FindShipEntry(root, "2000501100"));
    EXPECT_EQ(ShipValue(AppendNewShipEntry(root, "100438", newEntry("2000501102")), kShipPos), "A23");
    // A comment between the entries is no entry.
    root.prepend_child(pugi::node_comment).set_value("x");
    EXPECT_EQ(ShipValue(AppendNewShipEntry(root, "100438", newEntry("2000501103")), kShipPos), "A24");
}

TEST(ShipIndex, CreationRefusesMissingOrIncompleteTemplate) {
    DeliveredStore store;
    const std::string before = mstest::readFile(store.xmla / "ShipShort.xml");
    EXPECT_THROW(AddShipIndexEntry(store.xmla, "4711", newEntry("2000501100")), Error);
    auto tmpl = FindShipEntry(ShipIndexRoot(), "100438");
    tmpl.remove_attribute(tmpl.last_attribute());
    EXPECT_THROW(AppendNewShipEntry(ShipIndexRoot(), "100438", newEntry("1")), Error);
    EXPECT_EQ(SelectShips(ShipIndexRoot(), "").size(), 21u);
    EXPECT_TRUE(mstest::readFile(store.xmla / "ShipShort.xml") == before);
}

TEST(ShipIndex, YardToggleStopsAtEighteenPerEngineAndRegion) {
    DeliveredStore store;
    auto root = ShipIndexRoot();
    std::vector<pugi::xml_node> sail;
    for (int i = 0; i < 19; ++i)
        sail.push_back(AppendNewShipEntry(root, "100438", newEntry(std::to_string(2000501100 + i))));
    for (int i = 0; i < 18; ++i)
        ASSERT_EQ(ToggleYardFlag(sail[i], "NW"), YardToggle::Set);
    EXPECT_EQ(ToggleYardFlag(sail[18], "NW"), YardToggle::Refused);
    EXPECT_EQ(ShipValue(sail[18], kShipOnNW), "");
    // Other regions and the other engine are counted apart.
    EXPECT_EQ(ToggleYardFlag(sail[18], "AW"), YardToggle::Set);
    EXPECT_EQ(ToggleYardFlag(FindShipEntry(root, "1010062"), "NW"), YardToggle::Set);
    // Clearing is always allowed and frees a place.
    EXPECT_EQ(ToggleYardFlag(sail[0], "NW"), YardToggle::Cleared);
    EXPECT_EQ(ShipValue(sail[0], kShipOnNW), "");
    EXPECT_EQ(ToggleYardFlag(sail[18], "NW"), YardToggle::Set);
    EXPECT_EQ(ShipValue(sail[18], kShipOnNW), "*");
}
