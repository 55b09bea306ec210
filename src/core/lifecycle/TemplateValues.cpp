#include "lifecycle/TemplateValues.h"

#include "lifecycle/ExpeditionFields.h"

#include "store/RecordStore.h"
#include "store/ValueEncoding.h"

#include <array>
#include <optional>

namespace ms {

namespace {

constexpr int CostRows = 7;

enum class Form { Text, Decimal, Seconds };

struct Source {
    const char* field;
    const char* path;
    Form form;
};

constexpr std::array<Source, 23> Sources{{
    {"InfluenceCostPoints", "Cost/InfluenceCostPoints", Form::Text},
    {"WorkForceGUID", "Standard/WorkForce", Form::Text},
    {"WorkAmount", "Standard/WorkInt", Form::Text},
    {"WeaponSet", "Attackable/WeaponSet", Form::Text},
    {"WeaponMaxHitpoints", "Attackable/MaximumHitPoints", Form::Text},
    {"WeaponSelfHealPerSec", "Attackable/SelfHealPerHealTick", Form::Decimal},
    {"WeaponSelfHealPause", "Attackable/SelfHealPausedTimeIfAttacked", Form::Seconds},
    {"WeaponAttRange", "Attacker/AttackRange", Form::Text},
    {"WeaponBaseDamage", "Attacker/BaseDamage", Form::Text},
    {"WeaponReloadTime", "Attacker/ReloadTime", Form::Text},
    {"WeaponLineOfSight", "Attacker/LineOfSightRange", Form::Text},
    {"WeaponProjectileCount", "Attacker/ProjectileCount", Form::Text},
    {"WeaponProjectileTypeGUID", "Attacker/ProjectileAsset", Form::Text},
    {"ForwardSpeed", "Walking/ForwardSpeed", Form::Decimal},
    {"CargoFullFactor", "Walking/CargoFullFactor", Form::Decimal},
    {"SessionTransferSpeedFactor", "Walking/SessionTransferSpeedFactor", Form::Decimal},
    {"MilitaryShipPoints", "CommandQueue/MilitaryShipPoints", Form::Text},
    {"TradeShipPoints", "CommandQueue/TradeShipPoints", Form::Text},
    {"ShipMaintenance", "ShipMaintenance/Maintenance", Form::Text},
    // Kept in milliseconds: the marker compares the shown seconds times 1000 against it.
    {"CraftingTime", "Craftable/CraftingTime", Form::Text},
    {"SocketCount", "ItemContainer/SocketCount", Form::Text},
    {"SlotCount", "ItemContainer/SlotCount", Form::Text},
    {"StackLimit", "ItemContainer/StackLimit", Form::Text},
}};


} // namespace

const std::string& TemplateValues::text(std::string_view field) const {
    static const std::string zero = "0";
    const auto it = m_values.find(field);
    return it == m_values.end() ? zero : it->second;
}

void TemplateValues::set(std::string_view field, std::string text) {
    const auto it = m_values.find(field);
    if (it != m_values.end())
        it->second = std::move(text);
    else
        m_values.emplace(std::string(field), std::move(text));
}

TemplateValues CollectTemplateValues(pugi::xml_node record, bool decimalIsPoint) {
    TemplateValues tpl;
    for (int k = 0; k < CostRows; ++k) {
        tpl.set("CostGUID" + std::to_string(k), "0");
        tpl.set("CostSpin" + std::to_string(k), "0");
    }
    for (const Source& s : Sources)
        tpl.set(s.field, "0");
    for (const ExpeditionField& e : ExpeditionFields)
        tpl.set(e.field, "0");
    if (!record)
        return tpl;

    // Cost rows by position, as the cost panel takes them; the amount counts only beside a product.
    int k = 0;
    for (const pugi::xpath_node& item : record.select_nodes("Cost/Costs/Item")) {
        if (k >= CostRows)
            break;
        const std::string n = std::to_string(k++);
        const std::optional<std::string> ingredient = ReadText(item.node(), "Ingredient");
        if (!ingredient)
            continue;
        tpl.set("CostGUID" + n, *ingredient);
        tpl.set("CostSpin" + n, ReadText(item.node(), "Amount").value_or("0"));
    }

    for (const Source& s : Sources) {
        const std::optional<std::string> stored = ReadText(record, s.path);
        if (!stored)
            continue;
        switch (s.form) {
        case Form::Text:
            tpl.set(s.field, *stored);
            break;
        case Form::Decimal:
            tpl.set(s.field, DisplayDecimal(*stored, decimalIsPoint));
            break;
        case Form::Seconds:
            tpl.set(s.field, DisplaySeconds(*stored));
            break;
        }
    }

    // Attribute items by name, and only those with an amount, as the expedition panel reads them.
    for (const pugi::xpath_node& item :
         record.select_nodes("ExpeditionAttribute/ExpeditionAttributes/Item")) {
        const std::optional<std::string> amount = ReadText(item.node(), "Amount");
        if (!amount)
            continue;
        const std::string attribute = ReadText(item.node(), "Attribute").value_or("");
        for (const ExpeditionField& e : ExpeditionFields)
            if (attribute == e.attribute)
                tpl.set(e.field, *amount);
    }
    return tpl;
}

TemplateValues CollectTemplateValues(std::string_view guid, bool decimalIsPoint) {
    return CollectTemplateValues(FindTemplateValues(FindShipValues(guid)), decimalIsPoint);
}

} // namespace ms
