#include "store/ShipIndex.h"

#include "shell/Error.h"
#include "shell/XmlFile.h"
#include "store/StoreFiles.h"
#include "store/XPathText.h"

namespace ms {
namespace fs = std::filesystem;

namespace {
std::vector<pugi::xml_node> selectAll(pugi::xml_node root, const std::string& query) {
    std::vector<pugi::xml_node> out;
    if (!root)
        return out;
    for (const pugi::xpath_node& n : root.select_nodes(query.c_str()))
        if (n.node())
            out.push_back(n.node());
    return out;
}

std::string engineQuery(std::string_view engine) {
    return "Ship[@Engine=" + xpathString(engine) + "]";
}
} // namespace

pugi::xml_attribute ShipAttribute(pugi::xml_node ship, int pos) {
    if (pos < 0)
        return {};
    pugi::xml_attribute a = ship.first_attribute();
    for (int i = 0; a && i < pos; ++i)
        a = a.next_attribute();
    return a;
}

std::string ShipValue(pugi::xml_node ship, int pos) {
    return ShipAttribute(ship, pos).value();
}

std::string ShipValue(pugi::xml_node ship, const char* name) {
    return ship.attribute(name).value();
}

void SetShipValue(pugi::xml_node ship, int pos, std::string_view text) {
    pugi::xml_attribute a = ShipAttribute(ship, pos);
    if (!a)
        throw Error("Der Eintrag des Schiffes \"" + std::string(ship.first_attribute().value()) + "\" in " +
                    kShipIndexFile + " hat keine " + std::to_string(pos + 1) + " Attribute.");
    a.set_value(std::string(text).c_str());
}

std::string CategoryQuery(std::string_view category) {
    if (category.empty())
        return "Ship";
    return "Ship[@Typ=" + xpathString(category) + "]";
}

std::vector<pugi::xml_node> SelectShips(pugi::xml_node root, std::string_view category) {
    return selectAll(root, CategoryQuery(category));
}

size_t CountNewShips(pugi::xml_node root) {
    return SelectShips(root, kCategoryNew).size();
}

pugi::xml_node FindShipEntry(pugi::xml_node root, std::string_view guid) {
    if (!root)
        return {};
    return root.select_node(("Ship[@GUID=" + xpathNumber(guid) + "]").c_str()).node();
}

pugi::xml_node FindShipEntryQuoted(pugi::xml_node root, std::string_view guid) {
    if (!root)
        return {};
    return root.select_node(("Ship[@GUID=" + xpathString(guid) + "]").c_str()).node();
}

std::vector<pugi::xml_node> SelectYardCandidates(pugi::xml_node root, std::string_view engine) {
    return selectAll(root, engineQuery(engine) + "[@ShowInYard=\"true\"]");
}

int RegionFlagPos(std::string_view region) {
    if (region == "AW")
        return kShipOnAW;
    if (region == "NW")
        return kShipOnNW;
    if (region == "EN")
        return kShipOnEN;
    throw Error("Unbekannte Spielregion \"" + std::string(region) + "\".");
}

std::vector<pugi::xml_node> SelectOnYard(pugi::xml_node root, std::string_view engine,
                                         std::string_view region) {
    RegionFlagPos(region);
    return selectAll(root, engineQuery(engine) + "[@On" + std::string(region) + "=\"*\"]");
}

pugi::xml_node AppendNewShipEntry(pugi::xml_node root, std::string_view templateGuid,
                                  const NewShipEntry& values) {
    const pugi::xml_node source = FindShipEntry(root, templateGuid);
    if (!source)
        throw Error("Die Schiffsvorlage \"" + std::string(templateGuid) + "\" fehlt in " + kShipIndexFile +
                    ".");
    if (!ShipAttribute(source, kShipAttrCount - 1))
        throw Error("Der Eintrag der Schiffsvorlage \"" + std::string(templateGuid) + "\" in " +
                    kShipIndexFile + " ist unvollständig.");
    // Counted before the copy is appended; entries, not blanks or comments, make the number.
    size_t before = 0;
    for (pugi::xml_node child : root.children())
        if (child.type() == pugi::node_element)
            ++before;
    const std::string pos = "A" + std::to_string(before + 1);

    pugi::xml_node entry = root.append_copy(source);
    SetShipValue(entry, kShipGuid, values.guid);
    SetShipValue(entry, kShipName, values.name);
    SetShipValue(entry, kShipChanged, "false");
    SetShipValue(entry, kShipExported, "false");
    SetShipValue(entry, kShipTyp, kCategoryNew);
    SetShipValue(entry, kShipNew, "false");
    SetShipValue(entry, kShipWorkForce, values.workForce);
    SetShipValue(entry, kShipWorkAmount, values.workAmount);
    SetShipValue(entry, kShipOnBuild, "");
    SetShipValue(entry, kShipInfoGuid, values.infoGuid);
    SetShipValue(entry, kShipTriggerGuid, values.triggerGuid);
    SetShipValue(entry, kShipIsMod, "false");
    SetShipValue(entry, kShipOnAW, "");
    SetShipValue(entry, kShipOnNW, "");
    SetShipValue(entry, kShipOnEN, "");
    SetShipValue(entry, kShipShowInYard, "false");
    SetShipValue(entry, kShipPos, pos);
    SetShipValue(entry, kShipYardPos, pos);
    return entry;
}

void AddShipIndexEntry(const fs::path& xmlaDir, std::string_view templateGuid, const NewShipEntry& values) {
    pugi::xml_document doc;
    LoadShipIndex(doc, xmlaDir);
    AppendNewShipEntry(doc.document_element(), templateGuid, values);
    SaveShipIndex(doc, xmlaDir);
}

void SetSavedEntryValues(pugi::xml_node ship, std::string_view workForce, std::string_view workAmount,
                         std::string_view name) {
    SetShipValue(ship, kShipWorkForce, workForce);
    SetShipValue(ship, kShipWorkAmount, workAmount);
    SetShipValue(ship, kShipName, name);
}

void MarkEntryActivated(pugi::xml_node ship) {
    SetShipValue(ship, kShipExported, "true");
    SetShipValue(ship, kShipIsMod, "true");
    SetShipValue(ship, kShipOnBuild, "");
    SetShipValue(ship, kShipShowInYard, "true");
}

void MarkEntryDeactivated(pugi::xml_node ship) {
    SetShipValue(ship, kShipExported, "false");
    SetShipValue(ship, kShipOnAW, "");
    SetShipValue(ship, kShipOnNW, "");
    SetShipValue(ship, kShipOnEN, "");
    SetShipValue(ship, kShipIsMod, "false");
    SetShipValue(ship, kShipShowInYard, "false");
}

void RemoveShipEntry(pugi::xml_node ship) {
    if (ship && ship.parent())
        ship.parent().remove_child(ship);
}

YardToggle ToggleYardFlag(pugi::xml_node ship, std::string_view region) {
    const int flag = RegionFlagPos(region);
    if (ShipValue(ship, flag) == "*") {
        SetShipValue(ship, flag, "");
        return YardToggle::Cleared;
    }
    const std::string engine = ShipValue(ship, kShipEngine);
    if (SelectOnYard(ship.parent(), engine, region).size() >= static_cast<size_t>(kYardMenuLimit))
        return YardToggle::Refused;
    SetShipValue(ship, flag, "*");
    return YardToggle::Set;
}

std::string ShipPictureName(pugi::xml_node ship) {
    std::string icon = ShipValue(ship, kShipIcon);
    if (ShipValue(ship, kShipIsMod) == "true")
        icon += "_star";
    return icon;
}

void LoadShipIndex(pugi::xml_document& doc, const fs::path& xmlaDir) {
    loadXml(doc, xmlaDir / kShipIndexFile, kShipIndexRoot);
}

void SaveShipIndex(const pugi::xml_document& doc, const fs::path& xmlaDir) {
    saveXml(doc, xmlaDir / kShipIndexFile, XmlKind::ShipIndex);
}

} // namespace ms
