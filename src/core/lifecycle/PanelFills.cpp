#include "lifecycle/PanelFills.h"

#include "lifecycle/ExpeditionFields.h"

#include "lifecycle/NumberFieldSpec.h"
#include "lifecycle/SpeedFactors.h"
#include "shell/Workforce.h"
#include "store/RecordStore.h"
#include "store/ReferenceLists.h"
#include "store/ValueEncoding.h"

#include <array>
#include <optional>
#include <string>

namespace ms {

namespace {

constexpr int CostRows = 7;

// Gives a number field its text as the field shows it (through its bounds).
void setNumber(ShipForm& form, std::string_view field, const std::string& text, bool decimalIsPoint) {
    const std::optional<NumberFieldSpec> spec = shipNumberField(field, form.context.engine);
    form.set(field, spec ? boundedFieldText(*spec, text, decimalIsPoint) : text);
}

// Integer fields are compared with "," or "." alike; the separator only matters for decimals.
void setInteger(ShipForm& form, std::string_view field, const std::string& text) {
    setNumber(form, field, text, false);
}

std::string summaryLine(std::string_view caption, std::string_view value, std::string_view unit = {}) {
    std::string line(caption);
    line += value;
    line += unit;
    line += " - ";
    return line;
}

} // namespace

void FillBasePanel(ShipForm& form, pugi::xml_node values) {
    const std::string workForce = ReadText(values, "Standard/WorkForce").value_or("");
    const std::string workInt = ReadText(values, "Standard/WorkInt").value_or("0");
    form.set("WorkForceGUID", workForce);
    // An unknown level keeps the label as it was: the window leaves fields the form lacks alone.
    if (const WorkforceLevel* level = findWorkforce(workForce))
        form.set("WorkForceLabel", std::string(level->shownName));
    setInteger(form, "WorkAmount", workInt);
    form.set("NewShipNameText", form.context.name);
    form.set("NewShipTextText", form.context.description);
}

void FillCostPanel(ShipForm& form, pugi::xml_node values) {
    struct Row {
        std::string amount = "0";
        std::string guid = "0";
        std::string name;
        std::string icon;
    };
    std::array<Row, CostRows> rows;
    form.summary.costLines.clear();

    int k = 0;
    for (const pugi::xpath_node& item : values.select_nodes("Cost/Costs/Item")) {
        if (k >= CostRows)
            break;
        Row& row = rows[static_cast<size_t>(k++)];
        const std::optional<std::string> ingredient = ReadText(item.node(), "Ingredient");
        if (!ingredient)
            continue;
        row.guid = *ingredient;
        if (const std::optional<Product> product = FindProduct(*ingredient)) {
            row.name = product->name;
            row.icon = product->icon;
        } else {
            // Not in the product list: keep the row readable instead of showing a blank name.
            row.name = "Produkt " + *ingredient;
            row.icon = "NoProduct";
        }
        if (const std::optional<std::string> amount = ReadText(item.node(), "Amount"))
            row.amount = *amount;
    }

    for (int i = 0; i < CostRows; ++i) {
        const Row& row = rows[static_cast<size_t>(i)];
        const std::string n = std::to_string(i);
        if (row.amount != "0") {
            setInteger(form, "CostSpin" + n, row.amount);
            form.set("CostLabel" + n, row.name);
            form.set("CostGUID" + n, row.guid);
            form.set("CostImage" + n, row.icon);
            form.summary.costLines.push_back(form.text("CostSpin" + n) + " " + row.name);
        } else {
            form.set("CostSpin" + n, "0");
            form.set("CostLabel" + n, "keine Auswahl");
            form.set("CostGUID" + n, "0");
            form.set("CostImage" + n, "NoProduct");
        }
    }
    setInteger(form, "InfluenceCostPoints", ReadText(values, "Cost/InfluenceCostPoints").value_or("0"));
}

void FillWeaponPanel(ShipForm& form, pugi::xml_node values, bool decimalIsPoint) {
    ShipSummary& s = form.summary;
    for (const char* field : {"WeaponMaxHitpoints", "WeaponSelfHealPause", "WeaponProjectileCount",
                              "WeaponBaseDamage", "WeaponReloadTime", "WeaponAttRange", "WeaponLineOfSight"})
        setInteger(form, field, "0");
    setNumber(form, "WeaponSelfHealPerSec", "0", decimalIsPoint);
    form.set("WeaponProjectileTypeGUID", "0");
    form.set("WeaponProjectileTypeCombo", "-1");
    s.hitPoints = s.selfRepair = s.repairStart = s.attackRange = s.damage = s.reload = s.reactionRange =
        s.projectileCount = s.weaponType = {};

    if (const auto hp = ReadText(values, "Attackable/MaximumHitPoints")) {
        setInteger(form, "WeaponMaxHitpoints", *hp);
        s.hitPoints = summaryLine(" Trefferpunkte : ", form.text("WeaponMaxHitpoints"));
    }
    if (const auto set = ReadText(values, "Attackable/WeaponSet")) {
        form.set("WeaponSet", *set);
        if (*set == "0")
            form.set("SetWeaponPanel", "Bewaffnung hinzufügen");
        else if (*set == "1")
            form.set("SetWeaponPanel", "Bewaffnung entfernen");
    }
    if (const auto heal = ReadText(values, "Attackable/SelfHealPerHealTick")) {
        setNumber(form, "WeaponSelfHealPerSec", DisplayDecimal(*heal, decimalIsPoint), decimalIsPoint);
        s.selfRepair = summaryLine(" Selbstreparatur : ", form.text("WeaponSelfHealPerSec"), "(.sek)");
    }
    if (const auto pause = ReadText(values, "Attackable/SelfHealPausedTimeIfAttacked")) {
        setInteger(form, "WeaponSelfHealPause", DisplaySeconds(*pause));
        s.repairStart = summaryLine(" Reparaturstart nach : ", form.text("WeaponSelfHealPause"), "(.sek)");
    }

    struct Offensive {
        const char* path;
        const char* field;
        const char* caption;
        std::string ShipSummary::*text;
    };
    const std::array<Offensive, 5> offensive{{
        {"Attacker/AttackRange", "WeaponAttRange", " Angriffsreichweite : ", &ShipSummary::attackRange},
        {"Attacker/BaseDamage", "WeaponBaseDamage", " Schaden pro Schuss : ", &ShipSummary::damage},
        {"Attacker/ReloadTime", "WeaponReloadTime", " Nachladedauer : ", &ShipSummary::reload},
        {"Attacker/LineOfSightRange", "WeaponLineOfSight", " Reaktionsweite : ", &ShipSummary::reactionRange},
        {"Attacker/ProjectileCount", "WeaponProjectileCount",
         " Projektilanzahl : ", &ShipSummary::projectileCount},
    }};
    for (const Offensive& o : offensive) {
        if (const auto value = ReadText(values, o.path)) {
            setInteger(form, o.field, *value);
            s.*o.text = summaryLine(o.caption, form.text(o.field));
        }
    }

    if (const auto asset = ReadText(values, "Attacker/ProjectileAsset")) {
        form.set("WeaponProjectileTypeGUID", *asset);
        if (const std::optional<Projectile> projectile = FindProjectile(*asset)) {
            form.set("WeaponProjectileTypeCombo", std::to_string(projectile->pos));
            s.weaponType = summaryLine(" Waffentyp : ", projectile->name);
        }
    }
}

void FillDetailPanel(ShipForm& form, pugi::xml_node values, bool decimalIsPoint) {
    ShipSummary& s = form.summary;
    const std::string& tpl = form.context.templateGuid;
    const std::optional<std::string> storedSpeed = ReadText(values, "Walking/ForwardSpeed");
    const std::string speedText = storedSpeed ? DisplayDecimal(*storedSpeed, decimalIsPoint) : "5";
    double speed = 0;
    if (!parseFieldNumber(speedText, decimalIsPoint, speed))
        speed = 0;
    const std::string maxKnots = FormatKnots(speed * MaxSpeedFactor(tpl), decimalIsPoint);
    const std::string minKnots = FormatKnots(speed * MinSpeedFactor(tpl), decimalIsPoint);

    const auto decimalField = [&](const char* path, const char* field) {
        const auto stored = ReadText(values, path);
        setNumber(form, field, stored ? DisplayDecimal(*stored, decimalIsPoint) : "0", decimalIsPoint);
        return stored.has_value();
    };
    const auto integerField = [&](const char* path, const char* field) {
        const auto stored = ReadText(values, path);
        setInteger(form, field, stored.value_or("0"));
        return stored.has_value();
    };

    s.cargoSlowdown = decimalField("Walking/CargoFullFactor", "CargoFullFactor")
                          ? summaryLine(" Frachtverlangsamung : ", form.text("CargoFullFactor"))
                          : std::string();
    s.sessionFactor = decimalField("Walking/SessionTransferSpeedFactor", "SessionTransferSpeedFactor")
                          ? summaryLine(" Sessionwechselfaktor : ", form.text("SessionTransferSpeedFactor"))
                          : std::string();
    s.militaryPoints = integerField("CommandQueue/MilitaryShipPoints", "MilitaryShipPoints")
                           ? summaryLine(" Militärpunkte : ", form.text("MilitaryShipPoints"))
                           : std::string();
    s.tradePoints = integerField("CommandQueue/TradeShipPoints", "TradeShipPoints")
                        ? summaryLine(" Handelspunkte : ", form.text("TradeShipPoints"))
                        : std::string();
    s.maintenance = integerField("ShipMaintenance/Maintenance", "ShipMaintenance")
                        ? summaryLine(" Betriebskosten : ", form.text("ShipMaintenance"))
                        : std::string();
    s.sockets = integerField("ItemContainer/SocketCount", "SocketCount")
                    ? summaryLine(" Itemsockel : ", form.text("SocketCount"))
                    : std::string();
    s.cargoSlots = integerField("ItemContainer/SlotCount", "SlotCount")
                       ? summaryLine(" Ladekammern : ", form.text("SlotCount"))
                       : std::string();
    s.capacity = integerField("ItemContainer/StackLimit", "StackLimit")
                     ? summaryLine(" Ladekapazität : ", form.text("StackLimit"), " pro Kammer")
                     : std::string();
    if (const auto crafting = ReadText(values, "Craftable/CraftingTime")) {
        setInteger(form, "CraftingTime", DisplaySeconds(*crafting));
        s.buildTime = summaryLine(" Bauzeit : ", form.text("CraftingTime"), " (.sek) ");
    } else {
        setInteger(form, "CraftingTime", "0");
        s.buildTime.clear();
    }

    // Only the presence counts: the element holds the product the cargo slot is fixed to.
    form.context.hasFixedCargo = static_cast<bool>(values.select_node("ItemContainer/FixedSlotContent"));

    s.maxSpeed.clear();
    s.minSpeed.clear();
    const std::string& engine = form.context.engine;
    if (engine == "Sail") {
        form.set("ForwardSpeedMaxText", "max. Segelgeschwindigkeit");
        form.set("ForwardSpeedMinText", "min. Segelgeschwindigkeit");
        form.set("ForwardSpeedMaxValue", maxKnots);
        form.set("ForwardSpeedMinValue", minKnots);
        if (storedSpeed) {
            s.maxSpeed = summaryLine(" max. Segelgeschwindigkeit : ", maxKnots);
            s.minSpeed = summaryLine(" min. Segelgeschwindigkeit : ", minKnots);
        }
    } else if (engine == "Steam") {
        form.set("ForwardSpeedMaxText", "max. Geschwindigkeit");
        form.set("ForwardSpeedMaxValue", maxKnots);
        if (storedSpeed)
            s.maxSpeed = summaryLine(" max/min. Geschwindigkeit : ", maxKnots);
    }
    setNumber(form, "ForwardSpeed", speedText, decimalIsPoint);
}

void FillExpeditionPanel(ShipForm& form, pugi::xml_node values) {
    std::array<std::string, ExpeditionFields.size()> amounts;
    amounts.fill("0");
    std::string perk1 = "ExpeditionPerk1";
    std::string perk2 = "ExpeditionPerk2";
    for (const pugi::xpath_node& item :
         values.select_nodes("ExpeditionAttribute/ExpeditionAttributes/Item")) {
        const std::optional<std::string> amount = ReadText(item.node(), "Amount");
        if (!amount)
            continue;
        const std::string attribute = ReadText(item.node(), "Attribute").value_or("");
        for (size_t i = 0; i < ExpeditionFields.size(); ++i)
            if (ExpeditionFields[i].attribute == attribute)
                amounts[i] = *amount;
        if (attribute == "PerkSailingShip" || attribute == "PerkSteamShip")
            perk1 = attribute;
        else if (attribute == "PerkMilitaryShip" || attribute == "PerkTradeShip")
            perk2 = attribute;
    }
    for (size_t i = 0; i < ExpeditionFields.size(); ++i)
        setInteger(form, ExpeditionFields[i].field, amounts[i]);
    form.set("ExpeditionPerk1", perk1);
    form.set("ExpeditionPerk2", perk2);
}

} // namespace ms
