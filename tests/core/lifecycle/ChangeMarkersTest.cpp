#include "NewShipTestSupport.h"

#include "lifecycle/ChangeMarkers.h"
#include "lifecycle/NumberFieldSpec.h"
#include "lifecycle/ShipEditing.h"
#include "lifecycle/TemplateValues.h"
#include "shell/Error.h"
#include "store/RecordStore.h"
#include "store/SharedDocuments.h"

namespace {

// A new ship shown in the new-ship list, with its template values, as the main window holds them.
class ChangeMarkersTest : public mstest::NewShipTest {
  protected:
    void open(const std::string& templateGuid) {
        m_guid = create(templateGuid);
        m_form = show(m_guid);
        m_tpl = ms::CollectTemplateValues(m_guid, false);
    }

    // The markers that are shown, by name.
    std::vector<std::string> shownMarkers(const ms::ChangeMarkers& markers) const {
        std::vector<std::string> out;
        for (const auto& [name, visible] : markers.markers)
            if (visible)
                out.push_back(name);
        return out;
    }

    std::string m_guid;
    ms::ShipForm m_form;
    ms::TemplateValues m_tpl;
};

using Names = std::vector<std::string>;

TEST_F(ChangeMarkersTest, FreshShipOfEveryTemplateShowsNoMarker) {
    for (const char* guid : {"100437", "100438", "100439", "100440", "100441", "100442", "100443",
                             "100853", "101121", "102419", "102420", "102421", "102422", "102423",
                             "102425", "102428", "102455", "132404", "150000", "160000", "1010062"}) {
        open(guid);
        const ms::ChangeMarkers markers = ms::UpdateChangeMarkers(m_form, m_tpl, true);
        EXPECT_EQ(shownMarkers(markers), Names{}) << guid;
        ASSERT_EQ(markers.buttons.size(), 5u);
        for (const ms::PanelButtonPicture& b : markers.buttons)
            EXPECT_EQ(b.picture.back(), '2') << guid << " " << b.button;
    }
}

TEST_F(ChangeMarkersTest, EveryMarkerAndButtonPictureIsReported) {
    open("100438");
    const ms::ChangeMarkers markers = ms::UpdateChangeMarkers(m_form, m_tpl, true);
    EXPECT_EQ(markers.markers.size(), 37u);
    EXPECT_EQ(markers.markers.size(), ms::markerRules().size());
    // The detail panel's cargo marker keeps its odd spelling: it is the control's name.
    EXPECT_FALSE(markers.shown("CargoFullFactorDOt"));
    const std::vector<std::tuple<std::string, std::string, int>> buttons{
        {"BaseImageBtn", "Base2", 165},
        {"CostImageBtn", "Cost2", 165},
        {"WeaponImageBtn", "Weapon2", 107},
        {"DetailImageBtn", "Detail2", 107},
        {"ExpeditionImageBtn", "Expedition2", 107}};
    ASSERT_EQ(markers.buttons.size(), buttons.size());
    for (size_t i = 0; i < buttons.size(); ++i) {
        EXPECT_EQ(markers.buttons[i].button, std::get<0>(buttons[i]));
        EXPECT_EQ(markers.buttons[i].picture, std::get<1>(buttons[i]));
        EXPECT_EQ(markers.buttons[i].width, std::get<2>(buttons[i]));
        EXPECT_EQ(markers.buttons[i].height, 28);
    }
}

TEST_F(ChangeMarkersTest, StackLimitMarkerComesAndGoes) {
    open("100438");
    m_form.set("StackLimit", "60");
    ms::ChangeMarkers markers = ms::UniClick(m_form, m_tpl, true);
    EXPECT_EQ(shownMarkers(markers), Names{"StackLimitDot"});
    EXPECT_EQ(markers.picture("DetailImageBtn"), "Detail1");
    EXPECT_EQ(markers.picture("BaseImageBtn"), "Base2");

    m_form.set("StackLimit", "50");
    markers = ms::UniClick(m_form, m_tpl, true);
    EXPECT_FALSE(markers.anyShown());
    EXPECT_EQ(markers.picture("DetailImageBtn"), "Detail2");
}

TEST_F(ChangeMarkersTest, TemplateListsShowTheSecondPictureWhateverDiffers) {
    open("100438");
    m_form.set("StackLimit", "60");
    const ms::ChangeMarkers markers = ms::UpdateChangeMarkers(m_form, m_tpl, false);
    EXPECT_TRUE(markers.shown("StackLimitDot"));
    EXPECT_EQ(markers.picture("DetailImageBtn"), "Detail2");
}

TEST_F(ChangeMarkersTest, SpunCargoFactorKeepsItsMarker) {
    open("100437"); // CargoFullFactor 1
    EXPECT_EQ(m_form.text("CargoFullFactor"), "1");
    const ms::NumberFieldSpec& spec = *ms::findNumberFieldSpec("CargoFullFactor");
    m_form.set("CargoFullFactor",
               ms::steppedFieldText(spec, m_form.text("CargoFullFactor"), spec.smallStep, -1, false));
    m_form.set("CargoFullFactor",
               ms::steppedFieldText(spec, m_form.text("CargoFullFactor"), spec.smallStep, 1, false));
    EXPECT_EQ(m_form.text("CargoFullFactor"), "1,0");
    const ms::ChangeMarkers markers = ms::UniClick(m_form, m_tpl, true);
    EXPECT_EQ(shownMarkers(markers), Names{"CargoFullFactorDOt"});
    EXPECT_EQ(markers.picture("DetailImageBtn"), "Detail1");
}

TEST_F(ChangeMarkersTest, GunboatDisarmedAndArmedAgainFromItsTemplate) {
    open("100437");
    EXPECT_EQ(m_form.text("SetWeaponPanel"), ms::kDisarmCaption);
    const std::string hitPoints = m_form.text("WeaponMaxHitpoints");
    const std::string heal = m_form.text("WeaponSelfHealPerSec");
    const std::string pause = m_form.text("WeaponSelfHealPause");

    ms::ChangeMarkers markers = ms::SetWeaponPanelClick(m_form, m_tpl, true);
    EXPECT_EQ(m_form.text("SetWeaponPanel"), ms::kArmCaption);
    EXPECT_EQ(m_form.text("WeaponSet"), "0");
    for (const char* field :
         {"WeaponBaseDamage", "WeaponReloadTime", "WeaponAttRange", "WeaponLineOfSight",
          "WeaponProjectileCount", "WeaponProjectileTypeGUID", "WeaponProjectileTypeCombo"})
        EXPECT_EQ(m_form.text(field), "0") << field;
    EXPECT_EQ(shownMarkers(markers),
              (Names{"WeaponSetDot", "WeaponProjectileTypeDot", "ProjectileCountDot", "WeaponBaseDamageDot",
                     "WeaponReloadTimeDot", "WeaponAttRangeDot", "WeaponLineOfSightDot"}));
    EXPECT_EQ(markers.picture("WeaponImageBtn"), "Weapon1");

    markers = ms::SetWeaponPanelClick(m_form, m_tpl, true);
    EXPECT_EQ(m_form.text("SetWeaponPanel"), ms::kDisarmCaption);
    EXPECT_EQ(m_form.text("WeaponSet"), "1");
    EXPECT_EQ(m_form.text("WeaponBaseDamage"), "105");
    EXPECT_EQ(m_form.text("WeaponReloadTime"), "50");
    EXPECT_EQ(m_form.text("WeaponAttRange"), "40");
    EXPECT_EQ(m_form.text("WeaponLineOfSight"), "100");
    EXPECT_EQ(m_form.text("WeaponProjectileCount"), "2");
    EXPECT_EQ(m_form.text("WeaponProjectileTypeGUID"), "102277");
    EXPECT_EQ(m_form.text("WeaponProjectileTypeCombo"), "1");
    EXPECT_FALSE(markers.anyShown());
    EXPECT_EQ(markers.picture("WeaponImageBtn"), "Weapon2");

    // The defensive values stay whatever the user made of them.
    EXPECT_EQ(m_form.text("WeaponMaxHitpoints"), hitPoints);
    EXPECT_EQ(m_form.text("WeaponSelfHealPerSec"), heal);
    EXPECT_EQ(m_form.text("WeaponSelfHealPause"), pause);
}

TEST_F(ChangeMarkersTest, WarShipIsArmedFromItsOwnTemplateNotTheDefaults) {
    open("100442"); // Panzerkreuzer: 300, 40, 55, 100, 4, projectile 102267
    ms::SetWeaponPanelClick(m_form, m_tpl, true);
    m_form.set("WeaponSelfHealPause", "7");
    const ms::ChangeMarkers markers = ms::SetWeaponPanelClick(m_form, m_tpl, true);
    EXPECT_EQ(m_form.text("WeaponBaseDamage"), "300");
    EXPECT_EQ(m_form.text("WeaponAttRange"), "55");
    EXPECT_EQ(m_form.text("WeaponProjectileCount"), "4");
    EXPECT_EQ(m_form.text("WeaponProjectileTypeGUID"), "102267");
    EXPECT_EQ(m_form.text("WeaponProjectileTypeCombo"), "5");
    EXPECT_EQ(shownMarkers(markers), Names{"WeaponSelfHealPauseDot"});
}

TEST_F(ChangeMarkersTest, TemplateWithoutAReloadTimeArmsWithZero) {
    open("102428"); // Torpedoboot has no Attacker/ReloadTime
    EXPECT_EQ(m_tpl.text("WeaponReloadTime"), "0");
    m_form.set("WeaponReloadTime", "12");
    ms::SetWeaponPanelClick(m_form, m_tpl, true);
    const ms::ChangeMarkers markers = ms::SetWeaponPanelClick(m_form, m_tpl, true);
    EXPECT_EQ(m_form.text("WeaponReloadTime"), "0");
    EXPECT_FALSE(markers.anyShown());
}

TEST_F(ChangeMarkersTest, SchoonerIsArmedWithTheDefaults) {
    open("100438");
    EXPECT_EQ(m_form.text("SetWeaponPanel"), ms::kArmCaption);
    const ms::ChangeMarkers markers = ms::SetWeaponPanelClick(m_form, m_tpl, true);
    EXPECT_EQ(m_form.text("SetWeaponPanel"), ms::kDisarmCaption);
    EXPECT_EQ(m_form.text("WeaponSet"), "1");
    EXPECT_EQ(m_form.text("WeaponBaseDamage"), "105");
    EXPECT_EQ(m_form.text("WeaponReloadTime"), "50");
    EXPECT_EQ(m_form.text("WeaponAttRange"), "40");
    EXPECT_EQ(m_form.text("WeaponLineOfSight"), "100");
    EXPECT_EQ(m_form.text("WeaponProjectileCount"), "2");
    EXPECT_EQ(m_form.text("WeaponProjectileTypeCombo"), "1");
    EXPECT_EQ(m_form.text("WeaponProjectileTypeGUID"), "102277");
    EXPECT_EQ(shownMarkers(markers),
              (Names{"WeaponSetDot", "WeaponProjectileTypeDot", "ProjectileCountDot", "WeaponBaseDamageDot",
                     "WeaponReloadTimeDot", "WeaponAttRangeDot", "WeaponLineOfSightDot"}));
    EXPECT_EQ(markers.picture("WeaponImageBtn"), "Weapon1");
    EXPECT_EQ(markers.picture("DetailImageBtn"), "Detail2");
}

TEST_F(ChangeMarkersTest, ShepherdsOnASchoonerShip) {
    open("100438");
    const std::string amount = m_form.text("WorkAmount");
    const ms::ChangeMarkers markers = ms::SetPicClick(m_form, "114329", m_tpl, true);
    EXPECT_EQ(m_form.text("WorkForceGUID"), "114329");
    EXPECT_EQ(m_form.text("WorkForceLabel"), "Hirte(n)");
    EXPECT_EQ(m_form.text("WorkAmount"), amount);
    EXPECT_EQ(shownMarkers(markers), Names{"WorkForceDot"});
    EXPECT_EQ(markers.picture("BaseImageBtn"), "Base1");

    // The amount alone raises the same marker; back at the template's values it goes.
    ms::SetPicClick(m_form, "15000001", m_tpl, true);
    m_form.set("WorkAmount", "2");
    EXPECT_EQ(shownMarkers(ms::UniClick(m_form, m_tpl, true)), Names{"WorkForceDot"});
    m_form.set("WorkAmount", amount);
    EXPECT_FALSE(ms::UniClick(m_form, m_tpl, true).anyShown());
}

TEST_F(ChangeMarkersTest, SwappedCostRowsMarkBothRows) {
    open("100438");
    for (const char* suffix : {"GUID", "Spin", "Label", "Image"}) {
        const std::string a = std::string("Cost") + suffix + "0";
        const std::string b = std::string("Cost") + suffix + "1";
        const std::string t = m_form.text(a);
        m_form.set(a, m_form.text(b));
        m_form.set(b, t);
    }
    const ms::ChangeMarkers markers = ms::UniClick(m_form, m_tpl, true);
    EXPECT_EQ(shownMarkers(markers), (Names{"CostDot0", "CostDot1"}));
    EXPECT_EQ(markers.picture("CostImageBtn"), "Cost1");
}

TEST_F(ChangeMarkersTest, BuildTimeComparesSecondsWithStoredMilliseconds) {
    open("100438"); // 90000 ms
    EXPECT_EQ(m_tpl.text("CraftingTime"), "90000");
    EXPECT_EQ(m_form.text("CraftingTime"), "90");
    for (const auto& [shown, marked] :
         std::vector<std::pair<std::string, bool>>{{"90", false}, {"91", true}, {"", true}, {"9x", true}}) {
        m_form.set("CraftingTime", shown);
        EXPECT_EQ(ms::UniClick(m_form, m_tpl, true).shown("CraftingTimeDot"), marked) << shown;
    }
}

TEST_F(ChangeMarkersTest, ClearedFieldDiffersFromZero) {
    open("100438");
    EXPECT_EQ(m_form.text("MightInt"), "0");
    m_form.set("MightInt", "");
    const ms::ChangeMarkers markers = ms::UniClick(m_form, m_tpl, true);
    EXPECT_EQ(shownMarkers(markers), Names{"MightDot"});
    EXPECT_EQ(markers.picture("ExpeditionImageBtn"), "Expedition1");
}

TEST_F(ChangeMarkersTest, SpeedChangeUpdatesKnotsAndMarker) {
    open("100438");
    m_form.set("ForwardSpeed", "5");
    const ms::ChangeMarkers markers = ms::ForwardSpeedChange(m_form, m_tpl, true, false);
    EXPECT_EQ(m_form.text("ForwardSpeedMaxValue"), "18 kn.");
    EXPECT_EQ(m_form.text("ForwardSpeedMinValue"), "5 kn.");
    EXPECT_EQ(shownMarkers(markers), Names{"ForwardSpeedDot"});
}

TEST_F(ChangeMarkersTest, ProjectileChoiceSetsItsGuid) {
    open("100437");
    ms::ChangeMarkers markers = ms::WeaponProjectileTypeComboClick(m_form, 3, m_tpl, true);
    EXPECT_EQ(m_form.text("WeaponProjectileTypeGUID"), "102032");
    EXPECT_EQ(m_form.text("WeaponProjectileTypeCombo"), "3");
    EXPECT_EQ(shownMarkers(markers), Names{"WeaponProjectileTypeDot"});
    markers = ms::WeaponProjectileTypeComboClick(m_form, 1, m_tpl, true);
    EXPECT_FALSE(markers.anyShown());
    EXPECT_THROW(ms::WeaponProjectileTypeComboClick(m_form, 99, m_tpl, true), ms::Error);
    EXPECT_EQ(m_form.text("WeaponProjectileTypeGUID"), "102277");
}

TEST(TemplateValuesTest, ShownFormsAndZeroForAbsentElements) {
    pugi::xml_document doc;
    ASSERT_TRUE(doc.load_string(R"(<Values>
        <Standard><WorkForce>114330</WorkForce></Standard>
        <Walking><ForwardSpeed>6.24</ForwardSpeed></Walking>
        <Attackable><SelfHealPerHealTick>0.5</SelfHealPerHealTick>
          <SelfHealPausedTimeIfAttacked>60500</SelfHealPausedTimeIfAttacked></Attackable>
        <Craftable><CraftingTime>181500</CraftingTime></Craftable>
        <Cost><Costs>
          <Item><Amount>5</Amount></Item>
          <Item><Ingredient>1010196</Ingredient></Item>
          <Item><Ingredient>1010210</Ingredient><Amount>7</Amount></Item>
        </Costs></Cost>
        <ExpeditionAttribute><ExpeditionAttributes>
          <Item><Attribute>Might</Attribute></Item>
          <Item><Attribute>Faith</Attribute><Amount>30</Amount></Item>
        </ExpeditionAttributes></ExpeditionAttribute>
      </Values>)"));
    const ms::TemplateValues tpl = ms::CollectTemplateValues(doc.document_element(), false);
    EXPECT_EQ(tpl.text("WorkForceGUID"), "114330");
    EXPECT_EQ(tpl.text("WorkAmount"), "0");
    EXPECT_EQ(tpl.text("ForwardSpeed"), "6,24");
    EXPECT_EQ(tpl.text("WeaponSelfHealPerSec"), "0,5");
    EXPECT_EQ(tpl.text("WeaponSelfHealPause"), "60");
    EXPECT_EQ(tpl.text("CraftingTime"), "181500");
    EXPECT_EQ(tpl.text("CargoFullFactor"), "0");
    // Row 0 has no product, row 1 a product without amount, row 2 both.
    EXPECT_EQ(tpl.text("CostGUID0"), "0");
    EXPECT_EQ(tpl.text("CostSpin0"), "0");
    EXPECT_EQ(tpl.text("CostGUID1"), "1010196");
    EXPECT_EQ(tpl.text("CostSpin1"), "0");
    EXPECT_EQ(tpl.text("CostGUID2"), "1010210");
    EXPECT_EQ(tpl.text("CostSpin2"), "7");
    EXPECT_EQ(tpl.text("CostGUID6"), "0");
    EXPECT_EQ(tpl.text("MightInt"), "0");
    EXPECT_EQ(tpl.text("FaithInt"), "30");

    EXPECT_EQ(ms::CollectTemplateValues(doc.document_element(), true).text("ForwardSpeed"), "6.24");
    EXPECT_EQ(ms::CollectTemplateValues(pugi::xml_node(), false).text("StackLimit"), "0");
}

} // namespace
