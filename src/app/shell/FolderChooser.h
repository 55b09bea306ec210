#pragma once

#include <QString>

class QWidget;

namespace ms::gui {

// Lets the user pick the game folder; shows the instruction why, hidden folders too, and offers the
// Steam libraries and Wine prefixes found in its sidebar. Empty when cancelled.
QString chooseGameFolder(QWidget* owner);

} // namespace ms::gui
