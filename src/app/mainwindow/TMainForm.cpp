#include "mainwindow/TMainForm.h"

namespace ms::gui {

TMainForm::TMainForm(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("MainForm"));
    setWindowTitle(QStringLiteral("Marvessa Spantora"));
}

} // namespace ms::gui
