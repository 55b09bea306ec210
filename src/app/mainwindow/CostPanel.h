#pragma once

#include "mainwindow/DataPanel.h"

class QPushButton;

namespace ms::gui {

// "Baukosten": seven cost rows (product picture, name, tons, picker button) and the influence row.
class CostPanel : public DataPanel {
    Q_OBJECT
  public:
    static constexpr int Rows = 7;

    explicit CostPanel(QWidget* parent, PanelUse use = PanelUse::Editing);

    void setLocked(bool locked) override;
    // The picker buttons are usable only in the new-ship list.
    void setPickerButtonsEnabled(bool enabled);
    // "BrownArrow" or "GreenArrow" for all seven buttons or for the button of one row; each button
    // keeps the name in its "pictureName" property.
    void setPickerButtonPicture(const QString& pictureName);
    void setPickerButtonPicture(int row, const QString& pictureName);

  signals:
    void pickerRequested(int row);

  private:
    QList<QPushButton*> m_pickerButtons;
};

} // namespace ms::gui
