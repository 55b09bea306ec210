#pragma once

#include <QList>
#include <QObject>
#include <QPointer>

class QWidget;

namespace ms::gui {

// Controls that show a picture in place of a caption (flat picture buttons, labels that act on a
// click) joined to the keyboard and to screen readers: Tab reaches them, Space or Return activates
// them, a focus mark shows where the keyboard is, and an accessible name says what the picture
// means. A group laid out as a grid moves the focus with the arrow keys.
class PictureControls : public QObject {
    Q_OBJECT
  public:
    // With `columns` > 0 the arrow keys move through the group, in the order the controls were
    // added, as a grid of that many columns: left and right to the previous and next control, up
    // and down by one row. Without, the arrow keys keep their usual meaning.
    explicit PictureControls(QObject* parent, int columns = 0);

    // Joins `control` to the group; an empty name keeps the control's own text.
    void add(QWidget* control, const QString& accessibleName = {});
    // A single control, in a group of its own.
    static void join(QWidget* control, const QString& accessibleName = {});
    // The buttons with a caption below `window` act on Return as well as on Space, as they do in
    // a dialog; their look and focus stay their own.
    static void takeKeysOnButtons(QWidget* window);
    // A control that keeps its own keys and focus policy but whose own focus look is faint (the
    // ship lists) carries the focus mark as well, when the focus comes from the keyboard.
    static void markFocus(QWidget* control);

    // True while Space or Return activates a control: whatever it opens may take the focus, since
    // the user is on the keyboard.
    static bool activatingByKey();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void activate(QWidget* control);
    bool moveFocus(QWidget* from, int key);

    int m_columns;
    bool m_markFocus = true;
    bool m_takeKeys = true;
    QList<QPointer<QWidget>> m_controls;
};

} // namespace ms::gui
