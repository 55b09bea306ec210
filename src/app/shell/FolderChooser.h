#pragma once

#include <QString>

class QWidget;

namespace ms::gui {

// Lets the user pick the game folder; shows the instruction why. Empty when cancelled.
QString chooseGameFolder(QWidget* owner);

} // namespace ms::gui
