#include "shell/BoundedRead.h"

#include "shell/SystemErrorText.h"

#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace ms {

namespace {

BoundedReadResult failed(BoundedReadFault fault, std::string cause) {
    BoundedReadResult r;
    r.fault = fault;
    r.cause = std::move(cause);
    return r;
}

BoundedReadResult notRegular() {
    return failed(BoundedReadFault::NotRegular,
                  "es ist keine gewöhnliche Datei (sondern ein Ordner, ein Gerät, eine Pipe oder ein Socket).");
}

std::string tooLarge(std::size_t limit) {
    return "die Datei ist größer als " + std::to_string(limit) + " Bytes.";
}

} // namespace

BoundedReadResult readFileBounded(const std::filesystem::path& file, std::size_t limit) {
    struct stat st {};
    if (::stat(file.c_str(), &st) != 0)
        return failed(errno == ENOENT ? BoundedReadFault::Missing : BoundedReadFault::Unreadable,
                      systemErrorText(errno));
    if (!S_ISREG(st.st_mode))
        return notRegular();
    if (static_cast<unsigned long long>(st.st_size) > limit)
        return failed(BoundedReadFault::TooLarge, tooLarge(limit));

    // O_NONBLOCK: should the path have been swapped for a FIFO since the check, open does not wait.
    const int fd = ::open(file.c_str(), O_RDONLY | O_CLOEXEC | O_NOCTTY | O_NONBLOCK);
    if (fd < 0)
        return failed(BoundedReadFault::Unreadable, systemErrorText(errno));
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        ::close(fd);
        return notRegular();
    }

    BoundedReadResult r;
    r.bytes.resize(std::min<std::size_t>(static_cast<std::size_t>(st.st_size), limit) + 1);
    std::size_t have = 0;
    for (;;) {
        if (have == r.bytes.size()) {
            if (have > limit)
                break;
            r.bytes.resize(std::min(limit + 1, r.bytes.size() * 2));
        }
        const ssize_t n = ::read(fd, r.bytes.data() + have, r.bytes.size() - have);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0) {
            const int err = errno;
            ::close(fd);
            return failed(BoundedReadFault::Unreadable, systemErrorText(err));
        }
        if (n == 0)
            break;
        have += static_cast<std::size_t>(n);
    }
    ::close(fd);
    if (have > limit)
        return failed(BoundedReadFault::TooLarge, tooLarge(limit));
    r.bytes.resize(have);
    return r;
}

} // namespace ms
