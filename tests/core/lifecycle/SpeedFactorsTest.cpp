#include "lifecycle/SpeedFactors.h"

#include <gtest/gtest.h>

namespace {

TEST(SpeedFactorsTest, SailingTemplatesHaveTheirRangeOthersTwo) {
    EXPECT_EQ(ms::MaxSpeedFactor("101121"), 3.6);
    EXPECT_EQ(ms::MinSpeedFactor("101121"), 1.6);
    EXPECT_EQ(ms::MinSpeedFactor("100438"), 1.0);
    EXPECT_EQ(ms::MinSpeedFactor("100441"), 1.0);
    for (const char* guid :
         {"100437", "100439", "100440", "150000", "160000", "102419", "102420", "102421"}) {
        EXPECT_EQ(ms::MaxSpeedFactor(guid), 3.6) << guid;
        EXPECT_EQ(ms::MinSpeedFactor(guid), 0.8) << guid;
    }
    for (const char* guid : {"1010062", "100853", "2000501100", ""}) {
        EXPECT_EQ(ms::MaxSpeedFactor(guid), 2.0) << guid;
        EXPECT_EQ(ms::MinSpeedFactor(guid), 2.0) << guid;
    }
}

TEST(SpeedFactorsTest, KnotsHaveAtMostFourDecimalsWithoutTrailingZeros) {
    EXPECT_EQ(ms::FormatKnots(4.4 * 3.6, false), "15,84 kn.");
    EXPECT_EQ(ms::FormatKnots(4.4 * 3.6, true), "15.84 kn.");
    EXPECT_EQ(ms::FormatKnots(5.2 * 2.0, false), "10,4 kn.");
    EXPECT_EQ(ms::FormatKnots(5.0 * 3.6, false), "18 kn.");
    EXPECT_EQ(ms::FormatKnots(1.0 / 3.0, false), "0,3333 kn.");
    EXPECT_EQ(ms::FormatKnots(2.0 / 3.0, false), "0,6667 kn.");
    EXPECT_EQ(ms::FormatKnots(0.0, false), "0 kn.");
    EXPECT_EQ(ms::FormatKnots(0.00001, false), "0 kn.");
}

} // namespace
