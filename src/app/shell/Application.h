#pragma once

namespace ms::gui {

// Creates the application, its windows in their fixed order, runs the start-up sequence and the
// event loop. Returns the process exit code. Options other than Qt's own are answered without a window.
int runApplication(int argc, char** argv);

} // namespace ms::gui
