#include "shell/WineRegistry.h"
#include "shell/GameLocator.h"
#include "support/FakeHome.h"

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <tuple>

using namespace ms;
using mstest::TempDir;
using mstest::writeFile;
namespace fs = std::filesystem;

namespace {

// A key block as Wine 8 writes it in a prefix's system.reg.
std::string wine8Key(const std::string& key, const std::string& values) {
    return mstest::wine8Registry({{key, values}});
}

} // namespace

TEST(WineRegistry, ReadsWine8LinesWithEveryEscapeForm) {
    const auto reg = WineRegistryFile::fromText(
        mstest::wine8Registry({{R"(Software\\Wow6432Node\\Orvane\\Marvessa)",
                                R"("installdir"="C:\\Spiele\\M\xe4rvessa \xd83c\xdfae"
"Wide"="\x00c4bc"
"Lone"="a\xd83cb"
"LoneBeforeEscape"="\xd83c\xe4"
"LoneLow"="\xdfae!"
"Quoted"="\"x\""
"Dword"=dword:00000001
)"},
                               {R"(Software\\Wow6432Node\\Orvane\\Launcher\\Installs\\4553)",
                                R"("InstallDir"=str(2):"D:/Spiele/Marvessa/")"}}));

    const std::vector<std::pair<std::string, std::string>> cases{
        {"InstallDir", "C:\\Spiele\\M\xC3\xA4rvessa \xF0\x9F\x8E\xAE"}, // U+1F3AE from its two halves
        {"WIDE", "\xC3\x84"
                 "bc"}, // four digits before hex letters
        {"Lone", "a\xEF\xBF\xBD"
                 "b"}, // a lone high half
        {"LoneBeforeEscape", "\xEF\xBF\xBD\xC3\xA4"},
        {"LoneLow", "\xEF\xBF\xBD!"},
        {"Quoted", "\"x\""},
    };
    for (const auto& [name, expected] : cases)
        EXPECT_EQ(reg.readString(InstallerKey, name).value_or("-"), expected) << name;
    EXPECT_FALSE(reg.readString(InstallerKey, "Dword"));
    EXPECT_EQ(reg.readString(LauncherKey, "installdir").value_or("-"), "D:/Spiele/Marvessa/");
    EXPECT_FALSE(reg.readString("SOFTWARE\\Missing", "InstallDir"));
}

struct WinePrefix {
    TempDir tmp;
    fs::path prefix = tmp / "pfx";
    fs::path disk = tmp / "other-disk";

    // A prefix mapping C: to its drive_c and D: to a folder outside it, as winecfg leaves them.
    WinePrefix() {
        fs::create_directories(prefix / "drive_c");
        fs::create_directories(prefix / "dosdevices");
        fs::create_directories(disk);
        fs::create_directory_symlink("../drive_c", prefix / "dosdevices" / "c:");
        fs::create_directory_symlink(disk, prefix / "dosdevices" / "d:");
    }
    void writeInstallDir(const fs::path& pfx, const std::string& key, const std::string& value) const {
        writeFile(pfx / "system.reg", wine8Key(key, "\"InstallDir\"=\"" + value + "\""));
    }
};

TEST(WineRegistry, MapsDrivesThroughTheDosdevicesLinks) {
    WinePrefix w;
    EXPECT_EQ(mapWindowsPath(w.prefix, "C:\\Games\\Marvessa"),
              (fs::canonical(w.prefix / "drive_c") / "Games/Marvessa").string());
    EXPECT_EQ(mapWindowsPath(w.prefix, "d:/Games/Marvessa/"),
              (fs::canonical(w.disk) / "Games/Marvessa").string());
    EXPECT_EQ(mapWindowsPath(w.prefix, "E:\\Games\\Marvessa"), ""); // no dosdevices/e: link
    fs::create_directories(w.prefix / "dosdevices" / "f:" / "Games");
    EXPECT_EQ(mapWindowsPath(w.prefix, "F:\\Games"), "");         // a plain folder is no mapping
    EXPECT_EQ(mapWindowsPath(w.prefix, "\\Games\\Marvessa"), ""); // no drive at all
}

