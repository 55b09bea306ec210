#include "mainwindow/SideWindow.h"

#include "mainwindow/MainFormStyle.h"
#include "shell/WindowPlacement.h"

#include <QFrame>
#include <QHideEvent>

namespace ms::gui {

SideWindow::SideWindow(const QString& name, const QSize& size, const QString& frameName, int frameWidth,
                       const QColor& inside, Qt::WindowFlags extraFlags) {
    setObjectName(name);
    setWindowFlags(Qt::Tool | Qt::FramelessWindowHint | extraFlags);
    // The program ends with its main window, whatever side window is still open.
    setAttribute(Qt::WA_QuitOnClose, false);
    setFixedSize(size);
    mainform::setBackground(this, inside);

    auto* frame = new QFrame(this);
    frame->setObjectName(frameName);
    frame->setGeometry(QRect(QPoint(0, 0), size));
    frame->setStyleSheet(QStringLiteral("QFrame#%1 { background: %2; border: %3px solid %4; }")
                             .arg(frameName, inside.name())
                             .arg(frameWidth)
                             .arg(mainform::DarkRed.name()));
}

void SideWindow::showBeside(const QPoint& mainWindowPos, const QPoint& offset, const QRect& screen) {
    move(keptOnScreen(screen, QRect(mainWindowPos + offset, size())));
    show();
}

void SideWindow::hideEvent(QHideEvent* event) {
    QWidget::hideEvent(event);
    // A hide by the window system (the desktop minimised) closes nothing.
    if (!event->spontaneous())
        emit closed();
}

} // namespace ms::gui
