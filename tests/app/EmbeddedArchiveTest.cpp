#include "shell/DataArchive.h"
#include "support/TempDir.h"

#include <QFile>
#include <gtest/gtest.h>

namespace fs = std::filesystem;

// The archive in the executable must carry the delivered data set exactly, byte for byte.
TEST(EmbeddedArchive, UnpacksToExactlyTheDeliveredDataSet) {
    QFile zip(QStringLiteral(":/embedded/XMLA.zip"));
    ASSERT_TRUE(zip.open(QIODevice::ReadOnly));
    const QByteArray bytes = zip.readAll();
    mstest::TempDir tmp;
    ms::unpackZip(std::string(bytes.constData(), size_t(bytes.size())), "XMLA.zip", tmp.path());

    const fs::path delivered = SPANTORA_DATA_DIR;
    size_t files = 0;
    for (const auto& entry : fs::recursive_directory_iterator(delivered)) {
        const fs::path relative = fs::relative(entry.path(), delivered);
        const fs::path unpacked = tmp / "XMLA" / relative;
        if (entry.is_directory()) {
            EXPECT_TRUE(fs::is_directory(unpacked)) << relative;
            continue;
        }
        ++files;
        ASSERT_TRUE(fs::is_regular_file(unpacked)) << relative;
        EXPECT_EQ(mstest::readFile(unpacked), mstest::readFile(entry.path())) << relative;
    }
    size_t unpackedFiles = 0;
    for (const auto& entry : fs::recursive_directory_iterator(tmp / "XMLA"))
        unpackedFiles += entry.is_regular_file() ? 1 : 0;
    EXPECT_EQ(unpackedFiles, files);
    EXPECT_GT(files, 100u);
}

TEST(EmbeddedArchive, DisplayFontIsTheUnmodifiedHeuristica) {
    QFile font(QStringLiteral(":/embedded/Heuristica-Regular.otf"));
    ASSERT_TRUE(font.open(QIODevice::ReadOnly));
    const std::string shipped = mstest::readFile(fs::path(SPANTORA_SOURCE_DIR) / "data/fonts/Heuristica-Regular.otf");
    const QByteArray embedded = font.readAll();
    EXPECT_EQ(std::string(embedded.constData(), size_t(embedded.size())), shipped);
    EXPECT_EQ(embedded.left(4), QByteArray("OTTO"));
}
