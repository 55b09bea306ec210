#include "lifecycle/ShipDesign.h"

#include "lifecycle/ShipCreation.h"
#include "lifecycle/ShipDesignCheck.h"
#include "lifecycle/ShipEditing.h"
#include "lifecycle/ShipFormLoader.h"
#include "lifecycle/ShipSave.h"
#include "lifecycle/StoredFieldNumber.h"
#include "lifecycle/Transliteration.h"
#include "shell/AtomicFile.h"
#include "shell/BoundedRead.h"
#include "shell/Error.h"
#include "shell/Journal.h"
#include "shell/VisibleText.h"
#include "shell/XmlFile.h"
#include "shell/XmlParseText.h"
#include "store/RecordStore.h"
#include "store/ReferenceLists.h"
#include "store/StoreFiles.h"

#include <algorithm>
#include <array>
#include <charconv>

namespace ms {
namespace fs = std::filesystem;

namespace {

constexpr const char* RootName = "SpantoraShipDesign";
// A design is a few kilobytes; anything far larger is not one, and is not parsed.
constexpr size_t MaxDesignBytes = 1 << 20;

constexpr auto Fields = std::to_array<std::string_view>(
    {"CostGUID0", "CostSpin0", "CostGUID1", "CostSpin1", "CostGUID2", "CostSpin2", "CostGUID3", "CostSpin3",
     "CostGUID4", "CostSpin4", "CostGUID5", "CostSpin5", "CostGUID6", "CostSpin6", "InfluenceCostPoints",
     // Weapons: the projectile by its GUID, which stays the same when the list gains entries.
     "WeaponMaxHitpoints", "WeaponSelfHealPerSec", "WeaponSelfHealPause", "WeaponSet",
     "WeaponProjectileTypeGUID", "WeaponProjectileCount", "WeaponBaseDamage", "WeaponReloadTime",
     "WeaponAttRange", "WeaponLineOfSight",
     // Details.
     "ForwardSpeed", "CargoFullFactor", "SessionTransferSpeedFactor", "MilitaryShipPoints", "TradeShipPoints",
     "ShipMaintenance", "CraftingTime", "StackLimit", "SocketCount", "SlotCount",
     // Expedition.
     "MightInt", "NavigationInt", "HuntingInt", "FaithInt", "DiplomacyInt", "CraftingInt", "MeleeInt",
     "MedicineInt", "ExpeditionPerk1", "ExpeditionPerk2"});

// The top-level elements besides the panel fields.
struct TopElement {
    const char* name;
    std::string ShipDesign::*member;
};
constexpr std::array<TopElement, 5> TopElements{{
    {"Template", &ShipDesign::templateGuid},
    {"Name", &ShipDesign::name},
    {"Description", &ShipDesign::description},
    {"WorkForce", &ShipDesign::workForce},
    {"WorkAmount", &ShipDesign::workAmount},
}};
constexpr const char* ValuesName = "Values";

// Everything the parser can see, so that nothing in the file is skipped unnoticed; the checks
// below refuse what a design does not hold. A fragment keeps text outside the root.
constexpr unsigned ParseOptions = pugi::parse_default | pugi::parse_declaration | pugi::parse_doctype |
                                  pugi::parse_pi | pugi::parse_comments | pugi::parse_fragment;

[[noreturn]] void refuse(const std::string& fault) {
    throw Error(fault);
}

std::string quotedName(const pugi::xml_node node) {
    return "\"" + visibleText(node.name()) + "\"";
}

// What may stand outside the root: the declaration at the very start, comments, blanks.
void checkDocumentLevel(const pugi::xml_document& doc) {
    bool root = false;
    for (pugi::xml_node node = doc.first_child(); node; node = node.next_sibling()) {
        switch (node.type()) {
        case pugi::node_declaration:
            if (node != doc.first_child())
                refuse("die XML-Deklaration steht nicht am Anfang der Datei.");
            break;
        case pugi::node_comment:
            break;
        case pugi::node_element:
            if (root)
                refuse("nach dem Entwurf folgt ein weiteres Element " + quotedName(node) + ".");
            root = true;
            break;
        case pugi::node_doctype:
            refuse(
                "die Datei enthält eine Dokumenttyp-Deklaration (DOCTYPE), die ein Schiffsentwurf nie hat.");
        case pugi::node_pi:
            refuse("die Datei enthält die Verarbeitungsanweisung " + quotedName(node) + ".");
        default:
            refuse(root ? "nach dem Ende des Entwurfs folgt noch Text." : "vor dem Entwurf steht Text.");
        }
    }
}

void refuseAttributes(pugi::xml_node element, const std::string& what) {
    if (const pugi::xml_attribute attribute = element.first_attribute())
        refuse(what + " hat das unbekannte Attribut \"" + visibleText(attribute.name()) + "\".");
}

// An element that holds other elements: nothing between them but comments.
void checkContainer(pugi::xml_node container) {
    for (pugi::xml_node node = container.first_child(); node; node = node.next_sibling()) {
        if (node.type() == pugi::node_pcdata || node.type() == pugi::node_cdata)
            refuse("im Element " + quotedName(container) + " steht Text außerhalb der Felder.");
        if (node.type() != pugi::node_element && node.type() != pugi::node_comment)
            refuse("das Element " + quotedName(container) +
                   " enthält eine Verarbeitungsanweisung oder Deklaration, die ein Schiffsentwurf nie hat.");
    }
}

// A field's text: the field holds nothing but one piece of text, as the window's box does.
std::string fieldText(pugi::xml_node element) {
    const std::string caption = "das Feld \"" + designFieldCaption(element.name()) + "\"";
    refuseAttributes(element, caption);
    const pugi::xml_node text = element.first_child();
    for (pugi::xml_node node = text; node; node = node.next_sibling())
        if (node.type() == pugi::node_element)
            refuse(caption + " enthält das Element " + quotedName(node) + "; ein Feld enthält nur Text.");
    if (text &&
        (text.next_sibling() || (text.type() != pugi::node_pcdata && text.type() != pugi::node_cdata)))
        refuse(caption + " enthält außer Text auch Kommentare oder Verarbeitungsanweisungen.");
    return text.value();
}

// The only child element of that name; a missing or repeated one is refused.
pugi::xml_node onlyChild(pugi::xml_node parent, const char* name) {
    const pugi::xml_node child = parent.child(name);
    if (!child)
        refuse("im Entwurf fehlt das Feld \"" + designFieldCaption(name) + "\".");
    if (child.next_sibling(name))
        refuse("das Feld \"" + designFieldCaption(name) + "\" steht mehr als einmal im Entwurf.");
    return child;
}

// The root's own elements: the base data and the values, nothing else.
void checkTopElements(pugi::xml_node root) {
    for (pugi::xml_node node = root.first_child(); node; node = node.next_sibling()) {
        if (node.type() != pugi::node_element)
            continue;
        const std::string_view name = node.name();
        if (name != ValuesName && std::none_of(TopElements.begin(), TopElements.end(),
                                               [&](const TopElement& e) { return name == e.name; }))
            refuse("das Element " + quotedName(node) + " kennt dieses Programm nicht.");
    }
}

int readVersion(pugi::xml_node root) {
    const pugi::xml_attribute attribute = root.attribute("Version");
    for (pugi::xml_attribute a = root.first_attribute(); a; a = a.next_attribute()) {
        if (std::string_view(a.name()) != "Version")
            refuse("der Entwurf hat das unbekannte Attribut \"" + visibleText(a.name()) + "\".");
        if (a != attribute)
            refuse("die Angabe Version steht mehr als einmal im Entwurf.");
    }
    if (!attribute)
        refuse("dem Entwurf fehlt die Angabe Version.");
    const std::string_view text = attribute.value();
    int version = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), version);
    const bool digits = !text.empty() && text.find_first_not_of("0123456789") == std::string_view::npos;
    if (digits && ec == std::errc::result_out_of_range)
        version = kShipDesignVersion + 1; // a very large number is a later version all the same
    else if (!digits || ec != std::errc() || end != text.data() + text.size() || version < 1)
        refuse("die Version \"" + visibleText(text) + "\" des Entwurfs ist ungültig.");
    return version;
}

