#include "yards/TShortCutForm.h"

#include "app/mainwindow/NewShipGuiFixture.h"
#include "lifecycle/ShipFormLoader.h"
#include "shell/QtSettingsStore.h"
#include "store/RecordStore.h"
#include "store/ShipIndex.h"
#include "yards/ShipSummary.h"

#include <QApplication>
#include <QSettings>
#include <QTest>
#include <QTextBlock>
#include <QTextEdit>
#include <QTimer>

#include <algorithm>

namespace {

using ms::gui::TShortCutForm;
using Lines = std::vector<std::string>;

const QStringList LowerLists{QStringLiteral("ShipViewAWSteam"), QStringLiteral("ShipViewNWSteam"),
                             QStringLiteral("ShipViewENSteam")};
const QStringList UpperLists{QStringLiteral("ShipViewAWSail"), QStringLiteral("ShipViewNWSail"),
                             QStringLiteral("ShipViewENSail")};

class ShortCutFormTest : public mstest::NewShipGuiTest {
  protected:
    void SetUp() override {
        NewShipGuiTest::SetUp();
        // QSettings keeps its folders for the process: point the user scope at this test's own.
        m_config = std::make_unique<mstest::TempDir>();
        QSettings::setPath(QSettings::IniFormat, QSettings::UserScope,
                           QString::fromStdString(m_config->path()));
        m_overview = new TShortCutForm(m_form.get()); // owned by the main window, as in the program
    }

    // Changes attributes of an index entry in the data copy, as the yard windows leave them.
    void setIndex(const std::string& guid,
                  std::initializer_list<std::pair<const char*, const char*>> values) {
        pugi::xml_document index;
        ms::LoadShipIndex(index, m_xmla);
        const pugi::xml_node entry = ms::FindShipEntryQuoted(index.document_element(), guid);
        ASSERT_TRUE(entry) << guid;
        for (const auto& [name, value] : values)
            entry.attribute(name).set_value(value);
        ms::SaveShipIndex(index, m_xmla);
    }

    QTreeWidget* list(const QString& name) const {
        auto* view = m_overview->findChild<QTreeWidget*>(name);
        EXPECT_NE(view, nullptr) << name.toStdString();
        return view;
    }
    QStringList captions(const QString& name) const {
        QStringList out;
        for (int i = 0; i < list(name)->topLevelItemCount(); ++i)
            out << list(name)->topLevelItem(i)->data(0, Qt::UserRole).toString();
        return out;
    }
    // Opens the overview without its modal loop and clicks the ship's row in a list.
    void clickShip(const QString& listName, const QString& guid) {
        m_overview->FillOverviewLists();
        m_overview->show();
        QTreeWidget* view = list(listName);
        const QStringList rows = captions(listName);
        ASSERT_TRUE(rows.contains(guid)) << guid.toStdString();
        QTreeWidgetItem* item = view->topLevelItem(static_cast<int>(rows.indexOf(guid)));
        QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, view->visualItemRect(item).center());
    }
    QTextEdit* summaryBox() const {
        return m_overview->findChild<QTextEdit*>(QStringLiteral("InfoRichEdit"));
    }
    Lines summaryTexts() const {
        Lines out;
        for (const QString& line : summaryBox()->toPlainText().split(u'\n'))
            out.push_back(line.toStdString());
        return out;
    }
    bool shown(const char* name) const {
        return !m_overview->findChild<QWidget*>(QString::fromLatin1(name))->isHidden();
    }
    void clickLabel(const char* name) {
        auto* label = m_overview->findChild<QWidget*>(QString::fromLatin1(name));
        QTest::mouseClick(label, Qt::LeftButton);
    }
    static QString deleteYard() { return ms::gui::QtSettingsStore::readValue(QStringLiteral("DeleteYard")); }

    std::unique_ptr<mstest::TempDir> m_config;
    TShortCutForm* m_overview = nullptr;
};

