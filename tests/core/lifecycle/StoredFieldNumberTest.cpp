#include "lifecycle/StoredFieldNumber.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

struct Case {
    const char* field;
    std::string shown;
    const char* stored; // nullptr: refused
    const char* fault;  // a part of the refusal
};

TEST(StoredFieldNumberTest, ShownTextIsStoredOrRefusedNamingTheField) {
    const std::vector<Case> cases{
        {"WorkAmount", "150", "150", ""},
        {"WorkAmount", " +007 ", "7", ""},
        {"WorkAmount", "0", nullptr,
         "der Wert \"0\" im Feld \"Baufreigabe ab\" liegt nicht zwischen 1 und 1000."},
        {"WeaponMaxHitpoints", "5", nullptr, "im Feld \"Trefferpunkte\" liegt nicht zwischen 250 und 25000."},
        {"SocketCount", "9", nullptr, "der Wert \"9\" im Feld \"Itemsockel\" liegt nicht zwischen 0 und 4."},
        {"CostSpin3", "123456", nullptr, "im Feld \"Baukosten Zeile 4\" liegt nicht zwischen 0 und 500."},
        {"SlotCount", "-1", nullptr, "liegt nicht zwischen 0 und 8."},
        {"CraftingTime", "9,5", nullptr, "der Wert \"9,5\" im Feld \"Bauzeit (sek.)\" ist keine ganze Zahl."},
        {"MightInt", "1e2", nullptr, "ist keine ganze Zahl."},
        {"MightInt", "", nullptr, "das Feld \"Gefechtskunde\" ist leer."},
        {"CargoFullFactor", "9", nullptr, "im Feld \"Frachtverlangsamung\" liegt nicht zwischen 0,1 und 1."},
        {"CargoFullFactor", "0,6", "0.6", ""},
        {"CargoFullFactor", "0.6", "0.6", ""},
        {"CargoFullFactor", ",5", "0.5", ""},
        {"SessionTransferSpeedFactor", "2,", "2", ""},
        {"SessionTransferSpeedFactor", "+1,5", "1.5", ""},
        {"WeaponSelfHealPerSec", "-0", "0", ""},
        {"WeaponSelfHealPerSec", ",", nullptr,
         "der Wert \",\" im Feld \"Selbstheilung pro Sek\" ist keine Zahl."},
        {"WeaponSelfHealPerSec", "1,2,3", nullptr, "ist keine Zahl."},
        {"WeaponSelfHealPerSec", "nan", nullptr, "ist keine Zahl."},
        {"ForwardSpeed", "0", nullptr, "zwischen 0,1 und 65."},
        // Decimals in the shortest form that reads back the same, as the game's files have them.
        {"SessionTransferSpeedFactor", "01,50", "1.5", ""},
        {"ForwardSpeed", "6,0", "6", ""},
        {"ForwardSpeed", "6.24", "6.24", ""},
        {"ForwardSpeed", "1." + std::string(500, '0') + "1", "1", ""},
        {"MightInt", "\x01", nullptr, "der Wert \"\\u0001\" im Feld \"Gefechtskunde\""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.field) + " \"" + c.shown.substr(0, 20) + "\"");
        const ms::StoredFieldNumber n =
            ms::StoreFieldNumber(*ms::findNumberFieldSpec(c.field), c.shown, false);
        if (c.stored) {
            EXPECT_EQ(n.fault, "");
            EXPECT_EQ(n.text, c.stored);
        } else {
            EXPECT_NE(n.fault.find(c.fault), std::string::npos) << n.fault;
        }
    }
    // The bounds in the message follow the display separator.
    EXPECT_NE(
        ms::StoreFieldNumber(*ms::findNumberFieldSpec("CargoFullFactor"), "0", true).fault.find("0.1 und 1"),
        std::string::npos);
}

TEST(StoredFieldNumberTest, SpeedBoundFollowsThePropulsion) {
    EXPECT_NE(ms::StoreFieldNumber(*ms::shipNumberField("ForwardSpeed", "Sail"), "70", false).fault, "");
    EXPECT_EQ(ms::StoreFieldNumber(*ms::shipNumberField("ForwardSpeed", "Steam"), "70", false).text, "70");
    EXPECT_FALSE(ms::shipNumberField("NewShipNameText", "Sail"));
}

TEST(StoredFieldNumberTest, UnlockNeedsAKnownLevelAndACountInItsBounds) {
    EXPECT_EQ(ms::StoreUnlockCount("15000002", "150").text, "150");
    EXPECT_EQ(ms::StoreUnlockCount("114330", "1").fault, "");
    EXPECT_NE(ms::StoreUnlockCount("", "150").fault.find("keine Bevölkerungsstufe"), std::string::npos);
    EXPECT_NE(ms::StoreUnlockCount("15000009", "150").fault.find("\"15000009\""), std::string::npos);
    EXPECT_NE(ms::StoreUnlockCount("15000001", "1001").fault.find("\"Baufreigabe ab\""), std::string::npos);
}

} // namespace
