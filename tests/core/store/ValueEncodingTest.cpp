#include "shell/Error.h"
#include "store/ValueEncoding.h"

#include <gtest/gtest.h>

using namespace ms;

TEST(ValueEncoding, DecimalsBothWays) {
    EXPECT_EQ(DisplayDecimal("6.24", false), "6,24");
    EXPECT_EQ(DisplayDecimal("6.24", true), "6.24");
    EXPECT_EQ(DisplayDecimal("1", false), "1"); // whole numbers keep their form
    EXPECT_EQ(DisplayDecimal("6,24", true), "6.24");
    EXPECT_EQ(StoredDecimal("5,5"), "5.5");
    EXPECT_EQ(StoredDecimal("5.5"), "5.5");
    EXPECT_EQ(StoredDecimal(DisplayDecimal("0.8", false)), "0.8");
}

TEST(ValueEncoding, ParsingUsesTheDisplaySeparatorOnly) {
    EXPECT_DOUBLE_EQ(ParseDisplayedDecimal("5,5", false), 5.5);
    EXPECT_DOUBLE_EQ(ParseDisplayedDecimal("5.5", true), 5.5);
    EXPECT_DOUBLE_EQ(ParseDisplayedDecimal(" 6,24 ", false), 6.24);
    EXPECT_DOUBLE_EQ(ParseDisplayedDecimal("", false), 0.0);
    EXPECT_DOUBLE_EQ(ParseDisplayedDecimal("-1,5", false), -1.5);
    EXPECT_THROW(ParseDisplayedDecimal("5.5", false), Error);
    EXPECT_THROW(ParseDisplayedDecimal("5,5", true), Error);
    EXPECT_THROW(ParseDisplayedDecimal("abc", true), Error);
    EXPECT_THROW(ParseDisplayedDecimal("1e5", true), Error);
}

TEST(ValueEncoding, MillisecondsShownAsWholeSeconds) {
    EXPECT_EQ(DisplaySeconds("180000"), "180");
    EXPECT_EQ(DisplaySeconds("500500"), "500"); // remainder dropped, not rounded
    EXPECT_EQ(DisplaySeconds("999"), "0");
    EXPECT_EQ(DisplaySeconds(""), "0");
    EXPECT_EQ(StoredMilliseconds("181"), "181000");
    EXPECT_EQ(StoredMilliseconds("0"), "0");
    EXPECT_EQ(StoredMilliseconds(""), "0");
    EXPECT_EQ(StoredMilliseconds(DisplaySeconds("180000")), "180000");
    EXPECT_THROW(DisplaySeconds("1.5"), Error);
    EXPECT_THROW(StoredMilliseconds("x"), Error);
    EXPECT_THROW(StoredMilliseconds("99999999999999999"), Error);
}
