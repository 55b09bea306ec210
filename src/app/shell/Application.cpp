#include "shell/Application.h"

#include "mainwindow/TMainForm.h"
#include "shell/Resources.h"
#include "shell/SingleInstance.h"
#include "shell/StartupSequence.h"

#include <QApplication>
#include <clocale>
#include <memory>
#include <vector>

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
    QApplication app(argc, argv);
    // QApplication switches LC_NUMERIC to the user's locale; the data files always use ".".
    std::setlocale(LC_NUMERIC, "C");
    QApplication::setApplicationName(QStringLiteral("Marvessa Spantora"));
    initResources();

    SingleInstance instance;
    TMainForm mainForm;
    StartupServices services;
    services.instanceLock = &instance;
    if (StartupSequence(mainForm, services) != StartupResult::Running)
        return 1;

    std::vector<std::unique_ptr<QWidget>> others;
    for (const char* name : {"ProductForm", "OrgDataForm", "ShipYardForm01", "MessageForm", "ShipYardForm02",
                             "ShipYardForm03", "ShortCutForm"})
        others.push_back(makeShell(name));

    mainForm.show();
    return app.exec();
}

} // namespace ms::gui
