#include "shell/Error.h"
#include "store/IdentifierPools.h"
#include "support/TempDir.h"
#include "core/store/StoreTestSupport.h"

#include <gtest/gtest.h>
#include <pugixml.hpp>

using namespace ms;
using mstest::readFile;
using mstest::RecordingSink;
using mstest::writeFile;

namespace {
struct PoolEntry {
    std::string guid, isUsed, orgGuid;
    bool operator==(const PoolEntry&) const = default;
};
std::ostream& operator<<(std::ostream& os, const PoolEntry& e) {
    return os << e.guid << "/" << e.isUsed << "/" << e.orgGuid;
}

// Reads a pool with an independent parse, by attribute name and checking the order.
PoolEntry entryOf(const std::filesystem::path& file, const std::string& guid) {
    pugi::xml_document doc;
    EXPECT_TRUE(doc.load_file(file.c_str()));
    for (auto e : doc.document_element().children("GUID")) {
        if (guid != e.attribute("GUID").value())
            continue;
        EXPECT_STREQ(e.first_attribute().name(), "GUID");
        EXPECT_STREQ(e.first_attribute().next_attribute().name(), "IsUsed");
        EXPECT_STREQ(e.last_attribute().name(), "OrgGuid");
        return {guid, e.attribute("IsUsed").value(), e.attribute("OrgGuid").value()};
    }
    return {};
}

class Pools : public ::testing::Test {
protected:
    Pools() : xmla(mstest::copyDeliveredFiles(dir.path())) {}

    std::filesystem::path ships() const { return xmla / "NewShipGUIDS.xml"; }
    std::filesystem::path texts() const { return xmla / "NewTextGUIDS.xml"; }
    std::filesystem::path triggers() const { return xmla / "NewTriggerGUIDS.xml"; }
    std::string allBytes() const { return readFile(ships()) + readFile(texts()) + readFile(triggers()); }

    ShipIdentifiers allocate() {
        auto ids = AllocateShipIdentifiers(xmla, sink);
        if (!ids)
            throw std::runtime_error("refused");
        return *ids;
    }

    // Marks every entry of a pool file as used, as the program would after enough creations.
    void fill(const std::filesystem::path& file) {
        pugi::xml_document doc;
        ASSERT_TRUE(doc.load_file(file.c_str()));
        for (auto e : doc.document_element().children("GUID")) {
            e.attribute("IsUsed").set_value("Yes");
            e.attribute("OrgGuid").set_value("1");
        }
        ASSERT_TRUE(doc.save_file(file.c_str()));
    }

    mstest::TempDir dir;
    std::filesystem::path xmla;
    RecordingSink sink;
};
} // namespace

TEST_F(Pools, FirstShipGetsTheLowestFreeNumbers) {
    const auto ids = allocate();
    EXPECT_EQ(ids.assetGuid, "2000501100");
    EXPECT_EQ(ids.textGuid, "2000501200");
    EXPECT_EQ(ids.triggerGuid, "2000501304");
    EXPECT_EQ(entryOf(ships(), "2000501100"), (PoolEntry{"2000501100", "Yes", "2000501100"}));
    EXPECT_EQ(entryOf(texts(), "2000501200"), (PoolEntry{"2000501200", "Yes", "2000501100"}));
    EXPECT_EQ(entryOf(triggers(), "2000501304"), (PoolEntry{"2000501304", "Yes", "2000501100"}));
    EXPECT_TRUE(sink.shown.empty());
    // Bytes of the pool format: declaration kept, CR LF, one tab per entry.
    EXPECT_EQ(readFile(ships()).rfind("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\r\n<GUID>\r\n\t<GUID GUID=\"2000501100\" "
                                      "IsUsed=\"Yes\" OrgGuid=\"2000501100\" />\r\n",
                                      0),
              0u);
    const auto second = allocate();
    EXPECT_EQ(second.assetGuid, "2000501101");
    EXPECT_EQ(second.textGuid, "2000501201");
    EXPECT_EQ(second.triggerGuid, "2000501305");
}

TEST_F(Pools, ReleaseReturnsNumbersAndBurnsTheFirstTriggerEntry) {
    allocate();
    ReleaseShipIdentifiers(xmla, "2000501100");
    EXPECT_EQ(entryOf(ships(), "2000501100"), (PoolEntry{"2000501100", "No", "0"}));
    EXPECT_EQ(entryOf(texts(), "2000501200"), (PoolEntry{"2000501200", "No", "0"}));
    // The delivered burned entry of 2000501100 comes first; the current ship's entry stays "Yes".
    EXPECT_EQ(entryOf(triggers(), "2000501300"), (PoolEntry{"2000501300", "burned", "2000501100"}));
    EXPECT_EQ(entryOf(triggers(), "2000501301"), (PoolEntry{"2000501301", "Yes", "2000501100"}));
    EXPECT_EQ(entryOf(triggers(), "2000501304"), (PoolEntry{"2000501304", "Yes", "2000501100"}));

    const auto next = allocate();
    EXPECT_EQ(next.assetGuid, "2000501100");
    EXPECT_EQ(next.textGuid, "2000501200");
    EXPECT_EQ(next.triggerGuid, "2000501305");
}

