#pragma once

#include "lifecycle/ShipDesign.h"

#include <string>

namespace ms {

// The checks of a design, shared by the writer and the reader so that whatever is written can be
// loaded. Each returns the first problem in lower case ("der Schiffsname ist leer."), or "".

// Everything a design can be judged by on its own: the template GUID's form, name and description,
// the unlock condition, every field of its kind and inside its bounds (ForwardSpeed up to the larger
// of its two maximums), the perks and the arming flag.
std::string DesignValueFault(const ShipDesign& design);

// What depends on this data directory, judged on the open shared documents: the template is one of
// its templates (index entry and record, not a new ship), ForwardSpeed lies inside the bounds of the
// template's propulsion, every cost product is in the product list and the projectile in the
// projectile list.
std::string DesignDataFault(const ShipDesign& design);

} // namespace ms
