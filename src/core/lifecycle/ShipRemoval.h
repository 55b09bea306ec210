#pragma once

#include "shell/Message.h"
#include "yards/YardBuildMenu.h"

#include <string>
#include <vector>

namespace ms {

struct ShipRemovalResult {
    bool indexEntryFound = false;         // the ship had an entry in ShipShort.xml
    std::vector<YardRebuildResult> yards; // the yards rebuilt, in table order (RebuildProblems)
    size_t newShipsLeft = 0;              // entries of the category of new ships afterwards
};

// "Schiff deaktivieren" for the ship G: its index entry gets Exported, OnAW, OnNW, OnEN, IsMod and
// ShowInYard of a deactivated ship (in this order) and is saved; the yards of its engine (all three
// regions) and every deployed yard whose menu still names G are rebuilt; then G's mod folders go.
// Record, identifiers and working file stay. Without an index entry only the menus naming G are
// rebuilt and the folders removed. All of it is one commit (Journal). The shared index is reloaded. Throws
// ms::Error for a GUID that is not a number, a standard ship, or a mod folder that cannot be deleted. The
// window then selects the category of new ships (the first category when newShipsLeft is 0) and calls
// ClearModCache.
ShipRemovalResult DeactivateShip(const std::string& guid);

// "Löschen" confirmed for the ship G. In an order that never leaves a mod or a build menu entry in
// the game for a ship the program no longer lists: G's mod folders (and staging leftovers) go, G's
// region flags are cleared and every yard of its engine (when it was activated or flagged) and every
// deployed yard whose menu names G is rebuilt; then the index entry, the record (number form), the
// working file XmlaDir/G.xml go and the identifiers are released (trigger "burned"), all in one
// commit (Journal). Each step is skipped when its part is already gone, so repeating a deletion
// that was interrupted before the journal existed completes it. The
// shared index and asset documents are reloaded. Throws like DeactivateShip.
ShipRemovalResult DeleteShip(const std::string& guid);

// The confirmation asked before DeleteShip.
Message DeleteShipQuestion(const std::string& shipName);

} // namespace ms
