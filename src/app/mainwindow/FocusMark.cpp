#include "mainwindow/FocusMark.h"

#include "mainwindow/MainFormStyle.h"

#include <QPainter>
#include <QPointer>

namespace ms::gui {

namespace {
QPointer<FocusMark> s_mark;
QPointer<QWidget> s_control;
} // namespace

FocusMark::FocusMark(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("FocusMark"));
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_NoSystemBackground);
    setFocusPolicy(Qt::NoFocus);
}

void FocusMark::showAround(QWidget* control) {
    QWidget* parent = control->parentWidget();
    if (!parent)
        return;
    // One mark for the whole program; it moves to wherever the focus goes.
    if (!s_mark)
        s_mark = new FocusMark(parent);
    else if (s_mark->parentWidget() != parent)
        s_mark->setParent(parent);
    s_control = control;
    s_mark->setGeometry(control->geometry().adjusted(-Margin, -Margin, Margin, Margin));
    s_mark->raise();
    s_mark->show();
}

void FocusMark::hideFrom(QWidget* control) {
    if (s_mark && s_control == control) {
        s_mark->hide();
        s_control = nullptr;
    }
}

QWidget* FocusMark::markedControl() {
    return s_mark && !s_mark->isHidden() ? s_control.data() : nullptr;
}

void FocusMark::paintEvent(QPaintEvent*) {
    // A gold line edged in the program's dark red: it shows on the beige panels and on the dark
    // red panel of a new ship alike, and reads as a frame rather than as part of the picture.
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF line = QRectF(rect()).adjusted(2.5, 2.5, -2.5, -2.5);
    painter.setPen(QPen(mainform::DarkRed, 5));
    painter.drawRoundedRect(line, 5, 5);
    painter.setPen(QPen(mainform::FocusGold, 3));
    painter.drawRoundedRect(line, 5, 5);
}

} // namespace ms::gui
