#include "StartupSandbox.h"
#include "mainwindow/TMainForm.h"
#include "shell/Environment.h"
#include "shell/QtSettingsStore.h"
#include "shell/SettingsStore.h"
#include "shell/SingleInstance.h"
#include "shell/StandardMessage.h"
#include "shell/StartupSequence.h"
#include "shell/WindowPlacement.h"
#include "support/TempDir.h"

#include <QCoreApplication>
#include <QLabel>
#include <QLocale>
#include <QProcess>
#include <QScreen>
#include <QSettings>
#include <QStandardPaths>
#include <gtest/gtest.h>
#include <pugixml.hpp>

#include <clocale>
#include <cstdio>
#include <map>

using namespace ms;
using namespace ms::gui;
using mstest::Sandbox;
using mstest::TempDir;
using mstest::writeFile;
namespace fs = std::filesystem;

TEST(Startup, FirstStartUnpacksTheDataDirectoryAndWritesTheSettings) {
    Sandbox box;
    StandardMessage::setSuppressed(true);
    StandardMessage::clearLastShown();
    TMainForm form;
    ASSERT_EQ(StartupSequence(form, box.services()), StartupResult::Running)
        << (StandardMessage::lastShown() ? StandardMessage::lastShown()->text.toStdString() : "");
    EXPECT_TRUE(fs::is_regular_file(box.xmla() / "ShipShort.xml"));
    EXPECT_TRUE(fs::is_regular_file(box.xmla() / "ShipFullORG.xml"));
    EXPECT_FALSE(fs::exists(box.xmla().parent_path() / "XMLA.zip"));
    EXPECT_EQ(form.findChild<QLabel*>(QStringLiteral("Version"))->text(), QStringLiteral("9.1.0.0"));
    // Its tooltip says where this copy works.
    const QString where = form.findChild<QLabel*>(QStringLiteral("Version"))->toolTip();
    for (const fs::path& folder : {box.game(), box.game() / "mods", box.xmla()})
        EXPECT_TRUE(where.contains(QString::fromStdString(folder.string()).toHtmlEscaped()))
            << where.toStdString();
    EXPECT_TRUE(where.contains(QStringLiteral("Einstellungsdatei:"))) << where.toStdString();
    EXPECT_EQ(box.settings.values["PrgPath"], box.program().string() + "/");
    EXPECT_EQ(box.settings.values["DPVer"], "9.1.0.0");
    EXPECT_EQ(env().xmlaDir, box.xmla());
    EXPECT_FALSE(StandardMessage::lastShown().has_value());
    // Centred by the outer size, not by the client area.
    EXPECT_EQ(form.pos(), centredOnScreen(form.screen()->geometry(), QSize(1294, 794)));
}

// Where the data directory goes: the per-user data folder on a fresh start (also when the program
// folder is read-only), an "XMLA" already next to the executable where it is. Nothing else is
// written into the program folder or the data home.
TEST(Startup, ChoosesTheDataFolder) {
    struct Case {
        const char* what;
        bool xmlaNextToProgram;
        bool readOnlyProgramFolder;
    };
    const Case cases[] = {{"fresh start", false, false},
                          {"XMLA next to the executable", true, false},
                          {"read-only program folder", false, true}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Sandbox box;
        if (c.xmlaNextToProgram)
            mstest::copyDeliveredData(box.program());
        if (c.readOnlyProgramFolder)
            fs::permissions(box.program(), fs::perms::owner_read | fs::perms::owner_exec,
                            fs::perm_options::replace);
        StandardMessage::setSuppressed(true);
        TMainForm form;
        const StartupResult result = StartupSequence(form, box.services());
        fs::permissions(box.program(), fs::perms::owner_all, fs::perm_options::replace);
        ASSERT_EQ(result, StartupResult::Running);

        const fs::path expected = c.xmlaNextToProgram ? box.program() / "XMLA" : box.xmla();
        EXPECT_EQ(env().xmlaDir, expected);
        EXPECT_TRUE(fs::is_regular_file(expected / "ShipShort.xml"));
        EXPECT_EQ(fs::exists(box.dataHome()), !c.xmlaNextToProgram);
        std::vector<fs::path> besideTheProgram;
        for (const auto& entry : fs::directory_iterator(box.program()))
            besideTheProgram.push_back(entry.path().filename());
        EXPECT_EQ(besideTheProgram,
                  c.xmlaNextToProgram ? std::vector<fs::path>{"XMLA"} : std::vector<fs::path>{});
    }
}

