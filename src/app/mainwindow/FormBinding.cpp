#include "mainwindow/FormBinding.h"

#include "mainwindow/NumberField.h"
#include "shell/ImageCollection.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>

namespace ms::gui {

namespace {
const char* const PictureSizeProperty = "pictureSize";
} // namespace

FormBinding::FormBinding(QWidget* root) : m_root(root) {}

QWidget* FormBinding::control(const QString& name) const {
    // Fields without a control of their own are remembered too: a search through every child of
    // the window for each of them would cost more than the rest of a ship's display.
    auto it = m_controls.find(name);
    if (it != m_controls.end() && it.value())
        return it.value();
    if (m_missing.contains(name))
        return nullptr;
    QWidget* widget = m_root->findChild<QWidget*>(name);
    if (widget)
        m_controls.insert(name, widget);
    else
        m_missing.insert(name);
    return widget;
}

void FormBinding::show(const ms::ShipForm& form) {
    for (const auto& [name, value] : form.fields())
        showField(QString::fromStdString(name), QString::fromStdString(value));
}

void FormBinding::showChanges(const ms::ShipForm& before, const ms::ShipForm& after) {
    for (const auto& [name, value] : after.fields())
        if (!before.has(name) || before.text(name) != value)
            showField(QString::fromStdString(name), QString::fromStdString(value));
}

void FormBinding::showField(const QString& name, const QString& text) {
    QWidget* widget = control(name);
    if (!widget)
        return;
    if (auto* number = qobject_cast<NumberField*>(widget)) {
        number->setShownText(text);
    } else if (auto* line = qobject_cast<QLineEdit*>(widget)) {
        if (line->text() != text)
            line->setText(text);
    } else if (auto* plain = qobject_cast<QPlainTextEdit*>(widget)) {
        if (plain->toPlainText() != text)
            plain->setPlainText(text);
    } else if (auto* combo = qobject_cast<QComboBox*>(widget)) {
        combo->setCurrentIndex(text.toInt());
    } else if (auto* button = qobject_cast<QAbstractButton*>(widget)) {
        button->setText(text);
    } else if (auto* label = qobject_cast<QLabel*>(widget)) {
        const QVariant size = label->property(PictureSizeProperty);
        if (size.isValid()) {
            if (label->property(PictureNameProperty).toString() != text) {
                showNamedPicture(label, text, size.toSize());
            }
        } else if (label->text() != text) {
            label->setText(text);
        }
    }
}

void FormBinding::showMarkers(const ms::ChangeMarkers& markers) {
    for (const auto& [name, shown] : markers.markers)
        if (QWidget* marker = control(QString::fromStdString(name)))
            marker->setVisible(shown);
    for (const ms::PanelButtonPicture& b : markers.buttons) {
        auto* button = qobject_cast<QAbstractButton*>(control(QString::fromStdString(b.button)));
        if (!button)
            continue;
        const QString picture = QString::fromStdString(b.picture);
        if (button->property(PictureNameProperty).toString() == picture)
            continue;
        const QSize size(b.width, b.height);
        button->setIconSize(size);
        button->setIcon(QIcon(ImageCollection::pixmap(picture, size)));
        button->setProperty(PictureNameProperty, picture);
    }
}

void FormBinding::read(ms::ShipForm& form) const {
    const ms::ShipForm::Fields fields = form.fields();
    for (const auto& [name, value] : fields) {
        QWidget* widget = control(QString::fromStdString(name));
        if (!widget)
            continue;
        QString text;
        if (auto* number = qobject_cast<NumberField*>(widget)) {
            if (!number->isLocked())
                number->settle(); // a field still being typed in is read as leaving it would leave it
            text = number->shownText();
        } else if (auto* line = qobject_cast<QLineEdit*>(widget))
            text = line->text();
        else if (auto* plain = qobject_cast<QPlainTextEdit*>(widget))
            text = plain->toPlainText();
        else if (auto* combo = qobject_cast<QComboBox*>(widget))
            text = QString::number(combo->currentIndex());
        else if (auto* button = qobject_cast<QAbstractButton*>(widget))
            text = button->text();
        else if (auto* label = qobject_cast<QLabel*>(widget))
            text = label->property(PictureSizeProperty).isValid()
                       ? label->property(PictureNameProperty).toString()
                       : label->text();
        else
            continue;
        form.set(name, text.toStdString());
    }
}

} // namespace ms::gui