TEST_F(ShortCutFormTest, SteamshipFlaggedInThreeRegionsIsOnlyInTheLowerLists) {
    setIndex("1010062", {{"OnAW", "*"}, {"OnNW", "*"}, {"OnEN", "*"}});
    m_overview->FillOverviewLists();
    for (const QString& name : LowerLists) {
        EXPECT_EQ(captions(name), QStringList{QStringLiteral("1010062")}) << name.toStdString();
        EXPECT_EQ(list(name)->topLevelItem(0)->text(1), QStringLiteral("Frachtdampfer"));
    }
    for (const QString& name : UpperLists)
        EXPECT_EQ(list(name)->topLevelItemCount(), 0) << name.toStdString();
    // The lists read the file into a document of their own: the shared index is the one loaded before.
    EXPECT_EQ(ms::ShipValue(ms::FindShipEntry(ms::ShipIndexRoot(), "1010062"), "OnAW"), "");
}

TEST_F(ShortCutFormTest, ListsSortByCaptionAsText) {
    // A new ship placed before the schooner in the file, whose yard position also sorts first.
    pugi::xml_document index;
    ms::LoadShipIndex(index, m_xmla);
    pugi::xml_node root = index.document_element();
    pugi::xml_node copy = root.prepend_copy(ms::FindShipEntry(root, "100438"));
    copy.attribute("GUID").set_value("2000501101");
    copy.attribute("YardPos").set_value("A1");
    copy.attribute("IsMod").set_value("true");
    for (pugi::xml_node ship : {copy, ms::FindShipEntry(root, "100438")})
        ship.attribute("OnAW").set_value("*");
    ms::SaveShipIndex(index, m_xmla);

    m_overview->FillOverviewLists();
    EXPECT_EQ(captions(QStringLiteral("ShipViewAWSail")),
              (QStringList{QStringLiteral("100438"), QStringLiteral("2000501101")}));
    EXPECT_EQ(list(QStringLiteral("ShipViewAWSail"))->topLevelItem(1)->data(0, Qt::UserRole + 1).toString(),
              QStringLiteral("icon_ship_schooner_star"));
}

struct SummaryCase {
    const char* name;
    const char* guid;
    const char* list;
    bool dropCosts;           // the record's cost rows removed
    Lines consecutive;        // lines the summary shows one after the other
    std::string absentPrefix; // no line starts so
};

void PrintTo(const SummaryCase& c, std::ostream* out) {
    *out << c.name;
}

class ShortCutSummaryTest : public ShortCutFormTest, public ::testing::WithParamInterface<SummaryCase> {};

