// The floor for the start-up figure: a bare Qt Widgets window with one label, built from the same Qt
// and started the same way as the program.
#include "shell/ShownReport.h"

#include <QApplication>
#include <QLabel>
#include <QMainWindow>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QMainWindow window;
    window.setCentralWidget(new QLabel(QStringLiteral("Marvessa Spantora"), &window));
    window.resize(1278, 755);
    ms::gui::reportFirstPaint(&window);
    window.show();
    return app.exec();
}
