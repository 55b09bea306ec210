#include <QFile>
#include <gtest/gtest.h>

TEST(Resources, ArchiveAndFontAreEmbedded) {
    QFile zip(QStringLiteral(":/embedded/XMLA.zip"));
    ASSERT_TRUE(zip.open(QIODevice::ReadOnly));
    EXPECT_EQ(zip.read(4), QByteArray("PK\x03\x04", 4));
    QFile font(QStringLiteral(":/embedded/Heuristica-Regular.otf"));
    ASSERT_TRUE(font.open(QIODevice::ReadOnly));
    EXPECT_EQ(font.size(), 205372);
}
