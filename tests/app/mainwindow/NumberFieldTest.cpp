#include "mainwindow/NumberField.h"

#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QLineEdit>
#include <QMenu>
#include <QStyle>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

namespace {

using ms::gui::NumberField;

NumberField* makeField(const char* name, bool decimalIsPoint = false) {
    auto* field = new NumberField(*ms::findNumberFieldSpec(name));
    field->setDecimalIsPoint(decimalIsPoint);
    return field;
}

TEST(NumberFieldTest, KeepsTheGivenTextUntilSpun) {
    std::unique_ptr<NumberField> field(makeField("CargoFullFactor"));
    EXPECT_EQ(field->objectName(), QStringLiteral("CargoFullFactor"));
    field->setShownText(QStringLiteral("1"));
    EXPECT_EQ(field->shownText(), QStringLiteral("1"));
    field->stepBy(-1);
    EXPECT_EQ(field->shownText(), QStringLiteral("0,9"));
    field->stepBy(1);
    EXPECT_EQ(field->shownText(), QStringLiteral("1,0"));
    // Beyond the bounds: the nearest bound, formatted as after a spin.
    field->setShownText(QStringLiteral("3"));
    EXPECT_EQ(field->shownText(), QStringLiteral("1,0"));
    field->setShownText(QStringLiteral("0"));
    EXPECT_EQ(field->shownText(), QStringLiteral("0,1"));
    field->stepBy(-1);
    EXPECT_EQ(field->shownText(), QStringLiteral("0,1"));
}

TEST(NumberFieldTest, ArrowAndPageKeysUseSmallAndLargeSteps) {
    std::unique_ptr<NumberField> field(makeField("ShipMaintenance")); // 5 and 50
    field->setShownText(QStringLiteral("100"));
    QTest::keyClick(field.get(), Qt::Key_Up);
    EXPECT_EQ(field->shownText(), QStringLiteral("105"));
    QTest::keyClick(field.get(), Qt::Key_PageUp);
    EXPECT_EQ(field->shownText(), QStringLiteral("155"));
    QTest::keyClick(field.get(), Qt::Key_PageDown);
    QTest::keyClick(field.get(), Qt::Key_Down);
    EXPECT_EQ(field->shownText(), QStringLiteral("100"));
}

TEST(NumberFieldTest, TypingIsLimitedInLengthAndToDigits) {
    std::unique_ptr<NumberField> field(makeField("MilitaryShipPoints")); // 2 typed digits
    field->clear();
    QTest::keyClicks(field.get(), QStringLiteral("4x17"));
    EXPECT_EQ(field->shownText(), QStringLiteral("41"));
    // A text set by the program may be longer than the user could type.
    std::unique_ptr<NumberField> speed(makeField("ForwardSpeed")); // 2 typed characters
    speed->setShownText(QStringLiteral("4,4"));
    EXPECT_EQ(speed->shownText(), QStringLiteral("4,4"));
    speed->clear();
    QTest::keyClicks(speed.get(), QStringLiteral("5,5"));
    EXPECT_EQ(speed->shownText(), QStringLiteral("5,"));
}

TEST(NumberFieldTest, LockedFieldIsReadOnlyWithoutButtons) {
    std::unique_ptr<NumberField> field(makeField("StackLimit"));
    field->setShownText(QStringLiteral("50"));
    field->setLocked(true);
    EXPECT_TRUE(field->isReadOnly());
    EXPECT_EQ(field->buttonSymbols(), QAbstractSpinBox::NoButtons);
    field->stepBy(1);
    QTest::keyClick(field.get(), Qt::Key_Up);
    EXPECT_EQ(field->shownText(), QStringLiteral("50"));
    field->setLocked(false);
    EXPECT_EQ(field->buttonSymbols(), QAbstractSpinBox::UpDownArrows);
    field->stepBy(1);
    EXPECT_EQ(field->shownText(), QStringLiteral("60"));
}

TEST(NumberFieldTest, SpinButtonsRepeatEvery50MsExceptTheOffensiveWeaponValues) {
    std::unique_ptr<NumberField> repeating(makeField("StackLimit"));
    std::unique_ptr<NumberField> single(makeField("WeaponBaseDamage"));
    EXPECT_EQ(repeating->style()->styleHint(QStyle::SH_SpinBox_ClickAutoRepeatRate, nullptr, repeating.get()),
              50);
    const int normalThreshold =
        repeating->style()->styleHint(QStyle::SH_SpinBox_ClickAutoRepeatThreshold, nullptr, repeating.get());
    const int singleThreshold =
        single->style()->styleHint(QStyle::SH_SpinBox_ClickAutoRepeatThreshold, nullptr, single.get());
    EXPECT_LT(normalThreshold, 2000);
    EXPECT_GT(singleThreshold, 60 * 60 * 1000);
}

TEST(NumberFieldTest, ReportsEveryTextChange) {
    std::unique_ptr<NumberField> field(makeField("SlotCount"));
    QStringList seen;
    QObject::connect(field.get(), &NumberField::shownTextChanged, [&](const QString& t) { seen << t; });
    field->setShownText(QStringLiteral("3"));
    field->stepBy(1);
    field->setShownText(QStringLiteral("4")); // unchanged: no report
    EXPECT_EQ(seen, (QStringList{QStringLiteral("3"), QStringLiteral("4")}));
}

} // namespace

