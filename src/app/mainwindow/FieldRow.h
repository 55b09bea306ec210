#pragma once

#include <QWidget>

class QLabel;

namespace ms::gui {

class NumberField;

// One row of a data panel: caption, number field and change marker on a small panel of its own,
// which carries the row's help number.
class FieldRow : public QWidget {
    Q_OBJECT
  public:
    // `rowName` names the row panel, `fieldName` the number field (its bounds come from the core),
    // `dotName` the marker (none when empty). An empty help number leaves the help to the enclosing
    // panel.
    FieldRow(QWidget* parent, const QString& rowName, const QString& caption, const QString& fieldName,
             const QString& dotName, const QString& helpNumber = {});

    NumberField* field() const { return m_field; }
    QLabel* caption() const { return m_caption; }
    QLabel* dot() const { return m_dot; }

    static constexpr int Height = 34;
    static constexpr int FieldLeft = 196;
    static constexpr int FieldWidth = 92;

  private:
    QLabel* m_caption = nullptr;
    NumberField* m_field = nullptr;
    QLabel* m_dot = nullptr;
};

// The marker picture beside a compared field, hidden until the field differs from its template.
QLabel* createMarker(QWidget* parent, const QString& name, int x, int y);

// Sets the help number an element shows when the mouse moves over it.
// An empty number takes the widget's entry away.
void setHelpNumber(QWidget* widget, const QString& helpNumber);

} // namespace ms::gui
