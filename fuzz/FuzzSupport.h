#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>

// Shared pieces of the fuzz targets. A target lets ms::Error pass (that is the core's clear German
// refusal); any other exception, a sanitizer report or a broken output property is a finding.
namespace fuzz {

// A folder below the temp folder for this process, removed when the process exits normally.
const std::filesystem::path& scratch();

// scratch()/XMLA holding the delivered data files (no folders), copied on the first call.
const std::filesystem::path& dataDir();

// Puts a delivered data file back into dataDir() unchanged.
void restoreDeliveredFile(const std::string& name);

// The bytes of a delivered data file.
const std::string& deliveredFile(const std::string& name);

// Valid UTF-8 (no overlongs, no surrogates, nothing above U+10FFFF).
bool isValidUtf8(std::string_view text);

// Valid UTF-8 of characters XML 1.0 can carry (tab, line ends, U+0020..U+D7FF, U+E000..U+FFFD,
// U+10000..U+10FFFF).
bool isXmlText(std::string_view text);

// Reports a broken property with its context and stops the run, so libFuzzer keeps the input.
[[noreturn]] void finding(const std::string& what);

} // namespace fuzz
