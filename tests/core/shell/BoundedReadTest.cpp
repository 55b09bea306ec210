#include "shell/BoundedRead.h"

#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <tuple>
#include <unistd.h>

namespace ms {
namespace {

TEST(BoundedReadTest, ReadsWholeFilesUpToTheLimitAndRefusesLarger) {
    mstest::TempDir dir;
    for (const auto& [size, limit, fault] : {std::tuple{0u, 4u, BoundedReadFault::None},
                                            {4u, 4u, BoundedReadFault::None},
                                            {5u, 4u, BoundedReadFault::TooLarge},
                                            {70000u, 200000u, BoundedReadFault::None}}) {
        const std::string bytes(size, 'x');
        mstest::writeFile(dir.path() / "f", bytes);
        const BoundedReadResult r = readFileBounded(dir.path() / "f", limit);
        EXPECT_EQ(r.fault, fault) << size << " " << limit;
        EXPECT_EQ(r.bytes, fault == BoundedReadFault::None ? bytes : std::string()) << size;
        EXPECT_EQ(r.cause.empty(), fault == BoundedReadFault::None) << size;
    }
    EXPECT_EQ(readFileBounded(dir.path() / "none", 4).fault, BoundedReadFault::Missing);
}

TEST(BoundedReadTest, RefusesFifosDevicesFoldersAndSocketsWithoutBlockingOrReadingThem) {
    mstest::TempDir dir;
    const auto fifo = dir.path() / "x.spantora";
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    const int sock = ::socket(AF_UNIX, SOCK_STREAM, 0);
    sockaddr_un addr{};
    addr.sun_family = AF_UNIX;
    const std::string sockPath = (dir.path() / "s").string();
    sockPath.copy(addr.sun_path, sizeof addr.sun_path - 1);
    ASSERT_EQ(::bind(sock, reinterpret_cast<sockaddr*>(&addr), sizeof addr), 0);
    for (const std::filesystem::path& p : {fifo, std::filesystem::path("/dev/zero"), dir.path(),
                                           std::filesystem::path(sockPath)}) {
        const BoundedReadResult r = readFileBounded(p, 1 << 20);
        EXPECT_EQ(r.fault, BoundedReadFault::NotRegular) << p;
        EXPECT_TRUE(r.bytes.empty()) << p;
        EXPECT_NE(r.cause.find("keine gewöhnliche Datei"), std::string::npos) << p;
    }
    ::close(sock);
}

} // namespace
} // namespace ms
