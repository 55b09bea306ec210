#pragma once

#include <QColor>
#include <QDialog>
#include <QString>

#include <array>

class QLabel;
class QTextEdit;
class QTreeWidget;

namespace ms {
struct YardRow;
}

namespace ms::gui {

// The yard overview: the build menus of all six yards side by side, read from the ship index, a
// short summary of any ship clicked in them, and the switch that removes unused yard mods when the
// program ends ("DeleteYard"). The summary is computed in a ship form of the window's own, so the
// main window keeps showing, and saving, its own ship.
class TShortCutForm : public QDialog {
    Q_OBJECT
  public:
    static constexpr int ClientWidth = 1278;
    static constexpr int ClientHeight = 755;
    static constexpr int YardCount = 6;

    explicit TShortCutForm(QWidget* parent = nullptr);

    // Fills the six lists, places the window over its parent and shows it modally.
    void open();

    // The six lists in the order of the yard table (AW sail, AW steam, NW sail, ...).
    void FillOverviewLists();
    void FillOverviewList(QTreeWidget* list, const ms::YardRow& yard);
    // The summary of the ship selected in `list`; nothing for a list without a selected row.
    void ShowShipSummary(QTreeWidget* list);
    void AppendRichLine(const QString& text, const QColor& colour);

    // The "DeleteYard" switch: shown from the setting on activation, written at once on a click.
    void FormActivate();
    void DeleteYardYesClick();
    void DeleteYardNoClick();
    void DeleteYardLabelClick();
    void AbortShortCutBtnClick();

    // The list of a yard of the table (index as in YardTable()).
    QTreeWidget* shipView(int yard) const { return m_lists.at(static_cast<size_t>(yard)); }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void changeEvent(QEvent* event) override;

  private:
    void buildColumn(int column);
    void buildInfoArea();
    void clearSummary();
    template <typename Action> void guarded(Action&& action);

    std::array<QTreeWidget*, YardCount> m_lists{};
    QLabel* m_shipInfoImage = nullptr;
    QTextEdit* m_infoRichEdit = nullptr;
    QLabel* m_deleteYardYes = nullptr;
    QLabel* m_deleteYardNo = nullptr;
    QLabel* m_deleteYardLabel = nullptr;
};

} // namespace ms::gui
