#include "shell/VisibleText.h"

#include <gtest/gtest.h>

namespace {

TEST(VisibleTextTest, InvisibleCharactersAndForeignBytesAreShownByCode) {
    const std::pair<std::string, std::string> cases[] = {
        {"Sturmvogel II", "Sturmvogel II"},
        {"Möwe", "Möwe"},
        {"Sturm\u00A0vogel", "Sturm⍽vogel"},
        {"a\u202Fb", "a⍽b"},
        {std::string("a\x01", 2) + "b\tc", "a\\u0001b\\u0009c"},
        {"x\u200By", "x\\u200By"},
        {"\u00AD", "\\u00AD"},
        {"\xFF"
         "a",
         "\\xFFa"},
        {"\xC0\xAF", "\\xC0\\xAF"}, // overlong "/"
        {std::string(41, 'a'), std::string(40, 'a') + "…"},
    };
    for (const auto& [text, shown] : cases)
        EXPECT_EQ(ms::visibleText(text), shown) << text;
    EXPECT_EQ(ms::visibleText("äöü", 2), "äö…");
}

TEST(VisibleTextTest, DecodingIsStrict) {
    std::u32string out;
    EXPECT_TRUE(ms::decodeUtf8("Ä\U0001F6A2", out));
    EXPECT_EQ(out, U"Ä\U0001F6A2");
    for (const char* bad : {"\xC0\xAF", "\xED\xA0\x80", "\xF4\x90\x80\x80", "\xE2\x82", "\x80"})
        EXPECT_FALSE(ms::decodeUtf8(bad, out)) << bad;
}

} // namespace
