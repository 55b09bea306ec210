#include "shell/VisibleText.h"

#include <array>
#include <cstdio>

namespace ms {

namespace {

// The length of the UTF-8 sequence at `i` and its character; 0 when the bytes there are none.
std::size_t decodeOne(std::string_view text, std::size_t i, char32_t& c) {
    const auto byte = [&](std::size_t k) { return static_cast<unsigned char>(text[k]); };
    const unsigned char lead = byte(i);
    std::size_t extra = 0;
    if (lead < 0x80) {
        c = lead;
        return 1;
    }
    if ((lead & 0xE0) == 0xC0) {
        extra = 1;
        c = lead & 0x1F;
    } else if ((lead & 0xF0) == 0xE0) {
        extra = 2;
        c = lead & 0x0F;
    } else if ((lead & 0xF8) == 0xF0) {
        extra = 3;
        c = lead & 0x07;
    } else {
        return 0;
    }
    if (i + extra >= text.size())
        return 0;
    for (std::size_t k = 1; k <= extra; ++k) {
        if ((byte(i + k) & 0xC0) != 0x80)
            return 0;
        c = (c << 6) | (byte(i + k) & 0x3F);
    }
    static constexpr std::array<char32_t, 4> Smallest{0, 0x80, 0x800, 0x10000};
    if (c < Smallest[extra] || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF))
        return 0;
    return extra + 1;
}

bool isNoBreakSpace(char32_t c) {
    return c == 0xA0 || c == 0x2007 || c == 0x202F;
}

// Characters that draw nothing or move the text: controls, soft hyphen, zero-width and direction
// marks, line and paragraph separators, odd blanks, the byte order mark.
bool isInvisible(char32_t c) {
    return c < 0x20 || (c >= 0x7F && c <= 0x9F) || c == 0xAD || (c >= 0x2000 && c <= 0x200F) ||
           (c >= 0x2028 && c <= 0x202E) || (c >= 0x205F && c <= 0x206F) || c == 0x3000 || c == 0xFEFF ||
           c == 0x180E;
}

std::string code(const char* format, unsigned value) {
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, format, value);
    return buffer;
}

} // namespace

bool decodeUtf8(std::string_view text, std::u32string& out) {
    out.clear();
    for (std::size_t i = 0; i < text.size();) {
        char32_t c = 0;
        const std::size_t length = decodeOne(text, i, c);
        if (length == 0)
            return false;
        out.push_back(c);
        i += length;
    }
    return true;
}

void appendUtf8(std::string& out, char32_t c) {
    const auto add = [&](char32_t bits) { out.push_back(static_cast<char>(bits)); };
    if (c < 0x80) {
        add(c);
    } else if (c < 0x800) {
        add(0xC0 | (c >> 6));
        add(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        add(0xE0 | (c >> 12));
        add(0x80 | ((c >> 6) & 0x3F));
        add(0x80 | (c & 0x3F));
    } else {
        add(0xF0 | (c >> 18));
        add(0x80 | ((c >> 12) & 0x3F));
        add(0x80 | ((c >> 6) & 0x3F));
        add(0x80 | (c & 0x3F));
    }
}

std::string visibleChar(char32_t c) {
    if (isNoBreakSpace(c))
        return "⍽";
    if (isInvisible(c))
        return code("\\u%04X", static_cast<unsigned>(c));
    std::string out;
    appendUtf8(out, c);
    return out;
}

std::string visibleText(std::string_view text, std::size_t maxChars) {
    std::string out;
    std::size_t shown = 0;
    for (std::size_t i = 0; i < text.size(); ++shown) {
        if (shown == maxChars)
            return out + "…";
        char32_t c = 0;
        const std::size_t length = decodeOne(text, i, c);
        if (length == 0) {
            out += code("\\x%02X", static_cast<unsigned char>(text[i]));
            ++i;
            continue;
        }
        out += visibleChar(c);
        i += length;
    }
    return out;
}

} // namespace ms
