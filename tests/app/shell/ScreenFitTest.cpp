#include "shell/ScreenFit.h"

#include <gtest/gtest.h>

namespace {

// The main window's client area 1278 x 755 against the client area a screen leaves.
TEST(ScreenFitTest, OnlyAScreenTooSmallDrawsTheWindowsSmallerWithOneFactor) {
    struct Case {
        QSize available;
        double factor;
    };
    const QSize client(1278, 755);
    const Case cases[] = {
        {{1584, 961}, 1.0},  // 1600 x 1000 less the frame: nothing changes
        {{1278, 755}, 1.0},  // exactly the window
        {{1264, 717}, 0.94}, // a 1280 x 800 screen with a 44-pixel panel, less the frame
        {{1264, 721}, 0.95}, // 1280 x 760 without a panel, less the frame
        {{1000, 755}, 0.78}, // narrow: the width decides
        {{}, 1.0},           // no screen known
    };
    for (const Case& c : cases) {
        const double factor = ms::gui::screenFitFactor(c.available, client);
        EXPECT_DOUBLE_EQ(factor, c.factor) << c.available.width() << "x" << c.available.height();
        EXPECT_LE(client.height() * factor, std::max(c.available.height(), client.height()));
    }
}

} // namespace
