// The KeyValues reader on any text: it either refuses with the core's error or gives a tree that,
// written out again, reads back the same; the library list drawn from it never fails.
#include "FuzzSupport.h"

#include "shell/Error.h"
#include "shell/KeyValues.h"
#include "shell/SteamLibraries.h"

namespace {

std::string quoted(const std::string& text) {
    std::string out = "\"";
    for (const char c : text) {
        if (c == '"' || c == '\\')
            out.push_back('\\');
        if (c == '\n')
            out += "\\n";
        else if (c == '\t')
            out += "\\t";
        else
            out.push_back(c);
    }
    return out + "\"";
}

void write(const ms::KeyValues& block, std::string& out) {
    for (const ms::KeyValues& entry : block.children) {
        out += quoted(entry.key);
        if (entry.isBlock) {
            out += " {\n";
            write(entry, out);
            out += "}\n";
        } else {
            out += " " + quoted(entry.value) + "\n";
        }
    }
}

bool same(const ms::KeyValues& a, const ms::KeyValues& b) {
    if (a.key != b.key || a.value != b.value || a.isBlock != b.isBlock ||
        a.children.size() != b.children.size())
        return false;
    for (size_t i = 0; i < a.children.size(); ++i)
        if (!same(a.children[i], b.children[i]))
            return false;
    return true;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    ms::KeyValues tree;
    try {
        tree = ms::parseKeyValues(text);
    } catch (const ms::Error&) {
        return 0;
    }
    std::string again;
    write(tree, again);
    try {
        if (!same(ms::parseKeyValues(again), tree))
            fuzz::finding("a tree written out reads back different");
    } catch (const ms::Error& e) {
        fuzz::finding(std::string("a tree written out is refused: ") + e.what());
    }
    ms::libraryFoldersListed(text);
    return 0;
}
