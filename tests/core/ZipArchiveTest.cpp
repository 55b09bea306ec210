#include "shell/ZipArchive.h"
#include "core/ZipTestSupport.h"
#include "shell/Error.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <sys/resource.h>
#include <unistd.h>

using namespace ms;
using namespace mstest;

namespace {

std::string mixedZip() {
    return readFile(zipFixture("mixed.zip"));
}

std::string errorOf(const std::string& bytes) {
    try {
        ZipArchive zip(bytes, "test.zip");
        for (const auto& e : zip.entries())
            zip.read(e);
    } catch (const Error& e) {
        return e.what();
    }
    return {};
}

// Leaves `room` bytes of address space beyond what the process holds now.
void limitAddressSpace(std::uint64_t room) {
    std::uint64_t pages = 0;
    std::ifstream("/proc/self/statm") >> pages;
    const rlim_t limit = pages * static_cast<std::uint64_t>(sysconf(_SC_PAGESIZE)) + room;
    const rlimit r{limit, limit};
    setrlimit(RLIMIT_AS, &r);
}

} // namespace

TEST(ZipArchive, ReadsStoredDeflatedAndFolderEntriesWithUtf8Names) {
    ZipArchive zip(mixedZip(), "mixed.zip");
    std::vector<std::string> names;
    for (const auto& e : zip.entries())
        names.push_back(e.name + (e.isDirectory ? " [dir]" : ""));
    EXPECT_EQ(names, (std::vector<std::string>{"XMLA/ [dir]", "XMLA/ShipShort.xml", "XMLA/Active.png",
                                               "XMLA/[Spantora] Schöne Übung (neu)/ [dir]",
                                               "XMLA/[Spantora] Schöne Übung (neu)/modinfo.json",
                                               "XMLA/[Spantora] AW Neue Segelschiffswerft/data/icon/leer.dds",
                                               "XMLA/NewShipIcon/ [dir]"}));

    const auto& entries = zip.entries();
    EXPECT_EQ(entries[1].method, 8);
    std::string expectedIndex = "<?xml version=\"1.0\"?>\r\n<Ships>\r\n";
    for (int i = 0; i < 200; ++i)
        expectedIndex += "  <Ship />\r\n";
    expectedIndex += "</Ships>\r\n";
    EXPECT_EQ(zip.read(entries[1]), expectedIndex);

    EXPECT_EQ(entries[2].method, 0);
    std::string expectedPicture;
    for (int r = 0; r < 4; ++r)
        for (int i = 0; i < 256; ++i)
            expectedPicture += static_cast<char>(i);
    EXPECT_EQ(zip.read(entries[2]), expectedPicture);
    EXPECT_EQ(zip.read(entries[4]), "{\"Name\": \"Älteste Fähre\"}\r\n");
    EXPECT_EQ(zip.read(entries[5]), "");
}

TEST(ZipArchive, RefusesEveryTruncationWithAGermanReason) {
    const std::string full = mixedZip();
    for (std::size_t length = 0; length < full.size(); ++length) {
        const std::string message = errorOf(full.substr(0, length));
        ASSERT_FALSE(message.empty()) << "truncated to " << length << " bytes was accepted";
        ASSERT_NE(message.find("test.zip"), std::string::npos) << message;
    }
}

TEST(ZipArchive, DamagedBytesNeverCrashTheReader) {
    // Every single-byte change either still reads or fails with ms::Error; nothing else escapes.
    const std::string full = mixedZip();
    for (std::size_t at = 0; at < full.size(); ++at) {
        std::string damaged = full;
        damaged[at] = static_cast<char>(damaged[at] ^ 0x5A);
        EXPECT_NO_FATAL_FAILURE(errorOf(damaged));
    }
}

