#pragma once

#include <QColor>
#include <QWidget>

namespace ms::gui {

// A borderless window that opens beside the main window (the product picker, the template
// comparison): a coloured inside within a dark red frame, placed at a fixed offset from the main
// window and moved into the screen as far as needed. Every hiding that is not the desktop's own
// is reported, so the main window gets its lists and commands back whoever hid the window.
class SideWindow : public QWidget {
    Q_OBJECT
  public:
    SideWindow(const QString& name, const QSize& size, const QString& frameName, int frameWidth,
               const QColor& inside, Qt::WindowFlags extraFlags = {});

  signals:
    void closed();

  protected:
    void showBeside(const QPoint& mainWindowPos, const QPoint& offset, const QRect& screen);
    void hideEvent(QHideEvent* event) override;
};

} // namespace ms::gui
