#include "shell/AtomicFile.h"

#include "shell/Error.h"
#include "shell/Journal.h"
#include "shell/SystemErrorText.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <random>
#include <unistd.h>

namespace ms {
namespace fs = std::filesystem;

namespace {
long long g_failAfter = -1;
long long g_failWrite = -1;
long long g_writeCount = 0;

std::string displayPath(const fs::path& p) {
    return p.string();
}

fs::path temporarySibling(const fs::path& target) {
    static std::mt19937_64 rng{std::random_device{}()};
    const auto name = "." + target.filename().string() + ".tmp" + std::to_string(rng() % 1000000000ULL);
    return target.parent_path() / name;
}
} // namespace

void setAtomicWriteFailureAfter(long long bytes) {
    g_failAfter = bytes;
}

void setAtomicWriteFailureAt(long long write) {
    g_failWrite = write < 0 ? -1 : g_writeCount + write;
}

long long atomicWriteCount() {
    return g_writeCount;
}

namespace {
// `file` is where the bytes go; `target` is the file the user knows, named in every message.
void writeAtomic(const fs::path& file, const fs::path& target, std::string_view bytes, Flush flush) {
    const long long thisWrite = g_writeCount++;
    const fs::path tmp = temporarySibling(file);
    const int fd = ::open(tmp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0644);
    if (fd < 0)
        throw Error("Die Datei \"" + displayPath(target) +
                    "\" kann nicht geschrieben werden: " + systemErrorText(errno));

    auto fail = [&](const std::string& reason) {
        ::close(fd);
        ::unlink(tmp.c_str());
        throw Error("Die Datei \"" + displayPath(target) + "\" kann nicht geschrieben werden: " + reason);
    };

    size_t limit = bytes.size();
    bool simulatedFailure = false;
    if (g_failAfter >= 0 && static_cast<size_t>(g_failAfter) < limit) {
        limit = static_cast<size_t>(g_failAfter);
        simulatedFailure = true;
    }
    if (thisWrite == g_failWrite) {
        limit = bytes.size() / 2;
        simulatedFailure = true;
    }
    size_t written = 0;
    while (written < limit) {
        const ssize_t n = ::write(fd, bytes.data() + written, limit - written);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            fail(systemErrorText(errno));
        }
        written += static_cast<size_t>(n);
    }
    if (simulatedFailure)
        fail(systemErrorText(ENOSPC));
    if (flush == Flush::Now && ::fsync(fd) != 0)
        fail(systemErrorText(errno));
    if (::close(fd) != 0) {
        ::unlink(tmp.c_str());
        throw Error("Die Datei \"" + displayPath(target) +
                    "\" kann nicht geschrieben werden: " + systemErrorText(errno));
    }
    if (::rename(tmp.c_str(), file.c_str()) != 0) {
        const int err = errno;
        ::unlink(tmp.c_str());
        throw Error("Die Datei \"" + displayPath(target) +
                    "\" kann nicht geschrieben werden: " + systemErrorText(err));
    }
}

} // namespace

void writeFileAtomic(const fs::path& target, std::string_view bytes, Flush flush) {
    Journal* journal = Journal::current();
    writeAtomic(journal ? journal->stage(target) : target, target, bytes, flush);
}

void flushFileSystem(const fs::path& anyPath) {
    const int fd = ::open(anyPath.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0 || ::syncfs(fd) != 0) {
        const int err = errno;
        if (fd >= 0)
            ::close(fd);
        throw Error("Die Dateien in \"" + displayPath(anyPath) + "\" können nicht gesichert werden: " +
                    systemErrorText(err));
    }
    ::close(fd);
}

std::string readFileBytes(const fs::path& file) {
    const Journal* journal = Journal::current();
    std::FILE* f = std::fopen((journal ? journal->readPath(file) : file).c_str(), "rb");
    if (!f)
        throw Error("Die Datei \"" + displayPath(file) +
                    "\" kann nicht gelesen werden: " + systemErrorText(errno));
    std::string data;
    char buffer[65536];
    size_t n;
    while ((n = std::fread(buffer, 1, sizeof buffer, f)) > 0)
        data.append(buffer, n);
    const bool bad = std::ferror(f);
    std::fclose(f);
    if (bad)
        throw Error("Die Datei \"" + displayPath(file) + "\" kann nicht gelesen werden.");
    return data;
}

} // namespace ms
