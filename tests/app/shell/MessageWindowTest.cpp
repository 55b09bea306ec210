#include "shell/MessageWindow.h"
#include "shell/MessageTextWrap.h"
#include "shell/TMessageForm.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

namespace {

using ms::gui::MessageWindow;
using ms::gui::TMessageForm;

ms::Message info(const std::string& text) {
    ms::Message m;
    m.picture = "Info";
    m.header = "Maximum erreicht";
    m.text = text;
    m.okCaption = "OK";
    return m;
}

TEST(MessageWindowTest, MessageModeFitsTheTextPlusThirtyPixels) {
    TMessageForm form;
    MessageWindow::prepare(form, info("Eine Zeile."));
    form.applyLayout();
    QLabel* label = form.msgBoxLabel();
    const int textWidth = QFontMetrics(label->font()).horizontalAdvance(QStringLiteral("Eine Zeile."));
    EXPECT_EQ(label->geometry().topLeft(), QPoint(105, 60));
    EXPECT_EQ(label->width(), textWidth + 30);
    EXPECT_EQ(form.width(), 64 + 8 + 8 + label->width() + 32);
    const int labelBottom = label->y() + label->height();
    EXPECT_EQ(form.height(), labelBottom + 30 + 48);
    EXPECT_EQ(form.okBtn()->geometry(), QRect(label->x() + label->width() - 90, labelBottom + 40, 90, 30));
    EXPECT_EQ(form.findChild<QWidget*>(QStringLiteral("Line"))->y(), labelBottom + 32);
    // Centred between the title band and the separator line, so that it never sits on the line.
    EXPECT_EQ(form.remarkImage()->geometry(), QRect(8, (25 + labelBottom + 32) / 2 - 32, 64, 64));
    EXPECT_FALSE(form.msgBoxQuest()->isVisibleTo(&form));
    EXPECT_FALSE(form.abortBtn()->isVisibleTo(&form));
    EXPECT_EQ(form.okBtn()->text(), QStringLiteral("OK"));
    EXPECT_EQ(form.headerLabel()->text(), QStringLiteral("Maximum erreicht"));
    EXPECT_FALSE(form.remarkImage()->pixmap().isNull());
}

TEST(MessageWindowTest, LinesOfTheTextMakeTheLabelTaller) {
    TMessageForm one;
    MessageWindow::prepare(one, info("a"));
    one.applyLayout();
    TMessageForm three;
    MessageWindow::prepare(three, info("a\rb\rc"));
    three.applyLayout();
    EXPECT_EQ(three.msgBoxLabel()->height(), 3 * one.msgBoxLabel()->height());
    EXPECT_EQ(three.msgBoxLabel()->text(), QStringLiteral("a\nb\nc"));
    EXPECT_GT(three.height(), one.height());
}

TEST(MessageWindowTest, InputModeUsesTheInputBoxWidthAndFocusesIt) {
    TMessageForm form;
    ms::Message m;
    m.inputMode = true;
    m.picture = "Frage";
    m.header = "Werft umbenennen";
    m.text = "Geben Sie den neuen Namen ein.";
    m.proposal = "Werft";
    m.okCaption = "Umbenennen";
    m.abortCaption = "Abbrechen";
    MessageWindow::prepare(form, m);
    form.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
    QLabel* label = form.msgBoxLabel();
    const int labelBottom = label->y() + label->height();
    EXPECT_EQ(form.width(), 64 + 8 + 8 + 545 + 32);
    EXPECT_EQ(form.msgBoxQuest()->geometry().topLeft(), QPoint(105, labelBottom));
    EXPECT_EQ(form.msgBoxQuest()->width(), 545);
    EXPECT_EQ(form.okBtn()->x() + form.okBtn()->width(), 105 + 545);
    EXPECT_EQ(form.abortBtn()->geometry().topLeft().x(), 16);
    // Input box and picture lie clear above the separator line, the buttons below it.
    const QRect line = form.findChild<QWidget*>(QStringLiteral("Line"))->geometry().adjusted(0, -2, 0, 2);
    for (const char* above : {"MsgBoxQuest", "RemarkImage", "MsgBoxLabel"}) {
        const QRect r = form.findChild<QWidget*>(QLatin1String(above))->geometry();
        EXPECT_LT(r.bottom(), line.top()) << above;
    }
    EXPECT_GT(form.abortBtn()->y(), line.bottom());
    EXPECT_GT(form.okBtn()->y(), line.bottom());
    EXPECT_LE(form.okBtn()->geometry().bottom(), form.height());
    EXPECT_TRUE(form.abortBtn()->isVisible());
    EXPECT_EQ(form.msgBoxQuest()->text(), QStringLiteral("Werft"));
    EXPECT_TRUE(QTest::qWaitFor([&] { return form.msgBoxQuest()->hasFocus(); }, 1000));

    // The input filter: no "0", umlauts yes, 30 characters at most, Backspace always.
    QTest::keyClick(form.msgBoxQuest(), Qt::Key_End);
    QTest::keyClicks(form.msgBoxQuest(), QStringLiteral(" 0 1"));
    EXPECT_EQ(form.msgBoxQuest()->text(), QStringLiteral("Werft  1"));
    form.msgBoxQuest()->setText(QString(30, QLatin1Char('x')));
    QTest::keyClicks(form.msgBoxQuest(), QStringLiteral("y"));
    EXPECT_EQ(form.msgBoxQuest()->text().size(), 30);
    QTest::keyClick(form.msgBoxQuest(), Qt::Key_Backspace);
    EXPECT_EQ(form.msgBoxQuest()->text().size(), 29);
    form.hide();
}

TEST(MessageWindowTest, QueuedAnswersAreTakenInsteadOfShowing) {
    TMessageForm form; // the program's instance
    ASSERT_EQ(TMessageForm::instance(), &form);
    MessageWindow::clearAnswers();
    MessageWindow::setNextAnswer({true, {}});
    MessageWindow::setNextAnswer({false, "egal"});
    ms::Message question = info("Wirklich?");
    question.inputMode = true;
    question.proposal = "Vorschlag";
    const ms::MessageAnswer first = ms::gui::messageSink().show(question);
    EXPECT_TRUE(first.confirmed);
    EXPECT_EQ(first.input, "Vorschlag");
    const ms::MessageAnswer second = ms::gui::messageSink().show(info("Nochmal"));
    EXPECT_FALSE(second.confirmed);
    ASSERT_TRUE(MessageWindow::lastMessage().has_value());
    EXPECT_EQ(MessageWindow::lastMessage()->text, "Nochmal");
    EXPECT_FALSE(form.isVisible());
    MessageWindow::clearAnswers();
}

} // namespace

