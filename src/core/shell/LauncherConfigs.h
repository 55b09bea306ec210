#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace ms {

// The Wine prefix of a Lutris game file (its "game:" section's "prefix:"); empty for a game without
// one and for a text that is no YAML.
std::string lutrisGamePrefix(std::string_view yamlText);

// The Wine prefixes a Heroic GamesConfig file names: the "winePrefix" of each game's settings object
// (and of the file's top level, where older versions kept it). Empty for a text that is no JSON.
std::vector<std::string> heroicWinePrefixes(std::string_view jsonText);

} // namespace ms
