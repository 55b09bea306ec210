#include "shell/SystemInfo.h"
#include "shell/ProcessList.h"
#include "shell/Workforce.h"
#include "support/SleepingChild.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <chrono>
#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

using namespace ms;
using mstest::SleepingChild;
using mstest::TempDir;
namespace fs = std::filesystem;

namespace {

// The child needs a moment to replace the forked copy of this test by its own program.
bool becomesVisible(std::string_view name) {
    for (int i = 0; i < 200; ++i) {
        if (IsProcessRunning(name))
            return true;
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    return false;
}

std::string uniqueName(const std::string& stem) {
    return stem + std::to_string(::getpid()) + ".exe";
}

} // namespace

TEST(ProcessList, FindsAProcessByItsExecutableNameWithoutRegardToCase) {
    TempDir dir;
    // Longer than the kernel's 15-character command name: only the executable link tells the name.
    const std::string name = uniqueName("MarvessaSpielLauf");
    {
        SleepingChild child(dir.path(), name, "schlaf");
        EXPECT_TRUE(becomesVisible(name));
        std::string upper = name;
        for (char& c : upper)
            c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
        EXPECT_TRUE(IsProcessRunning(upper));
        EXPECT_FALSE(IsProcessRunning(name.substr(0, 15))) << "a cut command name is no match";
        EXPECT_FALSE(IsProcessRunning(name.substr(1)));
        child.stop();
        EXPECT_FALSE(IsProcessRunning(name));
    }
}

TEST(ProcessList, MatchesAnEmulatedWindowsProcessByItsArgumentZero) {
    TempDir dir;
    {
        SleepingChild child(dir.path(), "emulator", "C:\\Games\\Marvessa\\Bin\\Win64\\MARVESSA.EXE");
        EXPECT_TRUE(becomesVisible("Marvessa.exe"));
        EXPECT_TRUE(IsProcessRunning("c:\\games\\marvessa\\bin\\win64\\marvessa.exe"));
    }
    const std::string unique = "C:\\Spiele\\" + uniqueName("Marvessa");
    {
        SleepingChild child(dir.path(), "emulator2", unique);
        EXPECT_TRUE(becomesVisible(uniqueName("marvessa")));
        EXPECT_FALSE(IsProcessRunning("Spiele\\" + uniqueName("Marvessa")))
            << "only the whole or the bare name";
        child.stop();
        EXPECT_FALSE(IsProcessRunning(uniqueName("Marvessa")));
    }
    EXPECT_FALSE(IsProcessRunning(""));
}

TEST(ProcessList, StartedCopyNamedLikeTheGameMatches) {
    TempDir dir;
    SleepingChild child(dir.path(), "Marvessa.exe", "sleep");
    EXPECT_TRUE(becomesVisible("Marvessa.exe"));
    EXPECT_TRUE(IsProcessRunning("MARVESSA.EXE"));
}

TEST(SystemInfo, VersionUserAndDebugger) {
    EXPECT_EQ(ProgramVersion(), "9.1.0.0");
    EXPECT_FALSE(CurrentUserName().empty());
    EXPECT_FALSE(IsDebuggerAttached()) << "tests do not run under a tracer";
}

TEST(Workforce, TableHoldsTheEightLevelsInOrder) {
    const auto levels = workforceLevels();
    ASSERT_EQ(levels.size(), 8u);
    EXPECT_EQ(levels.front().guid, "15000001");
    EXPECT_EQ(levels.back().shownName, "Älteste");
    const WorkforceLevel* herders = findWorkforce("114329");
    ASSERT_NE(herders, nullptr);
    EXPECT_EQ(herders->shownName, "Hirte(n)");
    EXPECT_EQ(herders->frameName, "HirtenShape");
    EXPECT_EQ(findWorkforce("15000004")->frameName, "InvestorenShape");
    EXPECT_EQ(findWorkforce("015000001"), nullptr);
    EXPECT_EQ(findWorkforce(""), nullptr);
}

// A process that has been looked at for a while and only then becomes the game (an exec in a
// long-lived launcher) is still found by a later full scan.
TEST(ProcessList, OldProcessTurningIntoTheGameIsFoundWithinAHundredScans) {
    TempDir dir;
    const std::string name = "Mv" + std::to_string(::getpid() % 100000) + ".exe";
    const fs::path exe = dir.path() / name;
    fs::copy_file("/bin/sleep", exe);
    fs::permissions(exe, fs::perms::owner_all);
    const std::string script = "sleep 0.5; exec '" + exe.string() + "' 30";
    const pid_t pid = ::fork();
    if (pid == 0) {
        ::execl("/bin/sh", "sh", "-c", script.c_str(), nullptr);
        ::_exit(127);
    }
    for (int i = 0; i < 32; ++i)
        EXPECT_FALSE(IsProcessRunning(name)) << "still the launcher";
    std::this_thread::sleep_for(std::chrono::milliseconds(900));
    bool found = false;
    for (int i = 0; i < 100 && !found; ++i)
        found = IsProcessRunning(name);
    EXPECT_TRUE(found);
    ::kill(pid, SIGKILL);
    ::waitpid(pid, nullptr, 0);
    EXPECT_FALSE(IsProcessRunning(name));
}
