#pragma once

#include "yards/YardAssignment.h"
#include "yards/YardTable.h"

#include <vector>

namespace ms {

// The ships of one yard as the overview lists them: the entries of ShipShort.xml with the row's
// engine and "*" in its region flag, read from disk into a document of their own (the shared index
// stays as it is), sorted by GUID as text (100437 before 1010062 before 2000501100).
std::vector<YardListRow> OverviewShipRows(const YardRow& row);

} // namespace ms
