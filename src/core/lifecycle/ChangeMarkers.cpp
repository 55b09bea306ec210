#include "lifecycle/ChangeMarkers.h"

#include <array>
#include <charconv>

namespace ms {

namespace {

constexpr std::array<MarkerRule, 37> Rules{{
    {"CostDot0", DataPanel::Cost, "CostGUID0", "CostSpin0"},
    {"CostDot1", DataPanel::Cost, "CostGUID1", "CostSpin1"},
    {"CostDot2", DataPanel::Cost, "CostGUID2", "CostSpin2"},
    {"CostDot3", DataPanel::Cost, "CostGUID3", "CostSpin3"},
    {"CostDot4", DataPanel::Cost, "CostGUID4", "CostSpin4"},
    {"CostDot5", DataPanel::Cost, "CostGUID5", "CostSpin5"},
    {"CostDot6", DataPanel::Cost, "CostGUID6", "CostSpin6"},
    {"InfluenceCostDot", DataPanel::Cost, "InfluenceCostPoints", {}},
    {"WorkForceDot", DataPanel::Base, "WorkForceGUID", "WorkAmount"},
    {"ForwardSpeedDot", DataPanel::Detail, "ForwardSpeed", {}},
    {"CargoFullFactorDOt", DataPanel::Detail, "CargoFullFactor", {}},
    {"SessionTransferSpeedFactorDot", DataPanel::Detail, "SessionTransferSpeedFactor", {}},
    {"MilitaryShipPointsDot", DataPanel::Detail, "MilitaryShipPoints", {}},
    {"TradeShipPointsDot", DataPanel::Detail, "TradeShipPoints", {}},
    {"ShipMaintenanceDot", DataPanel::Detail, "ShipMaintenance", {}},
    {"CraftingTimeDot", DataPanel::Detail, "CraftingTime", {}},
    {"StackLimitDot", DataPanel::Detail, "StackLimit", {}},
    {"SocketCountDot", DataPanel::Detail, "SocketCount", {}},
    {"SlotCountDot", DataPanel::Detail, "SlotCount", {}},
    {"MightDot", DataPanel::Expedition, "MightInt", {}},
    {"NavigationDot", DataPanel::Expedition, "NavigationInt", {}},
    {"HuntingDot", DataPanel::Expedition, "HuntingInt", {}},
    {"FaithDot", DataPanel::Expedition, "FaithInt", {}},
    {"DiplomacyDot", DataPanel::Expedition, "DiplomacyInt", {}},
    {"CraftingDot", DataPanel::Expedition, "CraftingInt", {}},
    {"MeleeDot", DataPanel::Expedition, "MeleeInt", {}},
    {"MedicineDot", DataPanel::Expedition, "MedicineInt", {}},
    {"WeaponSetDot", DataPanel::Weapon, "WeaponSet", {}},
    {"WeaponMaxHitPointsDot", DataPanel::Weapon, "WeaponMaxHitpoints", {}},
    {"WeaponSelfHealPerSecDot", DataPanel::Weapon, "WeaponSelfHealPerSec", {}},
    {"WeaponSelfHealPauseDot", DataPanel::Weapon, "WeaponSelfHealPause", {}},
    {"WeaponProjectileTypeDot", DataPanel::Weapon, "WeaponProjectileTypeGUID", {}},
    {"ProjectileCountDot", DataPanel::Weapon, "WeaponProjectileCount", {}},
    {"WeaponBaseDamageDot", DataPanel::Weapon, "WeaponBaseDamage", {}},
    {"WeaponReloadTimeDot", DataPanel::Weapon, "WeaponReloadTime", {}},
    {"WeaponAttRangeDot", DataPanel::Weapon, "WeaponAttRange", {}},
    {"WeaponLineOfSightDot", DataPanel::Weapon, "WeaponLineOfSight", {}},
}};

struct Button {
    const char* button;
    const char* picture;
    DataPanel panel;
    int width;
};
constexpr std::array<Button, 5> Buttons{{
    {"BaseImageBtn", "Base", DataPanel::Base, 165},
    {"CostImageBtn", "Cost", DataPanel::Cost, 165},
    {"WeaponImageBtn", "Weapon", DataPanel::Weapon, 107},
    {"DetailImageBtn", "Detail", DataPanel::Detail, 107},
    {"ExpeditionImageBtn", "Expedition", DataPanel::Expedition, 107},
}};
constexpr int ButtonHeight = 28;

// The shown seconds times 1000 against the stored milliseconds, so a template time that is no
// whole number of seconds keeps its marker (the save would store it rounded down). A shown text
// that is no whole number always differs.
bool craftingTimeDiffers(std::string_view shownSeconds, std::string_view storedMilliseconds) {
    long long seconds = 0;
    const auto [end, ec] =
        std::from_chars(shownSeconds.data(), shownSeconds.data() + shownSeconds.size(), seconds);
    if (shownSeconds.empty() || ec != std::errc() || end != shownSeconds.data() + shownSeconds.size())
        return true;
    return std::to_string(seconds * 1000) != storedMilliseconds;
}

bool differs(const ShipForm& form, const TemplateValues& tpl, std::string_view field) {
    if (field == "CraftingTime")
        return craftingTimeDiffers(form.text(field), tpl.text(field));
    return form.text(field) != tpl.text(field);
}

} // namespace

std::span<const MarkerRule> markerRules() {
    return Rules;
}

bool ChangeMarkers::shown(std::string_view marker) const {
    for (const auto& [name, visible] : markers)
        if (name == marker)
            return visible;
    return false;
}

const std::string& ChangeMarkers::picture(std::string_view button) const {
    static const std::string none;
    for (const PanelButtonPicture& b : buttons)
        if (b.button == button)
            return b.picture;
    return none;
}

bool ChangeMarkers::anyShown() const {
    for (const auto& marker : markers)
        if (marker.second)
            return true;
    return false;
}

ChangeMarkers UpdateChangeMarkers(const ShipForm& form, const TemplateValues& tpl, bool newShipList) {
    ChangeMarkers result;
    std::array<bool, 5> changed{};
    for (const MarkerRule& rule : Rules) {
        bool visible = differs(form, tpl, rule.field);
        if (!rule.secondField.empty())
            visible = visible || differs(form, tpl, rule.secondField);
        if (visible)
            changed[static_cast<size_t>(rule.panel)] = true;
        result.markers.emplace_back(std::string(rule.marker), visible);
    }
    for (const Button& b : Buttons) {
        const bool one = newShipList && changed[static_cast<size_t>(b.panel)];
        result.buttons.push_back(
            {b.button, std::string(b.picture) + (one ? "1" : "2"), b.width, ButtonHeight});
    }
    return result;
}

} // namespace ms
