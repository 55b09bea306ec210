#include "shell/HelpPosition.h"

namespace ms {

HelpAtPosition helpAtPosition(int x, int y, bool yardSelectionPanelHidden) {
    using Kind = HelpAtPosition::Kind;
    if (x < 1024 || x > 1262)
        return {};
    if (y > 50 && y < 85)
        return {Kind::Entry, "204"};
    if (y > 93 && y < 122)
        return {Kind::Entry, "205"};
    // While the yard selection panel covers the lower buttons, it answers for itself.
    if (!yardSelectionPanelHidden)
        return {};
    if (y > 206 && y < 236)
        return {Kind::Entry, "206"};
    if (y > 150 && y < 180)
        return {Kind::YardAssignment, {}};
    if (y > 258 && y < 294)
        return {Kind::Entry, "208"};
    return {};
}

} // namespace ms