TEST(WineRegistry, LauncherValueLosesOnlyATrailingSeparator) {
    WinePrefix w;
    fs::create_directories(w.disk / "Games/Marvessa");
    fs::create_directories(w.disk / "Games/Marvess");
    const std::string expected = (fs::canonical(w.disk) / "Games/Marvessa").string();
    for (const std::string value :
         {"D:/Games/Marvessa/", "D:/Games/Marvessa", "D:\\\\Games\\\\Marvessa\\\\"}) {
        w.writeInstallDir(w.prefix, R"(Software\\Wow6432Node\\Orvane\\Launcher\\Installs\\4553)", value);
        EXPECT_EQ(findInstallDir({w.prefix}, LauncherKey, true), expected) << value;
    }
}

TEST(WineRegistry, ValueNamingAMissingFolderOrDriveIsNotThisSource) {
    WinePrefix w;
    const fs::path second = w.tmp / "second-pfx";
    fs::create_directories(second / "drive_c" / "Marvessa");
    fs::create_directories(second / "dosdevices");
    fs::create_directory_symlink("../drive_c", second / "dosdevices" / "c:");
    const std::string key = R"(Software\\Wow6432Node\\Orvane\\Marvessa)";
    for (const std::string value : {"C:\\\\Games\\\\Marvessa", "D:\\\\Games\\\\Marvessa", "X:\\\\Marvessa"}) {
        w.writeInstallDir(w.prefix, key, value);
        w.writeInstallDir(second, key, "C:\\\\Marvessa");
        EXPECT_EQ(findInstallDir({w.prefix}, InstallerKey, false), "") << value;
        EXPECT_EQ(findInstallDir({w.prefix, second}, InstallerKey, false),
                  (fs::canonical(second / "drive_c") / "Marvessa").string())
            << value;
    }
    EXPECT_FALSE(fs::exists(w.prefix / "drive_c" / "Games"));
    EXPECT_FALSE(fs::exists(w.disk / "Games"));
    EXPECT_FALSE(fs::exists(w.prefix / "dosdevices" / "x:"));
}

// A 64-bit installer writes the native key; the 32-bit view is read first. A system.reg that is no
// regular file is never opened.
TEST(WineRegistry, ReadsThe32BitViewThenTheNativeOne) {
    WinePrefix w;
    fs::create_directories(w.prefix / "drive_c/Wow");
    fs::create_directories(w.prefix / "drive_c/Native");
    const std::string wow = mstest::installerKeyLine(), native = mstest::installerKeyLine(false);
    const std::vector<std::tuple<std::string, std::string, std::string>> cases{
        {"C:\\\\Wow", "C:\\\\Native", "Wow"},
        {"C:\\\\Gone", "C:\\\\Native", "Native"},
        {"", "C:\\\\Native", "Native"}};
    for (const auto& [wowValue, nativeValue, expected] : cases) {
        std::vector<std::pair<std::string, std::string>> keys{
            {native, "\"InstallDir\"=\"" + nativeValue + "\""}};
        if (!wowValue.empty())
            keys.insert(keys.begin(), {wow, "\"InstallDir\"=\"" + wowValue + "\""});
        writeFile(w.prefix / "system.reg", mstest::wine8Registry(keys));
        EXPECT_EQ(findInstallDir({w.prefix}, InstallerKey, false),
                  (fs::canonical(w.prefix / "drive_c") / expected).string())
            << wowValue;
    }
    // Written by hand: other case, an escaped letter, a trailing backslash.
    writeFile(w.prefix / "system.reg", mstest::wine8Registry({{"\\\\SOFTWARE\\\\ORVANE\\\\M\\x61rvessa\\\\",
                                                               "\"InstallDir\"=\"C:\\\\Native\""}}));
    EXPECT_EQ(findInstallDir({w.prefix}, InstallerKey, false),
              (fs::canonical(w.prefix / "drive_c") / "Native").string());
    fs::remove(w.prefix / "system.reg");
    ASSERT_EQ(::mkfifo((w.prefix / "system.reg").c_str(), 0600), 0);
    EXPECT_EQ(findInstallDir({w.prefix}, InstallerKey, false), "");
}
