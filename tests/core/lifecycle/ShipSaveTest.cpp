#include "NewShipTestSupport.h"

#include "lifecycle/ShipEditing.h"
#include "lifecycle/ShipSave.h"
#include "shell/Error.h"
#include "shell/XmlFile.h"
#include "store/RecordStore.h"
#include "store/SharedDocuments.h"
#include "store/ShipIndex.h"

#include <tuple>

namespace {

using mstest::elements;

class ShipSaveTest : public mstest::NewShipTest {
  protected:
    void open(const std::string& templateGuid) {
        m_guid = create(templateGuid);
        m_form = show(m_guid);
    }

    // Saves and shows the ship again, as SaveBtnClick does.
    void save() {
        ms::SaveShip(m_xmla, m_form, {[this] { m_form = show(m_guid); }, {}});
    }

    // The saved record as the file holds it.
    pugi::xml_node saved() {
        mstest::loadDoc(m_saved, m_xmla / "ShipFull.xml");
        return ms::FindShipValuesQuoted(m_saved, m_guid);
    }

    // A save that must be refused: the message names `expected`; documents and files stay as they were.
    void expectRefused(const std::string& expected) {
        const auto files = snapshot();
        const std::string full = render(ms::ShipFullDoc());
        const std::string index = render(ms::ShipIndexDoc());
        try {
            ms::SaveShip(m_xmla, m_form, {[] { FAIL() << "shown after a refused save"; }, {}});
            ADD_FAILURE() << "saved without " << expected;
        } catch (const ms::Error& e) {
            EXPECT_NE(std::string(e.what()).find(expected), std::string::npos) << e.what();
        }
        EXPECT_EQ(snapshot(), files);
        EXPECT_EQ(render(ms::ShipFullDoc()), full);
        EXPECT_EQ(render(ms::ShipIndexDoc()), index);
    }

    static std::string render(const pugi::xml_document& doc) {
        return ms::renderXml(doc, ms::xmlFormat(ms::XmlKind::ShipAssets));
    }

