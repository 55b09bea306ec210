#include "lifecycle/ShipDesignCheck.h"

#include "lifecycle/NumberFieldSpec.h"
#include "lifecycle/ShipEditing.h"
#include "lifecycle/ShipFormLoader.h"
#include "lifecycle/StoredFieldNumber.h"
#include "shell/TextInputFilter.h"
#include "shell/VisibleText.h"
#include "store/RecordStore.h"
#include "store/ReferenceLists.h"
#include "store/SharedDocuments.h"
#include "store/ShipIndex.h"

#include <algorithm>
#include <array>
#include <cstdio>

namespace ms {

namespace {

// Pasted text may be longer than the box lets the user type; a design holds at most this much.
constexpr size_t DescriptionLimit = 2000;
constexpr size_t GuidDigits = 10;
constexpr int CostRows = 7;

struct Caption {
    std::string_view element;
    std::string_view caption;
};
// The elements that are no number fields; those take their field's caption.
constexpr auto Captions = std::to_array<Caption>({
    {"Template", "Schiffsvorlage"},
    {"Name", "Schiffsname"},
    {"Description", "Beschreibungstext"},
    {"WorkForce", "Bevölkerungsstufe der Baufreigabe"},
    {"Values", "Werte"},
    {"WeaponSet", "Bewaffnung (offensiv)"},
    {"WeaponProjectileTypeGUID", "Waffentyp"},
    {"ExpeditionPerk1", "Expeditionsmerkmal Antrieb"},
    {"ExpeditionPerk2", "Expeditionsmerkmal Schiffsart"},
});

// The fields that disarming sets to 0, besides the projectile.
constexpr auto OffensiveFields = std::to_array<std::string_view>(
    {"WeaponProjectileCount", "WeaponBaseDamage", "WeaponReloadTime", "WeaponAttRange", "WeaponLineOfSight"});

struct Perk {
    std::string_view value;
    std::string_view shown;
};
constexpr auto Perks = std::to_array<Perk>({
    {"PerkSailingShip", "Segelschiff"},
    {"PerkSteamShip", "Dampfschiff"},
    {"ExpeditionPerk1", "keines"},
    {"PerkMilitaryShip", "Kriegsschiff"},
    {"PerkTradeShip", "Handelsschiff"},
    {"ExpeditionPerk2", "keines"},
});

std::string inQuotes(std::string_view text) {
    return "\"" + visibleText(text) + "\"";
}

// A character the message names: visibly, with its code where the visible form is a stand-in.
std::string namedChar(char32_t c) {
    const std::string shown = visibleChar(c);
    std::string own;
    appendUtf8(own, c);
    if (shown == own || shown.starts_with("\\u"))
        return "\"" + shown + "\"";
    char code[16];
    std::snprintf(code, sizeof code, " (U+%04X)", static_cast<unsigned>(c));
    return "\"" + shown + "\"" + code;
}

std::string field(std::string_view element) {
    return "im Feld \"" + designFieldCaption(element) + "\"";
}

bool isGuid(std::string_view text) {
    return !text.empty() && text.size() <= GuidDigits &&
           std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; }) &&
           (text == "0" || text.front() != '0');
}

std::string nameFault(std::string_view name) {
    std::u32string chars;
    if (name.empty())
        return "der Schiffsname ist leer.";
    if (!decodeUtf8(name, chars))
        return "der Schiffsname " + inQuotes(name) + " ist kein gültiger UTF-8-Text.";
    const size_t limit = typedLengthLimit(TextBox::ShipName);
    if (chars.size() > limit)
        return "der Schiffsname ist länger als " + std::to_string(limit) + " Zeichen.";
    for (size_t i = 0; i < chars.size(); ++i)
        if (!acceptsTypedChar(TextBox::ShipName, chars[i], i) || chars[i] == kBackspace)
            return "der Schiffsname " + inQuotes(name) + " enthält das Zeichen " + namedChar(chars[i]) +
                   ", das das Namensfeld nicht annimmt.";
    return {};
}

