#pragma once

#include <filesystem>

namespace bench {

// A fresh folder below the system's temp folder, removed again with the object.
class TempFolder {
  public:
    TempFolder();
    ~TempFolder();
    const std::filesystem::path& path() const { return m_path; }

  private:
    std::filesystem::path m_path;
};

// A data directory with the delivered files and `newShips` ships created the way the program
// creates them (record copy with Base, index entry, pool entries taken). Returns dir / "XMLA".
std::filesystem::path makeDataDirectory(const std::filesystem::path& dir, int newShips);

} // namespace bench
