#include "yards/YardTable.h"

#include "shell/Environment.h"
#include "store/SharedDocuments.h"
#include "store/ShipIndex.h"

namespace ms {
namespace fs = std::filesystem;

namespace {
constexpr const char* kSailSentence = "In dieser Segelschiffswerft können neben den normalen auch besonders "
                                      "entwickelte Segelschiffe gebaut werden.";
constexpr const char* kSteamSentence = "In dieser Dampfschiffswerft können neben den normalen auch besonders "
                                       "entwickelte Dampfschiffe gebaut werden.";
} // namespace

const std::vector<YardRow>& YardTable() {
    static const std::vector<YardRow> rows = {
        {"AW", "Sail", "[Spantora] AW Neue Segelschiffswerft", "OnAW", "2000500020", "2000500020",
         "2000500021", "1010520", kSailSentence},
        {"AW", "Steam", "[Spantora] AW Neue Dampfschiffswerft", "OnAW", "2000500023", "2000500023",
         "2000500024", "1010521", kSteamSentence},
        {"NW", "Sail", "[Spantora] NW Neue Segelschiffswerft", "OnNW", "2000500030", "2000500030",
         "2000500031", "1010520", kSailSentence},
        {"NW", "Steam", "[Spantora] NW Neue Dampfschiffswerft", "OnNW", "2000500033", "2000500033",
         "2000500034", "1010521", kSteamSentence},
        {"EN", "Sail", "[Spantora] EN Neue Segelschiffswerft", "OnEN", "2000500040", "2000500040",
         "2000500041", "1010521", kSailSentence},
        {"EN", "Steam", "[Spantora] EN Neue Dampfschiffswerft", "OnEN", "2000500045", "2000500045",
         "2000500046", "1010521", kSteamSentence},
    };
    return rows;
}

const YardRow* FindYard(std::string_view region, std::string_view engine) {
    for (const YardRow& row : YardTable())
        if (region == row.region && engine == row.engine)
            return &row;
    return nullptr;
}

std::vector<const YardRow*> YardsOfEngine(std::string_view engine) {
    std::vector<const YardRow*> yards;
    for (const YardRow& row : YardTable())
        if (engine == row.engine)
            yards.push_back(&row);
    return yards;
}

fs::path TemplateModFolder(std::string_view folder) {
    return env().xmlaDir / fs::path(std::string(folder));
}

fs::path DeployedModFolder(std::string_view folder) {
    if (env().modLocation.empty())
        return {};
    return fs::path(env().modLocation) / fs::path(std::string(folder));
}

fs::path YardAssetsFile(const YardRow& row) {
    const fs::path deployed = DeployedModFolder(row.folder);
    if (deployed.empty())
        return {};
    return deployed / "data" / "config" / "export" / "main" / "asset" / "assets.xml";
}

fs::path YardTextsFile(const fs::path& modFolder) {
    return modFolder / "data" / "config" / "gui" / "texts_german.xml";
}

int CountYardShips(const YardRow& row) {
    return static_cast<int>(SelectOnYard(ShipIndexRoot(), row.engine, row.region).size());
}

} // namespace ms