std::string designFault(const ShipDesign& design) {
    if (std::string fault = DesignValueFault(design); !fault.empty())
        return fault;
    return DesignDataFault(design);
}

// The numbers of a design in the form the data files take them; a faulty one stays as it is, for
// the check to name it.
void normaliseNumbers(ShipDesign& design) {
    for (auto& [field, text] : design.values)
        if (const std::optional<NumberFieldSpec> spec = shipNumberField(field, "Steam"))
            if (StoredFieldNumber number = StoreFieldNumber(*spec, text, true); number.fault.empty())
                text = std::move(number.text);
    if (StoredFieldNumber amount = StoreUnlockCount(design.workForce, design.workAmount);
        amount.fault.empty())
        design.workAmount = std::move(amount.text);
}

// The design of a ship's form.
ShipDesign designOf(const ShipForm& form) {
    ShipDesign design;
    design.templateGuid = form.context.templateGuid;
    design.name = form.text("NewShipNameText");
    design.description = form.text("NewShipTextText");
    design.workForce = form.text("WorkForceGUID");
    design.workAmount = form.text("WorkAmount");
    for (std::string_view field : shipDesignFields())
        design.values.emplace(field, form.text(field));
    // WeaponSet follows the arm/disarm button's caption, as the save reads it.
    const std::string& caption = form.text("SetWeaponPanel");
    if (caption == kDisarmCaption || caption == kArmCaption)
        design.values["WeaponSet"] = caption == kDisarmCaption ? "1" : "0";
    // Arming replaces every offensive value, so an unarmed ship's are of no account: the design
    // holds them as disarming leaves them.
    if (design.values["WeaponSet"] == "0") {
        for (const char* field : {"WeaponProjectileCount", "WeaponBaseDamage", "WeaponReloadTime",
                                  "WeaponAttRange", "WeaponLineOfSight", "WeaponProjectileTypeGUID"})
            design.values[field] = "0";
    }
    normaliseNumbers(design);
    return design;
}

