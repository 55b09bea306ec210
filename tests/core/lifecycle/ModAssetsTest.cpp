#include "lifecycle/ModAssets.h"
#include "lifecycle/Transliteration.h"
#include "shell/XmlFile.h"

#include <gtest/gtest.h>

#include <string>

namespace {

size_t characters(const std::string& utf8) {
    size_t n = 0;
    for (const char c : utf8)
        n += (static_cast<unsigned char>(c) & 0xC0) != 0x80;
    return n;
}

TEST(Transliteration, SpellsOutUmlautsAndSharpS) {
    EXPECT_EQ(ms::TransliterateUmlauts("Königl. Linienschiff (neu)"), "Koenigl. Linienschiff (neu)");
    EXPECT_EQ(ms::TransliterateUmlauts("ÄäÖöÜüß"), "AeaeOeoeUeuess");
    EXPECT_EQ(ms::TransliterateUmlauts("Größte Überfahrt über Öl"), "Groesste Ueberfahrt ueber Oel");
    // Other letters and signs, accented ones included, stay as they are.
    EXPECT_EQ(ms::TransliterateUmlauts("Café [x] (1-2)"), "Café [x] (1-2)");
    EXPECT_EQ(ms::TransliterateUmlauts(""), "");
}

TEST(ModHeader, LinesAreTheRulesAndPaddedTexts) {
    const auto lines = ms::ModHeaderLines("29.07.2023 08:38:14", "kapitaen");
    ASSERT_EQ(lines.size(), 6u);
    const std::string rule = "<!-- " + std::string(115, '*') + " -->";
    EXPECT_EQ(lines[0], rule);
    EXPECT_EQ(lines[5], rule);
    EXPECT_EQ(lines[1], "<!-- * Spantora Modifikation" + std::string(91, ' ') + "* -->");
    EXPECT_EQ(lines[2], "<!-- * erzeugt am : 29.07.2023 08:38:14" + std::string(80, ' ') + "* -->");
    EXPECT_EQ(lines[3], "<!-- * by: kapitaen" + std::string(100, ' ') + "* -->");
    EXPECT_EQ(lines[4], "<!-- * Marvessa Spantora Version 10.0 - GU16.1" + std::string(73, ' ') + "* -->");
    for (const std::string& line : lines)
        EXPECT_EQ(characters(line), 124u) << line;
}

TEST(ModHeader, UserNameIsTrimmedAndCharactersAreCountedNotBytes) {
    const auto lines = ms::ModHeaderLines("1.2.2024 9:00:00", "  Jürgen Müller  ");
    EXPECT_EQ(lines[3], "<!-- * by: Jürgen Müller" + std::string(119 - 24, ' ') + "* -->");
    EXPECT_EQ(characters(lines[3]), 124u);
}

TEST(ModHeader, LongTextsAreFollowedDirectlyByTheClosingMark) {
    const std::string exact = "<!-- * by: " + std::string(108, 'x'); // 119 characters
    EXPECT_EQ(ms::PadModHeaderLine(exact), exact + "* -->");
    const std::string longer = exact + "yz";
    EXPECT_EQ(ms::PadModHeaderLine(longer), longer + "* -->");
    EXPECT_EQ(ms::PadModHeaderLine(std::string(118, 'a')), std::string(118, 'a') + " * -->");
    const auto lines = ms::ModHeaderLines("d", std::string(130, 'n'));
    EXPECT_EQ(lines[3], "<!-- * by: " + std::string(130, 'n') + "* -->");
}

TEST(ModHeader, SystemTextsCannotBreakTheComment) {
    const auto lines = ms::ModHeaderLines("1.1.2024\t10:00", "a--b---c");
    EXPECT_EQ(lines[3].find("--", 4), lines[3].size() - 3) << lines[3];
    EXPECT_EQ(lines[2].find('\t'), std::string::npos);
}

pugi::xml_document parse(const std::string& xml) {
    pugi::xml_document doc;
    ms::loadXmlFromString(doc, xml, "test");
    return doc;
}

TEST(ExportRecord, UnarmedShipLosesAttackerAndBecomesTradeShip) {
    auto doc = parse(
        "<Asset><Template>WarShip</Template><Values><Standard><GUID>1</GUID></Standard>"
        "<Attackable><WeaponSet>0</WeaponSet></Attackable><Attacker><BaseDamage>0</BaseDamage></Attacker>"
        "<Cost/></Values></Asset>");
    ms::PrepareExportRecord(doc.document_element());
    EXPECT_STREQ(doc.select_node("/Asset/Template").node().text().get(), "TradeShip");
    EXPECT_FALSE(doc.select_node("/Asset/Values/Attacker"));
    EXPECT_TRUE(doc.select_node("/Asset/Values/Cost"));
}

TEST(ExportRecord, ArmedShipKeepsAttackerAndBecomesWarShip) {
    auto doc =
        parse("<Asset><Template>TradeShip</Template><Values><Attackable><WeaponSet>1</WeaponSet></Attackable>"
              "<Attacker><BaseDamage>20</BaseDamage></Attacker></Values></Asset>");
    ms::PrepareExportRecord(doc.document_element());
    EXPECT_STREQ(doc.select_node("/Asset/Template").node().text().get(), "WarShip");
    EXPECT_STREQ(doc.select_node("/Asset/Values/Attacker/BaseDamage").node().text().get(), "20");
}

TEST(ExportRecord, WithoutWeaponSetTheRecordIsATradeShipWithItsAttacker) {
    auto doc = parse("<Asset><Template>WarShip</Template><Values><Attacker/></Values></Asset>");
    ms::PrepareExportRecord(doc.document_element());
    EXPECT_STREQ(doc.select_node("/Asset/Template").node().text().get(), "TradeShip");
    EXPECT_TRUE(doc.select_node("/Asset/Values/Attacker"));
}

std::vector<std::string> poolGuids(const pugi::xml_document& doc) {
    std::vector<std::string> guids;
    for (const auto& op :
         doc.select_nodes("/ModOps/ModOp[@Path='Values/ItemEffectTargetPool/EffectTargetGUIDs']"))
        guids.push_back(op.node().attribute("GUID").value());
    return guids;
}

TEST(ModAssets, PoolsFollowEngineAndArmament) {
    auto record =
        parse("<Asset><Template>X</Template><Values><Attackable><WeaponSet>0</WeaponSet></Attackable>"
              "</Values></Asset>");
    const auto header = ms::ModHeaderLines("d", "u");
    const auto pools = [&](const std::string& engine, bool armed) {
        ms::ModAssetsValues v{"2000501100", "2000501300", "Name", "15000001", "1", engine, armed};
        pugi::xml_document doc;
        ms::BuildModAssets(doc, record.document_element(), v, header);
        return poolGuids(doc);
    };
    using V = std::vector<std::string>;
    EXPECT_EQ(pools("Sail", false), (V{"191454", "191455", "193982"}));
    EXPECT_EQ(pools("Sail", true), (V{"191454", "191455", "191458"}));
    EXPECT_EQ(pools("Steam", true), (V{"191454", "191456", "191458"}));
    EXPECT_EQ(pools("Steam", false), (V{"191454", "191456", "193982"}));
    // The source record is not touched: only the copy in the mod is prepared.
    EXPECT_STREQ(record.select_node("/Asset/Template").node().text().get(), "X");
}

} // namespace
