#include "mainwindow/DataPanel.h"

#include "mainwindow/FieldRow.h"
#include "mainwindow/NumberField.h"
#include "mainwindow/PictureControls.h"
#include "shell/ImageCollection.h"

#include <QLabel>
#include <QPushButton>

namespace ms::gui {

DataPanel::DataPanel(QWidget* parent, const QString& name, const QString& heading, const QString& openerName,
                     const QString& helpNumber, PanelUse use)
    : QFrame(parent), m_use(use) {
    setObjectName(name);
    setHelpNumber(this, helpNumber);
    setFixedSize(Width, Height);
    setFrameShape(QFrame::Box);
    setFrameShadow(QFrame::Plain);
    setLineWidth(1);
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, QColor(246, 232, 204));
    pal.setColor(QPalette::WindowText, QColor(65, 55, 40));
    setPalette(pal);

    addHeading(Margin, heading);
    if (!editing())
        return;

    m_opener = new QPushButton(this);
    m_opener->setObjectName(openerName);
    m_opener->setFlat(true);
    m_opener->setGeometry(Width - Margin - 30, Margin - 2, 30, 30);
    m_opener->setIconSize(QSize(26, 26));
    PictureControls::join(m_opener, QStringLiteral("Vergleich mit der Vorlage"));
    setOpenerPicture(QStringLiteral("BrownList"));
}

void DataPanel::setOpenerPicture(const QString& pictureName) {
    if (!m_opener)
        return;
    m_opener->setIcon(ImageCollection::icon(pictureName));
    m_opener->setProperty(PictureNameProperty, pictureName);
}

QLabel* DataPanel::addMarker(QWidget* parent, const QString& name, int x, int y) {
    return editing() ? createMarker(parent, name, x, y) : nullptr;
}

QLabel* DataPanel::addHeading(int top, const QString& text) {
    auto* label = new QLabel(text, this);
    QFont font = label->font();
    font.setBold(true);
    font.setPointSize(font.pointSize() + 2);
    label->setFont(font);
    label->setGeometry(Margin, top, Width - 2 * Margin - 34, 26);
    return label;
}

QLabel* DataPanel::addHiddenField(const QString& name) {
    auto* label = new QLabel(this);
    label->setObjectName(name);
    label->hide();
    return label;
}

FieldRow* DataPanel::addRow(int top, const QString& rowName, const QString& caption, const QString& fieldName,
                            const QString& dotName, const QString& helpNumber) {
    auto* row = new FieldRow(this, rowName, caption, fieldName, editing() ? dotName : QString(), helpNumber);
    row->move(Margin, top);
    return row;
}

QList<NumberField*> DataPanel::numberFields() const {
    return findChildren<NumberField*>();
}

void DataPanel::setLocked(bool locked) {
    for (NumberField* field : numberFields())
        field->setLocked(locked);
    if (m_opener)
        m_opener->setVisible(!locked);
}

} // namespace ms::gui
