#pragma once

// What the program reads of the store's documents once they are open: the ship display, the yard
// lists and the reference lists. The store fuzz targets run these over every document they feed in.
namespace fuzz {

// The first `limit` ships of the index, shown as the main window shows them.
void readShips(unsigned limit);
// The index as the lists, the yard windows and a creation read it.
void readIndex();
// The product, projectile and help lists as the panels and the help area read them, one at a time
// or all three.
void readProducts();
void readProjectiles();
void readHelp();
void readReferenceLists();

} // namespace fuzz
