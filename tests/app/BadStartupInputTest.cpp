// Start-up with damaged or odd surroundings: a damaged data file, a file where the data folder
// belongs, a game folder whose path has blanks, brackets and umlauts, a mods folder that is gone.
#include "StartupSandbox.h"
#include "mainwindow/TMainForm.h"
#include "shell/Environment.h"
#include "shell/StandardMessage.h"

#include <gtest/gtest.h>

#include <functional>

using namespace ms::gui;
using mstest::readFile;
using mstest::Sandbox;
using mstest::writeFile;
namespace fs = std::filesystem;

namespace {

// Runs the start-up once and gives its outcome with the text of the last message shown.
std::pair<StartupResult, std::string> startOnce(Sandbox& box) {
    StandardMessage::setSuppressed(true);
    StandardMessage::clearLastShown();
    TMainForm form;
    const StartupResult result = StartupSequence(form, box.services());
    const auto shown = StandardMessage::lastShown();
    if (shown) {
        const std::string caption = shown->caption.toStdString();
        EXPECT_TRUE(caption == "Programmstartfehler" || caption == "Programmabbruch") << caption;
    }
    return {result, shown ? shown->text.toStdString() : std::string()};
}

} // namespace

// Each of the files opened at start-up, missing, empty or with a foreign root: the start stops with
// a German message naming the file, and the file stays as it was.
TEST(BadStartupInput, DamagedDataFileStopsTheStartNamingIt) {
    Sandbox box;
    ASSERT_EQ(startOnce(box).first, StartupResult::Running);
    const fs::path xmla = box.xmla();
    const char* files[] = {"ShipFull.xml",    "ShipFullORG.xml",          "ShipShort.xml",
                           "ProductList.xml", "ProjectilesShortList.xml", "Help.xml"};
    const std::pair<const char*, std::function<std::string(const std::string&)>> damages[] = {
        {"missing", nullptr},
        {"empty", [](const std::string&) { return std::string(); }},
        {"foreign root",
         [](const std::string&) { return std::string("<?xml version=\"1.0\"?>\r\n<Andere/>\r\n"); }},
    };
    for (const char* name : files) {
        const std::string delivered = readFile(xmla / name);
        for (const auto& [label, damage] : damages) {
            SCOPED_TRACE(std::string(name) + ": " + label);
            if (damage)
                writeFile(xmla / name, damage(delivered));
            else
                fs::remove(xmla / name);
            const std::string before = damage ? readFile(xmla / name) : std::string();
            const auto [result, text] = startOnce(box);
            EXPECT_EQ(result, StartupResult::Failed);
            // Names are matched without regard to case: a missing "ShipFullORG.xml" is "ShipFullOrg.xml".
            EXPECT_NE(QString::fromStdString(text).indexOf(QString::fromUtf8(name), 0, Qt::CaseInsensitive),
                      -1)
                << text;
            EXPECT_EQ(fs::exists(xmla / name), damage != nullptr);
            if (damage) {
                EXPECT_EQ(readFile(xmla / name), before);
            }
            writeFile(xmla / name, delivered);
        }
    }
}

// A file where the data folder belongs cannot be unpacked over; the message says where.
TEST(BadStartupInput, FileInPlaceOfTheDataFolderIsReported) {
    Sandbox box;
    writeFile(box.xmla(), "kein Ordner");
    const auto [result, text] = startOnce(box);
    EXPECT_EQ(result, StartupResult::Failed);
    EXPECT_NE(text.find(box.xmla().string()), std::string::npos) << text;
    EXPECT_EQ(readFile(box.xmla()), "kein Ordner");
}

TEST(BadStartupInput, GameFolderWithBlanksBracketsAndUmlautsWorks) {
    Sandbox box("Spiele [Steam] (Märvessa) Öl ß");
    ASSERT_EQ(startOnce(box).first, StartupResult::Running);
    EXPECT_EQ(ms::env().gameLocation, box.game().string());
    EXPECT_EQ(ms::env().modLocation, (box.game() / "mods").string() + "/");
    EXPECT_TRUE(fs::is_regular_file(box.xmla() / "ShipShort.xml"));
}

// A mods folder removed since the last run does not stop the start; the operations that need it
// say that it is missing (see the core's activation table).
TEST(BadStartupInput, VanishedModsFolderDoesNotStopTheStart) {
    Sandbox box;
    fs::remove_all(box.game() / "mods");
    EXPECT_EQ(startOnce(box).first, StartupResult::Running);
    EXPECT_EQ(ms::env().modLocation, (box.game() / "mods").string() + "/");
}
