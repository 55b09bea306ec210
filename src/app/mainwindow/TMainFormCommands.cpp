#include "mainwindow/TMainForm.h"

#include "lifecycle/ModExport.h"
#include "lifecycle/ShipCreation.h"
#include "lifecycle/ShipRemoval.h"
#include "lifecycle/ShipSave.h"
#include "mainwindow/ActivationInputs.h"
#include "mainwindow/FormBinding.h"
#include "mainwindow/MainFormStyle.h"
#include "mainwindow/PictureControls.h"
#include "shell/Environment.h"
#include "shell/FileOperations.h"
#include "shell/MessageWindow.h"
#include "shell/QtSettingsStore.h"
#include "shell/StandardMessage.h"
#include "store/SharedDocuments.h"
#include "store/ShipIndex.h"
#include "yards/TShipYardForm.h"
#include "yards/TShortCutForm.h"
#include "yards/YardBuildMenu.h"
#include "yards/YardDeployment.h"

#include <QCloseEvent>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTreeWidget>

// The ship commands of the command column and the new-ship button.
namespace ms::gui {

using namespace mainform;

void TMainForm::reportError(const std::exception& error) {
    StandardMessage::reportError(this, error);
}

int TMainForm::selectedShipRow() const {
    const QList<QTreeWidgetItem*> selected = m_shipView->selectedItems();
    return selected.isEmpty() ? -1 : m_shipView->indexOfTopLevelItem(selected.first());
}

void TMainForm::reselectShip(Category category, int row, const QString& guid) {
    m_filling = true;
    if (category == NoCategory)
        m_shipTypeView->clearSelection();
    else
        m_shipTypeView->setCurrentRow(category);
    m_filling = false;
    ShipTypeViewClick();

    const int rows = m_shipView->topLevelItemCount();
    if (rows == 0)
        return;
    QTreeWidgetItem* item = m_shipView->topLevelItem(row >= 0 && row < rows ? row : rows - 1);
    for (int i = 0; !guid.isEmpty() && i < rows; ++i)
        if (m_shipView->topLevelItem(i)->data(0, Qt::UserRole).toString() == guid)
            item = m_shipView->topLevelItem(i);
    if (item == m_shipView->currentItem() && item->isSelected())
        return; // the category's own selection has shown it already
    m_filling = true;
    m_shipView->setCurrentItem(item);
    m_filling = false;
    ShowShip();
}

void TMainForm::NewShipBtnClick() {
    hideYardSelectionPanel();
    if (m_currentShipGuid.isEmpty())
        return;
    m_binding->read(m_form);
    const std::optional<ms::CreatedShip> created =
        ms::CreateNewShip(ms::env().xmlaDir, m_form, messageSink());
    if (!created)
        return; // the pool's refusal was told; nothing was written
    // The new ship is the index's last entry, but not always the list's last row: positions count
    // the entries, so after deletions an older ship can sort behind it. Select it by its GUID.
    reselectShip(NewShipsCategory, -1, q(created->ids.assetGuid));
    refillActivatedMods();
}

void TMainForm::SaveBtnClick() {
    // The enabling rules may leave the button on while no ship is shown; there is nothing to save.
    if (m_currentShipGuid.isEmpty())
        return;
    m_binding->read(m_form);
    const int row = selectedShipRow();
    ms::SaveShipHooks hooks;
    hooks.showShip = [this, row] { reselectShip(NewShipsCategory, row); };
    hooks.activateShip = [this](const std::string& guid) {
        ms::ActivateShip(guid, activationInputs(q(m_form.context.icon)));
    };
    ms::SaveShip(ms::env().xmlaDir, m_form, hooks);
    refillActivatedMods();
}

void TMainForm::CreateModBtnClick() {
    if (m_currentShipGuid.isEmpty())
        return;
    m_binding->read(m_form);
    const int row = selectedShipRow();
    const Category category = selectedCategory();
    ms::ActivateShip(m_form, activationInputs(q(m_form.context.icon)));
    reselectShip(category, row);
    refillActivatedMods();
}

void TMainForm::ShipYardBuildMenuBtnkClick() {
    m_yardSelectionPanel->move(CommandLeft, 48);
    m_yardSelectionPanel->show();
    m_yardSelectionPanel->raise();
    // The panel covers the button: from the keyboard the focus goes on into the panel.
    if (PictureControls::activatingByKey())
        m_yardSelectionPanel->findChild<QPushButton*>(QStringLiteral("YardSelectionAWBtn"))
            ->setFocus(Qt::TabFocusReason);
}

void TMainForm::DeactivateBtnClick() {
    hideYardSelectionPanel();
    if (m_currentShipGuid.isEmpty())
        return;
    const ms::ShipRemovalResult result = ms::DeactivateShip(m_currentShipGuid.toStdString());
    finishRemoval(result);
}

void TMainForm::DeleteBtnClick() {
    hideYardSelectionPanel();
    if (selectedCategory() != NewShipsCategory || m_currentShipGuid.isEmpty())
        return;
    const ms::MessageAnswer answer =
        messageSink().show(ms::DeleteShipQuestion(m_shipName->text().toStdString()));
    if (!answer.confirmed) {
        ms::ClearModCache();
        return;
    }
    const ms::ShipRemovalResult result = ms::DeleteShip(m_currentShipGuid.toStdString());
    finishRemoval(result);
}

void TMainForm::finishRemoval(const ms::ShipRemovalResult& result) {
    reselectShip(result.newShipsLeft > 0 ? NewShipsCategory : SailCategory, 0);
    refillActivatedMods();
    // The cache stays when the last new ship went and the window falls back to the first category.
    if (result.newShipsLeft > 0)
        ms::ClearModCache();
    ms::ReportRebuildProblems(result.yards, messageSink());
}

TShipYardForm* TMainForm::yardForm(int region) {
    TShipYardForm*& form = m_yardForms.at(static_cast<size_t>(region));
    if (!form) {
        YardWindowHost host;
        host.shownShipEngine = [this]() -> std::optional<std::string> {
            if (m_shipView->topLevelItemCount() == 0)
                return std::nullopt;
            const pugi::xml_node entry =
                ms::FindShipEntryQuoted(ms::ShipIndexRoot(), m_currentShipGuid.toStdString());
            return entry ? ms::ShipValue(entry, "Engine") : std::string();
        };
        host.showShip = [this] { guarded([this] { ShowShip(); }); };
        form = new TShipYardForm(yardWindowRegion(region), std::move(host), this);
    }
    return form;
}

void TMainForm::YardSelectionClick(int region) {
    yardForm(region)->open();
}

void TMainForm::FormClose() {
    const bool deleteYard =
        m_deleteYardSetting ? m_deleteYardSetting()
                            : QtSettingsStore::readValue(QStringLiteral("DeleteYard")) == QLatin1String("1");
    ms::RemoveUnusedYards(deleteYard);
}

void TMainForm::closeEvent(QCloseEvent* event) {
    guarded([this] { FormClose(); });
    QWidget::closeEvent(event);
}

TShortCutForm* TMainForm::shortCutForm() {
    if (!m_shortCutForm)
        m_shortCutForm = new TShortCutForm(this);
    return m_shortCutForm;
}

void TMainForm::ShortCutBtnClick() {
    shortCutForm()->open();
}

void TMainForm::YardSelectionAbortClick() {
    hideYardSelectionPanel();
    if (PictureControls::activatingByKey())
        m_shipYardBuildMenuBtn->setFocus(Qt::TabFocusReason);
}

} // namespace ms::gui
