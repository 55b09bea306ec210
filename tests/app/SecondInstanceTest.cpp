#include "support/TempDir.h"

#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <gtest/gtest.h>

namespace fs = std::filesystem;

namespace {
// Starts the real program from a copy in `programDir`, against a sandboxed game, settings and lock.
void startProgram(QProcess& process, const mstest::TempDir& box) {
    QProcessEnvironment e = QProcessEnvironment::systemEnvironment();
    e.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    e.insert(QStringLiteral("XDG_CONFIG_HOME"), QString::fromStdString((box / "config").string()));
    e.insert(QStringLiteral("XDG_RUNTIME_DIR"), QString::fromStdString((box / "runtime").string()));
    e.insert(QStringLiteral("XDG_DATA_HOME"), QString::fromStdString((box / "data").string()));
    e.insert(QStringLiteral("WINEPREFIX"), QString::fromStdString((box / "no-wine").string()));
    process.setProcessEnvironment(e);
    process.start(QString::fromStdString((box / "program/marvessa-spantora").string()), {});
}
} // namespace

TEST(SecondInstance, IsRefusedWhileTheFirstCopyRunsOn) {
    mstest::TempDir box;
    fs::create_directories(box / "program");
    fs::create_directories(box / "runtime");
    fs::permissions(box / "runtime", fs::perms::owner_all, fs::perm_options::replace);
    fs::copy_file(SPANTORA_APP_BINARY, box / "program/marvessa-spantora");
    mstest::writeFile(box / "game/Bin/Win64/Marvessa.exe", "exe");
    fs::create_directories(box / "game/mods");
    mstest::writeFile(box / "config/MarvessaSpantora/MarvessaSpantora.ini",
                      "[SOFTWARE]\nMicrosoft\\Windows\\CurrentVersion\\MarvessaSpantora\\GameLocation=" +
                          (box / "game").string() + "\n");

    QProcess first;
    startProgram(first, box);
    ASSERT_TRUE(first.waitForStarted(10000));
    // The first copy is up once it has written its settings and unpacked its data.
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < 30000 && !fs::exists(box / "data/MarvessaSpantora/XMLA/Help.xml"))
        first.waitForFinished(100);
    ASSERT_EQ(first.state(), QProcess::Running) << first.readAllStandardError().toStdString();
    first.waitForFinished(1500);
    ASSERT_EQ(first.state(), QProcess::Running);
    const std::string ini = mstest::readFile(box / "config/MarvessaSpantora/MarvessaSpantora.ini");
    EXPECT_NE(ini.find("MarvessaSpantora\\DPVer=9.1.0.0"), std::string::npos) << ini;
    EXPECT_NE(ini.find("MarvessaSpantora\\ModLoader=0.8.6"), std::string::npos) << ini;

    QProcess second;
    startProgram(second, box);
    ASSERT_TRUE(second.waitForStarted(10000));
    QByteArray said;
    clock.restart();
    while (clock.elapsed() < 20000 && !said.contains("Programmstartfehler")) {
        second.waitForReadyRead(200);
        said += second.readAllStandardError();
    }
    EXPECT_TRUE(
        QString::fromUtf8(said).contains(QStringLiteral("Das Programm <Marvessa Spantora> läuft bereits!")))
        << said.toStdString();
    second.kill();
    second.waitForFinished(5000);

    EXPECT_EQ(first.state(), QProcess::Running);
    first.kill();
    first.waitForFinished(5000);
}
