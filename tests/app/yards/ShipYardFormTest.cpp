#include "app/mainwindow/NewShipGuiFixture.h"

#include "lifecycle/ShipCreation.h"
#include "shell/MessageWindow.h"
#include "store/RecordStore.h"
#include "store/SharedDocuments.h"
#include "store/ShipIndex.h"
#include "yards/TShipYardForm.h"
#include "yards/YardBuildMenu.h"
#include "yards/YardTable.h"
#include "yards/YardTexts.h"

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTimer>

namespace mstest {
namespace {

namespace fs = std::filesystem;
using ms::gui::MessageWindow;
using ms::gui::TShipYardForm;

// The main window on its own data copy; the shipyard windows are prepared as opening them does,
// without the modal loop.
class ShipYardFormTest : public NewShipGuiTest {
  protected:
    TShipYardForm* window(int region) {
        TShipYardForm* w = m_form->yardForm(region);
        w->activate();
        return w;
    }
    static QTreeWidget* list(TShipYardForm* w) {
        return w->findChild<QTreeWidget*>(QStringLiteral("ShipView"));
    }
    static QLabel* place(TShipYardForm* w, int k) {
        return w->findChild<QLabel*>(QStringLiteral("ShipImage%1").arg(k));
    }
    static QStringList column(TShipYardForm* w, int column) {
        QStringList values;
        for (int i = 0; i < list(w)->topLevelItemCount(); ++i)
            values << list(w)->topLevelItem(i)->text(column);
        return values;
    }
    static QTreeWidgetItem* row(TShipYardForm* w, const QString& guid) {
        for (int i = 0; i < list(w)->topLevelItemCount(); ++i)
            if (list(w)->topLevelItem(i)->data(0, Qt::UserRole).toString() == guid)
                return list(w)->topLevelItem(i);
        ADD_FAILURE() << "no row " << guid.toStdString();
        return nullptr;
    }
    // A double-click on the ship's row, as the user does it.
    static void toggle(TShipYardForm* w, const QString& guid) {
        QTreeWidgetItem* item = row(w, guid);
        list(w)->setCurrentItem(item);
        emit list(w)->itemDoubleClicked(item, 1);
    }
    // New sailing ships as activation leaves them for the yards (ShowInYard "true").
    std::vector<QString> newSailingShips(int count) {
        MessageWindow sink;
        std::vector<QString> guids;
        for (int i = 0; i < count; ++i)
            guids.push_back(q(
                ms::CreateNewShip(m_xmla, ms::NewShipFields{"100438", "Werftschiff", "15000001", "10"}, sink)
                    ->ids.assetGuid));
        pugi::xml_document index;
        ms::LoadShipIndex(index, m_xmla);
        for (const QString& guid : guids)
            ms::FindShipEntryQuoted(index.document_element(), guid.toStdString())
                .attribute("ShowInYard")
                .set_value("true");
        ms::SaveShipIndex(index, m_xmla);
        ms::ReloadShipDocuments(m_xmla);
        return guids;
    }
    static QString q(const std::string& s) { return QString::fromStdString(s); }
    fs::path deployed(const char* region, const char* engine) const {
        return m_mods / ms::FindYard(region, engine)->folder;
    }
};

TEST_F(ShipYardFormTest, OpensOnTheYardOfTheShownShipsEngineOrOnTheSailingYard) {
    find<QListWidget>("ShipTypeView")->setCurrentRow(1); // steamships
    TShipYardForm* w = window(0);
    EXPECT_EQ(w->objectName(), QStringLiteral("TShipYardForm01"));
    EXPECT_EQ(w->windowTitle(), QStringLiteral("Werftzuweisung Alte Welt"));
    EXPECT_EQ(w->currentEngine(), QStringLiteral("Steam"));
    EXPECT_TRUE(w->findChild<QPushButton*>(QStringLiteral("ShowSteamShipsBtn"))->isChecked());
    auto* steamName = w->findChild<QLabel*>(QStringLiteral("SteamShipYardNameLabel"));
    EXPECT_TRUE(steamName->isVisibleTo(w));
    EXPECT_FALSE(w->findChild<QLabel*>(QStringLiteral("SailShipYardNameLabel"))->isVisibleTo(w));
    EXPECT_EQ(steamName->text(), q(ms::ReadYardName(*ms::FindYard("AW", "Steam"))));
    EXPECT_FALSE(steamName->text().isEmpty());
    EXPECT_TRUE(fs::is_directory(deployed("AW", "Steam"))) << "shown yards are deployed";
    EXPECT_FALSE(fs::exists(deployed("AW", "Sail")));
    EXPECT_EQ(list(w)->topLevelItemCount(), 9); // the steamships with ShowInYard "true"
    EXPECT_TRUE(list(w)->topLevelItem(0)->isSelected());

    find<QListWidget>("ShipTypeView")->setCurrentRow(3); // no new ship yet: an empty list
    w = window(2);
    EXPECT_EQ(w->currentEngine(), QStringLiteral("Sail"));
    EXPECT_EQ(w->findChild<QLabel*>(QStringLiteral("StaticText1"))->text(), QStringLiteral("Enbesa"));
    EXPECT_EQ(w->findChild<QLabel*>(QStringLiteral("CurrentYard"))->property("pictureName").toString(),
              QStringLiteral("Segelschiff128"));
}

// Rows by YardPos as text (new ships "A…" first), the drawn menu in index order with the
// activated ship's picture from the new-ship set; the 18th ship fits, the 19th is refused with
// index and mod unchanged, and a freed place is empty.
TEST_F(ShipYardFormTest, AssignmentUpToTheLimitOf18) {
    const std::vector<QString> created = newSailingShips(10);
    TShipYardForm* w = window(0);
    const QStringList positions = column(w, 3);
    QStringList sorted = positions;
    std::sort(sorted.begin(), sorted.end(),
              [](const QString& a, const QString& b) { return a.compare(b, Qt::CaseInsensitive) < 0; });
    EXPECT_EQ(positions, sorted);
    EXPECT_EQ(list(w)->topLevelItemCount(), 19);
    EXPECT_TRUE(positions.first().startsWith(QLatin1Char('A')));

    QStringList inMenu;
    for (int i = 0; i < list(w)->topLevelItemCount() && inMenu.size() < TShipYardForm::MenuPlaces; ++i) {
        const QString guid = list(w)->topLevelItem(i)->data(0, Qt::UserRole).toString();
        if (guid != QStringLiteral("100438"))
            inMenu << guid;
    }
    for (const QString& guid : inMenu)
        toggle(w, guid);
    EXPECT_EQ(ms::CountYardShips(*ms::FindYard("AW", "Sail")), 18);
    EXPECT_EQ(row(w, inMenu.first())->text(2), QStringLiteral("*"));
    EXPECT_TRUE(list(w)->selectedItems().isEmpty());
    // The drawn menu follows the index order: the templates (index first) lead.
    EXPECT_EQ(place(w, 0)->toolTip(), QStringLiteral("Kanonenboot"));
    EXPECT_FALSE(place(w, 0)->property("newShipPicture").toBool());

    const auto before = snapshot();
    const std::string menuBefore =
        readFile(deployed("AW", "Sail") / "data/config/export/main/asset/assets.xml");
    MessageWindow::setNextAnswer({true, {}});
    toggle(w, QStringLiteral("100438"));
    ASSERT_TRUE(MessageWindow::lastMessage().has_value());
    EXPECT_EQ(MessageWindow::lastMessage()->header, "Maximum erreicht");
    EXPECT_EQ(snapshot(), before);
    EXPECT_EQ(readFile(deployed("AW", "Sail") / "data/config/export/main/asset/assets.xml"), menuBefore);

    toggle(w, inMenu.first());
    EXPECT_EQ(row(w, inMenu.first())->text(2), QString());
    EXPECT_TRUE(place(w, 17)->pixmap().isNull());
    EXPECT_TRUE(place(w, 17)->toolTip().isEmpty());
    EXPECT_FALSE(place(w, 16)->pixmap().isNull());
}

TEST_F(ShipYardFormTest, ActivatedNewShipShowsItsStarPictureAndTheNewShipPictureInTheMenu) {
    createSchoonerShip();
    click("CreateModBtn");
    TShipYardForm* w = window(0);
    const QString guid = QStringLiteral("2000501100");
    EXPECT_TRUE(row(w, guid)->data(0, Qt::UserRole + 1).toString().endsWith(QStringLiteral("_star")));
    toggle(w, guid);
    EXPECT_TRUE(place(w, 0)->property("newShipPicture").toBool());
    EXPECT_FALSE(place(w, 0)->pixmap().isNull());
    EXPECT_TRUE(ms::YardMenuNamesShip(*ms::FindYard("AW", "Sail"), guid.toStdString()));

    // Deactivation in the main window takes it out of every build menu and the mods folder.
    click("DeactivateBtn");
    EXPECT_FALSE(ms::YardMenuNamesShip(*ms::FindYard("AW", "Sail"), guid.toStdString()));
    EXPECT_EQ(indexAttribute(guid.toStdString(), "IsMod"), "false");
    for (const auto& e : fs::directory_iterator(m_mods))
        EXPECT_EQ(e.path().filename().string().find(guid.toStdString()), std::string::npos) << e.path();
}

TEST_F(ShipYardFormTest, DeletionAsksAndAbbrechenChangesNothing) {
    createSchoonerShip();
    const auto before = snapshot();
    writeFile(m_mods / ".cache" / "c.bin", "c");
    MessageWindow::setNextAnswer({false, {}});
    click("DeleteBtn");
    EXPECT_FALSE(fs::exists(m_mods / ".cache")) << "Abbrechen still clears the cache";
    ASSERT_TRUE(MessageWindow::lastMessage().has_value());
    EXPECT_EQ(MessageWindow::lastMessage()->header, "Sicherheitsabfrage");
    EXPECT_EQ(MessageWindow::lastMessage()->okCaption, "Löschen");
    EXPECT_EQ(snapshot(), before);
    EXPECT_EQ(m_form->currentShipGuid(), QStringLiteral("2000501100"));

    writeFile(m_mods / ".cache" / "c.bin", "c");
    MessageWindow::setNextAnswer({true, {}});
    click("DeleteBtn");
    EXPECT_EQ(readFile(m_xmla / "ShipShort.xml").find("GUID=\"2000501100\""), std::string::npos);
    // The only new ship is gone: the main window is back in the first category.
    EXPECT_EQ(m_form->selectedCategory(), ms::gui::TMainForm::SailCategory);
    EXPECT_EQ(m_form->currentShipGuid(), QStringLiteral("100438"));
    EXPECT_TRUE(fs::exists(m_mods / ".cache" / "c.bin")) << "the last new ship's deletion keeps the cache";
}

TEST_F(ShipYardFormTest, RenamingShowsTheNameAndCancelWritesNothing) {
    TShipYardForm* w = window(0);
    const fs::path texts = m_xmla / ms::FindYard("AW", "Sail")->folder / "data/config/gui/texts_german.xml";
    const std::string original = readFile(texts);
    MessageWindow::setNextAnswer({false, {}});
    w->RenameYard();
    EXPECT_EQ(MessageWindow::lastMessage()->okCaption, "Umbenennen");
    EXPECT_EQ(readFile(texts), original);

    MessageWindow::setNextAnswer({true, "Werft & Söhne"});
    w->RenameYard();
    EXPECT_EQ(w->findChild<QLabel*>(QStringLiteral("SailShipYardNameLabel"))->text(),
              QStringLiteral("Werft & Söhne"));
    EXPECT_EQ(ms::ReadYardName(*ms::FindYard("AW", "Sail")), "Werft & Söhne");
    // Switching to the other yard and back shows the new name.
    w->SwitchYardEngine(QStringLiteral("Steam"));
    w->SwitchYardEngine(QStringLiteral("Sail"));
    EXPECT_EQ(w->findChild<QLabel*>(QStringLiteral("SailShipYardNameLabel"))->text(),
              QStringLiteral("Werft & Söhne"));
}

TEST_F(ShipYardFormTest, FactorySwitchAndItsPictureWithinOneTick) {
    TShipYardForm* w = window(2);
    w->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(w));
    const fs::path factory = m_mods / ms::kSailWeavingFactoryFolder;
    auto* state = w->findChild<QLabel*>(QStringLiteral("SailClothingEnbesaImage"));
    EXPECT_EQ(state->property("pictureName").toString(), QStringLiteral("nein"));
    QTest::mouseClick(w->findChild<QLabel*>(QStringLiteral("EnbesaSailClothingLabel")), Qt::LeftButton);
    EXPECT_TRUE(fs::is_directory(factory));
    m_form->IsVisibleTimerTimer();
    EXPECT_EQ(state->property("pictureName").toString(), QStringLiteral("ja"));
    QTest::mouseClick(state, Qt::LeftButton);
    EXPECT_FALSE(fs::exists(factory));
    m_form->IsVisibleTimerTimer();
    EXPECT_EQ(state->property("pictureName").toString(), QStringLiteral("nein"));
    w->hide();
}

// The yard selection opens the window modally; "Beenden" closes it. At shutdown with "DeleteYard"
// on, the deployed yard without ships goes.
TEST_F(ShipYardFormTest, YardSelectionOpensTheWindowAndShutdownRemovesUnusedYards) {
    click("ShipYardBuildMenuBtn");
    QString opened;
    QTimer::singleShot(0, [&] {
        QWidget* modal = QApplication::activeModalWidget();
        if (!modal)
            return;
        opened = modal->objectName();
        modal->findChild<QPushButton*>(QStringLiteral("SaveBtn"))->click();
    });
    click("YardSelectionNWBtn");
    EXPECT_EQ(opened, QStringLiteral("TShipYardForm02"));
    EXPECT_TRUE(fs::is_directory(deployed("NW", "Sail")));

    m_form->setDeleteYardSetting([] { return true; });
    m_form->close();
    EXPECT_FALSE(fs::exists(deployed("NW", "Sail")));
}

} // namespace
} // namespace mstest

