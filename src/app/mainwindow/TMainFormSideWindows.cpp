#include "mainwindow/TMainForm.h"

#include "mainwindow/ClickGuard.h"
#include "mainwindow/CostPanel.h"
#include "mainwindow/DataPanel.h"
#include "mainwindow/TOrgDataForm.h"
#include "mainwindow/TProductForm.h"

#include <QListWidget>
#include <QPushButton>
#include <QScopedValueRollback>
#include <QShortcut>
#include <QTreeWidget>

// The main window's part of its two side windows, the product picker and the template comparison:
// opening them, the pick, and what the window gets back when one is hidden.
namespace ms::gui {

namespace {
// TMainForm::Panel order -> the core's panel kinds.
constexpr ms::DataPanel PanelKinds[] = {ms::DataPanel::Base, ms::DataPanel::Cost, ms::DataPanel::Weapon,
                                        ms::DataPanel::Detail, ms::DataPanel::Expedition};
} // namespace

void TMainForm::setSideWindows(TProductForm* productPicker, TOrgDataForm* comparison) {
    m_productPicker = productPicker;
    m_comparison = comparison;
    // The side windows lie over the main window, in its display font; the caller may keep them
    // (and destroys them before the main window).
    for (SideWindow* side : {static_cast<SideWindow*>(productPicker), static_cast<SideWindow*>(comparison)})
        if (side) {
            if (side->parentWidget() != this)
                side->setParent(this);
            side->setFont(font());
            side->hide();
        }
    if (!m_clickGuard)
        m_clickGuard = new ClickGuard(this);
    for (SideWindow* side : {static_cast<SideWindow*>(productPicker), static_cast<SideWindow*>(comparison)})
        if (side)
            m_clickGuard->letThrough(side);
    if (!m_closeSideWindowsKey) {
        m_closeSideWindowsKey = new QShortcut(QKeySequence(Qt::Key_Escape), this);
        m_closeSideWindowsKey->setEnabled(false); // Escape is free while no side window is open
        connect(m_closeSideWindowsKey, &QShortcut::activated, this, [this] {
            const QScopedValueRollback byKey(m_closingByKey, true);
            guarded([this] { closeSideWindows(); });
        });
    }
    if (productPicker) {
        connect(m_costPanel, &CostPanel::pickerRequested, this,
                [this](int row) { guarded([this, row] { ChangeCostClick(row); }); });
        connect(productPicker, &TProductForm::productPicked, this,
                [this](int row, const QString& guid) { guarded([&] { PickProduct(row, guid); }); });
        connect(productPicker, &TProductForm::closed, this,
                [this] { guarded([this] { sideWindowClosed(); }); });
    }
    if (comparison) {
        for (size_t i = 0; i < m_panels.size(); ++i) {
            const auto panel = static_cast<Panel>(i);
            connect(m_panels[i]->opener(), &QPushButton::clicked, this,
                    [this, panel] { guarded([this, panel] { ShowOrgDataFormClick(panel); }); });
        }
        connect(comparison, &TOrgDataForm::closed, this, [this] { guarded([this] { sideWindowClosed(); }); });
        // Moves over the comparison show its help entry in this window's help area.
        for (QWidget* w : comparison->findChildren<QWidget*>()) {
            w->setMouseTracking(true);
            w->installEventFilter(this);
        }
        comparison->setMouseTracking(true);
        comparison->installEventFilter(this);
    }
}

bool TMainForm::sideWindowVisible() const {
    return (m_productPicker && m_productPicker->isOpen()) || (m_comparison && m_comparison->isOpen());
}

void TMainForm::closeSideWindows() {
    // Each hide reports back through sideWindowClosed.
    if (m_productPicker)
        m_productPicker->hide();
    if (m_comparison)
        m_comparison->hide();
}

void TMainForm::sideWindowOpened() {
    m_clickGuard->arm();
    m_closeSideWindowsKey->setEnabled(true);
}

void TMainForm::sideWindowClosed() {
    // The click that closed the window must not go on to the lists that come back below it.
    if (!m_closingByKey)
        m_clickGuard->arm();
    m_closeSideWindowsKey->setEnabled(sideWindowVisible());
    m_costPanel->setPickerButtonPicture(QStringLiteral("BrownArrow"));
    for (DataPanel* panel : m_panels)
        panel->setOpenerPicture(QStringLiteral("BrownList"));
    m_shipTypeView->setEnabled(true);
    m_shipView->setEnabled(true);
    // The side windows open only for new ships; the template lists keep their own rules.
    if (selectedCategory() == NewShipsCategory && !m_currentShipGuid.isEmpty()) {
        for (QPushButton* button : {m_saveBtn, m_createModBtn, m_shipYardBuildMenuBtn, m_deleteBtn})
            button->setEnabled(true);
        m_deactivateBtn->setEnabled(m_form.context.isMod == "true");
    }
    UpdateChangeMarkers();
}

void TMainForm::ChangeCostClick(int row) {
    hideYardSelectionPanel();
    closeSideWindows();
    if (!m_productPicker)
        return;
    m_costPanel->setPickerButtonPicture(row, QStringLiteral("GreenArrow"));
    m_productPicker->showFor(QStringLiteral("ChangeCostImage%1").arg(row));
    sideWindowOpened();
}

void TMainForm::ShowOrgDataFormClick(Panel panel) {
    hideYardSelectionPanel();
    const bool shown = m_comparison && m_comparison->isOpen();
    closeSideWindows();
    if (shown || !m_comparison)
        return;
    m_comparison->showComparison(PanelKinds[panel], m_form.context);
    m_panels[static_cast<size_t>(panel)]->setOpenerPicture(QStringLiteral("GreenList"));
    sideWindowOpened();
}

} // namespace ms::gui
