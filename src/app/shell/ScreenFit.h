#pragma once

#include <QRect>
#include <QSize>

namespace ms::gui {

// The factor by which the program's windows are drawn so that the largest of them, `outer`
// (client size and the usual frame), fits the screen's `available` area: 1 where it fits already,
// never more. The proportions stay, since one factor serves both directions.
double screenFitFactor(const QSize& available, const QSize& outer);

// Before the application object exists: asks the window system for the primary screen's available
// area and, on a screen too small for the main window (`client` area within the `outer` size of
// the usual frame), sets QT_SCALE_FACTOR so that every window of the program is drawn smaller by
// the same factor. The frame is not scaled: the client area gets what the frame leaves. A factor
// the user set is left alone.
void fitWindowsToScreen(int argc, char** argv, const QSize& client, const QSize& outer);

} // namespace ms::gui
