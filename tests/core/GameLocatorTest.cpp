#include "shell/GameLocator.h"
#include "shell/DecimalSeparator.h"
#include "shell/Environment.h"
#include "shell/WineRegistry.h"
#include "support/MapSettings.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>

using namespace ms;
using mstest::TempDir;
using mstest::writeFile;
namespace fs = std::filesystem;

namespace {

void makeGame(const fs::path& dir) {
    writeFile(dir / "Bin" / "Win64" / "Marvessa.exe", "exe");
}

struct Fixture {
    TempDir tmp;
    mstest::MapSettings settings;
    std::vector<std::string> asked;
    std::vector<bool> dropAsked;
    std::map<std::string, std::string> machineKeys;
    int chooserCalls = 0;
    std::string chosen;

    GameLocatorServices services() {
        GameLocatorServices s;
        s.settings = &settings;
        s.readInstallDir = [this](const std::string& key, bool dropTrailingSeparator) {
            asked.push_back(key);
            dropAsked.push_back(dropTrailingSeparator);
            auto it = machineKeys.find(key);
            return it == machineKeys.end() ? std::string() : it->second;
        };
        s.chooseFolder = [this] {
            ++chooserCalls;
            return chosen;
        };
        s.programDir = "/opt/spantora/";
        s.programVersion = "9.1.0.0";
        s.today = "09.12.2026";
        return s;
    }
};

} // namespace

TEST(LocateGame, ValidStoredLocationIsUsedAsStoredEvenWithEmptyModLocation) {
    Fixture f;
    makeGame(f.tmp / "game");
    f.settings.exists = true;
    f.settings.values = {{"GameLocation", (f.tmp / "game").string()}, {"ModLocation", ""}};
    ASSERT_EQ(LocateGame(f.services()), LocateOutcome::Located);
    EXPECT_EQ(env().gameLocation, (f.tmp / "game").string());
    EXPECT_EQ(env().modLocation, "");
    EXPECT_TRUE(f.asked.empty());
    EXPECT_EQ(f.settings.values["ModLocation"], "");
    const std::vector<std::string> order{"GameLocation", "ModLocation", "ModLoader", "PrgPath",   "Help",
                                         "DPVer",        "Company",     "TimeStamp", "DeleteYard"};
    EXPECT_EQ(f.settings.writeOrder, order);
    EXPECT_EQ(f.settings.values["ModLoader"], "0.8.6");
    EXPECT_EQ(f.settings.values["PrgPath"], "/opt/spantora/");
    EXPECT_EQ(f.settings.values["Help"], "0");
    EXPECT_EQ(f.settings.values["DPVer"], "9.1.0.0");
    EXPECT_EQ(f.settings.values["TimeStamp"], "09.12.2026");
    EXPECT_EQ(f.settings.values["DeleteYard"], "0");
}

// A publisher key is taken without its executable; the mods folder is made only for a real game.
TEST(LocateGame, InvalidStoredLocationRemovesKeyAndUsesInstallerKey) {
    for (const bool withExecutable : {false, true}) {
        Fixture f;
        f.settings.exists = true;
        f.settings.values = {{"GameLocation", (f.tmp / "gone").string()}, {"DeleteYard", "1"}};
        const std::string game = (f.tmp / "Games" / "Marvessa").string();
        fs::create_directories(game);
        if (withExecutable)
            makeGame(game);
        f.machineKeys[InstallerKey] = game;
        ASSERT_EQ(LocateGame(f.services()), LocateOutcome::Located);
        EXPECT_EQ(f.settings.removals, 1);
        EXPECT_EQ(env().gameLocation, game);
        EXPECT_EQ(env().modLocation, game + "/mods/");
        EXPECT_EQ(fs::is_directory(game + "/mods"), withExecutable);
        EXPECT_EQ(f.asked.size(), 1u);
        EXPECT_EQ(f.settings.values["DeleteYard"], "0");
        EXPECT_EQ(f.chooserCalls, 0);
    }
}

// A launcher key naming a drive the prefix does not map is not this source, even where a plain
// folder dosdevices/d: was left behind; the prefix stays as it was.
TEST(LocateGame, UnmappedDriveLeavesTheWinePrefixUntouched) {
    Fixture f;
    const fs::path prefix = f.tmp / "pfx";
    fs::create_directories(prefix / "drive_c");
    fs::create_directories(prefix / "dosdevices" / "d:" / "Games" / "Marvessa");
    fs::create_directory_symlink("../drive_c", prefix / "dosdevices" / "c:");
    writeFile(prefix / "system.reg",
              "WINE REGISTRY Version 2\n;; All keys relative to REGISTRY\\\\Machine\n\n"
              "#arch=win64\n\n"
              "[Software\\\\Wow6432Node\\\\Orvane\\\\Launcher\\\\Installs\\\\4553] 1733738400\n"
              "#time=1db4a5c2f1e3b20\n\"InstallDir\"=\"D:/Games/Marvessa/\"\n");
    auto treeOf = [&] {
        std::vector<std::string> entries;
        for (const auto& entry : fs::recursive_directory_iterator(prefix))
            entries.push_back(entry.path().string());
        std::sort(entries.begin(), entries.end());
        return entries;
    };
    const auto before = treeOf();
    GameLocatorServices s = f.services();
    s.readInstallDir = [&](const std::string& key, bool drop) { return findInstallDir({prefix}, key, drop); };
    EXPECT_EQ(LocateGame(s), LocateOutcome::NotTheGame);
    EXPECT_EQ(f.chooserCalls, 1);
    EXPECT_EQ(treeOf(), before);
}

