#include "shell/ConsistencyCommand.h"
#include "support/TempDir.h"

#include <QProcess>
#include <QProcessEnvironment>
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
        EXPECT_EQ(ms::gui::RunConsistencyCheck(dir.path(), (dir / "mods").string() + "/", out), f.exitCode)
            << f.what;
        EXPECT_NE(out.str().find(f.expected), std::string::npos) << f.what << ": " << out.str();
    }
}

TEST(ConsistencyCommand, TheSwitchNeedsNoDisplay) {
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.remove(QStringLiteral("DISPLAY"));
    environment.remove(QStringLiteral("WAYLAND_DISPLAY"));
    environment.remove(QStringLiteral("QT_QPA_PLATFORM"));
    process.setProcessEnvironment(environment);
    process.start(QStringLiteral(SPANTORA_APP_BINARY), {QStringLiteral("--check")});
    ASSERT_TRUE(process.waitForFinished(60000));
    EXPECT_EQ(process.exitStatus(), QProcess::NormalExit);
    EXPECT_TRUE(process.exitCode() == 0 || process.exitCode() == 1) << process.exitCode();
    EXPECT_FALSE(process.readAllStandardOutput().isEmpty());
}

} // namespace
