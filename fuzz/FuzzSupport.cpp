#include "FuzzSupport.h"

#include "shell/AtomicFile.h"

#include <cstdio>
#include <cstdlib>
#include <map>
#include <unistd.h>

namespace fs = std::filesystem;

namespace fuzz {

const fs::path& scratch() {
    static const fs::path folder = [] {
        const fs::path p = fs::temp_directory_path() / ("spantora-fuzz-" + std::to_string(::getpid()));
        fs::remove_all(p);
        fs::create_directories(p);
        std::atexit([] {
            std::error_code ec;
            fs::remove_all(scratch(), ec);
        });
        return p;
    }();
    return folder;
}

const std::string& deliveredFile(const std::string& name) {
    static std::map<std::string, std::string> cache;
    auto it = cache.find(name);
    if (it == cache.end())
        it = cache.emplace(name, ms::readFileBytes(fs::path(SPANTORA_DATA_DIR) / name)).first;
    return it->second;
}

const fs::path& dataDir() {
    static const fs::path folder = [] {
        const fs::path p = scratch() / "XMLA";
        fs::create_directories(p);
        for (const auto& e : fs::directory_iterator(SPANTORA_DATA_DIR))
            if (e.is_regular_file())
                fs::copy_file(e.path(), p / e.path().filename(), fs::copy_options::overwrite_existing);
        return p;
    }();
    return folder;
}

void restoreDeliveredFile(const std::string& name) {
    ms::writeFileAtomic(dataDir() / name, deliveredFile(name));
}

namespace {

// The code point starting at text[i] and its length; length 0 for an invalid sequence.
std::pair<std::uint32_t, size_t> decode(std::string_view text, size_t i) {
    const auto b = static_cast<unsigned char>(text[i]);
    size_t n = b < 0x80 ? 1 : (b >> 5) == 0x6 ? 2 : (b >> 4) == 0xE ? 3 : (b >> 3) == 0x1E ? 4 : 0;
    if (n == 0 || i + n > text.size())
        return {0, 0};
    std::uint32_t cp = n == 1 ? b : b & (0x7F >> n);
    for (size_t k = 1; k < n; ++k) {
        const auto c = static_cast<unsigned char>(text[i + k]);
        if ((c & 0xC0) != 0x80)
            return {0, 0};
        cp = (cp << 6) | (c & 0x3F);
    }
    static const std::uint32_t minimum[] = {0, 0, 0x80, 0x800, 0x10000};
    if (cp < minimum[n] || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF))
        return {0, 0};
    return {cp, n};
}

template <typename Accept> bool allCodePoints(std::string_view text, Accept accept) {
    for (size_t i = 0; i < text.size();) {
        const auto [cp, n] = decode(text, i);
        if (n == 0 || !accept(cp))
            return false;
        i += n;
    }
    return true;
}

} // namespace

bool isValidUtf8(std::string_view text) {
    return allCodePoints(text, [](std::uint32_t) { return true; });
}

bool isXmlText(std::string_view text) {
    return allCodePoints(text, [](std::uint32_t cp) {
        return cp == 0x9 || cp == 0xA || cp == 0xD || (cp >= 0x20 && cp <= 0xD7FF) ||
               (cp >= 0xE000 && cp <= 0xFFFD) || cp >= 0x10000;
    });
}

void finding(const std::string& what) {
    std::fprintf(stderr, "FINDING: %s\n", what.c_str());
    std::abort();
}

} // namespace fuzz
