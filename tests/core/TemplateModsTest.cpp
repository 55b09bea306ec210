// The delivered template mods of the six shipyards and of the sail-weaving factory: what the yard code
// relies on after deployment, and bytes the game's mod loader accepts.
#include "shell/XmlFile.h"
#include "support/StrictJson.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

namespace fs = std::filesystem;
using mstest::readFile;

namespace {

struct YardRow {
    const char* folder;
    bool sail;
    const char* assetGuid;
    const char* nameGuid;
    const char* descriptionGuid;
    const char* insertedAfter;
    const char* modId; // the delivered trailing blanks are part of the value
    const char* modName;
    bool enbesa;
};

const YardRow kYards[] = {
    {"[Spantora] AW Neue Segelschiffswerft", true, "2000500020", "2000500020", "2000500021", "1010520",
     "AW Neue Segelschiffswerft ", "AW Neue Segelschiffswerft ", false},
    {"[Spantora] AW Neue Dampfschiffswerft", false, "2000500023", "2000500023", "2000500024", "1010521",
     "AW Neue Dampfschiffswerft ", "AW Neue Dampfschiffswerft ", false},
    {"[Spantora] NW Neue Segelschiffswerft", true, "2000500030", "2000500030", "2000500031", "1010520",
     "NW Neue Segelschiffswerft ", "NW Neue Segelschiffswerft ", false},
    {"[Spantora] NW Neue Dampfschiffswerft", false, "2000500033", "2000500033", "2000500034", "1010521",
     "NW Neue Dampfschiffswerft ", "NW Neue Dampfschiffswerft ", false},
    {"[Spantora] EN Neue Segelschiffswerft", true, "2000500040", "2000500040", "2000500041", "1010521",
     "EN Neue Segelschiffswerft", "EN Neue Segelschiffswerft", true},
    {"[Spantora] EN Neue Dampfschiffswerft", false, "2000500045", "2000500045", "2000500046", "1010521",
     "EN Neue Dampfschiffswerft ", "EN Neue Dampfschiffswerft", true},
};
const char* const kFactory = "[Spantora] Segelweberei Enbesa";

const fs::path kData = SPANTORA_DATA_DIR;

std::vector<fs::path> allTemplateFolders() {
    std::vector<fs::path> folders;
    for (const auto& yard : kYards)
        folders.push_back(kData / yard.folder);
    folders.push_back(kData / kFactory);
    return folders;
}

std::vector<fs::path> filesWithExtension(const std::string& extension) {
    std::vector<fs::path> files;
    for (const auto& folder : allTemplateFolders())
        for (const auto& entry : fs::recursive_directory_iterator(folder))
            if (entry.is_regular_file() && entry.path().extension() == extension)
                files.push_back(entry.path());
    return files;
}

fs::path assetsFile(const fs::path& folder) {
    return folder / "data/config/export/main/asset/assets.xml";
}
fs::path textsFile(const fs::path& folder) {
    return folder / "data/config/gui/texts_german.xml";
}

std::string childText(const pugi::xpath_node& node, const char* path) {
    return node.node().select_node(path).node().text().as_string();
}

// CR LF after every line, no bare LF or CR anywhere.
::testing::AssertionResult hasCrLfLinesOnly(const std::string& bytes) {
    for (size_t i = 0; i < bytes.size(); ++i) {
        if (bytes[i] == '\n' && (i == 0 || bytes[i - 1] != '\r'))
            return ::testing::AssertionFailure() << "bare LF at byte " << i;
        if (bytes[i] == '\r' && (i + 1 == bytes.size() || bytes[i + 1] != '\n'))
            return ::testing::AssertionFailure() << "bare CR at byte " << i;
    }
    if (bytes.size() < 2 || bytes.compare(bytes.size() - 2, 2, "\r\n") != 0)
        return ::testing::AssertionFailure() << "no line end after the last line";
    return ::testing::AssertionSuccess();
}

std::string decodeBase64(const std::string& text) {
    static const std::string alphabet = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
    std::string out;
    uint32_t buffer = 0;
    int bits = 0;
    for (char c : text) {
        if (c == '=')
            break;
        const auto k = alphabet.find(c);
        if (k == std::string::npos)
            return {};
        buffer = (buffer << 6) | static_cast<uint32_t>(k);
        bits += 6;
        if (bits >= 8) {
            bits -= 8;
            out.push_back(static_cast<char>((buffer >> bits) & 0xFF));
        }
    }
    return out;
}

uint32_t le32(const std::string& b, size_t at) {
    return static_cast<uint32_t>(static_cast<unsigned char>(b[at])) |
           static_cast<uint32_t>(static_cast<unsigned char>(b[at + 1])) << 8 |
           static_cast<uint32_t>(static_cast<unsigned char>(b[at + 2])) << 16 |
           static_cast<uint32_t>(static_cast<unsigned char>(b[at + 3])) << 24;
}
uint32_t be32(const std::string& b, size_t at) {
    return static_cast<uint32_t>(static_cast<unsigned char>(b[at])) << 24 |
           static_cast<uint32_t>(static_cast<unsigned char>(b[at + 1])) << 16 |
           static_cast<uint32_t>(static_cast<unsigned char>(b[at + 2])) << 8 |
           static_cast<uint32_t>(static_cast<unsigned char>(b[at + 3]));
}

} // namespace

