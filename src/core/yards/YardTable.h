#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace ms {

// One of the program's six shipyard mods. Every yard operation is one operation applied to a row.
struct YardRow {
    const char* region;              // "AW", "NW" or "EN"
    const char* engine;              // "Sail" or "Steam": the index Engine of the ships it builds
    const char* folder;              // name of the template folder and of the deployed mod
    const char* regionFlag;          // index attribute of the region: "OnAW", "OnNW", "OnEN"
    const char* yardGuid;            // the yard asset
    const char* nameTextGuid;        // its name in the game's build menu (same number as the asset)
    const char* descriptionTextGuid; // its description text
    const char* insertedAfter;       // game asset the yard asset follows
    const char* description;         // the fixed description sentence
};

// The six rows in the order AW sail, AW steam, NW sail, NW steam, EN sail, EN steam.
const std::vector<YardRow>& YardTable();

// The row of a region and an engine; null when there is none.
const YardRow* FindYard(std::string_view region, std::string_view engine);
// The yards that build ships of an engine, in region order (AW, NW, EN); empty for another value.
std::vector<const YardRow*> YardsOfEngine(std::string_view engine);

// The optional seventh mod: the sail-weaving factory of Enbesa, without a build menu.
inline constexpr const char* kSailWeavingFactoryFolder = "[Spantora] Segelweberei Enbesa";

// env().xmlaDir / folder and env().modLocation / folder (an empty path without a mods folder).
std::filesystem::path TemplateModFolder(std::string_view folder);
std::filesystem::path DeployedModFolder(std::string_view folder);
// The deployed copy's asset file, the one place of the build menu.
std::filesystem::path YardAssetsFile(const YardRow& row);
// The text file below a mod folder (template or deployed).
std::filesystem::path YardTextsFile(const std::filesystem::path& modFolder);

// Entries of the in-memory index with the row's engine and "*" in its region flag.
int CountYardShips(const YardRow& row);

} // namespace ms