std::string descriptionFault(std::string_view text) {
    std::u32string chars;
    if (!decodeUtf8(text, chars))
        return "der Beschreibungstext ist kein gültiger UTF-8-Text.";
    if (chars.size() > DescriptionLimit)
        return "der Beschreibungstext ist länger als " + std::to_string(DescriptionLimit) + " Zeichen.";
    for (char32_t c : chars)
        if ((c < 0x20 && c != '\n' && c != '\r' && c != '\t') || c == 0x7F || (c >= 0x80 && c <= 0x9F))
            return "der Beschreibungstext enthält das Steuerzeichen " + namedChar(c) + ".";
    return {};
}

// The most characters a design number may have: what the user can type, or the longest text a
// spin shows inside the bounds, whichever is more.
size_t numberLength(const NumberFieldSpec& spec) {
    return std::max({static_cast<size_t>(spec.typedLength),
                     formatFieldNumber(spec.maximum, spec.decimal, true).size(),
                     formatFieldNumber(spec.minimum, spec.decimal, true).size()});
}

std::string numberFault(const NumberFieldSpec& spec, std::string_view text) {
    if (const size_t limit = numberLength(spec); text.size() > limit)
        return "der Wert " + inQuotes(text) + " " + field(spec.name) + " ist länger als " +
               std::to_string(limit) + " Zeichen.";
    return StoreFieldNumber(spec, text, false).fault;
}

// A field that is no number field: its allowed texts, or empty for a GUID.
std::span<const std::string_view> choicesOf(std::string_view element) {
    static constexpr std::array<std::string_view, 2> WeaponSet{"0", "1"};
    static constexpr std::array<std::string_view, 3> Perk1{"PerkSailingShip", "PerkSteamShip",
                                                           "ExpeditionPerk1"};
    static constexpr std::array<std::string_view, 3> Perk2{"PerkMilitaryShip", "PerkTradeShip",
                                                           "ExpeditionPerk2"};
    if (element == "WeaponSet")
        return WeaponSet;
    if (element == "ExpeditionPerk1")
        return Perk1;
    if (element == "ExpeditionPerk2")
        return Perk2;
    return {};
}

std::string fieldFault(std::string_view element, const std::string& text) {
    // ForwardSpeed's bound depends on the template's propulsion: here the larger one, the data
    // check applies the template's own.
    if (const std::optional<NumberFieldSpec> spec = shipNumberField(element, "Steam"))
        return numberFault(*spec, text);
    const std::span<const std::string_view> choices = choicesOf(element);
    if (choices.empty() ? isGuid(text) : std::find(choices.begin(), choices.end(), text) != choices.end())
        return {};
    return "der Wert " + inQuotes(text) + " " + field(element) + " ist ungültig.";
}

// Disarming sets every offensive value to 0 and takes the projectile away; the window never
// gives an unarmed ship one of them.
std::string unarmedFault(const ShipDesign& design) {
    if (design.values.at("WeaponSet") != "0")
        return {};
    for (std::string_view element : OffensiveFields) {
        const std::string& text = design.values.at(std::string(element));
        if (StoreFieldNumber(*findNumberFieldSpec(element), text, true).text != "0")
            return "das Schiff ist unbewaffnet, hat aber " + field(element) + " den Wert " + inQuotes(text) +
                   ".";
    }
    if (const std::string& projectile = design.values.at("WeaponProjectileTypeGUID"); projectile != "0")
        return "das Schiff ist unbewaffnet, hat aber den Waffentyp " + projectile + ".";
    return {};
}

std::string_view perkShown(std::string_view value) {
    for (const Perk& perk : Perks)
        if (perk.value == value)
            return perk.shown;
    return value;
}

bool pickerOffers(std::string_view product) {
    const std::vector<Product> offered = PickerProducts();
    return product != kRemoveCostProduct &&
           std::any_of(offered.begin(), offered.end(), [&](const Product& p) { return p.guid == product; });
}

