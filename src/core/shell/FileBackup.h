#pragma once

#include <filesystem>
#include <string>
#include <utility>
#include <vector>

namespace ms {

// The bytes of files before an operation touched them, to put them back when a later step of the
// operation fails.
class FileBackup {
  public:
    // Keeps the file's present bytes; throws ms::Error when it cannot be read.
    void keep(const std::filesystem::path& file);
    void keep(const std::filesystem::path& file, std::string bytes);

    // Writes every kept file that changed back; false when one of them could not be written. A file
    // whose write failed is still as it was, and is left alone.
    bool restore() const noexcept;

  private:
    std::vector<std::pair<std::filesystem::path, std::string>> m_files;
};

} // namespace ms
