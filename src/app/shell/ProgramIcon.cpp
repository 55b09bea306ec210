#include "shell/ProgramIcon.h"

#include "Version.h"

#include <QGuiApplication>

#include <cstdlib>

namespace ms::gui {

QIcon programIcon() {
    QIcon icon;
    for (const char* size : {"48", "64", "128", "256"})
        // With its size given, a picture is read only once a window asks for that size.
        icon.addFile(QStringLiteral(":/icons/%1.png").arg(QLatin1String(size)),
                     QSize(std::atoi(size), std::atoi(size)));
    return icon;
}

void applyProgramIcon() {
    QGuiApplication::setWindowIcon(programIcon());
    QGuiApplication::setDesktopFileName(QString::fromLatin1(build::AppId));
}

} // namespace ms::gui