TEST_F(Pools, ReleaseOfAnUnknownShipLeavesThatPoolUnchanged) {
    const auto ids = allocate();
    // An edited text pool that lost the ship's entry.
    std::string text = readFile(texts());
    text.replace(text.find("OrgGuid=\"2000501100\""), 20, "OrgGuid=\"2000501199\"");
    writeFile(texts(), text);
    ReleaseShipIdentifiers(xmla, ids.assetGuid);
    EXPECT_TRUE(readFile(texts()) == text);
    EXPECT_EQ(entryOf(ships(), "2000501100"), (PoolEntry{"2000501100", "No", "0"}));

    // A ship no pool knows: nothing but the rewrite; "0" never burns a free trigger number.
    const std::string before = allBytes();
    ReleaseShipIdentifiers(xmla, "4711");
    ReleaseShipIdentifiers(xmla, "0");
    EXPECT_TRUE(allBytes() == before);
}

TEST_F(Pools, ExhaustedShipPoolRefusesAndWritesNothing) {
    fill(ships());
    const std::string before = allBytes();
    EXPECT_FALSE(AllocateShipIdentifiers(xmla, sink));
    EXPECT_TRUE(allBytes() == before);
    ASSERT_EQ(sink.shown.size(), 1u);
    const Message& m = sink.shown.front();
    EXPECT_EQ(m.header, "Kontingent erschöpft");
    EXPECT_EQ(m.picture, "Frage");
    EXPECT_EQ(m.text, "Sie können nicht mehr als 50 Schiffe anlegen und im Spiel verwenden.\r");
    EXPECT_EQ(m.okCaption, "OK");
    EXPECT_TRUE(m.abortCaption.empty());
    EXPECT_FALSE(m.inputMode);
}

TEST_F(Pools, ExhaustedTriggerPoolRefusesWithThreeLines) {
    fill(triggers());
    const std::string before = allBytes();
    EXPECT_FALSE(AllocateShipIdentifiers(xmla, sink));
    EXPECT_TRUE(allBytes() == before);
    ASSERT_EQ(sink.shown.size(), 1u);
    EXPECT_EQ(sink.shown[0].header, "Kontingent erschöpft");
    EXPECT_EQ(sink.shown[0].text,
              "Sie haben insgesamt 250 Schiffe neu gestaltet und verwendet. Nunmehr ist es erforderlich das Programm "
              "vollständig zurückzusetzen,\rda das Spiel mehr Elemente nicht zulässt. Löschen Sie das "
              "Datenverzeichnis <XMLA> komplett und starten das Programm neu.\rDadurch werden auch alle "
              "Kontrollwerte zurückgesetzt.");
}

TEST_F(Pools, ShipPoolIsCheckedBeforeTriggerPool) {
    fill(ships());
    fill(triggers());
    EXPECT_FALSE(AllocateShipIdentifiers(xmla, sink));
    ASSERT_EQ(sink.shown.size(), 1u);
    EXPECT_EQ(sink.shown[0].text, kShipPoolExhaustedText);
}

TEST_F(Pools, ExhaustedTextPoolAloneRefusesAndWritesNothing) {
    fill(texts());
    const std::string before = allBytes();
    EXPECT_FALSE(AllocateShipIdentifiers(xmla, sink));
    EXPECT_TRUE(allBytes() == before);
    ASSERT_EQ(sink.shown.size(), 1u);
    EXPECT_EQ(sink.shown[0].header, "Kontingent erschöpft");
    EXPECT_EQ(sink.shown[0].text, kTextPoolExhaustedText);
}

TEST_F(Pools, NinetySixCreationsInAllHoweverManyDeletions) {
    int created = 0;
    for (; created < 96; ++created) {
        const auto ids = allocate();
        if (created % 3 != 0)
            ReleaseShipIdentifiers(xmla, ids.assetGuid);
    }
    const std::string before = allBytes();
    EXPECT_FALSE(AllocateShipIdentifiers(xmla, sink));
    EXPECT_TRUE(allBytes() == before);
    ASSERT_EQ(sink.shown.size(), 1u);
    EXPECT_EQ(sink.shown[0].text, kTriggerPoolExhaustedText);
}

TEST_F(Pools, ReorderedOrMissingPoolIsAnErrorBeforeAnyWrite) {
    std::string text = readFile(triggers());
    // An entry without its third attribute cannot be read by position.
    text.replace(text.find(" OrgGuid=\"0\""), 12, "");
    writeFile(triggers(), text);
    const std::string damaged = allBytes();
    EXPECT_THROW(AllocateShipIdentifiers(xmla, sink), Error);
    EXPECT_THROW(ReleaseShipIdentifiers(xmla, "2000501100"), Error);
    EXPECT_TRUE(allBytes() == damaged);

    std::filesystem::remove(texts());
    try {
        AllocateShipIdentifiers(xmla, sink);
        FAIL();
    } catch (const Error& e) {
        EXPECT_NE(std::string(e.what()).find("NewTextGUIDS.xml"), std::string::npos);
    }
    EXPECT_TRUE(sink.shown.empty());
}
