#include "shell/ProgramIcon.h"

#include "Version.h"

#include <QGuiApplication>

namespace ms::gui {

QIcon programIcon() {
    QIcon icon;
    for (const char* size : {"48", "64", "128", "256"})
        icon.addFile(QStringLiteral(":/icons/%1.png").arg(QLatin1String(size)));
    return icon;
}

void applyProgramIcon() {
    QGuiApplication::setWindowIcon(programIcon());
    QGuiApplication::setDesktopFileName(QString::fromLatin1(build::AppId));
}

} // namespace ms::gui
