#pragma once

#include <string>
#include <string_view>
#include <vector>

#include <pugixml.hpp>

namespace ms {

// What the mod operations of a ship need besides its record.
struct ModAssetsValues {
    std::string shipGuid;    // S, the asset identifier
    std::string triggerGuid; // R, index attribute TriggerGUID
    std::string modName;     // N, the transliterated ship name
    std::string workForce;   // WF, the workforce identifier field
    std::string workAmount;  // WA, the workforce amount field
    std::string engine;      // "Sail" or "Steam", index attribute Engine
    bool armed = false;      // the weapons toggle reads "Bewaffnung entfernen"
};

// Total width of a padded header line's text before the closing "* -->".
inline constexpr size_t kModHeaderWidth = 119;

// A padded header line: the text, blanks up to kModHeaderWidth characters (none when it is that
// long already), then "* -->". Characters, not bytes, are counted.
std::string PadModHeaderLine(std::string_view text);

// The six comment lines in front of the mod operations. `createdAt` is the local date and time as
// the user's system writes them (short date, long time); the user name is trimmed of blanks.
std::vector<std::string> ModHeaderLines(std::string_view createdAt, std::string_view userName);

// The changes the exported copy of a record gets: an unarmed ship (WeaponSet "0") loses its
// Attacker block, and Template follows the weapon state ("WarShip" for "1", else "TradeShip").
void PrepareExportRecord(pugi::xml_node asset);

// Builds the whole assets.xml document into `doc`: the header comments, then ModOps with the
// prepared copy of `asset` (the record itself stays untouched), the unlock trigger, the loading
// rules and the item-effect pools that apply. Header lines must be the comment lines of
// ModHeaderLines.
void BuildModAssets(pugi::xml_document& doc, pugi::xml_node asset, const ModAssetsValues& values,
                    const std::vector<std::string>& headerLines);

} // namespace ms
