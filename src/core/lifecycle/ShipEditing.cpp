#include "lifecycle/ShipEditing.h"

#include "lifecycle/NumberFieldSpec.h"
#include "lifecycle/ShipFormLoader.h"
#include "shell/Error.h"
#include "shell/Workforce.h"
#include "store/RecordStore.h"
#include "store/ReferenceLists.h"
#include "store/SharedDocuments.h"

#include <array>
#include <optional>

namespace ms {

namespace {

struct Offensive {
    const char* field;
    const char* path;
    const char* defaultValue; // what arming a trade ship sets
};
constexpr std::array<Offensive, 5> OffensiveFields{{
    {"WeaponBaseDamage", "Attacker/BaseDamage", "105"},
    {"WeaponReloadTime", "Attacker/ReloadTime", "50"},
    {"WeaponAttRange", "Attacker/AttackRange", "40"},
    {"WeaponLineOfSight", "Attacker/LineOfSightRange", "100"},
    {"WeaponProjectileCount", "Attacker/ProjectileCount", "2"},
}};

// "Kanone, sehr leicht", first entry after "keine Auswahl".
constexpr const char* DefaultProjectileGuid = "102277";
constexpr const char* DefaultProjectilePos = "1";
constexpr const char* NoSelection = "-1";

// Integer fields show what they are given through their bounds, as after a fill.
void setInteger(ShipForm& form, std::string_view field, std::string_view text) {
    const NumberFieldSpec* spec = findNumberFieldSpec(field);
    form.set(field, spec ? boundedFieldText(*spec, text, false) : std::string(text));
}

void clearOffensive(ShipForm& form, const char* comboPosition) {
    for (const Offensive& o : OffensiveFields)
        form.set(o.field, "0");
    form.set("WeaponProjectileTypeGUID", "0");
    form.set("WeaponProjectileTypeCombo", comboPosition);
}

} // namespace

ChangeMarkers UniClick(const ShipForm& form, const TemplateValues& tpl, bool newShipList) {
    return UpdateChangeMarkers(form, tpl, newShipList);
}

ChangeMarkers ForwardSpeedChange(ShipForm& form, const TemplateValues& tpl, bool newShipList,
                                 bool decimalIsPoint) {
    UpdateSpeedLabels(form, decimalIsPoint);
    return UpdateChangeMarkers(form, tpl, newShipList);
}

ChangeMarkers SetPicClick(ShipForm& form, std::string_view workforceGuid, const TemplateValues& tpl,
                          bool newShipList) {
    if (const WorkforceLevel* level = findWorkforce(workforceGuid)) {
        form.set("WorkForceGUID", std::string(level->guid));
        form.set("WorkForceLabel", std::string(level->shownName));
    }
    return UpdateChangeMarkers(form, tpl, newShipList);
}

void LoadTemplateWeapons(ShipForm& form, std::string_view templateGuid) {
    clearOffensive(form, NoSelection);
    const pugi::xml_node record = FindShipValues(ShipFullOrgDoc(), templateGuid);
    if (!record)
        return;
    for (const Offensive& o : OffensiveFields)
        if (const std::optional<std::string> value = ReadText(record, o.path))
            setInteger(form, o.field, *value);
    if (const std::optional<std::string> asset = ReadText(record, "Attacker/ProjectileAsset")) {
        if (const std::optional<Projectile> projectile = FindProjectile(*asset)) {
            form.set("WeaponProjectileTypeGUID", projectile->guid);
            form.set("WeaponProjectileTypeCombo", std::to_string(projectile->pos));
        }
    }
}

ChangeMarkers SetWeaponPanelClick(ShipForm& form, const TemplateValues& tpl, bool newShipList) {
    const std::string caption = form.text("SetWeaponPanel");
    if (caption == kDisarmCaption) {
        form.set("WeaponSet", "0");
        clearOffensive(form, "0");
        form.set("SetWeaponPanel", kArmCaption);
    } else if (caption == kArmCaption) {
        if (form.context.shipClass == "WarShip") {
            // The template of a new ship is its Standard/Base; a record without one is its own.
            const pugi::xml_node base = FindBaseOf(form.context.guid);
            const std::string templateGuid =
                base ? std::string(base.text().get()) : form.context.templateGuid;
            LoadTemplateWeapons(form, templateGuid);
        } else {
            for (const Offensive& o : OffensiveFields)
                form.set(o.field, o.defaultValue);
            form.set("WeaponProjectileTypeCombo", DefaultProjectilePos);
            form.set("WeaponProjectileTypeGUID", DefaultProjectileGuid);
        }
        form.set("SetWeaponPanel", kDisarmCaption);
        form.set("WeaponSet", "1");
    }
    return UpdateChangeMarkers(form, tpl, newShipList);
}

ChangeMarkers WeaponProjectileTypeComboClick(ShipForm& form, int position, const TemplateValues& tpl,
                                             bool newShipList) {
    const std::optional<std::string> guid = ProjectileGuidAt(position);
    if (!guid)
        throw Error("Der Waffentyp an Position " + std::to_string(position) +
                    " fehlt in der Datei ProjectilesShortList.xml.");
    form.set("WeaponProjectileTypeCombo", std::to_string(position));
    form.set("WeaponProjectileTypeGUID", *guid);
    return UpdateChangeMarkers(form, tpl, newShipList);
}

ChangeMarkers PickProduct(ShipForm& form, int row, std::string_view productGuid, const TemplateValues& tpl,
                          bool newShipList) {
    if (row < 0 || row > 6)
        throw Error("Die Baukostenzeile " + std::to_string(row) + " gibt es nicht.");
    const std::string n = std::to_string(row);
    if (productGuid == kRemoveCostProduct) {
        form.set("CostLabel" + n, "keine Auswahl");
        form.set("CostGUID" + n, "0");
        form.set("CostSpin" + n, "0");
        form.set("CostImage" + n, "NoProduct");
        return UpdateChangeMarkers(form, tpl, newShipList);
    }
    const std::optional<Product> product = FindProduct(productGuid);
    if (!product)
        throw Error("Das Produkt " + std::string(productGuid) + " fehlt in der Datei ProductList.xml.");
    form.set("CostLabel" + n, product->name);
    form.set("CostGUID" + n, std::string(productGuid));
    form.set("CostImage" + n, product->icon);
    // A cleared field counts as no amount: the row would otherwise be saved with a product but no tons.
    const std::string& amount = form.text("CostSpin" + n);
    if (amount.find_first_not_of('0') == std::string::npos)
        form.set("CostSpin" + n, "1");
    return UpdateChangeMarkers(form, tpl, newShipList);
}

} // namespace ms
