#include "mainwindow/NumberField.h"

#include <QApplication>
#include <QLineEdit>
#include <QStyle>
#include <QTest>

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

TEST(NumberFieldTest, LeavingTheFieldKeepsItsText) {
    QWidget window;
    auto* field = new NumberField(*ms::findNumberFieldSpec("CargoFullFactor"), &window);
    auto* other = new NumberField(*ms::findNumberFieldSpec("SlotCount"), &window);
    other->move(0, 40);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    field->setShownText(QStringLiteral("0,85"));
    field->setFocus();
    QTest::keyClick(field, Qt::Key_Return);
    other->setFocus();
    QApplication::processEvents();
    EXPECT_EQ(field->shownText(), QStringLiteral("0,85"));
}

} // namespace
