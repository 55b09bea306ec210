#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace ms {

// Lookups in the three fixed lists opened at start-up (ProductListDoc, ProjectileListDoc, HelpDoc).
// Attributes of products and projectiles are read by position, as their formats define.

struct Product {
    std::string guid;
    std::string name;
    std::string icon;
};

// "Product[@GUID=" GUID "]" (number comparison, first match in file order).
std::optional<Product> FindProduct(std::string_view guid);

// "Product[@Category="Ship"]": the picker's products in file order.
std::vector<Product> PickerProducts();

struct Projectile {
    std::string guid;
    std::string name;
    int pos = 0; // index in the projectile type box
};

// Names of every projectile in file order: the projectile type box.
std::vector<std::string> ProjectileNames();

// "//Projectile[@GUID="GUID"]": GUID, Pos and Name of a ship's projectile.
std::optional<Projectile> FindProjectile(std::string_view guid);

// "//Projectile[@Pos="<index>"]": GUID of the projectile at a box index.
std::optional<std::string> ProjectileGuidAt(int boxIndex);

struct HelpEntry {
    std::string header;
    std::string text1;
    std::string text2;
    std::string text3;
};

// "//Text[GUID="<number>"]/Header" and likewise Text1..Text3; nullopt when the entry has no Text1.
std::optional<HelpEntry> FindHelpEntry(std::string_view helpNumber);

} // namespace ms
