#include "yards/ShipSummary.h"

#include "core/lifecycle/NewShipTestSupport.h"
#include "store/ShipIndex.h"

#include <algorithm>

namespace {

using Lines = std::vector<std::string>;

class ShipSummaryTest : public mstest::NewShipTest {
  protected:
    // The summary of a ship as the overview computes it: a form of its own from the files.
    std::vector<ms::SummaryLine> summary(const std::string& guid) {
        const ms::ShipForm form = show(guid);
        return ms::ShipSummaryLines(form, ms::FindShipEntry(ms::ShipIndexRoot(), guid));
    }

    static Lines texts(const std::vector<ms::SummaryLine>& lines) {
        Lines out;
        for (const ms::SummaryLine& line : lines)
            out.push_back(line.text);
        return out;
    }

    // The lines from `first` up to the one before `next`.
    static Lines section(const Lines& lines, const std::string& first, const std::string& next) {
        const auto from = std::find(lines.begin(), lines.end(), first);
        return Lines(from, std::find(from, lines.end(), next));
    }
};

TEST_F(ShipSummaryTest, SailingShipWithTwoCostRowsInOrderAndColours) {
    const auto lines = summary("100438");
    EXPECT_EQ(texts(lines), (Lines{"Standardschiff",
                                   "Baukosten : ",
                                   "20 Bretter",
                                   "10 Segel",
                                   "Einflusspunkte : 2",
                                   "Details : ",
                                   " max. Geschwindigkeit ca.: 15,84 kn.",
                                   " min. Geschwindigkeit ca.: 4,4 kn.",
                                   " Betriebskosten : 20 Münzen",
                                   " Frachtverlangsamung : 0,8",
                                   " Sessionwechselfaktor : 1",
                                   " Itemsockel : 1",
                                   " Ladekammern : 2",
                                   " Ladekapazität : 50 t pro Kammer",
                                   " Baufreigabe : 1 Arbeiter(n)",
                                   " Handelspunkte : 1",
                                   " Trefferpunkte : 1000",
                                   " Selbstreparatur : 0,5 (p.sek)",
                                   " Reparaturstart nach : 60 (.sek)",
                                   "Bewaffnung",
                                   " Das Schiff ist nicht bewaffnet."}));
    // Dark red for the kind of ship, dark blue from "Baukosten : " on.
    ASSERT_FALSE(lines.empty());
    EXPECT_EQ(lines.front().colour, (ms::SummaryColour{128, 0, 0}));
    for (size_t i = 1; i < lines.size(); ++i)
        EXPECT_EQ(lines[i].colour, (ms::SummaryColour{0, 0, 128})) << lines[i].text;
}

TEST_F(ShipSummaryTest, ShipWithoutCostsSaysSo) {
    pugi::xml_node costs = ms::FindShipValues("100438").child("Cost").child("Costs");
    while (costs.first_child())
        costs.remove_child(costs.first_child());
    const ms::ShipForm form = ms::LoadShipForm("100438", false); // from the changed open document
    const Lines lines = texts(ms::ShipSummaryLines(form, ms::FindShipEntry(ms::ShipIndexRoot(), "100438")));
    EXPECT_EQ(section(lines, "Baukosten : ", "Details : "),
              (Lines{"Baukosten : ", "keine Baukosten gesetzt", "Einflusspunkte : 2"}));
}

TEST_F(ShipSummaryTest, SteamshipHasOneSpeedLine) {
    const Lines lines = texts(summary("1010062"));
    EXPECT_EQ(section(lines, "Details : ", " Betriebskosten : 300 Münzen"),
              (Lines{"Details : ", " max. Geschwindigkeit : 10,4 kn."}));
}

TEST_F(ShipSummaryTest, ArmedShipWithoutTradePointsListsItsWeapons) {
    const Lines lines = texts(summary("100440"));
    EXPECT_EQ(std::count(lines.begin(), lines.end(), " Handelspunkte : 0"), 0);
    EXPECT_EQ(section(lines, " Baufreigabe : 250 Handwerker(n)", " Trefferpunkte : 3500"),
              (Lines{" Baufreigabe : 250 Handwerker(n)", " Militärpunkte : 2"}));
    EXPECT_EQ(section(lines, "Bewaffnung", ""),
              (Lines{"Bewaffnung", " Waffentyp : Kanone, leicht", " Angriffsreichweite : 45",
                     " Schaden pro Schuss : 150", " Nachladedauer : 45", " Reaktionsweite : 100",
                     " Projektilanzahl : 4"}));
}

TEST_F(ShipSummaryTest, ActivatedShipAndAbsentElements) {
    const std::string guid = create("100438");
    ms::ReloadShipDocuments(m_xmla);
    ms::SetShipValue(ms::FindShipEntry(ms::ShipIndexRoot(), guid), ms::kShipIsMod, "true");
    // A record without hit points and capacity reads 0 there, not the fields' lower bounds.
    const pugi::xml_node values = ms::FindShipValues(guid);
    values.child("Attackable").remove_child("MaximumHitPoints");
    values.child("ItemContainer").remove_child("StackLimit");
    const ms::ShipForm form = ms::LoadShipForm(guid, false);
    const Lines lines = texts(ms::ShipSummaryLines(form, ms::FindShipEntry(ms::ShipIndexRoot(), guid)));
    ASSERT_FALSE(lines.empty());
    EXPECT_EQ(lines.front(), "modifiziertes Schiff");
    EXPECT_EQ(std::count(lines.begin(), lines.end(), " Trefferpunkte : 0"), 1);
    EXPECT_EQ(std::count(lines.begin(), lines.end(), " Ladekapazität : 0 t pro Kammer"), 1);
}

} // namespace
