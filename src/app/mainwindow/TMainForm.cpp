#include "mainwindow/TMainForm.h"

#include "lifecycle/ModExport.h"
#include "lifecycle/NumberFieldSpec.h"
#include "lifecycle/ShipCreation.h"
#include "lifecycle/ShipEditing.h"
#include "lifecycle/ShipFormLoader.h"
#include "lifecycle/ShipSave.h"
#include "mainwindow/ActivationInputs.h"
#include "mainwindow/BasePanel.h"
#include "mainwindow/CostPanel.h"
#include "mainwindow/DetailPanel.h"
#include "mainwindow/ExpeditionPanel.h"
#include "mainwindow/FieldRow.h"
#include "mainwindow/FormBinding.h"
#include "mainwindow/MainFormHelp.h"
#include "mainwindow/MainFormStyle.h"
#include "mainwindow/NumberField.h"
#include "mainwindow/PictureControls.h"
#include "mainwindow/WeaponPanel.h"
#include "shell/ActivatedMods.h"
#include "shell/Environment.h"
#include "shell/HelpPosition.h"
#include "shell/ImageCollection.h"
#include "shell/MessageWindow.h"
#include "shell/ProcessList.h"
#include "shell/StandardMessage.h"
#include "store/RecordStore.h"
#include "store/ReferenceLists.h"
#include "store/SharedDocuments.h"
#include "store/ShipIndex.h"
#include "store/SortKey.h"
#include "yards/TShipYardForm.h"
#include "yards/YardDeployment.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QCursor>
#include <QEnterEvent>
#include <QEvent>
#include <QFontMetrics>
#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QMouseEvent>
#include <QPushButton>
#include <QTimer>
#include <QTreeWidget>

#include <algorithm>
#include <exception>

namespace ms::gui {

using namespace mainform;

namespace {

constexpr int GameWatchIntervalMs = 100;
const char* const GameExecutable = "Marvessa.exe";

const char* const CategoryQueries[] = {ms::kCategorySail, ms::kCategorySteam, ms::kCategoryExtra,
                                       ms::kCategoryNew};

} // namespace

TMainForm::TMainForm(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("MainForm"));
    setWindowTitle(QStringLiteral("Marvessa Spantora"));
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint |
                   Qt::MSWindowsFixedSizeDialogHint);
    setFixedSize(ClientWidth, ClientHeight);
    setBackground(this, Beige);
    setTextColour(this, TextBrown);

    buildWindow();
    m_binding = std::make_unique<FormBinding>(this);
    keepDisabledLook();
    PictureControls::takeKeysOnButtons(this);
    installHelpTracking();

    m_help->startTimer();

    m_isVisibleTimer = new QTimer(this);
    m_isVisibleTimer->setObjectName(QStringLiteral("IsVisibleTimer"));
    m_isVisibleTimer->setInterval(GameWatchIntervalMs);
    connect(m_isVisibleTimer, &QTimer::timeout, this, [this] { guarded([this] { IsVisibleTimerTimer(); }); });
}

TMainForm::~TMainForm() = default;

// ---------------------------------------------------------------------------------------------
// Start-up steps

void TMainForm::fillProjectileTypes() {
    QComboBox* box = m_weaponPanel->projectileBox();
    box->clear();
    for (const std::string& name : ms::ProjectileNames())
        box->addItem(q(name));
}

void TMainForm::selectFirstCategory() {
    m_filling = true;
    m_shipTypeView->setCurrentRow(0);
    m_filling = false;
    guarded([this] { ShipTypeViewClick(); });
}

void TMainForm::clearPanelMarkers() {
    for (QWidget* marker : findChildren<QLabel*>())
        if (marker->property("changeMarker").toBool())
            marker->hide();
    for (QPushButton* button : m_panelButtons) {
        if (!button)
            continue;
        const QString picture = button->property("pictureBase").toString() + QLatin1Char('2');
        button->setIcon(QIcon(ImageCollection::pixmap(picture, button->iconSize())));
        button->setProperty(PictureNameProperty, picture);
    }
}