// The new ship's form given the design's values, in the shape the save reads them.
void applyDesign(ShipForm& form, const ShipDesign& design) {
    for (const auto& [field, text] : design.values)
        form.set(field, text);
    form.set("NewShipNameText", design.name);
    form.set("NewShipTextText", design.description);
    form.set("WorkForceGUID", design.workForce);
    form.set("WorkAmount", design.workAmount);
    form.set("SetWeaponPanel", design.values.at("WeaponSet") == "1" ? kDisarmCaption : kArmCaption);
    const std::optional<Projectile> projectile = FindProjectile(design.values.at("WeaponProjectileTypeGUID"));
    form.set("WeaponProjectileTypeCombo", std::to_string(projectile ? projectile->pos : -1));
}

std::string withFile(const fs::path& file, const char* what, const std::string& fault) {
    return "Der Schiffsentwurf \"" + file.string() + "\" wurde nicht " + what + ": " + fault;
}

} // namespace

std::span<const std::string_view> shipDesignFields() {
    return Fields;
}

std::string WriteShipDesignBytes(const ShipDesign& design) {
    pugi::xml_document doc;
    pugi::xml_node declaration = doc.append_child(pugi::node_declaration);
    declaration.append_attribute("version").set_value("1.0");
    declaration.append_attribute("encoding").set_value("UTF-8");
    pugi::xml_node root = doc.append_child(RootName);
    root.append_attribute("Version").set_value(kShipDesignVersion);
    for (const TopElement& element : TopElements)
        root.append_child(element.name).text().set((design.*element.member).c_str());
    pugi::xml_node values = root.append_child("Values");
    for (std::string_view field : shipDesignFields()) {
        const auto it = design.values.find(field);
        values.append_child(std::string(field).c_str())
            .text()
            .set(it == design.values.end() ? "" : it->second.c_str());
    }
    return renderXml(doc, xmlFormat(XmlKind::ShipDesign));
}

