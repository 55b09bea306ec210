#pragma once

#include <string>

namespace ms {

// What the help timer shows for a mouse position in the main window's client coordinates. The
// command buttons of the right-hand column report no mouse movement while disabled, so their help
// comes from the position alone.
struct HelpAtPosition {
    enum class Kind { Nothing, Entry, YardAssignment };
    Kind kind = Kind::Nothing;
    std::string helpNumber; // for Kind::Entry
};

HelpAtPosition helpAtPosition(int x, int y, bool yardSelectionPanelHidden);

} // namespace ms
