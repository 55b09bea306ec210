#include "lifecycle/ModAssets.h"

#include "shell/Error.h"

namespace ms {

namespace {

constexpr std::string_view kLoadingRulesComment =
    " Anpassen der Ladeautomatik der Häfen auf das gestiegen Ladevermögen dieses Schiffes, Schiffe die "
    "weniger "
    "laden können laden auch weniger (Luftschiff zum Beispiel) ";
constexpr const char* kPoolPath = "Values/ItemEffectTargetPool/EffectTargetGUIDs";

size_t countCharacters(std::string_view utf8) {
    size_t n = 0;
    for (const char c : utf8)
        if ((static_cast<unsigned char>(c) & 0xC0) != 0x80)
            ++n;
    return n;
}

std::string trimBlanks(std::string_view text) {
    const size_t first = text.find_first_not_of(' ');
    if (first == std::string_view::npos)
        return {};
    const size_t last = text.find_last_not_of(' ');
    return std::string(text.substr(first, last - first + 1));
}

// The user name and the date come from the system and could hold what a comment may not: a "--"
// or a control character would make the whole file unreadable for the game.
std::string commentSafe(std::string_view text) {
    std::string out;
    for (const char c : text) {
        if (static_cast<unsigned char>(c) < 0x20)
            continue;
        if (c == '-' && !out.empty() && out.back() == '-')
            out += ' ';
        out += c;
    }
    return out;
}

pugi::xml_node add(pugi::xml_node parent, const char* name, std::string_view text = {}) {
    pugi::xml_node node = parent.append_child(name);
    if (!text.empty())
        node.text().set(std::string(text).c_str());
    return node;
}

pugi::xml_node addModOp(pugi::xml_node modOps,
                        std::initializer_list<std::pair<const char*, const char*>> attributes) {
    pugi::xml_node op = modOps.append_child("ModOp");
    for (const auto& [name, value] : attributes)
        op.append_attribute(name).set_value(value);
    return op;
}

void addTrigger(pugi::xml_node modOp, const ModAssetsValues& v) {
    pugi::xml_node asset = add(modOp, "Asset");
    add(asset, "Template", "Trigger");
    pugi::xml_node values = add(asset, "Values");
    pugi::xml_node standard = add(values, "Standard");
    add(standard, "GUID", v.triggerGuid);
    add(standard, "Name", "UNLOCK " + v.modName);

    pugi::xml_node trigger = add(values, "Trigger");
    pugi::xml_node condition = add(trigger, "TriggerCondition");
    add(condition, "Template", "ConditionPlayerCounter");
    pugi::xml_node conditionValues = add(condition, "Values");
    add(conditionValues, "Condition");
    pugi::xml_node counter = add(conditionValues, "ConditionPlayerCounter");
    add(counter, "PlayerCounter", "PopulationByLevel");
    add(counter, "Context", v.workForce);
    add(counter, "CounterAmount", v.workAmount);

    pugi::xml_node action = add(add(add(trigger, "TriggerActions"), "Item"), "TriggerAction");
    add(action, "Template", "ActionUnlockAsset");
    pugi::xml_node actionValues = add(action, "Values");
    add(actionValues, "Action");
    pugi::xml_node unlock = add(actionValues, "ActionUnlockAsset");
    add(add(add(unlock, "UnlockAssets"), "Item"), "Asset", v.shipGuid);
    add(add(add(unlock, "UnhideAssets"), "Item"), "Asset", v.shipGuid);

    add(add(values, "TriggerSetup"), "UsedBySecondParties", "0");
}

void addLoadingRules(pugi::xml_node modOp) {
    pugi::xml_node normal = add(modOp, "Normal");
    pugi::xml_node excluding = add(normal, "ExcludingGoods");
    add(add(excluding, "Item"), "Good", "120021");
    add(add(excluding, "Item"), "Good", "1010566");
    add(normal, "MaxGoodTransferAmount", "2500");
    add(normal, "DefaultGoodTransferAmount", "50");
    add(normal, "MaxTradeActionsPerStation", "8");
}

void addPool(pugi::xml_node modOps, const char* poolGuid, const std::string& shipGuid) {
    pugi::xml_node op = addModOp(modOps, {{"GUID", poolGuid}, {"Path", kPoolPath}, {"Type", "merge"}});
    add(add(op, "Item"), "GUID", shipGuid);
}

} // namespace

std::string PadModHeaderLine(std::string_view text) {
    std::string line(text);
    const size_t length = countCharacters(text);
    if (length < kModHeaderWidth)
        line.append(kModHeaderWidth - length, ' ');
    return line + "* -->";
}

std::vector<std::string> ModHeaderLines(std::string_view createdAt, std::string_view userName) {
    const std::string rule = "<!-- " + std::string(115, '*') + " -->";
    return {
        rule,
        PadModHeaderLine("<!-- * Spantora Modifikation"),
        PadModHeaderLine("<!-- * erzeugt am : " + commentSafe(createdAt)),
        PadModHeaderLine("<!-- * by: " + commentSafe(trimBlanks(userName))),
        PadModHeaderLine("<!-- * Marvessa Spantora Version 10.0 - GU16.1"),
        rule,
    };
}

void PrepareExportRecord(pugi::xml_node asset) {
    pugi::xml_node values = asset.child("Values");
    const pugi::xml_node weaponSet = values.child("Attackable").child("WeaponSet");
    const std::string set = weaponSet.text().get();
    if (weaponSet && set == "0")
        if (pugi::xml_node attacker = values.child("Attacker"))
            values.remove_child(attacker);
    pugi::xml_node tpl = asset.child("Template");
    if (!tpl)
        tpl = asset.prepend_child("Template");
    tpl.text().set(set == "1" ? "WarShip" : "TradeShip");
}

void BuildModAssets(pugi::xml_document& doc, pugi::xml_node asset, const ModAssetsValues& values,
                    const std::vector<std::string>& headerLines) {
    doc.reset();
    for (const std::string& line : headerLines) {
        // The lines are whole comments; the document holds what stands between "<!--" and "-->".
        if (line.size() < 7 || line.compare(0, 4, "<!--") != 0 ||
            line.compare(line.size() - 3, 3, "-->") != 0)
            throw Error("Interner Fehler: ungültige Kopfzeile der Mod-Datei.");
        doc.append_child(pugi::node_comment).set_value(line.substr(4, line.size() - 7).c_str());
    }

    pugi::xml_node modOps = doc.append_child("ModOps");
    pugi::xml_node recordOp = addModOp(modOps, {{"Type", "addNextSibling"}, {"GUID", "100440"}});
    PrepareExportRecord(recordOp.append_copy(asset));

    addTrigger(addModOp(modOps, {{"Type", "addNextSibling"}, {"GUID", "133922"}}), values);
    modOps.append_child(pugi::node_comment).set_value(std::string(kLoadingRulesComment).c_str());
    addLoadingRules(addModOp(modOps, {{"Type", "merge"},
                                      {"GUID", "140011"},
                                      {"Path", "/Values/TradeRouteFeature/TransportationTypes/Normal"}}));

    addPool(modOps, "191454", values.shipGuid);
    if (values.engine == "Sail")
        addPool(modOps, "191455", values.shipGuid);
    if (values.engine == "Steam")
        addPool(modOps, "191456", values.shipGuid);
    addPool(modOps, values.armed ? "191458" : "193982", values.shipGuid);
}

} // namespace ms