TEST_P(ShortCutSummaryTest, ShowsTheShipsLinesInOrderAndColours) {
    const SummaryCase& c = GetParam();
    const bool steam = std::string_view(c.list).ends_with("Steam");
    setIndex(c.guid, {{"OnNW", "*"}});
    if (c.dropCosts) {
        pugi::xml_document full;
        ASSERT_TRUE(full.load_file((m_xmla / "ShipFull.xml").c_str()));
        pugi::xml_node costs = ms::FindShipValues(full, c.guid).child("Cost").child("Costs");
        while (costs.first_child())
            costs.remove_child(costs.first_child());
        ASSERT_TRUE(full.save_file((m_xmla / "ShipFull.xml").c_str()));
    }
    clickShip(QString::fromLatin1(c.list), QString::fromLatin1(c.guid));

    // The lines the core makes of the ship's own record, in this order.
    const std::vector<ms::SummaryLine> expected =
        ms::ShipSummaryLines(ms::LoadShipForm(c.guid, false), ms::FindShipEntry(ms::ShipIndexRoot(), c.guid));
    Lines expectedTexts;
    for (const ms::SummaryLine& line : expected)
        expectedTexts.push_back(line.text);
    const Lines shown = summaryTexts();
    ASSERT_EQ(shown, expectedTexts);
    EXPECT_EQ(shown.front(), "Standardschiff");
    EXPECT_NE(std::search(shown.begin(), shown.end(), c.consecutive.begin(), c.consecutive.end()),
              shown.end());
    const auto startsWith = [&](const std::string& prefix) {
        return std::count_if(shown.begin(), shown.end(),
                             [&](const std::string& l) { return l.starts_with(prefix); });
    };
    if (!c.absentPrefix.empty())
        EXPECT_EQ(startsWith(c.absentPrefix), 0);
    EXPECT_EQ(startsWith(" max. Geschwindigkeit") + startsWith(" min. Geschwindigkeit"), steam ? 1 : 2);

    // Each line in its colour, bold, italic, 10 points, in the window's display font.
    int i = 0;
    for (QTextBlock block = summaryBox()->document()->begin(); block.isValid(); block = block.next(), ++i) {
        const QTextCharFormat format = block.begin().fragment().charFormat();
        const ms::SummaryColour colour = expected.at(static_cast<size_t>(i)).colour;
        EXPECT_EQ(format.foreground().color(), QColor(colour.r, colour.g, colour.b))
            << block.text().toStdString();
        EXPECT_EQ(format.fontWeight(), QFont::Bold);
        EXPECT_TRUE(format.fontItalic());
        EXPECT_EQ(format.fontPointSize(), 10);
        EXPECT_EQ(format.fontFamilies().toStringList().value(0), m_overview->font().family());
    }
    EXPECT_EQ(i, static_cast<int>(expected.size()));
    EXPECT_EQ(expected.front().colour, ms::kSummaryDarkRed);
    EXPECT_EQ(expected.at(1).colour, ms::kSummaryDarkBlue);

    auto* picture = m_overview->findChild<QLabel*>(QStringLiteral("ShipInfoImage"));
    EXPECT_EQ(picture->pixmap().size(), QSize(96, 96));
    EXPECT_EQ(picture->property("pictureName").toString(),
              QString::fromStdString(ms::ShipValue(ms::FindShipEntry(ms::ShipIndexRoot(), c.guid), "Icon")));
}

INSTANTIATE_TEST_SUITE_P(
    Ships, ShortCutSummaryTest,
    ::testing::Values(
        SummaryCase{"SailingShipWithTwoCostRows",
                    "100438",
                    "ShipViewNWSail",
                    false,
                    {"Baukosten : ", "20 Bretter", "10 Segel", "Einflusspunkte : 2", "Details : ",
                     " max. Geschwindigkeit ca.: 15,84 kn.", " min. Geschwindigkeit ca.: 4,4 kn."},
                    {}},
        SummaryCase{"SailingShipWithoutCosts",
                    "100438",
                    "ShipViewNWSail",
                    true,
                    {"Baukosten : ", "keine Baukosten gesetzt", "Einflusspunkte : 2"},
                    {}},
        SummaryCase{"Steamship",
                    "1010062",
                    "ShipViewNWSteam",
                    false,
                    {"Details : ", " max. Geschwindigkeit : 10,4 kn.", " Betriebskosten : 300 Münzen"},
                    " min."},
        SummaryCase{"ShipWithoutTradePoints",
                    "100440",
                    "ShipViewNWSail",
                    false,
                    {" Baufreigabe : 250 Handwerker(n)", " Militärpunkte : 2", " Trefferpunkte : 3500"},
                    " Handelspunkte"},
        SummaryCase{"UnarmedShip",
                    "100438",
                    "ShipViewNWSail",
                    false,
                    {"Bewaffnung", " Das Schiff ist nicht bewaffnet."},
                    " Waffentyp"}),
    [](const ::testing::TestParamInfo<SummaryCase>& info) { return std::string(info.param.name); });

