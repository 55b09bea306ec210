#pragma once

#include <cstddef>
#include <filesystem>
#include <string>

namespace mstest {

// A fresh folder below the system's temp folder, removed again with the object.
class TempDir {
  public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    const std::filesystem::path& path() const { return m_path; }
    std::filesystem::path operator/(const std::string& name) const { return m_path / name; }

  private:
    std::filesystem::path m_path;
};

// A copy of the delivered data directory (data/XMLA) inside `dir`, returned as dir/XMLA.
std::filesystem::path copyDeliveredData(const std::filesystem::path& dir);

std::string readFile(const std::filesystem::path& file);
void writeFile(const std::filesystem::path& file, const std::string& bytes);

// The text with every "\n" widened to "\r\n", for expected file bytes written readably.
std::string crlf(const std::string& lf);

// How many line breaks in the bytes are not CR LF (a lone LF or a lone CR).
std::size_t bareLineBreaks(const std::string& bytes);

} // namespace mstest
