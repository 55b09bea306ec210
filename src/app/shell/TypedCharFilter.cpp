#include "shell/TypedCharFilter.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QPlainTextEdit>

namespace ms::gui {

namespace {
std::size_t currentLength(QObject* box) {
    if (auto* line = qobject_cast<QLineEdit*>(box))
        return static_cast<std::size_t>(line->text().size());
    if (auto* plain = qobject_cast<QPlainTextEdit*>(box))
        return static_cast<std::size_t>(plain->toPlainText().size());
    return 0;
}
} // namespace

TypedCharFilter::TypedCharFilter(QWidget* box, ms::TextBox kind) : QObject(box), m_kind(kind) {}

TypedCharFilter* TypedCharFilter::install(QWidget* box, ms::TextBox kind) {
    auto* filter = new TypedCharFilter(box, kind);
    box->installEventFilter(filter);
    // An input method would bypass key events entirely.
    box->setAttribute(Qt::WA_InputMethodEnabled, false);
    return filter;
}

bool TypedCharFilter::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress)
        return false;
    auto* key = static_cast<QKeyEvent*>(event);
    switch (key->key()) {
    case Qt::Key_Backspace:
        return !ms::acceptsTypedChar(m_kind, ms::kBackspace, currentLength(watched));
    case Qt::Key_Delete:
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
    case Qt::Key_Escape:
        return false;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return true;
    default:
        break;
    }
    const bool shortcut = key->modifiers() & (Qt::ControlModifier | Qt::MetaModifier);
    const QString text = key->text();
    if (shortcut && (!text.isEmpty() || (key->key() >= Qt::Key_A && key->key() <= Qt::Key_Z)))
        return true;
    if (text.isEmpty())
        return false; // a key that types nothing: cursor movement and the like
    for (const char32_t c : text.toUcs4())
        if (!ms::acceptsTypedChar(m_kind, c, currentLength(watched)))
            return true;
    return false;
}

} // namespace ms::gui
