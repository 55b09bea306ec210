#include "store/RecordStore.h"
#include "core/store/StoreTestSupport.h"
#include "shell/Error.h"
#include "shell/XmlFile.h"
#include "store/SharedDocuments.h"
#include "store/ShipIndex.h"
#include "store/XPathText.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

using namespace ms;
using mstest::DeliveredStore;
using mstest::readFile;
using mstest::writeFile;

namespace {
const char* const kTemplates[] = {"100437", "100438", "100439", "100440", "100441", "100442", "100443",
                                  "100853", "101121", "102419", "102420", "102421", "102422", "102423",
                                  "102425", "102428", "102455", "132404", "150000", "160000", "1010062"};

// What the creation does to ShipFull.xml: a copy of the template's record with a new identity and
// Standard/Base, appended at the end.
void appendDerivedShip(const std::filesystem::path& xmla, const std::string& templateGuid,
                       const std::string& guid) {
    pugi::xml_document doc;
    loadXml(doc, xmla / "ShipFull.xml");
    auto copy = doc.document_element().append_copy(FindShipAsset(doc, templateGuid, GuidForm::Quoted));
    auto standard = copy.child("Values").child("Standard");
    standard.child("GUID").text().set(guid.c_str());
    standard.append_child("Base").text().set(templateGuid.c_str());
    saveXml(doc, xmla / "ShipFull.xml", XmlKind::ShipAssets);
}
} // namespace

TEST(RecordStore, NumberAndQuotedFormsFindTheSameRecord) {
    DeliveredStore store;
    const auto number = FindShipValues("100438");
    ASSERT_TRUE(number);
    EXPECT_EQ(std::string(number.name()), "Values");
    EXPECT_EQ(number, FindShipValuesQuoted("100438"));
    EXPECT_EQ(number, FindShipValues("0100438")); // leading zero: same number
    EXPECT_FALSE(FindShipValuesQuoted("0100438"));
    const auto asset = FindShipAsset("100438", GuidForm::Quoted);
    EXPECT_EQ(std::string(asset.name()), "Asset");
    EXPECT_EQ(asset, number.parent());
    EXPECT_EQ(asset, FindShipAsset("0100438", GuidForm::Number));
    EXPECT_FALSE(FindShipAsset("0100438", GuidForm::Quoted));
    EXPECT_FALSE(FindShipValues("4711"));
    EXPECT_FALSE(FindShipValues(""));
    // Every template has its record in both files.
    for (const char* guid : kTemplates) {
        EXPECT_EQ(ReadText(FindShipValues(guid), "Standard/GUID"), guid);
        EXPECT_EQ(ReadText(FindShipValues(ShipFullOrgDoc(), guid), "Standard/GUID"), guid);
    }
}

TEST(RecordStore, TemplateOfDerivedShipIsFoundThroughBaseAfterOwnValuesChanged) {
    DeliveredStore store;
    appendDerivedShip(store.xmla, "100441", "2000501100");
    ReloadShipDocuments(store.xmla);

    auto values = FindShipValues("2000501100");
    ASSERT_TRUE(values);
    const auto original = ReadText(FindShipValues("100441"), "Walking/ForwardSpeed");
    ASSERT_TRUE(original);
    EXPECT_TRUE(WriteText(values, "Walking/ForwardSpeed", "9.9"));
    EXPECT_TRUE(WriteText(values, "Standard/GUID", "2000501100")); // unchanged identity, rewritten
    SaveShipDocuments(store.xmla);
    ReloadShipDocuments(store.xmla);

    values = FindShipValues("2000501100");
    EXPECT_EQ(ReadText(values, "Walking/ForwardSpeed"), "9.9");
    const auto tmpl = FindTemplateValues(values);
    ASSERT_TRUE(tmpl);
    EXPECT_EQ(tmpl.root(), ShipFullOrgDoc().root()); // from the pristine file
    EXPECT_EQ(ReadText(tmpl, "Standard/GUID"), "100441");
    EXPECT_EQ(ReadText(tmpl, "Walking/ForwardSpeed"), original);
    EXPECT_EQ(std::string(FindBaseOf("2000501100").text().get()), "100441");

    // A template is its own template, and has no Base.
    EXPECT_FALSE(FindBaseOf("100441"));
    EXPECT_EQ(ReadText(FindTemplateValues(FindShipValues("100441")), "Standard/GUID"), "100441");
    EXPECT_FALSE(FindTemplateValues(pugi::xml_node()));
}