void TMainForm::startGameWatchTimer() {
    m_isVisibleTimer->start();
}

// ---------------------------------------------------------------------------------------------
// Browsing

TMainForm::Category TMainForm::selectedCategory() const {
    const QList<QListWidgetItem*> selected = m_shipTypeView->selectedItems();
    if (selected.isEmpty())
        return NoCategory;
    return static_cast<Category>(m_shipTypeView->row(selected.first()));
}

// Neither the list refill nor ShowShip draws in between: both run to their end before the event loop
// paints, and it paints only the controls that changed, not the whole window.
void TMainForm::ShipTypeViewClick() {
    if (selectedCategory() != NewShipsCategory) {
        m_shipViewLabel->setText(QStringLiteral("Schiffsvorlagen"));
        LockEditing();
        setModeColours(false);
        setShipCommandsEnabled(false, false, false, false, false);
        m_costPanel->show();
        setPanelButtonsEnabled(true, true);
        showNoPanel(false);
        m_basePanel->setCaptions(false);
        ShipListFill();
        m_filling = true;
        if (m_shipView->topLevelItemCount() > 0)
            m_shipView->setCurrentItem(m_shipView->topLevelItem(0));
        m_filling = false;
        ShipViewClick();
        if (m_shipView->topLevelItemCount() > 0)
            m_currentShipGuid = m_shipView->topLevelItem(0)->data(0, Qt::UserRole).toString();
        return;
    }

    m_shipViewLabel->setText(QStringLiteral("Neue Schiffe"));
    if (ms::CountNewShips(ms::ShipIndexRoot()) == 0) {
        m_vorlageLabel->hide();
        m_filling = true;
        m_shipView->clear();
        m_filling = false;
        m_currentShipGuid.clear();
        findChild<QLabel*>(QStringLiteral("SelectedShipLabel"))->clear();
        showNoShip();
        m_noPanel->setText(QStringLiteral("Kein Schiff in der Liste"));
        setShipCommandsEnabled(false, false, false, false, false);
        m_costPanel->hide();
        setPanelButtonsEnabled(true, false);
        showNoPanel(true);
        return;
    }
    m_basePanel->setCaptions(true);
    setModeColours(true);
    setShipCommandsEnabled(true, true, true, m_createModBtn->isEnabled(), true);
    m_newShipBtn->setEnabled(true);
    m_costPanel->show();
    setPanelButtonsEnabled(true, true);
    showNoPanel(false);
    UnlockEditing();
    ShipListFill();
    m_filling = true;
    if (m_shipView->topLevelItemCount() > 0)
        m_shipView->setCurrentItem(m_shipView->topLevelItem(0));
    m_filling = false;
    if (m_shipView->topLevelItemCount() > 0)
        m_currentShipGuid = m_shipView->topLevelItem(0)->data(0, Qt::UserRole).toString();
    ShowShip();
}

void TMainForm::ShipListFill() {
    m_filling = true;
    const auto done = qScopeGuard([this] { m_filling = false; });
    m_shipView->clear();

    const Category category = selectedCategory();
    const std::string typ = category == NoCategory ? std::string() : std::string(CategoryQueries[category]);
    std::vector<pugi::xml_node> nodes = ms::SelectShips(ms::ShipIndexRoot(), typ);
    ms::SetCurrentShipNodes(nodes);
    if (nodes.empty())
        return;

    struct Row {
        QString guid;
        QStringList subItems; // Name, Pos
        QString picture;
    };
    std::vector<Row> rows;
    rows.reserve(nodes.size());
    for (const pugi::xml_node& node : nodes)
        rows.push_back({q(ms::ShipValue(node, ms::kShipGuid)),
                        {q(ms::ShipValue(node, ms::kShipName)), q(ms::ShipValue(node, ms::kShipPos))},
                        q(ms::ShipPictureName(node))});

    m_sortColumn = 1;
    const int column = m_sortColumn;
    std::stable_sort(rows.begin(), rows.end(), [column](const Row& a, const Row& b) {
        return ms::CompareSortKeys(a.subItems.value(column).toStdString(),
                                   b.subItems.value(column).toStdString()) < 0;
    });

    for (const Row& row : rows) {
        auto* item = new QTreeWidgetItem(m_shipView);
        item->setData(0, Qt::UserRole, row.guid); // the row's caption: how the program knows the ship
        item->setData(0, Qt::UserRole + 1, row.picture);
        item->setIcon(0, QIcon(ImageCollection::pixmap(row.picture, QSize(ListPicture, ListPicture))));
        item->setText(1, row.subItems.value(0));
        item->setText(2, row.subItems.value(1));
        item->setSizeHint(0, QSize(ListPicture + 8, ListPicture + 4));
    }
}

