#pragma once

#include <QWidget>

namespace ms::gui {

// The frame drawn around the picture control that holds the keyboard focus. Picture controls are
// flat and have no focus look of their own; one mark serves them all and moves with the focus. It
// lies just outside the control, so the picture itself stays whole, and lets the mouse through.
class FocusMark : public QWidget {
    Q_OBJECT
  public:
    static constexpr int Margin = 5;

    // Puts the mark around `control` (on the control's parent, above its siblings).
    static void showAround(QWidget* control);
    // Takes the mark away if it stands around `control`.
    static void hideFrom(QWidget* control);
    // The control the mark stands around, or null while it is hidden.
    static QWidget* markedControl();

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    explicit FocusMark(QWidget* parent);
};

} // namespace ms::gui
