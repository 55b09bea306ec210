#include "core/ZipTestSupport.h"

#include "support/TempDir.h"

#include <stdexcept>

namespace mstest {
namespace fs = std::filesystem;

fs::path zipFixture(const std::string& name) { return fs::path(SPANTORA_FIXTURES_DIR) / "zip" / name; }

std::map<std::string, std::string> treeContents(const fs::path& root) {
    std::map<std::string, std::string> result;
    for (const auto& item : fs::recursive_directory_iterator(root)) {
        const std::string rel = fs::relative(item.path(), root).generic_string();
        if (item.is_directory())
            result[rel + "/"] = "";
        else
            result[rel] = readFile(item.path());
    }
    return result;
}

std::uint32_t getLe32(const std::string& b, std::size_t at) {
    std::uint32_t v = 0;
    for (int i = 3; i >= 0; --i)
        v = v << 8 | static_cast<unsigned char>(b.at(at + i));
    return v;
}

void putLe16(std::string& b, std::size_t at, std::uint16_t value) {
    b.at(at) = static_cast<char>(value & 0xFF);
    b.at(at + 1) = static_cast<char>(value >> 8);
}

void putLe32(std::string& b, std::size_t at, std::uint32_t value) {
    putLe16(b, at, static_cast<std::uint16_t>(value & 0xFFFF));
    putLe16(b, at + 2, static_cast<std::uint16_t>(value >> 16));
}

std::size_t centralHeaderOf(const std::string& zip, const std::string& name) {
    for (std::size_t at = zip.find("PK\x01\x02"); at != std::string::npos; at = zip.find("PK\x01\x02", at + 1)) {
        const std::size_t nameLength = static_cast<unsigned char>(zip[at + 28]) | static_cast<unsigned char>(zip[at + 29]) << 8;
        if (zip.compare(at + 46, nameLength, name) == 0 && nameLength == name.size())
            return at;
    }
    throw std::runtime_error("no central header for " + name);
}

std::size_t endRecordOf(const std::string& zip) {
    const std::size_t at = zip.rfind("PK\x05\x06");
    if (at == std::string::npos)
        throw std::runtime_error("no end record");
    return at;
}

} // namespace mstest
