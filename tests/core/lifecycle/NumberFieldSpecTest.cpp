#include "lifecycle/NumberFieldSpec.h"

#include <gtest/gtest.h>

namespace {

const ms::NumberFieldSpec& spec(const char* name) {
    const ms::NumberFieldSpec* s = ms::findNumberFieldSpec(name);
    EXPECT_NE(s, nullptr) << name;
    return *s;
}

TEST(NumberFieldSpecTest, EveryPanelFieldHasItsBounds) {
    EXPECT_EQ(ms::numberFieldSpecs().size(), 35u);
    const auto& hp = spec("WeaponMaxHitpoints");
    EXPECT_EQ(hp.minimum, 250);
    EXPECT_EQ(hp.maximum, 25000);
    EXPECT_EQ(hp.smallStep, 10);
    EXPECT_EQ(hp.largeStep, 250);
    EXPECT_EQ(hp.typedLength, 5);
    EXPECT_TRUE(spec("ForwardSpeed").decimal);
    EXPECT_FALSE(spec("CraftingTime").decimal);
    // Only the five offensive weapon values do not repeat while a spin button is held.
    for (const ms::NumberFieldSpec& s : ms::numberFieldSpecs()) {
        const bool offensive = s.name == "WeaponProjectileCount" || s.name == "WeaponBaseDamage" ||
                               s.name == "WeaponReloadTime" || s.name == "WeaponAttRange" ||
                               s.name == "WeaponLineOfSight";
        EXPECT_EQ(s.autoRepeat, !offensive) << s.name;
    }
    EXPECT_EQ(ms::findNumberFieldSpec("ShipName"), nullptr);
    EXPECT_EQ(ms::forwardSpeedMaximum("Sail"), 65);
    EXPECT_EQ(ms::forwardSpeedMaximum("Steam"), 90);
}

TEST(NumberFieldSpecTest, GivenTextStaysInsideBoundsAndBecomesTheNearestBoundOutside) {
    const auto& factor = spec("CargoFullFactor"); // 0.1 .. 1, decimal
    EXPECT_EQ(ms::boundedFieldText(factor, "1", false), "1");
    EXPECT_EQ(ms::boundedFieldText(factor, "0,85", false), "0,85");
    EXPECT_EQ(ms::boundedFieldText(factor, "2", false), "1,0");
    EXPECT_EQ(ms::boundedFieldText(factor, "0", false), "0,1");
    EXPECT_EQ(ms::boundedFieldText(factor, "0", true), "0.1");
    const auto& crafting = spec("CraftingTime"); // 30 .. 900
    EXPECT_EQ(ms::boundedFieldText(crafting, "5", false), "30");
    EXPECT_EQ(ms::boundedFieldText(crafting, "1200", false), "900");
    EXPECT_EQ(ms::boundedFieldText(crafting, "180", false), "180");
    // A text the field cannot read is left for the user to mend.
    EXPECT_EQ(ms::boundedFieldText(crafting, "", false), "");
    EXPECT_EQ(ms::boundedFieldText(crafting, "1,2,3", false), "1,2,3");
}

TEST(NumberFieldSpecTest, SpinsFormatAnewAndStopAtTheBounds) {
    const auto& factor = spec("CargoFullFactor");
    // A stored "1" spun down and up again shows "1,0".
    const std::string down = ms::steppedFieldText(factor, "1", factor.smallStep, -1, false);
    EXPECT_EQ(down, "0,9");
    EXPECT_EQ(ms::steppedFieldText(factor, down, factor.smallStep, 1, false), "1,0");
    EXPECT_EQ(ms::steppedFieldText(factor, "1", factor.smallStep, 1, false), "1,0");
    EXPECT_EQ(ms::steppedFieldText(factor, "0,1", factor.smallStep, -3, false), "0,1");
    // Three tenths add up without binary dust.
    EXPECT_EQ(ms::steppedFieldText(factor, "0,1", factor.smallStep, 2, false), "0,3");

    const auto& maintenance = spec("ShipMaintenance"); // step 5, page 50, max 2500
    EXPECT_EQ(ms::steppedFieldText(maintenance, "42", maintenance.smallStep, 1, false), "47");
    EXPECT_EQ(ms::steppedFieldText(maintenance, "2480", maintenance.largeStep, 1, false), "2500");
    EXPECT_EQ(ms::steppedFieldText(maintenance, "", maintenance.smallStep, 1, false), "5");

    const auto& speed = spec("ForwardSpeed");
    EXPECT_EQ(ms::steppedFieldText(speed, "4.4", speed.largeStep, 1, true), "5.4");
}

TEST(NumberFieldSpecTest, FormattingUsesTheDisplaySeparator) {
    EXPECT_EQ(ms::formatFieldNumber(6.24, true, false), "6,2");
    EXPECT_EQ(ms::formatFieldNumber(6.25, true, true), "6.3");
    EXPECT_EQ(ms::formatFieldNumber(12, false, false), "12");
    EXPECT_EQ(ms::formatFieldNumber(-0.01, true, false), "0,0");
}

} // namespace
