#include "shell/PictureDiskCache.h"
#include "shell/Journal.h"
#include "support/TempDir.h"

#include <QDir>
#include <QStandardPaths>

#include <gtest/gtest.h>

namespace {

using ms::gui::PictureDiskCache;

// A kept picture comes back pixel for pixel; a file cut short or of another key gives nothing, so
// the caller draws the picture again.
TEST(PictureDiskCacheTest, KeptPicturesComeBackWholeAndBrokenFilesAreIgnored) {
    QImage picture(37, 21, QImage::Format_ARGB32_Premultiplied);
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x)
            picture.setPixel(x, y, qRgba(x * 6, y * 12, 200, 255));
    PictureDiskCache::store(QStringLiteral("probe|37x21|1"), picture);
    EXPECT_EQ(PictureDiskCache::load(QStringLiteral("probe|37x21|1")), picture);
    EXPECT_TRUE(PictureDiskCache::load(QStringLiteral("probe|37x21|2")).isNull());

    const QDir folder(QStandardPaths::writableLocation(QStandardPaths::GenericCacheLocation) +
                      QStringLiteral("/MarvessaSpantora/pictures"));
    for (const QString& name : folder.entryList(QDir::Files)) {
        QFile file(folder.filePath(name));
        ASSERT_TRUE(file.open(QIODevice::ReadWrite));
        file.resize(file.size() - 1);
    }
    EXPECT_TRUE(PictureDiskCache::load(QStringLiteral("probe|37x21|1")).isNull());

    // Nothing of an open journal's commit: a picture drawn meanwhile is not kept.
    mstest::TempDir data;
    {
        ms::Journal journal(data.path());
        PictureDiskCache::store(QStringLiteral("probe|37x21|3"), picture);
        journal.commit();
    }
    EXPECT_TRUE(PictureDiskCache::load(QStringLiteral("probe|37x21|3")).isNull());
}

} // namespace
