#include "shell/AtomicFile.h"
#include "shell/Error.h"
#include "shell/XmlFile.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

using namespace ms;
using mstest::readFile;
using mstest::TempDir;
using mstest::writeFile;

TEST(XmlFile, ReformatKeepsDeclarationBomAndIndentsTwoBlanks) {
    TempDir dir;
    const auto file = dir / "a.xml";
    writeFile(file, "\xEF\xBB\xBF<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?><a x=\"1\" b=\"2\"><b>t</b>"
                    "<!--c--><c><d/></c></a>");
    ASSERT_TRUE(ReformatXmlFile(file));
    EXPECT_EQ(readFile(file), "\xEF\xBB\xBF<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>\r\n"
                              "<a x=\"1\" b=\"2\">\r\n  <b>t</b>\r\n  <!--c-->\r\n  <c>\r\n    <d />\r\n  </c>\r\n"
                              "</a>\r\n");
}

TEST(XmlFile, ReformatWithoutBomOrDeclarationAddsNone) {
    TempDir dir;
    const auto file = dir / "a.xml";
    writeFile(file, "<a>\n\t<b/>\n</a>\n");
    ReformatXmlFile(file);
    EXPECT_EQ(readFile(file), "<a>\r\n  <b />\r\n</a>\r\n");
}

TEST(XmlFile, SaveUsesTheBytesOfEachKind) {
    TempDir dir;
    pugi::xml_document doc;
    loadXmlFromString(doc, "<?xml version=\"1.0\"?><Ships><Ship GUID=\"1\" Name=\"A\"/></Ships>", "x");
    saveXml(doc, dir / "index.xml", XmlKind::ShipIndex);
    EXPECT_EQ(readFile(dir / "index.xml"), "<?xml version=\"1.0\"?>\r\n<Ships>\r\n\t<Ship GUID=\"1\" Name=\"A\" />\r\n</Ships>\r\n");

    saveXml(doc, dir / "assets.xml", XmlKind::ModAssets);
    EXPECT_EQ(readFile(dir / "assets.xml"), "\xEF\xBB\xBF<Ships>\r\n  <Ship GUID=\"1\" Name=\"A\" />\r\n</Ships>\r\n");
}

TEST(XmlFile, MissingAndMalformedFilesNameTheFile) {
    TempDir dir;
    pugi::xml_document doc;
    try {
        loadXml(doc, dir / "Missing.xml");
        FAIL();
    } catch (const Error& e) {
        EXPECT_NE(std::string(e.what()).find("Missing.xml"), std::string::npos);
    }
    writeFile(dir / "Broken.xml", "<a><b></a>");
    try {
        loadXml(doc, dir / "Broken.xml");
        FAIL();
    } catch (const Error& e) {
        EXPECT_NE(std::string(e.what()).find("Broken.xml"), std::string::npos);
    }
}

TEST(AtomicFile, FailedWriteLeavesTheOldFileAndNoTemporary) {
    TempDir dir;
    const auto file = dir / "data.xml";
    writeFile(file, "old content");
    setAtomicWriteFailureAfter(3);
    EXPECT_THROW(writeFileAtomic(file, "new content that does not fit"), Error);
    setAtomicWriteFailureAfter(-1);
    EXPECT_EQ(readFile(file), "old content");
    int entries = 0;
    for ([[maybe_unused]] auto& e : std::filesystem::directory_iterator(dir.path()))
        ++entries;
    EXPECT_EQ(entries, 1);
    writeFileAtomic(file, "new");
    EXPECT_EQ(readFile(file), "new");
}