TEST(Startup, ExistingDataDirectoryIsNotUnpackedAgain) {
    Sandbox box;
    StandardMessage::setSuppressed(true);
    TMainForm first;
    ASSERT_EQ(StartupSequence(first, box.services()), StartupResult::Running);
    fs::remove(box.xmla() / "Active.png");
    TMainForm second;
    StartupSequence(second, box.services());
    EXPECT_FALSE(fs::exists(box.xmla() / "Active.png"));
}

// Only a missing data file ends with why the program cannot go on without it.
TEST(Startup, MalformedOrMissingDataFileIsReportedNamingTheFile) {
    Sandbox box;
    StandardMessage::setSuppressed(true);
    TMainForm first;
    ASSERT_EQ(StartupSequence(first, box.services()), StartupResult::Running);
    const fs::path help = box.xmla() / "Help.xml";
    const std::pair<bool, QString> cases[] = {
        {false, QStringLiteral("\n\nDas Programm wird beendet.")},
        {true,
         QStringLiteral("\" fehlt.\n\nOhne diese Datei kann das Programm nicht arbeiten und wird beendet.")},
    };
    for (const auto& [missing, ending] : cases) {
        if (missing)
            fs::remove(help);
        else
            writeFile(help, "<TextExport><Texts>");
        StandardMessage::clearLastShown();
        TMainForm second;
        EXPECT_EQ(StartupSequence(second, box.services()), StartupResult::Failed);
        ASSERT_TRUE(StandardMessage::lastShown().has_value());
        EXPECT_EQ(StandardMessage::lastShown()->caption, QStringLiteral("Programmstartfehler"));
        EXPECT_TRUE(StandardMessage::lastShown()->text.contains(QStringLiteral("Help.xml")));
        EXPECT_TRUE(StandardMessage::lastShown()->text.endsWith(ending))
            << StandardMessage::lastShown()->text.toStdString();
    }
}

TEST(Startup, WrongGameFolderEndsWithTheStartError) {
    Sandbox box;
    box.settings.values.clear();
    StandardMessage::setSuppressed(true);
    StandardMessage::clearLastShown();
    TMainForm form;
    EXPECT_EQ(StartupSequence(form, box.services()), StartupResult::NoGame);
    ASSERT_TRUE(StandardMessage::lastShown().has_value());
    EXPECT_TRUE(StandardMessage::lastShown()->text.startsWith(
        QStringLiteral("Das angegebene Verzeichnis ist nicht das Spieleverzeichnis.")));
    EXPECT_TRUE(box.settings.values.empty());
}

// A start-up failure names its cause and path in German, without the missing-file ending.
TEST(Startup, ModsFolderThatCannotBeCreatedIsReportedInGerman) {
    Sandbox box;
    box.settings.values.clear();
    fs::remove_all(box.game() / "mods");
    writeFile(box.game() / "mods", "a file where the folder belongs");
    StartupServices services = box.services();
    services.chooseFolder = [&box] { return box.game().string(); };
    StandardMessage::setSuppressed(true);
    StandardMessage::clearLastShown();
    TMainForm form;
    EXPECT_EQ(StartupSequence(form, services), StartupResult::Failed);
    ASSERT_TRUE(StandardMessage::lastShown().has_value());
    EXPECT_EQ(StandardMessage::lastShown()->caption, QStringLiteral("Programmstartfehler"));
    EXPECT_EQ(
        StandardMessage::lastShown()->text.toStdString(),
        "Der Ordner \"" + (box.game() / "mods").string() +
            "\" kann nicht angelegt werden: Ein Teil des Pfades ist kein Ordner, sondern eine Datei.\n\n"
            "Das Programm wird beendet.");
}

