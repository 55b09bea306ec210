#include "app/mainwindow/NewShipGuiFixture.h"

#include "lifecycle/ShipEditing.h"
#include "mainwindow/DataPanel.h"
#include "mainwindow/TOrgDataForm.h"
#include "mainwindow/TProductForm.h"
#include "store/ReferenceLists.h"

#include <QApplication>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QShortcut>
#include <QTest>
#include <QTreeWidget>

#include <pugixml.hpp>

namespace mstest {
namespace {

class SideWindowsTest : public SideWindowsFixture {
  protected:
    // A new ship of `templateGuid` (category `category`) with its cost panel in front.
    void createShip(int category, const QString& templateGuid) {
        showTemplate(category, templateGuid);
        click("NewShipBtn");
        click("CostImageBtn");
    }
    void pick(const char* productGuid) {
        m_picker->findChild<QPushButton*>(QStringLiteral("GUID") + QLatin1String(productGuid))->click();
    }
    QString shown(const char* name) const { return find<QLabel>(name)->text(); }
    QString amount(const char* name) const { return field(name)->shownText(); }
    QString orgText(const char* name) const {
        QWidget* w = m_org->findChild<QWidget*>(QLatin1String(name));
        EXPECT_NE(w, nullptr) << name;
        if (auto* number = qobject_cast<ms::gui::NumberField*>(w))
            return number->shownText();
        if (auto* line = qobject_cast<QLineEdit*>(w))
            return line->text();
        return qobject_cast<QLabel*>(w)->text();
    }
    // Every visible marker and every panel field the main window shows, to see that nothing moved.
    QStringList mainWindowState() const {
        QStringList state;
        for (QLabel* label : m_form->findChildren<QLabel*>())
            if (label->property("changeMarker").toBool() && !label->isHidden())
                state << label->objectName();
        for (const auto& [name, text] : m_form->shipForm().fields())
            state << QString::fromStdString(name + "=" + text);
        return state;
    }
    std::string savedIngredient(const std::string& guid, int item) const {
        pugi::xml_document doc;
        EXPECT_TRUE(doc.load_file((m_xmla / "ShipFull.xml").c_str()));
        const std::string path = "//Asset/Values[Standard/GUID=\"" + guid + "\"]/Cost/Costs/Item[" +
                                 std::to_string(item + 1) + "]/Ingredient";
        return doc.select_node(path.c_str()).node().text().get();
    }
};

TEST_F(SideWindowsTest, PickerLaysOutFourteenTilesFourToARowWithTheRedCrossLast) {
    const std::vector<ms::Product> products = ms::PickerProducts();
    ASSERT_EQ(products.size(), 14u);
    EXPECT_EQ(products.back().guid, ms::kRemoveCostProduct);
    EXPECT_EQ(m_picker->size(), QSize(331, 366));
    for (size_t i = 0; i < products.size(); ++i) {
        const QString guid = QString::fromStdString(products[i].guid);
        const QPoint at(12 + 76 * static_cast<int>(i % 4), 14 + 77 * static_cast<int>(i / 4));
        auto* frame = m_picker->findChild<QLabel*>(QStringLiteral("Ship") + guid);
        auto* icon = m_picker->findChild<QPushButton*>(QStringLiteral("GUID") + guid);
        ASSERT_TRUE(frame && icon) << i;
        EXPECT_EQ(frame->geometry(), QRect(at, QSize(60, 60))) << i;
        EXPECT_EQ(icon->geometry(), QRect(at + QPoint(2, 2), QSize(56, 56))) << i;
        EXPECT_EQ(icon->toolTip(), QString::fromStdString(products[i].name)) << i;
    }
    EXPECT_EQ(m_picker->findChild<QPushButton*>(QStringLiteral("GUID0000000"))->toolTip(),
              QStringLiteral("Baukosten entfernen"));
}

TEST_F(SideWindowsTest, PickingSegelFillsAnEmptyRowInTheFormOnlyUntilTheSave) {
    createShip(0, QStringLiteral("100438"));
    const auto before = snapshot();
    click("ChangeCostImage4");
    ASSERT_TRUE(m_picker->isOpen());
    EXPECT_EQ(m_picker->pickerState(), QStringLiteral("ChangeCostImage4"));
    EXPECT_EQ(buttonPicture("ChangeCostImage4"), QStringLiteral("GreenArrow"));

    pick("1010210");
    EXPECT_FALSE(m_picker->isOpen());
    EXPECT_EQ(shown("CostLabel4"), QStringLiteral("Segel"));
    EXPECT_EQ(shown("CostGUID4"), QStringLiteral("1010210"));
    EXPECT_EQ(find("CostImage4")->property("pictureName").toString(), QStringLiteral("icon_sail_0"));
    EXPECT_EQ(amount("CostSpin4"), QStringLiteral("1"));
    EXPECT_TRUE(markerShown("CostDot4"));
    EXPECT_EQ(buttonPicture("CostImageBtn"), QStringLiteral("Cost1"));
    EXPECT_EQ(buttonPicture("ChangeCostImage4"), QStringLiteral("BrownArrow"));
    EXPECT_EQ(snapshot(), before) << "a pick writes nothing";

    click("SaveBtn");
    EXPECT_EQ(savedIngredient("2000501100", 4), "1010210");
}

TEST_F(SideWindowsTest, PickKeepsAnAmountAndTheRedCrossEmptiesTheRow) {
    createShip(0, QStringLiteral("100438"));
    typeInto("CostSpin1", QStringLiteral("20"));
    click("ChangeCostImage1");
    pick("120008");
    EXPECT_EQ(shown("CostLabel1"), QStringLiteral("Holz"));
    EXPECT_EQ(amount("CostSpin1"), QStringLiteral("20"));

    click("ChangeCostImage0");
    pick("0000000");
    EXPECT_EQ(shown("CostLabel0"), QStringLiteral("keine Auswahl"));
    EXPECT_EQ(shown("CostGUID0"), QStringLiteral("0"));
    EXPECT_EQ(amount("CostSpin0"), QStringLiteral("0"));
    EXPECT_EQ(find("CostImage0")->property("pictureName").toString(), QStringLiteral("NoProduct"));
    EXPECT_TRUE(markerShown("CostDot0"));
}

TEST_F(SideWindowsTest, AnotherArrowMovesTheGreenArrowAndTheNextPickFillsItsRow) {
    createShip(0, QStringLiteral("100438"));
    click("ChangeCostImage5");
    click("ChangeCostImage2");
    EXPECT_TRUE(m_picker->isOpen());
    EXPECT_EQ(buttonPicture("ChangeCostImage2"), QStringLiteral("GreenArrow"));
    EXPECT_EQ(buttonPicture("ChangeCostImage5"), QStringLiteral("BrownArrow"));
    pick("1010196");
    EXPECT_EQ(shown("CostLabel2"), QStringLiteral("Bretter"));
    EXPECT_EQ(shown("CostLabel5"), QStringLiteral("keine Auswahl"));
}

TEST_F(SideWindowsTest, PanelButtonClosesThePickerWithoutAChange) {
    createShip(0, QStringLiteral("100438"));
    click("ChangeCostImage3");
    click("WeaponImageBtn");
    EXPECT_FALSE(m_picker->isOpen());
    EXPECT_EQ(buttonPicture("ChangeCostImage3"), QStringLiteral("BrownArrow"));
    EXPECT_EQ(shown("CostLabel3"), QStringLiteral("keine Auswahl"));
    EXPECT_FALSE(markerShown("CostDot3"));
}

TEST_F(SideWindowsTest, OpenSideWindowLocksTheListsAndClosingGivesThemBack) {
    createShip(0, QStringLiteral("100438"));
    click("ChangeCostImage4");
    m_form->IsVisibleTimerTimer();
    for (const char* name : {"ShipView", "ShipTypeView", "SaveBtn", "CreateModBtn", "DeleteBtn"})
        EXPECT_FALSE(find(name)->isEnabled()) << name;
    pick("1010210");
    for (const char* name :
         {"ShipView", "ShipTypeView", "SaveBtn", "CreateModBtn", "ShipYardBuildMenuBtn", "DeleteBtn"})
        EXPECT_TRUE(find(name)->isEnabled()) << name;
    EXPECT_FALSE(find("DeactivateBtn")->isEnabled()) << "the ship is not activated";
}

TEST_F(SideWindowsTest, SideWindowsLieInTheMainWindowAtTheirOffsetsAboveEverythingElse) {
    createShip(0, QStringLiteral("100438"));
    // The offsets count from the main window's outer corner, with an 8-pixel border and a
    // 31-pixel title bar.
    m_form->move(40, 30);
    click("ChangeCostImage0");
    EXPECT_EQ(m_picker->parentWidget(), m_form.get());
    EXPECT_EQ(m_picker->geometry(), QRect(312, 143, 331, 366));
    EXPECT_EQ(m_form->children().last(), m_picker.get()) << "drawn over the panels";
    click("ImagePanelNameCost");
    EXPECT_EQ(m_org->parentWidget(), m_form.get());
    EXPECT_EQ(m_org->geometry(), QRect(302, 143, 346, 552));
    EXPECT_EQ(m_form->children().last(), m_org.get());
    EXPECT_TRUE(m_form->rect().contains(m_org->geometry()));
}

TEST_F(SideWindowsTest, EscapeClosesEitherSideWindowAndIsFreeOtherwise) {
    createShip(0, QStringLiteral("100438"));
    m_form->show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(m_form.get()));
    for (const char* opener : {"ChangeCostImage3", "ImagePanelNameCost"}) {
        click(opener);
        ASSERT_TRUE(m_picker->isOpen() || m_org->isOpen()) << opener;
        QTest::keyClick(field("CostSpin0"), Qt::Key_Escape);
        EXPECT_FALSE(m_picker->isOpen() || m_org->isOpen()) << opener;
        EXPECT_EQ(buttonPicture("ChangeCostImage3"), QStringLiteral("BrownArrow"));
        EXPECT_EQ(buttonPicture("ImagePanelNameCost"), QStringLiteral("BrownList"));
    }
    auto* shortcut = m_form->findChild<QShortcut*>();
    ASSERT_NE(shortcut, nullptr);
    EXPECT_FALSE(shortcut->isEnabled()) << "no side window open";
}

// A double-click on a tile over the ship list, or on an opener: the second click goes nowhere,
// however fast it follows.
TEST_F(SideWindowsTest, TheSecondClickOfADoubleClickNeverReachesTheMainWindow) {
    createShip(0, QStringLiteral("100438"));
    click("NewShipBtn");
    createShip(0, QStringLiteral("100438"));
    typeInto("CostSpin1", QStringLiteral("20"));
    const QString shownShip = m_form->currentShipGuid();
    auto* ships = find<QTreeWidget>("ShipView");
    ASSERT_EQ(ships->topLevelItemCount(), 2);
    QTreeWidgetItem* other = ships->topLevelItem(ships->currentIndex().row() == 0 ? 1 : 0);

    click("ChangeCostImage0");
    auto* tile = m_picker->findChild<QPushButton*>(QStringLiteral("GUID1010210"));
    QTest::mouseClick(tile, Qt::LeftButton);
    ASSERT_FALSE(m_picker->isOpen());
    const QPoint onOther = ships->visualItemRect(other).center();
    QTest::mousePress(ships->viewport(), Qt::LeftButton, {}, onOther);
    QTest::mouseDClick(ships->viewport(), Qt::LeftButton, {}, onOther);
    QTest::mouseRelease(ships->viewport(), Qt::LeftButton, {}, onOther);
    EXPECT_EQ(m_form->currentShipGuid(), shownShip);
    EXPECT_EQ(shown("CostLabel0"), QStringLiteral("Segel"));
    EXPECT_EQ(amount("CostSpin1"), QStringLiteral("20"));

    QTest::qWait(QApplication::doubleClickInterval() + 50);
    auto* opener = find<QPushButton>("ImagePanelNameCost");
    QTest::mouseClick(opener, Qt::LeftButton);
    QTest::mouseClick(opener, Qt::LeftButton);
    EXPECT_TRUE(m_org->isOpen()) << "a double-click on the opener opens once";

    // A click of its own, after the double-click interval, acts again.
    QTest::qWait(QApplication::doubleClickInterval() + 50);
    QTest::mouseClick(opener, Qt::LeftButton);
    EXPECT_FALSE(m_org->isOpen());
    QTest::qWait(QApplication::doubleClickInterval() + 50);
    QTest::mouseClick(ships->viewport(), Qt::LeftButton, {}, onOther);
    EXPECT_NE(m_form->currentShipGuid(), shownShip);
}

// The ship is saved with its changes first: its own record then differs from the template's.
TEST_F(SideWindowsTest, ComparisonShowsTheTemplateNotTheSavedShip) {
    struct Case {
        const char* templateGuid;
        const char* panelButton;
        std::vector<std::pair<const char*, const char*>> edits;
        const char* opener;
        std::vector<std::pair<const char*, const char*>> shown; // in the comparison window
    };
    const Case cases[] = {
        {"100441",
         "CostImageBtn",
         {{"CostSpin0", "25"}, {"CostSpin1", "5"}},
         "ImagePanelNameCost",
         {{"CostSpin0", "40"}, {"CostLabel0", "Bretter"}, {"CostSpin1", "30"}, {"CostLabel1", "Segel"}}},
        {"100438",
         "DetailImageBtn",
         {{"ForwardSpeed", "9"}},
         "ImagePanelNameDetail",
         {{"ForwardSpeed", "4,4"},
          {"ForwardSpeedMaxText", "max. Segelgeschwindigkeit"},
          {"ForwardSpeedMaxValue", "15,84 kn."}}},
    };
    for (const Case& c : cases) {
        createShip(0, QString::fromLatin1(c.templateGuid));
        click(c.panelButton);
        for (const auto& [name, text] : c.edits)
            typeInto(name, QString::fromLatin1(text));
        click("SaveBtn");
        click(c.panelButton);
        click(c.opener);
        ASSERT_TRUE(m_org->isOpen()) << c.opener;
        for (const auto& [name, text] : c.shown)
            EXPECT_EQ(orgText(name), QString::fromUtf8(text)) << c.templateGuid << " " << name;
        for (const auto& [name, text] : c.edits)
            EXPECT_EQ(amount(name), QString::fromLatin1(text)) << "the main window keeps the ship's own";
        click(c.opener);
    }
}

TEST_F(SideWindowsTest, OpenerShowsAndHidesAndAnotherOpenerOnlyHides) {
    createShip(0, QStringLiteral("100438"));
    click("ImagePanelNameCost");
    EXPECT_TRUE(m_org->isOpen());
    EXPECT_EQ(buttonPicture("ImagePanelNameCost"), QStringLiteral("GreenList"));
    click("ImagePanelNameCost");
    EXPECT_FALSE(m_org->isOpen());
    EXPECT_EQ(buttonPicture("ImagePanelNameCost"), QStringLiteral("BrownList"));

    click("ImagePanelNameCost");
    click("ImagePanelNameWeapon");
    EXPECT_FALSE(m_org->isOpen());
    click("ImagePanelNameWeapon");
    EXPECT_TRUE(m_org->isOpen());
    EXPECT_TRUE(m_org->panel(ms::DataPanel::Weapon)->isVisibleTo(m_org.get()));
    EXPECT_FALSE(m_org->panel(ms::DataPanel::Cost)->isVisibleTo(m_org.get()));
    EXPECT_EQ(m_org->findChild<QPushButton*>(QStringLiteral("SetWeaponPanel"))->text(),
              QStringLiteral("Bewaffnung hinzufügen"));
}

TEST_F(SideWindowsTest, NoComparisonChangesTheMainWindowsPanelsOrMarkers) {
    createShip(0, QStringLiteral("100438"));
    typeInto("CostSpin0", QStringLiteral("25"));
    click("ChangeCostImage4");
    pick("1010210");
    const QStringList before = mainWindowState();
    for (const char* opener : {"ImagePanelNameBase", "ImagePanelNameCost", "ImagePanelNameWeapon",
                               "ImagePanelNameDetail", "ImagePanelNameExpedition"}) {
        click(opener);
        EXPECT_TRUE(m_org->isOpen()) << opener;
        click(opener);
        EXPECT_EQ(mainWindowState(), before) << opener;
    }
    EXPECT_EQ(orgText("NewShipNameText"), QStringLiteral("Schoner (neu)"));
    EXPECT_EQ(orgText("NewShipNameLabel"), QStringLiteral("Neuer Schiffsname"));
}

// The comparison words some captions its own way; a mouse move over it shows help entry 501 in the
// main window's help area, wherever over the window it is.
TEST_F(SideWindowsTest, ComparisonHasItsOwnCaptionsAndShowsHelpEntry501) {
    createShip(0, QStringLiteral("100438"));
    const auto captions = [this](ms::DataPanel panel) {
        QStringList texts;
        for (QLabel* label : m_org->panel(panel)->findChildren<QLabel*>())
            if (!label->text().isEmpty())
                texts << label->text();
        return texts;
    };
    const QStringList weapon = captions(ms::DataPanel::Weapon);
    for (const char* text :
         {"Bewaffnung (defensiv)", "Trefferpunkte", "Selbstheilung (sec.)", "Selbstheilungstart (sec.)",
          "Bewaffnung (offensiv)", "Waffentyp", "Projektilanzahl", "Schaden pro Schuss",
          "Nachladedauer (sek.)", "Angriffsreichweite", "Reaktionsweite"})
        EXPECT_TRUE(weapon.contains(QString::fromUtf8(text))) << text;
    EXPECT_TRUE(captions(ms::DataPanel::Detail).contains(QStringLiteral("Schiffsdetails  ")));
    EXPECT_FALSE(captions(ms::DataPanel::Detail).contains(QStringLiteral("Details  ")));
    EXPECT_TRUE(captions(ms::DataPanel::Base).contains(QStringLiteral("Basisdaten")));
    EXPECT_TRUE(captions(ms::DataPanel::Base).contains(QStringLiteral("Baufreigabe ab")));
    EXPECT_EQ(orgText("NewShipNameLabel"), QStringLiteral("Neuer Schiffsname"));
    EXPECT_EQ(orgText("NewShipTextLabel"), QStringLiteral("Neuer Beschreibungstext"));

    click("ImagePanelNameWeapon");
    for (const char* over : {"XMLInfoOrgPanel", "WeaponMaxHitPointsPanel", "WeaponSelfHealPerSec"}) {
        m_form->ShowHelpText(QStringLiteral("300"));
        auto* widget = m_org->findChild<QWidget*>(QLatin1String(over));
        ASSERT_NE(widget, nullptr) << over;
        QMouseEvent move(QEvent::MouseMove, QPointF(5, 5), widget->mapToGlobal(QPointF(5, 5)), Qt::NoButton,
                         Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(widget, &move);
        EXPECT_EQ(find<QLabel>("HelpHeaderLabel")->text(), QStringLiteral("Originaldaten")) << over;
    }
}

} // namespace
} // namespace mstest
