#include "yards/ShipSummary.h"

#include "store/ShipIndex.h"

#include <string_view>

namespace ms {

namespace {

// Appends lines the way the summary's rich text box takes them: a line given a colour sets the
// format, the lines after it continue in that format.
class SummaryText {
  public:
    void add(std::string text, SummaryColour colour) {
        m_colour = colour;
        add(std::move(text));
    }
    void add(std::string text) { m_lines.push_back({std::move(text), m_colour}); }
    std::vector<SummaryLine> take() { return std::move(m_lines); }

  private:
    SummaryColour m_colour = kSummaryDarkBlue;
    std::vector<SummaryLine> m_lines;
};

// The value of a summary text as the fills leave it: the field's text when the record had the
// element (the summary text was built), otherwise "0".
std::string valueOf(const ShipForm& form, const std::string& summaryText, std::string_view field) {
    return summaryText.empty() ? std::string("0") : form.text(field);
}

// The projectile name inside " Waffentyp : " name " - ".
std::string projectileName(const std::string& weaponTypeText) {
    constexpr std::string_view caption = " Waffentyp : ";
    constexpr std::string_view end = " - ";
    std::string_view name = weaponTypeText;
    if (name.starts_with(caption))
        name.remove_prefix(caption.size());
    if (name.ends_with(end))
        name.remove_suffix(end.size());
    return std::string(name);
}

} // namespace

std::vector<SummaryLine> ShipSummaryLines(const ShipForm& form, pugi::xml_node indexEntry) {
    const ShipSummary& s = form.summary;
    const std::string isMod = ShipValue(indexEntry, "IsMod");
    const std::string engine = ShipValue(indexEntry, "Engine");
    SummaryText out;

    if (isMod == "false")
        out.add("Standardschiff", kSummaryDarkRed);
    else if (isMod == "true")
        out.add("modifiziertes Schiff", kSummaryDarkRed);

    out.add("Baukosten : ", kSummaryDarkBlue);
    for (const std::string& line : s.costLines)
        out.add(line);
    if (s.costLines.empty())
        out.add("keine Baukosten gesetzt");
    out.add("Einflusspunkte : " + form.text("InfluenceCostPoints"));

    out.add("Details : ", kSummaryDarkBlue);
    if (engine == "Sail") {
        out.add(" max. Geschwindigkeit ca.: " + form.text("ForwardSpeedMaxValue"));
        out.add(" min. Geschwindigkeit ca.: " + form.text("ForwardSpeedMinValue"));
    } else if (engine == "Steam") {
        out.add(" max. Geschwindigkeit : " + form.text("ForwardSpeedMaxValue"));
    }
    out.add(" Betriebskosten : " + valueOf(form, s.maintenance, "ShipMaintenance") + " Münzen");
    out.add(" Frachtverlangsamung : " + valueOf(form, s.cargoSlowdown, "CargoFullFactor"));
    out.add(" Sessionwechselfaktor : " + valueOf(form, s.sessionFactor, "SessionTransferSpeedFactor"));
    out.add(" Itemsockel : " + valueOf(form, s.sockets, "SocketCount"));
    out.add(" Ladekammern : " + valueOf(form, s.cargoSlots, "SlotCount"));
    out.add(" Ladekapazität : " + valueOf(form, s.capacity, "StackLimit") + " t pro Kammer");
    out.add(" Baufreigabe : " + form.text("WorkAmount") + " " + form.text("WorkForceLabel"));
    if (const std::string trade = valueOf(form, s.tradePoints, "TradeShipPoints"); trade != "0")
        out.add(" Handelspunkte : " + trade);
    if (const std::string military = valueOf(form, s.militaryPoints, "MilitaryShipPoints"); military != "0")
        out.add(" Militärpunkte : " + military);
    out.add(" Trefferpunkte : " + valueOf(form, s.hitPoints, "WeaponMaxHitpoints"));
    out.add(" Selbstreparatur : " + valueOf(form, s.selfRepair, "WeaponSelfHealPerSec") + " (p.sek)");
    out.add(" Reparaturstart nach : " + valueOf(form, s.repairStart, "WeaponSelfHealPause") + " (.sek)");

    out.add("Bewaffnung", kSummaryDarkBlue);
    const std::string& weaponSet = form.text("WeaponSet");
    if (weaponSet == "0") {
        out.add(" Das Schiff ist nicht bewaffnet.");
    } else if (weaponSet == "1") {
        out.add(" Waffentyp : " + projectileName(s.weaponType));
        out.add(" Angriffsreichweite : " + valueOf(form, s.attackRange, "WeaponAttRange"));
        out.add(" Schaden pro Schuss : " + valueOf(form, s.damage, "WeaponBaseDamage"));
        out.add(" Nachladedauer : " + valueOf(form, s.reload, "WeaponReloadTime"));
        out.add(" Reaktionsweite : " + valueOf(form, s.reactionRange, "WeaponLineOfSight"));
        out.add(" Projektilanzahl : " + valueOf(form, s.projectileCount, "WeaponProjectileCount"));
    }
    return out.take();
}

} // namespace ms
