#pragma once

#include "lifecycle/ShipForm.h"

#include <filesystem>
#include <string>
#include <string_view>

namespace ms {

// Our contact address in the description of every ship mod (the yard mods carry the same).
inline constexpr const char* kModContactAddress = "https://www.marvessa-spantora.de";

// The mod description's summary of a shown ship, joined from the summary texts of its panels: the
// unlock, the cost rows, the weapons (armed ships only), the general values, the details.
std::string ModSummary(const ShipForm& shownShip);

// What modinfo.json says besides the fixed lines.
struct ModInfo {
    std::string version; // ProgramVersion()
    std::string modName; // N
    std::string summary; // ModSummary
    std::string picture; // the PNG bytes of the ship's icon picture (Active.png)
};

// The 44 lines of modinfo.json with CR LF, no byte-order mark; every value JSON-escaped.
std::string ModInfoFile(const ModInfo& info);

// Writes the picture to xmlaDir/Active.png and the description to modFolder/modinfo.json.
void WriteModInfo(const std::filesystem::path& xmlaDir, const std::filesystem::path& modFolder,
                  const ModInfo& info);

} // namespace ms
