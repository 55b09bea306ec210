#include "lifecycle/ShipSave.h"

#include "lifecycle/ExpeditionFields.h"

#include "lifecycle/NumberFieldSpec.h"
#include "lifecycle/ShipEditing.h"
#include "lifecycle/StoredFieldNumber.h"
#include "shell/Environment.h"
#include "shell/Error.h"
#include "shell/Journal.h"
#include "shell/XmlFile.h"
#include "store/RecordStore.h"
#include "store/ReferenceLists.h"
#include "store/SharedDocuments.h"
#include "store/ShipIndex.h"
#include "store/StoreFiles.h"
#include "store/ValueEncoding.h"

#include <array>
#include <charconv>
#include <optional>
#include <vector>

namespace ms {
namespace fs = std::filesystem;

namespace {

constexpr int CostRows = 7;
constexpr int ExpeditionItems = 10;

[[noreturn]] void refuse(const std::string& why) {
    throw Error("Das Schiff wurde nicht gespeichert: " + why);
}

// Number fields are stored as shown (with "." as decimal point) or, for the two time fields, shown
// in seconds and stored in milliseconds.
enum class Kind { Number, Milliseconds };

// One element a writer sets when the record has it, with the field its text comes from.
struct Write {
    const char* path;
    const char* field;
    Kind kind;
};

constexpr std::array<Write, 8> WeaponWrites{{
    {"Attackable/MaximumHitPoints", "WeaponMaxHitpoints", Kind::Number},
    {"Attackable/SelfHealPerHealTick", "WeaponSelfHealPerSec", Kind::Number},
    {"Attackable/SelfHealPausedTimeIfAttacked", "WeaponSelfHealPause", Kind::Milliseconds},
    {"Attacker/ProjectileCount", "WeaponProjectileCount", Kind::Number},
    {"Attacker/BaseDamage", "WeaponBaseDamage", Kind::Number},
    {"Attacker/ReloadTime", "WeaponReloadTime", Kind::Number},
    {"Attacker/AttackRange", "WeaponAttRange", Kind::Number},
    {"Attacker/LineOfSightRange", "WeaponLineOfSight", Kind::Number},
}};

constexpr std::array<Write, 10> DetailWrites{{
    {"Walking/CargoFullFactor", "CargoFullFactor", Kind::Number},
    {"Walking/SessionTransferSpeedFactor", "SessionTransferSpeedFactor", Kind::Number},
    {"CommandQueue/MilitaryShipPoints", "MilitaryShipPoints", Kind::Number},
    {"CommandQueue/TradeShipPoints", "TradeShipPoints", Kind::Number},
    {"ShipMaintenance/Maintenance", "ShipMaintenance", Kind::Number},
    {"Craftable/CraftingTime", "CraftingTime", Kind::Milliseconds},
    {"ItemContainer/SocketCount", "SocketCount", Kind::Number},
    {"ItemContainer/SlotCount", "SlotCount", Kind::Number},
    {"ItemContainer/StackLimit", "StackLimit", Kind::Number},
    {"Walking/ForwardSpeed", "ForwardSpeed", Kind::Number},
}};

// The movement values no panel shows: every save sets them, where the record has them.
constexpr std::array<std::pair<const char*, const char*>, 3> SpeedConstants{{
    {"Walking/Acceleration", "5.5"},
    {"Walking/Deceleration", "6.5"},
    {"Walking/TurnSpeedInPlace", "30"},
}};

// A number field's text as the record takes it, checked against the field's bounds first.
std::string stored(std::string_view field, std::string_view text, std::string_view engine, Kind kind) {
    const std::optional<NumberFieldSpec> spec = shipNumberField(field, engine);
    if (!spec)
        refuse("das Feld \"" + std::string(field) + "\" ist kein Zahlenfeld.");
    const StoredFieldNumber number = StoreFieldNumber(*spec, text, env().decimalIsPoint);
    if (!number.fault.empty())
        refuse(number.fault);
    return kind == Kind::Milliseconds ? StoredMilliseconds(number.text) : number.text;
}

std::string converted(const ShipForm& form, std::string_view field, Kind kind) {
    return stored(field, form.text(field), form.context.engine, kind);
}

struct PathText {
    const char* path;
    std::string text;
};

// Everything the writers set, worked out before the first document changes.
struct SavePlan {
    pugi::xml_node values;
    pugi::xml_node cost;
    struct CostRow {
        std::string ingredient; // empty: the row has no product
        std::string amount;
    };
    std::array<CostRow, CostRows> costRows;
    std::optional<std::string> influence;
    std::array<std::string, ExpeditionFields.size()> expedition;
    std::string perk1;
    std::string perk2;
    std::vector<PathText> weapons;
    std::vector<PathText> details;
    std::vector<PathText> base;
    std::string workForce;
    std::string workAmount;
    std::string name;
};

bool has(pugi::xml_node values, const char* path) {
    return static_cast<bool>(values.select_node(path));
}

void requireElement(pugi::xml_node values, const char* path) {
    if (!has(values, path))
        refuse("im Datensatz des Schiffs fehlt das Element " + std::string(path) + ".");
}

// A perk field holding its own name (or nothing) means the ship has no such perk.
std::string perkOf(const ShipForm& form, const char* field) {
    const std::string& text = form.text(field);
    return text == field ? std::string() : text;
}

std::string propulsionClass(std::string_view engine) {
    if (engine == "Sail")
        return "SailShip";
    if (engine == "Steam")
        return "SteamShip";
    refuse("der Antrieb \"" + std::string(engine) + "\" des Schiffs ist unbekannt.");
}

SavePlan planSave(const fs::path& xmlaDir, const ShipForm& form) {
    const std::string& guid = form.context.guid;
    SavePlan plan;
    if (!FindShipValues(guid))
        refuse("der Datensatz des Schiffs " + guid + " fehlt in der Datei " + kShipFullFile + ".");
    plan.values = FindShipValuesQuoted(guid);
    if (!plan.values)
        refuse("der Datensatz des Schiffs " + guid + " fehlt in der Datei " + kShipFullFile + ".");
    const pugi::xml_node values = plan.values;
    requireElement(values, "Cost/Costs");
    plan.cost = values.child("Cost");
    requireElement(values, "Attackable/WeaponSet");
    for (const char* path : {"Standard/Name", "Standard/InfoText", "Standard/WorkForce", "Standard/WorkInt"})
        requireElement(values, path);

    // The index is read from disk, as the base-data writer reloads it before it changes the entry.
    pugi::xml_document index;
    LoadShipIndex(index, xmlaDir);
    const pugi::xml_node entry = FindShipEntryQuoted(index.document_element(), guid);
    if (!entry || !ShipAttribute(entry, kShipAttrCount - 1))
        refuse("der Eintrag des Schiffs " + guid + " fehlt in der Datei " + kShipIndexFile + ".");

    // Costs: a row without a product is an empty item; an empty amount beside a product is 0.
    for (int k = 0; k < CostRows; ++k) {
        const std::string n = std::to_string(k);
        const std::string& product = form.text("CostGUID" + n);
        if (product.empty() || product == "0")
            continue;
        const std::string& amount = form.text("CostSpin" + n);
        plan.costRows[static_cast<size_t>(k)] = {
            product,
            stored("CostSpin" + n, amount.empty() ? "0" : amount, form.context.engine, Kind::Number)};
    }
    if (has(values, "Cost/InfluenceCostPoints"))
        plan.influence = converted(form, "InfluenceCostPoints", Kind::Number);

    for (size_t i = 0; i < ExpeditionFields.size(); ++i)
        plan.expedition[i] = converted(form, ExpeditionFields[i].field, Kind::Number);
    plan.perk1 = perkOf(form, "ExpeditionPerk1");
    plan.perk2 = perkOf(form, "ExpeditionPerk2");

    // Weapons.
    for (const Write& w : WeaponWrites)
        if (has(values, w.path))
            plan.weapons.push_back({w.path, converted(form, w.field, w.kind)});
    int position = -1;
    const std::string& combo = form.text("WeaponProjectileTypeCombo");
    std::from_chars(combo.data(), combo.data() + combo.size(), position);
    const std::optional<std::string> projectile = position >= 0 ? ProjectileGuidAt(position) : std::nullopt;
    if (!projectile)
        refuse("es ist kein Waffentyp gewählt.");
    if (has(values, "Attacker/ProjectileAsset"))
        plan.weapons.push_back({"Attacker/ProjectileAsset", *projectile});
    const std::string& caption = form.text("SetWeaponPanel");
    std::string weaponSet = form.text("WeaponSet");
    if (caption == kDisarmCaption)
        weaponSet = "1";
    else if (caption == kArmCaption)
        weaponSet = "0";
    if (weaponSet.empty())
        refuse("es ist nicht bestimmt, ob das Schiff bewaffnet ist.");
    plan.weapons.push_back({"Attackable/WeaponSet", weaponSet});
    if (has(values, "ItemContainer/SocketAllocation")) {
        const std::string p = propulsionClass(form.context.engine);
        plan.weapons.push_back(
            {"ItemContainer/SocketAllocation",
             weaponSet == "1" ? "Ship;TradeShip;Warship;" + p : "Ship;" + form.context.shipClass + ";" + p});
    }

    // Details, with the movement constants beside the speed.
    for (const Write& w : DetailWrites)
        if (has(values, w.path))
            plan.details.push_back({w.path, converted(form, w.field, w.kind)});
    if (has(values, "Walking/ForwardSpeed"))
        for (const auto& [path, text] : SpeedConstants)
            if (has(values, path))
                plan.details.push_back({path, text});

    // Base data.
    plan.name = form.text("NewShipNameText");
    plan.workForce = form.text("WorkForceGUID");
    const StoredFieldNumber unlockCount = StoreUnlockCount(plan.workForce, form.text("WorkAmount"));
    if (!unlockCount.fault.empty())
        refuse(unlockCount.fault);
    plan.workAmount = unlockCount.text;
    plan.base = {{"Standard/Name", plan.name},
                 {"Standard/InfoText", form.text("NewShipTextText")},
                 {"Standard/WorkForce", plan.workForce},
                 {"Standard/WorkInt", plan.workAmount}};
    return plan;
}

void appendText(pugi::xml_node parent, const char* name, const std::string& text) {
    parent.append_child(name).text().set(text.c_str());
}

void SaveCosts(const SavePlan& plan) {
    pugi::xml_node cost = plan.cost;
    cost.remove_child("Costs");
    pugi::xml_node costs = cost.append_child("Costs");
    for (const SavePlan::CostRow& row : plan.costRows) {
        pugi::xml_node item = costs.append_child("Item");
        if (row.ingredient.empty())
            continue;
        appendText(item, "Ingredient", row.ingredient);
        appendText(item, "Amount", row.amount);
    }
    if (plan.influence)
        WriteText(cost, "InfluenceCostPoints", *plan.influence);
}

void SaveExpedition(const SavePlan& plan) {
    pugi::xml_node values = plan.values;
    values.remove_child("ExpeditionAttribute");
    pugi::xml_node block = values.append_child("ExpeditionAttribute");
    appendText(block, "BaseMorale", "100");
    pugi::xml_node attributes = block.append_child("ExpeditionAttributes");
    std::array<pugi::xml_node, ExpeditionItems> items;
    for (pugi::xml_node& item : items)
        item = attributes.append_child("Item");
    for (size_t i = 0; i < ExpeditionFields.size(); ++i) {
        appendText(items[i], "Attribute", ExpeditionFields[i].attribute);
        appendText(items[i], "Amount", plan.expedition[i]);
    }
    const std::string* perks[] = {&plan.perk1, &plan.perk2};
    for (size_t i = 0; i < 2; ++i) {
        if (perks[i]->empty())
            continue;
        appendText(items[8 + i], "Attribute", *perks[i]);
        appendText(items[8 + i], "Amount", "1");
    }
}

void writeAll(pugi::xml_node values, const std::vector<PathText>& writes) {
    for (const PathText& w : writes)
        WriteText(values, w.path, w.text);
}

void SaveWeapons(const SavePlan& plan) {
    writeAll(plan.values, plan.weapons);
}
void SaveDetails(const SavePlan& plan) {
    writeAll(plan.values, plan.details);
}

void SaveBaseData(const SavePlan& plan, const std::string& guid) {
    writeAll(plan.values, plan.base);
    SetSavedEntryValues(FindShipEntryQuoted(ShipIndexRoot(), guid), plan.workForce, plan.workAmount,
                        plan.name);
}

} // namespace

void SaveShip(const fs::path& xmlaDir, const ShipForm& form, const SaveShipHooks& hooks) {
    const std::string guid = form.context.guid; // the form may be refilled by the hooks
    const SavePlan plan = planSave(xmlaDir, form);

    // The index document is taken fresh from disk before anything changes, so a failing read
    // still leaves every open document as it was.
    ReloadShipIndexDoc(xmlaDir);
    if (!FindShipEntryQuoted(ShipIndexRoot(), guid))
        refuse("der Eintrag des Schiffs " + guid + " fehlt in der Datei " + kShipIndexFile + ".");

    // From here the open documents differ from their files until the save has gone through.
    SharedShipDocumentsEdited();
    SaveCosts(plan);
    SaveExpedition(plan);
    SaveWeapons(plan);
    SaveDetails(plan);
    SaveBaseData(plan, guid);

    // The record and the index entry are committed together. The re-indentation after the display
    // changes no content, so it is a write of its own.
    {
        Journal journal(xmlaDir);
        SaveShipDocuments(xmlaDir);
        journal.commit();
    }
    ReloadShipFullDoc(xmlaDir);
    ReloadShipIndexDoc(xmlaDir);
    if (hooks.showShip)
        hooks.showShip();
    ReformatXmlFile(xmlaDir / kShipFullFile);

    const pugi::xml_node entry = FindShipEntryQuoted(ShipIndexRoot(), guid);
    if (entry && ShipValue(entry, kShipIsMod) == "true" && hooks.activateShip)
        hooks.activateShip(guid);
}

} // namespace ms
