#include "yards/TShortCutForm.h"

#include "lifecycle/ShipFormLoader.h"
#include "mainwindow/MainFormStyle.h"
#include "mainwindow/PictureControls.h"
#include "shell/Environment.h"
#include "shell/ImageCollection.h"
#include "shell/QtSettingsStore.h"
#include "shell/StandardMessage.h"
#include "shell/WindowPlacement.h"
#include "store/RecordStore.h"
#include "store/SharedDocuments.h"
#include "store/ShipIndex.h"
#include "yards/ShipSummary.h"
#include "yards/YardOverview.h"
#include "yards/YardShipList.h"
#include "yards/YardTable.h"

#include <QEvent>
#include <QMouseEvent>
#include <QPushButton>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextEdit>
#include <QTreeWidget>

namespace ms::gui {

using namespace mainform;

namespace {

constexpr int InfoPicture = 96;
constexpr int SwitchPicture = 48;
constexpr int ColumnLeft = 16;
constexpr int ColumnWidth = 300;
constexpr int ListTop[] = {56, 392}; // sail yards above, steam yards below
constexpr int ListWidth = 236;
constexpr int ListHeight = 320;
constexpr int SummaryLeft = 928;
constexpr int SummaryWidth = 334;
constexpr const char* DeleteYardSetting = "DeleteYard";

struct RegionColumn {
    const char* region;
    const char* labelName;
    const char* caption;
};
constexpr RegionColumn Columns[] = {
    {"AW", "AWLabel", "Alte Welt"},
    {"NW", "NWLabel", "Neue Welt"},
    {"EN", "ENLabel", "Dünenmark"},
};

enum Column { ImageColumn, ShipColumn, YardPosColumn };

} // namespace

TShortCutForm::TShortCutForm(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("ShortCutForm"));
    setWindowTitle(QStringLiteral("Werftenbelegung"));
    // The window takes the main window's display font and colours.
    setAttribute(Qt::WA_WindowPropagation);
    // No close box: "Beenden" closes the window. Some window managers draw a close box on every
    // title bar whatever the window asks, so the window has no frame from the window manager.
    setWindowFlags(Qt::Dialog | Qt::FramelessWindowHint);
    setFixedSize(ClientWidth, ClientHeight);
    setModal(true);

    auto* background =
        pictureLabel(this, QStringLiteral("Background"), QRect(0, 0, ClientWidth, ClientHeight));
    background->setPixmap(
        ImageCollection::pixmap(QStringLiteral("ShortCutBackground"), QSize(ClientWidth, ClientHeight)));
    for (int column = 0; column < 3; ++column)
        buildColumn(column);
    buildInfoArea();
    background->lower();
}

void TShortCutForm::buildColumn(int column) {
    const RegionColumn& region = Columns[column];
    const int left = ColumnLeft + column * ColumnWidth;
    auto* heading = new QLabel(QString::fromUtf8(region.caption), this);
    heading->setObjectName(QString::fromLatin1(region.labelName));
    heading->setGeometry(left, 12, ColumnWidth - 8, 36);
    heading->setAlignment(Qt::AlignCenter);
    QFont large = heading->font();
    large.setPointSizeF(large.pointSizeF() * 1.4);
    large.setBold(true);
    heading->setFont(large);
    setTextColour(heading, DarkRed);

    for (int row = 0; row < 2; ++row) {
        const int yard = column * 2 + row; // the yard table's order: per region sail, then steam
        const ms::YardRow& yardRow = ms::YardTable().at(static_cast<size_t>(yard));
        const QString engine = QString::fromLatin1(yardRow.engine);
        const int top = ListTop[row];
        // Beside each list its region and its engine, numbered in the table's order.
        auto* regionPicture =
            pictureLabel(this, QStringLiteral("Image%1").arg(2 * yard + 1), QRect(left, top, 48, 48));
        showNamedPicture(regionPicture, QStringLiteral("Region") + QString::fromLatin1(region.region),
                         QSize(48, 48));
        auto* enginePicture =
            pictureLabel(this, QStringLiteral("Image%1").arg(2 * yard + 2), QRect(left, top + 56, 48, 48));
        showNamedPicture(enginePicture,
                         row == 0 ? QStringLiteral("Segelschiff128") : QStringLiteral("Dampfschiff128"),
                         QSize(48, 48));

        QTreeWidget* list =
            makeYardShipList(this, QStringLiteral("ShipView") + QString::fromLatin1(region.region) + engine,
                             QRect(left + 56, top, ListWidth, ListHeight),
                             {QStringLiteral("Image"), QStringLiteral("Ship"), QStringLiteral("YardPos")});
        list->setColumnWidth(ShipColumn, 160);
        list->setColumnHidden(YardPosColumn, true); // carried with the row, never shown
        connect(list, &QTreeWidget::itemClicked, this,
                [this, list] { guarded([this, list] { ShowShipSummary(list); }); });
        m_lists.at(static_cast<size_t>(yard)) = list;
    }
}