namespace mstest {
namespace {

// The yard flags shown belong to the ship shown: an empty list of new ships shows none.
TEST_F(ShipYardFormTest, EmptyListShowsNoYardFlagsOfTheShipBefore) {
    TShipYardForm* w = window(0); // the schooner is shown: the old-world sailing yard
    toggle(w, QStringLiteral("100438"));
    w->SaveBtnClick();
    EXPECT_FALSE(find("InShipYardLabel")->isHidden());
    find<QListWidget>("ShipTypeView")->setCurrentRow(3);
    EXPECT_TRUE(find("InShipYardLabel")->isHidden());
    EXPECT_TRUE(find("InAWShipYard")->isHidden());
}

} // namespace
} // namespace mstest

namespace mstest {
namespace {

// A deployed build menu the window cannot read is reported as soon as the window shows that yard,
// not only at the next toggle: a broken file and one without Shipyard.
TEST_F(ShipYardFormTest, ShowingAYardWithAnUnusableDeployedMenuSaysSoNamingTheFile) {
    window(0); // deploys the old world's sailing yard
    const fs::path file = deployed("AW", "Sail") / "data/config/export/main/asset/assets.xml";
    for (const char* bytes : {"<ModOps><ModOp>", "<ModOps><ModOp><Asset/></ModOp></ModOps>"}) {
        writeFile(file, bytes);
        MessageWindow::clearAnswers();
        MessageWindow::setNextAnswer({true, {}});
        window(0);
        ASSERT_TRUE(MessageWindow::lastMessage().has_value()) << bytes;
        EXPECT_EQ(MessageWindow::lastMessage()->header, "Werft nicht geändert");
        EXPECT_NE(MessageWindow::lastMessage()->text.find(file.string()), std::string::npos) << bytes;
        EXPECT_EQ(readFile(file), bytes) << "the file stays as it was";
    }
}

// A yard name without a blank that is wider than the header is drawn smaller until it fits; a name
// that fits keeps the window's size.
TEST_F(ShipYardFormTest, YardNameWithoutABlankShrinksToFitTheHeader) {
    TShipYardForm* w = window(0);
    auto* label = w->findChild<QLabel*>(QStringLiteral("SailShipYardNameLabel"));
    for (const auto& [name, smaller] :
         {std::pair{"Großwerftgesellschaften", true}, std::pair{"Neue Werft", false}}) {
        MessageWindow::setNextAnswer({true, name});
        w->RenameYard();
        EXPECT_EQ(label->text(), QString::fromUtf8(name));
        EXPECT_EQ(label->font().pointSizeF() < w->font().pointSizeF(), smaller) << name;
        EXPECT_LE(QFontMetrics(label->font()).horizontalAdvance(label->text()), label->width()) << name;
    }
}

} // namespace
} // namespace mstest
