#pragma once

#include "lifecycle/ChangeMarkers.h"
#include "lifecycle/ShipForm.h"

#include <pugixml.hpp>

namespace ms {

// The template comparison window's fills. Each comparison panel shows one panel of the shown ship's
// template record (pristine file) exactly as the main window's fill shows it, in a form of its own:
// the main window's form is never touched. `shown` gives the context: its template GUID the speed
// factors, its propulsion the speed captions, its name and description the base panel's texts.
// Base, Cost, Detail and Expedition are the main window's fills on the template record; the
// Weapon comparison differs (FillTemplateWeaponPanel).

// The weapon fill, then the projectile's name as text (WeaponProjectileType) and always the arm
// caption: the comparison has no weapon set state.
void FillTemplateWeaponPanel(ShipForm& form, pugi::xml_node templateValues, bool decimalIsPoint);

// A fresh form holding the comparison of `panel` for the ship `shown`, read from the open shared
// documents. Throws ms::Error when the ship or its template record is missing.
ShipForm LoadTemplateForm(const ShipContext& shown, DataPanel panel, bool decimalIsPoint);

} // namespace ms
