#include "yards/YardTexts.h"
#include "core/yards/YardFixture.h"

#include <gtest/gtest.h>

namespace {
namespace fs = std::filesystem;
using mstest::crlf;
using mstest::readFile;
using mstest::YardTest;

class YardTextsTest : public YardTest {
  protected:
    // The name and description pairs (GUID, text) of a yard text file.
    static std::vector<std::pair<std::string, std::string>> texts(const fs::path& file) {
        pugi::xml_document doc;
        ms::loadXml(doc, file);
        std::vector<std::pair<std::string, std::string>> out;
        for (const auto& t : doc.select_nodes("/ModOps/ModOp[@Type='add'][@Path='/TextExport/Texts']/Text"))
            out.emplace_back(t.node().child_value("GUID"), t.node().child_value("Text"));
        return out;
    }
};

TEST_F(YardTextsTest, DeliveredNamesAreReadFromTheTemplates) {
    for (const char* region : {"AW", "NW", "EN"}) {
        const ms::YardNames names = ms::ReadYardNames(region);
        EXPECT_EQ(names.sail, "Neue Segelschiffswerft") << region;
        EXPECT_EQ(names.steam, "Neue Dampfschiffswerft") << region;
    }
}

TEST_F(YardTextsTest, RenamingADeployedYardWritesBothFilesWithItsGuidsAndSentence) {
    for (const ms::YardRow& row : ms::YardTable()) {
        ms::DeployYard(row);
        const ms::YardRenameResult result = ms::RenameYard(row, "Werft & <Söhne>");
        EXPECT_TRUE(result.templateWritten && result.deployedWritten);
        for (const fs::path& folder : {f.xmla / row.folder, f.mods / row.folder}) {
            const fs::path file = ms::YardTextsFile(folder);
            EXPECT_EQ(texts(file), (std::vector<std::pair<std::string, std::string>>{
                                       {row.nameTextGuid, "Werft & <Söhne>"},
                                       {row.descriptionTextGuid, row.description}}));
            EXPECT_NE(readFile(file).find("<Text>Werft &amp; &lt;Söhne&gt;</Text>"), std::string::npos);
            EXPECT_TRUE(mstest::wellFormedForXmllint(file)) << file;
        }
        EXPECT_EQ(ms::ReadYardName(row), "Werft & <Söhne>");
    }
}

TEST_F(YardTextsTest, WrittenFileHasOneElementPerLineWithTwoBlanks) {
    const ms::YardRow& row = yard("EN", "Steam");
    const fs::path file = f.dir.path() / "texts.xml";
    ms::WriteYardTexts(file, row, "Dampf");
    EXPECT_EQ(readFile(file), crlf("<ModOps>\n"
                                   "  <ModOp Type=\"add\" Path=\"/TextExport/Texts\">\n"
                                   "    <Text>\n"
                                   "      <GUID>2000500045</GUID>\n"
                                   "      <Text>Dampf</Text>\n"
                                   "    </Text>\n"
                                   "  </ModOp>\n"
                                   "  <ModOp Type=\"add\" Path=\"/TextExport/Texts\">\n"
                                   "    <Text>\n"
                                   "      <GUID>2000500046</GUID>\n"
                                   "      <Text>In dieser Dampfschiffswerft können neben den normalen auch "
                                   "besonders entwickelte Dampfschiffe gebaut werden.</Text>\n"
                                   "    </Text>\n"
                                   "  </ModOp>\n"
                                   "</ModOps>\n"));
}

TEST_F(YardTextsTest, EmptyNameWritesAnEmptyText) {
    const ms::YardRow& row = yard("AW", "Sail");
    ms::RenameYard(row, "");
    EXPECT_EQ(texts(ms::YardTextsFile(f.xmla / row.folder))[0],
              (std::pair<std::string, std::string>{"2000500020", ""}));
    EXPECT_EQ(ms::ReadYardName(row), "");
}

TEST_F(YardTextsTest, YardNeverShownChangesOnlyTheTemplate) {
    const ms::YardRow& row = yard("NW", "Sail");
    const ms::YardRenameResult result = ms::RenameYard(row, "Neu");
    EXPECT_TRUE(result.templateWritten);
    EXPECT_FALSE(result.deployedWritten);
    EXPECT_TRUE(f.modEntries().empty());
    EXPECT_EQ(ms::ReadYardNames("NW").sail, "Neu");
    EXPECT_EQ(ms::ReadYardNames("NW").steam, "Neue Dampfschiffswerft");
}

TEST_F(YardTextsTest, NameWithControlCharactersIsRefusedBeforeAnyWrite) {
    const ms::YardRow& row = yard("AW", "Steam");
    ms::DeployYard(row);
    const std::string before = readTemplate(row, mstest::kYardTextsPath);
    for (const std::string bad : {std::string("a\rb"), std::string("x\x01"), std::string("\xC3(")}) {
        EXPECT_FALSE(ms::CheckYardName(bad).empty());
        EXPECT_THROW(ms::RenameYard(row, bad), ms::Error);
    }
    EXPECT_TRUE(ms::CheckYardName("Königliche Werft \"Nord\"").empty());
    EXPECT_EQ(readTemplate(row, mstest::kYardTextsPath), before);
    EXPECT_EQ(readFile(ms::YardTextsFile(f.mods / row.folder)), before);
}

TEST_F(YardTextsTest, UnreadableTemplateTextGivesAnEmptyName) {
    const ms::YardRow& row = yard("EN", "Sail");
    mstest::writeFile(ms::YardTextsFile(f.xmla / row.folder), "<ModOps><ModOp>");
    EXPECT_EQ(ms::ReadYardName(row), "");
    ms::DeleteFolder(f.xmla / row.folder);
    EXPECT_EQ(ms::ReadYardNames("EN").sail, "");
    EXPECT_EQ(ms::ReadYardNames("EN").steam, "Neue Dampfschiffswerft");
}

} // namespace
