#include "lifecycle/NumberFieldSpec.h"

#include "shell/Error.h"
#include "store/ValueEncoding.h"

#include <array>
#include <charconv>
#include <cmath>

namespace ms {

namespace {
// name, min, max, small step, large step, typed characters, decimal, repeat, caption
constexpr std::array<NumberFieldSpec, 35> Table{{
    {"WorkAmount", 1, 1000, 1, 50, 4, false, true, "Baufreigabe ab"},
    {"CostSpin0", 0, 500, 1, 10, 3, false, true, "Baukosten Zeile 1"},
    {"CostSpin1", 0, 500, 1, 10, 3, false, true, "Baukosten Zeile 2"},
    {"CostSpin2", 0, 500, 1, 10, 3, false, true, "Baukosten Zeile 3"},
    {"CostSpin3", 0, 500, 1, 10, 3, false, true, "Baukosten Zeile 4"},
    {"CostSpin4", 0, 500, 1, 10, 3, false, true, "Baukosten Zeile 5"},
    {"CostSpin5", 0, 500, 1, 10, 3, false, true, "Baukosten Zeile 6"},
    {"CostSpin6", 0, 500, 1, 10, 3, false, true, "Baukosten Zeile 7"},
    {"InfluenceCostPoints", 0, 500, 1, 10, 3, false, true, "Einflusspunkte"},
    {"WeaponMaxHitpoints", 250, 25000, 10, 250, 5, false, true, "Trefferpunkte"},
    {"WeaponSelfHealPerSec", 0, 15, 0.1, 0.5, 3, true, true, "Selbstheilung pro Sek"},
    {"WeaponSelfHealPause", 0, 600, 1, 5, 3, false, true, "Selbstheilungstart (sek.)"},
    {"WeaponProjectileCount", 0, 50, 1, 5, 2, false, false, "Projektilanzahl"},
    {"WeaponBaseDamage", 0, 1250, 1, 100, 2, false, false, "Schaden pro Schuss"},
    {"WeaponReloadTime", 0, 125, 1, 5, 3, false, false, "Nachladedauer (sek.)"},
    {"WeaponAttRange", 0, 100, 1, 5, 2, false, false, "Angriffsreichweite"},
    {"WeaponLineOfSight", 0, 100, 1, 5, 2, false, false, "Reaktionsweite"},
    {"ForwardSpeed", 0.1, 65, 0.1, 1, 2, true, true, "Geschwindigkeit Faktor"},
    {"CargoFullFactor", 0.1, 1, 0.1, 1, 2, true, true, "Frachtverlangsamung"},
    {"SessionTransferSpeedFactor", 0.1, 5, 0.1, 0.5, 3, true, true, "Sessionwechselfaktor"},
    {"MilitaryShipPoints", 0, 50, 1, 5, 2, false, true, "Militärpunkte"},
    {"TradeShipPoints", 0, 50, 1, 5, 2, false, true, "Handelspunkte"},
    {"ShipMaintenance", 0, 2500, 5, 50, 4, false, true, "Betriebskosten"},
    {"CraftingTime", 30, 900, 1, 10, 3, false, true, "Bauzeit (sek.)"},
    {"StackLimit", 50, 2500, 10, 50, 4, false, true, "Ladekapazität"},
    {"SocketCount", 0, 4, 1, 1, 1, false, true, "Itemsockel"},
    {"SlotCount", 0, 8, 1, 1, 1, false, true, "Ladekammern"},
    {"MightInt", 0, 100, 1, 5, 3, false, true, "Gefechtskunde"},
    {"NavigationInt", 0, 100, 1, 5, 3, false, true, "Navigation"},
    {"HuntingInt", 0, 100, 1, 5, 3, false, true, "Jagdglück"},
    {"FaithInt", 0, 100, 1, 5, 3, false, true, "Glaube"},
    {"DiplomacyInt", 0, 100, 1, 5, 3, false, true, "Redegabe"},
    {"CraftingInt", 0, 100, 1, 5, 3, false, true, "Geschick"},
    {"MeleeInt", 0, 100, 1, 5, 3, false, true, "Kampfkraft"},
    {"MedicineInt", 0, 100, 1, 5, 3, false, true, "Heilkunst"},
}};

double roundTo(double value, bool decimal) {
    return decimal ? std::round(value * 10.0) / 10.0 : std::round(value);
}
} // namespace

std::span<const NumberFieldSpec> numberFieldSpecs() {
    return Table;
}

const NumberFieldSpec* findNumberFieldSpec(std::string_view name) {
    for (const auto& spec : Table)
        if (spec.name == name)
            return &spec;
    return nullptr;
}

double forwardSpeedMaximum(std::string_view engine) {
    return engine == "Steam" ? 90.0 : 65.0;
}

std::optional<NumberFieldSpec> shipNumberField(std::string_view name, std::string_view engine) {
    const NumberFieldSpec* spec = findNumberFieldSpec(name);
    if (!spec)
        return std::nullopt;
    NumberFieldSpec bounds = *spec;
    if (name == "ForwardSpeed")
        bounds.maximum = forwardSpeedMaximum(engine);
    return bounds;
}

std::string formatFieldNumber(double value, bool decimal, bool decimalIsPoint) {
    char buffer[64];
    const double rounded = roundTo(value, decimal) + 0.0; // + 0.0 turns -0 into 0
    const auto result =
        decimal ? std::to_chars(buffer, buffer + sizeof buffer, rounded, std::chars_format::fixed, 1)
                : std::to_chars(buffer, buffer + sizeof buffer, rounded, std::chars_format::fixed, 0);
    std::string text(buffer, result.ptr);
    if (!decimalIsPoint)
        for (char& c : text)
            if (c == '.')
                c = ',';
    return text;
}

bool parseFieldNumber(std::string_view text, bool decimalIsPoint, double& value) {
    if (text.empty())
        return false;
    try {
        value = ParseDisplayedDecimal(text, decimalIsPoint);
        return std::isfinite(value);
    } catch (const Error&) {
        return false;
    }
}

std::string boundedFieldText(const NumberFieldSpec& spec, std::string_view text, bool decimalIsPoint) {
    double value = 0;
    if (!parseFieldNumber(text, decimalIsPoint, value))
        return std::string(text);
    if (value < spec.minimum)
        return formatFieldNumber(spec.minimum, spec.decimal, decimalIsPoint);
    if (value > spec.maximum)
        return formatFieldNumber(spec.maximum, spec.decimal, decimalIsPoint);
    return std::string(text);
}

std::string steppedFieldText(const NumberFieldSpec& spec, std::string_view text, double step, int steps,
                             bool decimalIsPoint) {
    double value = 0;
    if (!parseFieldNumber(text, decimalIsPoint, value))
        value = 0;
    value = roundTo(value + step * steps, spec.decimal);
    if (value < spec.minimum)
        value = spec.minimum;
    if (value > spec.maximum)
        value = spec.maximum;
    return formatFieldNumber(value, spec.decimal, decimalIsPoint);
}

} // namespace ms
