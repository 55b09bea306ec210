#include "mainwindow/TMainForm.h"
#include "shell/Resources.h"
#include "shell/ScreenFit.h"
#include "support/TempDir.h"

#include <QApplication>
#include <clocale>
#include <cstdlib>
#include <gtest/gtest.h>

// The window tests on a real X server with a window manager (run-under-openbox.sh starts both).
int main(int argc, char** argv) {
    static mstest::TempDir home;
    ::setenv("XDG_CONFIG_HOME", (home / "config").c_str(), 1);
    ::setenv("XDG_DATA_HOME", (home / "data").c_str(), 1);
    ::setenv("XDG_CACHE_HOME", (home / "cache").c_str(), 1);
    QApplication app(argc, argv);
    // As the program does: a screen too small for the main window's frame shows it without one.
    ms::gui::decideWindowFrames(QSize(ms::gui::TMainForm::ClientWidth, ms::gui::TMainForm::ClientHeight),
                                QSize(ms::gui::TMainForm::OuterWidth, ms::gui::TMainForm::OuterHeight));
    std::setlocale(LC_NUMERIC, "C");
    ms::gui::initResources();
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
