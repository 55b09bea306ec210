#include "shell/ImageCollection.h"

#include <QFile>
#include <QImage>
#include <QRegularExpression>
#include <QStringList>
#include <cstdlib>
#include <gtest/gtest.h>

using ms::gui::ImageCollection;

namespace {

QStringList indexIconNames() {
    QFile file(QStringLiteral(SPANTORA_DATA_DIR "/ShipShort.xml"));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    const QString text = QString::fromUtf8(file.readAll());
    QStringList names;
    const QRegularExpression icon(QStringLiteral(" Icon=\"([^\"]*)\""));
    for (auto it = icon.globalMatch(text); it.hasNext();)
        names.append(it.next().captured(1));
    names.removeDuplicates();
    return names;
}

// How many pixels of the picture are not fully transparent.
int opaquePixels(const QImage& image) {
    int count = 0;
    const QImage argb = image.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < argb.height(); ++y)
        for (int x = 0; x < argb.width(); ++x)
            count += qAlpha(argb.pixel(x, y)) > 0;
    return count;
}

// Every picture a window asks for by a fixed name.
const QStringList& windowPictureNames() {
    static const QStringList names{
        // main window and ship lists
        QStringLiteral("Fragezeichen128"), QStringLiteral("BlankEdged"), QStringLiteral("Exported"),
        QStringLiteral("Stern"), QStringLiteral("Separator"), QStringLiteral("MainBackground"),
        QStringLiteral("ShipTypeSail"), QStringLiteral("ShipTypeSteam"), QStringLiteral("ShipTypeExtra"),
        QStringLiteral("ShipTypeNew"), QStringLiteral("InAWShipYard"), QStringLiteral("NotInAWShipYard"),
        QStringLiteral("InNWShipYard"), QStringLiteral("NotInNWShipYard"), QStringLiteral("InENShipYard"),
        QStringLiteral("NotInENShipYard"),
        // panels, markers, picker and comparison openers
        QStringLiteral("Base1"), QStringLiteral("Base2"), QStringLiteral("Cost1"), QStringLiteral("Cost2"),
        QStringLiteral("Weapon1"), QStringLiteral("Weapon2"), QStringLiteral("Detail1"),
        QStringLiteral("Detail2"), QStringLiteral("Expedition1"), QStringLiteral("Expedition2"),
        QStringLiteral("ChangeDot"), QStringLiteral("NoProduct"), QStringLiteral("ProductShape"),
        QStringLiteral("BrownArrow"), QStringLiteral("GreenArrow"), QStringLiteral("BrownList"),
        QStringLiteral("GreenList"), QStringLiteral("Sail"), QStringLiteral("Steam"),
        QStringLiteral("Arbeiter"), QStringLiteral("Handwerker"), QStringLiteral("Ingenieure"),
        QStringLiteral("Investoren"), QStringLiteral("Jorlaneros"), QStringLiteral("Obreros"),
        QStringLiteral("Hirten"), QStringLiteral("Aelteste"), QStringLiteral("Jorlanero"),
        QStringLiteral("Obrero"),
        // message window
        QStringLiteral("Frage"), QStringLiteral("Info"),
        // yard windows, overview, selection panel
        QStringLiteral("Segelschiff128"), QStringLiteral("Dampfschiff128"), QStringLiteral("OnBuild"),
        QStringLiteral("ja"), QStringLiteral("nein"), QStringLiteral("DeleteYardYes"),
        QStringLiteral("DeleteYardNo"), QStringLiteral("ShipYardHeadSail"),
        QStringLiteral("ShipYardHeadSteam"), QStringLiteral("ShipYardBlank"), QStringLiteral("RegionAW"),
        QStringLiteral("RegionNW"), QStringLiteral("RegionEN"), QStringLiteral("Segelweberei"),
        QStringLiteral("YardBackground"), QStringLiteral("ShortCutBackground"),
        // product icons of the product list
        QStringLiteral("icon_resource_money_4_0"), QStringLiteral("icon_wood_log_0"),
        QStringLiteral("icon_wooden_planks_0"), QStringLiteral("icon_wansa_wood_0"),
        QStringLiteral("icon_sail_0"), QStringLiteral("icon_linen_fabric_0"), QStringLiteral("icon_beams_0"),
        QStringLiteral("icon_weapons_0"), QStringLiteral("icon_advanced_weaponry_0"),
        QStringLiteral("icon_steam_machine_0"), QStringLiteral("icon_steel_0"),
        QStringLiteral("icon_brass_0"), QStringLiteral("icon_gold_0"), QStringLiteral("icon_cross_0")};
    return names;
}

} // namespace

