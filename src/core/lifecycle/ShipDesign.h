#pragma once

#include "lifecycle/ShipForm.h"

#include <filesystem>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace ms {

class MessageSink;

// A ship's design as players hand it on: the template it derives from and every value the save
// writes from the panels, without any identifier of the installation it came from (no ship, text or
// trigger GUID). Stored as one small XML file, root SpantoraShipDesign with Version 1.
struct ShipDesign {
    std::string templateGuid; // GUID of a delivered template
    std::string name;         // NewShipNameText
    std::string description;  // NewShipTextText
    std::string workForce;    // WorkForceGUID
    std::string workAmount;   // WorkAmount
    ShipForm::Fields values;  // every field of shipDesignFields() by its control name

    bool operator==(const ShipDesign&) const = default;
};

// The version this program writes. Every later program reads it; a higher one is refused.
inline constexpr int kShipDesignVersion = 1;
inline constexpr const char* kShipDesignExtension = ".spantora";

// The panel fields a design holds besides name, description and unlock condition, in file order.
std::span<const std::string_view> shipDesignFields();

// The bytes of a design file: UTF-8 with declaration, two blanks of indentation, CR LF.
std::string WriteShipDesignBytes(const ShipDesign& design);

// Reads a design file's bytes and checks everything that does not depend on the data directory:
// XML with nothing beside the root (no DOCTYPE, no trailing text or element), root and Version, no
// unknown element or attribute, every field present once, of its kind and holding text only,
// numbers inside their fields' bounds and no longer than the field holds, the name as the name box
// takes it, no combination the window cannot make. Numbers come back in the form the data files
// take. Throws ms::Error whose message names the first problem in lower case, for the caller to put
// behind its own first words. Safe on any bytes.
ShipDesign ReadShipDesign(std::string_view bytes);

// Whether the window's form of a new ship holds edits its saved state lacks, as far as a design
// of the ship would differ.
bool ShipDesignHasUnsavedEdits(const ShipForm& shown);

// The design of the ship `guid` as saved in the data directory (unsaved edits in the window are not
// part of it), checked as the loader checks it, written atomically to `file`. Throws ms::Error naming
// the problem; nothing is written then.
void SaveShipDesign(const std::filesystem::path& xmlaDir, std::string_view guid,
                    const std::filesystem::path& file);

// Loads a design file as a new ship of this data directory: the file is read (only a regular file,
// and no more than a design may hold, so a pipe or a device never blocks) and checked completely
// (also its template, products and projectile against this data), then the ship is created from the
// template through the ordinary creation, given the design's values and saved through the ordinary
// save. Result: the new ship's GUID; empty when a pool was exhausted, which `sink` was told.
// A refusal throws ms::Error naming the file and the first problem, with no file changed and no
// identifier taken; a failure after the creation puts every changed data file back.
std::optional<std::string> LoadShipDesign(const std::filesystem::path& xmlaDir,
                                          const std::filesystem::path& file, MessageSink& sink);

// The proposed file name for a ship's design: its name transliterated, characters no file name
// takes replaced, with the extension.
std::string ShipDesignFileName(std::string_view shipName);

} // namespace ms
