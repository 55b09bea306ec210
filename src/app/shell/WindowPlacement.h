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

} // namespace ms::gui