TEST_F(ShortCutFormTest, ClickOutsideAnyRowKeepsTheSummary) {
    setIndex("100438", {{"OnEN", "*"}});
    clickShip(QStringLiteral("ShipViewENSail"), QStringLiteral("100438"));
    const QString before = summaryBox()->toPlainText();
    ASSERT_FALSE(before.isEmpty());
    QTreeWidget* empty = list(QStringLiteral("ShipViewAWSail"));
    QTest::mouseClick(empty->viewport(), Qt::LeftButton, {}, QPoint(20, 20));
    m_overview->ShowShipSummary(empty);
    EXPECT_EQ(summaryBox()->toPlainText(), before);
}

TEST_F(ShortCutFormTest, SwitchLabelClickedTwiceReturnsTheSetting) {
    ms::gui::QtSettingsStore::writeValue(QStringLiteral("DeleteYard"), QStringLiteral("0"));
    m_overview->FormActivate();
    clickLabel("DeleteYardLabel");
    EXPECT_EQ(deleteYard(), QStringLiteral("1"));
    EXPECT_TRUE(shown("DeleteYardYes"));
    EXPECT_FALSE(shown("DeleteYardNo"));
    clickLabel("DeleteYardLabel");
    EXPECT_EQ(deleteYard(), QStringLiteral("0"));
    EXPECT_FALSE(shown("DeleteYardYes"));
    EXPECT_TRUE(shown("DeleteYardNo"));
}

TEST_F(ShortCutFormTest, ActivationShowsTheStoredSwitch) {
    struct Step {
        const char* stored;
        bool yesShown;
    };
    // "1" and "0" set the pictures; another value leaves them as they were.
    for (const Step step : {Step{"1", true}, Step{"x", true}, Step{"0", false}, Step{"", false}}) {
        ms::gui::QtSettingsStore::writeValue(QStringLiteral("DeleteYard"), QString::fromLatin1(step.stored));
        m_overview->FormActivate();
        EXPECT_EQ(shown("DeleteYardYes"), step.yesShown) << step.stored;
        EXPECT_NE(shown("DeleteYardNo"), step.yesShown) << step.stored;
    }
    clickLabel("DeleteYardNo");
    EXPECT_EQ(deleteYard(), QStringLiteral("1"));
    clickLabel("DeleteYardYes");
    EXPECT_EQ(deleteYard(), QStringLiteral("0"));
}

TEST_F(ShortCutFormTest, SaveAfterTheOverviewStoresTheSelectedShipsOwnValues) {
    createSchoonerShip();
    typeInto("ShipMaintenance", QStringLiteral("77"));
    setIndex("100440", {{"OnAW", "*"}});
    clickShip(QStringLiteral("ShipViewAWSail"), QStringLiteral("100440"));
    const Lines summary = summaryTexts();
    ASSERT_NE(std::find(summary.begin(), summary.end(), " Trefferpunkte : 3500"),
              summary.end()); // the frigate's summary

    // The main window still shows its own ship with the unsaved edit.
    EXPECT_EQ(m_form->currentShipGuid(), QStringLiteral("2000501100"));
    EXPECT_EQ(field("ShipMaintenance")->shownText(), QStringLiteral("77"));
    EXPECT_EQ(field("WeaponMaxHitpoints")->shownText(), QStringLiteral("1000"));
    EXPECT_EQ(m_form->shipForm().text("ShipMaintenance"), "77");
    m_overview->findChild<QAbstractButton*>(QStringLiteral("AbortShortCutBtn"))->click();
    EXPECT_FALSE(m_overview->isVisible());

    click("SaveBtn");
    EXPECT_EQ(recordText("2000501100", "ShipMaintenance/Maintenance"), "77");
    EXPECT_EQ(recordText("2000501100", "Attackable/MaximumHitPoints"), "1000");
    EXPECT_EQ(recordText("2000501100", "Standard/Base"), "100438");
    EXPECT_EQ(indexAttribute("2000501100", "WorkAmount"), "1");
    EXPECT_EQ(recordText("100440", "Attackable/MaximumHitPoints"), "3500");
}

