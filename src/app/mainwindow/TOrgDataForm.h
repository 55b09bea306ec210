#pragma once

#include "lifecycle/ChangeMarkers.h"
#include "lifecycle/ShipForm.h"

#include "mainwindow/SideWindow.h"

#include <array>
#include <memory>

namespace ms::gui {

class BasePanel;
class DataPanel;
class DetailPanel;
class FormBinding;

// The template comparison window "Originaldaten": a read-only copy of one data panel, built from the
// main window's panel description and filled from the pristine record of the shown ship's
// template, so the user sees the template's values beside the changed ones.
class TOrgDataForm : public SideWindow {
    Q_OBJECT
  public:
    static constexpr int Width = 346;
    static constexpr int Height = 552;
    static constexpr int FrameWidth = 8;
    // Where the window stands relative to the main window's outer position.
    static constexpr QPoint Offset{310, 174};

    explicit TOrgDataForm(QWidget* parent = nullptr);
    ~TOrgDataForm() override;

    // Fills the comparison panel of `panel` for the ship `shown` (its template record, its name,
    // description and propulsion) and shows it over the main window. The other four panels are
    // hidden.
    void showComparison(ms::DataPanel panel, const ms::ShipContext& shown);

    DataPanel* panel(ms::DataPanel panel) const;

  private:
    BasePanel* m_basePanel = nullptr;
    DetailPanel* m_detailPanel = nullptr;
    std::array<DataPanel*, 5> m_panels{}; // in the order of ms::DataPanel
    std::unique_ptr<FormBinding> m_binding;
};

} // namespace ms::gui
