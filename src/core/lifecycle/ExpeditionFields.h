#pragma once

#include <array>

namespace ms {

// The eight expedition values: the record's attribute name and the panel field that shows it, in
// the order the save writes them.
struct ExpeditionField {
    const char* attribute;
    const char* field;
};

inline constexpr std::array<ExpeditionField, 8> ExpeditionFields{{
    {"Might", "MightInt"},
    {"Navigation", "NavigationInt"},
    {"Melee", "MeleeInt"},
    {"Medicine", "MedicineInt"},
    {"Hunting", "HuntingInt"},
    {"Faith", "FaithInt"},
    {"Diplomacy", "DiplomacyInt"},
    {"Crafting", "CraftingInt"},
}};

} // namespace ms
