#pragma once

#include "lifecycle/ChangeMarkers.h"
#include "lifecycle/ShipForm.h"
#include "lifecycle/TemplateValues.h"

#include <QPointer>
#include <QString>
#include <QWidget>

#include <array>
#include <exception>
#include <functional>
#include <memory>
#include <optional>

class QEnterEvent;
class QLabel;
class QListWidget;
class QPushButton;
class QShortcut;
class QTimer;
class QTreeWidget;

namespace ms {
struct ShipRemovalResult;
}

namespace ms::gui {

class BasePanel;
class ClickGuard;
class CostPanel;
class DataPanel;
class DetailPanel;
class ExpeditionPanel;
class FormBinding;
class MainFormHelp;
class TOrgDataForm;
class TProductForm;
class TShipYardForm;
class TShortCutForm;
class WeaponPanel;

// The main window: ship categories, the ships of a category, the shown ship's picture and state,
// its data in five panels, the command column and the context help. Event handlers carry the names
// of the control and event they serve.
class TMainForm : public QWidget {
    Q_OBJECT
  public:
    // The window is laid out for a client area of 1278 x 755, which with the usual frame of a
    // desktop window gives the outer size 1294 x 794.
    static constexpr int OuterWidth = 1294;
    static constexpr int OuterHeight = 794;
    static constexpr int ClientWidth = 1278;
    static constexpr int ClientHeight = 755;

    enum Category {
        NoCategory = -1,
        SailCategory = 0,
        SteamCategory = 1,
        ExtraCategory = 2,
        NewShipsCategory = 3
    };
    enum Panel { BasePanelIndex, CostPanelIndex, WeaponPanelIndex, DetailPanelIndex, ExpeditionPanelIndex };

    explicit TMainForm(QWidget* parent = nullptr);
    ~TMainForm() override;

    // Start-up steps.
    void fillProjectileTypes();
    void selectFirstCategory();
    void clearPanelMarkers();
    void startGameWatchTimer();

    // Browsing.
    void ShipTypeViewClick();
    void ShipViewClick();
    void ShipListFill();
    void ShowShip();
    void PanelBtnClick(Panel panel);
    void LockEditing();
    void UnlockEditing();

    // Editing a new ship: each reads the window into the ship form, runs its core action and shows
    // the changed fields and the change markers.
    void SetPicClick(const QString& workforceGuid);
    void SetWeaponPanelClick();
    void WeaponProjectileTypeComboClick(int index);
    // Recomputes the markers from the window's fields (also when the product picker closes).
    void UpdateChangeMarkers();

    // The side windows: the product picker for a cost row, its pick, and the template comparison
    // of a panel (shown, or hidden when it is shown).
    void ChangeCostClick(int row);
    void PickProduct(int row, const QString& productGuid);
    void ShowOrgDataFormClick(Panel panel);

    // Context help.
    bool ShowHelpText(const QString& helpNumber);
    // The help timer's work for one mouse position in client coordinates.
    void showHelpAtPosition(const QPoint& clientPos);

    // One tick of the game-watch timer: the game notice and the enabling rules.
    void IsVisibleTimerTimer();
    // Each time the window becomes active: the game notice, then the list of activated mods.
    void FormActivate();

    QString currentShipGuid() const { return m_currentShipGuid; }
    Category selectedCategory() const;
    const ms::ShipForm& shipForm() const { return m_form; }
    const ms::TemplateValues& templateValues() const { return m_templateValues; }
    // The side windows whose visibility locks the lists (product picker, template comparison). They
    // become children of the main window, above its panels; Escape closes them.
    void setSideWindows(TProductForm* productPicker, TOrgDataForm* comparison);

