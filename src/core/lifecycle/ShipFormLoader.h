#pragma once

#include "lifecycle/ShipForm.h"

#include <string_view>

namespace ms {

// Everything ShowShip puts into the data area for one ship, read from the open shared documents
// (the caller reloads them first): the ship context from its index entry and record, then the
// panels in the order Detail, Cost, Weapon, Expedition, Base, and the ship's name and GUID texts.
// Throws ms::Error when the ship has no record or no index entry.
ShipForm LoadShipForm(std::string_view guid, bool decimalIsPoint);

// Recomputes the knots of ForwardSpeedMaxValue and ForwardSpeedMinValue from the current text of
// ForwardSpeed; a text that is no number changes nothing.
void UpdateSpeedLabels(ShipForm& form, bool decimalIsPoint);

} // namespace ms
