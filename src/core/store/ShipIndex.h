#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include <pugixml.hpp>

namespace ms {

// ShipShort.xml: one empty `Ship` element per ship with 21 attributes whose order is the format.
// Entries are read and written by position, as the file is defined.
enum ShipAttr : int {
    kShipGuid = 0,
    kShipName = 1,
    kShipIcon = 2,
    kShipChanged = 3,
    kShipExported = 4,
    kShipPos = 5,
    kShipTyp = 6,
    kShipArt = 7,
    kShipEngine = 8,
    kShipNew = 9,
    kShipWorkForce = 10,
    kShipWorkAmount = 11,
    kShipYardPos = 12,
    kShipOnBuild = 13,
    kShipInfoGuid = 14,
    kShipTriggerGuid = 15,
    kShipIsMod = 16,
    kShipOnAW = 17,
    kShipOnNW = 18,
    kShipOnEN = 19,
    kShipShowInYard = 20,
};
inline constexpr int kShipAttrCount = 21;

// The categories of the ship-type list, in its order.
inline constexpr const char* kCategorySail = "Segelschiffe";
inline constexpr const char* kCategorySteam = "Dampfschiffe";
inline constexpr const char* kCategoryExtra = "Extraschiffe";
inline constexpr const char* kCategoryNew = "Neue Schiffe";

// The most entries of one engine type that one region's shipyard may offer.
inline constexpr int kYardMenuLimit = 18;

// Attribute at position 0..20; a null attribute when the entry has fewer.
pugi::xml_attribute ShipAttribute(pugi::xml_node ship, int pos);
// Its text ("" when missing).
std::string ShipValue(pugi::xml_node ship, int pos);
std::string ShipValue(pugi::xml_node ship, const char* name);
// Sets the text at a position; throws ms::Error when the entry has no such attribute (an entry is
// never given attributes, so their order stays that of the file).
void SetShipValue(pugi::xml_node ship, int pos, std::string_view text);

// --- queries on the root element `Ships` ---------------------------------------------------------

// "Ship" followed by [@Typ="<category>"]; "Ship" alone for an empty category.
std::string CategoryQuery(std::string_view category);
std::vector<pugi::xml_node> SelectShips(pugi::xml_node root, std::string_view category);
// Entries of "Ship[@Typ="Neue Schiffe"]".
size_t CountNewShips(pugi::xml_node root);

// "Ship[@GUID=" GUID "]" (number comparison) and "Ship[@GUID="GUID"]" (text comparison).
pugi::xml_node FindShipEntry(pugi::xml_node root, std::string_view guid);
pugi::xml_node FindShipEntryQuoted(pugi::xml_node root, std::string_view guid);

// "Ship[@Engine="<engine>"][@ShowInYard="true"]": the ships a shipyard window lists.
std::vector<pugi::xml_node> SelectYardCandidates(pugi::xml_node root, std::string_view engine);
// "Ship[@Engine="<engine>"][@On<region>="*"]" with region "AW", "NW" or "EN": one build menu.
std::vector<pugi::xml_node> SelectOnYard(pugi::xml_node root, std::string_view engine,
                                         std::string_view region);

// Name of a region's flag attribute ("OnAW") and its position; throws ms::Error for another code.
int RegionFlagPos(std::string_view region);

// --- entry operations ----------------------------------------------------------------------------

// The values a created ship's entry receives besides those copied from its template.
struct NewShipEntry {
    std::string guid; // from the ship pool
    std::string name; // name box text + " (neu)"
    std::string workForce;
    std::string workAmount;
    std::string infoGuid;    // from the text pool
    std::string triggerGuid; // from the trigger pool
};

// Deep-copies the template's entry ("Ship[@GUID=" T "]"), sets its positions for a new ship, with
// Pos = YardPos = "A" + (entries before it + 1), and appends it as the last child of the root.
// Throws ms::Error when the template has no entry or not all 21 attributes.
pugi::xml_node AppendNewShipEntry(pugi::xml_node root, std::string_view templateGuid,
                                  const NewShipEntry& values);

// Loads ShipShort.xml into a fresh document, appends the new entry and saves it.
void AddShipIndexEntry(const std::filesystem::path& xmlaDir, std::string_view templateGuid,
                       const NewShipEntry& values);

// Save of a ship's editable index values: WorkForce, WorkAmount, Name.
void SetSavedEntryValues(pugi::xml_node ship, std::string_view workForce, std::string_view workAmount,
                         std::string_view name);
// Activation: Exported "true", IsMod "true", OnBuild empty, ShowInYard "true".
void MarkEntryActivated(pugi::xml_node ship);
// Deactivation: Exported "false", OnAW/OnNW/OnEN empty, IsMod "false", ShowInYard "false".
void MarkEntryDeactivated(pugi::xml_node ship);
// Deletion: removes the entry from its parent.
void RemoveShipEntry(pugi::xml_node ship);

enum class YardToggle { Cleared, Set, Refused };
// Flips the region flag of the entry: "*" -> empty; otherwise "*" unless kYardMenuLimit entries of
// the entry's engine already carry "*" there (then nothing changes and Refused is returned).
YardToggle ToggleYardFlag(pugi::xml_node ship, std::string_view region);

// Picture name of an entry: Icon, or Icon + "_star" when IsMod is "true".
std::string ShipPictureName(pugi::xml_node ship);

// Reads ShipShort.xml into `doc` / writes `doc` to it in the index format.
void LoadShipIndex(pugi::xml_document& doc, const std::filesystem::path& xmlaDir);
void SaveShipIndex(const pugi::xml_document& doc, const std::filesystem::path& xmlaDir);

} // namespace ms
