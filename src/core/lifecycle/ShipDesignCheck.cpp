#include "lifecycle/ShipDesignCheck.h"

#include "lifecycle/NumberFieldSpec.h"
#include "lifecycle/StoredFieldNumber.h"
#include "shell/TextInputFilter.h"
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

// Strict UTF-8: no overlong forms, no surrogates, nothing above U+10FFFF.
bool decodeUtf8(std::string_view text, std::u32string& out) {
    out.clear();
    for (size_t i = 0; i < text.size();) {
        const auto byte = [&](size_t k) { return static_cast<unsigned char>(text[k]); };
        const unsigned char lead = byte(i);
        int extra = 0;
        char32_t c = 0;
        if (lead < 0x80) {
            c = lead;
        } else if ((lead & 0xE0) == 0xC0) {
            extra = 1;
            c = lead & 0x1F;
        } else if ((lead & 0xF0) == 0xE0) {
            extra = 2;
            c = lead & 0x0F;
        } else if ((lead & 0xF8) == 0xF0) {
            extra = 3;
            c = lead & 0x07;
        } else {
            return false;
        }
        if (i + static_cast<size_t>(extra) >= text.size())
            return false;
        for (int k = 1; k <= extra; ++k) {
            if ((byte(i + static_cast<size_t>(k)) & 0xC0) != 0x80)
                return false;
            c = (c << 6) | (byte(i + static_cast<size_t>(k)) & 0x3F);
        }
        static constexpr std::array<char32_t, 4> Smallest{0, 0x80, 0x800, 0x10000};
        if (c < Smallest[static_cast<size_t>(extra)] || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF))
            return false;
        out.push_back(c);
        i += static_cast<size_t>(extra) + 1;
    }
    return true;
}

// A character as a message shows it: itself when printable, else its code ("U+000A").
std::string shown(char32_t c) {
    if (c < 0x20 || c == 0x7F || (c >= 0x80 && c <= 0x9F)) {
        char code[16];
        std::snprintf(code, sizeof code, "U+%04X", static_cast<unsigned>(c));
        return code;
    }
    std::string out;
    const auto add = [&](unsigned bits) { out.push_back(static_cast<char>(bits)); };
    if (c < 0x80) {
        add(c);
    } else if (c < 0x800) {
        add(0xC0 | (c >> 6));
        add(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        add(0xE0 | (c >> 12));
        add(0x80 | ((c >> 6) & 0x3F));
        add(0x80 | (c & 0x3F));
    } else {
        add(0xF0 | (c >> 18));
        add(0x80 | ((c >> 12) & 0x3F));
        add(0x80 | ((c >> 6) & 0x3F));
        add(0x80 | (c & 0x3F));
    }
    return out;
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
        return "der Schiffsname ist kein gültiger UTF-8-Text.";
    const size_t limit = typedLengthLimit(TextBox::ShipName);
    if (chars.size() > limit)
        return "der Schiffsname ist länger als " + std::to_string(limit) + " Zeichen.";
    for (size_t i = 0; i < chars.size(); ++i)
        if (!acceptsTypedChar(TextBox::ShipName, chars[i], i) || chars[i] == kBackspace)
            return "der Schiffsname \"" + std::string(name) + "\" enthält das Zeichen \"" + shown(chars[i]) +
                   "\", das das Namensfeld nicht annimmt.";
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
            return "der Beschreibungstext enthält das Steuerzeichen " + shown(c) + ".";
    return {};
}

std::string numberFault(const NumberFieldSpec& spec, std::string_view text) {
    return StoreFieldNumber(spec, text, false).fault;
}

bool isCostGuidField(std::string_view field) {
    return field.starts_with("CostGUID");
}

// A field that is no number field: its allowed texts, or empty for a GUID.
std::span<const std::string_view> choicesOf(std::string_view field) {
    static constexpr std::array<std::string_view, 2> WeaponSet{"0", "1"};
    static constexpr std::array<std::string_view, 3> Perk1{"PerkSailingShip", "PerkSteamShip",
                                                           "ExpeditionPerk1"};
    static constexpr std::array<std::string_view, 3> Perk2{"PerkMilitaryShip", "PerkTradeShip",
                                                           "ExpeditionPerk2"};
    if (field == "WeaponSet")
        return WeaponSet;
    if (field == "ExpeditionPerk1")
        return Perk1;
    if (field == "ExpeditionPerk2")
        return Perk2;
    return {};
}

std::string fieldFault(std::string_view field, const std::string& text) {
    // ForwardSpeed's bound depends on the template's propulsion: here the larger one, the data
    // check applies the template's own.
    if (const std::optional<NumberFieldSpec> spec = shipNumberField(field, "Steam"))
        return numberFault(*spec, text);
    const std::span<const std::string_view> choices = choicesOf(field);
    if (choices.empty() ? isGuid(text) : std::find(choices.begin(), choices.end(), text) != choices.end())
        return {};
    return "der Wert \"" + text + "\" im Feld \"" + std::string(field) + "\" ist ungültig.";
}

} // namespace

std::string DesignValueFault(const ShipDesign& design) {
    if (!isGuid(design.templateGuid))
        return "die Schiffsvorlage \"" + design.templateGuid + "\" ist keine gültige GUID.";
    if (std::string fault = nameFault(design.name); !fault.empty())
        return fault;
    if (std::string fault = descriptionFault(design.description); !fault.empty())
        return fault;
    if (std::string fault = StoreUnlockCount(design.workForce, design.workAmount).fault; !fault.empty())
        return fault;
    for (std::string_view field : shipDesignFields()) {
        const auto it = design.values.find(field);
        if (it == design.values.end())
            return "im Entwurf fehlt das Feld \"" + std::string(field) + "\".";
        if (std::string fault = fieldFault(field, it->second); !fault.empty())
            return fault;
    }
    // The save drops the amount of a row without a product: a design holding one would not come back.
    for (char row = '0'; row < '7'; ++row) {
        const std::string n(1, row);
        if (design.values.at("CostGUID" + n) == "0" && design.values.at("CostSpin" + n) != "0")
            return "die Baukosten Zeile " + std::to_string(row - '0' + 1) +
                   " haben eine Menge, aber kein Produkt.";
    }
    return {};
}

std::string DesignDataFault(const ShipDesign& design) {
    const std::string& tpl = design.templateGuid;
    const pugi::xml_node entry = FindShipEntryQuoted(ShipIndexRoot(), tpl);
    const pugi::xml_node values = FindShipValuesQuoted(tpl);
    if (!entry || !values || ShipValue(entry, kShipTyp) == kCategoryNew ||
        values.child("Standard").child("Base"))
        return "die Schiffsvorlage " + tpl + " gibt es in diesen Daten nicht.";

    const std::optional<NumberFieldSpec> speed =
        shipNumberField("ForwardSpeed", ShipValue(entry, kShipEngine));
    if (std::string fault = numberFault(*speed, design.values.at("ForwardSpeed")); !fault.empty())
        return fault;
    for (const auto& [field, text] : design.values)
        if (isCostGuidField(field) && text != "0" && !FindProduct(text))
            return "das Produkt " + text + " im Feld \"" + field + "\" gibt es in diesen Daten nicht.";
    const std::string& projectile = design.values.at("WeaponProjectileTypeGUID");
    if (!FindProjectile(projectile))
        return "den Waffentyp " + projectile + " gibt es in diesen Daten nicht.";
    return {};
}

} // namespace ms
