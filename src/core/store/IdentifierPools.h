#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace ms {

class MessageSink;

// The three numbers a new ship owns.
struct ShipIdentifiers {
    std::string assetGuid;
    std::string textGuid;
    std::string triggerGuid;
};

// Takes the first free ("No") entry of the ship, text and trigger pool, marks them "Yes" with the
// new asset identifier as OrgGuid and saves the pools (ship, text, trigger). When a pool has no free
// entry the refusal goes to `sink` (header "Kontingent erschöpft", picture "Frage", OK only), no
// file changes, and the result is empty. Missing or malformed pool files throw ms::Error before
// anything is written.
std::optional<ShipIdentifiers> AllocateShipIdentifiers(const std::filesystem::path& xmlaDir,
                                                       MessageSink& sink);

// Gives the ship's asset and text number back ("No", OrgGuid "0") and marks the first trigger
// entry with its OrgGuid "burned". A pool without an entry of the ship stays unchanged.
void ReleaseShipIdentifiers(const std::filesystem::path& xmlaDir, std::string_view assetGuid);

// The refusal texts (line breaks as "\r").
extern const char* const kPoolExhaustedHeader;
extern const char* const kShipPoolExhaustedText;
extern const char* const kTriggerPoolExhaustedText;
extern const char* const kTextPoolExhaustedText;

} // namespace ms
