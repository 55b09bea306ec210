#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

namespace ms::gui {

// Where a window of `size` stands centred on `screen`: half the absolute difference on each axis, so
// a screen smaller than the window still gives a position on the screen, never a negative one.
inline QPoint centredOnScreen(const QRect& screen, const QSize& size) {
    return {screen.left() + qAbs(screen.width() - size.width()) / 2,
            screen.top() + qAbs(screen.height() - size.height()) / 2};
}

// Where `window` stands once moved into `screen` as far as needed: a side window placed beside a
// main window near a screen edge stays wholly visible. A window larger than the screen keeps its
// top left corner on it.
inline QPoint keptOnScreen(const QRect& screen, const QRect& window) {
    if (screen.isEmpty())
        return window.topLeft();
    const int x = qMax(screen.left(), qMin(window.left(), screen.right() + 1 - window.width()));
    const int y = qMax(screen.top(), qMin(window.top(), screen.bottom() + 1 - window.height()));
    return {x, y};
}

} // namespace ms::gui
