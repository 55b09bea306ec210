#include "mainwindow/CostPanel.h"

#include "mainwindow/FieldRow.h"
#include "mainwindow/NumberField.h"
#include "mainwindow/PictureControls.h"
#include "shell/ImageCollection.h"

#include <QLabel>
#include <QPushButton>

namespace ms::gui {

namespace {
constexpr int RowTop = 42;
constexpr int RowHeight = 52;
constexpr int IconSize = 36;
constexpr int AmountWidth = 64; // leaves room for the picker button and the marker
} // namespace

CostPanel::CostPanel(QWidget* parent, PanelUse use)
    : DataPanel(parent, QStringLiteral("CostPanel"), QStringLiteral("Baukosten"),
                QStringLiteral("ImagePanelNameCost"), QStringLiteral("301"), use) {
    for (int k = 0; k < Rows; ++k) {
        const QString n = QString::number(k);
        auto* row = new QWidget(this);
        row->setObjectName(QStringLiteral("CostPanel") + n);
        row->setGeometry(Margin, RowTop + k * RowHeight, Width - 2 * Margin, RowHeight - 6);
        setHelpNumber(row, QStringLiteral("440"));

        auto* image = new QLabel(row);
        image->setObjectName(QStringLiteral("CostImage") + n);
        image->setGeometry(2, 5, IconSize, IconSize);
        image->setProperty("pictureSize", QSize(IconSize, IconSize));

        auto* name = new QLabel(QStringLiteral("keine Auswahl"), row);
        name->setObjectName(QStringLiteral("CostLabel") + n);
        name->setGeometry(IconSize + 10, 0, FieldRow::FieldLeft - IconSize - 14, RowHeight - 6);

        const ms::NumberFieldSpec* spec =
            ms::findNumberFieldSpec((QStringLiteral("CostSpin") + n).toStdString());
        auto* amount = new NumberField(*spec, row);
        amount->setGeometry(FieldRow::FieldLeft, 10, AmountWidth, 26);
        amount->setAccessibleName(QStringLiteral("Menge in Zeile %1").arg(k + 1));

        auto* guid = new QLabel(QStringLiteral("0"), row);
        guid->setObjectName(QStringLiteral("CostGUID") + n);
        guid->hide();
        if (!editing())
            continue;

        auto* picker = new QPushButton(row);
        picker->setObjectName(QStringLiteral("ChangeCostImage") + n);
        picker->setFlat(true);
        picker->setGeometry(FieldRow::FieldLeft + AmountWidth + 2, 9, 28, 28);
        picker->setIconSize(QSize(24, 24));
        PictureControls::join(picker, QStringLiteral("Ware wählen für Zeile %1").arg(k + 1));
        connect(picker, &QPushButton::clicked, this, [this, k] { emit pickerRequested(k); });
        m_pickerButtons.append(picker);

        addMarker(row, QStringLiteral("CostDot") + n, FieldRow::FieldLeft + AmountWidth + 32, 15);
    }
    setPickerButtonPicture(QStringLiteral("BrownArrow"));

    auto* influence = addRow(RowTop + Rows * RowHeight + 6, QStringLiteral("InfluenceCostPanel"),
                             QStringLiteral("Einflusspunkte"), QStringLiteral("InfluenceCostPoints"),
                             QStringLiteral("InfluenceCostDot"));
    // Same column as the amounts above.
    influence->field()->resize(AmountWidth, influence->field()->height());
    if (QLabel* dot = influence->dot())
        dot->move(FieldRow::FieldLeft + AmountWidth + 32, dot->y());
}

void CostPanel::setLocked(bool locked) {
    DataPanel::setLocked(locked);
    for (QPushButton* picker : m_pickerButtons)
        picker->setVisible(!locked);
}

void CostPanel::setPickerButtonsEnabled(bool enabled) {
    for (QPushButton* picker : m_pickerButtons)
        picker->setEnabled(enabled);
}

void CostPanel::setPickerButtonPicture(const QString& pictureName) {
    for (int row = 0; row < m_pickerButtons.size(); ++row)
        setPickerButtonPicture(row, pictureName);
}

void CostPanel::setPickerButtonPicture(int row, const QString& pictureName) {
    QPushButton* picker = m_pickerButtons.value(row);
    if (!picker)
        return;
    picker->setIcon(ImageCollection::icon(pictureName));
    picker->setProperty(PictureNameProperty, pictureName);
}

} // namespace ms::gui
