#pragma once

#include <functional>

class QWidget;

namespace ms::gui {

// For the start-up benchmark (benchmarks/desktop_figures.py): with SPANTORA_SHOWN_REPORT naming a
// file, the monotonic clock at the window's first paint is written there in nanoseconds; with
// SPANTORA_QUIT_WHEN_SHOWN set as well the program then ends. Without the variables nothing happens.
void reportFirstPaint(QWidget* window);

// Runs `work` once, in the event loop right after the window's first paint: what no one can see or
// use before the window is on screen need not delay it.
void afterFirstPaint(QWidget* window, std::function<void()> work);

} // namespace ms::gui
