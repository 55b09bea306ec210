#include "core/lifecycle/ActivationFixture.h"
#include "lifecycle/ModAssets.h"
#include "lifecycle/ModExport.h"
#include "lifecycle/ModInfo.h"
#include "lifecycle/ModTexts.h"
#include "lifecycle/ShipSave.h"
#include "shell/AtomicFile.h"
#include "shell/Base64.h"
#include "shell/Error.h"
#include "shell/SystemInfo.h"
#include "support/StrictJson.h"

#include "support/TempDir.h"

#include <gtest/gtest.h>

namespace {
using mstest::crlf;
namespace fs = std::filesystem;
using mstest::ActivationFixture;
using mstest::readFile;

constexpr const char* kAssetsPath = "data/config/export/main/asset/assets.xml";
constexpr const char* kTextsPath = "data/config/gui/texts_german.xml";

pugi::xml_document parseFile(const fs::path& file) {
    pugi::xml_document doc;
    ms::loadXml(doc, file);
    return doc;
}

std::vector<std::string> poolGuids(const pugi::xml_document& doc) {
    std::vector<std::string> guids;
    for (const auto& op :
         doc.select_nodes("/ModOps/ModOp[@Path='Values/ItemEffectTargetPool/EffectTargetGUIDs']")) {
        EXPECT_STREQ(op.node().select_node("Item/GUID").node().text().get(), "2000501100");
        guids.push_back(op.node().attribute("GUID").value());
    }
    return guids;
}

class ActivateShip : public ::testing::Test, public ActivationFixture {};

TEST_F(ActivateShip, FolderAndTriggerNamesUseTheTransliteratedName) {
    createShip("150000", "2000501100", "Königl. Linienschiff (neu)");
    const fs::path folder = activate("2000501100");
    EXPECT_EQ(folder, mods / "[Spantora] Koenigl. Linienschiff (neu) (2000501100)");
    EXPECT_EQ(modEntries(), (std::set<std::string>{"[Spantora] Koenigl. Linienschiff (neu) (2000501100)"}));
    const auto assets = parseFile(folder / kAssetsPath);
    EXPECT_STREQ(
        assets.select_node("/ModOps/ModOp[@GUID='133922']/Asset/Values/Standard/Name").node().text().get(),
        "UNLOCK Koenigl. Linienschiff (neu)");
    const std::string info = readFile(folder / "modinfo.json");
    EXPECT_EQ(mstest::jsonString(info, "ModID"), "Koenigl. Linienschiff (neu)");
    EXPECT_EQ(mstest::jsonString(info, "ModName", "German"), "Koenigl. Linienschiff (neu)");
    // The game text keeps the name as typed.
    EXPECT_NE(readFile(folder / kTextsPath).find("\t<Text>Königl. Linienschiff (neu)</Text>\r\n"),
              std::string::npos);
    EXPECT_EQ(ms::activatedModFolders(), (std::vector<std::string>{folder.filename().string()}));
}

TEST_F(ActivateShip, SchoonerShipIsExportedAsUnarmedTradeShip) {
    createShip("100438", "2000501100", "Schoner (neu)");
    const fs::path folder = activate("2000501100");
    const std::string bytes = readFile(folder / kAssetsPath);
    const auto header = ms::ModHeaderLines("29.07.2023 08:38:14", "kapitaen");
    std::string expectedStart = "\xEF\xBB\xBF";
    for (const auto& line : header)
        expectedStart += line + "\r\n";
    expectedStart += "<ModOps>\r\n  <ModOp Type=\"addNextSibling\" GUID=\"100440\">\r\n    <Asset>\r\n"
                     "      <Template>TradeShip</Template>\r\n      <Values>\r\n        <Standard>\r\n"
                     "          <GUID>2000501100</GUID>\r\n";
    EXPECT_EQ(bytes.substr(0, expectedStart.size()), expectedStart);

    const std::string expectedEnd = crlf(R"(  </ModOp>
  <ModOp Type="addNextSibling" GUID="133922">
    <Asset>
      <Template>Trigger</Template>
      <Values>
        <Standard>
          <GUID>2000501300</GUID>
          <Name>UNLOCK Schoner (neu)</Name>
        </Standard>
        <Trigger>
          <TriggerCondition>
            <Template>ConditionPlayerCounter</Template>
            <Values>
              <Condition />
              <ConditionPlayerCounter>
                <PlayerCounter>PopulationByLevel</PlayerCounter>
                <Context>15000001</Context>
                <CounterAmount>1</CounterAmount>
              </ConditionPlayerCounter>
            </Values>
          </TriggerCondition>
          <TriggerActions>
            <Item>
              <TriggerAction>
                <Template>ActionUnlockAsset</Template>
                <Values>
                  <Action />
                  <ActionUnlockAsset>
                    <UnlockAssets>
                      <Item>
                        <Asset>2000501100</Asset>
                      </Item>
                    </UnlockAssets>
                    <UnhideAssets>
                      <Item>
                        <Asset>2000501100</Asset>
                      </Item>
                    </UnhideAssets>
                  </ActionUnlockAsset>
                </Values>
              </TriggerAction>
            </Item>
          </TriggerActions>
        </Trigger>
        <TriggerSetup>
          <UsedBySecondParties>0</UsedBySecondParties>
        </TriggerSetup>
      </Values>
    </Asset>
  </ModOp>
  <!-- Anpassen der Ladeautomatik der Häfen auf das gestiegen Ladevermögen dieses Schiffes, Schiffe die weniger laden können laden auch weniger (Luftschiff zum Beispiel) -->
  <ModOp Type="merge" GUID="140011" Path="/Values/TradeRouteFeature/TransportationTypes/Normal">
    <Normal>
      <ExcludingGoods>
        <Item>
          <Good>120021</Good>
        </Item>
        <Item>
          <Good>1010566</Good>
        </Item>
      </ExcludingGoods>
      <MaxGoodTransferAmount>2500</MaxGoodTransferAmount>
      <DefaultGoodTransferAmount>50</DefaultGoodTransferAmount>
      <MaxTradeActionsPerStation>8</MaxTradeActionsPerStation>
    </Normal>
  </ModOp>
  <ModOp GUID="191454" Path="Values/ItemEffectTargetPool/EffectTargetGUIDs" Type="merge">
    <Item>
      <GUID>2000501100</GUID>
    </Item>
  </ModOp>
  <ModOp GUID="191455" Path="Values/ItemEffectTargetPool/EffectTargetGUIDs" Type="merge">
    <Item>
      <GUID>2000501100</GUID>
    </Item>
  </ModOp>
  <ModOp GUID="193982" Path="Values/ItemEffectTargetPool/EffectTargetGUIDs" Type="merge">
    <Item>
      <GUID>2000501100</GUID>
    </Item>
  </ModOp>
</ModOps>
)");
    ASSERT_GE(bytes.size(), expectedEnd.size());
    EXPECT_EQ(bytes.substr(bytes.size() - expectedEnd.size()), expectedEnd);
    EXPECT_EQ(bytes.find("<?xml"), std::string::npos);
    for (size_t i = bytes.find('\n'); i != std::string::npos; i = bytes.find('\n', i + 1))
        ASSERT_EQ(bytes[i - 1], '\r') << "bare line feed at " << i;

    const auto doc = parseFile(folder / kAssetsPath);
    EXPECT_FALSE(doc.select_node("/ModOps/ModOp[@GUID='100440']/Asset/Values/Attacker"));
    EXPECT_STREQ(
        doc.select_node("/ModOps/ModOp[@GUID='100440']/Asset/Values/Standard/Base").node().text().get(),
        "100438");
    EXPECT_EQ(poolGuids(doc), (std::vector<std::string>{"191454", "191455", "193982"}));
    // The working file carries the same text.
    EXPECT_EQ(readFile(xmla / "2000501100.xml"), bytes);
}

TEST_F(ActivateShip, FrigateShipKeepsItsWeapons) {
    createShip("100440", "2000501100", "Fregatte (neu)");
    const auto doc = parseFile(activate("2000501100") / kAssetsPath);
    const auto record = doc.select_node("/ModOps/ModOp[@GUID='100440']/Asset").node();
    EXPECT_STREQ(record.child("Template").text().get(), "WarShip");
    EXPECT_TRUE(record.select_node("Values/Attacker/BaseDamage"));
    EXPECT_EQ(poolGuids(doc), (std::vector<std::string>{"191454", "191455", "191458"}));
}

TEST_F(ActivateShip, MonitorShipGetsTheSteamPool) {
    createShip("102422", "2000501100", "Monitor (neu)");
    const auto doc = parseFile(activate("2000501100") / kAssetsPath);
    EXPECT_EQ(poolGuids(doc), (std::vector<std::string>{"191454", "191456", "191458"}));
}

TEST_F(ActivateShip, ArmamentAndTriggerValuesComeFromTheWindowFields) {
    createShip("100438", "2000501100", "Schoner (neu)");
    ms::ShipForm form = shown("2000501100");
    form.set("SetWeaponPanel", "Bewaffnung entfernen");
    form.set("WorkForceGUID", "15000003");
    form.set("WorkAmount", "750");
    const auto doc = parseFile(ms::ActivateShip(form, inputs()) / kAssetsPath);
    EXPECT_EQ(poolGuids(doc), (std::vector<std::string>{"191454", "191455", "191458"}));
    const auto counter = doc.select_node("//ConditionPlayerCounter[PlayerCounter]").node();
    EXPECT_STREQ(counter.child("Context").text().get(), "15000003");
    EXPECT_STREQ(counter.child("CounterAmount").text().get(), "750");
}

TEST_F(ActivateShip, DataFilesStayByteForByteAndTheIndexEntryIsMarked) {
    createShip("100438", "2000501100", "Schoner (neu)");
    pugi::xml_document before;
    ms::LoadShipIndex(before, xmla);
    const pugi::xml_node old = ms::FindShipEntry(before.document_element(), "2000501100");
    const std::string full = readFile(xmla / "ShipFull.xml");
    const std::string org = readFile(xmla / "ShipFullORG.xml");
    activate("2000501100");
    EXPECT_EQ(readFile(xmla / "ShipFull.xml"), full);
    EXPECT_EQ(readFile(xmla / "ShipFullORG.xml"), org);

    pugi::xml_document after;
    ms::LoadShipIndex(after, xmla);
    const pugi::xml_node entry = ms::FindShipEntry(after.document_element(), "2000501100");
    for (int pos = 0; pos < ms::kShipAttrCount; ++pos) {
        std::string expected = ms::ShipValue(old, pos);
        if (pos == ms::kShipExported || pos == ms::kShipIsMod || pos == ms::kShipShowInYard)
            expected = "true";
        if (pos == ms::kShipOnBuild)
            expected = "";
        EXPECT_EQ(ms::ShipValue(entry, pos), expected) << "position " << pos;
    }
    // The shared index document was reloaded.
    EXPECT_EQ(ms::ShipValue(ms::FindShipEntry(ms::ShipIndexRoot(), "2000501100"), ms::kShipIsMod), "true");
}

TEST_F(ActivateShip, TwiceLeavesOneFolderAndLeavesOtherModsAlone) {
    createShip("100438", "2000501100", "Schoner (neu)");
    createShip("100438", "2000501101", "Schoner (neu)");
    mstest::writeFile(mods / "[Spantora] AW Neue Segelschiffswerft" / "modinfo.json", "{}");
    const fs::path other = activate("2000501101");
    activate("2000501100");
    const fs::path folder = activate("2000501100");
    EXPECT_EQ(modEntries(), (std::set<std::string>{"[Spantora] AW Neue Segelschiffswerft",
                                                   other.filename().string(), folder.filename().string()}));
    EXPECT_TRUE(fs::exists(other / kAssetsPath));
}

TEST_F(ActivateShip, RenamedShipLeavesOnlyTheFolderUnderItsNewName) {
    createShip("100438", "2000501100", "Schoner (neu)");
    const fs::path old = activate("2000501100");
    // What the save does to the index before it activates again.
    pugi::xml_document index;
    ms::LoadShipIndex(index, xmla);
    ms::SetSavedEntryValues(ms::FindShipEntry(index.document_element(), "2000501100"), "15000001", "1",
                            "Flinke Möwe");
    ms::SaveShipIndex(index, xmla);
    const fs::path renamed = activate("2000501100");
    EXPECT_EQ(renamed.filename(), "[Spantora] Flinke Moewe (2000501100)");
    EXPECT_FALSE(fs::exists(old));
    EXPECT_EQ(modEntries(), (std::set<std::string>{renamed.filename().string()}));
}

TEST_F(ActivateShip, SaveOfAnActivatedShipRewritesItsModUnderTheNewName) {
    createShip("100438", "2000501100", "Schoner (neu)");
    const fs::path old = activate("2000501100");
    ms::ShipForm form = shown("2000501100");
    form.set("NewShipNameText", "Flinke Möwe");
    form.set("StackLimit", "120");
    ms::SaveShipHooks hooks;
    hooks.activateShip = [](const std::string& guid) { ms::ActivateShip(guid, inputs()); };
    ms::SaveShip(xmla, form, hooks);

    const fs::path renamed = mods / "[Spantora] Flinke Moewe (2000501100)";
    EXPECT_EQ(modEntries(), (std::set<std::string>{renamed.filename().string()}));
    const auto doc = parseFile(renamed / kAssetsPath);
    EXPECT_STREQ(
        doc.select_node("//ModOp[@GUID='100440']/Asset/Values/ItemContainer/StackLimit").node().text().get(),
        "120");
    EXPECT_NE(readFile(renamed / kTextsPath).find("<Text>Flinke Möwe</Text>"), std::string::npos);
    EXPECT_NE(mstest::jsonString(readFile(renamed / "modinfo.json"), "Description", "German")
                  .value_or("")
                  .find(" Ladekapazität : 120 pro Kammer - "),
              std::string::npos);
}

TEST_F(ActivateShip, SaveOfAShipNotActivatedWritesNoMod) {
    createShip("100438", "2000501100", "Schoner (neu)");
    bool called = false;
    ms::SaveShipHooks hooks;
    hooks.activateShip = [&](const std::string&) { called = true; };
    ms::SaveShip(xmla, shown("2000501100"), hooks);
    EXPECT_FALSE(called);
    EXPECT_TRUE(modEntries().empty());
}

TEST_F(ActivateShip, TextsFileCarriesTheFieldsAsTyped) {
    createShip("100438", "2000501100", "Schoner (neu)");
    ms::ShipForm form = shown("2000501100");
    form.set("NewShipNameText", "Schöne Grüße");
    form.set("NewShipTextText", "Fässer < 5 & Kisten > 3");
    const fs::path folder = ms::ActivateShip(form, inputs());
    EXPECT_EQ(readFile(folder / kTextsPath),
              ms::ShipTextsFile({"2000501100", "2000501200", "Schöne Grüße", "Fässer < 5 & Kisten > 3"}));
    EXPECT_NE(readFile(folder / kTextsPath).find("Fässer &lt; 5 &amp; Kisten &gt; 3"), std::string::npos);
    EXPECT_TRUE(mstest::wellFormedForXmllint(folder / kTextsPath));
}

TEST_F(ActivateShip, PastedLineBreaksAreWrittenAsCrLfInEveryFile) {
    createShip("100438", "2000501100", "Schoner (neu)");
    for (const char* pasted :
         {"Erste Zeile\nZweite Zeile", "Erste Zeile\rZweite Zeile", "Erste Zeile\r\nZweite Zeile"}) {
        SCOPED_TRACE(pasted);
        ms::ShipForm form = shown("2000501100");
        form.set("NewShipTextText", pasted);
        const fs::path folder = ms::ActivateShip(form, inputs());
        EXPECT_NE(readFile(folder / kTextsPath).find("<Text>Erste Zeile\r\nZweite Zeile</Text>"),
                  std::string::npos);
        // The save writes the record and the index, and the mod again from the stored record.
        ms::SaveShipHooks hooks;
        hooks.activateShip = [](const std::string& guid) { ms::ActivateShip(guid, inputs()); };
        ms::SaveShip(xmla, form, hooks);
        EXPECT_NE(readFile(xmla / "ShipFull.xml").find("Erste Zeile\r\nZweite Zeile"), std::string::npos);
        EXPECT_NE(readFile(folder / kTextsPath).find("<Text>Erste Zeile\r\nZweite Zeile</Text>"),
                  std::string::npos);
        for (const fs::path& root : {xmla, mods})
            for (const auto& e : fs::recursive_directory_iterator(root))
                if (e.path().extension() == ".xml" || e.path().extension() == ".json")
                    EXPECT_EQ(mstest::bareLineBreaks(readFile(e.path())), 0u) << e.path();
    }
}

TEST_F(ActivateShip, ModInfoDescribesTheStoredShipWithItsPicture) {
    createShip("100438", "2000501100", "Schoner (neu)");
    ms::ShipForm form = shown("2000501100");
    const std::string summary = ms::ModSummary(form);
    form.summary = {}; // stale texts of the window must not reach the description
    const fs::path folder = ms::ActivateShip(form, inputs());
    const std::string info = readFile(folder / "modinfo.json");
    EXPECT_EQ(info.substr(0, 3), "{\r\n");
    const mstest::JsonCheck check = mstest::checkStrictJson(info);
    ASSERT_TRUE(check.ok) << check.error;
    EXPECT_EQ(mstest::jsonString(info, "Version"), ms::ProgramVersion());
    EXPECT_EQ(mstest::jsonString(info, "Description", "German"), "Marvessa Spantora : " + summary);
    EXPECT_EQ(
        summary.rfind(
            "Baufreigabe ab: 1 15000001 - Betriebskosten:  -  20 Bretter -  10 Segel - Allgemein:  - ", 0),
        0u)
        << summary;
    EXPECT_EQ(mstest::jsonString(info, "Image"), ms::Base64Encode(inputs().iconPicture));
    EXPECT_EQ(readFile(xmla / "Active.png"), inputs().iconPicture);
    EXPECT_EQ(readFile(folder / "data/icon/icon_ship_schooner.png"),
              readFile(xmla / "NewShipIcon/icon_ship_schooner.png"));
    EXPECT_EQ(readFile(folder / "data/icon/icon_ship_schooner.dds"),
              readFile(xmla / "NewShipIcon/icon_ship_schooner.dds"));
}

TEST_F(ActivateShip, SteamshipSummaryHasOneSpeedTextAfterASailingShip) {
    createShip("100438", "2000501100", "Schoner (neu)");
    createShip("1010062", "2000501101", "Dampfer (neu)");
    activate("2000501100");
    const std::string info = readFile(activate("2000501101") / "modinfo.json");
    const std::string description = mstest::jsonString(info, "Description", "German").value_or("");
    EXPECT_NE(description.find("Allgemein:  -  max/min. Geschwindigkeit : 10,4 kn. -  Trefferpunkte"),
              std::string::npos)
        << description;
    EXPECT_EQ(description.find("Segelgeschwindigkeit"), std::string::npos);
}

TEST_F(ActivateShip, EveryWrittenXmlIsWellFormed) {
    createShip("100440", "2000501100", "Fregatte <\"&\"> (neu)");
    ms::ActivationInputs in = inputs();
    in.userName = "  x--y  ";
    in.createdAt = "1.1.2024 -- 10:00:00";
    ms::ShipForm form = shown("2000501100");
    form.set("NewShipTextText", "<b>&amp;</b> \x01");
    const fs::path folder = ms::ActivateShip(form, in);
    EXPECT_TRUE(mstest::wellFormedForXmllint(folder / kAssetsPath));
    EXPECT_TRUE(mstest::wellFormedForXmllint(folder / kTextsPath));
    EXPECT_TRUE(mstest::wellFormedForXmllint(xmla / "2000501100.xml"));
    const mstest::JsonCheck check = mstest::checkStrictJson(readFile(folder / "modinfo.json"));
    EXPECT_TRUE(check.ok) << check.error;
    EXPECT_EQ(mstest::jsonString(readFile(folder / "modinfo.json"), "ModID"), "Fregatte <\"&\"> (neu)");
}

TEST_F(ActivateShip, UserNameDefaultsToTheLoggedOnUser) {
    createShip("100438", "2000501100", "Schoner (neu)");
    ms::ActivationInputs in = inputs();
    in.userName.reset();
    const std::string bytes = readFile(ms::ActivateShip(shown("2000501100"), in) / kAssetsPath);
    EXPECT_NE(bytes.find("<!-- * by: " + ms::CurrentUserName() + " "), std::string::npos);
}

// --- failures --------------------------------------------------------------------------------------

class ActivateShipFailure : public ActivateShip {
  protected:
    void SetUp() override {
        createShip("100438", "2000501100", "Schoner (neu)");
        previous = activate("2000501100");
        // The save renames the ship; the next activation would replace the old folder.
        pugi::xml_document index;
        ms::LoadShipIndex(index, xmla);
        ms::SetSavedEntryValues(ms::FindShipEntry(index.document_element(), "2000501100"), "15000001", "1",
                                "Neu");
        ms::SaveShipIndex(index, xmla);
        modsBefore = tree(mods);
        indexBefore = readFile(xmla / "ShipShort.xml");
    }
    void TearDown() override { ms::setAtomicWriteFailureAfter(-1); }

