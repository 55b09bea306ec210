#include "shell/ScreenFit.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

namespace ms::gui {

namespace {
bool g_withoutFrame = false;
}

bool fitsScreen(const QSize& available, const QSize& outer) {
    return available.isEmpty() ||
           (outer.width() <= available.width() && outer.height() <= available.height());
}

void decideWindowFrames(const QSize& client, const QSize& outer) {
    const QScreen* screen = QGuiApplication::primaryScreen();
    const QSize available = screen ? screen->availableGeometry().size() : QSize();
    g_withoutFrame = !fitsScreen(available, outer) && fitsScreen(available, client);
}

void fitToScreen(QWidget& window) {
    if (g_withoutFrame)
        window.setWindowFlag(Qt::FramelessWindowHint);
}

} // namespace ms::gui
