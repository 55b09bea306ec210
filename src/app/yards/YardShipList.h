#pragma once

#include <QString>
#include <QStringList>

class QRect;
class QTreeWidget;
class QTreeWidgetItem;
class QWidget;

namespace ms {
struct YardListRow;
}

namespace ms::gui {

// The ship lists of the yard windows and the overview: report style without column headers,
// read-only, one whole row selected at a time, the ship's 48 x 48 picture in the first column and
// its name in the second. `columns` names the columns; the caller sizes and hides the further ones.
QTreeWidget* makeYardShipList(QWidget* parent, const QString& name, const QRect& geometry,
                              const QStringList& columns);

// Appends a row: the GUID as the row's caption (Qt::UserRole of column 0, the picture name under
// Qt::UserRole + 1), the picture and the name.
QTreeWidgetItem* addYardShipRow(QTreeWidget* list, const ms::YardListRow& row);

} // namespace ms::gui
