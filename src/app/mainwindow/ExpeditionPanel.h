#pragma once

#include "mainwindow/DataPanel.h"

namespace ms::gui {

// "Expeditionsmerkmale": the eight expedition values and the two perks the ship carries.
class ExpeditionPanel : public DataPanel {
    Q_OBJECT
  public:
    explicit ExpeditionPanel(QWidget* parent, PanelUse use = PanelUse::Editing);
};

} // namespace ms::gui
