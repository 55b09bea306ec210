#include "app/mainwindow/MainFormFixture.h"

#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTest>

namespace mstest {
namespace {

TEST_F(MainFormTest, NameBoxTakesOnlyItsCharacters) {
    m_form->UnlockEditing();
    auto* name = find<QLineEdit>("NewShipNameText");
    name->clear();
    typeText(name, QStringLiteral("Kogge 10 [ä]-(x)!"));
    EXPECT_EQ(name->text(), QStringLiteral("Kogge 1 []-(x)"));
    QTest::keyClick(name, Qt::Key_Return);
    QTest::keyClick(name, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(name->text(), QStringLiteral("Kogge 1 []-(x)"));
}

TEST_F(MainFormTest, NameBoxStopsAt36CharactersButBackspaceAndDeleteStillWork) {
    m_form->UnlockEditing();
    auto* name = find<QLineEdit>("NewShipNameText");
    name->clear();
    QTest::keyClicks(name, QString(40, QLatin1Char('a')));
    EXPECT_EQ(name->text().size(), 36);
    QTest::keyClick(name, Qt::Key_Backspace);
    EXPECT_EQ(name->text().size(), 35);
    QTest::keyClicks(name, QStringLiteral("b"));
    QTest::keyClick(name, Qt::Key_Home);
    QTest::keyClick(name, Qt::Key_Delete);
    EXPECT_EQ(name->text().size(), 35);
    EXPECT_TRUE(name->text().endsWith(QLatin1Char('b')));
}

TEST_F(MainFormTest, DescriptionBoxTakesUmlautsAndPunctuation) {
    m_form->UnlockEditing();
    auto* description = find<QPlainTextEdit>("NewShipTextText");
    description->clear();
    typeText(description, QStringLiteral("Schön, schnell! <90%> *a.b* ü_é"));
    EXPECT_EQ(description->toPlainText(), QStringLiteral("Schön, schnell! <9> *a.b* ü"));
    QTest::keyClick(description, Qt::Key_Return);
    EXPECT_FALSE(description->toPlainText().contains(QLatin1Char('\n')));
    description->setPlainText(QString(256, QLatin1Char('x')));
    description->moveCursor(QTextCursor::End);
    QTest::keyClicks(description, QStringLiteral("y"));
    EXPECT_EQ(description->toPlainText().size(), 256);
    QTest::keyClick(description, Qt::Key_Backspace);
    EXPECT_EQ(description->toPlainText().size(), 255);
}

TEST_F(MainFormTest, TemplateBoxesAreReadOnly) {
    auto* name = find<QLineEdit>("NewShipNameText");
    EXPECT_TRUE(name->isReadOnly());
    EXPECT_TRUE(find<QPlainTextEdit>("NewShipTextText")->isReadOnly());
    const QString before = name->text();
    QTest::keyClicks(name, QStringLiteral("abc"));
    EXPECT_EQ(name->text(), before);
}

} // namespace
} // namespace mstest
