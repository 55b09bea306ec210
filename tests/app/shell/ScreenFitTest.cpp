#include "shell/ScreenFit.h"

#include <gtest/gtest.h>

namespace {

TEST(ScreenFitTest, AWindowFitsWhereBothItsSidesFit) {
    struct Case {
        QSize available;
        bool fits;
    };
    const QSize outer(1294, 794);
    const Case cases[] = {
        {{1600, 961}, true},  // 1600 x 1000 with a panel
        {{1294, 794}, true},  // exactly the window
        {{1280, 756}, false}, // a 1280 x 800 screen with a 44-pixel panel
        {{1300, 760}, false}, // too low
        {{1280, 900}, false}, // too narrow
        {{}, true},           // no screen known: nothing to fit
    };
    for (const Case& c : cases)
        EXPECT_EQ(ms::gui::fitsScreen(c.available, outer), c.fits)
            << c.available.width() << "x" << c.available.height();
}

} // namespace
