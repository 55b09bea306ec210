#include "shell/WineRegistry.h"

#include "shell/BoundedRead.h"
#include "shell/Environment.h"
#include "shell/GamePlaces.h"

#include <algorithm>
#include <cctype>

namespace ms {
namespace fs = std::filesystem;

namespace {

void appendUtf8(std::string& out, unsigned code) {
    if (code < 0x80) {
        out.push_back(char(code));
    } else if (code < 0x800) {
        out.push_back(char(0xC0 | (code >> 6)));
        out.push_back(char(0x80 | (code & 0x3F)));
    } else if (code < 0x10000) {
        out.push_back(char(0xE0 | (code >> 12)));
        out.push_back(char(0x80 | ((code >> 6) & 0x3F)));
        out.push_back(char(0x80 | (code & 0x3F)));
    } else {
        out.push_back(char(0xF0 | (code >> 18)));
        out.push_back(char(0x80 | ((code >> 12) & 0x3F)));
        out.push_back(char(0x80 | ((code >> 6) & 0x3F)));
        out.push_back(char(0x80 | (code & 0x3F)));
    }
}

constexpr unsigned kReplacementCharacter = 0xFFFD;
bool isHighSurrogate(unsigned code) {
    return code >= 0xD800 && code <= 0xDBFF;
}
bool isLowSurrogate(unsigned code) {
    return code >= 0xDC00 && code <= 0xDFFF;
}

// Reads the 1 to 4 hex digits of a \x escape whose "x" is at s[i]; i ends on the last digit.
unsigned hexEscape(std::string_view s, size_t& i) {
    unsigned code = 0;
    for (size_t digits = 0; digits < 4 && i + 1 < s.size(); ++digits) {
        const char c = s[i + 1];
        if (!std::isxdigit(static_cast<unsigned char>(c)))
            break;
        code = code * 16 +
               unsigned(std::isdigit(static_cast<unsigned char>(c)) ? c - '0' : (c | 0x20) - 'a' + 10);
        ++i;
    }
    return code;
}

// Wine writes strings with C-like escapes; non-ASCII characters as \x followed by hex digits.
std::string unescape(std::string_view s) {
    std::string out;
    for (size_t i = 0; i < s.size(); ++i) {
        if (s[i] != '\\' || i + 1 >= s.size()) {
            out.push_back(s[i]);
            continue;
        }
        const char c = s[++i];
        switch (c) {
        case 'n':
            out.push_back('\n');
            break;
        case 'r':
            out.push_back('\r');
            break;
        case 't':
            out.push_back('\t');
            break;
        case '0':
            out.push_back('\0');
            break;
        case 'x': {
            // Wine writes UTF-16 code units; a character outside the basic plane comes as a high
            // half followed by the escape of its low half.
            unsigned code = hexEscape(s, i);
            if (isHighSurrogate(code) && i + 2 < s.size() && s[i + 1] == '\\' && s[i + 2] == 'x') {
                size_t j = i + 2;
                const unsigned low = hexEscape(s, j);
                if (isLowSurrogate(low)) {
                    code = 0x10000 + ((code - 0xD800) << 10) + (low - 0xDC00);
                    i = j;
                }
            }
            appendUtf8(out, isHighSurrogate(code) || isLowSurrogate(code) ? kReplacementCharacter : code);
            break;
        }
        default:
            out.push_back(c);
            break; // \\ and \" and anything unknown
        }
    }
    return out;
}

// The end of a quoted string starting at `open` (the index of the opening quote), honouring escapes.
size_t closingQuote(std::string_view line, size_t open) {
    for (size_t i = open + 1; i < line.size(); ++i) {
        if (line[i] == '\\')
            ++i;
        else if (line[i] == '"')
            return i;
    }
    return std::string::npos;
}

std::string normaliseKeyPath(std::string path) {
    while (!path.empty() && path.front() == '\\')
        path.erase(path.begin());
    while (!path.empty() && path.back() == '\\')
        path.pop_back();
    return path;
}

// Big prefixes keep a few megabytes of machine keys; far beyond that is no registry file.
constexpr std::size_t kRegistryFileLimit = 64u << 20;

// The machine's own view of a key below the 32-bit one: a 64-bit installer writes
// SOFTWARE\Orvane\… where a 32-bit one writes SOFTWARE\WOW6432Node\Orvane\….
std::string nativeView(const std::string& keyPath) {
    const std::string wow = "WOW6432Node\\";
    std::string path = normaliseKeyPath(keyPath);
    const size_t slash = path.find('\\');
    if (slash != std::string::npos && path.size() > slash + wow.size() &&
        equalsIgnoreCase(std::string_view(path).substr(slash + 1, wow.size()), wow))
        path.erase(slash + 1, wow.size());
    return path;
}

enum class KeyMatch { Yes, No, Unsure };

// Inline and locale-free: every key line of a big registry file passes through here.
char asciiLower(char c) {
    return c >= 'A' && c <= 'Z' ? char(c + ('a' - 'A')) : c;
}

// Whether the key line text `raw` (escaped as in the file) names `wanted` (a normalised plain path),
// told without unescaping: Wine escapes nothing in a plain ASCII path but its backslashes. Any other
// escape leaves it to the full unescape.
KeyMatch rawKeyMatches(std::string_view raw, std::string_view wanted) {
    while (raw.substr(0, 2) == "\\\\")
        raw.remove_prefix(2);
    while (raw.size() >= 2 && raw.substr(raw.size() - 2) == "\\\\")
        raw.remove_suffix(2);
    size_t j = 0;
    for (size_t i = 0; i < raw.size(); ++i, ++j) {
        char c = raw[i];
        if (c == '\\') {
            if (i + 1 >= raw.size() || raw[i + 1] != '\\')
                return KeyMatch::Unsure;
            ++i;
        }
        if (j >= wanted.size() || asciiLower(c) != asciiLower(wanted[j]))
            return KeyMatch::No;
    }
    return j == wanted.size() ? KeyMatch::Yes : KeyMatch::No;
}

// The value of `key` in the prefix's registry, without a trailing separator when asked, mapped to the
// folder it names in the prefix; empty when the key has none or names no existing folder (a
// leftover).
std::string installFolderIn(const WineRegistryFile& reg, const fs::path& prefix, const std::string& key,
                            bool dropTrailingSeparator) {
    auto value = reg.readString(key, "InstallDir");
    if (!value)
        return {};
    if (dropTrailingSeparator && !value->empty() && (value->back() == '/' || value->back() == '\\'))
        value->pop_back();
    const std::string folder = mapWindowsPath(prefix, *value);
    std::error_code ec;
    return !folder.empty() && fs::is_directory(folder, ec) ? folder : std::string();
}

// The key as given (the 32-bit view), then its native view.
std::vector<std::string> bothViews(const std::string& keyPath) {
    return {normaliseKeyPath(keyPath), nativeView(keyPath)};
}

// The first folder the views of a key name in this prefix.
std::string installFolderIn(const WineRegistryFile& reg, const fs::path& prefix,
                            const std::vector<std::string>& views, bool dropTrailingSeparator) {
    for (const std::string& view : views)
        if (std::string folder = installFolderIn(reg, prefix, view, dropTrailingSeparator); !folder.empty())
            return folder;
    return {};
}

} // namespace

WineRegistryFile::WineRegistryFile(const fs::path& file, const std::vector<std::string>& onlyKeys) {
    const BoundedReadResult text = readFileBounded(file, kRegistryFileLimit);
    if (text.fault == BoundedReadFault::None)
        parse(text.bytes, onlyKeys);
}

WineRegistryFile WineRegistryFile::fromText(const std::string& text,
                                            const std::vector<std::string>& onlyKeys) {
    WineRegistryFile f;
    f.parse(text, onlyKeys);
    return f;
}

void WineRegistryFile::parse(std::string_view text, const std::vector<std::string>& onlyKeys) {
    std::vector<std::string> wanted;
    for (const std::string& key : onlyKeys)
        wanted.push_back(normaliseKeyPath(key));
    Key* current = nullptr;
    for (size_t start = 0; start < text.size();) {
        if (!current) {
            // Outside a wanted key only the next key line matters: straight to the next "[" that
            // starts a line.
            size_t open = text.find('[', start);
            while (open != std::string_view::npos && open > start && text[open - 1] != '\n')
                open = text.find('[', open + 1);
            if (open == std::string_view::npos)
                break;
            start = open;
        }
        size_t end = text.find('\n', start);
        if (end == std::string_view::npos)
            end = text.size();
        std::string_view line = text.substr(start, end - start);
        start = end + 1;
        if (!line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        if (line.empty() || line[0] == ';' || line[0] == '#')
            continue;
        if (line[0] == '[') {
            current = nullptr;
            const size_t close = line.rfind(']');
            if (close == std::string::npos)
                continue;
            const std::string_view raw = line.substr(1, close - 1);
            if (!wanted.empty()) {
                // The values of other keys are passed over unread: a lived-in prefix has thousands.
                bool unsure = false, match = false;
                for (const std::string& w : wanted) {
                    const KeyMatch m = rawKeyMatches(raw, w);
                    match = match || m == KeyMatch::Yes;
                    unsure = unsure || m == KeyMatch::Unsure;
                }
                if (!match && !unsure)
                    continue;
            }
            std::string path = normaliseKeyPath(unescape(raw));
            if (!wanted.empty() && std::none_of(wanted.begin(), wanted.end(), [&](const std::string& w) {
                    return equalsIgnoreCase(w, path);
                }))
                continue;
            m_keys.push_back({std::move(path), {}});
            current = &m_keys.back();
            continue;
        }
        if (!current)
            continue;
        std::string name;
        size_t eq;
        if (line[0] == '@') {
            eq = 1;
        } else if (line[0] == '"') {
            const size_t close = closingQuote(line, 0);
            if (close == std::string::npos)
                continue;
            name = unescape(line.substr(1, close - 1));
            eq = close + 1;
        } else {
            continue;
        }
        if (eq >= line.size() || line[eq] != '=')
            continue;
        std::string_view data = line.substr(eq + 1);
        // Strings: "text" (REG_SZ) or str(2):"text" (REG_EXPAND_SZ); other types are not needed here.
        if (data.rfind("str(2):", 0) == 0 || data.rfind("str(7):", 0) == 0)
            data.remove_prefix(7);
        if (data.empty() || data[0] != '"')
            continue;
        const size_t close = closingQuote(data, 0);
        if (close == std::string::npos)
            continue;
        current->values.push_back({name, unescape(data.substr(1, close - 1))});
    }
}

std::optional<std::string> WineRegistryFile::readString(const std::string& keyPath,
                                                        const std::string& valueName) const {
    const std::string wanted = normaliseKeyPath(keyPath);
    for (const Key& key : m_keys) {
        if (!equalsIgnoreCase(key.path, wanted))
            continue;
        for (const Value& v : key.values)
            if (equalsIgnoreCase(v.name, valueName))
                return v.data;
    }
    return std::nullopt;
}

std::vector<fs::path> wineprefixCandidates() {
    return findGamePlaces().prefixes;
}

std::string mapWindowsPath(const fs::path& prefix, const std::string& windowsPath) {
    if (windowsPath.size() < 2 || windowsPath[1] != ':' ||
        !std::isalpha(static_cast<unsigned char>(windowsPath[0])))
        return {}; // no drive: nothing a prefix maps
    const char drive = char(std::tolower(static_cast<unsigned char>(windowsPath[0])));
    std::error_code ec;
    const fs::path device = prefix / "dosdevices" / std::string{drive, ':'};
    // Wine maps a drive by a link; a plain folder of that name is no mapping (older versions of
    // this program left such folders behind).
    if (!fs::is_symlink(device, ec) || !fs::is_directory(device, ec))
        return {};
    fs::path base = fs::canonical(device, ec);
    if (ec)
        return {};

    std::string relative;
    for (char c : windowsPath.substr(2))
        relative.push_back(c == '\\' ? '/' : c);
    while (!relative.empty() && relative.front() == '/')
        relative.erase(relative.begin());
    const fs::path result = relative.empty() ? base : base / relative;
    std::string text = result.lexically_normal().string();
    while (text.size() > 1 && text.back() == '/')
        text.pop_back();
    return text;
}

std::string findInstallDir(const std::vector<fs::path>& prefixes, const std::string& keyPath,
                           bool dropTrailingSeparator) {
    const std::vector<std::string> views = bothViews(keyPath);
    for (const fs::path& prefix : prefixes)
        if (std::string folder = installFolderIn(WineRegistryFile(prefix / "system.reg", views), prefix,
                                                 views, dropTrailingSeparator);
            !folder.empty())
            return folder;
    return {};
}

InstallDirs findInstallDirs(const std::vector<fs::path>& prefixes, const std::string& installerKey,
                            const std::string& launcherKey) {
    const std::vector<std::string> installer = bothViews(installerKey), launcher = bothViews(launcherKey);
    std::vector<std::string> all = installer;
    all.insert(all.end(), launcher.begin(), launcher.end());
    InstallDirs found;
    for (const fs::path& prefix : prefixes) {
        const WineRegistryFile reg(prefix / "system.reg", all);
        found.installer = installFolderIn(reg, prefix, installer, false);
        if (!found.installer.empty())
            break; // the installer's key outranks the launcher's in any prefix
        if (found.launcher.empty())
            found.launcher = installFolderIn(reg, prefix, launcher, true);
    }
    return found;
}

} // namespace ms
