#pragma once

#include <QObject>
#include <QPoint>
#include <QString>

#include <optional>

class QLabel;
class QTimer;
class QWidget;

namespace ms::gui {

// The main window's help area: the entry of the element under the mouse, found by the element's
// help number or fixed text, and the position rules of the help timer for the command column.
class MainFormHelp : public QObject {
  public:
    // Builds the help frame and its two labels on `form`. `yardSelectionPanel` decides which
    // position rules apply; over `background` the position rules answer instead of the element.
    MainFormHelp(QWidget* form, QWidget* background, QWidget* yardSelectionPanel);

    void startTimer();
    bool ShowHelpText(const QString& helpNumber);
    void showHelpAtPosition(const QPoint& clientPos);
    // A mouse move over `widget` at the global position `global`.
    void mouseMoved(QWidget* widget, const QPoint& global);
    // The pointer left the window or came back. No help position lies outside the window, so the
    // timer rests meanwhile instead of asking the window system for the pointer ten times a second.
    void pointerLeft();
    void pointerEntered();

  private:
    void helpTimerTick();
    void showFixedHelp(const QString& key);
    void showHelpFor(QWidget* widget);
    void setHelpArea(const QString& header, const QString& text);
    void setHelpHeader(const QString& header);
    bool overCommandColumn(const QPoint& clientPos) const;

    QWidget* m_form;
    QWidget* m_background;
    QWidget* m_yardSelectionPanel;
    QLabel* m_helpHeaderLabel = nullptr;
    QLabel* m_helpLabel = nullptr;
    QTimer* m_helpCallTimer = nullptr;
    QString m_lastHelpKey;
    std::optional<QPoint> m_helpEventPos; // where the pointer was last seen
    int m_ticksSinceAsked = 0;
};

} // namespace ms::gui
