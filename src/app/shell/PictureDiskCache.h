#pragma once

#include <QImage>
#include <QString>

namespace ms::gui {

// Pictures drawn from their vector sources kept on disk between runs, so that a start does not
// draw them again (reading one costs a hundredth of drawing it): $XDG_CACHE_HOME/MarvessaSpantora/pictures/.
// The caller's key holds the drawing's own bytes (a changed drawing is a new key) and the size. The file is
// the image's pixels behind a small header, read back without decoding. Any failure only means the picture is
// drawn again.
class PictureDiskCache {
  public:
    static QImage load(const QString& key);
    static void store(const QString& key, const QImage& image);
};

} // namespace ms::gui
