#include "lifecycle/ShipRemoval.h"
#include "core/yards/YardFixture.h"
#include "shell/AtomicFile.h"
#include "shell/ModStaging.h"

#include <gtest/gtest.h>

namespace {
namespace fs = std::filesystem;
using mstest::readFile;
using mstest::YardTest;
using Strings = std::vector<std::string>;

class ShipRemovalTest : public YardTest {
  protected:
    void SetUp() override {
        YardTest::SetUp();
        deployAll();
    }
    void TearDown() override { ms::setAtomicWriteFailureAfter(-1); }

    // A new ship, activated and put into the yards of the given regions.
    std::string activated(const std::string& templateGuid, std::initializer_list<const char*> regions) {
        const std::string guid = create(templateGuid);
        f.activate(guid);
        flag(guid, regions);
        for (const ms::YardRow& row : ms::YardTable())
            ms::RebuildYardBuildMenu(row);
        return guid;
    }

    bool inAnyMenu(const std::string& guid) const {
        for (const ms::YardRow& row : ms::YardTable())
            for (const std::string& g : menu(row))
                if (g == guid)
                    return true;
        return false;
    }
    bool hasModFolder(const std::string& guid) const {
        for (const std::string& name : f.modEntries())
            if (name.find(guid) != std::string::npos)
                return true;
        return false;
    }
    std::string poolValue(const char* file, const std::string& guid, const char* attribute) const {
        pugi::xml_document pool;
        ms::loadXml(pool, f.xmla / file);
        return pool.select_node(("/GUID/GUID[@GUID='" + guid + "']").c_str())
            .node()
            .attribute(attribute)
            .value();
    }
    static std::vector<std::string> attributeNames(const fs::path& xmla, const std::string& guid) {
        pugi::xml_document index;
        ms::LoadShipIndex(index, xmla);
        std::vector<std::string> names;
        for (auto a : ms::FindShipEntryQuoted(index.document_element(), guid).attributes())
            names.push_back(a.name());
        return names;
    }
};

TEST_F(ShipRemovalTest, DeactivationWithdrawsTheShipAndKeepsItsData) {
    const std::string other = activated("100441", {"AW"});
    const std::string guid = activated("100438", {"AW", "NW", "EN"});
    const auto namesBefore = attributeNames(f.xmla, guid);
    const std::string full = readFile(f.xmla / "ShipFull.xml"), org = readFile(f.xmla / "ShipFullORG.xml");
    const std::string pools =
        readFile(f.xmla / "NewShipGUIDS.xml") + readFile(f.xmla / "NewTriggerGUIDS.xml");

    const ms::ShipRemovalResult result = ms::DeactivateShip(guid);
    EXPECT_TRUE(result.indexEntryFound);
    EXPECT_EQ(attributeNames(f.xmla, guid), namesBefore);
    for (const int pos : {ms::kShipOnAW, ms::kShipOnNW, ms::kShipOnEN})
        EXPECT_EQ(f.indexEntryValue(guid, pos), "");
    for (const int pos : {ms::kShipExported, ms::kShipIsMod, ms::kShipShowInYard})
        EXPECT_EQ(f.indexEntryValue(guid, pos), "false");
    ASSERT_EQ(result.yards.size(), 3u);
    for (const auto& y : result.yards) {
        EXPECT_STREQ(y.yard->engine, "Sail");
        EXPECT_EQ(y.outcome, ms::YardRebuildOutcome::Written);
    }
    EXPECT_EQ(menu(yard("AW", "Sail")), (Strings{other}));
    EXPECT_FALSE(inAnyMenu(guid));
    EXPECT_FALSE(hasModFolder(guid));
    EXPECT_TRUE(hasModFolder(other)); // the second ship of the list, not the first, was withdrawn
    EXPECT_EQ(readFile(f.xmla / "ShipFull.xml"), full);
    EXPECT_EQ(readFile(f.xmla / "ShipFullORG.xml"), org);
    EXPECT_EQ(readFile(f.xmla / "NewShipGUIDS.xml") + readFile(f.xmla / "NewTriggerGUIDS.xml"), pools);
    EXPECT_TRUE(fs::exists(f.xmla / (guid + ".xml")));
    EXPECT_EQ(result.newShipsLeft, 2u);
}

// Deactivating or deleting a steamship leaves no build menu with it, the Enbesa one included.
TEST_F(ShipRemovalTest, SteamshipLeavesEveryYardOfItsEngine) {
    for (auto remove : {&ms::DeactivateShip, &ms::DeleteShip}) {
        const std::string guid = activated("1010062", {"AW", "EN"});
        ASSERT_EQ(menu(yard("EN", "Steam")), (Strings{guid}));
        const ms::ShipRemovalResult result = remove(guid);
        EXPECT_EQ(result.yards.size(), 3u);
        EXPECT_FALSE(inAnyMenu(guid));
        EXPECT_FALSE(hasModFolder(guid));
    }
}

TEST_F(ShipRemovalTest, DeletingANeverActivatedShipRemovesItAndFreesItsNumbers) {
    const std::string guid = create("100438");
    const std::string trigger = f.indexEntryValue(guid, ms::kShipTriggerGuid);
    const std::string menus = readFile(ms::YardAssetsFile(yard("AW", "Sail")));
    const std::string org = readFile(f.xmla / "ShipFullORG.xml");

    const ms::ShipRemovalResult result = ms::DeleteShip(guid);
    EXPECT_TRUE(result.indexEntryFound);
    EXPECT_TRUE(result.yards.empty());
    EXPECT_EQ(readFile(ms::YardAssetsFile(yard("AW", "Sail"))), menus);
    EXPECT_FALSE(ms::FindShipEntryQuoted(ms::ShipIndexRoot(), guid));
    EXPECT_FALSE(ms::FindShipAsset(guid, ms::GuidForm::Quoted));
    EXPECT_EQ(poolValue("NewShipGUIDS.xml", guid, "IsUsed"), "No");
    // The first trigger entry of the number is burned; the ship's own is never handed out again.
    pugi::xml_document triggers;
    ms::loadXml(triggers, f.xmla / "NewTriggerGUIDS.xml");
    EXPECT_STREQ(triggers.select_node(("/GUID/GUID[@OrgGuid='" + guid + "']").c_str())
                     .node()
                     .attribute("IsUsed")
                     .value(),
                 "burned");
    EXPECT_NE(poolValue("NewTriggerGUIDS.xml", trigger, "IsUsed"), "No");
    EXPECT_EQ(readFile(f.xmla / "ShipFullORG.xml"), org);
    EXPECT_EQ(result.newShipsLeft, 0u);
}

TEST_F(ShipRemovalTest, DeletingAnActivatedShipTakesItsFolderWorkingFileAndMenus) {
    const std::string guid = activated("100440", {"NW"});
    fs::create_directories(f.mods / ms::ActivationStagingName(guid));
    const ms::ShipRemovalResult result = ms::DeleteShip(guid);
    EXPECT_EQ(result.yards.size(), 3u);
    EXPECT_FALSE(inAnyMenu(guid));
    EXPECT_FALSE(fs::exists(f.xmla / (guid + ".xml")));
    EXPECT_EQ(f.modEntries().size(), 6u); // the six yards, nothing of the ship
}

// A deletion stopped by a failing write (a full disk) at different points: the game never keeps a
// mod or a menu entry of the ship, and deleting again completes the deletion.
TEST_F(ShipRemovalTest, FailedDeletionChangesNothingAndRepeatingCompletesIt) {
    // bytes: the index (7 kB) and menus (12 kB) fit under the larger limit
    for (const long long failAfter : {100LL, 60000LL}) {
        const std::string guid = activated("100438", {"AW"});
        ms::setAtomicWriteFailureAfter(failAfter);
        EXPECT_THROW(ms::DeleteShip(guid), ms::Error) << failAfter;
        ms::setAtomicWriteFailureAfter(-1);
        EXPECT_TRUE(hasModFolder(guid)) << failAfter;
        EXPECT_TRUE(ms::FindShipEntryQuoted(ms::ShipIndexRoot(), guid)) << failAfter;
        EXPECT_TRUE(inAnyMenu(guid)) << failAfter;

        const ms::ShipRemovalResult again = ms::DeleteShip(guid);
        EXPECT_TRUE(again.indexEntryFound) << failAfter;
        EXPECT_FALSE(hasModFolder(guid)) << failAfter;
        EXPECT_FALSE(inAnyMenu(guid)) << failAfter;
        EXPECT_FALSE(ms::FindShipEntryQuoted(ms::ShipIndexRoot(), guid)) << failAfter;
        EXPECT_FALSE(ms::FindShipAsset(guid, ms::GuidForm::Quoted)) << failAfter;
        EXPECT_FALSE(fs::exists(f.xmla / (guid + ".xml"))) << failAfter;
        EXPECT_EQ(poolValue("NewShipGUIDS.xml", guid, "IsUsed"), "No") << failAfter;
    }
}

TEST_F(ShipRemovalTest, MalformedDeployedYardIsReportedAndTheRestIsDone) {
    const std::string guid = activated("100438", {"AW", "NW"});
    const fs::path broken = ms::YardAssetsFile(yard("NW", "Sail"));
    mstest::writeFile(broken, "<ModOps>");
    const ms::ShipRemovalResult result = ms::DeactivateShip(guid);
    const std::string problems = ms::RebuildProblems(result.yards);
    EXPECT_NE(problems.find(broken.string()), std::string::npos);
    EXPECT_EQ(readFile(broken), "<ModOps>");
    EXPECT_TRUE(menu(yard("AW", "Sail")).empty());
    EXPECT_FALSE(hasModFolder(guid));
}

TEST_F(ShipRemovalTest, StandardShipsAndOddGuidsAreRefusedBeforeAnyChange) {
    const std::string index = readFile(f.xmla / "ShipShort.xml"), full = readFile(f.xmla / "ShipFull.xml");
    for (const char* guid : {"100438", "", "../ShipFull", "1 or 1"}) {
        EXPECT_THROW(ms::DeleteShip(guid), ms::Error) << guid;
        EXPECT_THROW(ms::DeactivateShip(guid), ms::Error) << guid;
    }
    EXPECT_EQ(readFile(f.xmla / "ShipShort.xml"), index);
    EXPECT_EQ(readFile(f.xmla / "ShipFull.xml"), full);
}

TEST_F(ShipRemovalTest, ConfirmationTextIsThatOfTheProgram) {
    const ms::Message m = ms::DeleteShipQuestion("Schoner (neu)");
    EXPECT_EQ(m.text, "Wollen Sie diese Modifikationen wirklich vollständig löschen?.\rSchoner (neu)\r"
                      "Dies kann nicht rückgänig gemacht werden.\r");
    EXPECT_EQ(m.header, "Sicherheitsabfrage");
    EXPECT_EQ(m.picture, "Frage");
    EXPECT_EQ(m.okCaption, "Löschen");
    EXPECT_EQ(m.abortCaption, "Abbrechen");
    EXPECT_FALSE(m.inputMode);
}

} // namespace
