#pragma once

#include "lifecycle/ChangeMarkers.h"
#include "lifecycle/ShipForm.h"
#include "lifecycle/TemplateValues.h"

#include <string_view>

namespace ms {

// The edit actions of a new ship's data panels. Each changes the panel fields in `form` and returns
// the change markers recomputed against the template values, so an event handler reads the panel
// fields into the form, calls one of these and shows the form and the markers again. They read
// the open shared documents (working file, pristine file, projectile list).

// The arm/disarm button's two captions.
inline constexpr const char* kArmCaption = "Bewaffnung hinzufügen";
inline constexpr const char* kDisarmCaption = "Bewaffnung entfernen";

// A change of any number field except ForwardSpeed (the GUI also hides the yard selection panel).
ChangeMarkers UniClick(const ShipForm& form, const TemplateValues& tpl, bool newShipList);

// A change of ForwardSpeed: the knots follow the new text, then the markers.
ChangeMarkers ForwardSpeedChange(ShipForm& form, const TemplateValues& tpl, bool newShipList,
                                 bool decimalIsPoint);

// A click on a population image: WorkForceGUID takes the level's GUID and WorkForceLabel its name;
// WorkAmount keeps its value. An unknown GUID changes nothing.
ChangeMarkers SetPicClick(ShipForm& form, std::string_view workforceGuid, const TemplateValues& tpl,
                          bool newShipList);

// The arm/disarm button `SetWeaponPanel`. Its caption decides: "Bewaffnung entfernen" disarms
// (offensive fields and projectile "0"); "Bewaffnung hinzufügen" arms a war ship with the weapons
// of its template (LoadTemplateWeapons) and a trade ship with the defaults (105, 50, 40, 100, 2,
// projectile 102277). The defensive fields are never touched.
ChangeMarkers SetWeaponPanelClick(ShipForm& form, const TemplateValues& tpl, bool newShipList);

// The offensive fields from the pristine record of `templateGuid`: first all "0" and no projectile,
// then every value the record has. A template missing from the pristine file leaves them at "0".
void LoadTemplateWeapons(ShipForm& form, std::string_view templateGuid);

// A choice in the projectile list: WeaponProjectileTypeGUID takes the GUID of the entry whose Pos
// is the chosen position. Throws ms::Error when the list has no such entry.
ChangeMarkers WeaponProjectileTypeComboClick(ShipForm& form, int position, const TemplateValues& tpl,
                                             bool newShipList);

// The product picker's pick for cost row `row` (0..6): a product fills CostLabel, CostGUID and
// CostImage of the row and turns an amount of 0 (or an empty field) into 1, any other amount stays;
// the red cross kRemoveCostProduct empties the row ("keine Auswahl", "0", amount 0, "NoProduct").
// Nothing is written to disk. Throws ms::Error for a row outside 0..6 or a product missing from
// the product list.
inline constexpr const char* kRemoveCostProduct = "0000000";
ChangeMarkers PickProduct(ShipForm& form, int row, std::string_view productGuid, const TemplateValues& tpl,
                          bool newShipList);

} // namespace ms
