#include "core/reliability/ReliabilityFixture.h"
#include "shell/Journal.h"

#include <gtest/gtest.h>

#include <functional>

namespace {
namespace fs = std::filesystem;
using mstest::ReliabilityTest;

class ConsistencyTest : public ReliabilityTest {
  public:
    using YardTest::f;
    using YardTest::setValue;

    // Sets state and owner of a pool entry by its number.
    void setPool(const char* file, const std::string& number, const char* state, const std::string& owner) {
        pugi::xml_document pool;
        ms::loadXml(pool, f.xmla / file);
        const pugi::xml_node e = pool.select_node(("/GUID/GUID[@GUID='" + number + "']").c_str()).node();
        e.attribute("IsUsed").set_value(state);
        e.attribute("OrgGuid").set_value(owner.c_str());
        ms::saveXml(pool, f.xmla / file, ms::XmlKind::IdentifierPool);
    }
    fs::path shipFolder() const {
        for (const std::string& name : f.modEntries())
            if (name.find(activatedShip) != std::string::npos)
                return f.mods / name;
        return {};
    }
    void removeRecord(const std::string& guid) {
        pugi::xml_document full;
        ms::loadXml(full, f.xmla / "ShipFull.xml");
        const pugi::xml_node asset = ms::FindShipAsset(full.document_element(), guid, ms::GuidForm::Quoted);
        full.document_element().remove_child(asset);
        ms::saveXml(full, f.xmla / "ShipFull.xml", ms::XmlKind::ShipAssets);
    }
};

struct Fault {
    const char* what;
    std::function<void(ConsistencyTest&)> make;
    const char* expected; // part of the sentence that must name it
};

TEST_F(ConsistencyTest, EachBrokenInvariantIsNamed) {
    const std::string yardMenu =
        "[Spantora] AW Neue Segelschiffswerft/" + std::string(mstest::kYardAssetsPath);
    const Fault faults[] = {
        {"record gone", [](ConsistencyTest& t) { t.removeRecord(t.plainShip); },
         "fehlt der Datensatz in ShipFull.xml"},
        {"ship number freed",
         [](ConsistencyTest& t) { t.setPool("NewShipGUIDS.xml", t.plainShip, "No", "0"); },
         "ist in NewShipGUIDS.xml nicht für dieses Schiff vergeben"},
        {"number of no ship",
         [](ConsistencyTest& t) { t.setPool("NewTextGUIDS.xml", "2000501250", "Yes", "42"); },
         "aber das Schiff 42 gibt es nicht"},
        {"burned trigger free again",
         [](ConsistencyTest& t) { t.setPool("NewTriggerGUIDS.xml", "2000501300", "No", "2000501100"); },
         "darf nie wieder frei werden"},
        {"mod half there", [](ConsistencyTest& t) { fs::remove(t.shipFolder() / mstest::kYardTextsPath); },
         "ist unvollständig"},
        {"mod of no activated ship",
         [](ConsistencyTest& t) {
             fs::create_directories(t.f.mods / ("[Spantora] X (" + t.plainShip + ")"));
         },
         "gehört zu keinem aktivierten Schiff"},
        {"activated ship without mod", [](ConsistencyTest& t) { fs::remove_all(t.shipFolder()); },
         "hat keinen Mod-Ordner"},
        {"half activated", [](ConsistencyTest& t) { t.setValue(t.plainShip, ms::kShipIsMod, "true"); },
         "nur zum Teil aktiviert"},
        {"menu behind the index", [](ConsistencyTest& t) { t.setValue(t.activatedShip, ms::kShipOnAW, ""); },
         "Das Baumenü der Werft \"[Spantora] AW Neue Segelschiffswerft\""},
        {"pristine file changed",
         [](ConsistencyTest& t) { mstest::writeFile(t.f.xmla / "ShipFullORG.xml", "<AssetList/>"); },
         "nicht mehr wie ausgeliefert"},
        {"template mod changed",
         [&](ConsistencyTest& t) { mstest::writeFile(t.f.xmla / yardMenu, "<ModOps/>"); }, "Die Vorlage"},
        {"journal left", [](ConsistencyTest& t) { mstest::writeFile(t.f.xmla / ms::kJournalFile, ""); },
         "Ein unterbrochener Vorgang"},
        {"copy aside left",
         [](ConsistencyTest& t) {
             mstest::writeFile(t.f.xmla / (".ShipShort.xml" + std::string(ms::kStagedSuffix)), "");
         },
         "halb geschriebene Datei"},
    };
    keep("start");
    ASSERT_EQ(broken(), std::vector<std::string>{});
    for (const Fault& fault : faults) {
        putBack("start");
        fault.make(*this);
        const std::vector<std::string> found = broken();
        bool named = false;
        for (const std::string& sentence : found)
            named = named || sentence.find(fault.expected) != std::string::npos;
        EXPECT_TRUE(named) << fault.what << ": " << ::testing::PrintToString(found);
    }
}

} // namespace
