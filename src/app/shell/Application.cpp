#include "shell/Application.h"

#include "mainwindow/TMainForm.h"
#include "shell/Resources.h"

#include <QApplication>
#include <clocale>

namespace ms::gui {

int runApplication(int argc, char** argv) {
    QApplication app(argc, argv);
    // QApplication switches LC_NUMERIC to the user's locale; the data files always use ".".
    std::setlocale(LC_NUMERIC, "C");
    initResources();
    TMainForm mainForm;
    mainForm.show();
    return app.exec();
}

} // namespace ms::gui
