#pragma once

#include "yards/YardTable.h"

#include <filesystem>
#include <string>
#include <string_view>

namespace ms {

// The yard's name as every window shows it: the text of the first "ModOp/Text/Text" below the root
// of the template folder's text file. Empty when that file is missing or cannot be read.
std::string ReadYardName(const YardRow& row);

// The two names of a region, read again from the template files.
struct YardNames {
    std::string sail;
    std::string steam;
};
YardNames ReadYardNames(std::string_view region);

// Why a typed name cannot become a yard name (German, for the message window), or empty when it
// can: it must be UTF-8 without control characters. Empty names and "&", "<", ">" are fine.
std::string CheckYardName(std::string_view name);

// Writes the yard's text file (name and description text) to `file` and re-indents it. The name is
// checked first; "&", "<" and ">" are written as entity references. Throws ms::Error.
void WriteYardTexts(const std::filesystem::path& file, const YardRow& row, std::string_view name);

struct YardRenameResult {
    bool templateWritten = false;
    bool deployedWritten = false;
};

// "Werft umbenennen" confirmed with `name`: the template copy and, when the yard is deployed, the
// deployed copy get the new name; a folder that does not exist is passed over. The name is checked
// before the first file is written.
YardRenameResult RenameYard(const YardRow& row, std::string_view name);

} // namespace ms