namespace {

// A field beside a second one, in a shown window, so that focus can leave it.
struct FieldInWindow {
    explicit FieldInWindow(const char* name) {
        field = new NumberField(*ms::findNumberFieldSpec(name), &window);
        other = new NumberField(*ms::findNumberFieldSpec("SlotCount"), &window);
        other->move(0, 40);
        window.show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&window));
    }
    void leave() {
        other->setFocus();
        QApplication::processEvents();
    }
    QWidget window;
    NumberField* field;
    NumberField* other;
};

TEST(NumberFieldTest, LeavingTheFieldKeepsItsText) {
    FieldInWindow w("CargoFullFactor");
    w.field->setShownText(QStringLiteral("0,85"));
    w.field->setFocus();
    QTest::keyClick(w.field, Qt::Key_Return);
    w.leave();
    EXPECT_EQ(w.field->shownText(), QStringLiteral("0,85"));
}

// What was typed over a valid start text, and what the field shows once the focus has left it.
TEST(NumberFieldTest, LeavingTheFieldSettlesTheTypedText) {
    struct Case {
        const char* field;
        const char* start;
        const char* typed;
        const char* settled;
    };
    const Case cases[] = {
        {"WorkAmount", "50", "0", "1"},
        {"WeaponMaxHitpoints", "500", "0", "250"},
        {"SocketCount", "2", "9", "4"},
        {"CargoFullFactor", "0,5", "9", "1,0"},
        {"SessionTransferSpeedFactor", "1,5", "2,", "2,0"},
        {"SessionTransferSpeedFactor", "1,5", ",5", "0,5"},
        {"CargoFullFactor", "0,5", ",", "0,5"},
        {"WorkAmount", "50", "", "50"},
    };
    for (const Case& c : cases) {
        FieldInWindow w(c.field);
        w.field->setShownText(QString::fromLatin1(c.start));
        w.field->setFocus();
        w.field->clear();
        QTest::keyClicks(w.field, QString::fromLatin1(c.typed));
        w.leave();
        EXPECT_EQ(w.field->shownText(), QString::fromLatin1(c.settled)) << c.field << " typed " << c.typed;
    }
}

TEST(NumberFieldTest, PastedTextKeepsTheTypingLimit) {
    FieldInWindow w("CostSpin1"); // 3 typed digits
    w.field->setFocus();
    w.field->clear();
    QGuiApplication::clipboard()->setText(QStringLiteral("123456"));
    QTest::keySequence(w.field, QKeySequence::Paste);
    EXPECT_EQ(w.field->shownText(), QStringLiteral("123"));
    QGuiApplication::clipboard()->setText(QStringLiteral("7x"));
    QTest::keySequence(w.field, QKeySequence::Paste);
    EXPECT_EQ(w.field->shownText(), QStringLiteral("123"));
    w.leave();
    EXPECT_EQ(w.field->shownText(), QStringLiteral("123"));
}

// The texts of the context menu the field opens, read while it is shown and then closed.
QStringList contextMenuTexts(NumberField* field) {
    QStringList texts;
    QTimer::singleShot(0, [&texts] {
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        if (!menu)
            return;
        for (QAction* action : menu->actions())
            texts << action->text();
        menu->close();
    });
    const QPoint centre = field->rect().center();
    QContextMenuEvent event(QContextMenuEvent::Keyboard, centre, field->mapToGlobal(centre));
    QCoreApplication::sendEvent(field, &event);
    return texts;
}

TEST(NumberFieldTest, ReadOnlyContextMenuOffersNoSteps) {
    const QString stepUp = QAbstractSpinBox::tr("&Step up");
    const QString stepDown = QAbstractSpinBox::tr("Step &down");
    for (const bool locked : {false, true}) {
        std::unique_ptr<NumberField> field(makeField("WorkAmount"));
        field->setLocked(locked);
        const QStringList texts = contextMenuTexts(field.get());
        ASSERT_FALSE(texts.isEmpty()) << "locked " << locked;
        EXPECT_EQ(texts.contains(stepUp), !locked) << "locked " << locked;
        EXPECT_EQ(texts.contains(stepDown), !locked) << "locked " << locked;
    }
}

} // namespace
