#pragma once

namespace ms::gui {

// Loads Qt's own German texts (qtbase_de) into the application, so that standard dialogs and context
// menus speak German whatever the desktop's language is. Once per process; false when the
// translation files are not installed.
bool installGermanTranslations();

} // namespace ms::gui
