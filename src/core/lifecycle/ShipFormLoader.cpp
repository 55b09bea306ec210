#include "lifecycle/ShipFormLoader.h"

#include "lifecycle/NumberFieldSpec.h"
#include "lifecycle/PanelFills.h"
#include "lifecycle/SpeedFactors.h"
#include "shell/Error.h"
#include "store/RecordStore.h"
#include "store/SharedDocuments.h"
#include "store/ShipIndex.h"

namespace ms {

ShipForm LoadShipForm(std::string_view guid, bool decimalIsPoint) {
    const pugi::xml_node values = FindShipValues(guid);
    if (!values)
        throw Error("Das Schiff " + std::string(guid) + " fehlt in der Datei ShipFull.xml.");
    const pugi::xml_node entry = FindShipEntry(ShipIndexRoot(), guid);
    if (!entry)
        throw Error("Das Schiff " + std::string(guid) + " fehlt in der Datei ShipShort.xml.");

    ShipForm form;
    ShipContext& c = form.context;
    c.guid = std::string(guid);
    c.templateGuid = ReadText(values, "Standard/Base").value_or(c.guid);
    c.name = ShipValue(entry, "Name");
    c.icon = ShipValue(entry, "Icon");
    c.shipClass = ShipValue(entry, "Art");
    c.engine = ShipValue(entry, "Engine");
    c.isMod = ShipValue(entry, "IsMod");
    c.onAW = ShipValue(entry, "OnAW");
    c.onNW = ShipValue(entry, "OnNW");
    c.onEN = ShipValue(entry, "OnEN");
    c.description = ReadText(values, "Standard/InfoText").value_or("");

    form.set("SelectedShipLabel", "GUID : " + c.guid);
    form.set("BaseDataGUIDInfo", "GUID : " + c.guid);
    form.set("ShipName", c.name);
    form.set("ShipIconLabel", c.icon);

    FillDetailPanel(form, values, decimalIsPoint);
    FillCostPanel(form, values);
    FillWeaponPanel(form, values, decimalIsPoint);
    FillExpeditionPanel(form, values);
    FillBasePanel(form, values);
    return form;
}

void UpdateSpeedLabels(ShipForm& form, bool decimalIsPoint) {
    double speed = 0;
    if (!parseFieldNumber(form.text("ForwardSpeed"), decimalIsPoint, speed))
        return;
    const std::string& tpl = form.context.templateGuid;
    form.set("ForwardSpeedMaxValue", FormatKnots(speed * MaxSpeedFactor(tpl), decimalIsPoint));
    form.set("ForwardSpeedMinValue", FormatKnots(speed * MinSpeedFactor(tpl), decimalIsPoint));
}

} // namespace ms