void TShortCutForm::buildInfoArea() {
    m_shipInfoImage =
        pictureLabel(this, QStringLiteral("ShipInfoImage"),
                     QRect(SummaryLeft + (SummaryWidth - InfoPicture) / 2, 12, InfoPicture, InfoPicture));

    m_infoRichEdit = new QTextEdit(this);
    m_infoRichEdit->setObjectName(QStringLiteral("InfoRichEdit"));
    m_infoRichEdit->setGeometry(SummaryLeft, 120, SummaryWidth, 472);
    m_infoRichEdit->setReadOnly(true);
    m_infoRichEdit->setLineWrapMode(QTextEdit::WidgetWidth);

    const QRect switchPlace(SummaryLeft, 612, SwitchPicture, SwitchPicture);
    m_deleteYardYes = pictureLabel(this, QStringLiteral("DeleteYardYes"), switchPlace);
    showNamedPicture(m_deleteYardYes, QStringLiteral("ja"), QSize(SwitchPicture, SwitchPicture));
    m_deleteYardNo = pictureLabel(this, QStringLiteral("DeleteYardNo"), switchPlace);
    showNamedPicture(m_deleteYardNo, QStringLiteral("nein"), QSize(SwitchPicture, SwitchPicture));
    m_deleteYardYes->hide(); // the start of every run writes "0"
    m_deleteYardLabel =
        new QLabel(QStringLiteral("Ungenutzte Werften aus den Modifikationen entfernen"), this);
    m_deleteYardLabel->setObjectName(QStringLiteral("DeleteYardLabel"));
    m_deleteYardLabel->setGeometry(SummaryLeft + SwitchPicture + 8, 612, SummaryWidth - SwitchPicture - 8,
                                   SwitchPicture);
    m_deleteYardLabel->setWordWrap(true);
    for (QLabel* clickable : {m_deleteYardYes, m_deleteYardNo, m_deleteYardLabel}) {
        clickable->setCursor(Qt::PointingHandCursor);
        clickable->installEventFilter(this);
    }
    // The label switches whichever picture shows, so the keyboard needs only the label.
    PictureControls::join(m_deleteYardLabel);
    m_deleteYardYes->setAccessibleName(QStringLiteral("Ungenutzte Werften entfernen: ja"));
    m_deleteYardNo->setAccessibleName(QStringLiteral("Ungenutzte Werften entfernen: nein"));

    auto* abort = new QPushButton(QStringLiteral("Beenden"), this);
    abort->setObjectName(QStringLiteral("AbortShortCutBtn"));
    abort->setGeometry(SummaryLeft + SummaryWidth - 245, 704, 245, 36);
    connect(abort, &QPushButton::clicked, this, [this] { AbortShortCutBtnClick(); });
}

template <typename Action> void TShortCutForm::guarded(Action&& action) {
    try {
        action();
    } catch (const std::exception& error) {
        StandardMessage::reportError(this, error);
    }
}

void TShortCutForm::open() {
    // Every opening starts afresh: no selected row, no summary, no picture.
    FillOverviewLists();
    clearSummary();
    // Over the main window's client area, which it covers exactly.
    centreOverOwner(*this, availableAreaFor(*this));
    guarded([this] { FormActivate(); });
    exec();
}

void TShortCutForm::FillOverviewLists() {
    for (int yard = 0; yard < YardCount; ++yard)
        FillOverviewList(shipView(yard), ms::YardTable().at(static_cast<size_t>(yard)));
}