TEST_F(ShortCutFormTest, ShortCutButtonOpensTheFilledOverviewOverTheMainWindow) {
    setIndex("100438", {{"OnEN", "*"}});
    bool checked = false;
    QTimer::singleShot(0, m_form.get(), [&] {
        QWidget* modal = QApplication::activeModalWidget();
        auto* overview = qobject_cast<TShortCutForm*>(modal);
        if (overview && overview != m_overview) {
            checked = true;
            EXPECT_EQ(overview->parentWidget(), m_form.get());
            EXPECT_EQ(overview->windowTitle(), QStringLiteral("Werftenbelegung"));
            EXPECT_EQ(overview->shipView(4)->objectName(), QStringLiteral("ShipViewENSail"));
            EXPECT_EQ(overview->shipView(4)->topLevelItemCount(), 1);
            overview->findChild<QAbstractButton*>(QStringLiteral("AbortShortCutBtn"))->click();
        } else if (modal) {
            modal->close(); // never leave the test waiting in a modal loop
        }
    });
    click("ShortCutBtn");
    EXPECT_TRUE(checked);
}

} // namespace

namespace {

// Only the list clicked last shows a selected row; a reopened overview starts with none, and with
// no summary and no picture.
TEST_F(ShortCutFormTest, OneSelectedRowAtATimeAndAReopenedOverviewStartsEmpty) {
    setIndex("100438", {{"OnEN", "*"}});
    setIndex("100442", {{"OnAW", "*"}});
    clickShip(QStringLiteral("ShipViewENSail"), QStringLiteral("100438"));
    QTest::mouseClick(list(QStringLiteral("ShipViewAWSteam"))->viewport(), Qt::LeftButton, {},
                      list(QStringLiteral("ShipViewAWSteam"))
                          ->visualItemRect(list(QStringLiteral("ShipViewAWSteam"))->topLevelItem(0))
                          .center());
    EXPECT_TRUE(list(QStringLiteral("ShipViewENSail"))->selectedItems().isEmpty());
    EXPECT_EQ(list(QStringLiteral("ShipViewAWSteam"))->selectedItems().size(), 1);
    ASSERT_FALSE(summaryBox()->toPlainText().isEmpty());
    m_overview->hide();

    bool checked = false;
    QTimer::singleShot(0, m_overview, [&] {
        checked = true;
        EXPECT_TRUE(summaryBox()->toPlainText().isEmpty());
        EXPECT_FALSE(m_overview->findChild<QLabel*>(QStringLiteral("ShipInfoImage"))
                         ->property("pictureName")
                         .isValid());
        for (int yard = 0; yard < TShortCutForm::YardCount; ++yard)
            EXPECT_TRUE(m_overview->shipView(yard)->selectedItems().isEmpty()) << yard;
        m_overview->reject();
    });
    m_overview->open();
    EXPECT_TRUE(checked);
}

// The picture column is 48 wide; a name wider than its column ends in "…" and its tooltip holds
// it whole.
TEST_F(ShortCutFormTest, LongNamesAreCutWithAnEllipsisAndShownWholeInTheTooltip) {
    const std::string name = "Sehr langer Schiffsname einer königlichen Handelsflotte";
    setIndex("100438", {{"OnEN", "*"}, {"Name", name.c_str()}});
    clickShip(QStringLiteral("ShipViewENSail"), QStringLiteral("100438"));
    QTreeWidget* view = list(QStringLiteral("ShipViewENSail"));
    EXPECT_EQ(view->columnWidth(0), 48);
    QTreeWidgetItem* item = view->topLevelItem(0);
    EXPECT_EQ(item->toolTip(1), QString::fromStdString(name));
    EXPECT_GT(view->fontMetrics().horizontalAdvance(item->text(1)), view->columnWidth(1));
    EXPECT_FALSE(view->wordWrap());
    EXPECT_EQ(view->textElideMode(), Qt::ElideRight);
}

} // namespace