void TMainForm::ShipViewClick() {
    hideYardSelectionPanel();
    if (m_shipView->selectedItems().isEmpty()) {
        showNoShip();
        m_shipName->setText(QStringLiteral("Keine Schiff ausgewählt"));
        setShipCommandsEnabled(false, false, false, false, false);
        m_costPanel->hide();
        setPanelButtonsEnabled(m_panelButtons[BasePanelIndex]->isEnabled(), false);
        showNoPanel(true);
        return;
    }
    ShowShip();
}

void TMainForm::ShowShip() {
    // Another Part may ask for the ship while the list has no selection: start from the first
    // category, whose selection shows its first ship.
    if (m_shipView->selectedItems().isEmpty()) {
        if (m_showDepth > 0)
            return;
        ++m_showDepth;
        const auto leave = qScopeGuard([this] { --m_showDepth; });
        selectFirstCategory();
        return;
    }

    setPanelButtonsEnabled(true, true);
    m_shipYardBuildMenuBtn->setEnabled(true);
    ms::ReloadShipDocuments(ms::env().xmlaDir);

    const bool newShips = selectedCategory() == NewShipsCategory;
    m_saveBtn->setEnabled(newShips);
    m_deleteBtn->setEnabled(newShips);
    m_createModBtn->setEnabled(newShips);
    m_newShipBtn->setEnabled(!newShips);
    m_vorlageLabel->setVisible(!newShips);

    const QString guid = m_shipView->selectedItems().first()->data(0, Qt::UserRole).toString();
    m_currentShipGuid = guid;
    const bool decimalIsPoint = ms::env().decimalIsPoint;
    for (DataPanel* panel : m_panels)
        for (NumberField* field : panel->numberFields())
            field->setDecimalIsPoint(decimalIsPoint);

    ms::ShipForm form = ms::LoadShipForm(guid.toStdString(), decimalIsPoint);
    const ms::ShipContext& c = form.context;
    m_detailPanel->showPropulsion(q(c.engine));
    m_form = form;
    m_templateValues = ms::CollectTemplateValues(guid.toStdString(), decimalIsPoint);
    {
        m_showingForm = true;
        const auto shown = qScopeGuard([this] { m_showingForm = false; });
        m_binding->show(form);
    }
    showShipPicture(q(c.icon), 120);
    m_shipIconImage->setPixmap(ImageCollection::pixmap(q(c.icon), QSize(128, 128)));
    m_basePanel->showWorkforceFrame(q(form.text("WorkForceGUID")));

    // The base panel in front. The four behind it stay hidden: covered, they would still be on the
    // way of the Tab key.
    for (DataPanel* panel : m_panels)
        panel->setVisible(panel == m_basePanel);
    for (QPushButton* button : m_panelButtons)
        button->setEnabled(true);
    m_basePanel->raise();

    const bool activated = c.isMod == "true";
    m_deactivateBtn->setEnabled(activated);
    m_exportedImage->setVisible(activated);
    m_exportedLabel->setVisible(activated);
    showYardIndicators();
    showMarkers(ms::UpdateChangeMarkers(m_form, m_templateValues, newShips));
    hideYardSelectionPanel();
}

