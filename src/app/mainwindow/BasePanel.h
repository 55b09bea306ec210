#pragma once

#include "mainwindow/DataPanel.h"

class QLineEdit;
class QPlainTextEdit;

namespace ms::gui {

// "Basisdaten": name and description of the ship and the population level that unlocks it.
class BasePanel : public DataPanel {
    Q_OBJECT
  public:
    explicit BasePanel(QWidget* parent, PanelUse use = PanelUse::Editing);

    void setLocked(bool locked) override;
    // Frames the picture of the level and hides the other frames (none for an unknown level).
    void showWorkforceFrame(const QString& workforceGuid);
    // "Schiffsname"/"Beschreibungstext" for templates, "Neuer ..." for new ships.
    void setCaptions(bool newShip);

    QLineEdit* nameBox() const { return m_name; }
    QPlainTextEdit* descriptionBox() const { return m_description; }

  signals:
    void workforceClicked(const QString& workforceGuid);

  private:
    QLineEdit* m_name = nullptr;
    QPlainTextEdit* m_description = nullptr;
    QList<QWidget*> m_levelImages;
};

} // namespace ms::gui
