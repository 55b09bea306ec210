#pragma once

#include "lifecycle/ShipForm.h"

#include <filesystem>
#include <optional>
#include <string>

namespace ms {

// What activation takes from the platform rather than from the data files.
struct ActivationInputs {
    // Local date and time as the user's system writes them: short date, a blank, long time
    // ("29.07.2023 08:38:14" on a German system).
    std::string createdAt;
    // The ship's icon picture at 128 x 128 as PNG, looked up under its plain icon name (not the
    // "_star" picture of an activated ship).
    std::string iconPicture;
    // The logged-on user; CurrentUserName() when not given.
    std::optional<std::string> userName;
};

// The name of a ship's mod folder: "[Spantora] " + N + " (" + S + ")".
std::string ShipModFolderName(const std::string& modName, const std::string& shipGuid);

// "Schiff aktivieren", and the rewrite of an activated ship's mod after its save. `shown` is the
// ship as the main window shows it: its GUID, the ShipName and ShipIconLabel captions, the name,
// description, workforce and weapon-toggle fields and the propulsion are taken from there; the
// record, the identifiers and the mod description's summary from the data files.
//
// The new mod folder is built completely beside the mods, under a name no listing takes for a mod;
// only then are the ship's old folders set aside, the new one moved into place and the index entry
// marked activated (and ShipShort.xml reloaded into the shared document). Any failure throws
// ms::Error and leaves the mods folder and ShipShort.xml as they were. Also writes the working
// files XmlaDir/<GUID>.xml and XmlaDir/Active.png. Returns the mod folder.
//
// The caller then refreshes the ship list, selects the ship again and shows it (ShowShip).
std::filesystem::path ActivateShip(const ShipForm& shown, const ActivationInputs& inputs);

// The same for the ship as ShowShip shows it from the data files: the rewrite of an activated
// ship's mod at the end of its save, after the save has shown the ship again.
std::filesystem::path ActivateShip(const std::string& guid, const ActivationInputs& inputs);

} // namespace ms
