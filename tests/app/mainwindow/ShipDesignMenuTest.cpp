#include "app/mainwindow/NewShipGuiFixture.h"

#include "mainwindow/ShipDesignMenu.h"

#include <QAction>
#include <QLineEdit>
#include <QMenu>

namespace mstest {
namespace {

using ms::gui::ShipDesignMenu;

class ShipDesignMenuTest : public NewShipGuiTest {
  protected:
    void TearDown() override {
        ShipDesignMenu::setNextFileAnswer(std::nullopt);
        NewShipGuiTest::TearDown();
    }

    // A right click on the list at the row (or below the rows when `row` is -1).
    QMenu* openMenu(int row) {
        auto* view = find<QTreeWidget>("ShipView");
        const QPoint at = row >= 0 ? view->visualItemRect(view->topLevelItem(row)).center()
                                   : QPoint(10, view->viewport()->height() - 10);
        emit view->customContextMenuRequested(at);
        return find<QMenu>("ShipDesignMenu");
    }
    QAction* action(const char* name) {
        return find<QMenu>("ShipDesignMenu")->findChild<QAction*>(QString::fromLatin1(name));
    }

    void trigger(const char* name, const std::filesystem::path& file) {
        ShipDesignMenu::setNextFileAnswer(QString::fromStdString(file.string()));
        action(name)->trigger();
    }
};

TEST_F(ShipDesignMenuTest, EntriesByNameOnlyInTheListOfNewShips) {
    EXPECT_FALSE(openMenu(0)->isVisible()); // the sailing-ship templates

    find<QListWidget>("ShipTypeView")->setCurrentRow(3); // empty list of new ships
    QMenu* menu = openMenu(-1);
    EXPECT_TRUE(menu->isVisible());
    ASSERT_TRUE(action("SaveShipDesignAction") && action("LoadShipDesignAction"));
    EXPECT_EQ(action("SaveShipDesignAction")->text(), QStringLiteral("Schiffsentwurf speichern …"));
    EXPECT_EQ(action("LoadShipDesignAction")->text(), QStringLiteral("Schiffsentwurf laden …"));
    EXPECT_FALSE(action("SaveShipDesignAction")->isEnabled());
    EXPECT_TRUE(action("LoadShipDesignAction")->isEnabled());
    menu->hide();

    createSchoonerShip();
    openMenu(0);
    EXPECT_TRUE(action("SaveShipDesignAction")->isEnabled());
}

TEST_F(ShipDesignMenuTest, SavedDesignLoadsAsANewShipThatIsSelectedAndShown) {
    createSchoonerShip();
    const std::filesystem::path file = m_dir->path() / "schoner.spantora";
    openMenu(0);
    trigger("SaveShipDesignAction", file);
    const auto request = ShipDesignMenu::lastFileRequest();
    ASSERT_TRUE(request);
    EXPECT_EQ(request->title, QStringLiteral("Schiffsentwurf speichern"));
    EXPECT_EQ(request->filter, QStringLiteral("Schiffsentwürfe (*.spantora)"));
    EXPECT_EQ(request->proposedName, QStringLiteral("Schoner (neu).spantora"));
    ASSERT_TRUE(std::filesystem::exists(file));

    openMenu(-1);
    trigger("LoadShipDesignAction", file);
    EXPECT_EQ(ShipDesignMenu::lastFileRequest()->title, QStringLiteral("Schiffsentwurf laden"));
    EXPECT_FALSE(ms::gui::StandardMessage::lastShown());
    EXPECT_EQ(m_form->currentShipGuid(), QStringLiteral("2000501101"));
    EXPECT_EQ(m_form->selectedCategory(), ms::gui::TMainForm::NewShipsCategory);
    auto* view = find<QTreeWidget>("ShipView");
    ASSERT_EQ(view->selectedItems().size(), 1);
    EXPECT_EQ(view->selectedItems().first()->data(0, Qt::UserRole).toString(), QStringLiteral("2000501101"));
    EXPECT_EQ(find<QLabel>("ShipName")->text(), QStringLiteral("Schoner (neu)"));
}

TEST_F(ShipDesignMenuTest, WithUnsavedEditsTheEntrySaysTheDesignIsTheSavedState) {
    createSchoonerShip();
    const std::filesystem::path file = m_dir->path() / "schoner.spantora";
    find<QLineEdit>("NewShipNameText")->setText(QStringLiteral("Schoner Zwei"));
    openMenu(0);
    EXPECT_EQ(action("SaveShipDesignAction")->text(),
              QStringLiteral("Schiffsentwurf speichern (gespeicherter Stand) …"));
    trigger("SaveShipDesignAction", file);
    EXPECT_NE(readFile(file).find("<Name>Schoner (neu)</Name>"), std::string::npos);

    click("SaveBtn");
    openMenu(0);
    EXPECT_EQ(action("SaveShipDesignAction")->text(), QStringLiteral("Schiffsentwurf speichern …"));
}

TEST_F(ShipDesignMenuTest, RefusedDesignIsReportedAndChangesNothing) {
    const std::filesystem::path file = m_dir->path() / "fremd.spantora";
    writeFile(file, "<SpantoraShipDesign Version=\"2\"/>");
    find<QListWidget>("ShipTypeView")->setCurrentRow(3);
    const auto before = snapshot();
    openMenu(-1);
    trigger("LoadShipDesignAction", file);
    const auto shown = ms::gui::StandardMessage::lastShown();
    ASSERT_TRUE(shown);
    EXPECT_TRUE(shown->text.contains(QStringLiteral("wurde nicht geladen: der Entwurf hat die Version 2")))
        << shown->text.toStdString();
    EXPECT_EQ(snapshot(), before);
}

} // namespace
} // namespace mstest
