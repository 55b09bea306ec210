#include "mainwindow/TOrgDataForm.h"

#include "lifecycle/TemplateForm.h"
#include "mainwindow/BasePanel.h"
#include "mainwindow/CostPanel.h"
#include "mainwindow/DetailPanel.h"
#include "mainwindow/ExpeditionPanel.h"
#include "mainwindow/FieldRow.h"
#include "mainwindow/FormBinding.h"
#include "mainwindow/MainFormStyle.h"
#include "mainwindow/NumberField.h"
#include "mainwindow/WeaponPanel.h"
#include "shell/Environment.h"

namespace ms::gui {

using namespace mainform;

TOrgDataForm::TOrgDataForm(QWidget* parent)
    : SideWindow(QStringLiteral("OrgDataForm"), QSize(Width, Height), QStringLiteral("XMLInfoOrgPanel"),
                 FrameWidth, Qt::white, parent) {
    setWindowTitle(QStringLiteral("Originaldaten"));

    m_basePanel = new BasePanel(this, PanelUse::Comparison);
    m_basePanel->setCaptions(true);
    m_detailPanel = new DetailPanel(this, PanelUse::Comparison);
    m_panels[static_cast<size_t>(ms::DataPanel::Base)] = m_basePanel;
    m_panels[static_cast<size_t>(ms::DataPanel::Cost)] = new CostPanel(this, PanelUse::Comparison);
    m_panels[static_cast<size_t>(ms::DataPanel::Weapon)] = new WeaponPanel(this, PanelUse::Comparison);
    m_panels[static_cast<size_t>(ms::DataPanel::Detail)] = m_detailPanel;
    m_panels[static_cast<size_t>(ms::DataPanel::Expedition)] =
        new ExpeditionPanel(this, PanelUse::Comparison);
    for (DataPanel* p : m_panels) {
        p->setLocked(true);
        p->setGeometry(FrameWidth, FrameWidth, DataPanel::Width, DataPanel::Height);
        p->hide();
    }
    m_binding = std::make_unique<FormBinding>(this);

    // The whole window is the frame of help entry 501: the rows' own entries describe editing,
    // which this window does not do.
    for (QWidget* w : findChildren<QWidget*>())
        setHelpNumber(w, {});
    setHelpNumber(this, QStringLiteral("501"));
}

TOrgDataForm::~TOrgDataForm() = default;

DataPanel* TOrgDataForm::panel(ms::DataPanel panel) const {
    return m_panels[static_cast<size_t>(panel)];
}

void TOrgDataForm::showComparison(ms::DataPanel kind, const ms::ShipContext& shown) {
    const bool decimalIsPoint = ms::env().decimalIsPoint;
    const ms::ShipForm form = ms::LoadTemplateForm(shown, kind, decimalIsPoint);
    for (DataPanel* p : m_panels) {
        p->hide();
        for (NumberField* field : p->numberFields())
            field->setDecimalIsPoint(decimalIsPoint);
    }
    // The speed field's bound follows the propulsion before the speed is shown through it.
    m_detailPanel->showPropulsion(q(shown.engine));
    m_detailPanel->showCargoRows(true);
    m_binding->show(form);
    if (kind == ms::DataPanel::Base)
        m_basePanel->showWorkforceFrame(q(form.text("WorkForceGUID")));

    panel(kind)->show();
    showAtOffset(Offset);
}

} // namespace ms::gui
