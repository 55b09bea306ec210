#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace ms {

// One entry of a KeyValues text (the format Steam keeps its library list and app manifests in): a key
// with either a text value or a block of further entries.
struct KeyValues {
    std::string key;
    std::string value;
    std::vector<KeyValues> children;
    bool isBlock = false;

    // The first entry of this block named `name`, matched without regard to letter case; null when
    // there is none.
    const KeyValues* child(std::string_view name) const;
};

// Reads a KeyValues text: quoted or bare keys and values, nested blocks in braces, the escapes \n \t
// \\ \" inside quotes, // comments, and [$CONDITION] tags after an entry (ignored). Returns a block
// with the top-level entries. Throws Error for a text that breaks off inside a string or block, a key
// without a value, a stray closing brace, or nesting deeper than any file Steam writes.
KeyValues parseKeyValues(std::string_view text);

} // namespace ms