std::string costFault(const ShipDesign& design, const ShipForm& tpl) {
    for (int row = 0; row < CostRows; ++row) {
        const std::string element = "CostGUID" + std::to_string(row);
        const std::string& product = design.values.at(element);
        if (product == "0" || product == tpl.text(element))
            continue;
        const std::string where = " in der Baukosten Zeile " + std::to_string(row + 1);
        if (!FindProduct(product))
            return "das Produkt " + product + where + " gibt es in diesen Daten nicht.";
        if (!pickerOffers(product))
            return "das Produkt " + product + where + " bietet die Produktauswahl nicht an.";
    }
    return {};
}

} // namespace

std::string designFieldCaption(std::string_view element) {
    for (const Caption& c : Captions)
        if (c.element == element)
            return std::string(c.caption);
    if (element.starts_with("CostGUID"))
        if (const NumberFieldSpec* amount = findNumberFieldSpec("CostSpin" + std::string(element.substr(8))))
            return "Produkt der " + std::string(amount->caption);
    if (const NumberFieldSpec* spec = findNumberFieldSpec(element))
        return std::string(spec->caption);
    return visibleText(element);
}

std::string DesignValueFault(const ShipDesign& design) {
    if (!isGuid(design.templateGuid))
        return "die Schiffsvorlage " + inQuotes(design.templateGuid) + " ist keine gültige GUID.";
    if (std::string fault = nameFault(design.name); !fault.empty())
        return fault;
    if (std::string fault = descriptionFault(design.description); !fault.empty())
        return fault;
    if (std::string fault = StoreUnlockCount(design.workForce, design.workAmount).fault; !fault.empty())
        return fault;
    if (std::string fault = numberFault(*findNumberFieldSpec("WorkAmount"), design.workAmount);
        !fault.empty())
        return fault;
    for (std::string_view element : shipDesignFields()) {
        const auto it = design.values.find(element);
        if (it == design.values.end())
            return "im Entwurf fehlt das Feld \"" + designFieldCaption(element) + "\".";
        if (std::string fault = fieldFault(element, it->second); !fault.empty())
            return fault;
    }
    // The save drops the amount of a row without a product: a design holding one would not come back.
    for (int row = 0; row < CostRows; ++row) {
        const std::string n = std::to_string(row);
        if (design.values.at("CostGUID" + n) == "0" && design.values.at("CostSpin" + n) != "0")
            return "die Baukosten Zeile " + std::to_string(row + 1) + " haben eine Menge, aber kein Produkt.";
    }
    return unarmedFault(design);
}

std::string DesignDataFault(const ShipDesign& design) {
    const std::string& tpl = design.templateGuid;
    const pugi::xml_node entry = FindShipEntryQuoted(ShipIndexRoot(), tpl);
    const pugi::xml_node values = FindShipValuesQuoted(tpl);
    if (!entry || !values || ShipValue(entry, kShipTyp) == kCategoryNew ||
        values.child("Standard").child("Base"))
        return "die Schiffsvorlage " + tpl + " gibt es in diesen Daten nicht.";
    // A new ship from the template, as the window starts it.
    const ShipForm start = LoadShipForm(tpl, true);

    const std::optional<NumberFieldSpec> speed = shipNumberField("ForwardSpeed", start.context.engine);
    if (std::string fault = numberFault(*speed, design.values.at("ForwardSpeed")); !fault.empty())
        return fault;
    for (const char* perk : {"ExpeditionPerk1", "ExpeditionPerk2"})
        if (const std::string& own = start.text(perk); design.values.at(perk) != own)
            return field(perk) + " steht \"" + std::string(perkShown(design.values.at(perk))) +
                   "\", die Schiffsvorlage " + tpl + " hat aber \"" + std::string(perkShown(own)) +
                   "\", und das Fenster ändert dieses Merkmal nicht.";
    if (std::string fault = costFault(design, start); !fault.empty())
        return fault;
    const std::string& projectile = design.values.at("WeaponProjectileTypeGUID");
    if (!FindProjectile(projectile))
        return "den Waffentyp " + projectile + " gibt es in diesen Daten nicht.";
    return {};
}

} // namespace ms
