#include "mainwindow/SideWindow.h"

#include "mainwindow/MainFormStyle.h"

#include <QFrame>

namespace ms::gui {

SideWindow::SideWindow(const QString& name, const QSize& size, const QString& frameName, int frameWidth,
                       const QColor& inside, QWidget* parent)
    : QWidget(parent) {
    setObjectName(name);
    setFixedSize(size);
    mainform::setBackground(this, inside);

    auto* frame = new QFrame(this);
    frame->setObjectName(frameName);
    frame->setGeometry(QRect(QPoint(0, 0), size));
    frame->setStyleSheet(QStringLiteral("QFrame#%1 { background: %2; border: %3px solid %4; }")
                             .arg(frameName, inside.name())
                             .arg(frameWidth)
                             .arg(mainform::DarkRed.name()));
    hide();
}

void SideWindow::setVisible(bool visible) {
    const bool wasOpen = isOpen();
    QWidget::setVisible(visible);
    if (wasOpen && !visible)
        emit closed();
}

void SideWindow::showAtOffset(const QPoint& offset) {
    move(offset - DesignedClientOrigin);
    show();
    raise();
}

} // namespace ms::gui
