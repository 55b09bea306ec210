#include "yards/YardAssignment.h"
#include "core/yards/YardFixture.h"

#include <gtest/gtest.h>

namespace {
using mstest::readFile;
using mstest::YardTest;
using Strings = std::vector<std::string>;

class YardAssignmentTest : public YardTest {
  protected:
    // Every sailing ship of the index flagged OnAW, topped up with new ships to `count`.
    std::vector<std::string> fillOldWorldSailYard(int count) {
        std::vector<std::string> guids;
        for (const pugi::xml_node e : ms::SelectShips(ms::ShipIndexRoot(), ""))
            if (ms::ShipValue(e, ms::kShipEngine) == "Sail")
                guids.push_back(ms::ShipValue(e, ms::kShipGuid));
        while (static_cast<int>(guids.size()) < count)
            guids.push_back(create("100438"));
        guids.resize(count);
        for (const std::string& g : guids)
            flag(g, {"AW"});
        return guids;
    }
};

TEST_F(YardAssignmentTest, RowsAreSortedByYardPositionAsText) {
    const std::string nine = create("100438"), ten = create("100441");
    setValue(nine, ms::kShipYardPos, "A9");
    setValue(ten, ms::kShipYardPos, "a10");
    setValue(nine, ms::kShipShowInYard, "true");
    setValue(ten, ms::kShipShowInYard, "true");
    setValue(nine, ms::kShipIsMod, "true");
    flag(ten, {"NW"});

    const auto rows = ms::YardShipRows(yard("NW", "Sail"));
    ASSERT_EQ(rows.size(), 11u); // nine standard sailing ships with ShowInYard "true"
    EXPECT_EQ(rows[0].guid, ten);
    EXPECT_EQ(rows[0].flag, "*");
    EXPECT_EQ(rows[0].picture, "icon_ship_clipper");
    EXPECT_EQ(rows[1].guid, nine);
    EXPECT_EQ(rows[1].picture, "icon_ship_schooner_star");
    EXPECT_EQ(rows[1].flag, "");
    for (size_t i = 3; i < rows.size(); ++i)
        EXPECT_LE(rows[i - 1].yardPos, rows[i].yardPos);
    EXPECT_TRUE(ms::YardShipRows(yard("AW", "Sail"))[0].flag.empty());
}

TEST_F(YardAssignmentTest, ToggleAddsAndRemovesAndRewritesTheDeployedMenu) {
    const ms::YardRow& row = yard("EN", "Steam");
    ms::DeployYard(row);
    const ms::YardToggleResult added = ms::ToggleYardShip(row, "102428");
    EXPECT_EQ(added.outcome, ms::YardToggleOutcome::Added);
    EXPECT_EQ(added.rebuild.outcome, ms::YardRebuildOutcome::Written);
    EXPECT_EQ(f.indexEntryValue("102428", ms::kShipOnEN), "*");
    EXPECT_EQ(menu(row), (Strings{"102428"}));
    EXPECT_EQ(ms::CountYardShips(row), 1); // the shared index was reloaded

    EXPECT_EQ(ms::ToggleYardShip(row, "102428").outcome, ms::YardToggleOutcome::Removed);
    EXPECT_EQ(f.indexEntryValue("102428", ms::kShipOnEN), "");
    EXPECT_TRUE(menu(row).empty());
}

TEST_F(YardAssignmentTest, EighteenthShipFitsTheNineteenthIsRefusedAndRemovalAlwaysWorks) {
    const ms::YardRow& row = yard("AW", "Sail");
    ms::DeployYard(row);
    std::vector<std::string> in = fillOldWorldSailYard(17);
    const std::string eighteenth = create("100441"), nineteenth = create("100441");
    ms::RebuildYardBuildMenu(row);

    EXPECT_EQ(ms::ToggleYardShip(row, eighteenth).outcome, ms::YardToggleOutcome::Added);
    EXPECT_EQ(menu(row).size(), 18u);
    const std::string index = readFile(f.xmla / "ShipShort.xml");
    const std::string assets = readFile(ms::YardAssetsFile(row));
    EXPECT_EQ(ms::ToggleYardShip(row, nineteenth).outcome, ms::YardToggleOutcome::Refused);
    EXPECT_EQ(readFile(f.xmla / "ShipShort.xml"), index);
    EXPECT_EQ(readFile(ms::YardAssetsFile(row)), assets);

    EXPECT_EQ(ms::ToggleYardShip(row, in[4]).outcome, ms::YardToggleOutcome::Removed);
    EXPECT_EQ(menu(row).size(), 17u);
    EXPECT_EQ(ms::ReadYardBuildMenu(row).size(), 17u);
    EXPECT_EQ(ms::ToggleYardShip(row, nineteenth).outcome, ms::YardToggleOutcome::Added);
    EXPECT_EQ(menu(row).back(), nineteenth);
}

TEST_F(YardAssignmentTest, LimitMessageNamesTheYardKind) {
    const ms::Message sail = ms::YardLimitMessage(yard("NW", "Sail"));
    EXPECT_EQ(sail.text, "Die maximale Anzahl von möglichen Schiffen , die in der<Segelschiffswerft> gebaut "
                         "werden können, wurde erreicht.");
    EXPECT_EQ(sail.header, "Maximum erreicht");
    EXPECT_EQ(sail.picture, "Info");
    EXPECT_EQ(sail.okCaption, "OK");
    EXPECT_EQ(sail.abortCaption, "");
    EXPECT_NE(ms::YardLimitMessage(yard("EN", "Steam")).text.find("der<Dampfschiffswerft> gebaut"),
              std::string::npos);
}

TEST_F(YardAssignmentTest, ShipOfAnotherEngineOrWithoutEntryIsRefusedBeforeAnyChange) {
    ms::DeployYard(yard("AW", "Sail"));
    const std::string index = readFile(f.xmla / "ShipShort.xml");
    EXPECT_THROW(ms::ToggleYardShip(yard("AW", "Sail"), "100442"), ms::Error);
    EXPECT_THROW(ms::ToggleYardShip(yard("AW", "Sail"), "999"), ms::Error);
    EXPECT_EQ(readFile(f.xmla / "ShipShort.xml"), index);
}

} // namespace

// Whatever went missing from the mods folder since the window showed the yard, the deployed menu
// ends up listing exactly the flagged ships of the index.
TEST_F(YardAssignmentTest, ToggleAfterTheYardOrTheModsFolderVanishedEndsWithTheIndexMenu) {
    namespace fs = std::filesystem;
    const ms::YardRow& row = yard("AW", "Sail");
    const fs::path game = f.mods.parent_path();
    fs::create_directories(game / "Bin" / "Win64");
    mstest::writeFile(game / "Bin" / "Win64" / "Marvessa.exe", "");
    ms::env().gameLocation = game.string();
    for (const fs::path& gone : {ms::DeployedModFolder(row.folder), f.mods}) {
        ms::DeployYard(row);
        ms::ToggleYardShip(row, "100438");
        fs::remove_all(gone);
        const ms::YardToggleResult second = ms::ToggleYardShip(row, "100441");
        EXPECT_EQ(second.rebuild.outcome, ms::YardRebuildOutcome::Written) << gone;
        EXPECT_EQ(menu(row), (Strings{"100438", "100441"})) << gone;
        ms::ToggleYardShip(row, "100438");
        ms::ToggleYardShip(row, "100441");
        EXPECT_TRUE(menu(row).empty()) << gone;
    }
}
