#include "lifecycle/TemplateForm.h"

#include "lifecycle/PanelFills.h"
#include "lifecycle/ShipEditing.h"
#include "shell/Error.h"
#include "store/RecordStore.h"
#include "store/ReferenceLists.h"

#include <optional>
#include <string>

namespace ms {

void FillTemplateWeaponPanel(ShipForm& form, pugi::xml_node templateValues, bool decimalIsPoint) {
    FillWeaponPanel(form, templateValues, decimalIsPoint);
    std::string projectileName;
    if (const std::optional<Projectile> projectile = FindProjectile(form.text("WeaponProjectileTypeGUID")))
        projectileName = projectile->name;
    form.set("WeaponProjectileType", projectileName);
    form.set("SetWeaponPanel", kArmCaption);
}

ShipForm LoadTemplateForm(const ShipContext& shown, DataPanel panel, bool decimalIsPoint) {
    const pugi::xml_node values = FindShipValues(shown.guid);
    if (!values)
        throw Error("Das Schiff " + shown.guid + " fehlt in der Datei ShipFull.xml.");
    const pugi::xml_node tpl = FindTemplateValues(values);
    if (!tpl)
        throw Error("Die Vorlage " + shown.templateGuid + " fehlt in der Datei ShipFullORG.xml.");

    ShipForm form;
    form.context = shown;
    switch (panel) {
    case DataPanel::Base:
        FillBasePanel(form, tpl);
        break;
    case DataPanel::Cost:
        FillCostPanel(form, tpl);
        break;
    case DataPanel::Weapon:
        FillTemplateWeaponPanel(form, tpl, decimalIsPoint);
        break;
    case DataPanel::Detail:
        FillDetailPanel(form, tpl, decimalIsPoint);
        break;
    case DataPanel::Expedition:
        FillExpeditionPanel(form, tpl);
        break;
    }
    return form;
}

} // namespace ms
