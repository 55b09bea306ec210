#pragma once

#include <QFrame>

class QLabel;
class QPushButton;

namespace ms::gui {

class FieldRow;
class NumberField;

// Each panel class describes its panel once for two uses: the main window edits a ship in it, the
// template comparison window shows a read-only copy of it without spin buttons, markers, product
// arrows, comparison opener or arm/disarm action.
enum class PanelUse { Editing, Comparison };

// Common frame of the five data panels: 330 x 535, a heading, and the opener of the template
// comparison window for this panel. The panels lie on the same spot; one is seen at a time.
class DataPanel : public QFrame {
    Q_OBJECT
  public:
    static constexpr int Width = 330;
    static constexpr int Height = 535;
    static constexpr int Margin = 8;

    DataPanel(QWidget* parent, const QString& name, const QString& heading, const QString& openerName,
              const QString& helpNumber, PanelUse use);

    // Templates are shown read-only, new ships editable.
    virtual void setLocked(bool locked);

    QList<NumberField*> numberFields() const;
    // Null in the comparison window.
    QPushButton* opener() const { return m_opener; }
    // "BrownList" normally, "GreenList" while this panel's comparison is shown; the opener keeps the
    // name in its "pictureName" property.
    void setOpenerPicture(const QString& pictureName);
    PanelUse use() const { return m_use; }

  protected:
    // A field row at the given top, inside the panel margins.
    FieldRow* addRow(int top, const QString& rowName, const QString& caption, const QString& fieldName,
                     const QString& dotName, const QString& helpNumber = {});
    QLabel* addHeading(int top, const QString& text);
    // A label holding a value the window keeps but never shows.
    QLabel* addHiddenField(const QString& name);
    // A change marker; none in the comparison window.
    QLabel* addMarker(QWidget* parent, const QString& name, int x, int y);
    bool editing() const { return m_use == PanelUse::Editing; }
    // The comparison window words a few captions of its own.
    QString byUse(const QString& editingText, const QString& comparisonText) const {
        return editing() ? editingText : comparisonText;
    }

  private:
    PanelUse m_use;
    QPushButton* m_opener = nullptr;
};

} // namespace ms::gui
