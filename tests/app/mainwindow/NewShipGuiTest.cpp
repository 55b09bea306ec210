#include "app/mainwindow/NewShipGuiFixture.h"

#include "mainwindow/ActivationInputs.h"
#include "store/IdentifierPools.h"

#include <QComboBox>
#include <QImage>
#include <QLineEdit>
#include <QTest>

#include <regex>

namespace mstest {
namespace {

namespace fs = std::filesystem;
using ms::gui::MessageWindow;
using ms::gui::StandardMessage::lastShown;

const char* const AllMarkers[] = {"CostDot0",
                                  "CostDot1",
                                  "CostDot2",
                                  "CostDot3",
                                  "CostDot4",
                                  "CostDot5",
                                  "CostDot6",
                                  "InfluenceCostDot",
                                  "WorkForceDot",
                                  "ForwardSpeedDot",
                                  "CargoFullFactorDOt",
                                  "SessionTransferSpeedFactorDot",
                                  "MilitaryShipPointsDot",
                                  "TradeShipPointsDot",
                                  "ShipMaintenanceDot",
                                  "CraftingTimeDot",
                                  "StackLimitDot",
                                  "SocketCountDot",
                                  "SlotCountDot",
                                  "MightDot",
                                  "NavigationDot",
                                  "HuntingDot",
                                  "FaithDot",
                                  "DiplomacyDot",
                                  "CraftingDot",
                                  "MeleeDot",
                                  "MedicineDot",
                                  "WeaponSetDot",
                                  "WeaponMaxHitPointsDot",
                                  "WeaponSelfHealPerSecDot",
                                  "WeaponSelfHealPauseDot",
                                  "WeaponProjectileTypeDot",
                                  "ProjectileCountDot",
                                  "WeaponBaseDamageDot",
                                  "WeaponReloadTimeDot",
                                  "WeaponAttRangeDot",
                                  "WeaponLineOfSightDot"};

const char* const PanelButtons[] = {"BaseImageBtn", "CostImageBtn", "WeaponImageBtn", "DetailImageBtn",
                                    "ExpeditionImageBtn"};

const std::string ModFolder = "[Spantora] Schoner (neu) (2000501100)";

QStringList shownMarkers(const NewShipGuiTest* test, const std::function<bool(const char*)>& shown) {
    QStringList names;
    for (const char* name : AllMarkers)
        if (shown(name))
            names << QString::fromLatin1(name);
    return names;
}

// The whole road of a new ship through the window: created from the schooner, edited by typing,
// spinning, clicking and choosing, saved, and shown again from disk with its markers.
TEST_F(NewShipGuiTest, CreateEditSaveRoundThroughTheWindow) {
    const std::string pristine = readFile(m_xmla / "ShipFullORG.xml");
    createSchoonerShip();
    const auto markers = [this] {
        return shownMarkers(this, [this](const char* n) { return markerShown(n); });
    };

    EXPECT_EQ(m_form->selectedCategory(), ms::gui::TMainForm::NewShipsCategory);
    EXPECT_EQ(find<QLabel>("ShipName")->text(), QStringLiteral("Schoner (neu)"));
    EXPECT_EQ(find<QLineEdit>("NewShipNameText")->text(), QStringLiteral("Schoner (neu)"));
    EXPECT_EQ(find<QTreeWidget>("ShipView")->topLevelItemCount(), 1);
    EXPECT_TRUE(find("SaveBtn")->isEnabled());
    EXPECT_FALSE(find("NewShipBtn")->isEnabled());
    EXPECT_EQ(indexAttribute("2000501100", "Pos"), "A22");
    EXPECT_TRUE(markers().isEmpty()) << markers().join(QLatin1Char(' ')).toStdString();
    for (const char* button : PanelButtons)
        EXPECT_TRUE(buttonPicture(button).endsWith(QLatin1Char('2'))) << button;

    // Saved unchanged: still no marker.
    click("SaveBtn");
    EXPECT_FALSE(lastShown()) << lastShown()->text.toStdString();
    EXPECT_TRUE(markers().isEmpty());

    click("DetailImageBtn");
    typeInto("StackLimit", QStringLiteral("60"));
    EXPECT_EQ(m_form->shipForm().text("StackLimit"), "60");
    EXPECT_EQ(markers(), QStringList{QStringLiteral("StackLimitDot")});
    EXPECT_EQ(buttonPicture("DetailImageBtn"), QStringLiteral("Detail1"));
    EXPECT_EQ(buttonPicture("WeaponImageBtn"), QStringLiteral("Weapon2"));

    // The knots follow the typed speed; the field keeps what was typed.
    typeInto("ForwardSpeed", QStringLiteral("5"));
    EXPECT_EQ(field("ForwardSpeed")->shownText(), QStringLiteral("5"));
    EXPECT_EQ(find<QLabel>("ForwardSpeedMaxValue")->text(), QStringLiteral("18 kn."));
    EXPECT_TRUE(markerShown("ForwardSpeedDot"));

    // Arming a trade ship sets the defaults; choosing a projectile changes its GUID.
    click("WeaponImageBtn");
    click("SetWeaponPanel");
    EXPECT_EQ(find<QAbstractButton>("SetWeaponPanel")->text(), QStringLiteral("Bewaffnung entfernen"));
    EXPECT_EQ(field("WeaponBaseDamage")->shownText(), QStringLiteral("105"));
    EXPECT_EQ(find<QComboBox>("WeaponProjectileTypeCombo")->currentIndex(), 1);
    EXPECT_TRUE(markerShown("WeaponSetDot"));
    EXPECT_TRUE(markerShown("WeaponBaseDamageDot"));
    EXPECT_EQ(buttonPicture("WeaponImageBtn"), QStringLiteral("Weapon1"));
    auto* combo = find<QComboBox>("WeaponProjectileTypeCombo");
    combo->setFocus();
    QTest::keyClick(combo, Qt::Key_Down);
    EXPECT_EQ(combo->currentIndex(), 2);
    EXPECT_EQ(find<QLabel>("WeaponProjectileTypeGUID")->text(), QStringLiteral("101974"));

    // A population picture: level, frame, label and marker.
    click("BaseImageBtn");
    click("Hirten");
    EXPECT_EQ(find<QLabel>("WorkForceGUID")->text(), QStringLiteral("114329"));
    EXPECT_EQ(find<QLabel>("WorkForceLabel")->text(), QStringLiteral("Hirte(n)"));
    EXPECT_FALSE(find("HirtenShape")->isHidden());
    EXPECT_TRUE(find("ArbeiterShape")->isHidden());
    EXPECT_TRUE(markerShown("WorkForceDot"));
    EXPECT_EQ(buttonPicture("BaseImageBtn"), QStringLiteral("Base1"));

    click("SaveBtn");
    EXPECT_FALSE(lastShown()) << lastShown()->text.toStdString();
    EXPECT_EQ(recordText("2000501100", "ItemContainer/StackLimit"), "60");
    EXPECT_EQ(recordText("2000501100", "Walking/ForwardSpeed"), "5");
    EXPECT_EQ(recordText("2000501100", "Attackable/WeaponSet"), "1");
    EXPECT_EQ(recordText("2000501100", "Standard/WorkForce"), "114329");
    EXPECT_EQ(indexAttribute("2000501100", "WorkForce"), "114329");
    EXPECT_EQ(readFile(m_xmla / "ShipFullORG.xml"), pristine);

    // Shown again from disk: same ship, same list, the markers of what differs from the template.
    EXPECT_EQ(m_form->currentShipGuid(), QStringLiteral("2000501100"));
    EXPECT_EQ(m_form->selectedCategory(), ms::gui::TMainForm::NewShipsCategory);
    EXPECT_EQ(field("StackLimit")->shownText(), QStringLiteral("60"));
    EXPECT_TRUE(markerShown("StackLimitDot"));
    EXPECT_TRUE(markerShown("WorkForceDot"));
    EXPECT_TRUE(markerShown("WeaponSetDot"));
    EXPECT_EQ(buttonPicture("DetailImageBtn"), QStringLiteral("Detail1"));

    // Back to the template's value: the marker goes, the other Detail marker stays.
    click("DetailImageBtn");
    typeInto("StackLimit", QStringLiteral("50"));
    EXPECT_FALSE(markerShown("StackLimitDot"));
    EXPECT_EQ(buttonPicture("DetailImageBtn"), QStringLiteral("Detail1")); // ForwardSpeed still differs
}

TEST_F(NewShipGuiTest, ExhaustedPoolIsToldInTheMessageWindowAndWritesNothing) {
    const std::string pool = readFile(m_xmla / "NewShipGUIDS.xml");
    writeFile(m_xmla / "NewShipGUIDS.xml",
              std::regex_replace(pool, std::regex("IsUsed=\"No\""), "IsUsed=\"Yes\""));
    showTemplate(0, QStringLiteral("100438"));
    const auto before = snapshot();

    MessageWindow::setNextAnswer({true, {}});
    click("NewShipBtn");
    ASSERT_TRUE(MessageWindow::lastMessage());
    EXPECT_EQ(MessageWindow::lastMessage()->header, ms::kPoolExhaustedHeader);
    EXPECT_EQ(snapshot(), before);
    EXPECT_FALSE(lastShown());
    EXPECT_EQ(m_form->currentShipGuid(), QStringLiteral("100438"));
    EXPECT_EQ(m_form->selectedCategory(), ms::gui::TMainForm::SailCategory);
}

TEST_F(NewShipGuiTest, ActivationWritesTheModAndShowsTheShipActivated) {
    createSchoonerShip();
    click("CreateModBtn");
    EXPECT_FALSE(lastShown()) << lastShown()->text.toStdString();

    const fs::path folder = m_mods / ModFolder;
    ASSERT_TRUE(fs::is_directory(folder));
    EXPECT_EQ(readFile(folder / "data/config/export/main/asset/assets.xml").substr(0, 3), "\xEF\xBB\xBF");
    EXPECT_EQ(readFile(folder / "data/config/gui/texts_german.xml").substr(0, 3), "\xEF\xBB\xBF");
    EXPECT_EQ(readFile(folder / "modinfo.json").substr(0, 3), "{\r\n");
    EXPECT_TRUE(fs::exists(folder / "data/icon/icon_ship_schooner.png"));
    EXPECT_EQ(indexAttribute("2000501100", "Exported"), "true");
    EXPECT_EQ(indexAttribute("2000501100", "IsMod"), "true");
    EXPECT_EQ(indexAttribute("2000501100", "OnBuild"), "");
    EXPECT_EQ(indexAttribute("2000501100", "ShowInYard"), "true");

    // The description's picture: the plain icon at 128 x 128.
    const QImage active(QString::fromStdString((m_xmla / "Active.png").string()), "PNG");
    EXPECT_EQ(active.size(), QSize(128, 128));

    EXPECT_EQ(m_form->currentShipGuid(), QStringLiteral("2000501100"));
    EXPECT_TRUE(find("ExportedLabel")->isVisibleTo(m_form.get()));
    EXPECT_TRUE(find("DeactivateBtn")->isEnabled());
    auto* row = find<QTreeWidget>("ShipView")->currentItem();
    ASSERT_NE(row, nullptr);
    EXPECT_EQ(row->data(0, Qt::UserRole + 1).toString(), QStringLiteral("icon_ship_schooner_star"));
    auto* box = find<QListWidget>("FileBoxActivated");
    ASSERT_EQ(box->count(), 1);
    EXPECT_EQ(box->item(0)->text().toStdString(), ModFolder);
}

TEST_F(NewShipGuiTest, SavingAnActivatedShipUnderANewNameMovesItsMod) {
    createSchoonerShip();
    click("CreateModBtn");
    ASSERT_TRUE(fs::is_directory(m_mods / ModFolder));

    find<QLineEdit>("NewShipNameText")->setText(QStringLiteral("Schoner Zwei"));
    click("SaveBtn");
    EXPECT_FALSE(lastShown()) << lastShown()->text.toStdString();
    EXPECT_FALSE(fs::exists(m_mods / ModFolder));
    EXPECT_TRUE(fs::is_directory(m_mods / "[Spantora] Schoner Zwei (2000501100)"));
    EXPECT_EQ(indexAttribute("2000501100", "Name"), "Schoner Zwei");
    EXPECT_EQ(find<QLabel>("ShipName")->text(), QStringLiteral("Schoner Zwei"));
    auto* box = find<QListWidget>("FileBoxActivated");
    ASSERT_EQ(box->count(), 1);
    EXPECT_EQ(box->item(0)->text(), QStringLiteral("[Spantora] Schoner Zwei (2000501100)"));
}

TEST_F(NewShipGuiTest, FailedActivationIsReportedAndLeavesModsAndIndexAsTheyWere) {
    createSchoonerShip();
    fs::remove(m_xmla / "NewShipIcon" / "icon_ship_schooner.png");
    const std::string index = readFile(m_xmla / "ShipShort.xml");

    click("CreateModBtn");
    ASSERT_TRUE(lastShown());
    EXPECT_FALSE(lastShown()->text.isEmpty());
    EXPECT_TRUE(fs::is_empty(m_mods));
    EXPECT_EQ(readFile(m_xmla / "ShipShort.xml"), index);
    EXPECT_EQ(m_form->currentShipGuid(), QStringLiteral("2000501100"));
    EXPECT_FALSE(find("ExportedLabel")->isVisibleTo(m_form.get()));
}

TEST_F(NewShipGuiTest, SaveAndActivateWithoutAShipDoNothing) {
    find<QListWidget>("ShipTypeView")->setCurrentRow(ms::gui::TMainForm::NewShipsCategory);
    ASSERT_TRUE(m_form->currentShipGuid().isEmpty());
    m_form->IsVisibleTimerTimer(); // the timer's rule switches both buttons on
    ASSERT_TRUE(find("SaveBtn")->isEnabled());
    ASSERT_TRUE(find("CreateModBtn")->isEnabled());
    const auto before = snapshot();

    click("SaveBtn");
    click("CreateModBtn");
    EXPECT_FALSE(lastShown());
    EXPECT_EQ(snapshot(), before);
    EXPECT_TRUE(fs::is_empty(m_mods));
}

TEST(ActivationTimestampTest, ShortDateWithFullYearAndLongTimeWithoutZone) {
    const QDateTime when(QDate(2023, 7, 29), QTime(8, 38, 14));
    EXPECT_EQ(ms::gui::activationTimestamp(QLocale(QLocale::German, QLocale::Germany), when),
              QStringLiteral("29.07.2023 08:38:14"));
    EXPECT_EQ(ms::gui::activationTimestamp(QLocale(QLocale::English, QLocale::UnitedStates), when),
              QStringLiteral("7/29/2023 8:38:14 AM"));
    // The German long time format carries a zone; none of it may remain.
    EXPECT_TRUE(QLocale(QLocale::German).timeFormat(QLocale::LongFormat).contains(QLatin1Char('t')));
}

} // namespace
} // namespace mstest