void TMainForm::PanelBtnClick(Panel panel) {
    hideYardSelectionPanel();
    m_costPanel->setPickerButtonsEnabled(selectedCategory() == NewShipsCategory);
    closeSideWindows();
    for (size_t i = 0; i < m_panels.size(); ++i)
        m_panels[i]->setVisible(static_cast<int>(i) == panel);
    m_panels[static_cast<size_t>(panel)]->raise();
    m_detailPanel->showCargoRows(!m_form.context.hasFixedCargo);
}

void TMainForm::LockEditing() {
    for (DataPanel* panel : m_panels)
        panel->setLocked(true);
}

void TMainForm::UnlockEditing() {
    for (DataPanel* panel : m_panels)
        panel->setLocked(false);
}

void TMainForm::numberFieldChanged(const QString& field, const QString& text) {
    hideYardSelectionPanel();
    m_form.set(field.toStdString(), text.toStdString());
    if (m_showingForm)
        return;
    const bool newShips = selectedCategory() == NewShipsCategory;
    const ms::ShipForm before = m_form;
    const ms::ChangeMarkers markers =
        field == QLatin1String("ForwardSpeed")
            ? ms::ForwardSpeedChange(m_form, m_templateValues, newShips, ms::env().decimalIsPoint)
            : ms::UniClick(m_form, m_templateValues, newShips);
    // The field itself already shows its text; only what the action computed from it (the knots)
    // is shown anew, so typing is never disturbed.
    m_binding->showChanges(before, m_form);
    showMarkers(markers);
}

template <typename Action> void TMainForm::applyEdit(Action&& action) {
    hideYardSelectionPanel();
    m_binding->read(m_form);
    const ms::ShipForm before = m_form;
    const ms::ChangeMarkers markers = action(selectedCategory() == NewShipsCategory);
    {
        m_showingForm = true;
        const auto shown = qScopeGuard([this] { m_showingForm = false; });
        m_binding->showChanges(before, m_form);
    }
    m_basePanel->showWorkforceFrame(q(m_form.text("WorkForceGUID")));
    showMarkers(markers);
}

void TMainForm::SetPicClick(const QString& workforceGuid) {
    applyEdit([&](bool newShips) {
        return ms::SetPicClick(m_form, workforceGuid.toStdString(), m_templateValues, newShips);
    });
}

void TMainForm::SetWeaponPanelClick() {
    applyEdit([&](bool newShips) { return ms::SetWeaponPanelClick(m_form, m_templateValues, newShips); });
}

void TMainForm::WeaponProjectileTypeComboClick(int index) {
    applyEdit([&](bool newShips) {
        return ms::WeaponProjectileTypeComboClick(m_form, index, m_templateValues, newShips);
    });
}

void TMainForm::PickProduct(int row, const QString& productGuid) {
    applyEdit([&](bool newShips) {
        return ms::PickProduct(m_form, row, productGuid.toStdString(), m_templateValues, newShips);
    });
}

void TMainForm::UpdateChangeMarkers() {
    applyEdit([&](bool newShips) { return ms::UpdateChangeMarkers(m_form, m_templateValues, newShips); });
}

void TMainForm::showMarkers(const ms::ChangeMarkers& markers) {
    m_binding->showMarkers(markers);
}

// ---------------------------------------------------------------------------------------------
// Timers and activation

namespace {
// The game-watch tick runs ten times a second; one that changes nothing touches no widget.
void setEnabledIfChanged(QWidget* widget, bool enabled) {
    if (widget->isEnabled() != enabled)
        widget->setEnabled(enabled);
}
void setShownIfChanged(QWidget* widget, bool shown) {
    if (widget->isHidden() == shown)
        widget->setVisible(shown);
}
} // namespace

