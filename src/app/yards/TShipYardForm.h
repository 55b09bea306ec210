#pragma once

#include <QDialog>
#include <QString>

#include <array>
#include <functional>
#include <optional>
#include <string>

class QButtonGroup;
class QLabel;
class QPushButton;
class QTreeWidget;
class QTreeWidgetItem;

namespace ms {
struct YardRow;
}

namespace ms::gui {

// The values that make one of the three shipyard windows: old world, new world, Enbesa.
struct YardWindowRegion {
    const char* formName;      // object name of the window
    const char* caption;       // window title
    const char* region;        // "AW", "NW", "EN"
    const char* regionLabel;   // shown beside the region's picture
    const char* menuPanelName; // object name of the drawn build menu
    bool factorySwitch;        // Enbesa: the sail-weaving factory switch
};

// Index 0, 1, 2: TShipYardForm01 to TShipYardForm03.
const YardWindowRegion& yardWindowRegion(int index);

// What the shipyard window needs of the main window.
struct YardWindowHost {
    // The engine of the main window's shown ship; nullopt when its ship list is empty, an empty
    // string when the shown ship has no index entry.
    std::function<std::optional<std::string>()> shownShipEngine;
    // "Beenden": the main window shows its ship again, with the new yard flags.
    std::function<void()> showShip;
};

// A region's shipyard window: the ships its two yards can build on the left, the build menu of the
// shown yard drawn as the game shows it in the middle. A double-click on a ship adds it to the
// menu or takes it out; the index and the deployed yard mod are written at once.
class TShipYardForm : public QDialog {
    Q_OBJECT
  public:
    static constexpr int MenuPlaces = 18;

    TShipYardForm(const YardWindowRegion& region, YardWindowHost host, QWidget* parent = nullptr);

    // Opens the window modally, prepared as every activation prepares it.
    void open();
    // Prepares the window: help text, yard names, and the yard of the main window's ship's engine.
    void activate();

    void SwitchYardEngine(const QString& engine);
    void FillYardShipList();
    // Deploys the shown yard if needed and draws its menu. Returns the problem of a deployed file
    // that cannot be used (the caller reports it), else an empty text.
    std::string ShowYardBuildMenu();
    void ToggleYardShip();
    void RenameYard();
    void SailClothingEnbesaImageClick();
    void SaveBtnClick();

    // The factory picture "ja" or "nein"; the main window's timer sets it (Enbesa window only).
    void showFactoryState(bool deployed);

    QString currentEngine() const { return m_engine; }
    const YardWindowRegion& region() const { return m_region; }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void buildControls();
    void buildBuildMenu();
    void buildColumn();
    void buildHelpArea();
    const ms::YardRow& shownYard() const;
    void showYardName(const QString& engine);
    static void showFittedName(QLabel* label, const QString& name);
    void clearMenuPlaces();
    void refreshAfterToggle();
    // Runs an action and shows its failure in the program's error message.
    template <typename Action> void guarded(Action&& action);

    YardWindowRegion m_region;
    YardWindowHost m_host;
    QString m_engine = QStringLiteral("Sail");
    QString m_sailName;
    QString m_steamName;

    QTreeWidget* m_shipView = nullptr;
    QPushButton* m_showSailBtn = nullptr;
    QPushButton* m_showSteamBtn = nullptr;
    QButtonGroup* m_engineButtons = nullptr;
    QLabel* m_headSail = nullptr;
    QLabel* m_headSteam = nullptr;
    QLabel* m_sailNameLabel = nullptr;
    QLabel* m_steamNameLabel = nullptr;
    QWidget* m_menuPanel = nullptr;
    std::array<QLabel*, MenuPlaces> m_places{};
    QLabel* m_currentYard = nullptr;
    QLabel* m_helpLabel = nullptr;
    QLabel* m_factoryState = nullptr;
    QLabel* m_factoryLabel = nullptr;
    QLabel* m_factoryPicture = nullptr;
    std::optional<bool> m_factoryShown;
};

} // namespace ms::gui
