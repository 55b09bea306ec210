#include "shell/DisplayFont.h"

#include "shell/StandardMessage.h"

#include <QFile>
#include <QFontDatabase>
#include <QWidget>

namespace ms::gui {

bool InstallDisplayFont(QWidget* mainWindow) {
    QFile file(QStringLiteral(":/embedded/Heuristica-Regular.otf"));
    int id = -1;
    if (file.open(QIODevice::ReadOnly))
        id = QFontDatabase::addApplicationFontFromData(file.readAll());
    const bool installed = id >= 0 && QFontDatabase::applicationFontFamilies(id).contains(QStringLiteral("Heuristica"));
    if (!installed)
        StandardMessage::information(nullptr, QStringLiteral("Marvessa Spantora"),
                                     QStringLiteral("Die Anzeigeschriftart wurde geändert."));
    QFont font(installed ? QStringLiteral("Heuristica") : QStringLiteral("MS Sans Serif"));
    font.setPointSize(10);
    mainWindow->setFont(font);
    QPalette palette = mainWindow->palette();
    const QColor text(65, 55, 40);
    // Only the enabled states: disabled controls keep their greyed look.
    for (const auto group : {QPalette::Active, QPalette::Inactive}) {
        palette.setColor(group, QPalette::WindowText, text);
        palette.setColor(group, QPalette::Text, text);
        palette.setColor(group, QPalette::ButtonText, text);
    }
    mainWindow->setPalette(palette);
    return true;
}

} // namespace ms::gui
