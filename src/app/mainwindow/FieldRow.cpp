#include "mainwindow/FieldRow.h"

#include "mainwindow/NumberField.h"
#include "shell/ImageCollection.h"

#include <QLabel>

namespace ms::gui {

QLabel* createMarker(QWidget* parent, const QString& name, int x, int y) {
    auto* dot = new QLabel(parent);
    dot->setObjectName(name);
    dot->setGeometry(x, y, 16, 16);
    dot->setPixmap(ImageCollection::pixmap(QStringLiteral("ChangeDot"), QSize(16, 16)));
    dot->setProperty("changeMarker", true);
    dot->setAccessibleName(QStringLiteral("Geändert gegenüber der Vorlage"));
    dot->hide();
    return dot;
}

void setHelpNumber(QWidget* widget, const QString& helpNumber) {
    widget->setProperty("helpNumber", helpNumber.isEmpty() ? QVariant() : QVariant(helpNumber));
}

FieldRow::FieldRow(QWidget* parent, const QString& rowName, const QString& caption, const QString& fieldName,
                   const QString& dotName, const QString& helpNumber)
    : QWidget(parent) {
    setObjectName(rowName);
    if (!helpNumber.isEmpty())
        setHelpNumber(this, helpNumber);
    resize(330 - 16, Height);

    m_caption = new QLabel(caption, this);
    m_caption->setObjectName(fieldName + QStringLiteral("Caption"));
    m_caption->setGeometry(0, 0, FieldLeft - 6, Height);
    m_caption->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);

    const std::string name = fieldName.toStdString();
    const ms::NumberFieldSpec* spec = ms::findNumberFieldSpec(name);
    m_field = new NumberField(spec ? *spec : ms::NumberFieldSpec{}, this);
    m_field->setObjectName(fieldName);
    m_field->setGeometry(FieldLeft, 4, FieldWidth, Height - 8);
    m_caption->setBuddy(m_field); // the caption names the field for screen readers

    if (!dotName.isEmpty())
        m_dot = createMarker(this, dotName, FieldLeft + FieldWidth + 6, (Height - 16) / 2);
}

} // namespace ms::gui
