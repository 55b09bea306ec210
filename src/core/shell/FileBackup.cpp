#include "shell/FileBackup.h"

#include "shell/AtomicFile.h"

namespace ms {

void FileBackup::keep(const std::filesystem::path& file) {
    keep(file, readFileBytes(file));
}

void FileBackup::keep(const std::filesystem::path& file, std::string bytes) {
    m_files.emplace_back(file, std::move(bytes));
}

bool FileBackup::restore() const noexcept {
    bool ok = true;
    for (const auto& [file, bytes] : m_files) {
        try {
            if (readFileBytes(file) != bytes)
                writeFileAtomic(file, bytes);
        } catch (...) {
            ok = false;
        }
    }
    return ok;
}

} // namespace ms
