#include "shell/Application.h"

#include "mainwindow/TMainForm.h"
#include "mainwindow/TOrgDataForm.h"
#include "mainwindow/TProductForm.h"
#include "shell/CommandLine.h"
#include "shell/GermanTranslations.h"
#include "shell/ProgramIcon.h"
#include "shell/Resources.h"
#include "shell/ScreenFit.h"
#include "shell/ShownReport.h"
#include "shell/SingleInstance.h"
#include "shell/StartupSequence.h"
#include "shell/TMessageForm.h"

#include <QApplication>
#include <clocale>
#include <memory>

namespace ms::gui {

int runApplication(int argc, char** argv) {
    // The options are read before anything needs a display: they answer on a bare terminal too.
    const CommandLine command = ParseCommandLine(argc, argv);
    if (command.mode != CommandMode::Window)
        return RunCommandLine(command, argc, argv);

    QApplication app(argc, argv);
    // QApplication switches LC_NUMERIC to the user's locale; the data files always use ".".
    std::setlocale(LC_NUMERIC, "C");
    QApplication::setApplicationName(QStringLiteral("Marvessa Spantora"));
    installGermanTranslations();
    initResources();
    applyProgramIcon();

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

    // After the main window: the message window; the product picker and the comparison window once
    // the main window is on screen (neither shows before a click). The three yard windows and the
    // overview are made when they are first opened; a start that never opens them does not pay for
    // their pictures.
    TMessageForm messageForm(&mainForm);
    std::unique_ptr<TProductForm> productForm;
    std::unique_ptr<TOrgDataForm> orgDataForm;
    afterFirstPaint(&mainForm, [&] {
        productForm = std::make_unique<TProductForm>(&mainForm);
        orgDataForm = std::make_unique<TOrgDataForm>(&mainForm);
        mainForm.setSideWindows(productForm.get(), orgDataForm.get());
    });

    reportFirstPaint(&mainForm);
    mainForm.show();
    return app.exec();
}

} // namespace ms::gui
