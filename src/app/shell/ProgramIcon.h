#pragma once

#include <QIcon>

namespace ms::gui {

// The program's own icon at every size it is drawn in (48 to 256 pixels).
QIcon programIcon();

// Makes it the icon of every window, and names the desktop entry, so that the window system shows
// the same icon on the task bar and under Wayland.
void applyProgramIcon();

} // namespace ms::gui