TEST(TemplateMods, EveryFolderHoldsTheFilesOfAGameMod) {
    for (const auto& yard : kYards) {
        SCOPED_TRACE(yard.folder);
        const fs::path f = kData / yard.folder;
        const std::string region = std::string(yard.folder).substr(11, 2) == "AW"   ? "aw"
                                   : std::string(yard.folder).substr(11, 2) == "NW" ? "nw"
                                                                                    : "en";
        const std::string model = yard.sail ? "harbor_02" : "harbor_03";
        const std::string icon = yard.sail ? "icon_sail_shipyard_0" : "icon_steam_shipyard_0";
        std::vector<fs::path> expected = {f / "modinfo.json", assetsFile(f), textsFile(f),
                                          f / "data/icon" / (icon + ".dds"),
                                          f / "data/icon" / (icon + ".png")};
        for (const char* ext : {".bfg", ".cfg", ".fc", ".ifo"})
            expected.push_back(f / "data/graphics" / region / (model + ext));
        for (int level = 0; level < 5; ++level)
            expected.push_back(f / "data/graphics" / region / "maps" /
                               ((yard.sail ? "diff_" : "harbor_03_diff_") + std::to_string(level) + ".dds"));
        for (const auto& path : expected)
            EXPECT_TRUE(fs::is_regular_file(path)) << path;
    }
    const fs::path factory = kData / kFactory;
    for (const auto& path :
         {factory / "modinfo.json", assetsFile(factory), textsFile(factory),
          factory / "data/icons/icon_sail_factory.dds", factory / "data/icons/icon_sail_factory.png",
          factory / "data/graphics/en/factory_colony_01_02.cfg"})
        EXPECT_TRUE(fs::is_regular_file(path)) << path;
}

TEST(TemplateMods, EachYardHasOneShipyardWithAnEmptyBuildMenuAndItsOperations) {
    for (const auto& yard : kYards) {
        SCOPED_TRACE(yard.folder);
        pugi::xml_document doc;
        ms::loadXml(doc, assetsFile(kData / yard.folder));

        ASSERT_EQ(doc.select_nodes("//Shipyard").size(), 1u);
        const auto menu = doc.select_nodes("//ModOps/ModOp/Asset/Values/Shipyard/AssemblyOptions");
        ASSERT_EQ(menu.size(), 1u);
        EXPECT_FALSE(menu.first().node().first_child()) << "the template's build menu must be empty";

        const auto ops = doc.select_nodes("/ModOps/ModOp");
        ASSERT_EQ(ops.size(), 6u);
        // The yard asset, inserted after its game asset.
        EXPECT_STREQ(ops[0].node().attribute("GUID").value(), yard.insertedAfter);
        EXPECT_STREQ(ops[0].node().attribute("Type").value(), "addNextSibling");
        EXPECT_EQ(childText(ops[0], "Asset/Template"), "Shipyard");
        EXPECT_EQ(childText(ops[0], "Asset/Values/Standard/GUID"), yard.assetGuid);
        EXPECT_EQ(childText(ops[0], "Asset/Values/Standard/InfoDescription"), yard.descriptionGuid);
        EXPECT_EQ(childText(ops[0], "Asset/Values/Standard/IconFilename"),
                  yard.sail ? "data/icon/icon_sail_shipyard_0.png" : "data/icon/icon_steam_shipyard_0.png");
        // Unhide, then unlock: both name the yard.
        for (size_t i : {1u, 2u}) {
            EXPECT_STREQ(ops[i].node().attribute("GUID").value(), "130216");
            EXPECT_EQ(childText(ops[i], "Asset/Template"), "Trigger");
            EXPECT_EQ(childText(ops[i], "Asset/Values/TriggerSetup/UsedBySecondParties"), "0");
        }
        EXPECT_EQ(childText(ops[1], ".//ActionUnlockAsset/UnhideAssets/Item/Asset"), yard.assetGuid);
        EXPECT_EQ(childText(ops[2], ".//ActionUnlockAsset/UnlockAssets/Item/Asset"), yard.assetGuid);
        // Two build-menu entries and the trade route setting.
        for (size_t i : {3u, 4u}) {
            EXPECT_EQ(std::string(ops[i].node().attribute("Path").value())
                          .rfind("Values/ConstructionCategory/BuildingList/Item[Building='", 0),
                      0u);
            EXPECT_EQ(childText(ops[i], "Item/Building"), yard.assetGuid);
        }
        EXPECT_STREQ(ops[5].node().attribute("Type").value(), "merge");
        EXPECT_STREQ(ops[5].node().attribute("GUID").value(), "140011");
        EXPECT_EQ(ops[5].node().child("Oil").empty(), yard.sail) << "only the steamship yards carry oil";
    }
}

