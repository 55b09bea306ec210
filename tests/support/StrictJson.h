#pragma once

#include <optional>
#include <string>
#include <vector>

namespace mstest {

// The outcome of a strict JSON syntax check (RFC 8259: no trailing commas, no comments, no
// single quotes, no byte-order mark, one value and nothing after it but whitespace).
struct JsonCheck {
    bool ok = false;
    std::string error;                     // where and why the check failed
    std::vector<std::string> topLevelKeys; // member names of the top-level object, in file order
};

JsonCheck checkStrictJson(const std::string& text);

// The string value of a top-level member, or of the member `inner` of a top-level object
// (for example "ModName" / "German"); nullopt when missing, null or not a string.
std::optional<std::string> jsonString(const std::string& text, const std::string& key,
                                      const std::string& inner = {});

} // namespace mstest
