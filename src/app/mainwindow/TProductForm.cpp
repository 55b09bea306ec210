#include "mainwindow/TProductForm.h"

#include "mainwindow/MainFormStyle.h"
#include "mainwindow/PictureControls.h"
#include "shell/ImageCollection.h"
#include "store/ReferenceLists.h"

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QScrollArea>

namespace ms::gui {

using namespace mainform;

namespace {
constexpr int TileSize = 60;
constexpr int IconSize = 56;
constexpr int FirstLeft = 12;
constexpr int FirstTop = 14;
constexpr int StepX = 76;
constexpr int StepY = 77;
constexpr int LastLeft = 304; // a tile further right starts the next row
constexpr int FrameWidth = 4;
const QLatin1String IconPrefix("GUID");
} // namespace

TProductForm::TProductForm(QWidget* parent)
    : SideWindow(QStringLiteral("ProductForm"), QSize(Width, Height), QStringLiteral("ProductFormFrame"),
                 FrameWidth, Beige, parent) {
    auto* heading = new QLabel(QStringLiteral("   Baukostenart"), this);
    heading->setObjectName(QStringLiteral("ProductFormLabel"));
    heading->setGeometry(8, 8, Width - 16, 26);
    QFont font = heading->font();
    font.setBold(true);
    font.setPointSize(font.pointSize() + 2);
    heading->setFont(font);
    setTextColour(heading, TextBrown);

    m_shipBox = new QScrollArea(this);
    m_shipBox->setObjectName(QStringLiteral("ShipBox"));
    m_shipBox->setGeometry(8, 36, 314, 317);
    m_shipBox->setFrameShape(QFrame::NoFrame);
    m_shipBox->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_shipBox->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    m_shipBox->setEnabled(false);
    auto* tiles = new QWidget;
    tiles->setObjectName(QStringLiteral("ShipBoxTiles"));
    setBackground(tiles, Beige);
    m_shipBox->setWidget(tiles);
    setBackground(m_shipBox->viewport(), Beige);

    FillProductTiles();
}

void TProductForm::FillProductTiles() {
    QWidget* tiles = m_shipBox->widget();
    int x = FirstLeft;
    int y = FirstTop;
    int bottom = 0;
    auto* keyboard = new PictureControls(tiles, 4);
    for (const ms::Product& product : ms::PickerProducts()) {
        if (x > LastLeft) {
            x = FirstLeft;
            y += StepY;
        }
        const QString guid = q(product.guid);
        auto* frame = pictureLabel(tiles, QStringLiteral("Ship") + guid, QRect(x, y, TileSize, TileSize));
        frame->setPixmap(ImageCollection::pixmap(QStringLiteral("ProductShape"), QSize(TileSize, TileSize)));

        auto* icon = new QPushButton(tiles);
        icon->setObjectName(IconPrefix + guid);
        icon->setGeometry(x + 2, y + 2, IconSize, IconSize);
        icon->setFlat(true);
        icon->setStyleSheet(
            QStringLiteral("QPushButton { border: none; padding: 0; background: transparent; }"));
        icon->setCursor(Qt::PointingHandCursor);
        icon->setIcon(QIcon(ImageCollection::pixmap(q(product.icon), QSize(58, 58))));
        icon->setIconSize(QSize(IconSize, IconSize));
        icon->setToolTip(q(product.name));
        keyboard->add(icon, q(product.name));
        if (!m_firstTile)
            m_firstTile = icon;
        connect(icon, &QPushButton::clicked, this, [this, icon] { PickProduct(icon->objectName()); });
        bottom = y + TileSize;
        x += StepX;
    }
    // The delivered 14 tiles fit without scrolling; more products bring the vertical scroll bar.
    tiles->setFixedSize(m_shipBox->width(), bottom + FirstLeft);
    m_shipBox->setEnabled(true);
}

void TProductForm::showFor(const QString& arrowName) {
    m_pickerState = arrowName;
    m_returnFocus = PictureControls::activatingByKey() ? QApplication::focusWidget() : nullptr;
    showAtOffset(Offset);
    m_shipBox->show();
    if (m_returnFocus && m_firstTile) {
        // A window of its own is not always given the keyboard by the window manager.
        if (isWindow())
            activateWindow();
        m_firstTile->setFocus(Qt::TabFocusReason);
    }
}

void TProductForm::PickProduct(const QString& controlName) {
    if (!controlName.startsWith(IconPrefix) || m_pickerState.isEmpty())
        return;
    const QString guid = controlName.mid(IconPrefix.size()).trimmed();
    const int row = m_pickerState.right(1).toInt();
    emit productPicked(row, guid);
    hide();
    if (m_returnFocus) {
        m_returnFocus->window()->activateWindow();
        m_returnFocus->setFocus(Qt::TabFocusReason);
    }
    m_returnFocus = nullptr;
}

} // namespace ms::gui
