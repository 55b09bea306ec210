#include "lifecycle/ModInfo.h"
#include "shell/Base64.h"
#include "shell/JsonText.h"
#include "support/StrictJson.h"

#include <gtest/gtest.h>

#include <sstream>

namespace {

TEST(Base64, Rfc4648VectorsAndAllByteValues) {
    EXPECT_EQ(ms::Base64Encode(""), "");
    EXPECT_EQ(ms::Base64Encode("f"), "Zg==");
    EXPECT_EQ(ms::Base64Encode("fo"), "Zm8=");
    EXPECT_EQ(ms::Base64Encode("foo"), "Zm9v");
    EXPECT_EQ(ms::Base64Encode("foob"), "Zm9vYg==");
    EXPECT_EQ(ms::Base64Encode("fooba"), "Zm9vYmE=");
    EXPECT_EQ(ms::Base64Encode("foobar"), "Zm9vYmFy");
    EXPECT_EQ(ms::Base64Encode(std::string("\xff\xfe\x00\x80", 4)), "//4AgA==");
    EXPECT_EQ(ms::Base64Encode(std::string("\xfb\xef\xbe", 3)), "++++");
}

TEST(JsonEscape, QuotesBackslashesAndControlCharacters) {
    EXPECT_EQ(ms::JsonEscape("Der \"Blitz\" C:\\Schiffe"), "Der \\\"Blitz\\\" C:\\\\Schiffe");
    EXPECT_EQ(ms::JsonEscape("a\nb\r\tc\x01\x1f"), "a\\nb\\r\\tc\\u0001\\u001f");
    EXPECT_EQ(ms::JsonEscape("Größe / 5"), "Größe / 5");
}

ms::ShipForm formWith(const std::string& weaponSet) {
    ms::ShipForm f;
    f.set("WorkAmount", "150");
    f.set("WorkForceGUID", "15000002");
    f.set("WeaponSet", weaponSet);
    ms::ShipSummary& s = f.summary;
    s.costLines = {"20 Bretter", "10 Segel"};
    s.hitPoints = " Trefferpunkte : 1000 - ";
    s.selfRepair = " Selbstreparatur : 0,5(.sek) - ";
    s.repairStart = " Reparaturstart nach : 60(.sek) - ";
    s.attackRange = " Angriffsreichweite : 30 - ";
    s.damage = " Schaden pro Schuss : 20 - ";
    s.reload = " Nachladedauer : 5 - ";
    s.reactionRange = " Reaktionsweite : 40 - ";
    s.projectileCount = " Projektilanzahl : 4 - ";
    s.weaponType = " Waffentyp : Kanone - ";
    s.maxSpeed = " max. Segelgeschwindigkeit : 15,84 kn. - ";
    s.minSpeed = " min. Segelgeschwindigkeit : 4,4 kn. - ";
    s.cargoSlowdown = " Frachtverlangsamung : 0,8 - ";
    s.sessionFactor = " Sessionwechselfaktor : 1,0 - ";
    s.militaryPoints = " Militärpunkte : 0 - ";
    s.tradePoints = " Handelspunkte : 1 - ";
    s.maintenance = " Betriebskosten : 50 - ";
    s.buildTime = " Bauzeit : 180 (.sek)  - ";
    s.sockets = " Itemsockel : 1 - ";
    s.cargoSlots = " Ladekammern : 2 - ";
    s.capacity = " Ladekapazität : 50 pro Kammer - ";
    return f;
}

TEST(ModSummary, ArmedShipHasWeaponsRightAfterTheCostRows) {
    EXPECT_EQ(ms::ModSummary(formWith("1")),
              "Baufreigabe ab: 150 15000002 - Betriebskosten:  -  20 Bretter -  10 Segel - "
              "Bewaffnung: -  Angriffsreichweite : 30 -  Schaden pro Schuss : 20 -  Nachladedauer : 5 - "
              " Reaktionsweite : 40 -  Projektilanzahl : 4 -  Waffentyp : Kanone - "
              "Allgemein:  -  max. Segelgeschwindigkeit : 15,84 kn. -  min. Segelgeschwindigkeit : 4,4 kn. - "
              " Trefferpunkte : 1000 -  Selbstreparatur : 0,5(.sek) -  Reparaturstart nach : 60(.sek) - "
              "Details:  -  Frachtverlangsamung : 0,8 -  Sessionwechselfaktor : 1,0 -  Militärpunkte : 0 - "
              " Handelspunkte : 1 -  Betriebskosten : 50 -  Bauzeit : 180 (.sek)  -  Itemsockel : 1 - "
              " Ladekammern : 2 -  Ladekapazität : 50 pro Kammer - ");
}

TEST(ModSummary, UnarmedShipHasNoWeaponPartAndUnknownWeaponStateNoGeneralPart) {
    const std::string unarmed = ms::ModSummary(formWith("0"));
    EXPECT_EQ(unarmed.find("Bewaffnung"), std::string::npos);
    EXPECT_EQ(unarmed.find("Angriffsreichweite"), std::string::npos);
    EXPECT_NE(unarmed.find("10 Segel - Allgemein:  -  max. Segel"), std::string::npos) << unarmed;

    const std::string unknown = ms::ModSummary(formWith(""));
    EXPECT_EQ(unknown.find("Allgemein"), std::string::npos);
    EXPECT_NE(unknown.find("10 Segel - Details:  - "), std::string::npos) << unknown;
}

TEST(ModSummary, BareCostHeadingWithoutRows) {
    ms::ShipForm f = formWith("0");
    f.summary.costLines.clear();
    EXPECT_NE(ms::ModSummary(f).find("15000002 - Betriebskosten:  - Allgemein:  - "), std::string::npos);
}

std::vector<std::string> crlfLines(const std::string& bytes) {
    std::vector<std::string> lines;
    size_t start = 0;
    for (size_t end; (end = bytes.find("\r\n", start)) != std::string::npos; start = end + 2)
        lines.push_back(bytes.substr(start, end - start));
    EXPECT_EQ(start, bytes.size()) << "the last line ends with CR LF";
    return lines;
}

TEST(ModInfoFile, FortyFourLinesOfValidJson) {
    const ms::ModInfo info{"9.1.0.0", "Koenigl. Linienschiff (neu)", "Baufreigabe ab: 1 15000001 - ",
                           "\x89PNG"};
    const std::string bytes = ms::ModInfoFile(info);
    ASSERT_EQ(bytes.substr(0, 3), "{\r\n");
    EXPECT_EQ(bytes.find('\n'), bytes.find("\r\n") + 1);
    const auto lines = crlfLines(bytes);
    ASSERT_EQ(lines.size(), 44u);
    EXPECT_EQ(lines[1], "\"Version\": \"9.1.0.0\",");
    EXPECT_EQ(lines[2], "\"ModID\": \"Koenigl. Linienschiff (neu)\",");
    EXPECT_EQ(lines[6], "    \"German\": \"Spantora\",");
    EXPECT_EQ(lines[14], "    \"German\": \"Koenigl. Linienschiff (neu)\",");
    EXPECT_EQ(lines[19], "    \"Russian\": null");
    EXPECT_EQ(lines[22], "    \"German\": \"Marvessa Spantora : Baufreigabe ab: 1 15000001 - \",");
    EXPECT_EQ(lines[31],
              "      \"German\": \"Löschen Sie die erzeugten Schiffe immer nur innerhalb des Programms "
              "Marvessa Spantora, um Probleme mit den Schiffswerften zu vermeiden.\",");
    EXPECT_EQ(lines[36], "      \"Russian\": null");
    EXPECT_EQ(lines[41], std::string("  \"CreatorContact\": \"") + ms::kModContactAddress + "\",");
    EXPECT_EQ(lines[42], "  \"Image\": \"iVBORw==\"");
    EXPECT_EQ(lines[43], "}");

    const mstest::JsonCheck check = mstest::checkStrictJson(bytes);
    ASSERT_TRUE(check.ok) << check.error;
    EXPECT_EQ(check.topLevelKeys,
              (std::vector<std::string>{"Version", "ModID", "IncompatibleIds", "ModDependencies", "Category",
                                        "ModName", "Description", "KnownIssues", "DLCDependencies",
                                        "CreatorName", "CreatorContact", "Image"}));
}

TEST(ModInfoFile, StaysValidWhateverTheNameAndSummaryHold) {
    const std::string name = "Der \"Blitz\" \\ C:\\x";
    const ms::ModInfo info{"9.1.0.0", name, "a\tb\nc\x02", std::string(1000, '\xAB')};
    const std::string bytes = ms::ModInfoFile(info);
    const mstest::JsonCheck check = mstest::checkStrictJson(bytes);
    ASSERT_TRUE(check.ok) << check.error;
    EXPECT_EQ(mstest::jsonString(bytes, "ModID"), name);
    EXPECT_EQ(mstest::jsonString(bytes, "ModName", "German"), name);
    // A line break inside the text is CR LF, as everywhere in the written files.
    EXPECT_EQ(mstest::jsonString(bytes, "Description", "German").value_or("").substr(0, 26),
              "Marvessa Spantora : a\tb\r\nc");
    EXPECT_NE(bytes.find("a\\tb\\r\\nc\\u0002\","), std::string::npos);
    EXPECT_EQ(crlfLines(bytes).size(), 44u);
    // The fuzzing seed with a NUL, control characters and U+2028 comes back unchanged.
    const std::string controls("N\0m/e\x1f\x7f\xe2\x80\xa8", 10);
    const std::string again = ms::ModInfoFile({"9", controls, "", ""});
    EXPECT_TRUE(mstest::checkStrictJson(again).ok);
    EXPECT_EQ(mstest::jsonString(again, "ModName", "German"), controls);
}

} // namespace
