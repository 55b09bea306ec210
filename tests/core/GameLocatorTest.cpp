#include "shell/DecimalSeparator.h"
#include "shell/Environment.h"
#include "shell/GameLocator.h"
#include "shell/WineRegistry.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <map>

using namespace ms;
using mstest::TempDir;
using mstest::writeFile;
namespace fs = std::filesystem;

namespace {

class MapSettings : public SettingsStore {
public:
    bool exists = false;
    std::map<std::string, std::string> values;
    std::vector<std::string> writeOrder;
    int removals = 0;

    bool keyExists() const override { return exists; }
    std::string read(const std::string& name) const override {
        auto it = values.find(name);
        return it == values.end() ? std::string() : it->second;
    }
    void removeKey() override {
        ++removals;
        exists = false;
        values.clear();
    }
    void write(const std::vector<std::pair<std::string, std::string>>& v) override {
        exists = true;
        writeOrder.clear();
        for (auto& [k, val] : v) {
            values[k] = val;
            writeOrder.push_back(k);
        }
    }
};

void makeGame(const fs::path& dir) { writeFile(dir / "Bin" / "Win64" / "Marvessa.exe", "exe"); }

struct Fixture {
    TempDir tmp;
    MapSettings settings;
    std::vector<std::string> asked;
    std::map<std::string, std::string> machineKeys;
    int chooserCalls = 0;
    std::string chosen;

    GameLocatorServices services() {
        GameLocatorServices s;
        s.settings = &settings;
        s.readInstallDir = [this](const std::string& key, bool drop) {
            asked.push_back(key);
            auto it = machineKeys.find(key);
            if (it == machineKeys.end())
                return std::string();
            std::string v = it->second;
            if (drop)
                v.pop_back();
            return v;
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
    const std::vector<std::string> order{"GameLocation", "ModLocation", "ModLoader", "PrgPath", "Help",
                                         "DPVer", "Company", "TimeStamp", "DeleteYard"};
    EXPECT_EQ(f.settings.writeOrder, order);
    EXPECT_EQ(f.settings.values["ModLoader"], "0.8.6");
    EXPECT_EQ(f.settings.values["PrgPath"], "/opt/spantora/");
    EXPECT_EQ(f.settings.values["Help"], "0");
    EXPECT_EQ(f.settings.values["DPVer"], "9.1.0.0");
    EXPECT_EQ(f.settings.values["TimeStamp"], "09.12.2026");
    EXPECT_EQ(f.settings.values["DeleteYard"], "0");
}

TEST(LocateGame, InvalidStoredLocationRemovesKeyAndUsesInstallerKey) {
    Fixture f;
    f.settings.exists = true;
    f.settings.values = {{"GameLocation", (f.tmp / "gone").string()}, {"DeleteYard", "1"}};
    const std::string game = (f.tmp / "Games" / "Marvessa").string();
    f.machineKeys[InstallerKey] = game; // not checked for the executable
    ASSERT_EQ(LocateGame(f.services()), LocateOutcome::Located);
    EXPECT_EQ(f.settings.removals, 1);
    EXPECT_EQ(env().gameLocation, game);
    EXPECT_EQ(env().modLocation, game + "/mods/");
    EXPECT_TRUE(fs::is_directory(game + "/mods"));
    EXPECT_EQ(f.asked.size(), 1u);
    EXPECT_EQ(f.settings.values["DeleteYard"], "0");
    EXPECT_EQ(f.chooserCalls, 0);
}

TEST(LocateGame, LauncherKeyIsAskedSecondAndLosesItsTrailingSlash) {
    Fixture f;
    const std::string game = (f.tmp / "D").string();
    f.machineKeys[LauncherKey] = game + "/";
    ASSERT_EQ(LocateGame(f.services()), LocateOutcome::Located);
    ASSERT_EQ(f.asked.size(), 2u);
    EXPECT_EQ(f.asked[0], InstallerKey);
    EXPECT_EQ(f.asked[1], LauncherKey);
    EXPECT_EQ(env().gameLocation, game);
    EXPECT_EQ(f.settings.removals, 0); // there was no key to remove
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

TEST(WineRegistry, ReadsEscapedValuesCaseInsensitively) {
    const auto reg = WineRegistryFile::fromText(
        "WINE REGISTRY Version 2\n;; All keys relative to \\\\Machine\n\n"
        "[Software\\\\Wow6432Node\\\\Orvane\\\\Marvessa] 1700000000\n#time=1d9\n"
        "\"installdir\"=\"C:\\\\Games\\\\Marvessa\"\n\"Other\"=dword:00000001\n\n"
        "[Software\\\\Wow6432Node\\\\Orvane\\\\Launcher\\\\Installs\\\\4553] 1700000001\n"
        "\"InstallDir\"=\"D:/Spiele/M\\xe4rvessa \\\"x\\\"/\"\n"
        "[Software\\\\Other]\n\"InstallDir\"=str(2):\"E:\\\\x\"\r\n");
    EXPECT_EQ(reg.readString(InstallerKey, "InstallDir").value_or("-"), "C:\\Games\\Marvessa");
    EXPECT_EQ(reg.readString(LauncherKey, "INSTALLDIR").value_or("-"), "D:/Spiele/M\xC3\xA4rvessa \"x\"/");
    EXPECT_EQ(reg.readString("SOFTWARE\\Other", "InstallDir").value_or("-"), "E:\\x");
    EXPECT_FALSE(reg.readString("SOFTWARE\\Missing", "InstallDir"));
    EXPECT_FALSE(reg.readString(InstallerKey, "Other"));
}

TEST(WineRegistry, MapsDrivesIntoThePrefixAndFindsTheKeys) {
    TempDir tmp;
    const fs::path prefix = tmp / "pfx";
    fs::create_directories(prefix / "drive_c");
    EXPECT_EQ(mapWindowsPath(prefix, "C:\\Games\\Marvessa"), (prefix / "drive_c/Games/Marvessa").string());
    EXPECT_EQ(mapWindowsPath(prefix, "z:\\home\\x"), "/home/x");
    fs::create_directories(prefix / "dosdevices");
    fs::create_directories(tmp / "other-disk");
    fs::create_directory_symlink(tmp / "other-disk", prefix / "dosdevices" / "d:");
    EXPECT_EQ(mapWindowsPath(prefix, "D:\\Games\\Marvessa"),
              (fs::canonical(tmp / "other-disk") / "Games/Marvessa").string());

    writeFile(prefix / "system.reg", "WINE REGISTRY Version 2\n"
                                     "[Software\\\\Wow6432Node\\\\Orvane\\\\Launcher\\\\Installs\\\\4553] 1\n"
                                     "\"InstallDir\"=\"D:/Games/Marvessa/\"\n");
    const std::vector<fs::path> prefixes{tmp / "missing-prefix", prefix};
    EXPECT_EQ(findInstallDir(prefixes, InstallerKey, false), "");
    EXPECT_EQ(findInstallDir(prefixes, LauncherKey, true),
              (fs::canonical(tmp / "other-disk") / "Games/Marvessa").string());
}

TEST(DecimalSeparator, OnlyAPointCountsAsPoint) {
    EXPECT_TRUE(decimalIsPointFor("."));
    EXPECT_FALSE(decimalIsPointFor(","));
    EXPECT_FALSE(decimalIsPointFor("'"));
    EXPECT_FALSE(decimalIsPointFor(""));
}
