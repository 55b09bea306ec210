#include "NewShipTestSupport.h"

#include "lifecycle/ShipEditing.h"
#include "lifecycle/TemplateForm.h"
#include "shell/Error.h"

namespace {

class TemplateFormTest : public mstest::NewShipTest {};

TEST_F(TemplateFormTest, WeaponComparisonNamesTheProjectileAndHasNoWeaponSetState) {
    ms::ShipForm ship = show(create("100437"));
    ms::SetWeaponPanelClick(ship, {}, true); // the gunboat is armed: this disarms it
    ASSERT_EQ(ship.text("SetWeaponPanel"), ms::kArmCaption);
    const ms::ShipForm tpl = ms::LoadTemplateForm(ship.context, ms::DataPanel::Weapon, false);
    EXPECT_EQ(tpl.text("WeaponProjectileType"), "Kanone, sehr leicht");
    EXPECT_EQ(tpl.text("WeaponBaseDamage"), "105");
    EXPECT_EQ(tpl.text("SetWeaponPanel"), ms::kArmCaption);
}

TEST_F(TemplateFormTest, BaseComparisonShowsTheShipsNameWithTheTemplatesLevel) {
    ms::ShipForm ship = show(create("100438"));
    ship.context.name = "Meine Schonerin";
    ms::SetPicClick(ship, "114329", {}, true);
    const ms::ShipForm tpl = ms::LoadTemplateForm(ship.context, ms::DataPanel::Base, false);
    EXPECT_EQ(tpl.text("NewShipNameText"), "Meine Schonerin");
    EXPECT_EQ(tpl.text("WorkForceGUID"), "15000001");
    EXPECT_FALSE(tpl.has("CostSpin0")) << "one panel per comparison";
}

TEST_F(TemplateFormTest, MissingTemplateRecordIsRefused) {
    ms::ShipContext unknown;
    unknown.guid = "999";
    EXPECT_THROW(ms::LoadTemplateForm(unknown, ms::DataPanel::Cost, false), ms::Error);
}

TEST_F(TemplateFormTest, PickTurnsAnEmptyAmountIntoOneAndRefusesWhatThePickerNeverOffers) {
    ms::ShipForm ship = show(create("100438"));
    ship.set("CostSpin3", "");
    ms::PickProduct(ship, 3, "1010210", {}, true);
    EXPECT_EQ(ship.text("CostSpin3"), "1");
    EXPECT_THROW(ms::PickProduct(ship, 7, "1010210", {}, true), ms::Error);
    EXPECT_THROW(ms::PickProduct(ship, 0, "4711", {}, true), ms::Error);
    EXPECT_EQ(ship.text("CostGUID0"), "1010196");
}

} // namespace
