#pragma once

class QWidget;

namespace ms::gui {

// Registers the embedded display font for this process only and gives it to the main window;
// without it the main window falls back to a plain font after telling the user.
bool InstallDisplayFont(QWidget* mainWindow);

} // namespace ms::gui
