#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include <pugixml.hpp>

namespace ms {

// The record store: the only way to reach a ship's asset record in ShipFull.xml and its template
// record in the pristine file. "Number" forms compare the GUID as a number (0100438 finds 100438),
// quoted forms compare text.

// Loads ShipFull.xml, the pristine file and ShipShort.xml again, replacing the shared documents.
// All three are read before anything is replaced; a missing or malformed one throws ms::Error.
void ReloadShipDocuments(const std::filesystem::path& xmlaDir);

// "//Asset/Values[Standard/GUID=" GUID "]" in ShipFullDoc, or in the document of `anyNode`.
pugi::xml_node FindShipValues(std::string_view guid);
pugi::xml_node FindShipValues(pugi::xml_node anyNode, std::string_view guid);

// "//Asset/Values[Standard/GUID="GUID"]" (text comparison).
pugi::xml_node FindShipValuesQuoted(std::string_view guid);
pugi::xml_node FindShipValuesQuoted(pugi::xml_node anyNode, std::string_view guid);

// The whole Asset element: quoted form "//Asset[Values/Standard/GUID="GUID"]" (creation,
// activation) or number form "//Asset[Values/Standard/GUID=" GUID "]" (deletion).
enum class GuidForm { Number, Quoted };
pugi::xml_node FindShipAsset(std::string_view guid, GuidForm form);
pugi::xml_node FindShipAsset(pugi::xml_node anyNode, std::string_view guid, GuidForm form);

// "//Asset/Values/Standard[GUID=" GUID "]/Base" in ShipFullDoc: the template GUID of a new ship;
// null for a template.
pugi::xml_node FindBaseOf(std::string_view guid);

// The template record in ShipFullOrgDoc: the record whose GUID is the ship's Standard/Base, or the
// ship's own GUID when it has no Base. Null when the pristine file has no such record.
pugi::xml_node FindTemplateValues(pugi::xml_node shipValues);

// Text of the first element at the relative path below `values` ("Walking/ForwardSpeed");
// nullopt when there is no such element.
std::optional<std::string> ReadText(pugi::xml_node values, std::string_view path);

// Sets the text of the first element at the path; never creates one. Returns whether it existed.
bool WriteText(pugi::xml_node values, std::string_view path, std::string_view text);

// Writes ShipFullDoc, ShipFullOrgDoc and ShipIndexDoc to their files, in this order. The pristine
// file is written under the name it has on disk. Throws ms::Error (nothing written) when one of the
// documents is not open.
void SaveShipDocuments(const std::filesystem::path& xmlaDir);

} // namespace ms
