#include "mainwindow/ClickGuard.h"

#include <QApplication>
#include <QEvent>
#include <QWidget>

namespace ms::gui {

ClickGuard::ClickGuard(QWidget* window) : QObject(window), m_window(window) {}

void ClickGuard::arm() {
    m_sinceLastClick.start();
    m_held = false;
    if (!m_armed)
        qApp->installEventFilter(this);
    m_armed = true;
}

void ClickGuard::disarm() {
    if (m_armed)
        qApp->removeEventFilter(this);
    m_armed = false;
    m_held = false;
}

void ClickGuard::letThrough(QWidget* area) {
    m_letThrough.append(area);
}

bool ClickGuard::guards(QObject* watched) const {
    const auto* widget = qobject_cast<const QWidget*>(watched);
    if (!widget || widget->window() != m_window)
        return false;
    for (const QPointer<QWidget>& area : m_letThrough)
        if (area && (area == widget || area->isAncestorOf(widget)))
            return false;
    return true;
}

bool ClickGuard::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
        if (!guards(watched))
            return false;
        if (!m_held && m_sinceLastClick.elapsed() > QApplication::doubleClickInterval()) {
            disarm(); // a new click of its own
            return false;
        }
        m_held = true;
        return true;
    case QEvent::MouseButtonRelease:
        if (!m_held || !guards(watched))
            return false;
        m_held = false;
        m_sinceLastClick.start(); // a third press may follow as quickly
        return true;
    default:
        return false;
    }
}

} // namespace ms::gui