TEST(Startup, SecondInstanceIsRefusedWhileTheFirstHoldsTheLock) {
    SingleInstance first;
    ASSERT_TRUE(first.acquire());
    SingleInstance second;
    EXPECT_FALSE(second.acquire());
}

// The settings file on disk: nine values in one group named by the key path.
TEST(Startup, PlatformSettingsStoreWritesTheNineValues) {
    TempDir config;
    // QSettings fixes its folders once per process; point the user scope here explicitly.
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope,
                       QString::fromStdString(config.path().string()));
    QtSettingsStore store;
    EXPECT_FALSE(store.keyExists());
    store.write({{"GameLocation", "/g"}, {"ModLocation", "/g/mods/"}, {"DeleteYard", "0"}});
    EXPECT_TRUE(store.keyExists());
    EXPECT_EQ(store.read("ModLocation"), "/g/mods/");
    const std::string ini = mstest::readFile(config / "MarvessaSpantora/MarvessaSpantora.ini");
    EXPECT_NE(ini.find("MarvessaSpantora\\GameLocation=/g"), std::string::npos) << ini;
    store.removeKey();
    EXPECT_FALSE(store.keyExists());
    EXPECT_EQ(store.read("GameLocation"), "");
}

// Run in a child process with a German locale: the display separator becomes "," while the data
// files are still read and written with ".".
TEST(Startup, GermanLocaleKeepsTheDataFilesWithPoint) {
    if (qEnvironmentVariableIsSet("SPANTORA_GERMAN_CHILD")) {
        if (QLocale::system().decimalPoint() != QStringLiteral(","))
            GTEST_SKIP() << "de_DE.UTF-8 is not available on this machine";
        Sandbox box;
        StandardMessage::setSuppressed(true);
        TMainForm form;
        ASSERT_EQ(StartupSequence(form, box.services()), StartupResult::Running);
        EXPECT_FALSE(env().decimalIsPoint);
        pugi::xml_document doc;
        doc.append_child("a").text().set(2.25);
        EXPECT_STREQ(doc.child("a").text().get(), "2.25");
        EXPECT_DOUBLE_EQ(doc.child("a").text().as_double(), 2.25);
        char buffer[16];
        std::snprintf(buffer, sizeof buffer, "%.2f", 1.5);
        EXPECT_STREQ(buffer, "1.50");
        return;
    }
    QProcess child;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("SPANTORA_GERMAN_CHILD"), QStringLiteral("1"));
    environment.insert(QStringLiteral("LANG"), QStringLiteral("de_DE.UTF-8"));
    environment.insert(QStringLiteral("LC_ALL"), QStringLiteral("de_DE.UTF-8"));
    child.setProcessEnvironment(environment);
    child.start(QCoreApplication::applicationFilePath(),
                {QStringLiteral("--gtest_filter=Startup.GermanLocaleKeepsTheDataFilesWithPoint")});
    ASSERT_TRUE(child.waitForFinished(60000));
    const QString out = QString::fromUtf8(child.readAllStandardOutput());
    EXPECT_EQ(child.exitCode(), 0) << out.toStdString();
    EXPECT_TRUE(out.contains(QStringLiteral("[  PASSED  ] 1 test"))) << out.toStdString();
}

TEST(Startup, WindowIsCentredEvenOnASmallerScreen) {
    EXPECT_EQ(centredOnScreen(QRect(0, 0, 1024, 768), QSize(1294, 794)), QPoint(135, 13));
    EXPECT_EQ(centredOnScreen(QRect(0, 0, 1920, 1080), QSize(1294, 794)), QPoint(313, 143));
    EXPECT_EQ(centredOnScreen(QRect(1920, 0, 1600, 900), QSize(1294, 794)), QPoint(2073, 53));
}
