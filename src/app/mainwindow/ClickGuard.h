#pragma once

#include <QElapsedTimer>
#include <QList>
#include <QObject>
#include <QPointer>

class QWidget;

namespace ms::gui {

// Keeps the rest of a click away from a window once that click has opened or closed a side window
// over it: the second press of a double-click (and its release) would otherwise land on whatever
// lies under the vanished picker, such as the ship list, and select another ship. Armed by the
// click, it swallows every press in the window until the button is up again and the double-click
// interval has passed without a new press. Clicks into the side windows themselves pass.
class ClickGuard : public QObject {
  public:
    explicit ClickGuard(QWidget* window);

    // Clicks on `area` and everything in it are never swallowed.
    void letThrough(QWidget* area);

    void arm();
    void disarm();
    bool isArmed() const { return m_armed; }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    bool guards(QObject* watched) const;

    QWidget* m_window;
    QList<QPointer<QWidget>> m_letThrough;
    QElapsedTimer m_sinceLastClick;
    bool m_armed = false;
    bool m_held = false; // a swallowed press waits for its release
};

} // namespace ms::gui
