#pragma once

#include <QColor>
#include <QWidget>

namespace ms::gui {

// A borderless panel that opens over the main window (the product picker, the template
// comparison): a coloured inside within a dark red frame. It is a child of the main window, raised
// above the panels, so no window manager can stack it behind the main window, it moves with it,
// and it needs no window placement (which Wayland does not grant). Every hiding of the panel itself
// is reported, so the main window gets its lists and commands back whoever hid it; the main window
// being hidden or minimised closes nothing.
class SideWindow : public QWidget {
    Q_OBJECT
  public:
    // Where the main window's client area starts inside its outer frame on the desktop the side
    // windows' offsets were measured on (an 8-pixel border, a 31-pixel title bar). An offset from
    // the main window's outer position minus this is the place in the client area.
    static constexpr QPoint DesignedClientOrigin{8, 31};

    SideWindow(const QString& name, const QSize& size, const QString& frameName, int frameWidth,
               const QColor& inside, QWidget* parent = nullptr);

    // Shown: not hidden by itself, whether or not the main window is on the screen.
    bool isOpen() const { return !isHidden(); }
    void setVisible(bool visible) override;

  signals:
    void closed();

  protected:
    // Shows the window at `offset` from the main window's outer position, above every sibling.
    void showAtOffset(const QPoint& offset);
};

} // namespace ms::gui
