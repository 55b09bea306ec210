#include "shell/ImageCollection.h"

#include <QLabel>

#include "shell/PictureDiskCache.h"
#include "shell/Resources.h"

#include <QCryptographicHash>
#include <QFile>

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QHash>
#include <QIconEngine>
#include <QPainter>
#include <QStyle>
#include <QStyleOption>
#include <QSvgRenderer>

#include <memory>

namespace ms::gui {

namespace {

struct SetContent {
    QHash<QString, QString> sources;   // lower-case name -> resource path of the drawing
    QHash<QString, QString> spellings; // lower-case name -> name as the source spells it
    QHash<QString, QImage> registered; // lower-case name -> picture added at run time
};

struct Collection {
    SetContent sets[2];
    QHash<QString, QPixmap> cache;
    // A ship's picture is drawn at several sizes; its drawing is read once.
    QHash<QString, std::shared_ptr<QSvgRenderer>> renderers;
    bool loaded = false;

    QSvgRenderer& renderer(const QString& source) {
        std::shared_ptr<QSvgRenderer>& r = renderers[source];
        if (!r)
            r = std::make_shared<QSvgRenderer>(source);
        return *r;
    }

    SetContent& set(ImageCollection::Set s) { return sets[s == ImageCollection::Set::NewShips ? 1 : 0]; }

    void load() {
        if (loaded)
            return;
        loaded = true;
        initResources();
        scan(QStringLiteral(":/images"), sets[0]);
        scan(QStringLiteral(":/images/newships"), sets[1]);
    }

    static void scan(const QString& folder, SetContent& into) {
        const QFileInfoList files = QDir(folder).entryInfoList({QStringLiteral("*.svg")}, QDir::Files);
        for (const QFileInfo& file : files) {
            const QString name = file.completeBaseName();
            into.sources.insert(name.toLower(), file.filePath());
            into.spellings.insert(name.toLower(), name);
        }
    }
};

Collection& collection() {
    static Collection instance;
    instance.load();
    return instance;
}

// Where a picture of `natural` size lands inside `target` with its proportions kept.
QRectF fitted(const QSizeF& natural, const QSize& target) {
    if (natural.isEmpty())
        return QRectF(QPointF(0, 0), QSizeF(target));
    const QSizeF scaled = natural.scaled(QSizeF(target), Qt::KeepAspectRatio);
    return QRectF(QPointF((target.width() - scaled.width()) / 2.0, (target.height() - scaled.height()) / 2.0),
                  scaled);
}

QString cacheKey(const QString& lowerName, const QSize& size, ImageCollection::Set set) {
    return QStringLiteral("%1|%2|%3x%4")
        .arg(set == ImageCollection::Set::NewShips ? 1 : 0)
        .arg(lowerName)
        .arg(size.width())
        .arg(size.height());
}

} // namespace

QImage ImageCollection::image(const QString& name, const QSize& size, Set set) {
    SetContent& content = collection().set(set);
    const QString key = name.toLower();

    const auto added = content.registered.constFind(key);
    if (added != content.registered.constEnd()) {
        const QSize target = size.isEmpty() ? added->size() : size;
        QImage canvas(target, QImage::Format_ARGB32_Premultiplied);
        canvas.fill(Qt::transparent);
        QPainter painter(&canvas);
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        painter.drawImage(fitted(QSizeF(added->size()), target), *added);
        return canvas;
    }

    const auto source = content.sources.constFind(key);
    if (source == content.sources.constEnd())
        return {};
    QString diskKey;
    if (!size.isEmpty()) {
        QFile drawing(*source);
        if (drawing.open(QIODevice::ReadOnly))
            diskKey = QStringLiteral("%1|%2x%3|").arg(*source).arg(size.width()).arg(size.height()) +
                      QString::fromLatin1(
                          QCryptographicHash::hash(drawing.readAll(), QCryptographicHash::Sha1).toHex());
        if (QImage kept = PictureDiskCache::load(diskKey); kept.size() == size)
            return kept;
    }
    QSvgRenderer& renderer = collection().renderer(*source);
    if (!renderer.isValid())
        return {};
    const QSize target = size.isEmpty() ? renderer.defaultSize() : size;
    if (target.isEmpty())
        return {};
    QImage canvas(target, QImage::Format_ARGB32_Premultiplied);
    canvas.fill(Qt::transparent);
    QPainter painter(&canvas);
    painter.setRenderHint(QPainter::Antialiasing);
    renderer.render(&painter, fitted(QSizeF(renderer.defaultSize()), target));
    painter.end();
    if (!diskKey.isEmpty())
        PictureDiskCache::store(diskKey, canvas);
    return canvas;
}

QPixmap ImageCollection::pixmap(const QString& name, const QSize& size, Set set) {
    Collection& all = collection();
    // Drawn for the screen's pixels, so that windows drawn larger or smaller than their layout
    // still show crisp pictures.
    const qreal ratio = qGuiApp ? qGuiApp->devicePixelRatio() : 1.0;
    const QString key = cacheKey(name.toLower(), size, set) + QStringLiteral("@%1").arg(ratio);
    const auto cached = all.cache.constFind(key);
    if (cached != all.cache.constEnd())
        return *cached;
    const bool scaled = ratio != 1.0 && !size.isEmpty();
    const QImage drawn = image(name, scaled ? (QSizeF(size) * ratio).toSize() : size, set);
    if (drawn.isNull())
        return {}; // unknown names are not cached: a later registration may supply them
    QPixmap result = QPixmap::fromImage(drawn);
    if (scaled)
        result.setDevicePixelRatio(ratio);
    all.cache.insert(key, result);
    return result;
}

bool ImageCollection::contains(const QString& name, Set set) {
    const SetContent& content = collection().set(set);
    const QString key = name.toLower();
    return content.registered.contains(key) || content.sources.contains(key);
}

namespace {
// Draws a picture of the collection at the size a control asks for, once it asks: a window full of
// icons costs nothing until it is painted, and no size is drawn that is never shown.
class CollectionIconEngine : public QIconEngine {
  public:
    CollectionIconEngine(QString name, ImageCollection::Set set) : m_name(std::move(name)), m_set(set) {}

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) override {
        painter->drawPixmap(rect, pixmap(rect.size(), mode, state));
    }
    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State) override {
        const QPixmap plain = ImageCollection::pixmap(m_name, size, m_set);
        if (plain.isNull() || mode == QIcon::Normal || mode == QIcon::Active || !qApp)
            return plain;
        QStyleOption option;
        option.palette = QGuiApplication::palette();
        return QApplication::style()->generatedIconPixmap(mode, plain, &option);
    }
    QSize actualSize(const QSize& size, QIcon::Mode, QIcon::State) override { return size; }
    QIconEngine* clone() const override { return new CollectionIconEngine(m_name, m_set); }
    QString key() const override { return QStringLiteral("SpantoraImageCollection"); }

