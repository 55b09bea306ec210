#include "app/mainwindow/NewShipGuiFixture.h"

#include "mainwindow/FocusMark.h"
#include "mainwindow/PictureControls.h"
#include "store/ReferenceLists.h"

#include <QAccessible>
#include <QApplication>
#include <QMouseEvent>
#include <QPushButton>
#include <QTest>

namespace mstest {
namespace {

// A new schooner ship in a shown and active main window with its side windows, driven by keys
// sent to whatever holds the focus. Runs on the offscreen platform and on a real X server.
class KeyboardAccessTest : public SideWindowsFixture {
  protected:
    void SetUp() override {
        SideWindowsFixture::SetUp();
        createSchoonerShip();
        m_form->show();
        m_form->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(m_form.get()));
    }

    // The control that has the focus within `window` (the main window unless told).
    QWidget* focused(QWidget* window = nullptr) const {
        return (window ? window : m_form.get())->focusWidget();
    }
    QString focusedName(QWidget* window = nullptr) const {
        QWidget* w = focused(window);
        return w ? w->objectName() : QString();
    }
    void press(Qt::Key key, QWidget* window = nullptr) const {
        QWidget* target = focused(window);
        ASSERT_NE(target, nullptr);
        QTest::keyClick(target, key);
    }
    void focus(const char* name) const { find(name)->setFocus(Qt::TabFocusReason); }
    QWidget* tile(int index) const {
        const QString guid = QString::fromStdString(ms::PickerProducts().at(static_cast<size_t>(index)).guid);
        return m_picker->findChild<QWidget*>(QStringLiteral("GUID") + guid);
    }
};

QStringList names(std::initializer_list<const char*> list) {
    QStringList result;
    for (const char* name : list)
        result << QString::fromLatin1(name);
    return result;
}

TEST_F(KeyboardAccessTest, TabVisitsEveryControlOfTheWindowInReadingOrder) {
    const QStringList start = names({"ShipTypeView", "ShipView", "BaseImageBtn", "CostImageBtn",
                                     "WeaponImageBtn", "DetailImageBtn", "ExpeditionImageBtn"});
    const QStringList end =
        names({"SaveBtn", "CreateModBtn", "ShipYardBuildMenuBtn", "DeleteBtn", "ShortCutBtn", "CloseBtn"});
    struct Case {
        const char* panelButton;
        QStringList panel;
    };
    const Case cases[] = {
        {"BaseImageBtn",
         names({"ImagePanelNameBase", "NewShipNameText", "NewShipTextText", "WorkAmount", "Arbeiter",
                "Handwerker", "Ingenieure", "Investoren", "Jorlaneros", "Obreros", "Hirten", "Aelteste"})},
        {"CostImageBtn", names({"ImagePanelNameCost", "CostSpin0", "ChangeCostImage0", "CostSpin1",
                                "ChangeCostImage1", "CostSpin2", "ChangeCostImage2", "CostSpin3",
                                "ChangeCostImage3", "CostSpin4", "ChangeCostImage4", "CostSpin5",
                                "ChangeCostImage5", "CostSpin6", "ChangeCostImage6", "InfluenceCostPoints"})},
    };
    for (const Case& c : cases) {
        click(c.panelButton);
        focus("ShipTypeView");
        QStringList visited{focusedName()};
        for (int i = 0; i < 60; ++i) {
            press(Qt::Key_Tab);
            if (focusedName() == visited.first())
                break;
            visited << focusedName();
        }
        EXPECT_EQ(visited.join(u' ').toStdString(), (start + c.panel + end).join(u' ').toStdString())
            << c.panelButton;
    }
}

TEST_F(KeyboardAccessTest, SpaceAndReturnActivatePanelButtonsTilesAndButtons) {
    const std::string secondProduct = ms::PickerProducts().at(1).guid;
    for (const Qt::Key key : {Qt::Key_Space, Qt::Key_Return}) {
        click("BaseImageBtn");
        focus("CostImageBtn");
        press(key);
        ASSERT_TRUE(find("CostPanel")->isVisibleTo(m_form.get())) << key;

        focus("ChangeCostImage3");
        press(key);
        ASSERT_TRUE(m_picker->isVisible()) << key;
        EXPECT_EQ(focused(m_picker.get()), tile(0)) << key;
        press(Qt::Key_Right, m_picker.get());
        press(key, m_picker.get());
        EXPECT_FALSE(m_picker->isVisible()) << key;
        EXPECT_EQ(find<QLabel>("CostGUID3")->text().toStdString(), secondProduct) << key;
        // Back where the keyboard came from.
        EXPECT_EQ(focusedName(), QStringLiteral("ChangeCostImage3")) << key;
        find<QLabel>("CostGUID3")->setText(QStringLiteral("0"));

        // A button with a caption: the yard selection takes the focus and gives it back.
        focus("ShipYardBuildMenuBtn");
        press(key);
        EXPECT_EQ(focusedName(), QStringLiteral("YardSelectionAWBtn")) << key;
        focus("YardSelectionAbort");
        press(key);
        EXPECT_FALSE(find("YardSelectionPanel")->isVisibleTo(m_form.get())) << key;
        EXPECT_EQ(focusedName(), QStringLiteral("ShipYardBuildMenuBtn")) << key;
    }
}

TEST_F(KeyboardAccessTest, ArrowKeysMoveWithinTheTileAndWorkerGrids) {
    const QStringList workers = names({"Arbeiter", "Handwerker", "Ingenieure", "Investoren", "Jorlaneros",
                                       "Obreros", "Hirten", "Aelteste"});
    struct Case {
        bool tiles;
        int from;
        Qt::Key key;
        int to; // the delivered 14 tiles: rows of 4, 4, 4, 2
    };
    const Case cases[] = {
        {true, 0, Qt::Key_Right, 1},   {true, 1, Qt::Key_Left, 0},   {true, 1, Qt::Key_Down, 5},
        {true, 5, Qt::Key_Up, 1},      {true, 3, Qt::Key_Right, 4},  {true, 0, Qt::Key_Up, 0},
        {true, 13, Qt::Key_Right, 13}, {true, 10, Qt::Key_Down, 10}, {true, 9, Qt::Key_Down, 13},
        {false, 0, Qt::Key_Down, 4},   {false, 6, Qt::Key_Up, 2},    {false, 7, Qt::Key_Down, 7},
    };
    click("CostImageBtn");
    focus("ChangeCostImage0");
    press(Qt::Key_Space);
    ASSERT_TRUE(m_picker->isVisible());
    for (const Case& c : cases) {
        QWidget* window = c.tiles ? static_cast<QWidget*>(m_picker.get()) : m_form.get();
        if (!c.tiles)
            click("BaseImageBtn");
        QWidget* from = c.tiles ? tile(c.from) : find(workers.at(c.from).toLatin1().constData());
        QWidget* to = c.tiles ? tile(c.to) : find(workers.at(c.to).toLatin1().constData());
        from->setFocus(Qt::TabFocusReason);
        press(c.key, window);
        EXPECT_EQ(focused(window), to) << (c.tiles ? "tile " : "worker ") << c.from << " key " << c.key;
    }
    // The focused control carries the mark.
    EXPECT_EQ(ms::gui::FocusMark::markedControl(), focused());
}

TEST_F(KeyboardAccessTest, PictureControlsHaveGermanAccessibleNames) {
    const std::pair<const char*, const char*> cases[] = {
        {"BaseImageBtn", "Basisdaten"},
        {"CostImageBtn", "Baukosten"},
        {"WeaponImageBtn", "Waffen"},
        {"DetailImageBtn", "Details"},
        {"ExpeditionImageBtn", "Expedition"},
        {"ChangeCostImage2", "Ware wählen für Zeile 3"},
        {"ImagePanelNameCost", "Vergleich mit der Vorlage"},
        {"Arbeiter", "Arbeiter: Arbeiter"},
        {"Aelteste", "Arbeiter: Älteste"},
        {"GUID1010210", "Segel"},
        {"GUID0000000", "Baukosten entfernen"},
        {"WorkAmount", "Baufreigabe ab"},
        {"CostSpin0", "Menge in Zeile 1"},
    };
    for (const auto& [name, expected] : cases) {
        QWidget* w = m_form->findChild<QWidget*>(QString::fromLatin1(name));
        if (!w)
            w = m_picker->findChild<QWidget*>(QString::fromLatin1(name));
        ASSERT_NE(w, nullptr) << name;
        QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(w);
        ASSERT_NE(accessible, nullptr) << name;
        EXPECT_EQ(accessible->text(QAccessible::Name), QString::fromUtf8(expected)) << name;
    }
}

// A label that acts on a mouse click, as the switches of the yard windows do.
class ClickCounter : public QObject {
  public:
    int clicks = 0;

  protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::MouseButtonRelease &&
            static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton)
            ++clicks;
        return false;
    }
};

TEST(PictureControlsTest, SpaceAndReturnClickALabel) {
    QWidget window;
    auto* label = new QLabel(QStringLiteral("Schalter"), &window);
    ClickCounter counter;
    label->installEventFilter(&counter);
    ms::gui::PictureControls::join(label);
    EXPECT_EQ(label->focusPolicy(), Qt::TabFocus);
    QTest::keyClick(label, Qt::Key_Space);
    QTest::keyClick(label, Qt::Key_Return);
    QTest::keyClick(label, Qt::Key_A);
    EXPECT_EQ(counter.clicks, 2);
}

} // namespace
} // namespace mstest