void TMainForm::IsVisibleTimerTimer() {
    // The factory picture is only seen in the open Enbesa window.
    if (TShipYardForm* enbesa = m_yardForms[2]; enbesa && enbesa->isVisible())
        enbesa->showFactoryState(ms::IsSailWeavingFactoryDeployed());

    // A tick lists /proc and reads only what it has not seen before, so the notice follows the
    // game at every tick and the idle program stays quiet.
    setShownIfChanged(m_marvessaLabel, ms::IsProcessRunning(GameExecutable));

    if (sideWindowVisible()) {
        for (QWidget* w :
             std::initializer_list<QWidget*>{m_shipView, m_shipTypeView, m_saveBtn, m_deactivateBtn,
                                             m_shipYardBuildMenuBtn, m_deleteBtn, m_createModBtn})
            setEnabledIfChanged(w, false);
        return;
    }
    if (selectedCategory() != NewShipsCategory) {
        setShownIfChanged(m_sternImage, false);
        return;
    }
    for (QWidget* w : std::initializer_list<QWidget*>{m_shipTypeView, m_shipView, m_saveBtn,
                                                      m_shipYardBuildMenuBtn, m_createModBtn})
        setEnabledIfChanged(w, true);
    const bool hasRows = m_shipView->topLevelItemCount() > 0;
    setEnabledIfChanged(m_deleteBtn, hasRows);
    if (hasRows)
        setShownIfChanged(m_sternImage, true);
}

void TMainForm::FormActivate() {
    m_marvessaLabel->setVisible(ms::IsProcessRunning(GameExecutable));
    refillActivatedMods();
}

void TMainForm::refillActivatedMods() {
    ms::ListActivatedMods();
    m_fileBoxActivated->clear();
    for (const std::string& name : ms::activatedModFolders())
        m_fileBoxActivated->addItem(q(name));
}

void TMainForm::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow())
        guarded([this] { FormActivate(); });
}

// ---------------------------------------------------------------------------------------------
// Context help

bool TMainForm::ShowHelpText(const QString& helpNumber) {
    return m_help->ShowHelpText(helpNumber);
}

void TMainForm::showHelpAtPosition(const QPoint& clientPos) {
    m_help->showHelpAtPosition(clientPos);
}

void TMainForm::enterEvent(QEnterEvent* event) {
    m_help->pointerEntered();
    QWidget::enterEvent(event);
}

void TMainForm::leaveEvent(QEvent* event) {
    m_help->pointerLeft();
    QWidget::leaveEvent(event);
}

bool TMainForm::eventFilter(QObject* watched, QEvent* event) {
    auto* widget = qobject_cast<QWidget*>(watched);
    if (event->type() == QEvent::MouseMove && widget)
        m_help->mouseMoved(widget, static_cast<QMouseEvent*>(event)->globalPosition().toPoint());
    if (widget &&
        (event->type() == QEvent::MouseButtonPress || event->type() == QEvent::MouseButtonRelease)) {
        auto* mouse = static_cast<QMouseEvent*>(event);
        const QPoint at = mouse->position().toPoint();
        const bool categories = widget == m_shipTypeView->viewport();
        const bool ships = widget == m_shipView->viewport();
        const bool onSelected = categories
                                    ? m_shipTypeView->itemAt(at) && m_shipTypeView->itemAt(at)->isSelected()
                                : ships ? m_shipView->itemAt(at) && m_shipView->itemAt(at)->isSelected()
                                        : false;
        if (event->type() == QEvent::MouseButtonPress) {
            // The selection does not change on a click on the selected row, so no selection
            // signal follows; the release then acts as that click (refill, or show from disk).
            m_pressedOnSelected = onSelected;
        } else if (categories || ships) {
            const bool reclick = m_pressedOnSelected && onSelected;
            m_pressedOnSelected = false;
            if (reclick && categories)
                guarded([this] { ShipTypeViewClick(); });
            else if (reclick)
                guarded([this] { ShipViewClick(); });
            // A click on the empty part of a list leaves no row selected.
            else if (categories && !m_shipTypeView->itemAt(at))
                m_shipTypeView->clearSelection();
            else if (ships && !m_shipView->itemAt(at))
                m_shipView->clearSelection();
        }
    }
    return QWidget::eventFilter(watched, event);
}

} // namespace ms::gui
