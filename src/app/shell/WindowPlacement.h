#pragma once

#include <QPoint>
#include <QRect>
#include <QScreen>
#include <QSize>
#include <QWidget>

namespace ms::gui {

// Where a window of `size` stands centred on `screen`: half the absolute difference on each axis, so
// a screen smaller than the window still gives a position on the screen, never a negative one.
inline QPoint centredOnScreen(const QRect& screen, const QSize& size) {
    return {screen.left() + qAbs(screen.width() - size.width()) / 2,
            screen.top() + qAbs(screen.height() - size.height()) / 2};
}

// Where a window of outer `size` stands centred over the rectangle `owner`.
inline QPoint centredOver(const QRect& owner, const QSize& size) {
    return {owner.left() + (owner.width() - size.width()) / 2,
            owner.top() + (owner.height() - size.height()) / 2};
}

// Where `window` stands once moved into `screen` as far as needed: a window centred over another one
// near a screen edge stays wholly visible. A window larger than the screen keeps its top left corner
// on it.
inline QPoint keptOnScreen(const QRect& screen, const QRect& window) {
    if (screen.isEmpty())
        return window.topLeft();
    const int x = qMax(screen.left(), qMin(window.left(), screen.right() + 1 - window.width()));
    const int y = qMax(screen.top(), qMin(window.top(), screen.bottom() + 1 - window.height()));
    return {x, y};
}

// The window that owns `window` (the window of its parent), if any.
inline const QWidget* ownerOf(const QWidget& window) {
    return window.parentWidget() ? window.parentWidget()->window() : nullptr;
}

// The available area of the screen that `window`'s owner (else `window`) is on.
inline QRect availableAreaFor(const QWidget& window) {
    const QWidget* owner = ownerOf(window);
    const QScreen* screen = owner && owner->screen() ? owner->screen() : window.screen();
    return screen ? screen->availableGeometry() : QRect();
}

// Moves `window` centred over its owner while the owner is shown, else centred on `area`, and
// always wholly inside `area`. A framed window is centred frame over frame; before its first showing
// it has no frame yet and is taken to get its owner's. A frameless one is centred over the owner's
// client area, so one of the owner's client size covers it exactly.
inline void centreOverOwner(QWidget& window, const QRect& area) {
    const QWidget* owner = ownerOf(window);
    const bool frameless = window.windowFlags().testFlag(Qt::FramelessWindowHint);
    QSize outer = window.frameGeometry().size();
    if (owner && !frameless && outer == window.size())
        outer += owner->frameGeometry().size() - owner->size();
    const QPoint at = owner && owner->isVisible()
                          ? centredOver(frameless ? owner->geometry() : owner->frameGeometry(), outer)
                          : centredOnScreen(area, outer);
    window.move(keptOnScreen(area, QRect(at, outer)));
}

} // namespace ms::gui
