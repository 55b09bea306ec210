#pragma once

#include "lifecycle/ShipForm.h"

#include <filesystem>
#include <functional>
#include <string>

namespace ms {

// What the main window does in the middle of a save, between the core's steps.
struct SaveShipHooks {
    // After the files are written and reloaded: select "Neue Schiffe", refresh the list, select the
    // remembered row again and ShowShip.
    std::function<void()> showShip;
    // Last, only for a ship whose index entry says IsMod "true": write its mod again.
    std::function<void(const std::string& guid)> activateShip;
};

// Writes the panel fields of the new ship form.context.guid into its record in ShipFullDoc and its
// index entry (writers in the order costs, expedition, weapons, details, base data), saves
// ShipFull.xml, ShipFullOrg.xml and ShipShort.xml in one commit (Journal), reloads ShipFull.xml and
// ShipShort.xml, calls hooks.showShip, re-indents ShipFull.xml and calls hooks.activateShip for an
// activated ship (its own commit: a failing activation leaves the save in place).
//
// Every element and number field the writers need is checked first: the record, Cost/Costs,
// Attackable/WeaponSet, Standard/Name, InfoText, WorkForce and WorkInt, the index entry, a chosen
// projectile, a known population level, and every number field that is written: a number of the
// field's kind inside the field's bounds (an empty cost amount is saved as "0"), stored with "." as
// decimal point ("2," as "2", ",5" as "0.5").
// A missing or faulty one throws ms::Error naming it, with the open documents and the files untouched.
void SaveShip(const std::filesystem::path& xmlaDir, const ShipForm& form, const SaveShipHooks& hooks = {});

} // namespace ms
