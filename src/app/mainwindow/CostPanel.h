#pragma once

#include "mainwindow/DataPanel.h"

class QPushButton;

namespace ms::gui {

// "Baukosten": seven cost rows (product picture, name, tons, picker button) and the influence row.
class CostPanel : public DataPanel {
    Q_OBJECT
  public:
    static constexpr int Rows = 7;

    explicit CostPanel(QWidget* parent);

    void setLocked(bool locked) override;
    // The picker buttons are usable only in the new-ship list.
    void setPickerButtonsEnabled(bool enabled);
    void setPickerButtonPicture(const QString& pictureName);

  signals:
    void pickerRequested(int row);

  private:
    QList<QPushButton*> m_pickerButtons;
};

} // namespace ms::gui
