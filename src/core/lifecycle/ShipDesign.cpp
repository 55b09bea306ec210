#include "lifecycle/ShipDesign.h"

#include "lifecycle/ShipCreation.h"
#include "lifecycle/ShipDesignCheck.h"
#include "lifecycle/ShipEditing.h"
#include "lifecycle/ShipFormLoader.h"
#include "lifecycle/ShipSave.h"
#include "lifecycle/StoredFieldNumber.h"
#include "lifecycle/Transliteration.h"
#include "shell/AtomicFile.h"
#include "shell/Error.h"
#include "shell/Journal.h"
#include "shell/XmlFile.h"
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

[[noreturn]] void refuse(const std::string& fault) {
    throw Error(fault);
}

// The only child element of that name; a missing or repeated one is refused.
pugi::xml_node onlyChild(pugi::xml_node parent, const char* name) {
    const pugi::xml_node child = parent.child(name);
    if (!child)
        refuse("im Entwurf fehlt das Feld \"" + std::string(name) + "\".");
    if (child.next_sibling(name))
        refuse("das Feld \"" + std::string(name) + "\" steht mehr als einmal im Entwurf.");
    return child;
}

int readVersion(pugi::xml_node root) {
    const pugi::xml_attribute attribute = root.attribute("Version");
    if (!attribute)
        refuse("dem Entwurf fehlt die Angabe Version.");
    const std::string_view text = attribute.value();
    int version = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), version);
    const bool digits = !text.empty() && text.find_first_not_of("0123456789") == std::string_view::npos;
    if (digits && ec == std::errc::result_out_of_range)
        version = kShipDesignVersion + 1; // a very large number is a later version all the same
    else if (!digits || ec != std::errc() || end != text.data() + text.size() || version < 1)
        refuse("die Version \"" + std::string(text) + "\" des Entwurfs ist ungültig.");
    return version;
}

std::string designFault(const ShipDesign& design) {
    if (std::string fault = DesignValueFault(design); !fault.empty())
        return fault;
    return DesignDataFault(design);
}

// The design of a ship's form; number fields as the data files hold them ("." as decimal point).
ShipDesign designOf(const ShipForm& form) {
    ShipDesign design;
    design.templateGuid = form.context.templateGuid;
    design.name = form.text("NewShipNameText");
    design.description = form.text("NewShipTextText");
    design.workForce = form.text("WorkForceGUID");
    design.workAmount = form.text("WorkAmount");
    for (std::string_view field : shipDesignFields()) {
        std::string text = form.text(field);
        if (const std::optional<NumberFieldSpec> spec = shipNumberField(field, form.context.engine)) {
            const StoredFieldNumber number = StoreFieldNumber(*spec, text, true);
            if (number.fault.empty())
                text = number.text; // a faulty one stays as it is, for the check to name it
        }
        design.values.emplace(field, std::move(text));
    }
    // WeaponSet follows the arm/disarm button's caption, as the save reads it.
    const std::string& caption = form.text("SetWeaponPanel");
    if (caption == kDisarmCaption || caption == kArmCaption)
        design.values["WeaponSet"] = caption == kDisarmCaption ? "1" : "0";
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
    const pugi::xml_parse_result parsed = doc.load_buffer(bytes.data(), bytes.size(), pugi::parse_default);
    if (!parsed)
        refuse("die Datei ist kein gültiges XML (" + std::string(parsed.description()) + ", Zeichen " +
               std::to_string(parsed.offset) + ").");
    const pugi::xml_node root = doc.document_element();
    if (std::string_view(root.name()) != RootName)
        refuse("die Datei ist kein Schiffsentwurf.");
    if (const int version = readVersion(root); version > kShipDesignVersion)
        refuse("der Entwurf hat die Version " + std::string(root.attribute("Version").value()) +
               ", dieses Programm liest Schiffsentwürfe bis zur Version " +
               std::to_string(kShipDesignVersion) + ".");

    ShipDesign design;
    for (const TopElement& element : TopElements)
        design.*element.member = onlyChild(root, element.name).text().get();
    const pugi::xml_node values = onlyChild(root, "Values");
    for (pugi::xml_node field = values.first_child(); field; field = field.next_sibling()) {
        if (field.type() != pugi::node_element)
            continue;
        const std::string_view name = field.name();
        const auto known = shipDesignFields();
        if (std::find(known.begin(), known.end(), name) == known.end())
            refuse("das Feld \"" + std::string(name) + "\" kennt dieses Programm nicht.");
        if (!design.values.emplace(name, field.text().get()).second)
            refuse("das Feld \"" + std::string(name) + "\" steht mehr als einmal im Entwurf.");
    }
    if (std::string fault = DesignValueFault(design); !fault.empty())
        refuse(fault);
    return design;
}

void SaveShipDesign(const fs::path& xmlaDir, std::string_view guid, const fs::path& file) {
    ReloadShipDocuments(xmlaDir);
    const ShipDesign design = designOf(LoadShipForm(guid, true));
    if (std::string fault = designFault(design); !fault.empty())
        throw Error(withFile(file, "gespeichert", fault));
    writeFileAtomic(file, WriteShipDesignBytes(design));
}

std::optional<std::string> LoadShipDesign(const fs::path& xmlaDir, const fs::path& file, MessageSink& sink) {
    std::error_code ec;
    if (fs::file_size(file, ec) > MaxDesignBytes && !ec)
        throw Error(withFile(file, "geladen", "die Datei ist zu groß für einen Schiffsentwurf."));
    ShipDesign design;
    try {
        design = ReadShipDesign(readFileBytes(file));
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
