#include "shell/ConsistencyCommand.h"
#include "lifecycle/ShipCreation.h"
#include "shell/Journal.h"
#include "shell/Message.h"
#include "store/SharedDocuments.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <functional>
#include <sstream>

namespace {
namespace fs = std::filesystem;

struct Finding {
    const char* what;
    std::function<void(const fs::path& programDir)> make;
    int exitCode;
    const char* expected;
};

TEST(ConsistencyCommand, PrintsWhatItFindsAndExitsAccordingly) {
    const Finding findings[] = {
        {"as delivered", [](const fs::path&) {}, 0, "Keine Unstimmigkeiten"},
        {"a mod of no ship",
         [](const fs::path& dir) { fs::create_directories(dir / "mods" / "[Spantora] Fremd (2000501150)"); },
         1, "Der Mod-Ordner \"[Spantora] Fremd (2000501150)\" gehört zu keinem aktivierten Schiff."},
        {"pristine file edited",
         [](const fs::path& dir) { mstest::writeFile(dir / "XMLA" / "ShipFullORG.xml", "<A/>"); }, 1,
         "ist nicht mehr wie ausgeliefert"},
        {"no data directory", [](const fs::path& dir) { fs::remove_all(dir / "XMLA"); }, 1, "fehlt."},
    };
    for (const Finding& f : findings) {
        mstest::TempDir dir;
        mstest::copyDeliveredData(dir.path());
        fs::create_directories(dir / "mods");
        f.make(dir.path());
        std::ostringstream out;
        EXPECT_EQ(ms::gui::RunConsistencyCheck(dir / "XMLA", (dir / "mods").string() + "/", out), f.exitCode)
            << f.what;
        EXPECT_NE(out.str().find(f.expected), std::string::npos) << f.what << ": " << out.str();
    }
}

TEST(ConsistencyCommand, WithoutAGameItSaysTheModsWentUnchecked) {
    mstest::TempDir dir;
    const fs::path xmla = mstest::copyDeliveredData(dir.path());
    std::ostringstream out;
    EXPECT_EQ(ms::gui::RunConsistencyCheck(xmla, "", out), 1);
    EXPECT_NE(out.str().find("Es ist kein Mod-Ordner bekannt (kein Spiel eingerichtet): die Seite der Mods "
                             "wurde nicht geprüft."),
              std::string::npos)
        << out.str();
    EXPECT_EQ(out.str().find("Keine Unstimmigkeiten"), std::string::npos) << out.str();
}

struct NoQuestions : ms::MessageSink {
    ms::MessageAnswer show(const ms::Message&) override { return {}; }
};

// The data directory as a creation leaves it when the program dies right after writing its journal:
// every new file aside, the journal listing them (complete, or cut off before its end).
void leaveInterruptedCreation(const fs::path& xmla, bool journalComplete) {
    mstest::TempDir done;
    const fs::path finished = mstest::copyDeliveredData(done.path());
    ms::OpenSharedDocuments(finished);
    NoQuestions sink;
    ASSERT_TRUE(
        ms::CreateNewShip(finished, ms::NewShipFields{"100438", "Sturmvogel", "15000001", "10"}, sink));
    ms::CloseSharedDocuments();

    std::string journal = "Marvessa Spantora Journal 1\n";
    for (const auto& entry : fs::directory_iterator(finished)) {
        const fs::path target = xmla / entry.path().filename();
        if (!entry.is_regular_file() ||
            (fs::exists(target) && mstest::readFile(target) == mstest::readFile(entry)))
            continue;
        const fs::path aside = xmla / ("." + target.filename().string() + ms::kStagedSuffix);
        fs::copy_file(entry.path(), aside);
        journal += "Datei\t" + aside.string() + "\t" + target.string() + "\t" +
                   std::to_string(fs::file_size(aside)) + "\n";
    }
    mstest::writeFile(xmla / ms::kJournalFile, journal + (journalComplete ? "Ende\n" : ""));
}

TEST(ConsistencyCommand, AnInterruptedChangeIsFinishedFirstAsAStartWould) {
    const struct {
        bool journalComplete;
        const char* said;
        bool shipThere;
    } cases[] = {{true, "Ein unterbrochener Vorgang wurde abgeschlossen", true},
                 {false, "Ein unterbrochener Vorgang war unvollständig und wurde zurückgenommen", false}};
    for (const auto& c : cases) {
        mstest::TempDir dir;
        const fs::path xmla = mstest::copyDeliveredData(dir.path());
        fs::create_directories(dir / "mods");
        leaveInterruptedCreation(xmla, c.journalComplete);
        std::ostringstream out;
        EXPECT_EQ(ms::gui::RunConsistencyCheck(xmla, (dir / "mods").string() + "/", out), 0) << out.str();
        EXPECT_NE(out.str().find(c.said), std::string::npos) << out.str();
        EXPECT_NE(out.str().find("Keine Unstimmigkeiten"), std::string::npos) << out.str();
        EXPECT_FALSE(fs::exists(xmla / ms::kJournalFile));
        EXPECT_EQ(mstest::readFile(xmla / "ShipShort.xml").find("Sturmvogel") != std::string::npos,
                  c.shipThere);
    }
}

} // namespace
