#pragma once

#include "shell/Message.h"
#include "yards/YardTable.h"

#include <string>
#include <string_view>
#include <vector>

namespace ms {

enum class YardRebuildOutcome {
    Written,     // the deployed build menu now lists the yard's ships from the index
    NotDeployed, // no deployed asset file: nothing changed, nothing to say
    Refused,     // the deployed asset file is malformed or has no Shipyard: left as it is
};

struct YardRebuildResult {
    const YardRow* yard = nullptr;
    YardRebuildOutcome outcome = YardRebuildOutcome::NotDeployed;
    std::string problem; // Refused: German text naming the file, for the message window
};

// Rewrites the AssemblyOptions of the deployed yard's Shipyard from the in-memory index: one Item
// with one Vehicle per entry of the row's engine flagged "*" in its region, in index order; an empty
// AssemblyOptions when there is none. It ends up as the last child of Shipyard; every other node of
// the file stays as it was. Callers save and reload the index before. The window refreshes the
// region's list and menu afterwards. A failing write throws ms::Error; the file then stays as it was.
YardRebuildResult RebuildYardBuildMenu(const YardRow& row);

// The rebuild of every yard of an engine, in region order.
std::vector<YardRebuildResult> RebuildYardsOfEngine(std::string_view engine);

// The problems of refused rebuilds, one paragraph each ("\r" between); empty when there were none.
std::string RebuildProblems(const std::vector<YardRebuildResult>& results);
// Shows those problems in the message window; nothing when every rebuild went through.
void ReportRebuildProblems(const std::vector<YardRebuildResult>& results, MessageSink& sink);

// Whether the deployed build menu lists the ship (a Vehicle with its GUID); false for a yard that
// is not deployed or a file that cannot be read.
bool YardMenuNamesShip(const YardRow& row, std::string_view guid);

// One place of the drawn build menu, from the deployed file and the in-memory index.
struct YardMenuPlace {
    std::string guid;
    std::string name;    // the index entry's Name: the place's hint
    std::string icon;    // the index entry's Icon
    bool newShipPicture; // IsMod "true": the picture comes from the new-ship set
};

// The deployed build menu in file order; a Vehicle without an index entry gives a place with empty
// name and icon. A yard that is not deployed or a file that cannot be read gives no places; for the
// latter `problem` gets the text a refused rebuild reports, naming the file. The window draws the
// first 18.
std::vector<YardMenuPlace> ReadYardBuildMenu(const YardRow& row, std::string* problem = nullptr);

} // namespace ms