  private:
    QString m_name;
    ImageCollection::Set m_set;
};
} // namespace

QIcon ImageCollection::icon(const QString& name, Set set) {
    if (!contains(name, set))
        return {};
    return QIcon(new CollectionIconEngine(name, set));
}

QSize ImageCollection::defaultSize(const QString& name, Set set) {
    const SetContent& content = collection().set(set);
    const QString key = name.toLower();
    const auto added = content.registered.constFind(key);
    if (added != content.registered.constEnd())
        return added->size();
    const auto source = content.sources.constFind(key);
    if (source == content.sources.constEnd())
        return {};
    return collection().renderer(*source).defaultSize();
}

QStringList ImageCollection::names(Set set) {
    const SetContent& content = collection().set(set);
    QStringList result = content.spellings.values();
    for (auto it = content.registered.constBegin(); it != content.registered.constEnd(); ++it)
        if (!content.spellings.contains(it.key()))
            result.append(it.key());
    result.sort(Qt::CaseInsensitive);
    return result;
}

void ImageCollection::registerImage(const QString& name, const QImage& image, Set set) {
    Collection& all = collection();
    SetContent& content = all.set(set);
    if (image.isNull())
        content.registered.remove(name.toLower());
    else
        content.registered.insert(name.toLower(), image.convertToFormat(QImage::Format_ARGB32_Premultiplied));
    // Sizes of the name may be cached from the former picture; the cache is small, start it afresh.
    all.cache.clear();
}

void showNamedPicture(QLabel* label, const QString& name, const QSize& size, ImageCollection::Set set) {
    label->setPixmap(ImageCollection::pixmap(name, size, set));
    label->setProperty(PictureNameProperty, name);
}

} // namespace ms::gui
