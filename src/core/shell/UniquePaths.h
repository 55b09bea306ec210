#pragma once

#include <filesystem>
#include <set>
#include <vector>

namespace ms {

// Folders in the order they were found, each real folder once: a second way to the same folder
// (through a link, or written with "..") is dropped, the first one kept as it was written.
class UniquePaths {
  public:
    // False when the folder was there already or does not exist.
    bool add(const std::filesystem::path& folder);
    const std::vector<std::filesystem::path>& paths() const { return m_paths; }
    std::vector<std::filesystem::path> take() { return std::move(m_paths); }

  private:
    std::vector<std::filesystem::path> m_paths;
    std::set<std::filesystem::path> m_real;
};

} // namespace ms