TEST(ZipArchive, ChecksTheCrcOfStoredAndDeflatedEntries) {
    std::string stored = mixedZip();
    const std::size_t at = centralHeaderOf(stored, "XMLA/Active.png");
    putLe32(stored, at + 16, getLe32(stored, at + 16) ^ 1);
    EXPECT_NE(errorOf(stored).find("Prüfsumme des Eintrags \"XMLA/Active.png\""), std::string::npos)
        << errorOf(stored);

    // Damage inside the deflate stream: either inflate or the CRC must notice.
    std::string deflated = mixedZip();
    const std::size_t data = deflated.find("XMLA/ShipShort.xml") + 18 + 20;
    deflated[data] = static_cast<char>(deflated[data] ^ 0x01);
    EXPECT_NE(errorOf(deflated).find("XMLA/ShipShort.xml"), std::string::npos) << errorOf(deflated);

    // A declared size that does not match the data.
    std::string sized = mixedZip();
    const std::size_t ship = centralHeaderOf(sized, "XMLA/ShipShort.xml");
    putLe32(sized, ship + 24, getLe32(sized, ship + 24) - 1);
    EXPECT_NE(errorOf(sized).find("größer als angegeben"), std::string::npos) << errorOf(sized);
}

TEST(ZipArchive, RefusesZip64EncryptedAndUnknownMethods) {
    EXPECT_NE(errorOf(readFile(zipFixture("zip64.zip"))).find("ZIP64"), std::string::npos);

    std::string zip64End = mixedZip();
    putLe16(zip64End, endRecordOf(zip64End) + 8, 0xFFFF);
    putLe16(zip64End, endRecordOf(zip64End) + 10, 0xFFFF);
    EXPECT_NE(errorOf(zip64End).find("ZIP64"), std::string::npos);

    std::string zip64Size = mixedZip();
    putLe32(zip64Size, centralHeaderOf(zip64Size, "XMLA/Active.png") + 20, 0xFFFFFFFFu);
    EXPECT_NE(errorOf(zip64Size).find("ZIP64"), std::string::npos);

    const std::string encrypted = errorOf(readFile(zipFixture("encrypted.zip")));
    EXPECT_NE(encrypted.find("\"XMLA/geheim.txt\" ist verschlüsselt"), std::string::npos) << encrypted;

    std::string bzip2 = mixedZip();
    putLe16(bzip2, centralHeaderOf(bzip2, "XMLA/Active.png") + 10, 12);
    EXPECT_NE(errorOf(bzip2).find("Kompressionsverfahren 12"), std::string::npos) << errorOf(bzip2);
}

TEST(ZipArchive, FindsTheEndRecordBehindALongComment) {
    std::string zip = mixedZip();
    const std::size_t end = endRecordOf(zip);
    // A comment that itself contains an end-record signature must not mislead the search.
    const std::string comment = std::string(40000, 'x') + "PK\x05\x06" + std::string(30, 'y');
    zip.resize(end + 22);
    putLe16(zip, end + 20, static_cast<std::uint16_t>(comment.size()));
    zip += comment;
    ZipArchive archive(zip, "comment.zip");
    ASSERT_EQ(archive.entries().size(), 7u);
    EXPECT_EQ(archive.read(archive.entries()[4]), "{\"Name\": \"Älteste Fähre\"}\r\n");
}

TEST(ZipArchive, RefusesAnEntryClaimingMoreThanTheArchiveCanHoldWithoutReservingIt) {
    // A fuzzing finding: 7 bytes of data that claim almost 4 GiB.
    const std::string finding = readFile(zipFixture("oversized_entry.zip"));
    const std::string message = errorOf(finding);
    EXPECT_NE(message.find("\"XMLA/klein.txt\" gibt eine unmögliche Größe an"), std::string::npos) << message;
#if !defined(__SANITIZE_ADDRESS__)
    // Without room for the claim a reservation from it would end the process with std::bad_alloc.
    EXPECT_EXIT(
        {
            limitAddressSpace(std::uint64_t{512} << 20);
            std::_Exit(errorOf(finding).empty() ? 1 : 0);
        },
        testing::ExitedWithCode(0), "");
#endif
}
