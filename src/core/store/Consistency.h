#pragma once

#include <filesystem>
#include <map>
#include <string>
#include <vector>

#include <pugixml.hpp>

namespace ms {

// Where the check looks.
struct ConsistencyPlaces {
    std::filesystem::path xmlaDir;     // the data directory
    std::filesystem::path modLocation; // the game's mods folder; empty: the mods are not checked
    // The data directory as delivered (the unpacked archive); empty: the pristine file and the
    // template mods are checked for what they must hold, not byte for byte.
    std::filesystem::path deliveredDir;
};

// The invariants that tie the data directory and the mods folder together, each broken one as a
// German sentence naming the file and the ship; empty when all hold:
// - no journal of an interrupted change and no copy aside is left;
// - every index entry has its record in ShipFull.xml and every record its entry, each GUID once;
// - a template's record has its pristine record, and both are as delivered;
// - the ship and text pools hold "Yes" exactly for the new ships that exist (with their asset and
//   text numbers), the trigger pool holds each new ship's trigger as "Yes", and no trigger number a
//   ship ever held reads free;
// - a new ship is activated with IsMod, Exported and ShowInYard together, and only an activated one
//   is on a yard;
// - every "[Spantora]" ship folder belongs to an activated new ship and is complete, and every
//   activated ship has exactly one;
// - every deployed build menu lists what the index says, every deployed yard is complete and
//   carries its template's name, and the template mods are complete (and as delivered, but for
//   their names).
std::vector<std::string> CheckConsistency(const ConsistencyPlaces& places);

// The parts of the check, for the two files that hold them.
struct LoadedData {
    pugi::xml_document index, assets, pristine;
    std::map<std::string, pugi::xml_node> entries; // index entries by GUID
};
void CheckDataDirectory(const ConsistencyPlaces& places, LoadedData& data, std::vector<std::string>& broken);
void CheckModsFolder(const ConsistencyPlaces& places, const LoadedData& data,
                     std::vector<std::string>& broken);

} // namespace ms
