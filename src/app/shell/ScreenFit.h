#pragma once

#include <QSize>

class QWidget;

namespace ms::gui {

// Whether a window of `outer` size (client area and the usual frame) fits the screen's `available`
// area.
bool fitsScreen(const QSize& available, const QSize& outer);

// Once the application exists, before the first window shows: decides from the primary screen's
// available area whether the program's large windows (`client` area, `outer` size with the usual
// frame) keep the window manager's frame. On a screen too small for the frame but large enough for
// the client area, such as a 1280 x 800 screen with a panel, they go without it.
void decideWindowFrames(const QSize& client, const QSize& outer);

// Takes the frame off `window` when the screen has no room for it.
void fitToScreen(QWidget& window);

} // namespace ms::gui