TEST(ImageCollection, EveryWindowPictureIsPresentAndDrawn) {
    for (const QString& name : windowPictureNames()) {
        SCOPED_TRACE(name.toStdString());
        ASSERT_TRUE(ImageCollection::contains(name));
        const QPixmap shown = ImageCollection::pixmap(name, QSize(48, 48));
        ASSERT_FALSE(shown.isNull());
        EXPECT_GT(opaquePixels(shown.toImage()), 0);
    }
}

TEST(ImageCollection, EveryShipIconHasItsStarFormAndANewShipPicture) {
    const QStringList icons = indexIconNames();
    ASSERT_EQ(icons.size(), 21);
    for (const QString& icon : icons) {
        SCOPED_TRACE(icon.toStdString());
        EXPECT_TRUE(ImageCollection::contains(icon));
        EXPECT_TRUE(ImageCollection::contains(icon + QStringLiteral("_star")));
        EXPECT_TRUE(ImageCollection::contains(icon, ImageCollection::Set::NewShips));
        // The star form and the new-ship picture must be told apart from the plain one.
        const QImage plain = ImageCollection::image(icon, QSize(56, 56));
        EXPECT_NE(plain, ImageCollection::image(icon + QStringLiteral("_star"), QSize(56, 56)));
        EXPECT_NE(plain, ImageCollection::image(icon, QSize(56, 56), ImageCollection::Set::NewShips));
    }
    // The new-ship set holds ship pictures only.
    EXPECT_FALSE(ImageCollection::contains(QStringLiteral("Frage"), ImageCollection::Set::NewShips));
    EXPECT_EQ(ImageCollection::names(ImageCollection::Set::NewShips).size(), icons.size());
}

TEST(ImageCollection, NamesMatchWithoutRegardToCase) {
    EXPECT_TRUE(ImageCollection::contains(QStringLiteral("FRAGE")));
    EXPECT_TRUE(ImageCollection::contains(QStringLiteral("Icon_Ship_Schooner_STAR")));
    EXPECT_TRUE(ImageCollection::contains(QStringLiteral("NOTINenSHIPYARD")));
    EXPECT_TRUE(
        ImageCollection::contains(QStringLiteral("ICON_SHIP_SCHOONER"), ImageCollection::Set::NewShips));
    EXPECT_EQ(ImageCollection::image(QStringLiteral("fragezeichen128"), QSize(64, 64)),
              ImageCollection::image(QStringLiteral("Fragezeichen128"), QSize(64, 64)));
    EXPECT_TRUE(ImageCollection::names().contains(QStringLiteral("Fragezeichen128"))); // own spelling
}

