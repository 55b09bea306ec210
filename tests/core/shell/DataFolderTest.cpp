#include "shell/DataFolder.h"
#include "shell/Error.h"
#include "shell/PreviewSettings.h"
#include "shell/Whereabouts.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <map>

namespace fs = std::filesystem;

namespace {

TEST(DataFolder, DataHomeFollowsTheXdgRules) {
    struct Case {
        const char* xdg;
        const char* home;
        const char* expected;
    };
    const Case cases[] = {{"/srv/daten", "/home/anna", "/srv/daten"},
                          {"", "/home/anna", "/home/anna/.local/share"},
                          {"relativ/daten", "/home/anna", "/home/anna/.local/share"}, // relative: ignored
                          {"", "", ""}};
    for (const Case& c : cases)
        EXPECT_EQ(ms::userDataHome(c.xdg, c.home), fs::path(c.expected)) << c.xdg << " " << c.home;
}

TEST(DataFolder, AnXmlaNextToTheProgramWinsOverTheDataHome) {
    mstest::TempDir dir;
    fs::create_directories(dir / "program");
    const ms::DataFolderChoice fresh = ms::ChooseDataFolder(dir / "program", dir / "home");
    EXPECT_EQ(fresh.xmlaDir, dir / "home" / "MarvessaSpantora" / "XMLA");
    EXPECT_FALSE(fresh.portable);
    EXPECT_FALSE(fs::exists(dir / "home")); // choosing creates nothing

    mstest::writeFile(dir / "program" / "XMLA", "eine Datei, kein Ordner");
    EXPECT_FALSE(ms::ChooseDataFolder(dir / "program", dir / "home").portable);

    fs::remove(dir / "program" / "XMLA");
    fs::create_directories(dir / "program" / "XMLA");
    const ms::DataFolderChoice portable = ms::ChooseDataFolder(dir / "program", dir / "home");
    EXPECT_EQ(portable.xmlaDir, dir / "program" / "XMLA");
    EXPECT_TRUE(portable.portable);
    EXPECT_THROW(ms::ChooseDataFolder(dir / "elsewhere", fs::path()), ms::Error);
}

class StoredSettings : public ms::SettingsStore {
  public:
    std::map<std::string, std::string> values{{"GameLocation", "/alt"}};
    bool keyExists() const override { return !values.empty(); }
    std::string read(const std::string& name) const override {
        auto it = values.find(name);
        return it == values.end() ? std::string() : it->second;
    }
    void removeKey() override { values.clear(); }
    void write(const std::vector<std::pair<std::string, std::string>>&) override { values["written"] = "1"; }
};

TEST(PreviewSettings, ReadsThroughAndKeepsEveryChangeToItself) {
    StoredSettings stored;
    ms::PreviewSettings preview(stored);
    EXPECT_EQ(preview.read("GameLocation"), "/alt");
    preview.removeKey();
    EXPECT_FALSE(preview.keyExists());
    EXPECT_EQ(preview.read("GameLocation"), "");
    preview.write({{"GameLocation", "/neu"}});
    EXPECT_EQ(preview.read("GameLocation"), "/neu");
    EXPECT_EQ(stored.values, (std::map<std::string, std::string>{{"GameLocation", "/alt"}}));
}

TEST(Whereabouts, SaysWhatIsMissing) {
    mstest::TempDir dir;
    mstest::writeFile(dir / "game" / "Bin" / "Win64" / "Marvessa.exe", "exe");
    const struct {
        ms::Whereabouts where;
        std::vector<std::string> expected;
    } cases[] = {
        {{"", "", dir / "XMLA", false, dir / "x.ini"},
         {"Spielverzeichnis:  nicht gefunden", "Mod-Ordner:        unbekannt",
          "/XMLA (wird beim ersten Start angelegt)", "x.ini (noch nicht angelegt)"}},
        {{(dir / "game").string(), (dir / "game" / "mods").string() + "/", dir / "game", true,
          dir / "game/Bin"},
         {"Spielverzeichnis:  " + (dir / "game").string() + "\n", "/mods/ (fehlt)", "(neben dem Programm)\n",
          "Einstellungsdatei: " + (dir / "game/Bin").string() + "\n"}},
    };
    for (const auto& c : cases) {
        const std::string text = ms::WhereaboutsText(c.where);
        for (const std::string& part : c.expected)
            EXPECT_NE(text.find(part), std::string::npos) << part << "\n" << text;
    }
}

} // namespace