TEST(RecordStore, AbsentElementsReadAbsentAndAreNeverCreated) {
    DeliveredStore store;
    for (const char* guid : kTemplates) {
        const bool fixedSlot = ReadText(FindShipValues(guid), "ItemContainer/FixedSlotContent").has_value();
        EXPECT_EQ(fixedSlot, std::string(guid) == "100853") << guid;
    }
    auto torpedo = FindShipValues("102428");
    EXPECT_EQ(ReadText(torpedo, "Attacker/ReloadTime"), std::nullopt);
    EXPECT_TRUE(ReadText(torpedo, "Attacker/BaseDamage").has_value());
    EXPECT_FALSE(WriteText(torpedo, "Attacker/ReloadTime", "45"));
    EXPECT_FALSE(torpedo.child("Attacker").child("ReloadTime"));
    // Empty element: present with empty text, not absent.
    auto speed = torpedo.child("Walking").child("ForwardSpeed");
    speed.text().set("");
    EXPECT_EQ(ReadText(torpedo, "Walking/ForwardSpeed"), "");
    EXPECT_EQ(ReadText(pugi::xml_node(), "Walking/ForwardSpeed"), std::nullopt);
    // The k-th cost row by position.
    EXPECT_EQ(ReadText(FindShipValues("100438"), "Cost/Costs/Item[1]/Ingredient").has_value(), true);
}

TEST(RecordStore, UnknownBlocksSurviveLoadEditAndSave) {
    DeliveredStore store;
    // A block the program does not know, placed between known ones, with attributes, comments and
    // mixed content.
    pugi::xml_document doc;
    loadXml(doc, store.xmla / "ShipFull.xml");
    auto values = FindShipValuesQuoted(doc, "100853");
    auto block = values.insert_child_after("Mystery", values.child("Walking"));
    block.append_attribute("z").set_value("1");
    block.append_attribute("a").set_value("2");
    block.append_child("Zeta").text().set("ä & <b>");
    block.append_child(pugi::node_comment).set_value(" note ");
    block.append_child("Alpha");
    saveXml(doc, store.xmla / "ShipFull.xml", XmlKind::ShipAssets);
    const std::string written = readFile(store.xmla / "ShipFull.xml");

    ReloadShipDocuments(store.xmla);
    SaveShipDocuments(store.xmla);
    EXPECT_TRUE(readFile(store.xmla / "ShipFull.xml") == written); // byte for byte

    ASSERT_TRUE(WriteText(FindShipValues("100853"), "Walking/ForwardSpeed", "7"));
    SaveShipDocuments(store.xmla);
    std::string edited = readFile(store.xmla / "ShipFull.xml");
    EXPECT_NE(edited, written);
    EXPECT_NE(
        edited.find(
            "<Mystery z=\"1\" a=\"2\">\r\n\t\t\t\t<Zeta>ä &amp; &lt;b&gt;</Zeta>\r\n\t\t\t\t<!-- note -->"
            "\r\n\t\t\t\t<Alpha />\r\n\t\t\t</Mystery>"),
        std::string::npos);
    const auto walking = FindShipValues("100853").child("Walking");
    EXPECT_EQ(std::string(walking.next_sibling().name()), "Mystery");
}

TEST(RecordStore, UnchangedSaveWritesTheDeliveredBytesUnderTheirNames) {
    DeliveredStore store;
    const auto before = store.snapshot();
    SaveShipDocuments(store.xmla);
    EXPECT_TRUE(store.snapshot() == before);
    // The pristine file is found and written under its delivered spelling only.
    EXPECT_TRUE(std::filesystem::exists(store.xmla / "ShipFullORG.xml"));
    EXPECT_FALSE(std::filesystem::exists(store.xmla / "ShipFullOrg.xml"));
}

TEST(RecordStore, MissingOrMalformedFileNamesItAndKeepsTheOpenDocuments) {
    DeliveredStore store;
    std::filesystem::remove(store.xmla / "ShipFullORG.xml");
    try {
        ReloadShipDocuments(store.xmla);
        FAIL() << "no error";
    } catch (const Error& e) {
        EXPECT_NE(std::string(e.what()).find("ShipFullOrg.xml"), std::string::npos) << e.what();
    }
    EXPECT_TRUE(FindShipValues("100438")); // still the documents of before
    EXPECT_TRUE(FindShipValues(ShipFullOrgDoc(), "100438"));

    writeFile(store.xmla / "ShipFullORG.xml", readFile(store.xmla / "ShipFull.xml"));
    writeFile(store.xmla / "ShipShort.xml", "<?xml version=\"1.0\"?>\r\n<Ships>\r\n\t<Ship GUID=\"1\"\r\n");
    try {
        OpenSharedDocuments(store.xmla);
        FAIL() << "no error";
    } catch (const Error& e) {
        EXPECT_NE(std::string(e.what()).find("ShipShort.xml"), std::string::npos) << e.what();
    }
    EXPECT_EQ(SelectShips(ShipIndexRoot(), "").size(), 21u);
}

