#pragma once

#include "shell/Message.h"
#include "yards/YardBuildMenu.h"
#include "yards/YardTable.h"

#include <string>
#include <vector>

namespace ms {

// One row of a yard window's ship list.
struct YardListRow {
    std::string guid; // the row's caption
    std::string name;
    std::string flag;    // the region flag: "*" when the ship is in this yard's menu
    std::string yardPos; // sort key
    std::string picture; // Icon, or Icon + "_star" for an activated new ship
};

// Rows compare by YardPos as text, without regard to case ("A10" before "A9", "A…" before "B…").
bool ShipViewCompare(const YardListRow& a, const YardListRow& b);

// Reads ShipShort.xml again into the shared index and lists the entries of the row's engine with
// ShowInYard "true", sorted with ShipViewCompare (equal positions keep their index order).
std::vector<YardListRow> YardShipRows(const YardRow& row);

enum class YardToggleOutcome {
    Added,   // the region flag is now "*"
    Removed, // the region flag is now empty
    Refused, // the yard already holds the most ships it may: nothing changed (YardLimitMessage)
};

struct YardToggleResult {
    YardToggleOutcome outcome = YardToggleOutcome::Refused;
    YardRebuildResult rebuild; // the deployed menu's rebuild (not run on refusal)
};

// The double-click on a ship of a yard window: flips the ship's region flag in ShipShort.xml (read
// from disk), saves and reloads the index and rebuilds the yard's deployed menu. Adding to a yard
// that holds kYardMenuLimit ships is refused with index and mod unchanged; removal always works.
// Throws ms::Error for a ship without an index entry or of another engine, before anything changes.
YardToggleResult ToggleYardShip(const YardRow& row, const std::string& guid);

// The message window's "Maximum erreicht" notice for the row's yard.
Message YardLimitMessage(const YardRow& row);

} // namespace ms
