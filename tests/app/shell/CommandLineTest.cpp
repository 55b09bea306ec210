#include "shell/CommandLine.h"
#include "support/TempDir.h"

#include <QProcess>
#include <QProcessEnvironment>
#include <gtest/gtest.h>

#include <vector>

namespace {
namespace fs = std::filesystem;
using ms::gui::CommandMode;

// A copy of the program in a home of its own, run the way a terminal without a display runs it.
class ProgramBox {
  public:
    ProgramBox() {
        fs::create_directories(dir / "program");
        fs::create_directories(home());
        fs::create_directories(dir / "runtime");
        fs::permissions(dir / "runtime", fs::perms::owner_all, fs::perm_options::replace);
        fs::copy_file(SPANTORA_APP_BINARY, program());
    }
    fs::path home() const { return dir / "home"; }
    fs::path program() const { return dir / "program" / "marvessa-spantora"; }
    fs::path ini() const { return dir / "config" / "MarvessaSpantora" / "MarvessaSpantora.ini"; }

    struct Result {
        int exitCode = -1;
        std::string out, err;
    };
    Result run(const QString& command, const QStringList& arguments,
               const std::vector<std::pair<QString, QString>>& extra = {}) const {
        QProcessEnvironment e = QProcessEnvironment::systemEnvironment();
        for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM", "WINEPREFIX",
                                 "XDG_DATA_HOME", "XDG_CONFIG_HOME"})
            e.remove(QString::fromLatin1(name));
        e.insert(QStringLiteral("HOME"), path(home()));
        e.insert(QStringLiteral("XDG_CONFIG_HOME"), path(dir / "config"));
        e.insert(QStringLiteral("XDG_RUNTIME_DIR"), path(dir / "runtime"));
        for (const auto& [name, value] : extra)
            e.insert(name, value);
        QProcess process;
        process.setProcessEnvironment(e);
        process.start(command, arguments);
        Result r;
        if (!process.waitForFinished(60000) || process.exitStatus() != QProcess::NormalExit)
            return r;
        r.exitCode = process.exitCode();
        r.out = process.readAllStandardOutput().toStdString();
        r.err = process.readAllStandardError().toStdString();
        return r;
    }
    Result runProgram(const QStringList& arguments) const { return run(path(program()), arguments); }

    // The game inside the Proton prefix of a flatpak Steam, found only through its registry key.
    fs::path installFlatpakSteamGame() const {
        const fs::path pfx =
            home() / ".var/app/com.valvesoftware.Steam/.local/share/Steam/steamapps/compatdata/4553/pfx";
        fs::create_directories(pfx / "dosdevices");
        fs::create_directory_symlink("../drive_c", pfx / "dosdevices" / "c:");
        mstest::writeFile(pfx / "drive_c/Games/Marvessa/Bin/Win64/Marvessa.exe", "exe");
        mstest::writeFile(pfx / "system.reg",
                          "WINE REGISTRY Version 2\n;; All keys relative to REGISTRY\\\\Machine\n\n"
                          "#arch=win64\n\n[Software\\\\Wow6432Node\\\\Orvane\\\\Marvessa] "
                          "1733738400\n#time=1db4a5c2f1e3b20\n"
                          "\"InstallDir\"=\"C:\\\\Games\\\\Marvessa\"\n");
        return pfx / "drive_c/Games/Marvessa";
    }

    static QString path(const fs::path& p) { return QString::fromStdString(p.string()); }
    mstest::TempDir dir;
};

bool has(const std::string& text, const std::string& part) {
    return text.find(part) != std::string::npos;
}

TEST(CommandLine, QtWindowOptionsPassAndEverythingElseIsRefused) {
    const struct {
        std::vector<const char*> args;
        CommandMode mode;
    } cases[] = {
        {{}, CommandMode::Window},
        {{"-platform", "offscreen", "-reverse"}, CommandMode::Window},
        {{"--where"}, CommandMode::Where},
        {{"-style", "fusion", "--check"}, CommandMode::Check},
        {{"--help", "--help"}, CommandMode::Help},
        {{"-platform"}, CommandMode::Invalid},
        {{"--help", "--version"}, CommandMode::Invalid},
        {{"-h"}, CommandMode::Invalid},
        {{"schiff.spantora"}, CommandMode::Invalid},
    };
    for (const auto& c : cases) {
        std::vector<const char*> argv{"marvessa-spantora"};
        argv.insert(argv.end(), c.args.begin(), c.args.end());
        const ms::gui::CommandLine parsed = ms::gui::ParseCommandLine(int(argv.size()), argv.data());
        EXPECT_EQ(parsed.mode, c.mode) << (c.args.empty() ? "" : c.args.front());
        EXPECT_EQ(parsed.error.empty(), c.mode != CommandMode::Invalid);
    }
}

