#include "app/mainwindow/MainFormFixture.h"

#include "mainwindow/NumberField.h"
#include "mainwindow/TProductForm.h"

#include <QPushButton>
#include <QTest>

namespace mstest {
namespace {

using ms::gui::NumberField;

TEST_F(MainFormTest, WindowHasItsFixedSizeAndStartsWithTheFirstSailingShip) {
    EXPECT_EQ(m_form->size(), QSize(ms::gui::TMainForm::ClientWidth, ms::gui::TMainForm::ClientHeight));
    EXPECT_EQ(m_form->minimumSize(), m_form->maximumSize());
    EXPECT_EQ(m_form->selectedCategory(), ms::gui::TMainForm::SailCategory);
    EXPECT_EQ(text("ShipViewLabel"), QStringLiteral("Schiffsvorlagen"));
    ASSERT_GT(shipView()->topLevelItemCount(), 0);
    EXPECT_EQ(m_form->currentShipGuid(), shipView()->topLevelItem(0)->data(0, Qt::UserRole).toString());
    EXPECT_TRUE(text("SelectedShipLabel").startsWith(QStringLiteral("GUID : ")));
    // The command column where the help timer expects it.
    EXPECT_EQ(find("SaveBtn")->geometry(), QRect(1020, 50, 245, 35));
    EXPECT_EQ(find("CreateModBtn")->geometry(), QRect(1020, 91, 245, 35));
    EXPECT_EQ(find("ShipYardBuildMenuBtn")->geometry(), QRect(1020, 148, 245, 35));
    EXPECT_EQ(find("DeactivateBtn")->geometry(), QRect(1020, 201, 245, 35));
    EXPECT_EQ(find("DeleteBtn")->geometry(), QRect(1020, 258, 245, 35));
    EXPECT_EQ(find("HelpShape")->geometry(), QRect(1020, 300, 245, 403));
    EXPECT_EQ(find("BasePanel")->geometry(), QRect(8, 105, 330, 535));
    EXPECT_EQ(find("DetailPanel")->geometry(), QRect(8, 105, 330, 535));
}

TEST_F(MainFormTest, CategoriesListTheirShipsSortedByPosition) {
    selectCategory(0);
    EXPECT_EQ(shipView()->topLevelItemCount(), 8);
    selectCategory(1);
    EXPECT_EQ(shipView()->topLevelItemCount(), 4);
    selectCategory(2);
    EXPECT_EQ(shipView()->topLevelItemCount(), 9);
    EXPECT_EQ(listedSortKeys(),
              (QStringList{QStringLiteral("B56"), QStringLiteral("B57"), QStringLiteral("B58"),
                           QStringLiteral("B63"), QStringLiteral("B64"), QStringLiteral("B65"),
                           QStringLiteral("B66"), QStringLiteral("B67"), QStringLiteral("B68")}));
    for (const QString& key : listedSortKeys())
        EXPECT_TRUE(key.startsWith(QLatin1Char('B')));
    // Templates are shown read-only.
    auto* speed = find<NumberField>("ForwardSpeed");
    EXPECT_TRUE(speed->isReadOnly());
    EXPECT_EQ(speed->buttonSymbols(), QAbstractSpinBox::NoButtons);
    EXPECT_FALSE(find<QPushButton>("SaveBtn")->isEnabled());
    EXPECT_TRUE(find<QPushButton>("NewShipBtn")->isEnabled());
    EXPECT_TRUE(visibleInForm("BaseDataVorlageLabel"));
}

TEST_F(MainFormTest, EmptyCreatedShipsShowNoShipAndTheTimerEnablesCommandsAgain) {
    selectCategory(3);
    EXPECT_EQ(text("ShipViewLabel"), QStringLiteral("Neue Schiffe"));
    EXPECT_EQ(shipView()->topLevelItemCount(), 0);
    EXPECT_TRUE(m_form->currentShipGuid().isEmpty());
    EXPECT_TRUE(visibleInForm("NoPanel"));
    EXPECT_EQ(text("NoPanel"), QStringLiteral("Kein Schiff in der Liste"));
    EXPECT_TRUE(text("SelectedShipLabel").isEmpty());
    EXPECT_FALSE(find<QLabel>("ShipImage")->pixmap().isNull());
    for (const char* name : {"SaveBtn", "DeleteBtn", "NewShipBtn", "CreateModBtn", "DeactivateBtn"})
        EXPECT_FALSE(find(name)->isEnabled()) << name;
    EXPECT_TRUE(find("BaseImageBtn")->isEnabled());
    for (const char* name : {"CostImageBtn", "WeaponImageBtn", "DetailImageBtn", "ExpeditionImageBtn"})
        EXPECT_FALSE(find(name)->isEnabled()) << name;

    m_form->IsVisibleTimerTimer();
    for (const char* name : {"SaveBtn", "ShipYardBuildMenuBtn", "CreateModBtn", "ShipView", "ShipTypeView"})
        EXPECT_TRUE(find(name)->isEnabled()) << name;
    EXPECT_FALSE(find("DeleteBtn")->isEnabled());
    EXPECT_FALSE(visibleInForm("SternImage"));

    // With no ship shown, the enabled commands do nothing.
    find<QPushButton>("SaveBtn")->click();
    find<QPushButton>("CreateModBtn")->click();
    EXPECT_TRUE(m_form->currentShipGuid().isEmpty());

    // Back to the templates: the data area returns.
    selectCategory(0);
    EXPECT_FALSE(visibleInForm("NoPanel"));
    EXPECT_FALSE(m_form->currentShipGuid().isEmpty());
}

TEST_F(MainFormTest, SideWindowLocksListsAndCommands) {
    ms::gui::TProductForm picker;
    m_form->setSideWindows(&picker, nullptr);
    selectCategory(3);
    picker.show();
    m_form->IsVisibleTimerTimer();
    for (const char* name : {"ShipView", "ShipTypeView", "SaveBtn", "DeactivateBtn", "ShipYardBuildMenuBtn",
                             "DeleteBtn", "CreateModBtn"})
        EXPECT_FALSE(find(name)->isEnabled()) << name;
    picker.hide();
    m_form->IsVisibleTimerTimer();
    EXPECT_TRUE(find("ShipView")->isEnabled());
    EXPECT_TRUE(find("SaveBtn")->isEnabled());
    EXPECT_FALSE(find("DeleteBtn")->isEnabled());
}

TEST_F(MainFormTest, ClickInTheEmptyShipListShowsNoSelection) {
    shipView()->clearSelection();
    EXPECT_EQ(text("ShipName"), QStringLiteral("Keine Schiff ausgewählt"));
    EXPECT_TRUE(visibleInForm("NoPanel"));
    EXPECT_FALSE(find("NewShipBtn")->isEnabled());
    EXPECT_FALSE(find("CostImageBtn")->isEnabled());
}

TEST_F(MainFormTest, SchoonerPanelsShowItsValues) {
    ASSERT_TRUE(selectShip(QStringLiteral("100438")));
    EXPECT_EQ(m_form->currentShipGuid(), QStringLiteral("100438"));
    EXPECT_EQ(text("ShipName"), QStringLiteral("Schoner"));
    EXPECT_EQ(text("NewShipNameText"), QStringLiteral("Schoner"));
    EXPECT_EQ(text("SelectedShipLabel"), QStringLiteral("GUID : 100438"));

    EXPECT_EQ(text("ForwardSpeed"), QStringLiteral("4,4"));
    EXPECT_EQ(text("ForwardSpeedMaxText"), QStringLiteral("max. Segelgeschwindigkeit"));
    EXPECT_EQ(text("ForwardSpeedMaxValue"), QStringLiteral("15,84 kn."));
    EXPECT_EQ(text("ForwardSpeedMinText"), QStringLiteral("min. Segelgeschwindigkeit"));
    EXPECT_EQ(text("ForwardSpeedMinValue"), QStringLiteral("4,4 kn."));
    EXPECT_TRUE(find("SailImage1")->isVisibleTo(find("DetailPanel")));
    EXPECT_FALSE(find("SteamImage1")->isVisibleTo(find("DetailPanel")));

    EXPECT_EQ(text("CostSpin0"), QStringLiteral("20"));
    EXPECT_EQ(text("CostLabel0"), QStringLiteral("Bretter"));
    EXPECT_EQ(text("CostSpin1"), QStringLiteral("10"));
    EXPECT_EQ(text("CostLabel1"), QStringLiteral("Segel"));
    for (const char* row : {"CostLabel2", "CostLabel3", "CostLabel4", "CostLabel5", "CostLabel6"})
        EXPECT_EQ(text(row), QStringLiteral("keine Auswahl")) << row;
    EXPECT_FALSE(find<QLabel>("CostImage0")->pixmap().isNull());
    EXPECT_EQ(text("InfluenceCostPoints"), QStringLiteral("2"));

    EXPECT_EQ(text("NavigationInt"), QStringLiteral("20"));
    EXPECT_EQ(text("MightInt"), QStringLiteral("0"));
    EXPECT_EQ(text("ExpeditionPerk1"), QStringLiteral("PerkSailingShip"));
    EXPECT_EQ(text("ExpeditionPerk2"), QStringLiteral("PerkTradeShip"));

    EXPECT_EQ(text("WeaponSelfHealPause"), QStringLiteral("60")); // stored 60000 ms
    EXPECT_EQ(text("SetWeaponPanel"), QStringLiteral("Bewaffnung hinzufügen"));
    EXPECT_EQ(text("WorkForceLabel"), QStringLiteral("Arbeiter(n)"));
    EXPECT_TRUE(find("ArbeiterShape")->isVisibleTo(find("BasePanel")));
    EXPECT_FALSE(find("HirtenShape")->isVisibleTo(find("BasePanel")));

    // The core's form holds what the window shows.
    EXPECT_EQ(m_form->shipForm().text("CostSpin0"), "20");
    EXPECT_EQ(m_form->shipForm().context.guid, "100438");
    // A template is not activated and offered in no yard.
    EXPECT_FALSE(visibleInForm("ExportedImage"));
    EXPECT_FALSE(visibleInForm("InShipYardLabel"));
    EXPECT_FALSE(find("DeactivateBtn")->isEnabled());
}

TEST_F(MainFormTest, SteamshipShowsOneSpeedWithoutMinimum) {
    selectCategory(1);
    ASSERT_TRUE(selectShip(QStringLiteral("1010062")));
    EXPECT_EQ(text("ForwardSpeedMaxText"), QStringLiteral("max. Geschwindigkeit"));
    EXPECT_EQ(text("ForwardSpeedMaxValue"), QStringLiteral("10,4 kn."));
    QWidget* panel = find("DetailPanel");
    EXPECT_FALSE(find("ForwardSpeedMinValue")->isVisibleTo(panel));
    EXPECT_FALSE(find("ForwardSpeedMinText")->isVisibleTo(panel));
    EXPECT_TRUE(find("SteamImage1")->isVisibleTo(panel));
    EXPECT_FALSE(find("SailImage1")->isVisibleTo(panel));
    EXPECT_EQ(find<NumberField>("ForwardSpeed")->spec().maximum, 90);

    // Back to a sailing ship: the minimum returns.
    selectCategory(0);
    EXPECT_TRUE(find("ForwardSpeedMinValue")->isVisibleTo(panel));
    EXPECT_EQ(find<NumberField>("ForwardSpeed")->spec().maximum, 65);
}

TEST_F(MainFormTest, OilTankerHidesSlotsAndSocketsOnTheDetailPanel) {
    bool found = false;
    for (int category = 0; category < 3 && !found; ++category) {
        selectCategory(category);
        found = selectShip(QStringLiteral("100853"));
    }
    ASSERT_TRUE(found);
    m_form->PanelBtnClick(ms::gui::TMainForm::DetailPanelIndex);
    EXPECT_TRUE(find("DetailPanel")->isVisible() || find("DetailPanel")->isVisibleTo(m_form.get()));
    for (const char* name : {"SlotCount", "SocketCount", "SlotCountPanel", "SocketCountPanel"})
        EXPECT_FALSE(visibleInForm(name)) << name;
    EXPECT_TRUE(visibleInForm("StackLimit"));

    selectCategory(0);
    m_form->PanelBtnClick(ms::gui::TMainForm::DetailPanelIndex);
    for (const char* name : {"SlotCount", "SocketCount"})
        EXPECT_TRUE(visibleInForm(name)) << name;
}

TEST_F(MainFormTest, PanelButtonsShowOnePanelAtATime) {
    const char* panels[] = {"BasePanel", "CostPanel", "WeaponPanel", "DetailPanel", "ExpeditionPanel"};
    const char* buttons[] = {"BaseImageBtn", "CostImageBtn", "WeaponImageBtn", "DetailImageBtn",
                             "ExpeditionImageBtn"};
    for (int i = 0; i < 5; ++i) {
        find<QPushButton>(buttons[i])->click();
        for (int j = 0; j < 5; ++j)
            EXPECT_EQ(visibleInForm(panels[j]), i == j) << buttons[i] << " " << panels[j];
    }
    // Every change marker starts hidden.
    for (QLabel* label : m_form->findChildren<QLabel*>())
        if (label->property("changeMarker").toBool())
            EXPECT_FALSE(label->isVisibleTo(m_form.get())) << label->objectName().toStdString();
}

class MainFormPointTest : public MainFormTest {
  protected:
    bool decimalIsPoint() const override { return true; }
};

TEST_F(MainFormPointTest, DecimalsUseThePointSeparator) {
    ASSERT_TRUE(selectShip(QStringLiteral("100438")));
    EXPECT_EQ(text("ForwardSpeed"), QStringLiteral("4.4"));
    EXPECT_EQ(text("ForwardSpeedMaxValue"), QStringLiteral("15.84 kn."));
}

} // namespace
} // namespace mstest