    // The shipyard window of a region (0 old world, 1 new world, 2 Enbesa), made on first use.
    TShipYardForm* yardForm(int region);
    // The shipyard overview, made on first use.
    TShortCutForm* shortCutForm();
    // The yard selection's region buttons: the region's shipyard window, modally.
    void YardSelectionClick(int region);
    // The shutdown step: with "DeleteYard" on, deployed yards without ships go.
    void FormClose();
    // Where the shutdown step reads "DeleteYard"; the settings file unless a test sets another.
    void setDeleteYardSetting(std::function<bool()> deleteYard) {
        m_deleteYardSetting = std::move(deleteYard);
    }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void changeEvent(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;

  private:
    void buildWindow();
    void buildCommandColumn();
    void buildDataArea();
    void installHelpTracking();
    void keepDisabledLook();

    void setModeColours(bool newShips);
    void setShipCommandsEnabled(bool save, bool remove, bool newShip, bool activate, bool deactivate);
    void setPanelButtonsEnabled(bool base, bool others);
    void showNoPanel(bool inFront);
    void showShipPicture(const QString& pictureName, int size);
    void showNoShip();
    void showYardIndicators();
    void hideYardSelectionPanel();
    void numberFieldChanged(const QString& field, const QString& text);
    template <typename Action> void applyEdit(Action&& action);
    void showMarkers(const ms::ChangeMarkers& markers);
    // Selects `category` again as a click does, then the row at `row` (the last row when it is
    // out of range) or the ship `guid` when given, and shows that ship.
    void reselectShip(Category category, int row, const QString& guid = {});
    int selectedShipRow() const;
    void refillActivatedMods();
    bool sideWindowVisible() const;
    void closeSideWindows();
    void sideWindowOpened();
    // Whenever a side window is hidden: brown arrows and openers, the lists and commands back.
    void sideWindowClosed();

    // Every event handler runs through this: a failure of the core is reported, never fatal.
    template <typename Handler> void guarded(Handler&& handler) {
        try {
            handler();
        } catch (const std::exception& error) {
            reportError(error);
        }
    }
    void reportError(const std::exception& error);

    // Command handlers; those of later steps of the program do nothing yet.
    void NewShipBtnClick();
    void SaveBtnClick();
    void CreateModBtnClick();
    void ShipYardBuildMenuBtnkClick();
    void DeactivateBtnClick();
    void DeleteBtnClick();
    void ShortCutBtnClick();
    void YardSelectionAbortClick();
    // After deactivation or deletion: the category of new ships with its first ship, or the first
    // category when no new ship is left.
    void finishRemoval(const ms::ShipRemovalResult& result);

    std::array<TShipYardForm*, 3> m_yardForms{};
    TShortCutForm* m_shortCutForm = nullptr; // the yard overview, made on first use
    std::function<bool()> m_deleteYardSetting;
    ms::ShipForm m_form;
    ms::TemplateValues m_templateValues; // of the ship shown, collected by ShowShip
    std::unique_ptr<FormBinding> m_binding;
    QString m_currentShipGuid;
    int m_sortColumn = 1;
    int m_showDepth = 0;
    bool m_pressedOnSelected = false; // the mouse went down on the selected row of a list
    bool m_filling = false;
    bool m_showingForm = false; // the fill's field changes are no edits: markers follow at its end

    QLabel* m_background = nullptr;
    QListWidget* m_shipTypeView = nullptr;
    QLabel* m_shipViewLabel = nullptr;
    QTreeWidget* m_shipView = nullptr;
    QPushButton* m_newShipBtn = nullptr;
    QLabel* m_shipImageBack = nullptr;
    QLabel* m_shipImage = nullptr;
    QLabel* m_sternImage = nullptr;
    QLabel* m_shipIconImage = nullptr;
    QLabel* m_exportedImage = nullptr;
    QLabel* m_exportedLabel = nullptr;
    std::array<QLabel*, 5> m_yardIndicators{}; // InShipYardImage, InShipYardLabel, AW, NW, EN

    QWidget* m_infoMainPanel = nullptr;
    QLabel* m_shipName = nullptr;
    QLabel* m_vorlageLabel = nullptr;
    QLabel* m_noPanel = nullptr;
    std::array<QPushButton*, 5> m_panelButtons{};
    std::array<DataPanel*, 5> m_panels{};
    BasePanel* m_basePanel = nullptr;
    CostPanel* m_costPanel = nullptr;
    WeaponPanel* m_weaponPanel = nullptr;
    DetailPanel* m_detailPanel = nullptr;
    ExpeditionPanel* m_expeditionPanel = nullptr;

    QPushButton* m_saveBtn = nullptr;
    QPushButton* m_createModBtn = nullptr;
    QPushButton* m_shipYardBuildMenuBtn = nullptr;
    QPushButton* m_deactivateBtn = nullptr;
    QPushButton* m_deleteBtn = nullptr;
    QWidget* m_yardSelectionPanel = nullptr;
    QLabel* m_marvessaLabel = nullptr;
    QListWidget* m_fileBoxActivated = nullptr;

    MainFormHelp* m_help = nullptr;
    QTimer* m_isVisibleTimer = nullptr;
    QPointer<TProductForm> m_productPicker;
    QPointer<TOrgDataForm> m_comparison;
    ClickGuard* m_clickGuard = nullptr;
    QShortcut* m_closeSideWindowsKey = nullptr;
    bool m_closingByKey = false;
};

} // namespace ms::gui
