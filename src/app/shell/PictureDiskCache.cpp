#include "shell/PictureDiskCache.h"

#include "shell/AtomicFile.h"
#include "shell/Error.h"
#include "shell/Journal.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QStandardPaths>

#include <cstring>

namespace ms::gui {

namespace {
constexpr char Magic[4] = {'S', 'P', 'I', 'C'};

struct Header {
    char magic[4];
    qint32 width;
    qint32 height;
    qint32 format;
    qint64 bytes;
};

QString fileFor(const QString& key) {
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::GenericCacheLocation) +
                           QStringLiteral("/MarvessaSpantora/pictures");
    const QByteArray hash = QCryptographicHash::hash(key.toUtf8(), QCryptographicHash::Sha1).toHex();
    return folder + QLatin1Char('/') + QString::fromLatin1(hash) + QStringLiteral(".pic");
}
} // namespace

QImage PictureDiskCache::load(const QString& key) {
    QFile file(fileFor(key));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    Header header{};
    if (file.read(reinterpret_cast<char*>(&header), sizeof header) != qint64(sizeof header) ||
        std::memcmp(header.magic, Magic, sizeof Magic) != 0 || header.width <= 0 || header.height <= 0 ||
        header.format != QImage::Format_ARGB32_Premultiplied)
        return {};
    QImage image(header.width, header.height, QImage::Format_ARGB32_Premultiplied);
    if (image.isNull() || header.bytes != image.sizeInBytes() ||
        file.size() != qint64(sizeof header) + header.bytes)
        return {};
    if (file.read(reinterpret_cast<char*>(image.bits()), header.bytes) != header.bytes)
        return {};
    return image;
}

void PictureDiskCache::store(const QString& key, const QImage& image) {
    // A picture drawn while an operation's journal is open (a message window shown in the middle of
    // it) would become part of that commit; it is kept at the next drawing instead.
    if (image.format() != QImage::Format_ARGB32_Premultiplied || Journal::current())
        return;
    const QString path = fileFor(key);
    if (!QDir().mkpath(QFileInfo(path).absolutePath()))
        return;
    Header header{{Magic[0], Magic[1], Magic[2], Magic[3]},
                  image.width(),
                  image.height(),
                  QImage::Format_ARGB32_Premultiplied,
                  image.sizeInBytes()};
    std::string bytes(reinterpret_cast<const char*>(&header), sizeof header);
    bytes.append(reinterpret_cast<const char*>(image.constBits()), static_cast<size_t>(image.sizeInBytes()));
    try {
        writeFileAtomic(path.toStdString(), bytes, Flush::Later); // a lost cache file is drawn again
    } catch (const ms::Error&) {
    }
}

} // namespace ms::gui
