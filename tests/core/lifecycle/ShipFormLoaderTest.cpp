#include "lifecycle/ShipFormLoader.h"
#include "shell/Error.h"
#include "store/SharedDocuments.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

namespace {

// The panel fills on the delivered data set, as the main window shows a ship.
class ShipFormLoaderTest : public ::testing::Test {
  protected:
    void SetUp() override {
        m_xmla = mstest::copyDeliveredData(m_dir.path());
        ms::OpenSharedDocuments(m_xmla);
    }
    void TearDown() override { ms::CloseSharedDocuments(); }

    mstest::TempDir m_dir;
    std::filesystem::path m_xmla;
};

TEST_F(ShipFormLoaderTest, SchoonerFillsEveryPanelWithCommaSeparator) {
    const ms::ShipForm form = ms::LoadShipForm("100438", false);
    const ms::ShipContext& c = form.context;
    EXPECT_EQ(c.guid, "100438");
    EXPECT_EQ(c.templateGuid, "100438");
    EXPECT_EQ(c.name, "Schoner");
    EXPECT_EQ(c.icon, "icon_ship_schooner");
    EXPECT_EQ(c.engine, "Sail");
    EXPECT_EQ(c.shipClass, "TradeShip");
    EXPECT_FALSE(c.hasFixedCargo);

    EXPECT_EQ(form.text("SelectedShipLabel"), "GUID : 100438");
    EXPECT_EQ(form.text("BaseDataGUIDInfo"), "GUID : 100438");
    EXPECT_EQ(form.text("ShipName"), "Schoner");
    EXPECT_EQ(form.text("NewShipNameText"), "Schoner");

    // Detail: speed 4.4 with the sailing factors 3.6 and 1.0.
    EXPECT_EQ(form.text("ForwardSpeed"), "4,4");
    EXPECT_EQ(form.text("ForwardSpeedMaxText"), "max. Segelgeschwindigkeit");
    EXPECT_EQ(form.text("ForwardSpeedMaxValue"), "15,84 kn.");
    EXPECT_EQ(form.text("ForwardSpeedMinText"), "min. Segelgeschwindigkeit");
    EXPECT_EQ(form.text("ForwardSpeedMinValue"), "4,4 kn.");
    EXPECT_EQ(form.summary.maxSpeed, " max. Segelgeschwindigkeit : 15,84 kn. - ");
    EXPECT_EQ(form.summary.minSpeed, " min. Segelgeschwindigkeit : 4,4 kn. - ");

    // Cost: two products, five empty rows, influence 2.
    EXPECT_EQ(form.text("CostSpin0"), "20");
    EXPECT_EQ(form.text("CostLabel0"), "Bretter");
    EXPECT_EQ(form.text("CostGUID0"), "1010196");
    EXPECT_EQ(form.text("CostImage0"), "icon_wooden_planks_0");
    EXPECT_EQ(form.text("CostSpin1"), "10");
    EXPECT_EQ(form.text("CostLabel1"), "Segel");
    for (int k = 2; k < 7; ++k) {
        const std::string n = std::to_string(k);
        EXPECT_EQ(form.text("CostSpin" + n), "0") << k;
        EXPECT_EQ(form.text("CostLabel" + n), "keine Auswahl") << k;
        EXPECT_EQ(form.text("CostGUID" + n), "0") << k;
        EXPECT_EQ(form.text("CostImage" + n), "NoProduct") << k;
    }
    EXPECT_EQ(form.text("InfluenceCostPoints"), "2");
    EXPECT_EQ(form.summary.costLines, (std::vector<std::string>{"20 Bretter", "10 Segel"}));

    // Weapon: unarmed, self-heal pause stored in milliseconds.
    EXPECT_EQ(form.text("WeaponSet"), "0");
    EXPECT_EQ(form.text("SetWeaponPanel"), "Bewaffnung hinzufügen");
    EXPECT_EQ(form.text("WeaponSelfHealPause"), "60");
    EXPECT_EQ(form.summary.repairStart, " Reparaturstart nach : 60(.sek) - ");
    for (const char* field : {"WeaponProjectileCount", "WeaponBaseDamage", "WeaponReloadTime",
                              "WeaponAttRange", "WeaponLineOfSight"})
        EXPECT_EQ(form.text(field), "0") << field;

    // Expedition: Might's item has no amount, so it shows 0.
    EXPECT_EQ(form.text("MightInt"), "0");
    EXPECT_EQ(form.text("NavigationInt"), "20");
    EXPECT_EQ(form.text("MeleeInt"), "0");
    EXPECT_EQ(form.text("ExpeditionPerk1"), "PerkSailingShip");
    EXPECT_EQ(form.text("ExpeditionPerk2"), "PerkTradeShip");

    // Base: the population level and its name.
    EXPECT_EQ(form.text("WorkForceGUID"), "15000001");
    EXPECT_EQ(form.text("WorkForceLabel"), "Arbeiter(n)");
}

TEST_F(ShipFormLoaderTest, PointSeparatorShowsDecimalsWithPoint) {
    const ms::ShipForm form = ms::LoadShipForm("100438", true);
    EXPECT_EQ(form.text("ForwardSpeed"), "4.4");
    EXPECT_EQ(form.text("ForwardSpeedMaxValue"), "15.84 kn.");
    EXPECT_EQ(form.text("ForwardSpeedMinValue"), "4.4 kn.");
}

TEST_F(ShipFormLoaderTest, SteamshipHasOneSpeedAndNoMinimum) {
    const ms::ShipForm form = ms::LoadShipForm("1010062", false);
    EXPECT_EQ(form.context.engine, "Steam");
    EXPECT_EQ(form.text("ForwardSpeed"), "5,2");
    EXPECT_EQ(form.text("ForwardSpeedMaxText"), "max. Geschwindigkeit");
    EXPECT_EQ(form.text("ForwardSpeedMaxValue"), "10,4 kn.");
    EXPECT_FALSE(form.has("ForwardSpeedMinValue"));
    EXPECT_FALSE(form.has("ForwardSpeedMinText"));
    EXPECT_EQ(form.summary.maxSpeed, " max/min. Geschwindigkeit : 10,4 kn. - ");
    EXPECT_EQ(form.summary.minSpeed, "");
    EXPECT_EQ(form.text("ExpeditionPerk1"), "PerkSteamShip");
}

TEST_F(ShipFormLoaderTest, OnlyTheOilTankerHasFixedCargo) {
    for (const char* guid : {"100437", "100438", "100439", "100440", "100441", "100442", "100443",
                             "100853", "101121", "102419", "102420", "102421", "102422", "102423",
                             "102425", "102428", "102455", "132404", "150000", "160000", "1010062"}) {
        const ms::ShipForm form = ms::LoadShipForm(guid, false);
        EXPECT_EQ(form.context.hasFixedCargo, std::string(guid) == "100853") << guid;
    }
}

TEST_F(ShipFormLoaderTest, SpeedLabelsFollowTheFieldText) {
    ms::ShipForm form = ms::LoadShipForm("100438", false);
    form.set("ForwardSpeed", "5");
    ms::UpdateSpeedLabels(form, false);
    EXPECT_EQ(form.text("ForwardSpeedMaxValue"), "18 kn.");
    EXPECT_EQ(form.text("ForwardSpeedMinValue"), "5 kn.");

    // A text that is no number leaves the knots as they were.
    form.set("ForwardSpeed", "5.");
    ms::UpdateSpeedLabels(form, false);
    EXPECT_EQ(form.text("ForwardSpeedMaxValue"), "18 kn.");
}

TEST_F(ShipFormLoaderTest, UnknownShipIsReportedNotShown) {
    EXPECT_THROW(ms::LoadShipForm("999999", false), ms::Error);
}

} // namespace
