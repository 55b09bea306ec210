#include "NewShipTestSupport.h"

#include "lifecycle/ShipCreation.h"
#include "shell/AtomicFile.h"
#include "shell/Error.h"
#include "store/IdentifierPools.h"
#include "store/RecordStore.h"
#include "store/SharedDocuments.h"
#include "store/ShipIndex.h"

#include <algorithm>
#include <regex>
#include <tuple>

namespace {

using mstest::elements;
using mstest::markup;

class ShipCreationTest : public mstest::NewShipTest {
  protected:
    void TearDown() override {
        ms::setAtomicWriteFailureAfter(-1);
        NewShipTest::TearDown();
    }

    std::vector<std::string> positions() {
        pugi::xml_document index;
        mstest::loadDoc(index, m_xmla / "ShipShort.xml");
        std::vector<std::string> out;
        for (pugi::xml_node ship : elements(index.document_element()))
            out.push_back(ship.attribute("Pos").value());
        return out;
    }

    // Makes `name` the one file too big for a write failing after `failAfter` bytes (a long comment
    // before its closing tag) and lets the schooner's creation fail there: the message names the
    // file and ends saying that no ship was made, and every file is as before.
    void expectFailedWriteChangesNothing(const char* name, size_t commentSize, long long failAfter) {
        std::string bytes = file(name);
        bytes.insert(bytes.rfind("</"), "<!--" + std::string(commentSize, 'x') + "-->\r\n");
        mstest::writeFile(m_xmla / name, bytes);
        const ms::ShipForm shown = show("100438");
        const auto before = snapshot();

        ms::setAtomicWriteFailureAfter(failAfter);
        try {
            ms::CreateNewShip(m_xmla, shown, m_messages);
            ADD_FAILURE() << "the write of " << name << " did not fail";
        } catch (const ms::Error& e) {
            const std::string message = e.what();
            const std::string end = "Es wurde kein neues Schiff angelegt.";
            EXPECT_NE(message.find(name), std::string::npos) << message;
            EXPECT_EQ(message.substr(message.size() - std::min(message.size(), end.size())), end) << message;
        }
        ms::setAtomicWriteFailureAfter(-1);
        EXPECT_EQ(snapshot(), before);
    }

