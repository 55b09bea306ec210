#include "app/mainwindow/MainFormFixture.h"

#include "mainwindow/NumberField.h"

#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPlainTextEdit>

namespace mstest {

void typeText(QWidget* widget, const QString& text) {
    for (const QChar c : text) {
        const int key = c.unicode() < 128 ? c.toUpper().unicode() : Qt::Key_unknown;
        QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, QString(c));
        QApplication::sendEvent(widget, &press);
        QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, QString(c));
        QApplication::sendEvent(widget, &release);
    }
}

QString MainFormTest::text(const char* name) const {
    QWidget* widget = find(name);
    if (auto* field = qobject_cast<ms::gui::NumberField*>(widget))
        return field->shownText();
    if (auto* label = qobject_cast<QLabel*>(widget))
        return label->text();
    if (auto* line = qobject_cast<QLineEdit*>(widget))
        return line->text();
    if (auto* plain = qobject_cast<QPlainTextEdit*>(widget))
        return plain->toPlainText();
    if (auto* button = qobject_cast<QAbstractButton*>(widget))
        return button->text();
    if (auto* combo = qobject_cast<QComboBox*>(widget))
        return combo->currentText();
    return {};
}

bool MainFormTest::selectShip(const QString& guid) {
    QTreeWidget* view = shipView();
    for (int i = 0; i < view->topLevelItemCount(); ++i) {
        if (view->topLevelItem(i)->data(0, Qt::UserRole).toString() == guid) {
            view->setCurrentItem(view->topLevelItem(i));
            return true;
        }
    }
    return false;
}

QStringList MainFormTest::listedSortKeys() const {
    QStringList keys;
    QTreeWidget* view = shipView();
    for (int i = 0; i < view->topLevelItemCount(); ++i)
        keys << view->topLevelItem(i)->text(2);
    return keys;
}

} // namespace mstest
