#pragma once

namespace ms::gui {

// Registers the resources compiled into the static GUI library (the data archive, the font, the
// program's icon and the picture collection). Call once before any of them is used.
void initResources();

} // namespace ms::gui
