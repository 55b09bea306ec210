#pragma once

#include "lifecycle/ShipForm.h"

#include <pugixml.hpp>

namespace ms {

// The five panel fills: each sets its panel's fields, hidden fields and summary texts in `form`
// from the ship's `Values` element. They need form.context (template GUID, propulsion) to be set.
// Number fields are given their texts through their bounds, as the fields would show them.
void FillBasePanel(ShipForm& form, pugi::xml_node values);
void FillCostPanel(ShipForm& form, pugi::xml_node values);
void FillWeaponPanel(ShipForm& form, pugi::xml_node values, bool decimalIsPoint);
void FillDetailPanel(ShipForm& form, pugi::xml_node values, bool decimalIsPoint);
void FillExpeditionPanel(ShipForm& form, pugi::xml_node values);

} // namespace ms