TEST(ImageCollection, RequestedSizesAreHonoured) {
    for (int side : {36, 48, 52, 56, 64, 96, 120, 128, 150}) {
        const QPixmap ship = ImageCollection::pixmap(QStringLiteral("icon_ship_frigate"), QSize(side, side));
        EXPECT_EQ(ship.size(), QSize(side, side));
    }
    EXPECT_EQ(ImageCollection::pixmap(QStringLiteral("Base1"), QSize(165, 28)).size(), QSize(165, 28));
    EXPECT_EQ(ImageCollection::pixmap(QStringLiteral("Weapon2"), QSize(107, 28)).size(), QSize(107, 28));
    EXPECT_EQ(ImageCollection::defaultSize(QStringLiteral("Cost2")), QSize(165, 28));
    EXPECT_EQ(ImageCollection::defaultSize(QStringLiteral("Expedition1")), QSize(107, 28));
    EXPECT_EQ(ImageCollection::defaultSize(QStringLiteral("ProductShape")), QSize(60, 60));
    EXPECT_EQ(ImageCollection::defaultSize(QStringLiteral("YardBackground")), QSize(1104, 742));
    // An empty size gives the picture's own size.
    EXPECT_EQ(ImageCollection::pixmap(QStringLiteral("ShipYardBlank"), QSize()).size(), QSize(188, 350));

    // A square picture asked for a wide size keeps its proportions: the sides stay transparent.
    const QImage wide = ImageCollection::image(QStringLiteral("ja"), QSize(120, 40));
    ASSERT_EQ(wide.size(), QSize(120, 40));
    EXPECT_EQ(qAlpha(wide.pixel(2, 20)), 0);
    EXPECT_GT(qAlpha(wide.pixel(60, 20)), 0);
}

TEST(ImageCollection, PicturesAreCrispAtSmallSizes) {
    // Drawn at the asked size, not a scaled bitmap: the ship's dark outline reaches full opacity
    // and the tile's corners stay clear at 36 pixels.
    const QImage small = ImageCollection::image(QStringLiteral("icon_ship_schooner"), QSize(36, 36));
    EXPECT_EQ(qAlpha(small.pixel(0, 0)), 0);
    EXPECT_EQ(qAlpha(small.pixel(18, 18)), 255);
}

TEST(ImageCollection, UnknownNamesGiveNullPictures) {
    const QString unknown = QStringLiteral("icon_ship_does_not_exist");
    EXPECT_FALSE(ImageCollection::contains(unknown));
    EXPECT_TRUE(ImageCollection::pixmap(unknown, QSize(64, 64)).isNull());
    EXPECT_TRUE(ImageCollection::image(unknown, QSize(64, 64)).isNull());
    EXPECT_TRUE(ImageCollection::icon(unknown).isNull());
    EXPECT_FALSE(ImageCollection::defaultSize(unknown).isValid());
    EXPECT_TRUE(ImageCollection::pixmap(QString(), QSize(64, 64)).isNull());
    EXPECT_TRUE(
        ImageCollection::pixmap(QStringLiteral("Frage"), QSize(64, 64), ImageCollection::Set::NewShips)
            .isNull());
    // A known name asked for with a degenerate size does not crash either.
    EXPECT_NO_FATAL_FAILURE(ImageCollection::pixmap(QStringLiteral("Frage"), QSize(0, 10)));
}

TEST(ImageCollection, IconCarriesTheListSizes) {
    const QIcon icon = ImageCollection::icon(QStringLiteral("ShipTypeSail"));
    ASSERT_FALSE(icon.isNull());
    EXPECT_EQ(icon.pixmap(QSize(64, 64)).size(), QSize(64, 64));
    EXPECT_EQ(icon.pixmap(QSize(48, 48)).size(), QSize(48, 48));
}

TEST(ImageCollection, RegisteredPicturesShowUntilRemoved) {
    const QString name = QStringLiteral("icon_ship_schooner");
    const QImage embedded = ImageCollection::image(name, QSize(56, 56), ImageCollection::Set::NewShips);
    QImage red(20, 20, QImage::Format_ARGB32);
    red.fill(Qt::red);

    // A cached size must not outlive a registration under the same name.
    ImageCollection::pixmap(name, QSize(56, 56), ImageCollection::Set::NewShips);
    ImageCollection::registerImage(QStringLiteral("ICON_SHIP_SCHOONER"), red, ImageCollection::Set::NewShips);
    const QImage shown =
        ImageCollection::pixmap(name, QSize(56, 56), ImageCollection::Set::NewShips).toImage();
    EXPECT_EQ(shown.size(), QSize(56, 56));
    EXPECT_EQ(QColor(shown.pixel(28, 28)), QColor(Qt::red));
    // The standard set is not touched.
    EXPECT_NE(QColor(ImageCollection::image(name, QSize(56, 56)).pixel(28, 28)), QColor(Qt::red));

    ImageCollection::registerImage(name, QImage(), ImageCollection::Set::NewShips);
    EXPECT_EQ(ImageCollection::pixmap(name, QSize(56, 56), ImageCollection::Set::NewShips).toImage(),
              embedded);

    // A name of its own becomes known and is listed.
    ImageCollection::registerImage(QStringLiteral("icon_ship_extra_test"), red);
    EXPECT_TRUE(ImageCollection::contains(QStringLiteral("Icon_Ship_Extra_Test")));
    EXPECT_EQ(ImageCollection::defaultSize(QStringLiteral("icon_ship_extra_test")), QSize(20, 20));
    ImageCollection::registerImage(QStringLiteral("icon_ship_extra_test"), QImage());
    EXPECT_FALSE(ImageCollection::contains(QStringLiteral("icon_ship_extra_test")));
}