namespace {

// A path of 300 characters as a refusal names it: it fits a 1280 x 800 screen, broken after path
// separators, with the OK button on it.
TEST(MessageWindowTest, AMessageWithALongPathFitsTheScreenWithItsButton) {
    QString path = QStringLiteral("/home/spieler/.local/share/Steam/steamapps/compatdata/4553/pfx/drive_c");
    while (path.size() < 290)
        path += QStringLiteral("/Ordner%1").arg(path.size());
    path += QStringLiteral("/assets.xml");
    const QString text =
        QStringLiteral("Werft nicht geändert: ") + path + QStringLiteral(" ist kein gültiges XML.");
    TMessageForm form;
    MessageWindow::prepare(form, info(text.toStdString()));
    const QRect screen(0, 0, 1280, 800);
    form.applyLayout(screen);
    EXPECT_TRUE(screen.contains(form.geometry())) << form.geometry().width();
    EXPECT_TRUE(form.rect().contains(form.okBtn()->geometry()));
    const QStringList lines = form.msgBoxLabel()->text().split(QLatin1Char('\n'));
    ASSERT_GT(lines.size(), 1);
    EXPECT_EQ(lines.join(QString()).remove(QLatin1Char(' ')), QString(text).remove(QLatin1Char(' ')))
        << "nothing lost";
    const QFontMetrics metrics(form.msgBoxLabel()->font());
    for (const QString& line : lines) {
        EXPECT_LE(metrics.horizontalAdvance(line) + 30, form.msgBoxLabel()->width()) << line.toStdString();
        EXPECT_TRUE(line == lines.last() || line.endsWith(u'/') || line.endsWith(u':'))
            << "broken after a separator or a word: " << line.toStdString();
    }
}

TEST(MessageWindowTest, LinesBreakAtBlanksThenSeparatorsThenCharacters) {
    const QFontMetrics metrics(QFont(QStringLiteral("Consolas"), 10));
    const int ten = metrics.horizontalAdvance(QStringLiteral("0123456789"));
    struct Case {
        const char* line;
        QStringList lines;
    };
    const Case cases[] = {
        {"kurz", {QStringLiteral("kurz")}},
        {"eins zwei drei vier", {QStringLiteral("eins zwei"), QStringLiteral("drei vier")}},
        {"ab /usr/share/spantora",
         {QStringLiteral("ab /usr/"), QStringLiteral("share/"), QStringLiteral("spantora")}},
        {"abcdefghijklmnop", {QStringLiteral("abcdefghij"), QStringLiteral("klmnop")}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ms::gui::wrapLine(QString::fromLatin1(c.line), metrics, ten), c.lines) << c.line;
}

// Return presses the default button, unless the focus is on the other one; Escape cancels.
TEST(MessageWindowTest, ReturnPressesTheDefaultButtonAndEscapeCancels) {
    struct Case {
        Qt::Key key;
        bool focusOnAbort;
        int result;
    };
    const Case cases[] = {{Qt::Key_Return, false, QDialog::Accepted},
                          {Qt::Key_Enter, false, QDialog::Accepted},
                          {Qt::Key_Return, true, QDialog::Rejected},
                          {Qt::Key_Escape, false, QDialog::Rejected}};
    for (const Case& c : cases) {
        TMessageForm form;
        ms::Message question = info("Wirklich löschen?");
        question.abortCaption = "Abbrechen";
        MessageWindow::prepare(form, question);
        QTimer::singleShot(0, &form, [&] {
            QWidget* target = c.focusOnAbort ? static_cast<QWidget*>(form.abortBtn()) : form.okBtn();
            target->setFocus();
            QTest::keyClick(target, c.key);
            if (form.isVisible())
                form.done(-1); // the key did nothing
        });
        EXPECT_EQ(form.exec(), c.result) << c.key << " " << c.focusOnAbort;
    }
}

} // namespace