void TShortCutForm::FillOverviewList(QTreeWidget* list, const ms::YardRow& yard) {
    list->clear();
    for (const ms::YardListRow& row : ms::OverviewShipRows(yard)) {
        QTreeWidgetItem* item = addYardShipRow(list, row);
        item->setText(YardPosColumn, q(row.yardPos));
    }
}

void TShortCutForm::ShowShipSummary(QTreeWidget* list) {
    const QList<QTreeWidgetItem*> selected = list->selectedItems();
    if (selected.isEmpty())
        return;
    const std::string guid = selected.first()->data(ImageColumn, Qt::UserRole).toString().toStdString();
    // The summary belongs to one row: the other lists let go of theirs.
    for (QTreeWidget* other : m_lists)
        if (other != list)
            other->clearSelection();
    // Emptied first: a ship that cannot be read shows no summary rather than the previous ship's.
    clearSummary();

    ms::ReloadShipDocuments(ms::env().xmlaDir);
    // A form of the window's own: the main window's panels keep the ship they show and will save.
    const ms::ShipForm form = ms::LoadShipForm(guid, ms::env().decimalIsPoint);
    const pugi::xml_node entry = ms::FindShipEntry(ms::ShipIndexRoot(), guid);
    for (const ms::SummaryLine& line : ms::ShipSummaryLines(form, entry))
        AppendRichLine(q(line.text), QColor(line.colour.r, line.colour.g, line.colour.b));
    m_infoRichEdit->moveCursor(QTextCursor::Start);
    showNamedPicture(m_shipInfoImage, q(ms::ShipPictureName(entry)), QSize(InfoPicture, InfoPicture));
}

void TShortCutForm::clearSummary() {
    m_infoRichEdit->clear();
    m_shipInfoImage->clear();
    m_shipInfoImage->setProperty(PictureNameProperty, QVariant());
}

void TShortCutForm::AppendRichLine(const QString& text, const QColor& colour) {
    QTextCursor cursor(m_infoRichEdit->document());
    cursor.movePosition(QTextCursor::End);
    QTextCharFormat format;
    format.setForeground(colour);
    format.setFontWeight(QFont::Bold);
    format.setFontItalic(true);
    // The display font of the program stands in for the desktop font the summary was drawn in.
    format.setFontFamilies({font().family()});
    format.setFontPointSize(10);
    if (!m_infoRichEdit->document()->isEmpty())
        cursor.insertBlock(QTextBlockFormat(), format);
    cursor.insertText(text, format);
}

void TShortCutForm::FormActivate() {
    const QString value = QtSettingsStore::readValue(QString::fromLatin1(DeleteYardSetting));
    if (value != QLatin1String("1") && value != QLatin1String("0"))
        return; // an unknown value leaves the switch as it is
    const bool on = value == QLatin1String("1");
    m_deleteYardYes->setVisible(on);
    m_deleteYardNo->setVisible(!on);
}

void TShortCutForm::DeleteYardNoClick() {
    QtSettingsStore::writeValue(QString::fromLatin1(DeleteYardSetting), QStringLiteral("1"));
    m_deleteYardYes->show();
    m_deleteYardNo->hide();
}

void TShortCutForm::DeleteYardYesClick() {
    QtSettingsStore::writeValue(QString::fromLatin1(DeleteYardSetting), QStringLiteral("0"));
    m_deleteYardYes->hide();
    m_deleteYardNo->show();
}

void TShortCutForm::DeleteYardLabelClick() {
    if (!m_deleteYardYes->isHidden())
        DeleteYardYesClick();
    else if (!m_deleteYardNo->isHidden())
        DeleteYardNoClick();
}

void TShortCutForm::AbortShortCutBtnClick() {
    accept();
}

bool TShortCutForm::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseButtonRelease &&
        static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
        if (watched == m_deleteYardYes) {
            guarded([this] { DeleteYardYesClick(); });
            return true;
        }
        if (watched == m_deleteYardNo) {
            guarded([this] { DeleteYardNoClick(); });
            return true;
        }
        if (watched == m_deleteYardLabel) {
            guarded([this] { DeleteYardLabelClick(); });
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void TShortCutForm::changeEvent(QEvent* event) {
    QDialog::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow())
        guarded([this] { FormActivate(); });
}

} // namespace ms::gui
