#pragma once

#include "mainwindow/DataPanel.h"

class QComboBox;
class QLineEdit;
class QPushButton;

namespace ms::gui {

// "Bewaffnung": the three defensive values, the arm/disarm button, the projectile type and the five
// offensive values.
class WeaponPanel : public DataPanel {
    Q_OBJECT
  public:
    explicit WeaponPanel(QWidget* parent, PanelUse use = PanelUse::Editing);

    void setLocked(bool locked) override;

    // The projectile list; null in the comparison window, which shows the name as text.
    QComboBox* projectileBox() const { return m_projectiles; }
    QPushButton* armButton() const { return m_arm; }

  private:
    QPushButton* m_arm = nullptr;
    QComboBox* m_projectiles = nullptr;
    QLineEdit* m_projectileName = nullptr;
};

} // namespace ms::gui
