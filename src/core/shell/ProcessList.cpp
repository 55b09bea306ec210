#include "shell/ProcessList.h"

#include "shell/Environment.h"

#include <cctype>
#include <cstdlib>
#include <dirent.h>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <mutex>
#include <sstream>
#include <string>
#include <sys/stat.h>
#include <unistd.h>
#include <unordered_map>

namespace ms {
namespace fs = std::filesystem;

namespace {

std::string readSmallFile(const fs::path& file) {
    // Plain system calls: the game watch reads hundreds of these files every second.
    std::string text;
    const int fd = ::open(file.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return text;
    char buffer[4096];
    // A short read is the whole of a small proc file; only a full buffer asks for more.
    for (ssize_t n; (n = ::read(fd, buffer, sizeof buffer)) > 0;) {
        text.append(buffer, static_cast<std::size_t>(n));
        if (static_cast<std::size_t>(n) < sizeof buffer)
            break;
    }
    ::close(fd);
    return text;
}

std::string_view withoutPath(std::string_view path) {
    const auto cut = path.find_last_of("/\\");
    return cut == std::string_view::npos ? path : path.substr(cut + 1);
}

bool isProcessFolder(const std::string& name) {
    if (name.empty())
        return false;
    for (char c : name)
        if (!std::isdigit(static_cast<unsigned char>(c)))
            return false;
    return true;
}

// The command name and the start time of a process, from one read of its stat file. The name
// stands in parentheses and may itself hold blanks and parentheses; the start time is the 20th
// field after it.
struct ProcessStat {
    std::string comm;
    std::string started;
    bool kernelThread = false;
};

ProcessStat readStat(const fs::path& dir) {
    const std::string stat = readSmallFile(dir / "stat");
    const auto open = stat.find('(');
    const auto close = stat.rfind(')');
    if (open == std::string::npos || close == std::string::npos || close < open)
        return {};
    ProcessStat result{stat.substr(open + 1, close - open - 1), {}};
    std::istringstream fields(stat.substr(close + 1));
    constexpr unsigned long kernelThreadFlag = 0x00200000; // PF_KTHREAD
    for (int i = 1; i <= 20 && fields >> result.started; ++i)
        if (i == 7)
            result.kernelThread = (std::strtoul(result.started.c_str(), nullptr, 10) & kernelThreadFlag) != 0;
    return result;
}

// The executable link and argv[0] of a process, which only change together with its command name
// (an exec, or a Windows emulation naming itself after the program it loaded). `settled` is false
// while the process has no arguments yet: in the middle of an exec the new command name is set
// before the new arguments are in place, so that answer must be asked again.
struct ExecutableVerdict {
    bool matches = false;
    bool settled = true;
};

ExecutableVerdict executableMatches(const fs::path& dir, std::string_view exeName) {
    std::error_code ec;
    std::string exe = fs::read_symlink(dir / "exe", ec).string();
    if (!ec) {
        constexpr std::string_view deleted = " (deleted)";
        if (exe.size() > deleted.size() && exe.ends_with(deleted))
            exe.resize(exe.size() - deleted.size());
        if (equalsIgnoreCase(withoutPath(exe), exeName))
            return {true, true};
    }
    const std::string cmdline = readSmallFile(dir / "cmdline");
    const std::string_view argv0(cmdline.c_str()); // up to the first NUL
    if (argv0.empty())
        return {false, false};
    return {equalsIgnoreCase(argv0, exeName) || equalsIgnoreCase(withoutPath(argv0), exeName), true};
}

// What the scans found out per process, so that a quiet system costs little more than listing
// /proc at every scan. A process is one instance of its number: the /proc entry's inode number
// changes when the number is reused. Its command name is read again while it is young (a Windows
// emulation names itself after the program it loaded only once that is loaded) and at the rare full
// scan, which catches a long-lived launcher that turns into the game; its executable link and
// argv[0] only when the command name or the start time changed.
struct KnownProcess {
    ino_t instance = 0;
    ProcessStat stat;
    bool matches = false;
    bool settled = true;
    int scans = 0;
};

struct ScanMemory {
    std::string exeName;
    std::unordered_map<std::string, KnownProcess> processes;
    int scans = 0;
    std::string lastPid; // the newest process number when /proc was last listed
};

// The number the kernel gave the newest process or thread (the last field of /proc/loadavg). While
// it stays the same no process has started, so there is nothing new to find in /proc.
std::string newestPid() {
    const std::string loadavg = readSmallFile("/proc/loadavg");
    const auto blank = loadavg.find_last_of(' ');
    if (blank == std::string::npos)
        return {};
    std::string pid = loadavg.substr(blank + 1);
    while (!pid.empty() && (pid.back() == '\n' || pid.back() == ' '))
        pid.pop_back();
    return pid;
}

// The instance of a known process still runs: its /proc entry is there with the same inode.
bool stillRunning(const std::string& pid, const KnownProcess& known) {
    struct stat st {};
    return ::stat(("/proc/" + pid).c_str(), &st) == 0 && st.st_ino == known.instance;
}

// Scans in which a new process is looked at closely, and how often every process is. The game
// watch scans ten times a second: a process is young for three seconds, and every process is
// looked at again every ten seconds.
constexpr int YoungScans = 30;
constexpr int FullScanEvery = 100;

} // namespace

bool IsProcessRunning(std::string_view exeName) {
    if (exeName.empty())
        return false;
    static std::mutex guard;
    static ScanMemory memory;
    const std::lock_guard lock(guard);
    if (memory.exeName != exeName)
        memory = ScanMemory{std::string(exeName), {}};

    // The kernel cuts the command name to 15 characters. A name of that length may be cut, so it
    // is left to the executable link and argv[0]; only a shorter one is known to be whole.
    constexpr std::size_t commLimit = 15;
    const bool fullScan = ++memory.scans % FullScanEvery == 0;

    // No process started since the last listing: only the game found before (has it ended?) and
    // the young processes (has one renamed itself?) are looked at, without listing /proc.
    const std::string newest = newestPid();
    if (!fullScan && !newest.empty() && newest == memory.lastPid) {
        bool running = false;
        for (auto it = memory.processes.begin(); it != memory.processes.end();) {
            KnownProcess& known = it->second;
            const bool young = known.scans < YoungScans || !known.settled;
            if ((known.matches || young) && !stillRunning(it->first, known)) {
                it = memory.processes.erase(it);
                continue;
            }
            if (young && !known.matches) {
                const fs::path dir = fs::path("/proc") / it->first;
                const ProcessStat stat = readStat(dir);
                ++known.scans;
                if (stat.comm != known.stat.comm || stat.started != known.stat.started || !known.settled) {
                    known.stat = stat;
                    if (stat.comm.size() < commLimit && equalsIgnoreCase(stat.comm, exeName)) {
                        known.matches = true;
                    } else if (!stat.kernelThread) {
                        const ExecutableVerdict verdict = executableMatches(dir, exeName);
                        known.matches = verdict.matches;
                        known.settled = verdict.settled;
                    }
                }
            }
            running = running || known.matches;
            ++it;
        }
        return running;
    }
    memory.lastPid = newest;

    std::unordered_map<std::string, KnownProcess> seen;
    bool running = false;
    DIR* proc = ::opendir("/proc");
    if (!proc)
        return false;
    while (const dirent* entry = ::readdir(proc)) {
        std::string pid = entry->d_name;
        if (!isProcessFolder(pid))
            continue;
        const auto before = memory.processes.find(pid);
        const bool sameInstance = before != memory.processes.end() && before->second.instance == entry->d_ino;
        if (sameInstance && before->second.settled && before->second.scans >= YoungScans && !fullScan) {
            KnownProcess known = before->second;
            running = running || known.matches;
            seen.emplace(std::move(pid), std::move(known));
            continue;
        }
        const fs::path dir = fs::path("/proc") / pid;
        KnownProcess known{entry->d_ino, readStat(dir)};
        known.scans = sameInstance ? before->second.scans + 1 : 1;
        const std::string& comm = known.stat.comm;
        if (comm.size() < commLimit && equalsIgnoreCase(comm, exeName)) {
            known.matches = true;
        } else if (!known.stat.kernelThread) {
            const bool same = sameInstance && before->second.settled && before->second.stat.comm == comm &&
                              before->second.stat.started == known.stat.started;
            if (same) {
                known.matches = before->second.matches;
            } else {
                const ExecutableVerdict verdict = executableMatches(dir, exeName);
                known.matches = verdict.matches;
                known.settled = verdict.settled;
            }
        }
        running = running || known.matches;
        seen.emplace(std::move(pid), std::move(known));
    }
    ::closedir(proc);
    memory.processes = std::move(seen);
    return running;
}

bool IsDebuggerAttached() {
    std::istringstream status(readSmallFile("/proc/self/status"));
    std::string line;
    constexpr std::string_view key = "TracerPid:";
    while (std::getline(status, line)) {
        if (line.starts_with(key))
            return std::stol(line.substr(key.size())) != 0;
    }
    return false;
}

} // namespace ms