    void expectNothingChanged() {
        EXPECT_EQ(tree(mods), modsBefore);
        EXPECT_EQ(readFile(xmla / "ShipShort.xml"), indexBefore);
        EXPECT_EQ(ms::activatedModFolders(), (std::vector<std::string>{previous.filename().string()}));
    }

    fs::path previous;
    std::map<std::string, std::string> modsBefore;
    std::string indexBefore;
};

TEST_F(ActivateShipFailure, MissingIconLeavesThePreviousFolderAndTheIndex) {
    fs::remove(xmla / "NewShipIcon/icon_ship_schooner.dds");
    EXPECT_THROW(activate("2000501100"), ms::Error);
    expectNothingChanged();
}

TEST_F(ActivateShipFailure, MissingIconOnFirstActivationLeavesTheShipDeactivated) {
    createShip("100440", "2000501101", "Fregatte (neu)");
    indexBefore = readFile(xmla / "ShipShort.xml");
    fs::remove(xmla / "NewShipIcon/icon_ship_frigate.png");
    EXPECT_THROW(activate("2000501101"), ms::Error);
    expectNothingChanged();
    EXPECT_EQ(indexEntryValue("2000501101", ms::kShipIsMod), "false");
}

TEST_F(ActivateShipFailure, FailedWriteLeavesNoHalfFolder) {
    const ms::ShipForm form = shown("2000501100");
    ms::setAtomicWriteFailureAfter(0);
    EXPECT_THROW(ms::ActivateShip(form, inputs()), ms::Error);
    ms::setAtomicWriteFailureAfter(-1);
    expectNothingChanged();

    // The last file of the new folder fails: the picture cannot replace a folder of its name.
    fs::remove(xmla / "Active.png");
    fs::create_directories(xmla / "Active.png" / "x");
    EXPECT_THROW(ms::ActivateShip(form, inputs()), ms::Error);
    expectNothingChanged();
}

TEST_F(ActivateShipFailure, BlockedTargetPutsThePreviousFolderBack) {
    // A file under the new folder's name: the move fails after the old folder was set aside.
    mstest::writeFile(mods / "[Spantora] Neu (2000501100)", "blocked");
    modsBefore = tree(mods);
    EXPECT_THROW(activate("2000501100"), ms::Error);
    EXPECT_EQ(tree(mods), modsBefore);
    EXPECT_EQ(readFile(xmla / "ShipShort.xml"), indexBefore);
}

TEST_F(ActivateShipFailure, FailedIndexWriteTakesTheNewFolderBackOut) {
    // Small icons and a long index, so that only the index is long enough to hit the failing write.
    mstest::writeFile(xmla / "NewShipIcon/icon_ship_schooner.png", "png");
    mstest::writeFile(xmla / "NewShipIcon/icon_ship_schooner.dds", "dds");
    pugi::xml_document index;
    ms::LoadShipIndex(index, xmla);
    const pugi::xml_node model = ms::FindShipEntry(index.document_element(), "100438");
    for (int i = 0; i < 80; ++i) {
        pugi::xml_node copy = index.document_element().append_copy(model);
        ms::SetShipValue(copy, ms::kShipGuid, std::to_string(3000000000LL + i));
    }
    ms::SaveShipIndex(index, xmla);
    indexBefore = readFile(xmla / "ShipShort.xml");
    ASSERT_GT(indexBefore.size(), 20000u);
    const ms::ShipForm form = shown("2000501100");
    ASSERT_LT(readFile(previous / kAssetsPath).size(), 15000u);

    ms::setAtomicWriteFailureAfter(15000);
    EXPECT_THROW(ms::ActivateShip(form, inputs()), ms::Error);
    ms::setAtomicWriteFailureAfter(-1);
    expectNothingChanged();
}

TEST_F(ActivateShipFailure, MissingModsFolderOrUnusableNameChangesNothing) {
    ms::env().modLocation = (dir.path() / "gibt-es-nicht").string() + "/";
    EXPECT_THROW(activate("2000501100"), ms::Error);
    ms::env().modLocation = mods.string() + "/";

    ms::ShipForm form = shown("2000501100");
    form.set("ShipName", "Halb/Halb");
    EXPECT_THROW(ms::ActivateShip(form, inputs()), ms::Error);
    expectNothingChanged();
}

TEST_F(ActivateShipFailure, UnlockOutsideItsBoundsChangesNothing) {
    ms::ShipForm form = shown("2000501100");
    form.set("WorkAmount", "0");
    try {
        ms::ActivateShip(form, inputs());
        ADD_FAILURE() << "activated with the count 0";
    } catch (const ms::Error& e) {
        EXPECT_STREQ(e.what(),
                     "Das Schiff wurde nicht aktiviert: der Wert \"0\" im Feld \"Baufreigabe ab\" liegt "
                     "nicht zwischen 1 und 1000.");
    }
    form.set("WorkAmount", "10");
    form.set("WorkForceGUID", "4711");
    EXPECT_THROW(ms::ActivateShip(form, inputs()), ms::Error);
    expectNothingChanged();
}

TEST_F(ActivateShipFailure, TemplateCannotBeActivated) {
    EXPECT_THROW(activate("100438"), ms::Error);
    expectNothingChanged();
}

} // namespace