    std::string m_guid;
    ms::ShipForm m_form;
    pugi::xml_document m_saved;
};

TEST_F(ShipSaveTest, CostRowsAreSavedAsSevenItems) {
    open("100438");
    m_form.set("CostGUID1", "0");
    m_form.set("CostSpin1", "0");
    m_form.set("CostGUID2", "1010218");
    m_form.set("CostSpin2", "5");
    m_form.set("InfluenceCostPoints", "7");
    save();

    const pugi::xml_node cost = saved().child("Cost");
    EXPECT_STREQ(cost.last_child().name(), "Costs");
    EXPECT_STREQ(cost.child_value("InfluenceCostPoints"), "7");
    const auto items = elements(cost.child("Costs"));
    ASSERT_EQ(items.size(), 7u);
    EXPECT_STREQ(items[0].child_value("Ingredient"), "1010196");
    EXPECT_STREQ(items[0].child_value("Amount"), "20");
    EXPECT_STREQ(items[0].first_child().name(), "Ingredient");
    EXPECT_TRUE(elements(items[1]).empty());
    EXPECT_STREQ(items[2].child_value("Ingredient"), "1010218");
    EXPECT_STREQ(items[2].child_value("Amount"), "5");
    for (size_t i = 3; i < 7; ++i)
        EXPECT_TRUE(elements(items[i]).empty()) << i;

    // Shown again from disk.
    EXPECT_EQ(m_form.text("CostLabel2"), "Stahlträger");
    EXPECT_EQ(m_form.text("CostLabel1"), "keine Auswahl");
}

TEST_F(ShipSaveTest, ClearedAmountIsSavedAsZeroAndDroppedNextTime) {
    open("100438");
    m_form.set("CostSpin0", "");
    save();
    auto items = elements(saved().child("Cost").child("Costs"));
    EXPECT_STREQ(items[0].child_value("Ingredient"), "1010196");
    EXPECT_STREQ(items[0].child_value("Amount"), "0");
    EXPECT_EQ(m_form.text("CostLabel0"), "keine Auswahl");
    EXPECT_EQ(m_form.text("CostGUID0"), "0");

    save();
    items = elements(saved().child("Cost").child("Costs"));
    EXPECT_TRUE(elements(items[0]).empty());
    EXPECT_STREQ(items[1].child_value("Ingredient"), "1010210");
}

TEST_F(ShipSaveTest, ExpeditionBlockIsRebuiltWithEveryAttribute) {
    open("100438");
    m_form.set("FaithInt", "35");
    save();
    const pugi::xml_node values = saved();
    const pugi::xml_node block = values.last_child();
    EXPECT_STREQ(block.name(), "ExpeditionAttribute");
    EXPECT_EQ(elements(values, "ExpeditionAttribute").size(), 1u);
    EXPECT_STREQ(block.first_child().name(), "BaseMorale");
    EXPECT_STREQ(block.child_value("BaseMorale"), "100");
    const auto items = elements(block.child("ExpeditionAttributes"));
    ASSERT_EQ(items.size(), 10u);
    const std::vector<std::pair<std::string, std::string>> expected{
        {"Might", "0"},           {"Navigation", "20"},  {"Melee", "0"},     {"Medicine", "0"},
        {"Hunting", "0"},         {"Faith", "35"},       {"Diplomacy", "0"}, {"Crafting", "0"},
        {"PerkSailingShip", "1"}, {"PerkTradeShip", "1"}};
    for (size_t i = 0; i < items.size(); ++i) {
        EXPECT_STREQ(items[i].child_value("Attribute"), expected[i].first.c_str()) << i;
        EXPECT_STREQ(items[i].child_value("Amount"), expected[i].second.c_str()) << i;
    }
}

TEST_F(ShipSaveTest, FlagShipWithoutRolePerkLeavesItemTenEmpty) {
    open("101121");
    EXPECT_EQ(m_form.text("ExpeditionPerk2"), "ExpeditionPerk2");
    save();
    const auto items = elements(saved().child("ExpeditionAttribute").child("ExpeditionAttributes"));
    ASSERT_EQ(items.size(), 10u);
    EXPECT_STREQ(items[8].child_value("Attribute"), "PerkSailingShip");
    EXPECT_TRUE(elements(items[9]).empty());
}

TEST_F(ShipSaveTest, DecimalsAndMovementConstants) {
    open("100438"); // Acceleration 2, Deceleration 4, TurnSpeedInPlace 30
    m_form.set("ForwardSpeed", "5,5");
    m_form.set("CargoFullFactor", "0,6");
    m_form.set("SessionTransferSpeedFactor", "1,5");
    m_form.set("WeaponSelfHealPerSec", "2,5");
    save();
    const pugi::xml_node values = saved();
    EXPECT_STREQ(values.child("Walking").child_value("ForwardSpeed"), "5.5");
    EXPECT_STREQ(values.child("Walking").child_value("Acceleration"), "5.5");
    EXPECT_STREQ(values.child("Walking").child_value("Deceleration"), "6.5");
    EXPECT_STREQ(values.child("Walking").child_value("TurnSpeedInPlace"), "30");
    EXPECT_STREQ(values.child("Walking").child_value("CargoFullFactor"), "0.6");
    EXPECT_STREQ(values.child("Walking").child_value("SessionTransferSpeedFactor"), "1.5");
    EXPECT_STREQ(values.child("Attackable").child_value("SelfHealPerHealTick"), "2.5");
    EXPECT_EQ(m_form.text("ForwardSpeed"), "5,5");
}

TEST_F(ShipSaveTest, TurnSpeedIsNeverCreated) {
    open("100439"); // no TurnSpeedInPlace
    save();
    const pugi::xml_node walking = saved().child("Walking");
    EXPECT_FALSE(walking.child("TurnSpeedInPlace"));
    EXPECT_STREQ(walking.child_value("Acceleration"), "5.5");
}

TEST_F(ShipSaveTest, TimesAreStoredInMilliseconds) {
    open("100438");
    m_form.set("CraftingTime", "181");
    m_form.set("WeaponSelfHealPause", "60");
    save();
    const pugi::xml_node values = saved();
    EXPECT_STREQ(values.child("Craftable").child_value("CraftingTime"), "181000");
    EXPECT_STREQ(values.child("Attackable").child_value("SelfHealPausedTimeIfAttacked"), "60000");
    EXPECT_EQ(m_form.text("CraftingTime"), "181");
}

TEST_F(ShipSaveTest, SocketAllocationFollowsArmsClassAndPropulsion) {
    open("100438");
    ms::SetWeaponPanelClick(m_form, ms::CollectTemplateValues(m_guid, false), true);
    save();
    pugi::xml_node values = saved();
    EXPECT_STREQ(values.child("ItemContainer").child_value("SocketAllocation"),
                 "Ship;TradeShip;Warship;SailShip");
    EXPECT_STREQ(values.child("Attackable").child_value("WeaponSet"), "1");
    EXPECT_STREQ(values.child("Attacker").child_value("ProjectileAsset"), "102277");
    EXPECT_STREQ(values.child("Attacker").child_value("BaseDamage"), "105");

    open("100442"); // steam war ship
    ms::SetWeaponPanelClick(m_form, ms::CollectTemplateValues(m_guid, false), true);
    save();
    values = saved();
    EXPECT_STREQ(values.child("ItemContainer").child_value("SocketAllocation"), "Ship;WarShip;SteamShip");
    EXPECT_STREQ(values.child("Attackable").child_value("WeaponSet"), "0");
    EXPECT_STREQ(values.child("Attacker").child_value("ProjectileAsset"), "0");
    EXPECT_EQ(m_form.text("SetWeaponPanel"), ms::kArmCaption);
}

TEST_F(ShipSaveTest, BaseDataReachesRecordAndIndex) {
    open("100438");
    m_form.set("NewShipNameText", "Möwe");
    m_form.set("NewShipTextText", "Schnell und leicht.");
    ms::SetPicClick(m_form, "114330", ms::CollectTemplateValues(m_guid, false), true);
    m_form.set("WorkAmount", "250");
    save();
    const pugi::xml_node standard = saved().child("Standard");
    EXPECT_STREQ(standard.child_value("Name"), "Möwe");
    EXPECT_STREQ(standard.child_value("InfoText"), "Schnell und leicht.");
    EXPECT_STREQ(standard.child_value("WorkForce"), "114330");
    EXPECT_STREQ(standard.child_value("WorkInt"), "250");
    const pugi::xml_node entry = ms::FindShipEntry(ms::ShipIndexRoot(), m_guid);
    EXPECT_EQ(ms::ShipValue(entry, "Name"), "Möwe");
    EXPECT_EQ(ms::ShipValue(entry, "WorkForce"), "114330");
    EXPECT_EQ(ms::ShipValue(entry, "WorkAmount"), "250");
    EXPECT_EQ(m_form.text("WorkForceLabel"), "Älteste");
}

TEST_F(ShipSaveTest, PristineFileUnchangedAfterManySavesAndWorkingFileReindented) {
    open("100438");
    const std::string org = file("ShipFullORG.xml");
    for (int i = 0; i < 4; ++i) {
        m_form.set("StackLimit", std::to_string(60 + i * 10));
        save();
    }
    EXPECT_EQ(file("ShipFullORG.xml"), org);
    // ShipFull.xml is re-indented with two blanks after the save.
    const std::string full = file("ShipFull.xml");
    EXPECT_NE(full.find("\r\n  <Asset>"), std::string::npos);
    EXPECT_EQ(full.find("\t"), std::string::npos);
    EXPECT_EQ(m_form.text("StackLimit"), "90");
}

TEST_F(ShipSaveTest, UnchangedSaveShowsNoMarker) {
    open("100441");
    save();
    const ms::ChangeMarkers markers =
        ms::UpdateChangeMarkers(m_form, ms::CollectTemplateValues(m_guid, false), true);
    EXPECT_FALSE(markers.anyShown());
    for (const ms::PanelButtonPicture& b : markers.buttons)
        EXPECT_EQ(b.picture.back(), '2') << b.button;
}

TEST_F(ShipSaveTest, OnlyAnActivatedShipIsActivatedAgainAfterItWasShown) {
    open("100438");
    std::vector<std::string> calls;
    const ms::SaveShipHooks hooks{[&] {
                                      calls.push_back("show");
                                      // Still as the save wrote it: re-indenting comes after the display.
                                      EXPECT_NE(file("ShipFull.xml").find("\r\n\t<Asset>"),
                                                std::string::npos);
                                  },
                                  [&](const std::string& guid) { calls.push_back("activate " + guid); }};
    ms::SaveShip(m_xmla, m_form, hooks);
    EXPECT_EQ(calls, std::vector<std::string>{"show"});

    pugi::xml_document index;
    ms::LoadShipIndex(index, m_xmla);
    ms::MarkEntryActivated(ms::FindShipEntry(index.document_element(), m_guid));
    ms::SaveShipIndex(index, m_xmla);
    calls.clear();
    ms::SaveShip(m_xmla, m_form, hooks);
    EXPECT_EQ(calls, (std::vector<std::string>{"show", "activate " + m_guid}));
}

TEST_F(ShipSaveTest, EmptyNumberFieldsRefuseTheSave) {
    open("100438");
    for (const auto& [field, caption] : std::vector<std::pair<std::string, std::string>>{
             {"CraftingTime", "Bauzeit (sek.)"},
             {"WeaponSelfHealPause", "Selbstheilungstart (sek.)"},
             {"StackLimit", "Ladekapazität"},
             {"MightInt", "Gefechtskunde"},
             {"WorkAmount", "Baufreigabe ab"},
             {"InfluenceCostPoints", "Einflusspunkte"}}) {
        const std::string kept = m_form.text(field);
        m_form.set(field, "");
        expectRefused("\"" + caption + "\"");
        m_form.set(field, kept);
    }
    m_form.set("CraftingTime", "9,5");
    expectRefused("Bauzeit (sek.)");
}

TEST_F(ShipSaveTest, TypedValuesOutsideTheBoundsRefuseTheSave) {
    open("100438"); // cost rows 0 and 1 hold products
    for (const auto& [field, typed, message] : std::vector<std::tuple<std::string, std::string, std::string>>{
             {"WorkAmount", "0",
              "Das Schiff wurde nicht gespeichert: der Wert \"0\" im Feld \"Baufreigabe ab\" liegt nicht "
              "zwischen 1 und 1000."},
             {"WeaponMaxHitpoints", "5", "im Feld \"Trefferpunkte\" liegt nicht zwischen 250 und 25000"},
             {"SocketCount", "9", "im Feld \"Itemsockel\" liegt nicht zwischen 0 und 4"},
             {"CargoFullFactor", "9", "im Feld \"Frachtverlangsamung\" liegt nicht zwischen 0,1 und 1"},
             {"CostSpin0", "123456", "im Feld \"Baukosten Zeile 1\" liegt nicht zwischen 0 und 500"},
             {"ForwardSpeed", "70", "im Feld \"Geschwindigkeit Faktor\" liegt nicht zwischen 0,1 und 65"},
             {"CraftingTime", "20", "im Feld \"Bauzeit (sek.)\""},
             {"WeaponSelfHealPerSec", ",",
              "der Wert \",\" im Feld \"Selbstheilung pro Sek\" ist keine Zahl."},
             {"MightInt", "1,5", "im Feld \"Gefechtskunde\" ist keine ganze Zahl."}}) {
        const std::string kept = m_form.text(field);
        m_form.set(field, typed);
        expectRefused(message);
        m_form.set(field, kept);
    }
    m_form.set("WorkForceGUID", "15000009");
    expectRefused("die Bevölkerungsstufe \"15000009\"");
}

TEST_F(ShipSaveTest, DecimalsWithoutDigitsOnOneSideAreStoredInFull) {
    open("100438");
    m_form.set("SessionTransferSpeedFactor", "2,");
    m_form.set("CargoFullFactor", ",5");
    m_form.set("WorkAmount", "0150");
    save();
    const pugi::xml_node values = saved();
    EXPECT_STREQ(values.child("Walking").child_value("SessionTransferSpeedFactor"), "2");
    EXPECT_STREQ(values.child("Walking").child_value("CargoFullFactor"), "0.5");
    EXPECT_STREQ(values.child("Standard").child_value("WorkInt"), "150");
    EXPECT_EQ(ms::ShipValue(ms::FindShipEntry(ms::ShipIndexRoot(), m_guid), "WorkAmount"), "150");
}

TEST_F(ShipSaveTest, HandEditedValueThatIsNoNumberRefusesTheSave) {
    m_guid = create("100438");
    std::string full = file("ShipFull.xml");
    const size_t record = full.find("<GUID>" + m_guid + "</GUID>");
    const size_t sockets = full.find("<SocketCount>", record);
    ASSERT_NE(sockets, std::string::npos);
    full.replace(sockets, full.find("</SocketCount>", sockets) - sockets, "<SocketCount>4x");
    mstest::writeFile(m_xmla / "ShipFull.xml", full);
    m_form = show(m_guid);
    ASSERT_EQ(m_form.text("SocketCount"), "4x");
    expectRefused("der Wert \"4x\" im Feld \"Itemsockel\" ist keine ganze Zahl.");
}

TEST_F(ShipSaveTest, NoProjectileChosenRefusesTheSave) {
    open("100438");
    m_form.set("WeaponProjectileTypeCombo", "-1");
    expectRefused("Waffentyp");
}

TEST_F(ShipSaveTest, MissingElementsRefuseTheSave) {
    for (const char* path : {"Cost/Costs", "Attackable/WeaponSet", "Standard/Name", "Standard/InfoText",
                             "Standard/WorkForce", "Standard/WorkInt"}) {
        open("100438");
        // The open document lacks the element, as a damaged file would.
        const pugi::xml_node element = ms::FindShipValues(m_guid).select_node(path).node();
        element.parent().remove_child(element);
        expectRefused(path);
    }
}

TEST_F(ShipSaveTest, MissingIndexEntryRefusesTheSave) {
    open("100438");
    pugi::xml_document index;
    ms::LoadShipIndex(index, m_xmla);
    ms::RemoveShipEntry(ms::FindShipEntry(index.document_element(), m_guid));
    ms::SaveShipIndex(index, m_xmla);
    expectRefused("ShipShort.xml");
}

} // namespace