// Without any display: the answers, their exit codes, and nothing written anywhere.
TEST(CommandLine, AnswersWithoutADisplay) {
    ProgramBox box;
    const std::string data = (box.dir / "data/MarvessaSpantora/XMLA").string();
    const struct {
        QStringList args;
        int exitCode;
        bool onStderr;
        std::vector<std::string> said;
    } cases[] = {
        {{QStringLiteral("--help")},
         0,
         false,
         {"Aufruf: marvessa-spantora [OPTION]", "--where", "  Datenverzeichnis:  " + data,
          "  Einstellungsdatei: " + box.ini().string(), "Rückgabewerte:", "  2  unbekannte Option"}},
        {{QStringLiteral("--version")}, 0, false, {"Marvessa Spantora 9.1.0.0\n"}},
        {{QStringLiteral("--bunt")}, 2, true, {"Unbekannte Option \"--bunt\".", "Aufruf: marvessa-spantora"}},
        {{QStringLiteral("schiff.spantora")}, 2, true, {"Unerwartetes Argument \"schiff.spantora\""}},
        {{QStringLiteral("--where")},
         1,
         false,
         {"Spielverzeichnis:  nicht gefunden", "Datenverzeichnis:  " + data}},
        {{QStringLiteral("--check")}, 1, false, {"Das Datenverzeichnis \"" + data + "\" fehlt."}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.args.join(QLatin1Char(' ')).toStdString());
        const auto r = box.run(ProgramBox::path(box.program()), c.args,
                               {{QStringLiteral("XDG_DATA_HOME"), ProgramBox::path(box.dir / "data")}});
        EXPECT_EQ(r.exitCode, c.exitCode) << r.out << r.err;
        for (const std::string& part : c.said)
            EXPECT_TRUE(has(c.onStderr ? r.err : r.out, part)) << part << "\n" << r.out << r.err;
    }
    EXPECT_FALSE(fs::exists(box.dir / "data"));
    EXPECT_FALSE(fs::exists(box.dir / "config"));
    EXPECT_FALSE(fs::exists(box.dir / "program" / "XMLA"));
}

TEST(CommandLine, WhereFindsTheGameAsTheStartDoesAndStoresNothing) {
    ProgramBox box;
    const fs::path game = box.installFlatpakSteamGame();
    const auto r = box.runProgram({QStringLiteral("--where")});
    EXPECT_EQ(r.exitCode, 0) << r.out << r.err;
    EXPECT_TRUE(has(r.out, "Spielverzeichnis:  " + game.string() + "\n")) << r.out;
    EXPECT_TRUE(has(r.out, "Mod-Ordner:        " + (game / "mods").string() + "/\n")) << r.out;
    EXPECT_TRUE(
        has(r.out, "Datenverzeichnis:  " + (box.home() / ".local/share/MarvessaSpantora/XMLA").string()))
        << r.out;
    EXPECT_FALSE(fs::exists(box.ini()));
}

// run.sh asks the program, so a game only the program's search finds is not hidden by a sandbox.
TEST(RunScript, UsesTheGameTheProgramFindsAndTheSandboxOnlyWithoutOne) {
    const struct {
        bool game;
        bool forceSandbox;
        const char* said;
    } cases[] = {{true, false, "Das Programm hat das Spiel gefunden"},
                 {true, true, "Sandbox auf Wunsch (--sandbox)"},
                 {false, false, "Kein installiertes Spiel gefunden"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.said);
        ProgramBox box;
        const fs::path game = c.game ? box.installFlatpakSteamGame() : fs::path();
        QStringList args{QStringLiteral(SPANTORA_SOURCE_DIR "/scripts/run.sh"), QStringLiteral("--dry-run")};
        if (c.forceSandbox)
            args << QStringLiteral("--sandbox");
        const auto r = box.run(QStringLiteral("bash"), args,
                               {{QStringLiteral("SPANTORA_APP"), ProgramBox::path(box.program())},
                                {QStringLiteral("SPANTORA_BUILD_DIR"), ProgramBox::path(box.dir / "build")}});
        EXPECT_EQ(r.exitCode, 0) << r.out << r.err;
        EXPECT_TRUE(has(r.out, c.said)) << r.out;
        const fs::path shownGame = c.game && !c.forceSandbox ? game : box.dir / "build/sandbox/game";
        EXPECT_TRUE(has(r.out, "Spielverzeichnis:  " + shownGame.string() + "\n")) << r.out;
        const fs::path data =
            c.game && !c.forceSandbox ? box.home() / ".local/share" : box.dir / "build/sandbox/data";
        EXPECT_TRUE(has(r.out, "Datenverzeichnis:  " + (data / "MarvessaSpantora/XMLA").string())) << r.out;
    }
}

} // namespace
