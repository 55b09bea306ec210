#include "shell/LineBreaks.h"

#include <gtest/gtest.h>

#include <utility>
#include <vector>

namespace {

TEST(LineBreaksTest, EveryKindOfLineBreakBecomesCrLf) {
    const std::vector<std::pair<std::string, std::string>> cases{
        {"Erste\nZweite", "Erste\r\nZweite"},
        {"Erste\rZweite", "Erste\r\nZweite"},
        {"Erste\r\nZweite", "Erste\r\nZweite"},
        {"a\n\nb", "a\r\n\r\nb"},
        {"a\r\rb", "a\r\n\r\nb"},
        {"a\n\rb", "a\r\n\r\nb"},
        {"\r\n\n", "\r\n\r\n"},
        {"ohne Umbruch", "ohne Umbruch"},
    };
    for (const auto& [text, expected] : cases)
        EXPECT_EQ(ms::CrLfLineBreaks(text), expected);
}

TEST(LineBreaksTest, CrAndLfInTwoChunksAreOneLineBreak) {
    ms::CrLfWriter writer;
    std::string out;
    writer.append(out, "a\r");
    writer.append(out, "\nb\r");
    writer.append(out, "c");
    EXPECT_EQ(out, "a\r\nb\r\nc");
}

} // namespace