namespace mstest {
namespace {

// Values typed outside the bounds are set to the bound when the field is left, the knots follow
// what the field shows, and the save takes the settled text instead of refusing the typed one.
TEST_F(NewShipGuiTest, TypedValuesOutsideTheBoundsSettleBeforeTheSave) {
    m_form->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(m_form.get()));
    createSchoonerShip();
    click("DetailImageBtn");
    typeInto("ForwardSpeed", QStringLiteral("99"));
    field("StackLimit")->setFocus();
    QApplication::processEvents();
    EXPECT_EQ(field("ForwardSpeed")->shownText(), QStringLiteral("65,0"));
    const QString knots = find<QLabel>("ForwardSpeedMaxValue")->text();
    field("ForwardSpeed")->setShownText(QStringLiteral("64"));
    EXPECT_NE(find<QLabel>("ForwardSpeedMaxValue")->text(), knots);
    field("ForwardSpeed")->setShownText(QStringLiteral("65,0"));
    EXPECT_EQ(find<QLabel>("ForwardSpeedMaxValue")->text(), knots);

    click("BaseImageBtn");
    typeInto("WorkAmount", QStringLiteral("0")); // still focused when the save reads the fields
    click("SaveBtn");
    EXPECT_FALSE(lastShown()) << lastShown()->text.toStdString();
    EXPECT_EQ(field("WorkAmount")->shownText(), QStringLiteral("1"));
    EXPECT_EQ(m_form->shipForm().text("WorkAmount"), "1");
}

} // namespace
} // namespace mstest
