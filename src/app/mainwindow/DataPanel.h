#pragma once

#include <QFrame>

class QLabel;
class QPushButton;

namespace ms::gui {

class FieldRow;
class NumberField;

// Common frame of the five data panels: 330 x 535, a heading, and the opener of the template
// comparison window for this panel. The panels lie on the same spot; one is seen at a time.
class DataPanel : public QFrame {
    Q_OBJECT
  public:
    static constexpr int Width = 330;
    static constexpr int Height = 535;
    static constexpr int Margin = 8;

    DataPanel(QWidget* parent, const QString& name, const QString& heading, const QString& openerName,
              const QString& helpNumber);

    // Templates are shown read-only, new ships editable.
    virtual void setLocked(bool locked);

    QList<NumberField*> numberFields() const;
    QPushButton* opener() const { return m_opener; }

  protected:
    // A field row at the given top, inside the panel margins.
    FieldRow* addRow(int top, const QString& rowName, const QString& caption, const QString& fieldName,
                     const QString& dotName, const QString& helpNumber = {});
    QLabel* addHeading(int top, const QString& text);
    // A label holding a value the window keeps but never shows.
    QLabel* addHiddenField(const QString& name);

  private:
    QPushButton* m_opener = nullptr;
};

} // namespace ms::gui