namespace mstest {
namespace {

// A click on the row that is already selected throws away the edits: the category is refilled
// with its first ship shown, the ship is shown again from disk, and the yard panel closes.
TEST_F(MainFormTest, ClickOnTheSelectedRowShowsItAgain) {
    m_form->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(m_form.get()));
    QTreeWidget* ships = shipView();
    QTreeWidgetItem* second = ships->topLevelItem(1);
    ships->setCurrentItem(second);
    const QString original = text("StackLimit");
    auto* stack = find<ms::gui::NumberField>("StackLimit");
    stack->setShownText(QStringLiteral("2490"));
    find<QAbstractButton>("ShipYardBuildMenuBtn")->click();
    ASSERT_TRUE(visibleInForm("YardSelectionPanel"));

    QTest::mouseClick(ships->viewport(), Qt::LeftButton, {}, ships->visualItemRect(second).center());
    EXPECT_EQ(stack->shownText(), original);
    EXPECT_FALSE(visibleInForm("YardSelectionPanel"));

    auto* categories = find<QListWidget>("ShipTypeView");
    QTest::mouseClick(categories->viewport(), Qt::LeftButton, {},
                      categories->visualItemRect(categories->currentItem()).center());
    EXPECT_EQ(m_form->currentShipGuid(), ships->topLevelItem(0)->data(0, Qt::UserRole).toString());
    EXPECT_TRUE(ships->topLevelItem(0)->isSelected());
}

} // namespace
} // namespace mstest
