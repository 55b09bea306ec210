#include "mainwindow/PictureControls.h"

#include "mainwindow/FocusMark.h"

#include <QAbstractButton>
#include <QCoreApplication>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPushButton>
#include <QScopeGuard>
#include <QScrollArea>
#include <QWidget>

namespace ms::gui {

namespace {
bool s_activatingByKey = false;
constexpr const char* JoinedProperty = "pictureControl";

bool isActivationKey(const QKeyEvent* key) {
    const bool plain = (key->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
    return plain && (key->key() == Qt::Key_Space || key->key() == Qt::Key_Return ||
                     key->key() == Qt::Key_Enter || key->key() == Qt::Key_Select);
}

void ensureShown(QWidget* control) {
    for (QWidget* w = control->parentWidget(); w; w = w->parentWidget())
        if (auto* scroll = qobject_cast<QScrollArea*>(w)) {
            scroll->ensureWidgetVisible(control, FocusMark::Margin, FocusMark::Margin);
            return;
        }
}
} // namespace

PictureControls::PictureControls(QObject* parent, int columns) : QObject(parent), m_columns(columns) {}

void PictureControls::join(QWidget* control, const QString& accessibleName) {
    (new PictureControls(control))->add(control, accessibleName);
}

void PictureControls::takeKeysOnButtons(QWidget* window) {
    auto* keys = new PictureControls(window);
    keys->m_markFocus = false;
    for (QPushButton* button : window->findChildren<QPushButton*>())
        if (!button->property(JoinedProperty).toBool()) {
            button->installEventFilter(keys);
            keys->m_controls.append(button);
        }
}

void PictureControls::markFocus(QWidget* control) {
    auto* mark = new PictureControls(control);
    mark->m_takeKeys = false;
    control->installEventFilter(mark);
    mark->m_controls.append(control);
}

bool PictureControls::activatingByKey() {
    return s_activatingByKey;
}

void PictureControls::add(QWidget* control, const QString& accessibleName) {
    // Tab, not the mouse, gives them the focus: a click acts without leaving a mark behind.
    control->setFocusPolicy(Qt::TabFocus);
    if (!accessibleName.isEmpty())
        control->setAccessibleName(accessibleName);
    control->setProperty(JoinedProperty, true);
    // The focus mark replaces the style's own focus look, which would tint the picture.
    if (qobject_cast<QAbstractButton*>(control))
        control->setStyleSheet(control->styleSheet() + QStringLiteral(" *:focus { outline: none; }"));
    control->installEventFilter(this);
    m_controls.append(control);
}

bool PictureControls::eventFilter(QObject* watched, QEvent* event) {
    auto* control = qobject_cast<QWidget*>(watched);
    if (!control)
        return false;
    switch (event->type()) {
    case QEvent::FocusIn:
        if (m_markFocus && static_cast<QFocusEvent*>(event)->reason() != Qt::MouseFocusReason) {
            FocusMark::showAround(control);
            ensureShown(control);
        }
        break;
    case QEvent::FocusOut:
    case QEvent::Hide:
        FocusMark::hideFrom(control);
        break;
    case QEvent::KeyPress: {
        if (!m_takeKeys)
            return false;
        auto* key = static_cast<QKeyEvent*>(event);
        if (isActivationKey(key)) {
            if (!key->isAutoRepeat())
                activate(control);
            return true;
        }
        return moveFocus(control, key->key());
    }
    case QEvent::KeyRelease:
        // A button acts on its own on the release of Space; the press has acted already.
        return m_takeKeys && isActivationKey(static_cast<QKeyEvent*>(event));
    default:
        break;
    }
    return false;
}

void PictureControls::activate(QWidget* control) {
    if (!control->isEnabled())
        return;
    s_activatingByKey = true;
    const auto done = qScopeGuard([] { s_activatingByKey = false; });
    if (auto* button = qobject_cast<QAbstractButton*>(control)) {
        button->click();
    } else {
        // A label acts on the click it would get from the mouse.
        const QPointF centre = QRectF(control->rect()).center();
        const QPointF global = control->mapToGlobal(centre);
        QMouseEvent press(QEvent::MouseButtonPress, centre, global, Qt::LeftButton, Qt::LeftButton,
                          Qt::NoModifier);
        QMouseEvent release(QEvent::MouseButtonRelease, centre, global, Qt::LeftButton, Qt::NoButton,
                            Qt::NoModifier);
        QCoreApplication::sendEvent(control, &press);
        QCoreApplication::sendEvent(control, &release);
    }
}

bool PictureControls::moveFocus(QWidget* from, int key) {
    if (m_columns <= 0)
        return false;
    int step = 0;
    switch (key) {
    case Qt::Key_Left:
        step = -1;
        break;
    case Qt::Key_Right:
        step = 1;
        break;
    case Qt::Key_Up:
        step = -m_columns;
        break;
    case Qt::Key_Down:
        step = m_columns;
        break;
    default:
        return false;
    }
    const auto at = m_controls.indexOf(from);
    const auto to = at + step;
    if (at >= 0 && to >= 0 && to < m_controls.size()) {
        QWidget* target = m_controls.at(to);
        if (target && target->isEnabled() && target->isVisibleTo(target->window()))
            target->setFocus(Qt::TabFocusReason);
    }
    // At an edge the focus stays; the key is used either way, so it does not move on elsewhere.
    return true;
}

} // namespace ms::gui
