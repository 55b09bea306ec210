#include "shell/UniquePaths.h"

namespace ms {

bool UniquePaths::add(const std::filesystem::path& folder) {
    std::error_code ec;
    const std::filesystem::path real = std::filesystem::canonical(folder, ec);
    if (ec || !m_real.insert(real).second)
        return false;
    m_paths.push_back(folder);
    return true;
}

} // namespace ms
