#pragma once

#include <QIcon>
#include <QImage>
#include <QPixmap>
#include <QSize>
#include <QString>

class QLabel;

namespace ms::gui {

// The program's pictures, looked up by name without regard to case. Two sets share the names of the
// ship icons: the standard set (ship icons, their "_star" forms and every other picture of the
// windows) and the new-ship set, which shows activated new ships in the drawn build menus under the
// plain icon name. Pictures are drawn from their vector sources at the asked size and kept.
class ImageCollection {
  public:
    enum class Set { Standard, NewShips };

    // A picture at exactly `size` pixels (its own aspect ratio kept, centred on a transparent
    // ground); an empty size gives the picture's own size. An unknown name gives a null pixmap.
    static QPixmap pixmap(const QString& name, const QSize& size, Set set = Set::Standard);
    static QImage image(const QString& name, const QSize& size, Set set = Set::Standard);
    static bool contains(const QString& name, Set set = Set::Standard);
    // The picture at the usual list and button sizes; a null icon for an unknown name.
    static QIcon icon(const QString& name, Set set = Set::Standard);
    // The natural size of a picture (as drawn), or an invalid size for an unknown name.
    static QSize defaultSize(const QString& name, Set set = Set::Standard);
    // All names of a set, in the spelling of their sources.
    static QStringList names(Set set = Set::Standard);

    // Adds or replaces a picture at run time; it is scaled like the embedded ones. A null image
    // removes an earlier registration and lets the embedded picture of that name show again.
    static void registerImage(const QString& name, const QImage& image, Set set = Set::Standard);
};

// The property in which a label or button keeps the name of the picture it shows (tests read it).
inline constexpr const char* PictureNameProperty = "pictureName";

// Shows the picture `name` at `size` on the label and keeps the name in PictureNameProperty.
void showNamedPicture(QLabel* label, const QString& name, const QSize& size,
                      ImageCollection::Set set = ImageCollection::Set::Standard);

} // namespace ms::gui
