#pragma once

#include <QDialog>

class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;

namespace ms::gui {

// The program's own message window: a borderless modal dialog with a title band, a picture, the
// message text, in input mode a one-line input box, and one or two buttons. It computes its own
// layout from the text every time it is shown. Callers go through MessageWindow.
class TMessageForm : public QDialog {
    Q_OBJECT
  public:
    explicit TMessageForm(QWidget* parent = nullptr);
    ~TMessageForm() override;

    // The form created at start-up, or nullptr.
    static TMessageForm* instance();

    // MessageInputMode: false = message mode, true = input mode.
    void setInputMode(bool inputMode) { m_inputMode = inputMode; }
    bool inputMode() const { return m_inputMode; }

    QLabel* remarkImage() const { return m_remarkImage; }
    QLabel* headerLabel() const { return m_headerLabel; }
    QLabel* msgBoxLabel() const { return m_msgBoxLabel; }
    QLineEdit* msgBoxQuest() const { return m_msgBoxQuest; }
    QPushButton* okBtn() const { return m_okBtn; }
    QPushButton* abortBtn() const { return m_abortBtn; }

    // Lays the window out for its current text and mode (done again by every showing), within the
    // available area of the owner's screen; `area` stands in for that area.
    void applyLayout();
    void applyLayout(const QRect& area);

    // Shows the window modally over `owner` (the window that asks), transient for it, so that no
    // window manager can stack it below that window. Returns the dialog's result.
    int execOver(QWidget* owner);

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    bool m_inputMode = false;
    QFrame* m_shape1 = nullptr;
    QLabel* m_headerLabel = nullptr;
    QLabel* m_remarkImage = nullptr;
    QLabel* m_msgBoxLabel = nullptr;
    QLineEdit* m_msgBoxQuest = nullptr;
    QFrame* m_line = nullptr;
    QPushButton* m_abortBtn = nullptr;
    QPushButton* m_okBtn = nullptr;
};

} // namespace ms::gui
