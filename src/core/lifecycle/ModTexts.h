#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace ms {

// The two game texts of a ship mod: its name under the asset identifier and its description under
// the text identifier.
struct ShipTexts {
    std::string shipGuid;    // S
    std::string textGuid;    // X, index attribute InfoGUID
    std::string name;        // the name field as it stands, umlauts and all
    std::string description; // the description field as it stands
};

// The bytes of texts_german.xml: the fourteen lines in the format of XmlKind::ModTexts.
std::string ShipTextsFile(const ShipTexts& texts);

// Writes modFolder/data/config/gui/texts_german.xml, creating the folders it needs.
void WriteShipTexts(const std::filesystem::path& modFolder, const ShipTexts& texts);

} // namespace ms
