#include "shell/ScreenFit.h"

#include <QGuiApplication>
#include <QScreen>

#include <algorithm>
#include <cmath>
#include <vector>

namespace ms::gui {

double screenFitFactor(const QSize& available, const QSize& outer) {
    if (available.isEmpty() || outer.isEmpty())
        return 1.0;
    const double factor =
        std::min(double(available.width()) / outer.width(), double(available.height()) / outer.height());
    // Two decimals, rounded down: the window fits, and the factor reads well in a bug report.
    return factor >= 1.0 ? 1.0 : std::floor(factor * 100.0) / 100.0;
}

void fitWindowsToScreen(int argc, char** argv, const QSize& client, const QSize& outer) {
    if (qEnvironmentVariableIsSet("QT_SCALE_FACTOR"))
        return;
    QSize available;
    {
        // A passing look at the screen; the program's own application object follows. It gets a
        // copy of the arguments, since it takes out those meant for the window system.
        std::vector<char*> args(argv, argv + argc);
        args.push_back(nullptr);
        int count = argc;
        QGuiApplication probe(count, args.data());
        if (const QScreen* screen = QGuiApplication::primaryScreen())
            available = screen->availableGeometry().size();
    }
    const double factor = screenFitFactor(available - (outer - client), client);
    if (factor < 1.0)
        qputenv("QT_SCALE_FACTOR", QByteArray::number(factor, 'f', 2));
}

} // namespace ms::gui
