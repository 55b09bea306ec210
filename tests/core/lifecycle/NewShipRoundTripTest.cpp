#include "NewShipTestSupport.h"

#include "lifecycle/ChangeMarkers.h"
#include "lifecycle/ShipEditing.h"
#include "lifecycle/ShipSave.h"
#include "lifecycle/TemplateValues.h"
#include "store/RecordStore.h"
#include "store/SharedDocuments.h"
#include "store/ShipIndex.h"

namespace {

using Names = std::vector<std::string>;

Names shownMarkers(const ms::ChangeMarkers& markers) {
    Names out;
    for (const auto& [name, visible] : markers.markers)
        if (visible)
            out.push_back(name);
    return out;
}

class NewShipRoundTripTest : public mstest::NewShipTest {};

// The road of one new ship through the core, as the main window's handlers drive it: the gunboat
// template shown, "Neues Schiff erstellen", edits with their markers, "Speichern", shown again.
TEST_F(NewShipRoundTripTest, GunboatCreatedEditedSavedAndShownAgain) {
    const std::string org = file("ShipFullORG.xml");

    ms::ShipForm form = show("100437");
    const auto created = ms::CreateNewShip(m_xmla, form, m_messages);
    ASSERT_TRUE(created);
    const std::string guid = created->ids.assetGuid;

    // ShowShip of the new ship in "Neue Schiffe".
    form = show(guid);
    ms::TemplateValues tpl = ms::CollectTemplateValues(guid, false);
    EXPECT_EQ(form.text("NewShipNameText"), "Kanonenboot (neu)");
    EXPECT_FALSE(ms::UpdateChangeMarkers(form, tpl, true).anyShown());

    form.set("NewShipNameText", "Sturmvogel");
    ms::SetPicClick(form, "15000002", tpl, true);
    form.set("CostGUID2", "1010221");
    form.set("CostSpin2", "4");
    ms::UniClick(form, tpl, true);
    form.set("ForwardSpeed", "5,5");
    ms::ForwardSpeedChange(form, tpl, true, false);
    EXPECT_EQ(form.text("ForwardSpeedMaxValue"), "19,8 kn.");
    form.set("StackLimit", "100");
    ms::UniClick(form, tpl, true);
    ms::SetWeaponPanelClick(form, tpl, true);                             // disarm
    ms::ChangeMarkers markers = ms::SetWeaponPanelClick(form, tpl, true); // and arm again
    markers = ms::WeaponProjectileTypeComboClick(form, 6, tpl, true);
    const Names edited{"CostDot2", "WorkForceDot", "ForwardSpeedDot", "StackLimitDot",
                       "WeaponProjectileTypeDot"};
    EXPECT_EQ(shownMarkers(markers), edited);

    int shows = 0;
    ms::SaveShip(m_xmla, form,
                 {[&] {
                      ++shows;
                      form = show(guid);
                      tpl = ms::CollectTemplateValues(guid, false);
                  },
                  {}});
    EXPECT_EQ(shows, 1);

    // Shown again from disk: the saved values, the same markers against the unchanged template.
    EXPECT_EQ(form.text("NewShipNameText"), "Sturmvogel");
    EXPECT_EQ(form.text("WorkForceLabel"), "Handwerker(n)");
    EXPECT_EQ(form.text("CostLabel2"), "Kanonen");
    EXPECT_EQ(form.text("CostSpin2"), "4");
    EXPECT_EQ(form.text("ForwardSpeed"), "5,5");
    EXPECT_EQ(form.text("StackLimit"), "100");
    EXPECT_EQ(form.text("WeaponProjectileTypeGUID"), "102033");
    EXPECT_EQ(form.text("SetWeaponPanel"), ms::kDisarmCaption);
    EXPECT_EQ(form.context.templateGuid, "100437");
    markers = ms::UpdateChangeMarkers(form, tpl, true);
    EXPECT_EQ(shownMarkers(markers), edited);
    EXPECT_EQ(markers.picture("CostImageBtn"), "Cost1");
    EXPECT_EQ(markers.picture("BaseImageBtn"), "Base1");
    EXPECT_EQ(markers.picture("DetailImageBtn"), "Detail1");
    EXPECT_EQ(markers.picture("WeaponImageBtn"), "Weapon1");
    EXPECT_EQ(markers.picture("ExpeditionImageBtn"), "Expedition2");

    // The index and the record agree; the template is untouched.
    const pugi::xml_node entry = ms::FindShipEntry(ms::ShipIndexRoot(), guid);
    EXPECT_EQ(ms::ShipValue(entry, "Name"), "Sturmvogel");
    EXPECT_EQ(ms::ShipValue(entry, "WorkForce"), "15000002");
    EXPECT_EQ(ms::ShipValue(entry, "Typ"), "Neue Schiffe");
    const pugi::xml_node values = ms::FindShipValues(guid);
    EXPECT_EQ(ms::ReadText(values, "ItemContainer/SocketAllocation"), "Ship;TradeShip;Warship;SailShip");
    EXPECT_EQ(ms::ReadText(values, "Standard/Base"), "100437");
    EXPECT_EQ(file("ShipFullORG.xml"), org);
    const ms::ShipForm gunboat = show("100437");
    EXPECT_EQ(gunboat.text("NewShipNameText"), "Kanonenboot");
    EXPECT_EQ(gunboat.text("StackLimit"), "50");

    // Leaving the ship unsaved discards edits: showing it again reads the file.
    form.set("StackLimit", "200");
    EXPECT_EQ(show(guid).text("StackLimit"), "100");
}

} // namespace
