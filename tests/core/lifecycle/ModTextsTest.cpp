#include "lifecycle/ModTexts.h"
#include "lifecycle/ModIcons.h"
#include "shell/Error.h"
#include "shell/XmlFile.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

namespace {
using mstest::crlf;

TEST(ShipTextsFile, FourteenLinesWithByteOrderMarkCrLfAndEntityReferences) {
    const ms::ShipTexts texts{"2000501100", "2000501200", "Schöner Schoner (neu)",
                              "Segel & Kanonen <schnell> für Öl"};
    const std::string expected =
        "\xEF\xBB\xBF" + crlf("<ModOps>\n"
                              "<ModOp Type=\"add\" Path=\"/TextExport/Texts\">\n"
                              "<Text>\n"
                              "\t<GUID>2000501100</GUID>\n"
                              "\t<Text>Schöner Schoner (neu)</Text>\n"
                              "</Text>\n"
                              "</ModOp>\n"
                              "<ModOp Type=\"add\" Path=\"/TextExport/Texts\">\n"
                              "<Text>\n"
                              "\t<GUID>2000501200</GUID>\n"
                              "\t<Text>Segel &amp; Kanonen &lt;schnell&gt; für Öl</Text>\n"
                              "</Text>\n"
                              "</ModOp>\n"
                              "</ModOps>\n");
    EXPECT_EQ(ms::ShipTextsFile(texts), expected);
}

TEST(ShipTextsFile, TextsCarryNothingThatBreaksTheXml) {
    EXPECT_EQ(ms::XmlElementText("a&amp;<b>"), "a&amp;amp;&lt;b&gt;");
    // Quotes need no reference inside an element; control characters cannot be written at all.
    EXPECT_EQ(ms::XmlElementText("\"x\" 'y'\x01\x1f\tz"), "\"x\" 'y'\tz");
    // Found by fuzzing: U+FFFE and U+FFFF are no XML characters; U+FFFD and what follows stay.
    EXPECT_EQ(ms::XmlElementText("D\xEF\xBF\xBE\xEF\xBF\xBF\tx\xEF\xBF\xBD\xEF\xBF"),
              "D\tx\xEF\xBF\xBD\xEF\xBF");
}

TEST(ShipTexts, WrittenBelowTheModFolderCreatingItsFolders) {
    mstest::TempDir dir;
    const auto mod = dir / "[Spantora] X (1)";
    ms::WriteShipTexts(mod, {"1", "2", "n", "d"});
    EXPECT_EQ(mstest::readFile(mod / "data/config/gui/texts_german.xml"),
              ms::ShipTextsFile({"1", "2", "n", "d"}));
}

TEST(ShipIcons, BothFilesAreCopiedAndReplaceOlderOnes) {
    mstest::TempDir dir;
    const auto xmla = dir / "XMLA";
    mstest::writeFile(xmla / "NewShipIcon" / "icon_ship_x.png", "png bytes");
    mstest::writeFile(xmla / "NewShipIcon" / "ICON_SHIP_X.DDS", "dds bytes");
    const auto mod = dir / "mod";
    mstest::writeFile(mod / "data/icon/icon_ship_x.png", "old");
    ms::CopyShipIcons(xmla, mod, "icon_ship_x");
    EXPECT_EQ(mstest::readFile(mod / "data/icon/icon_ship_x.png"), "png bytes");
    EXPECT_EQ(mstest::readFile(mod / "data/icon/icon_ship_x.dds"), "dds bytes");
}

TEST(ShipIcons, MissingFileOrStrangeNameStopsBeforeAnythingIsWritten) {
    mstest::TempDir dir;
    const auto xmla = dir / "XMLA";
    mstest::writeFile(xmla / "NewShipIcon" / "icon_ship_x.png", "png bytes");
    const auto mod = dir / "mod";
    EXPECT_THROW(ms::CopyShipIcons(xmla, mod, "icon_ship_x"), ms::Error);
    EXPECT_FALSE(std::filesystem::exists(mod));
    mstest::writeFile(dir / "secret.png", "s");
    mstest::writeFile(dir / "secret.dds", "s");
    EXPECT_THROW(ms::CheckShipIcons(xmla, "../../secret"), ms::Error);
    EXPECT_THROW(ms::CheckShipIcons(xmla, ""), ms::Error);
}

} // namespace