ShipDesign ReadShipDesign(std::string_view bytes) {
    if (bytes.empty())
        refuse("die Datei ist leer.");
    if (bytes.size() > MaxDesignBytes)
        refuse("die Datei ist zu groß für einen Schiffsentwurf.");
    pugi::xml_document doc;
    const pugi::xml_parse_result parsed = doc.load_buffer(bytes.data(), bytes.size(), ParseOptions);
    if (!parsed)
        refuse("die Datei ist kein gültiges XML: " + xmlParseFault(parsed, bytes.size()) + ".");
    const pugi::xml_node root = doc.document_element();
    if (!root)
        refuse("die Datei ist kein Schiffsentwurf, sie enthält kein XML-Element.");
    checkDocumentLevel(doc);
    if (std::string_view(root.name()) != RootName)
        refuse("die Datei ist kein Schiffsentwurf.");
    if (const int version = readVersion(root); version > kShipDesignVersion)
        refuse("der Entwurf hat die Version " + visibleText(root.attribute("Version").value()) +
               ", dieses Programm liest Schiffsentwürfe bis zur Version " +
               std::to_string(kShipDesignVersion) + ".");
    checkContainer(root);
    checkTopElements(root);

    ShipDesign design;
    for (const TopElement& element : TopElements)
        design.*element.member = fieldText(onlyChild(root, element.name));
    const pugi::xml_node values = onlyChild(root, ValuesName);
    refuseAttributes(values, "das Element \"Values\"");
    checkContainer(values);
    for (pugi::xml_node field = values.first_child(); field; field = field.next_sibling()) {
        if (field.type() != pugi::node_element)
            continue;
        const std::string_view name = field.name();
        const auto known = shipDesignFields();
        if (std::find(known.begin(), known.end(), name) == known.end())
            refuse("das Feld " + quotedName(field) + " kennt dieses Programm nicht.");
        if (!design.values.emplace(name, fieldText(field)).second)
            refuse("das Feld \"" + designFieldCaption(name) + "\" steht mehr als einmal im Entwurf.");
    }
    if (std::string fault = DesignValueFault(design); !fault.empty())
        refuse(fault);
    normaliseNumbers(design);
    return design;
}

bool ShipDesignHasUnsavedEdits(const ShipForm& shown) {
    return designOf(shown) != designOf(LoadShipForm(shown.context.guid, true));
}

void SaveShipDesign(const fs::path& xmlaDir, std::string_view guid, const fs::path& file) {
    ReloadShipDocuments(xmlaDir);
    const ShipDesign design = designOf(LoadShipForm(guid, true));
    if (std::string fault = designFault(design); !fault.empty())
        throw Error(withFile(file, "gespeichert", fault));
    writeFileAtomic(file, WriteShipDesignBytes(design));
}

std::optional<std::string> LoadShipDesign(const fs::path& xmlaDir, const fs::path& file, MessageSink& sink) {
    // A design comes from anywhere: a pipe or a device is refused before it is opened, and no
    // more is read than a design may have.
    BoundedReadResult read = readFileBounded(file, MaxDesignBytes);
    if (read.fault == BoundedReadFault::TooLarge)
        read.cause = "die Datei ist zu groß für einen Schiffsentwurf.";
    if (read.fault != BoundedReadFault::None)
        throw Error(withFile(file, "geladen", read.cause));
    ShipDesign design;
    try {
        design = ReadShipDesign(read.bytes);
        ReloadShipDocuments(xmlaDir);
        if (std::string fault = DesignDataFault(design); !fault.empty())
            refuse(fault);
    } catch (const Error& e) {
        throw Error(withFile(file, "geladen", e.what()));
    }

    // Creation and the save of the design's values are one commit: a failure or a crash leaves
    // neither a ship with the template's values nor a taken identifier behind.
    Journal journal(xmlaDir);
    journal.onRollback([xmlaDir] { ReloadShipDocuments(xmlaDir); });
    const std::optional<CreatedShip> created = CreateNewShip(
        xmlaDir, NewShipFields{design.templateGuid, design.name, design.workForce, design.workAmount}, sink);
    if (!created)
        return std::nullopt;
    try {
        ShipForm form = LoadShipForm(created->ids.assetGuid, true);
        applyDesign(form, design);
        SaveShip(xmlaDir, form);
        journal.commit();
    } catch (const UnfinishedCommitError&) {
        throw; // the ship is there, only later
    } catch (const Error& e) {
        throw Error(withFile(file, "geladen", e.what()));
    }
    return created->ids.assetGuid;
}

std::string ShipDesignFileName(std::string_view shipName) {
    std::string name = TransliterateUmlauts(shipName);
    for (char& c : name)
        if (static_cast<unsigned char>(c) < 0x20 ||
            std::string_view("\\/:*?\"<>|").find(c) != std::string_view::npos)
            c = '_';
    while (!name.empty() && (name.back() == ' ' || name.back() == '.'))
        name.pop_back();
    while (!name.empty() && (name.front() == ' ' || name.front() == '.'))
        name.erase(0, 1);
    return (name.empty() ? std::string("Schiffsentwurf") : name) + kShipDesignExtension;
}

} // namespace ms