TEST(TemplateMods, RewritingAYardAssetFileChangesNoByte) {
    // The build-menu rebuild loads and saves a deployed yard's assets.xml; everything but the menu must
    // stay as delivered, so the template already has the bytes of that writer.
    for (const auto& yard : kYards) {
        SCOPED_TRACE(yard.folder);
        const fs::path file = assetsFile(kData / yard.folder);
        pugi::xml_document doc;
        ms::loadXml(doc, file);
        EXPECT_EQ(ms::renderXml(doc, ms::xmlFormat(ms::XmlKind::YardAssets)), readFile(file));
    }
}

TEST(TemplateMods, FirstTextIsTheYardNameUnderItsNameGuid) {
    for (const auto& yard : kYards) {
        SCOPED_TRACE(yard.folder);
        pugi::xml_document doc;
        ms::loadXml(doc, textsFile(kData / yard.folder));
        const auto texts = doc.document_element().select_nodes("ModOp/Text/Text");
        ASSERT_EQ(texts.size(), 2u);
        EXPECT_STREQ(texts[0].node().text().as_string(),
                     yard.sail ? "Neue Segelschiffswerft" : "Neue Dampfschiffswerft");
        EXPECT_STREQ(texts[0].node().previous_sibling("GUID").text().as_string(), yard.nameGuid);
        EXPECT_STREQ(texts[1].node().previous_sibling("GUID").text().as_string(), yard.descriptionGuid);
        EXPECT_STREQ(texts[1].node().text().as_string(),
                     yard.sail
                         ? "In dieser Segelschiffswerft können neben den normalen auch besonders entwickelte "
                           "Segelschiffe gebaut werden."
                         : "In dieser Dampfschiffswerft können neben den normalen auch besonders entwickelte "
                           "Dampfschiffe gebaut werden.");
        for (const auto& op : doc.document_element().select_nodes("ModOp")) {
            EXPECT_STREQ(op.node().attribute("Type").value(), "add");
            EXPECT_STREQ(op.node().attribute("Path").value(), "/TextExport/Texts");
        }
    }
}

TEST(TemplateMods, TextFilesAreUtf8WithoutBomWithCrLfAndTabs) {
    for (const auto& folder : allTemplateFolders()) {
        SCOPED_TRACE(folder.filename().string());
        const std::string bytes = readFile(textsFile(folder));
        EXPECT_FALSE(ms::startsWithByteOrderMark(bytes));
        EXPECT_EQ(bytes.rfind("<ModOps>\r\n\t<ModOp ", 0), 0u);
        EXPECT_TRUE(hasCrLfLinesOnly(bytes));
        EXPECT_EQ(bytes.find("\n "), std::string::npos) << "indented with blanks";
        EXPECT_NE(bytes.find("\t\t\t<GUID>"), std::string::npos);
    }
}

TEST(TemplateMods, ModInfoIsStrictJsonWithTheKeysInOrder) {
    const std::vector<std::string> keys = {
        "Version",     "ModID",       "IncompatibleIds", "ModDependencies", "Category",       "ModName",
        "Description", "KnownIssues", "DLCDependencies", "CreatorName",     "CreatorContact", "Image"};
    for (const auto& folder : allTemplateFolders()) {
        SCOPED_TRACE(folder.filename().string());
        const std::string json = readFile(folder / "modinfo.json");
        EXPECT_EQ(json.rfind("{\r\n\"Version\": \"18.5.5.12\",\r\n\"ModID\": \"", 0), 0u);
        EXPECT_TRUE(hasCrLfLinesOnly(json));
        const auto check = mstest::checkStrictJson(json);
        ASSERT_TRUE(check.ok) << check.error;
        EXPECT_EQ(check.topLevelKeys, keys);
    }
    const std::string enbesaDlc = "  \"DLCDependencies\": [\r\n    {\r\n      \"DLC\": \"Duenenmark\",\r\n"
                                  "      \"Dependant\": \"required\"\r\n    }\r\n  ],\r\n";
    for (const auto& yard : kYards) {
        SCOPED_TRACE(yard.folder);
        const std::string json = readFile(kData / yard.folder / "modinfo.json");
        EXPECT_EQ(mstest::jsonString(json, "ModID"), yard.modId);
        EXPECT_EQ(mstest::jsonString(json, "ModName", "German"), yard.modName);
        EXPECT_EQ(mstest::jsonString(json, "Category", "German"), "Building");
        EXPECT_EQ(json.find(enbesaDlc) != std::string::npos, yard.enbesa);
        EXPECT_EQ(json.find("  \"DLCDependencies\": null,\r\n") != std::string::npos, !yard.enbesa);
    }
    const std::string factory = readFile(kData / kFactory / "modinfo.json");
    EXPECT_EQ(mstest::jsonString(factory, "ModID"), "Segelweberei Enbesa");
    EXPECT_EQ(mstest::jsonString(factory, "Category", "German"), "Spantora");
    EXPECT_NE(factory.find(enbesaDlc), std::string::npos);
}

