#include "core/yards/YardFixture.h"

#include <gtest/gtest.h>

namespace {
namespace fs = std::filesystem;
using mstest::readFile;
using mstest::YardTest;
using Strings = std::vector<std::string>;

// The file without its build menu: what a rebuild must leave exactly as it was.
std::string withoutMenu(const std::string& bytes) {
    const size_t start = bytes.find("<AssemblyOptions");
    const size_t selfClosed = bytes.find("/>", start);
    const size_t closeTag = bytes.find("</AssemblyOptions>", start);
    const size_t end = closeTag != std::string::npos ? closeTag + 18 : selfClosed + 2;
    return bytes.substr(0, start) + bytes.substr(end);
}

class YardBuildMenuTest : public YardTest {};

TEST_F(YardBuildMenuTest, EmptyYardLeavesOneEmptyAssemblyOptionsAsLastChild) {
    const ms::YardRow& row = yard("AW", "Sail");
    ms::DeployYard(row);
    // A stale menu in front of another child, as a hand edit might leave it.
    const fs::path file = ms::YardAssetsFile(row);
    std::string bytes = readFile(file);
    bytes.replace(bytes.find("<AssemblyOptions />"), 19,
                  "<AssemblyOptions><Item><Vehicle>100438</Vehicle></Item></AssemblyOptions><Extra />");
    mstest::writeFile(file, bytes);

    EXPECT_EQ(ms::RebuildYardBuildMenu(row).outcome, ms::YardRebuildOutcome::Written);
    pugi::xml_document doc;
    ms::loadXml(doc, file);
    const pugi::xml_node shipyard = doc.select_node("//ModOps/ModOp/Asset/Values/Shipyard").node();
    EXPECT_EQ(shipyard.select_nodes("AssemblyOptions").size(), 1u);
    EXPECT_STREQ(shipyard.last_child().name(), "AssemblyOptions");
    EXPECT_FALSE(shipyard.last_child().first_child());
    EXPECT_STREQ(shipyard.first_child().name(), "Extra");
}

TEST_F(YardBuildMenuTest, FlaggedShipsLandInTheYardsOfTheirEngineInIndexOrder) {
    deployAll();
    flag("102419", {"AW"}); // index order: 100438, 100441, 102419
    flag("100438", {"AW"});
    flag("100441", {"AW"});
    flag("100442", {"AW"});
    for (const ms::YardRow& row : ms::YardTable())
        ms::RebuildYardBuildMenu(row);
    EXPECT_EQ(menu(yard("AW", "Sail")), (Strings{"100438", "100441", "102419"}));
    EXPECT_EQ(menu(yard("AW", "Steam")), (Strings{"100442"}));
    for (const char* region : {"NW", "EN"})
        for (const char* engine : {"Sail", "Steam"})
            EXPECT_TRUE(menu(yard(region, engine)).empty()) << region << engine;
}

TEST_F(YardBuildMenuTest, ShipFlaggedInAllRegionsIsInTheThreeYardsOfItsEngine) {
    deployAll();
    flag("100442", {"AW", "NW", "EN"});
    for (const ms::YardRow& row : ms::YardTable())
        EXPECT_EQ(menu(row).empty(), true);
    for (const ms::YardRow& row : ms::YardTable()) {
        ms::RebuildYardBuildMenu(row);
        EXPECT_EQ(menu(row), std::string(row.engine) == "Steam" ? Strings{"100442"} : Strings{})
            << row.folder;
        EXPECT_EQ(ms::CountYardShips(row), std::string(row.engine) == "Steam" ? 1 : 0);
    }
}

TEST_F(YardBuildMenuTest, ShowInYardDoesNotMatter) {
    ms::DeployYard(yard("NW", "Steam"));
    flag("102422", {"NW"}); // Monitor: ShowInYard "false"
    ms::RebuildYardBuildMenu(yard("NW", "Steam"));
    EXPECT_EQ(menu(yard("NW", "Steam")), (Strings{"102422"}));
}

TEST_F(YardBuildMenuTest, YardWithoutDeployedFolderIsNotRecreated) {
    const ms::YardRow& row = yard("EN", "Sail");
    ms::DeployYard(row);
    ms::DeleteFolder(ms::DeployedModFolder(row.folder));
    flag("100438", {"EN"});
    EXPECT_EQ(ms::RebuildYardBuildMenu(row).outcome, ms::YardRebuildOutcome::NotDeployed);
    EXPECT_TRUE(f.modEntries().empty());
}

TEST_F(YardBuildMenuTest, EveryOtherNodeStaysByteForByteAndXmllintReadsTheFile) {
    deployAll();
    flag("100438", {"AW", "NW", "EN"});
    flag("100440", {"AW", "NW", "EN"});
    flag("1010062", {"AW", "NW", "EN"});
    for (const ms::YardRow& row : ms::YardTable()) {
        ms::RebuildYardBuildMenu(row);
        const std::string written = readFile(ms::YardAssetsFile(row));
        EXPECT_EQ(withoutMenu(written), withoutMenu(readTemplate(row, mstest::kYardAssetsPath)))
            << row.folder;
        EXPECT_NE(written.find("<Vehicle>"), std::string::npos);
        EXPECT_TRUE(mstest::wellFormedForXmllint(ms::YardAssetsFile(row))) << row.folder;
    }
}

TEST_F(YardBuildMenuTest, UnusableDeployedFileIsReportedAndLeftAlone) {
    struct Case {
        const char* what;
        std::string bytes;
    };
    const Case cases[] = {
        {"not well-formed", "<ModOps><ModOp><Asset><Values><Shipyard>"},
        {"no Shipyard", "<ModOps><ModOp><Asset><Values /></Asset></ModOp></ModOps>"},
    };
    const ms::YardRow& row = yard("AW", "Steam");
    ms::DeployYard(row);
    flag("100442", {"AW"});
    for (const Case& c : cases) {
        mstest::writeFile(ms::YardAssetsFile(row), c.bytes);
        const ms::YardRebuildResult result = ms::RebuildYardBuildMenu(row);
        EXPECT_EQ(result.outcome, ms::YardRebuildOutcome::Refused) << c.what;
        EXPECT_NE(result.problem.find(ms::YardAssetsFile(row).string()), std::string::npos) << c.what;
        EXPECT_EQ(readFile(ms::YardAssetsFile(row)), c.bytes) << c.what;
        EXPECT_EQ(ms::RebuildProblems({result, ms::RebuildYardBuildMenu(yard("NW", "Sail"))}),
                  result.problem);
        EXPECT_TRUE(ms::ReadYardBuildMenu(row).empty());
    }
    EXPECT_EQ(f.indexEntryValue("100442", ms::kShipOnAW), "*");
}

TEST_F(YardBuildMenuTest, DrawnMenuNamesThePlacesInIndexOrder) {
    const ms::YardRow& row = yard("AW", "Sail");
    ms::DeployYard(row);
    const std::string guid = create("100438");
    f.activate(guid);
    flag(guid, {"AW"});
    flag("100441", {"AW"});
    ms::RebuildYardBuildMenu(row);
    const auto places = ms::ReadYardBuildMenu(row);
    ASSERT_EQ(places.size(), 2u);
    EXPECT_EQ(places[0].guid, "100441");
    EXPECT_EQ(places[0].name, "Klipper");
    EXPECT_FALSE(places[0].newShipPicture);
    EXPECT_EQ(places[1].guid, guid);
    EXPECT_EQ(places[1].icon, "icon_ship_schooner");
    EXPECT_TRUE(places[1].newShipPicture);
}

} // namespace
