#pragma once

#include "lifecycle/ShipForm.h"
#include "store/IdentifierPools.h"

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace ms {

class MessageSink;

// What a new ship starts with besides its template: the three fields the main window shows for
// the selected template at the moment of creation.
struct NewShipFields {
    std::string templateShipGuid; // CurrentShipGuid: the template shown
    std::string name;             // NewShipNameText; the ship is named name + " (neu)"
    std::string workForce;        // WorkForceGUID
    std::string workAmount;       // WorkAmount
};

struct CreatedShip {
    ShipIdentifiers ids;      // asset, text and trigger identifier
    std::string name;         // with " (neu)"
    std::string templateGuid; // Standard/Base of the new record
};

// Derives a new ship from the template shown: takes an identifier from each pool, appends a copy
// of the template's record to ShipFull.xml (new GUID, name, InfoDescription, Base) and a copy of its
// index entry to ShipShort.xml, and reloads the shared ship documents.
//
// The template's record and index entry and the unlock condition (a known population level, a
// count from 1 to 1000) are checked before any identifier is taken. An exhausted pool is told through
// `sink` and nothing is written (result empty). The five files are committed together (Journal):
// when one of them cannot be written none changes and ms::Error is thrown, its message ending
// "Es wurde kein neues Schiff angelegt.", so no identifier is lost and no orphan record stays.
std::optional<CreatedShip> CreateNewShip(const std::filesystem::path& xmlaDir, const NewShipFields& fields,
                                         MessageSink& sink);

// The same with the fields taken from the form of the shown template.
std::optional<CreatedShip> CreateNewShip(const std::filesystem::path& xmlaDir, const ShipForm& form,
                                         MessageSink& sink);

} // namespace ms