TEST(ImageCollection, DeliveredIconFilesShowTheCollectionsPicture) {
    // The PNG and the DDS of NewShipIcon carry the same pixels, and they are the ship's picture.
    for (const QString& icon : indexIconNames()) {
        SCOPED_TRACE(icon.toStdString());
        const QImage png =
            QImage(QStringLiteral(SPANTORA_DATA_DIR "/NewShipIcon/") + icon + QStringLiteral(".png"))
                .convertToFormat(QImage::Format_ARGB32);
        ASSERT_EQ(png.size(), QSize(128, 128));
        QFile ddsFile(QStringLiteral(SPANTORA_DATA_DIR "/NewShipIcon/") + icon + QStringLiteral(".dds"));
        ASSERT_TRUE(ddsFile.open(QIODevice::ReadOnly));
        const QByteArray dds = ddsFile.readAll();
        ASSERT_EQ(dds.size(), 128 + 128 * 128 * 4);
        auto mask = [&](int at) {
            return quint32(quint8(dds[at])) | quint32(quint8(dds[at + 1])) << 8 |
                   quint32(quint8(dds[at + 2])) << 16 | quint32(quint8(dds[at + 3])) << 24;
        };
        const quint32 masks[4] = {mask(92), mask(96), mask(100), mask(104)}; // R, G, B, A
        auto channel = [&](quint32 pixel, quint32 m) {
            int shift = 0;
            while (m && !(m & 1u)) {
                m >>= 1;
                ++shift;
            }
            return int((pixel >> shift) & 0xffu);
        };
        int different = 0;
        for (int y = 0; y < 128; ++y) {
            for (int x = 0; x < 128; ++x) {
                const quint32 p = mask(128 + (y * 128 + x) * 4);
                const QRgb q = png.pixel(x, y);
                const int alpha = channel(p, masks[3]);
                if (std::abs(alpha - qAlpha(q)) > 1 ||
                    (alpha > 0 && (std::abs(channel(p, masks[0]) - qRed(q)) > 1 ||
                                   std::abs(channel(p, masks[1]) - qGreen(q)) > 1 ||
                                   std::abs(channel(p, masks[2]) - qBlue(q)) > 1)))
                    ++different;
            }
        }
        EXPECT_EQ(different, 0);

        // Drawn by another renderer, the file and the program's picture differ only in smoothing.
        const QImage drawn =
            ImageCollection::image(icon, QSize(128, 128)).convertToFormat(QImage::Format_ARGB32);
        qint64 sum = 0;
        for (int y = 0; y < 128; ++y)
            for (int x = 0; x < 128; ++x) {
                const QRgb a = png.pixel(x, y), b = drawn.pixel(x, y);
                sum += std::abs(qRed(a) - qRed(b)) + std::abs(qGreen(a) - qGreen(b)) +
                       std::abs(qBlue(a) - qBlue(b)) + std::abs(qAlpha(a) - qAlpha(b));
            }
        EXPECT_LT(double(sum) / (128 * 128 * 4), 6.0);
    }
}
