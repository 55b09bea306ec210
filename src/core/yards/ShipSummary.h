#pragma once

#include "lifecycle/ShipForm.h"

#include <pugixml.hpp>

#include <cstdint>
#include <string>
#include <vector>

namespace ms {

struct SummaryColour {
    std::uint8_t r, g, b;
    bool operator==(const SummaryColour&) const = default;
};

inline constexpr SummaryColour kSummaryDarkRed{128, 0, 0};
inline constexpr SummaryColour kSummaryDarkBlue{0, 0, 128};

// One line of the overview's ship summary, shown bold and italic in its colour.
struct SummaryLine {
    std::string text;
    SummaryColour colour;
    bool operator==(const SummaryLine&) const = default;
};

// The summary the yard overview shows for a ship clicked in one of its lists, in order: its kind
// (template or new ship, dark red), the building costs, the details and the armament (dark blue from
// "Baukosten : " on). `form` holds the ship as the panel fills leave it, filled into a form of its
// own so that the main window's ship stays untouched; `indexEntry` is the ship's index entry (IsMod,
// Engine). A value whose record element is absent reads "0".
std::vector<SummaryLine> ShipSummaryLines(const ShipForm& form, pugi::xml_node indexEntry);

} // namespace ms
