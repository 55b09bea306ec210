#pragma once

#include <cstdint>
#include <filesystem>
#include <map>
#include <string>

namespace mstest {

// Folder of the committed ZIP fixtures written by tests/fixtures/zip/make_fixtures.py.
std::filesystem::path zipFixture(const std::string& name);

// Every file below `root` (relative generic path -> content), folders as path + "/" -> "".
std::map<std::string, std::string> treeContents(const std::filesystem::path& root);

// Offset of the central directory header of the entry `name` (throws when missing).
std::size_t centralHeaderOf(const std::string& zip, const std::string& name);

// Offset of the end-of-central-directory record.
std::size_t endRecordOf(const std::string& zip);

std::uint32_t getLe32(const std::string& bytes, std::size_t at);
void putLe16(std::string& bytes, std::size_t at, std::uint16_t value);
void putLe32(std::string& bytes, std::size_t at, std::uint32_t value);

} // namespace mstest
