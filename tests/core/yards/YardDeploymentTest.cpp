#include "core/yards/YardFixture.h"
#include "shell/ActivatedMods.h"
#include "shell/ModStaging.h"

#include <gtest/gtest.h>

namespace {
namespace fs = std::filesystem;
using mstest::ActivationFixture;
using mstest::readFile;
using mstest::YardTest;
using Names = std::set<std::string>;

class YardDeploymentTest : public YardTest {};

TEST_F(YardDeploymentTest, DeployCopiesTheTemplateOnceAndKeepsAnExistingCopy) {
    const ms::YardRow& row = yard("NW", "Steam");
    EXPECT_TRUE(ms::DeployYard(row));
    EXPECT_EQ(ActivationFixture::tree(f.mods / row.folder), ActivationFixture::tree(f.xmla / row.folder));
    EXPECT_EQ(f.modEntries(), (Names{row.folder})); // no staging folder left

    mstest::writeFile(ms::YardAssetsFile(row), "<ModOps />");
    EXPECT_FALSE(ms::DeployYard(row));
    EXPECT_EQ(readFile(ms::YardAssetsFile(row)), "<ModOps />");
}

TEST_F(YardDeploymentTest, DeployWithoutModsFolderOrTemplateThrowsAndCreatesNothing) {
    ms::DeleteFolder(f.xmla / yard("AW", "Sail").folder);
    EXPECT_THROW(ms::DeployYard(yard("AW", "Sail")), ms::Error);
    EXPECT_TRUE(f.modEntries().empty());
    fs::remove(f.mods);
    EXPECT_THROW(ms::DeployYard(yard("AW", "Steam")), ms::Error);
}

TEST_F(YardDeploymentTest, FactorySwitchDeploysAndRemovesTheFactoryOnly) {
    ms::DeployYard(yard("EN", "Sail"));
    EXPECT_FALSE(ms::IsSailWeavingFactoryDeployed());
    EXPECT_TRUE(ms::ToggleSailWeavingFactory());
    EXPECT_TRUE(ms::IsSailWeavingFactoryDeployed());
    EXPECT_EQ(ActivationFixture::tree(f.mods / ms::kSailWeavingFactoryFolder),
              ActivationFixture::tree(f.xmla / ms::kSailWeavingFactoryFolder));
    EXPECT_FALSE(ms::ToggleSailWeavingFactory());
    EXPECT_EQ(f.modEntries(), (Names{yard("EN", "Sail").folder}));
}

// The shutdown step, from the six deployed yards and the factory.
TEST_F(YardDeploymentTest, ShutdownRemovesDeployedYardsWithoutShips) {
    struct Case {
        const char* what;
        bool setting;
        std::vector<const char*> steamOnNW; // ships flagged OnNW
        const char* neverDeployed;          // a yard left out of the deployment
        size_t removed;
    };
    const Case cases[] = {
        {"no ship anywhere", true, {}, nullptr, 6},
        {"one steamship in the new world", true, {"100442"}, nullptr, 5},
        {"setting off", false, {}, nullptr, 0},
        {"a yard never deployed", true, {}, "[Spantora] EN Neue Segelschiffswerft", 5},
    };
    for (const Case& c : cases) {
        for (const ms::YardRow& row : ms::YardTable()) {
            ms::DeleteFolder(f.mods / row.folder);
            if (!c.neverDeployed || std::string(row.folder) != c.neverDeployed)
                ms::DeployYard(row);
        }
        if (!ms::IsSailWeavingFactoryDeployed())
            ms::ToggleSailWeavingFactory();
        for (const ms::YardRow& row : ms::YardTable())
            setValue("100442", ms::RegionFlagPos(row.region), "");
        for (const char* guid : c.steamOnNW)
            flag(guid, {"NW"});

        EXPECT_EQ(ms::RemoveUnusedYards(c.setting).size(), c.removed) << c.what;
        Names expected{ms::kSailWeavingFactoryFolder};
        for (const ms::YardRow& row : ms::YardTable()) {
            const bool deployed = !c.neverDeployed || std::string(row.folder) != c.neverDeployed;
            if (deployed && (!c.setting || ms::CountYardShips(row) > 0))
                expected.insert(row.folder);
            EXPECT_TRUE(fs::is_directory(f.xmla / row.folder)) << c.what;
        }
        EXPECT_EQ(f.modEntries(), expected) << c.what;
    }
}

TEST_F(YardDeploymentTest, ShutdownWithoutAnOpenIndexRemovesNothing) {
    deployAll();
    ms::CloseSharedDocuments();
    EXPECT_TRUE(ms::RemoveUnusedYards(true).empty());
    EXPECT_EQ(f.modEntries().size(), 6u);
}

TEST_F(YardDeploymentTest, StagingLeftoversGoAtStartAndWithTheirShip) {
    const std::string ship = ms::ActivationStagingName("2000501100");
    const std::string aside = ms::SetAsideName("2000501100", 0);
    const std::string other = ms::SetAsideName("2000501101", 0);
    const std::string yardCopy = ms::DeploymentStagingName("[Spantora] AW Neue Segelschiffswerft");
    for (const std::string& name : {ship, aside, other, yardCopy, std::string("[Spantora] X (2000501100)")})
        fs::create_directories(f.mods / name / "data");

    ms::ListActivatedMods();
    ms::DeleteShipModFolders("2000501100");
    EXPECT_EQ(f.modEntries(), (Names{other, yardCopy}));
    EXPECT_EQ(ms::RemoveStagingLeftovers(), 2);
    EXPECT_TRUE(f.modEntries().empty());
}

} // namespace
