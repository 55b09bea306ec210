#pragma once

#include "lifecycle/NumberFieldSpec.h"

#include <QAbstractSpinBox>

namespace ms::gui {

// The number field of the data panels. Unlike QSpinBox it keeps the text it was given ("1" stays
// "1") until the user spins it; a value outside the bounds shows as the nearest bound. Spins use a
// small step (arrows, buttons, wheel) and a large step (page keys), typing is limited in length,
// and a locked field is read-only without buttons.
class NumberField : public QAbstractSpinBox {
    Q_OBJECT
  public:
    explicit NumberField(const ms::NumberFieldSpec& spec, QWidget* parent = nullptr);

    const ms::NumberFieldSpec& spec() const { return m_spec; }
    void setMaximum(double maximum);
    void setDecimalIsPoint(bool decimalIsPoint);

    // Shows `text` through the bounds; no spin formatting for values inside them.
    void setShownText(const QString& text);
    QString shownText() const;

    // Makes a typed text whole, as leaving the field does: a value outside the bounds becomes the
    // nearest bound, a dangling separator ("2,", ",5") the spin form, and a text that is no number
    // returns to the last number the field showed.
    void settle();

    // Read-only without spin buttons (templates) or editable with them (new ships).
    void setLocked(bool locked);
    bool isLocked() const { return isReadOnly(); }

    void stepBy(int steps) override;
    QValidator::State validate(QString& input, int& pos) const override;

  signals:
    // Every change of the shown text: typed, spun or set by the program.
    void shownTextChanged(const QString& text);

  protected:
    StepEnabled stepEnabled() const override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

  private:
    void stepWith(double step, int steps);
    void setTextByProgram(const QString& text);
    void remember(const QString& text);

    ms::NumberFieldSpec m_spec;
    bool m_decimalIsPoint = false;
    bool m_settingText = false; // the length limit binds the user, not the program
    QString m_previousText;     // the text before the change being validated
    QString m_lastNumber = QStringLiteral("0");
};

} // namespace ms::gui
