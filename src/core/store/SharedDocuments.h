#pragma once

#include <filesystem>
#include <memory>
#include <vector>

#include <pugixml.hpp>

namespace ms {

// The six documents opened at start-up and kept for the whole run. A reload replaces a document by
// a fresh one; references and nodes taken from the old one are then stale, so take them anew after
// every reload (CurrentShipNodes keeps its own document alive, see below).
pugi::xml_document& ShipFullDoc();
pugi::xml_document& ShipFullOrgDoc();
pugi::xml_document& ShipIndexDoc();
pugi::xml_document& ProductListDoc();
pugi::xml_document& ProjectileListDoc();
pugi::xml_document& HelpDoc();

// Their root elements (null nodes while nothing is open).
pugi::xml_node ShipFullRoot();
pugi::xml_node ShipFullOrgRoot();
pugi::xml_node ShipIndexRoot();
pugi::xml_node ProductListRoot();
pugi::xml_node ProjectileListRoot();
pugi::xml_node HelpRoot();

// Index entries of the last filled ship list. The list holds the document its nodes belong to, so
// it stays usable after the index has been reloaded underneath it.
struct ShipNodeList {
    std::shared_ptr<const pugi::xml_document> owner;
    std::vector<pugi::xml_node> nodes;
};
const ShipNodeList& CurrentShipNodes();
// Replaces CurrentShipNodes by entries of the current ShipIndexDoc.
void SetCurrentShipNodes(std::vector<pugi::xml_node> nodes);

// The projectile entries (children of the projectile list's root) in file order.
const std::vector<pugi::xml_node>& ProjectileNodes();

// Opens all six in the start-up order: ShipFull, ShipFullOrg, ShipShort (CurrentShipNodes = the
// index root's children), ProductList, ProjectilesShortList (ProjectileNodes), Help. Every file is
// read before any open document is replaced, so a missing or malformed file throws ms::Error naming
// it and leaves the open documents as they were.
void OpenSharedDocuments(const std::filesystem::path& xmlaDir);

// Reloads only the ship index or only the working asset file (the save and the shipyard windows
// re-read one of them). Throw like OpenSharedDocuments. These and ReloadShipDocuments keep a
// document whose file is unchanged since it was parsed.
void ReloadShipIndexDoc(const std::filesystem::path& xmlaDir);
void ReloadShipFullDoc(const std::filesystem::path& xmlaDir);
// Called before the working asset file's or the index's document is changed in memory: the next
// reload parses both files again, whatever their state on disk.
void SharedShipDocumentsEdited();

// Drops every shared document (tests).
void CloseSharedDocuments();

} // namespace ms
