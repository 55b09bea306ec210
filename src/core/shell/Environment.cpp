#include "shell/Environment.h"

namespace ms {
namespace fs = std::filesystem;

Environment& env() {
    static Environment instance;
    return instance;
}

bool equalsIgnoreCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size())
        return false;
    for (size_t i = 0; i < a.size(); ++i) {
        auto lower = [](char c) { return (c >= 'A' && c <= 'Z') ? char(c - 'A' + 'a') : c; };
        if (lower(a[i]) != lower(b[i]))
            return false;
    }
    return true;
}

fs::path findCaseInsensitive(const fs::path& dir, const std::string& name) {
    std::error_code ec;
    if (fs::exists(dir / name, ec))
        return dir / name;
    for (fs::directory_iterator it(dir, ec), end; !ec && it != end; it.increment(ec)) {
        if (equalsIgnoreCase(it->path().filename().string(), name))
            return it->path();
    }
    return dir / name;
}

fs::path findCaseInsensitivePath(const fs::path& dir, const fs::path& relative) {
    fs::path result = dir;
    for (const fs::path& part : relative)
        result = findCaseInsensitive(result, part.string());
    return result;
}

} // namespace ms
