#pragma once

#include "mainwindow/SideWindow.h"

#include <QPointer>

class QScrollArea;

namespace ms::gui {

// The cost product picker: a small borderless panel over the main window with one tile per
// product a ship may cost. A click on a tile puts the product into the cost row the picker was
// opened for, or empties the row for the red cross; nothing is written to disk.
class TProductForm : public SideWindow {
    Q_OBJECT
  public:
    static constexpr int Width = 331;
    static constexpr int Height = 366;
    // Where the picker stands relative to the main window's outer position.
    static constexpr QPoint Offset{320, 174};

    explicit TProductForm(QWidget* parent = nullptr);

    // Builds the tiles from the product list; once, when the program starts.
    void FillProductTiles();
    // Opens the picker for the row of the arrow button `arrowName` ("ChangeCostImage3").
    void showFor(const QString& arrowName);
    // The name of the arrow button that opened the picker; its last character is the row.
    QString pickerState() const { return m_pickerState; }

  signals:
    // A tile was clicked: `productGuid` for cost row `row` (kRemoveCostProduct empties the row).
    void productPicked(int row, const QString& productGuid);

  private:
    // A click in the scroll area: acts only on a product icon ("GUID" + product GUID).
    void PickProduct(const QString& controlName);

    QScrollArea* m_shipBox = nullptr;
    QWidget* m_firstTile = nullptr;
    // Opened from the keyboard: the control that gets the focus back after the pick.
    QPointer<QWidget> m_returnFocus;
    QString m_pickerState;
};

} // namespace ms::gui
