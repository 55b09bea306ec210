#include "shell/TextInputFilter.h"
#include "shell/HelpPosition.h"

#include <gtest/gtest.h>

namespace {

using ms::TextBox;

TEST(TextInputFilterTest, EachBoxTakesItsOwnCharacters) {
    for (TextBox box : {TextBox::ShipName, TextBox::ShipDescription, TextBox::MessageInput}) {
        for (char32_t c : U"AZaz19 ()-[]") {
            if (c)
                EXPECT_TRUE(ms::acceptsTypedChar(box, c, 0)) << static_cast<int>(box) << " " << char(c);
        }
        // The digit 0, Enter, control characters of shortcuts and anything above 255 never.
        for (char32_t c : {U'0', char32_t(13), char32_t(22), char32_t(3), U'€', U'Ł', U'/', U'_', U'\t'})
            EXPECT_FALSE(ms::acceptsTypedChar(box, c, 0)) << static_cast<int>(box) << " " << unsigned(c);
    }
    for (char32_t c : U"ÄÖÜßäöü") {
        if (!c)
            continue;
        EXPECT_FALSE(ms::acceptsTypedChar(TextBox::ShipName, c, 0));
        EXPECT_TRUE(ms::acceptsTypedChar(TextBox::ShipDescription, c, 0));
        EXPECT_TRUE(ms::acceptsTypedChar(TextBox::MessageInput, c, 0));
    }
    for (char32_t c : U"!*,.<>") {
        if (!c)
            continue;
        EXPECT_TRUE(ms::acceptsTypedChar(TextBox::ShipDescription, c, 0)) << char(c);
        EXPECT_FALSE(ms::acceptsTypedChar(TextBox::ShipName, c, 0)) << char(c);
        EXPECT_FALSE(ms::acceptsTypedChar(TextBox::MessageInput, c, 0)) << char(c);
    }
    EXPECT_FALSE(ms::acceptsTypedChar(TextBox::ShipDescription, U'é', 0));
}

TEST(TextInputFilterTest, LengthLimitStopsTypingButNotBackspace) {
    EXPECT_TRUE(ms::acceptsTypedChar(TextBox::ShipName, U'a', 35));
    EXPECT_FALSE(ms::acceptsTypedChar(TextBox::ShipName, U'a', 36));
    EXPECT_TRUE(ms::acceptsTypedChar(TextBox::ShipName, ms::kBackspace, 36));
    EXPECT_TRUE(ms::acceptsTypedChar(TextBox::ShipDescription, U'a', 255));
    EXPECT_FALSE(ms::acceptsTypedChar(TextBox::ShipDescription, U'a', 256));
    EXPECT_TRUE(ms::acceptsTypedChar(TextBox::ShipDescription, ms::kBackspace, 300));
    EXPECT_TRUE(ms::acceptsTypedChar(TextBox::MessageInput, U'a', 29));
    EXPECT_FALSE(ms::acceptsTypedChar(TextBox::MessageInput, U'a', 30));
    EXPECT_TRUE(ms::acceptsTypedChar(TextBox::MessageInput, ms::kBackspace, 30));
}

TEST(HelpPositionTest, CommandColumnByPosition) {
    using Kind = ms::HelpAtPosition::Kind;
    EXPECT_EQ(ms::helpAtPosition(1100, 60, true).helpNumber, "204");
    EXPECT_EQ(ms::helpAtPosition(1100, 60, false).helpNumber, "204");
    EXPECT_EQ(ms::helpAtPosition(1024, 51, true).helpNumber, "204");
    EXPECT_EQ(ms::helpAtPosition(1262, 84, true).helpNumber, "204");
    EXPECT_EQ(ms::helpAtPosition(1100, 100, false).helpNumber, "205");
    // Outside the column, on the borders of the bands and between them: nothing.
    EXPECT_EQ(ms::helpAtPosition(1023, 60, true).kind, Kind::Nothing);
    EXPECT_EQ(ms::helpAtPosition(1263, 60, true).kind, Kind::Nothing);
    EXPECT_EQ(ms::helpAtPosition(1100, 50, true).kind, Kind::Nothing);
    EXPECT_EQ(ms::helpAtPosition(1100, 85, true).kind, Kind::Nothing);
    EXPECT_EQ(ms::helpAtPosition(1100, 140, true).kind, Kind::Nothing);
    EXPECT_EQ(ms::helpAtPosition(1100, 400, true).kind, Kind::Nothing);
    // The lower three only while the yard selection panel is hidden.
    EXPECT_EQ(ms::helpAtPosition(1100, 160, true).kind, Kind::YardAssignment);
    EXPECT_EQ(ms::helpAtPosition(1100, 160, false).kind, Kind::Nothing);
    EXPECT_EQ(ms::helpAtPosition(1100, 220, true).helpNumber, "206");
    EXPECT_EQ(ms::helpAtPosition(1100, 220, false).kind, Kind::Nothing);
    EXPECT_EQ(ms::helpAtPosition(1100, 270, true).helpNumber, "208");
    EXPECT_EQ(ms::helpAtPosition(1100, 270, false).kind, Kind::Nothing);
}

} // namespace
