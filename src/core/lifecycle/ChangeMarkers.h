#pragma once

#include "lifecycle/ShipForm.h"
#include "lifecycle/TemplateValues.h"

#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace ms {

// The five data panels in the order their markers are evaluated.
enum class DataPanel { Cost, Base, Detail, Expedition, Weapon };

// One change marker: the marker picture's control name, its panel and the fields it watches.
struct MarkerRule {
    std::string_view marker;
    DataPanel panel;
    std::string_view field;
    std::string_view secondField; // empty when the marker watches one field
};

// Every marker of the five panels.
std::span<const MarkerRule> markerRules();

// A panel button with the picture it shows and that picture's size.
struct PanelButtonPicture {
    std::string button;  // "BaseImageBtn"
    std::string picture; // "Base1" (panel holds a change) or "Base2"
    int width = 0;
    int height = 0;
};

// What the change markers show: every marker name with its visibility, and the five panel buttons.
struct ChangeMarkers {
    std::vector<std::pair<std::string, bool>> markers; // in the order of markerRules()
    std::vector<PanelButtonPicture> buttons;           // Base, Cost, Weapon, Detail, Expedition

    bool shown(std::string_view marker) const;
    const std::string& picture(std::string_view button) const;
    bool anyShown() const;
};

// The markers as a pure function of the panel fields and the template values. A field differs
// when its shown text differs from the template's text; CraftingTime compares the shown seconds
// times 1000 with the stored milliseconds (an empty or unreadable time differs). While a template
// list is shown (`newShipList` false) every button shows its "2" picture.
ChangeMarkers UpdateChangeMarkers(const ShipForm& form, const TemplateValues& tpl, bool newShipList);

} // namespace ms
