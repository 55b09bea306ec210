#pragma once

#include "mainwindow/DataPanel.h"

namespace ms::gui {

class FieldRow;

// "Details": speed with its knots, cargo and region-change factors, command points, maintenance,
// building time and the cargo hold.
class DetailPanel : public DataPanel {
    Q_OBJECT
  public:
    explicit DetailPanel(QWidget* parent, PanelUse use = PanelUse::Editing);

    // Sail pictures and the minimum speed for sailing ships, the steam picture for steamships;
    // another propulsion leaves everything as it was.
    void showPropulsion(const QString& engine);
    // The oil tanker's single cargo slot holds a fixed product: no slots or sockets to edit.
    void showCargoRows(bool visible);

  private:
    FieldRow* m_slots = nullptr;
    FieldRow* m_sockets = nullptr;
};

} // namespace ms::gui
