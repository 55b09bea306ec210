#pragma once

#include "lifecycle/ShipDesign.h"

#include <string>
#include <string_view>

namespace ms {

// The checks of a design, shared by the writer and the reader so that whatever is written can be
// loaded. Each returns the first problem in lower case ("der Schiffsname ist leer."), or "". Fields
// are named by what the user knows them by in the window, texts from the file are quoted visibly.

// What the window calls a design element ("CostGUID2" -> "Produkt der Baukosten Zeile 3"); the
// name itself for one the design does not know.
std::string designFieldCaption(std::string_view element);

// Everything a design can be judged by on its own: the template GUID's form, name and description,
// the unlock condition, every field of its kind, inside its bounds (ForwardSpeed up to the larger
// of its two maximums) and no longer than the field holds, the perks, the arming flag, and an
// unarmed ship without offensive values.
std::string DesignValueFault(const ShipDesign& design);

// What depends on this data directory, judged on the open shared documents: the template is one of
// its templates (index entry and record, not a new ship), ForwardSpeed lies inside the bounds of the
// template's propulsion, the perks are the template's (the window never changes them), every cost
// product is one the product picker offers or the template's own in that row, and the projectile is
// in the projectile list.
std::string DesignDataFault(const ShipDesign& design);

} // namespace ms
