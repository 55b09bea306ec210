#include "shell/Application.h"

#include "mainwindow/TMainForm.h"
#include "shell/ConsistencyCommand.h"
#include "shell/GermanTranslations.h"
#include "shell/Resources.h"
#include "shell/SingleInstance.h"
#include "shell/StartupSequence.h"
#include "shell/TMessageForm.h"

#include <QApplication>
#include <clocale>
#include <memory>
#include <string_view>

namespace ms::gui {

namespace {
// Windows whose own features come later are created as named, hidden shells so the creation order
// (and what each may rely on) is already the final one.
std::unique_ptr<QWidget> makeShell(const char* objectName) {
    auto w = std::make_unique<QWidget>();
    w->setObjectName(QString::fromLatin1(objectName));
    return w;
}
} // namespace

int runApplication(int argc, char** argv) {
    // "--check" reports on the data without a window, for players who edited files by hand.
    if (argc > 1 && std::string_view(argv[1]) == "--check")
        return RunConsistencyCheckCommand(argc, argv);

    QApplication app(argc, argv);
    // QApplication switches LC_NUMERIC to the user's locale; the data files always use ".".
    std::setlocale(LC_NUMERIC, "C");
    QApplication::setApplicationName(QStringLiteral("Marvessa Spantora"));
    installGermanTranslations();
    initResources();

    SingleInstance instance;
    TMainForm mainForm;
    StartupServices services;
    services.instanceLock = &instance;
    if (StartupSequence(mainForm, services) != StartupResult::Running)
        return 1;

    // The fixed creation order after the main window: product picker, comparison window, old-world
    // yard window, message window, new-world and Enbesa yard windows, yard overview.
    auto productForm = makeShell("ProductForm");
    auto orgDataForm = makeShell("OrgDataForm");
    auto shipYardForm01 = makeShell("ShipYardForm01");
    TMessageForm messageForm(&mainForm);
    auto shipYardForm02 = makeShell("ShipYardForm02");
    auto shipYardForm03 = makeShell("ShipYardForm03");
    auto shortCutForm = makeShell("ShortCutForm");
    mainForm.setSideWindows(productForm.get(), orgDataForm.get());

    mainForm.show();
    return app.exec();
}

} // namespace ms::gui