    // Deletion as far as the index, the record and the pools are concerned.
    void remove(const std::string& guid) {
        pugi::xml_document index;
        ms::LoadShipIndex(index, m_xmla);
        ms::RemoveShipEntry(ms::FindShipEntry(index.document_element(), guid));
        ms::SaveShipIndex(index, m_xmla);
        ms::ReleaseShipIdentifiers(m_xmla, guid);
    }
};

TEST_F(ShipCreationTest, SchoonerGetsItsIdentifiersNameBaseAndPosition) {
    const std::string orgBefore = file("ShipFullORG.xml");
    pugi::xml_document before;
    mstest::loadDoc(before, m_xmla / "ShipFull.xml");

    const ms::ShipForm shown = show("100438");
    const auto created = ms::CreateNewShip(m_xmla, shown, m_messages);
    ASSERT_TRUE(created);
    EXPECT_TRUE(m_messages.shown.empty());
    EXPECT_EQ(created->ids.assetGuid, "2000501100");
    EXPECT_EQ(created->ids.textGuid, "2000501200");
    EXPECT_EQ(created->ids.triggerGuid, "2000501304");
    EXPECT_EQ(created->name, "Schoner (neu)");
    EXPECT_EQ(created->templateGuid, "100438");

    // The record: the last Asset, the template's copy with the new identity and Base at the end.
    pugi::xml_document assets;
    mstest::loadDoc(assets, m_xmla / "ShipFull.xml");
    const auto records = elements(assets.document_element(), "Asset");
    ASSERT_EQ(records.size(), 22u);
    const pugi::xml_node values = records.back().child("Values");
    const pugi::xml_node standard = values.child("Standard");
    EXPECT_STREQ(standard.child_value("GUID"), "2000501100");
    EXPECT_STREQ(standard.child_value("Name"), "Schoner (neu)");
    EXPECT_STREQ(standard.child_value("InfoDescription"), "2000501200");
    EXPECT_STREQ(standard.last_child().name(), "Base");
    EXPECT_STREQ(standard.child_value("Base"), "100438");
    EXPECT_STREQ(records.back().child_value("Template"), "TradeShip");
    EXPECT_STREQ(standard.child_value("IconFilename"), "data/icon/icon_ship_schooner.png");
    const pugi::xml_node tpl = ms::FindShipValues(before, "100438");
    EXPECT_STREQ(standard.child_value("InfoText"), tpl.child("Standard").child_value("InfoText"));
    // Apart from the identity the copy is the template's record.
    EXPECT_EQ(markup(values.child("Cost")), markup(tpl.child("Cost")));
    EXPECT_EQ(markup(values.child("Attacker")), markup(tpl.child("Attacker")));
    // The records before it are those of the file before.
    const auto old = elements(before.document_element(), "Asset");
    for (size_t i = 0; i < old.size(); ++i)
        EXPECT_EQ(markup(records[i]), markup(old[i])) << i;

    // The index entry: the last Ship, its 21 attributes in the order of the file.
    pugi::xml_document index;
    mstest::loadDoc(index, m_xmla / "ShipShort.xml");
    const pugi::xml_node entry = elements(index.document_element()).back();
    std::vector<std::pair<std::string, std::string>> attributes;
    for (pugi::xml_attribute a : entry.attributes())
        attributes.emplace_back(a.name(), a.value());
    const std::vector<std::pair<std::string, std::string>> expected{{"GUID", "2000501100"},
                                                                    {"Name", "Schoner (neu)"},
                                                                    {"Icon", "icon_ship_schooner"},
                                                                    {"Changed", "false"},
                                                                    {"Exported", "false"},
                                                                    {"Pos", "A22"},
                                                                    {"Typ", "Neue Schiffe"},
                                                                    {"Art", "TradeShip"},
                                                                    {"Engine", "Sail"},
                                                                    {"New", "false"},
                                                                    {"WorkForce", "15000001"},
                                                                    {"WorkAmount", "1"},
                                                                    {"YardPos", "A22"},
                                                                    {"OnBuild", ""},
                                                                    {"InfoGUID", "2000501200"},
                                                                    {"TriggerGUID", "2000501304"},
                                                                    {"IsMod", "false"},
                                                                    {"OnAW", ""},
                                                                    {"OnNW", ""},
                                                                    {"OnEN", ""},
                                                                    {"ShowInYard", "false"}};
    EXPECT_EQ(attributes, expected);

    // The pristine file is not touched.
    EXPECT_EQ(file("ShipFullORG.xml"), orgBefore);

    // The shared documents are read again: the new ship can be shown at once.
    EXPECT_TRUE(ms::FindShipValues("2000501100"));
    EXPECT_TRUE(ms::FindShipEntry(ms::ShipIndexRoot(), "2000501100"));
    const ms::ShipForm ship = ms::LoadShipForm("2000501100", false);
    EXPECT_EQ(ship.context.templateGuid, "100438");
    EXPECT_EQ(ship.text("NewShipNameText"), "Schoner (neu)");
}

TEST_F(ShipCreationTest, NameAndUnlockComeFromTheShownFields) {
    ms::ShipForm shown = show("100437");
    shown.set("NewShipNameText", "Wellenreiter");
    shown.set("WorkForceGUID", "114329");
    shown.set("WorkAmount", "300");
    const auto created = ms::CreateNewShip(m_xmla, shown, m_messages);
    ASSERT_TRUE(created);
    const pugi::xml_node entry = ms::FindShipEntry(ms::ShipIndexRoot(), created->ids.assetGuid);
    EXPECT_EQ(ms::ShipValue(entry, "Name"), "Wellenreiter (neu)");
    EXPECT_EQ(ms::ShipValue(entry, "WorkForce"), "114329");
    EXPECT_EQ(ms::ShipValue(entry, "WorkAmount"), "300");
    EXPECT_EQ(ms::ShipValue(entry, "Art"), "WarShip");
    EXPECT_EQ(ms::ShipValue(entry, "Icon"), "icon_ship_gunboat");
}

TEST_F(ShipCreationTest, PositionCountsEntriesNotTheHighestNumber) {
    const std::string first = create("100438");
    create("100438");
    create("100438");
    EXPECT_EQ(positions().back(), "A24");

    remove(first);
    const std::string fourth = create("100438");
    EXPECT_EQ(ms::ShipValue(ms::FindShipEntry(ms::ShipIndexRoot(), fourth), "YardPos"), "A24");
    const auto pos = positions();
    EXPECT_EQ(std::count(pos.begin(), pos.end(), "A24"), 2);
    EXPECT_EQ(pos.size(), 24u);
    // The released number is the lowest free one again.
    EXPECT_EQ(fourth, "2000501100");
}

TEST_F(ShipCreationTest, ExhaustedShipPoolWritesNothing) {
    const std::string pool = file("NewShipGUIDS.xml");
    mstest::writeFile(m_xmla / "NewShipGUIDS.xml",
                      std::regex_replace(pool, std::regex("IsUsed=\"No\""), "IsUsed=\"Yes\""));
    const auto before = snapshot();

    EXPECT_FALSE(ms::CreateNewShip(m_xmla, show("100438"), m_messages));
    ASSERT_EQ(m_messages.shown.size(), 1u);
    EXPECT_EQ(m_messages.shown[0].header, ms::kPoolExhaustedHeader);
    EXPECT_EQ(m_messages.shown[0].text, ms::kShipPoolExhaustedText);
    EXPECT_EQ(snapshot(), before);
}

TEST_F(ShipCreationTest, TemplateWithoutRecordOrIndexEntryTakesNoIdentifier) {
    const ms::ShipForm shown = show("100438");

    // No record: "999999" is no ship of the working file.
    auto before = snapshot();
    EXPECT_THROW(ms::CreateNewShip(m_xmla, ms::NewShipFields{"999999", "X", "15000001", "1"}, m_messages),
                 ms::Error);
    EXPECT_EQ(snapshot(), before);

    // A record but no index entry.
    pugi::xml_document index;
    ms::LoadShipIndex(index, m_xmla);
    ms::RemoveShipEntry(ms::FindShipEntry(index.document_element(), "100438"));
    ms::SaveShipIndex(index, m_xmla);
    before = snapshot();
    try {
        ms::CreateNewShip(m_xmla, shown, m_messages);
        FAIL() << "created without an index entry";
    } catch (const ms::Error& e) {
        EXPECT_NE(std::string(e.what()).find("ShipShort.xml"), std::string::npos) << e.what();
    }
    EXPECT_EQ(snapshot(), before);
    EXPECT_TRUE(m_messages.shown.empty());
}

TEST_F(ShipCreationTest, FailingAssetWritePutsThePoolsBack) {
    const ms::ShipForm shown = show("100438");
    const auto before = snapshot();
    // The pools (about 5 KB each) are written, ShipFull.xml (over 120 KB) is not.
    ms::setAtomicWriteFailureAfter(50000);
    EXPECT_THROW(ms::CreateNewShip(m_xmla, shown, m_messages), ms::Error);
    ms::setAtomicWriteFailureAfter(-1);
    EXPECT_EQ(snapshot(), before);

    // No number was lost: the next creation gets the same three.
    const auto created = ms::CreateNewShip(m_xmla, shown, m_messages);
    ASSERT_TRUE(created);
    EXPECT_EQ(created->ids.assetGuid, "2000501100");
    EXPECT_EQ(created->ids.textGuid, "2000501200");
    EXPECT_EQ(created->ids.triggerGuid, "2000501304");
}

TEST_F(ShipCreationTest, FailingIndexWritePutsPoolsAndAssetFileBack) {
    // No orphan record in ShipFull.xml, no number marked used.
    expectFailedWriteChangesNothing("ShipShort.xml", 200000, 150000);
}

TEST_F(ShipCreationTest, FailingTriggerPoolWritePutsAllThreePoolsBack) {
    // The trigger pool is written last, after the ship and text pools were saved.
    expectFailedWriteChangesNothing("NewTriggerGUIDS.xml", 20000, 10000);
    const ms::ShipForm shown = show("100438");
    // The ship and text pools mark no numbers for a ship that does not exist.
    const auto created = ms::CreateNewShip(m_xmla, shown, m_messages);
    ASSERT_TRUE(created);
    EXPECT_EQ(created->ids.assetGuid, "2000501100");
    EXPECT_EQ(created->ids.textGuid, "2000501200");
}

TEST_F(ShipCreationTest, UnlockOutsideItsBoundsTakesNoIdentifier) {
    const auto before = snapshot();
    for (const auto& [workForce, workAmount, part] :
         std::vector<std::tuple<std::string, std::string, std::string>>{
             {"15000001", "0", "Der Wert \"0\" im Feld \"Baufreigabe ab\" liegt nicht zwischen 1 und 1000."},
             {"15000001", "", "Das Feld \"Baufreigabe ab\" ist leer."},
             {"4711", "10", "Die Bevölkerungsstufe \"4711\" für die Baufreigabe ist unbekannt."}}) {
        try {
            ms::CreateNewShip(m_xmla, ms::NewShipFields{"100438", "Schoner", workForce, workAmount},
                              m_messages);
            ADD_FAILURE() << "created with " << workForce << " " << workAmount;
        } catch (const ms::Error& e) {
            EXPECT_NE(std::string(e.what()).find(part + " Es wurde kein neues Schiff angelegt."),
                      std::string::npos)
                << e.what();
        }
    }
    EXPECT_EQ(snapshot(), before);
}

} // namespace
