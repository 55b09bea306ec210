#include "app/mainwindow/MainFormFixture.h"

#include "store/SharedDocuments.h"

#include <QApplication>
#include <QCursor>
#include <QEnterEvent>
#include <QMouseEvent>
#include <QPushButton>
#include <QTest>
#include <QTimer>

namespace mstest {
namespace {

void moveMouseOver(QWidget* widget) {
    const QPointF local(widget->width() / 2.0, widget->height() / 2.0);
    QMouseEvent move(QEvent::MouseMove, local, widget->mapToGlobal(local), Qt::NoButton, Qt::NoButton,
                     Qt::NoModifier);
    QApplication::sendEvent(widget, &move);
}

TEST_F(MainFormTest, HelpAreaStartsWithItsPlaceholders) {
    EXPECT_EQ(text("HelpHeaderLabel"), QStringLiteral("HelpHeader"));
    EXPECT_EQ(text("HelpLabel"), QStringLiteral("HelpLabel"));
    EXPECT_EQ(find("HelpHeaderLabel")->geometry(), QRect(1027, 310, 230, 21));
    EXPECT_EQ(find("HelpLabel")->geometry(), QRect(1027, 333, 230, 360));
}

TEST_F(MainFormTest, HelpByPositionForDisabledCommandButtons) {
    ASSERT_FALSE(find("SaveBtn")->isEnabled()); // templates: "Speichern" is off
    m_form->showHelpAtPosition(QPoint(1100, 60));
    EXPECT_EQ(text("HelpHeaderLabel"), QStringLiteral("Speichern"));
    EXPECT_TRUE(text("HelpLabel").startsWith(QStringLiteral("Speichert Ihre Änderungen am neuen Schiff.")));
    // Text1, Text2 and the empty Text3, each after a line break.
    EXPECT_TRUE(text("HelpLabel").endsWith(QStringLiteral("bereits aktiviert ist.\n")));

    m_form->showHelpAtPosition(QPoint(1100, 100));
    EXPECT_EQ(text("HelpHeaderLabel"), QStringLiteral("Schiff aktivieren"));

    // While the yard selection panel covers the lower buttons, their rules are off.
    find<QPushButton>("ShipYardBuildMenuBtn")->click();
    ASSERT_TRUE(find("YardSelectionPanel")->isVisibleTo(m_form.get()));
    EXPECT_EQ(find("YardSelectionPanel")->pos(), QPoint(1020, 48));
    m_form->showHelpAtPosition(QPoint(1100, 160));
    EXPECT_EQ(text("HelpHeaderLabel"), QStringLiteral("Schiff aktivieren"));

    find<QPushButton>("YardSelectionAbort")->click();
    ASSERT_FALSE(find("YardSelectionPanel")->isVisibleTo(m_form.get()));
    m_form->showHelpAtPosition(QPoint(1100, 160));
    EXPECT_EQ(text("HelpHeaderLabel"), QStringLiteral("Werftzuweisung"));
    EXPECT_TRUE(text("HelpLabel").contains(QStringLiteral("im Dünenmark geschehen.\n\nEin Schiff")));

    m_form->showHelpAtPosition(QPoint(1100, 270));
    EXPECT_EQ(text("HelpHeaderLabel"), QStringLiteral("Schiff löschen"));
    m_form->showHelpAtPosition(QPoint(1100, 220));
    EXPECT_EQ(text("HelpHeaderLabel"), QStringLiteral("Schiff deaktivieren"));
    // Outside the column nothing changes.
    m_form->showHelpAtPosition(QPoint(900, 60));
    EXPECT_EQ(text("HelpHeaderLabel"), QStringLiteral("Schiff deaktivieren"));
}

TEST_F(MainFormTest, HelpTimerFollowsTheMouseWithoutMovementEvents) {
    m_form->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(m_form.get()));
    QCursor::setPos(m_form->mapToGlobal(QPoint(1100, 60)));
    if (m_form->mapFromGlobal(QCursor::pos()) != QPoint(1100, 60))
        GTEST_SKIP() << "the platform does not move the cursor";
    EXPECT_TRUE(
        QTest::qWaitFor([&] { return text("HelpHeaderLabel") == QStringLiteral("Speichern"); }, 1000));
}

TEST_F(MainFormTest, HoverShowsTheElementsHelp) {
    moveMouseOver(find<QListWidget>("ShipTypeView")->viewport());
    EXPECT_EQ(text("HelpHeaderLabel"), QStringLiteral("Schiffstypenauswahl"));
    moveMouseOver(shipView()->viewport());
    EXPECT_EQ(text("HelpHeaderLabel"), QStringLiteral("Schiffsvorlagenauswahl"));
    // A field inside a row answers with its row's number.
    find<QPushButton>("DetailImageBtn")->click();
    moveMouseOver(find("ForwardSpeed"));
    EXPECT_EQ(text("HelpHeaderLabel"), QStringLiteral("Schiffsgeschwindigkeit"));
    moveMouseOver(find("StacklimitPanel"));
    EXPECT_EQ(text("HelpHeaderLabel"), QStringLiteral("Ladekapazität"));
    moveMouseOver(find("InShipYardLabel"));
    EXPECT_EQ(text("HelpHeaderLabel"), QStringLiteral("Werftbaustatus"));
    moveMouseOver(find("ShortCutBtn"));
    EXPECT_EQ(text("HelpHeaderLabel"), QStringLiteral("Übersicht"));
    EXPECT_TRUE(text("HelpLabel").startsWith(QStringLiteral(" Dieser Button")));
    // The background clears the area (entry "0").
    moveMouseOver(find("Background"));
    EXPECT_EQ(text("HelpHeaderLabel"), QString());
    EXPECT_EQ(text("HelpLabel"), QStringLiteral("\n\n"));
    // An unknown number leaves the area as it was.
    m_form->ShowHelpText(QStringLiteral("201"));
    m_form->ShowHelpText(QStringLiteral("999"));
    EXPECT_EQ(text("HelpHeaderLabel"), QStringLiteral("Schiffsvorlagenauswahl"));
}

} // namespace
} // namespace mstest

