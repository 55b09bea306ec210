#include "app/mainwindow/MainFormFixture.h"

#include "mainwindow/NumberField.h"
#include "shell/ActivatedMods.h"
#include "support/SleepingChild.h"

#include <QListWidget>

#include <filesystem>
#include <string>
#include <thread>

namespace mstest {
namespace {

namespace fs = std::filesystem;

// Changes one attribute of a ship's index entry on disk for the length of a test; ShowShip reads
// the index afresh, so the window sees the change at the next selection.
class IndexEdit {
  public:
    IndexEdit(const fs::path& xmla, const std::string& guid, const std::string& attribute,
              const std::string& value)
        : m_file(xmla / "ShipShort.xml"), m_original(readFile(m_file)) {
        std::string text = m_original;
        const size_t entry = text.find("GUID=\"" + guid + "\"");
        const size_t at = text.find(attribute + "=\"", entry);
        const size_t valueStart = at + attribute.size() + 2;
        const size_t valueEnd = text.find('"', valueStart);
        text.replace(valueStart, valueEnd - valueStart, value);
        writeFile(m_file, text);
    }
    ~IndexEdit() { writeFile(m_file, m_original); }

  private:
    fs::path m_file;
    std::string m_original;
};

TEST_F(MainFormTest, NoCategoryListsEveryShipOfTheIndex) {
    find<QListWidget>("ShipTypeView")->clearSelection();
    EXPECT_EQ(m_form->selectedCategory(), ms::gui::TMainForm::NoCategory);
    EXPECT_EQ(shipView()->topLevelItemCount(), 21);
    const QStringList keys = listedSortKeys();
    for (int i = 1; i < keys.size(); ++i)
        EXPECT_LE(keys[i - 1].compare(keys[i], Qt::CaseInsensitive), 0) << i;
    EXPECT_EQ(text("ShipViewLabel"), QStringLiteral("Schiffsvorlagen"));
}

TEST_F(MainFormTest, YardFlagsShowTheYardIndicators) {
    EXPECT_FALSE(visibleInForm("InShipYardImage"));
    {
        IndexEdit edit(s_xmla, "100438", "OnNW", "*");
        selectCategory(1);
        selectCategory(0);
        ASSERT_EQ(m_form->currentShipGuid(), QStringLiteral("100438"));
        for (const char* name :
             {"InShipYardImage", "InShipYardLabel", "InAWShipYard", "InNWShipYard", "InENShipYard"})
            EXPECT_TRUE(visibleInForm(name)) << name;
        EXPECT_EQ(text("InShipYardLabel"), QStringLiteral("In der Werftbauliste"));
        EXPECT_FALSE(find<QLabel>("InNWShipYard")->pixmap().isNull());
    }
    selectCategory(1);
    selectCategory(0);
    EXPECT_FALSE(visibleInForm("InNWShipYard"));
}

TEST_F(MainFormTest, ActivatedShipShowsItsStarPictureAndState) {
    IndexEdit edit(s_xmla, "100438", "IsMod", "true");
    selectCategory(1);
    selectCategory(0);
    ASSERT_EQ(m_form->currentShipGuid(), QStringLiteral("100438"));
    QTreeWidgetItem* first = shipView()->topLevelItem(0);
    EXPECT_EQ(first->data(0, Qt::UserRole + 1).toString(), QStringLiteral("icon_ship_schooner_star"));
    EXPECT_EQ(
        shipView()->topLevelItem(1)->data(0, Qt::UserRole + 1).toString().endsWith(QStringLiteral("_star")),
        false);
    EXPECT_TRUE(visibleInForm("ExportedImage"));
    EXPECT_EQ(text("ExportedLabel"), QStringLiteral("Schiff ist aktiviert"));
    EXPECT_TRUE(find("DeactivateBtn")->isEnabled());
}

TEST_F(MainFormTest, ActivationRefreshesTheListOfActivatedMods) {
    TempDir mods;
    fs::create_directories(mods.path() / "[Spantora] Schoner (neu) (2000501100)");
    fs::create_directories(mods.path() / "AnotherMod");
    writeFile(mods.path() / "[Spantora] notes.txt", "x");
    const std::string before = ms::env().modLocation;
    ms::env().modLocation = mods.path().string() + "/";
    m_form->FormActivate();
    auto* box = find<QListWidget>("FileBoxActivated");
    QStringList names;
    for (int i = 0; i < box->count(); ++i)
        names << box->item(i)->text();
    names.sort();
    EXPECT_EQ(names, (QStringList{QStringLiteral("[Spantora] Schoner (neu) (2000501100)"),
                                  QStringLiteral("[Spantora] notes.txt")}));
    // Outside the client area: never seen.
    EXPECT_FALSE(m_form->rect().intersects(box->geometry()));
    EXPECT_FALSE(visibleInForm("MarvessaLabel")); // no game process here
    ms::env().modLocation = before;
}

// The game notice follows the game at every tick of the 100 ms timer.
TEST_F(MainFormTest, GameNoticeFollowsTheGameWithinTwoTicks) {
    TempDir dir;
    SleepingChild game(dir.path(), "Marvessa.exe", "Marvessa.exe");
    std::this_thread::sleep_for(std::chrono::milliseconds(100)); // the exec of the child
    m_form->IsVisibleTimerTimer();
    m_form->IsVisibleTimerTimer();
    EXPECT_TRUE(visibleInForm("MarvessaLabel"));
    game.stop();
    m_form->IsVisibleTimerTimer();
    m_form->IsVisibleTimerTimer();
    EXPECT_FALSE(visibleInForm("MarvessaLabel"));
}

} // namespace
} // namespace mstest

namespace mstest {
namespace {

TEST_F(MainFormTest, FieldChangesReachTheCoreForm) {
    m_form->UnlockEditing();
    auto* stack = find<ms::gui::NumberField>("StackLimit");
    stack->setShownText(QStringLiteral("60"));
    EXPECT_EQ(m_form->shipForm().text("StackLimit"), "60");
    auto* speed = find<ms::gui::NumberField>("ForwardSpeed");
    speed->setShownText(QStringLiteral("5"));
    EXPECT_EQ(m_form->shipForm().text("ForwardSpeed"), "5");
    EXPECT_EQ(text("ForwardSpeedMaxValue"), QStringLiteral("18 kn."));
    EXPECT_EQ(text("ForwardSpeedMinValue"), QStringLiteral("5 kn."));
}

} // namespace
} // namespace mstest