TEST(TemplateMods, ModInfoImageIsAComplete128PixelPng) {
    for (const auto& folder : allTemplateFolders()) {
        SCOPED_TRACE(folder.filename().string());
        const auto image = mstest::jsonString(readFile(folder / "modinfo.json"), "Image");
        ASSERT_TRUE(image.has_value());
        const std::string png = decodeBase64(*image);
        ASSERT_GE(png.size(), 45u);
        EXPECT_EQ(png.substr(0, 8), std::string("\x89PNG\r\n\x1a\n", 8));
        EXPECT_EQ(png.substr(12, 4), "IHDR");
        EXPECT_EQ(be32(png, 16), 128u);
        EXPECT_EQ(be32(png, 20), 128u);
        EXPECT_EQ(png.substr(png.size() - 8, 4), "IEND") << "picture cut short";
    }
}

TEST(TemplateMods, EveryXmlFileIsWellFormedForXmllint) {
    if (std::system("command -v xmllint >/dev/null 2>&1") != 0)
        GTEST_SKIP() << "xmllint is not installed";
    const auto files = filesWithExtension(".xml");
    ASSERT_EQ(files.size(), 14u);
    for (const auto& file : files) {
        // The folder names hold blanks and brackets but never a single quote.
        const std::string command = "xmllint --noout '" + file.string() + "' 2>/dev/null";
        EXPECT_EQ(std::system(command.c_str()), 0) << file;
    }
}

TEST(TemplateMods, EveryDdsHasAValidUncompressedHeader) {
    const auto files = filesWithExtension(".dds");
    ASSERT_FALSE(files.empty());
    for (const auto& file : files) {
        SCOPED_TRACE(file.string());
        const std::string b = readFile(file);
        ASSERT_GE(b.size(), 128u);
        EXPECT_EQ(b.substr(0, 4), "DDS ");
        EXPECT_EQ(le32(b, 4), 124u); // header size
        EXPECT_EQ(le32(b, 76), 32u); // pixel format size
        const uint32_t height = le32(b, 12), width = le32(b, 16);
        EXPECT_GT(width, 0u);
        EXPECT_GT(height, 0u);
        EXPECT_EQ(le32(b, 80) & 0x40u, 0x40u); // uncompressed RGB
        EXPECT_EQ(le32(b, 88), 32u);           // bits per pixel
        EXPECT_EQ(b.size(), 128u + size_t(width) * height * 4) << "pixel data cut short or too long";
        if (file.parent_path().filename() == "icon" || file.parent_path().filename() == "icons") {
            EXPECT_EQ(width, 128u);
            EXPECT_EQ(height, 128u);
        }
    }
}

TEST(TemplateMods, FactoryIsNoShipyardAndCarriesItsTexts) {
    const fs::path folder = kData / kFactory;
    pugi::xml_document doc;
    ms::loadXml(doc, assetsFile(folder));
    EXPECT_TRUE(doc.select_nodes("//Shipyard").empty());
    const auto asset = doc.select_node("/ModOps/ModOp[@GUID='1010288']/Asset");
    ASSERT_TRUE(asset);
    EXPECT_EQ(childText(asset, "Template"), "FactoryBuilding7");
    EXPECT_EQ(childText(asset, "Values/Standard/GUID"), "2000500110");
    EXPECT_EQ(childText(asset, "Values/Standard/IconFilename"), "data/icons/icon_sail_factory.png");
    EXPECT_EQ(doc.select_nodes("//ActionUnlockAsset//Asset[.='2000500110']").size(), 2u);

    pugi::xml_document texts;
    ms::loadXml(texts, textsFile(folder));
    const auto first = texts.document_element().select_node("ModOp/Text/Text");
    EXPECT_STREQ(first.node().text().as_string(), "Segelweberei");
    EXPECT_STREQ(first.node().previous_sibling("GUID").text().as_string(), "2000500110");
}