TEST(LocateGame, LauncherKeyIsAskedSecondWithoutItsTrailingSeparator) {
    Fixture f;
    const std::string game = (f.tmp / "D").string();
    fs::create_directories(game);
    f.machineKeys[LauncherKey] = game;
    ASSERT_EQ(LocateGame(f.services()), LocateOutcome::Located);
    EXPECT_EQ(f.asked, (std::vector<std::string>{InstallerKey, LauncherKey}));
    EXPECT_EQ(f.dropAsked, (std::vector<bool>{false, true}));
    EXPECT_EQ(env().gameLocation, game);
    EXPECT_EQ(f.settings.removals, 0); // there was no key to remove
}

// A registry value naming a folder that does not exist is a leftover: the search goes on to the
// next source and creates nothing.
TEST(LocateGame, RegistryValueNamingAMissingFolderIsNotThisSource) {
    Fixture f;
    const std::string game = (f.tmp / "D").string();
    fs::create_directories(game);
    f.machineKeys[InstallerKey] = (f.tmp / "gone").string();
    f.machineKeys[LauncherKey] = game;
    ASSERT_EQ(LocateGame(f.services()), LocateOutcome::Located);
    EXPECT_EQ(env().gameLocation, game);
    EXPECT_FALSE(fs::exists(f.tmp / "gone"));

    f.machineKeys[LauncherKey] = (f.tmp / "also-gone").string();
    EXPECT_EQ(LocateGame(f.services()), LocateOutcome::NotTheGame);
    EXPECT_EQ(f.chooserCalls, 1);
    EXPECT_FALSE(fs::exists(f.tmp / "gone"));
    EXPECT_FALSE(fs::exists(f.tmp / "also-gone"));
}

TEST(LocateGame, ChooserCancelledOrWrongFolderEndsWithoutWritingSettings) {
    Fixture f;
    EXPECT_EQ(LocateGame(f.services()), LocateOutcome::NotTheGame);
    EXPECT_EQ(f.chooserCalls, 1);
    EXPECT_FALSE(f.settings.exists);

    f.chosen = f.tmp.path().string(); // a folder without the game
    EXPECT_EQ(LocateGame(f.services()), LocateOutcome::NotTheGame);
    EXPECT_FALSE(f.settings.exists);
}

TEST(LocateGame, ChosenGameFolderGetsItsModsFolder) {
    Fixture f;
    makeGame(f.tmp / "game");
    f.chosen = (f.tmp / "game").string() + "/";
    ASSERT_EQ(LocateGame(f.services()), LocateOutcome::Located);
    EXPECT_EQ(env().gameLocation, (f.tmp / "game").string());
    EXPECT_EQ(env().modLocation, (f.tmp / "game").string() + "/mods/");
    EXPECT_TRUE(fs::is_directory(f.tmp / "game" / "mods"));
}

// Game folders copied from Windows keep whatever letter case they had.
TEST(LocateGame, GameFolderInAnotherLetterCaseIsFoundWithItsModsFolder) {
    Fixture f;
    const fs::path game = f.tmp / "game";
    writeFile(game / "bin" / "win64" / "MARVESSA.EXE", "exe");
    fs::create_directories(game / "Mods");
    f.chosen = game.string();
    ASSERT_EQ(LocateGame(f.services()), LocateOutcome::Located);
    EXPECT_EQ(env().modLocation, (game / "Mods").string() + "/");
    EXPECT_FALSE(fs::exists(game / "mods"));

    f.machineKeys[InstallerKey] = game.string();
    f.asked.clear();
    ASSERT_EQ(LocateGame(f.services()), LocateOutcome::Located); // the stored location is valid
    EXPECT_EQ(f.settings.removals, 0);
    EXPECT_TRUE(f.asked.empty());
    fs::remove_all(game / "bin");
    ASSERT_EQ(LocateGame(f.services()), LocateOutcome::Located); // from the installer key now
    EXPECT_EQ(env().modLocation, (game / "Mods").string() + "/");
    EXPECT_FALSE(fs::exists(game / "mods"));
}

TEST(DecimalSeparator, OnlyAPointCountsAsPoint) {
    EXPECT_TRUE(decimalIsPointFor("."));
    EXPECT_FALSE(decimalIsPointFor(","));
    EXPECT_FALSE(decimalIsPointFor("'"));
    EXPECT_FALSE(decimalIsPointFor(""));
}
