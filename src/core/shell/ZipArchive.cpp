#include "shell/ZipArchive.h"

#include "shell/Error.h"

#include <algorithm>
#include <zlib.h>

namespace ms {

namespace {
constexpr std::uint32_t LocalHeaderSignature = 0x04034b50;
constexpr std::uint32_t CentralHeaderSignature = 0x02014b50;
constexpr std::uint32_t EndOfCentralDirSignature = 0x06054b50;
constexpr std::uint32_t Zip64LocatorSignature = 0x07064b50;
constexpr std::size_t EndOfCentralDirSize = 22;
constexpr std::size_t CentralHeaderSize = 46;
constexpr std::size_t LocalHeaderSize = 30;
constexpr std::size_t Zip64LocatorSize = 20;
constexpr std::uint16_t Zip64ExtraId = 0x0001;
constexpr std::uint16_t FlagEncrypted = 0x0001;
constexpr std::uint16_t FlagStrongEncryption = 0x0040;
constexpr std::uint16_t MethodStored = 0;
constexpr std::uint16_t MethodDeflate = 8;
constexpr std::uint16_t MethodAesEncrypted = 99;
// Deflate packs at most about 1032 bytes into one, so no entry holds more than the archive's size
// times that; one that claims more lies about its size. No data file comes near the ceiling.
constexpr std::uint64_t MaxInflateRatio = 1100;
constexpr std::uint64_t MaxEntrySize = std::uint64_t{256} << 20;

std::uint16_t le16(const std::string& b, std::size_t at) {
    return static_cast<std::uint16_t>(static_cast<unsigned char>(b[at]) |
                                      static_cast<unsigned char>(b[at + 1]) << 8);
}

std::uint32_t le32(const std::string& b, std::size_t at) {
    return static_cast<std::uint32_t>(le16(b, at)) | static_cast<std::uint32_t>(le16(b, at + 2)) << 16;
}
} // namespace

ZipArchive::ZipArchive(std::string bytes, std::string displayName)
    : m_bytes(std::move(bytes)), m_displayName(std::move(displayName)) {
    parseCentralDirectory();
}

void ZipArchive::fail(const std::string& reason) const {
    throw Error("Das Archiv \"" + m_displayName + "\" kann nicht gelesen werden: " + reason);
}

void ZipArchive::parseCentralDirectory() {
    const std::size_t size = m_bytes.size();
    if (size < EndOfCentralDirSize)
        fail("Die Datei ist zu kurz für ein ZIP-Archiv.");

    // The end record sits behind the central directory, followed only by an optional comment of
    // up to 64 KiB; search backwards so a signature inside entry data is not mistaken for it.
    std::size_t eocd = std::string::npos;
    const std::size_t lowest = size - EndOfCentralDirSize > 0xFFFF ? size - EndOfCentralDirSize - 0xFFFF : 0;
    for (std::size_t pos = size - EndOfCentralDirSize + 1; pos-- > lowest;) {
        if (le32(m_bytes, pos) == EndOfCentralDirSignature &&
            pos + EndOfCentralDirSize + le16(m_bytes, pos + 20) <= size) {
            eocd = pos;
            break;
        }
    }
    if (eocd == std::string::npos)
        fail("Das Ende des Inhaltsverzeichnisses fehlt (Archiv unvollständig oder beschädigt).");

    const std::uint16_t diskNumber = le16(m_bytes, eocd + 4);
    const std::uint16_t cdDisk = le16(m_bytes, eocd + 6);
    const std::uint16_t entriesOnDisk = le16(m_bytes, eocd + 8);
    const std::uint16_t entryCount = le16(m_bytes, eocd + 10);
    const std::uint32_t cdSize = le32(m_bytes, eocd + 12);
    const std::uint32_t cdOffset = le32(m_bytes, eocd + 16);

    const bool zip64Locator =
        eocd >= Zip64LocatorSize && le32(m_bytes, eocd - Zip64LocatorSize) == Zip64LocatorSignature;
    if (zip64Locator || entryCount == 0xFFFF || cdSize == 0xFFFFFFFFu || cdOffset == 0xFFFFFFFFu)
        fail("ZIP64-Archive werden nicht unterstützt.");
    if (diskNumber != 0 || cdDisk != 0 || entriesOnDisk != entryCount)
        fail("Mehrteilige Archive werden nicht unterstützt.");
    if (static_cast<std::uint64_t>(cdOffset) + cdSize > eocd)
        fail("Das Inhaltsverzeichnis liegt außerhalb der Datei (Archiv unvollständig oder beschädigt).");

    std::size_t pos = cdOffset;
    const std::size_t cdEnd = static_cast<std::size_t>(cdOffset) + cdSize;
    m_entries.reserve(entryCount);
    for (std::uint16_t i = 0; i < entryCount; ++i) {
        if (pos + CentralHeaderSize > cdEnd || le32(m_bytes, pos) != CentralHeaderSignature)
            fail("Das Inhaltsverzeichnis ist beschädigt.");
        const std::uint16_t flags = le16(m_bytes, pos + 8);
        Entry e;
        e.method = le16(m_bytes, pos + 10);
        e.crc32 = le32(m_bytes, pos + 16);
        e.compressedSize = le32(m_bytes, pos + 20);
        e.size = le32(m_bytes, pos + 24);
        const std::uint16_t nameLength = le16(m_bytes, pos + 28);
        const std::uint16_t extraLength = le16(m_bytes, pos + 30);
        const std::uint16_t commentLength = le16(m_bytes, pos + 32);
        e.localHeaderOffset = le32(m_bytes, pos + 42);
        const std::size_t next = pos + CentralHeaderSize + nameLength + extraLength + commentLength;
        if (next > cdEnd)
            fail("Das Inhaltsverzeichnis ist beschädigt.");
        e.name = m_bytes.substr(pos + CentralHeaderSize, nameLength);

        for (std::size_t x = pos + CentralHeaderSize + nameLength;
             x + 4 <= pos + CentralHeaderSize + nameLength + extraLength;) {
            if (le16(m_bytes, x) == Zip64ExtraId)
                fail("Der Eintrag \"" + e.name +
                     "\" ist im ZIP64-Format gespeichert; das wird nicht unterstützt.");
            x += 4 + le16(m_bytes, x + 2);
        }
        if (e.compressedSize == 0xFFFFFFFFu || e.size == 0xFFFFFFFFu || e.localHeaderOffset == 0xFFFFFFFFu)
            fail("Der Eintrag \"" + e.name +
                 "\" ist im ZIP64-Format gespeichert; das wird nicht unterstützt.");
        const std::uint64_t sizeBound = std::min(MaxEntrySize, std::uint64_t{size} * MaxInflateRatio);
        if (e.size > sizeBound)
            fail("Der Eintrag \"" + e.name + "\" gibt eine unmögliche Größe an (Archiv beschädigt).");
        if ((flags & (FlagEncrypted | FlagStrongEncryption)) || e.method == MethodAesEncrypted)
            fail("Der Eintrag \"" + e.name +
                 "\" ist verschlüsselt; verschlüsselte Archive werden nicht unterstützt.");
        if (e.method != MethodStored && e.method != MethodDeflate)
            fail("Der Eintrag \"" + e.name + "\" verwendet das Kompressionsverfahren " +
                 std::to_string(e.method) + "; unterstützt werden nur \"gespeichert\" und \"Deflate\".");
        if (e.name.empty() || e.name.find('\0') != std::string::npos)
            fail("Ein Eintrag hat einen ungültigen Namen.");
        e.isDirectory = e.name.back() == '/' || e.name.back() == '\\';
        m_entries.push_back(std::move(e));
        pos = next;
    }
}

void ZipArchive::inflateInto(const Entry& entry, std::string* out) const {
    const std::size_t at = static_cast<std::size_t>(entry.localHeaderOffset);
    if (at + LocalHeaderSize > m_bytes.size() || le32(m_bytes, at) != LocalHeaderSignature)
        fail("Der Kopf des Eintrags \"" + entry.name + "\" fehlt oder ist beschädigt.");
    if (le16(m_bytes, at + 6) & (FlagEncrypted | FlagStrongEncryption))
        fail("Der Eintrag \"" + entry.name +
             "\" ist verschlüsselt; verschlüsselte Archive werden nicht unterstützt.");
    // The local header carries its own extra fields (timestamps and the like) that may differ from
    // the central directory's; its lengths decide where the data starts.
    const std::size_t nameLength = le16(m_bytes, at + 26);
    const std::size_t extraLength = le16(m_bytes, at + 28);
    const std::size_t extraStart = at + LocalHeaderSize + nameLength;
    const std::size_t dataStart = extraStart + extraLength;
    if (dataStart > m_bytes.size())
        fail("Der Kopf des Eintrags \"" + entry.name + "\" ist unvollständig (Archiv abgeschnitten).");
    bool zip64 = le32(m_bytes, at + 18) == 0xFFFFFFFFu || le32(m_bytes, at + 22) == 0xFFFFFFFFu;
    for (std::size_t x = extraStart; x + 4 <= dataStart; x += 4 + le16(m_bytes, x + 2))
        zip64 = zip64 || le16(m_bytes, x) == Zip64ExtraId;
    if (zip64)
        fail("Der Eintrag \"" + entry.name +
             "\" ist im ZIP64-Format gespeichert; das wird nicht unterstützt.");
    if (dataStart + entry.compressedSize > m_bytes.size())
        fail("Die Daten des Eintrags \"" + entry.name + "\" sind unvollständig (Archiv abgeschnitten).");
    const auto* data = reinterpret_cast<const Bytef*>(m_bytes.data() + dataStart);

    uLong crc = crc32(0L, Z_NULL, 0);
    std::uint64_t produced = 0;
    auto take = [&](const Bytef* chunk, std::size_t length) {
        produced += length;
        if (produced > entry.size)
            fail("Der Eintrag \"" + entry.name + "\" ist größer als angegeben (Archiv beschädigt).");
        crc = crc32(crc, chunk, static_cast<uInt>(length));
        if (out)
            out->append(reinterpret_cast<const char*>(chunk), length);
    };
    // No reserve from the stated size: the string grows with the bytes actually produced.
    if (entry.method == MethodStored) {
        if (entry.compressedSize != entry.size)
            fail("Die Größenangaben des Eintrags \"" + entry.name +
                 "\" widersprechen sich (Archiv beschädigt).");
        take(data, entry.compressedSize);
    } else {
        z_stream zs{};
        if (inflateInit2(&zs, -MAX_WBITS) != Z_OK)
            fail("Der Dekomprimierer kann nicht gestartet werden.");
        zs.next_in = const_cast<Bytef*>(data);
        zs.avail_in = entry.compressedSize;
        Bytef buffer[65536];
        int rc = Z_OK;
        while (rc == Z_OK) {
            zs.next_out = buffer;
            zs.avail_out = sizeof buffer;
            rc = inflate(&zs, Z_NO_FLUSH);
            const std::size_t got = sizeof buffer - zs.avail_out;
            if (rc == Z_OK || rc == Z_STREAM_END) {
                try {
                    take(buffer, got);
                } catch (...) {
                    inflateEnd(&zs);
                    throw;
                }
            }
            if (rc == Z_OK && zs.avail_in == 0 && got == 0)
                rc = Z_BUF_ERROR; // input used up before the end of the stream
        }
        inflateEnd(&zs);
        if (rc != Z_STREAM_END)
            fail("Die Daten des Eintrags \"" + entry.name + "\" sind beschädigt oder unvollständig.");
    }
    if (produced != entry.size)
        fail("Der Eintrag \"" + entry.name + "\" ist kürzer als angegeben (Archiv beschädigt).");
    if (crc != entry.crc32)
        fail("Die Prüfsumme des Eintrags \"" + entry.name + "\" stimmt nicht (Archiv beschädigt).");
}

std::string ZipArchive::read(const Entry& entry) const {
    std::string content;
    inflateInto(entry, &content);
    return content;
}

void ZipArchive::verify(const Entry& entry) const {
    inflateInto(entry, nullptr);
}

} // namespace ms
