#include "support/TempDir.h"

#include <cstdlib>
#include <fstream>
#include <sstream>
#include <stdexcept>

namespace mstest {
namespace fs = std::filesystem;

TempDir::TempDir() {
    std::string pattern = (fs::temp_directory_path() / "spantora-test-XXXXXX").string();
    if (!::mkdtemp(pattern.data()))
        throw std::runtime_error("mkdtemp failed");
    m_path = pattern;
}

TempDir::~TempDir() {
    std::error_code ec;
    fs::permissions(m_path, fs::perms::owner_all, fs::perm_options::add, ec);
    fs::remove_all(m_path, ec);
}

fs::path copyDeliveredData(const fs::path& dir) {
    const fs::path target = dir / "XMLA";
    fs::copy(SPANTORA_DATA_DIR, target, fs::copy_options::recursive);
    return target;
}

std::string readFile(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    if (!in)
        throw std::runtime_error("cannot read " + file.string());
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

void writeFile(const fs::path& file, const std::string& bytes) {
    fs::create_directories(file.parent_path());
    std::ofstream out(file, std::ios::binary);
    out << bytes;
}

std::string crlf(const std::string& lf) {
    std::string out;
    for (const char c : lf) {
        if (c == '\n')
            out += '\r';
        out += c;
    }
    return out;
}

std::size_t bareLineBreaks(const std::string& bytes) {
    std::size_t bare = 0;
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        const bool crlfPair = i + 1 < bytes.size() && bytes[i] == '\r' && bytes[i + 1] == '\n';
        if (crlfPair)
            ++i;
        else if (bytes[i] == '\r' || bytes[i] == '\n')
            ++bare;
    }
    return bare;
}

} // namespace mstest