TEST(RecordStore, SaveRefusesDocumentsThatAreNotOpen) {
    mstest::TempDir dir;
    const auto xmla = mstest::copyDeliveredFiles(dir.path());
    CloseSharedDocuments();
    const std::string before = readFile(xmla / "ShipFull.xml");
    EXPECT_THROW(SaveShipDocuments(xmla), Error);
    EXPECT_TRUE(readFile(xmla / "ShipFull.xml") == before);
}

TEST(RecordStore, ShipFullOrgIsFoundWithoutRegardToCase) {
    mstest::TempDir dir;
    const auto xmla = mstest::copyDeliveredFiles(dir.path());
    std::filesystem::rename(xmla / "ShipFullORG.xml", xmla / "shipfullorg.XML");
    OpenSharedDocuments(xmla);
    EXPECT_TRUE(FindShipValues(ShipFullOrgDoc(), "100438"));
    SaveShipDocuments(xmla);
    EXPECT_TRUE(std::filesystem::exists(xmla / "shipfullorg.XML"));
    EXPECT_FALSE(std::filesystem::exists(xmla / "ShipFullOrg.xml"));
    CloseSharedDocuments();
}

TEST(RecordStore, CurrentShipNodesOutliveAReloadOfTheIndex) {
    DeliveredStore store;
    SetCurrentShipNodes(SelectShips(ShipIndexRoot(), "Segelschiffe"));
    ReloadShipIndexDoc(store.xmla);
    const auto& list = CurrentShipNodes();
    ASSERT_EQ(list.nodes.size(), 8u);
    EXPECT_NE(list.owner.get(), &ShipIndexDoc());
    EXPECT_EQ(list.nodes.front().root(), list.owner->root());
    EXPECT_EQ(ShipValue(list.nodes.front(), kShipName), "Schoner");
}

// The record lookups walk the document instead of asking XPath; they must find exactly what the
// XPath forms "//Asset/Values[Standard/GUID=…]" and "//Asset[Values/Standard/GUID=…]" find, also
// for odd GUID texts, nested and misplaced elements.
TEST(RecordStore, LookupsFindWhatTheirXPathFormsFind) {
    pugi::xml_document doc;
    ASSERT_TRUE(doc.load_string(
        "<AssetList><Values><Standard><GUID>7</GUID></Standard></Values>"
        "<Asset><Values><Standard><GUID> 7 </GUID></Standard></Values>"
        "<Values><Standard><GUID>8<![CDATA[1]]></GUID></Standard>"
        "<Asset><Values><Standard><GUID>-0.50</GUID><GUID>9</GUID></Standard></Values></Asset></Values>"
        "<Values><Standard><GUID>1e3</GUID></Standard><Standard><GUID>.5</GUID></Standard></Values></Asset>"
        "<X><Asset><Values><Standard><GUID>0007</GUID><GUID>abc</GUID></Standard></Values></Asset></X>"
        "</AssetList>"));
    for (const char* guid : {"7", "0007", " 7 ", "81", "-.5", "-0.5", "9", ".5", "0.5", "1e3", "1000", "abc",
                             "", "x y", "7.", "-", "."}) {
        const std::string number = xpathNumber(guid), quoted = xpathString(guid);
        EXPECT_EQ(FindShipValues(doc, guid),
                  doc.select_node(("//Asset/Values[Standard/GUID=" + number + "]").c_str()).node())
            << guid;
        EXPECT_EQ(FindShipValuesQuoted(doc, guid),
                  doc.select_node(("//Asset/Values[Standard/GUID=" + quoted + "]").c_str()).node())
            << guid;
        for (const auto& [form, value] :
             {std::pair{GuidForm::Number, number}, std::pair{GuidForm::Quoted, quoted}})
            EXPECT_EQ(FindShipAsset(doc, guid, form),
                      doc.select_node(("//Asset[Values/Standard/GUID=" + value + "]").c_str()).node())
                << guid;
    }
}
