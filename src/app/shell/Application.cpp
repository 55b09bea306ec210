#include "shell/Application.h"

#include "mainwindow/TMainForm.h"
#include "mainwindow/TOrgDataForm.h"
#include "mainwindow/TProductForm.h"
#include "shell/ConsistencyCommand.h"
#include "shell/GermanTranslations.h"
#include "shell/Resources.h"
#include "shell/ScreenFit.h"
#include "shell/SingleInstance.h"
#include "shell/StartupSequence.h"
#include "shell/TMessageForm.h"

#include <QApplication>
#include <clocale>
#include <memory>
#include <string_view>

namespace ms::gui {

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

    // A screen too small for the main window with its frame shows it without one.
    decideWindowFrames(QSize(TMainForm::ClientWidth, TMainForm::ClientHeight),
                       QSize(TMainForm::OuterWidth, TMainForm::OuterHeight));
    SingleInstance instance;
    TMainForm mainForm;
    fitToScreen(mainForm);
    StartupServices services;
    services.instanceLock = &instance;
    if (StartupSequence(mainForm, services) != StartupResult::Running)
        return 1;

    // After the main window: product picker, comparison window, message window. The three yard
    // windows and the overview are made when they are first opened; a start that never opens them
    // does not pay for their pictures.
    TProductForm productForm(&mainForm);
    TOrgDataForm orgDataForm(&mainForm);
    TMessageForm messageForm(&mainForm);
    mainForm.setSideWindows(&productForm, &orgDataForm);

    mainForm.show();
    return app.exec();
}

} // namespace ms::gui
