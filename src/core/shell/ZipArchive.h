#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace ms {

// Reads a ZIP archive held in memory: the classic (non-ZIP64) container with stored and deflate
// entries. Anything it cannot read faithfully (ZIP64, encryption, other methods, split archives)
// is refused with ms::Error rather than guessed at.
class ZipArchive {
public:
    struct Entry {
        std::string name;            // as stored, UTF-8, "/" as separator
        bool isDirectory = false;    // name ends with "/"
        std::uint16_t method = 0;    // 0 stored, 8 deflate
        std::uint32_t crc32 = 0;
        std::uint32_t compressedSize = 0;
        std::uint32_t size = 0;
        std::uint64_t localHeaderOffset = 0;
    };

    // Parses the central directory; throws ms::Error naming `displayName` when the archive is
    // damaged or uses a feature that is not supported.
    ZipArchive(std::string bytes, std::string displayName);

    const std::vector<Entry>& entries() const { return m_entries; }

    // The entry's content, inflated and checked against its CRC-32.
    std::string read(const Entry& entry) const;

    // Inflates the entry and checks its CRC-32 without keeping the content.
    void verify(const Entry& entry) const;

private:
    [[noreturn]] void fail(const std::string& reason) const;
    void parseCentralDirectory();
    void inflateInto(const Entry& entry, std::string* out) const;

    std::string m_bytes;
    std::string m_displayName;
    std::vector<Entry> m_entries;
};

} // namespace ms
