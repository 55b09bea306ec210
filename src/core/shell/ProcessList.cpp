#include "shell/ProcessList.h"

#include "shell/Environment.h"

#include <cctype>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

namespace ms {
namespace fs = std::filesystem;

namespace {

std::string readSmallFile(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
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

bool processMatches(const fs::path& dir, std::string_view exeName) {
    // The kernel cuts the command name to 15 characters. A name of that length may be cut, so it
    // is left to the executable link and argv[0]; only a shorter one is known to be whole.
    constexpr std::size_t commLimit = 15;
    std::string comm = readSmallFile(dir / "comm");
    if (!comm.empty() && comm.back() == '\n')
        comm.pop_back();
    if (comm.size() < commLimit && equalsIgnoreCase(comm, exeName))
        return true;

    std::error_code ec;
    std::string exe = fs::read_symlink(dir / "exe", ec).string();
    if (!ec) {
        constexpr std::string_view deleted = " (deleted)";
        if (exe.size() > deleted.size() && exe.ends_with(deleted))
            exe.resize(exe.size() - deleted.size());
        if (equalsIgnoreCase(withoutPath(exe), exeName))
            return true;
    }

    const std::string cmdline = readSmallFile(dir / "cmdline");
    const std::string_view argv0(cmdline.c_str()); // up to the first NUL
    return !argv0.empty() && (equalsIgnoreCase(argv0, exeName) || equalsIgnoreCase(withoutPath(argv0), exeName));
}

} // namespace

bool IsProcessRunning(std::string_view exeName) {
    if (exeName.empty())
        return false;
    std::error_code ec;
    for (fs::directory_iterator it("/proc", ec), end; !ec && it != end; it.increment(ec)) {
        if (isProcessFolder(it->path().filename().string()) && processMatches(it->path(), exeName))
            return true;
    }
    return false;
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