namespace mstest {
namespace {

// Every entry of the help file fits the help area: the header on its one line, the text in the
// label's height at the label's width.
TEST_F(MainFormTest, EveryHelpEntryFitsTheHelpArea) {
    auto* header = find<QLabel>("HelpHeaderLabel");
    auto* label = find<QLabel>("HelpLabel");
    int entries = 0;
    for (const pugi::xpath_node& node : ms::HelpRoot().select_nodes("//Text/GUID")) {
        const QString number = QString::fromUtf8(node.node().text().get());
        m_form->ShowHelpText(number);
        ++entries;
        EXPECT_LE(header->fontMetrics().horizontalAdvance(header->text()), header->width())
            << number.toStdString();
        EXPECT_LE(label->heightForWidth(label->width()), label->height()) << number.toStdString();
    }
    EXPECT_GE(entries, 40);
}

} // namespace
} // namespace mstest

namespace mstest {
namespace {

// Outside the window no position has help: the help timer rests there and runs again once the
// pointer is back.
TEST_F(MainFormTest, HelpTimerRestsWhileThePointerIsOutsideTheWindow) {
    m_form->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(m_form.get()));
    auto* timer = m_form->findChild<QTimer*>(QStringLiteral("HelpCallTimer"));
    QCursor::setPos(m_form->mapToGlobal(QPoint(1100, 60)));
    if (m_form->mapFromGlobal(QCursor::pos()) != QPoint(1100, 60))
        GTEST_SKIP() << "the platform does not move the cursor";
    EXPECT_TRUE(timer->isActive());
    // The window system's leave and enter, as the desktop sends them.
    QCursor::setPos(m_form->mapToGlobal(QPoint(-50, -50)));
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(m_form.get(), &leave);
    EXPECT_FALSE(timer->isActive());
    QCursor::setPos(m_form->mapToGlobal(QPoint(1100, 60)));
    QEnterEvent enter(QPointF(1100, 60), QPointF(1100, 60), QPointF(m_form->mapToGlobal(QPoint(1100, 60))));
    QApplication::sendEvent(m_form.get(), &enter);
    EXPECT_TRUE(timer->isActive());
}

} // namespace
} // namespace mstest
