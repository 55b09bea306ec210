#include "yards/YardShipList.h"

#include "mainwindow/MainFormStyle.h"
#include "shell/ImageCollection.h"
#include "yards/YardAssignment.h"

#include <QHeaderView>
#include <QTreeWidget>

namespace ms::gui {

namespace {
constexpr int ShipPicture = 48;
}

QTreeWidget* makeYardShipList(QWidget* parent, const QString& name, const QRect& geometry,
                              const QStringList& columns) {
    auto* list = new QTreeWidget(parent);
    list->setObjectName(name);
    list->setGeometry(geometry);
    list->header()->setMinimumSectionSize(16); // not measured from the font's widest glyph
    list->setColumnCount(static_cast<int>(columns.size()));
    list->setHeaderLabels(columns);
    list->setHeaderHidden(true);
    list->setRootIsDecorated(false);
    list->setIndentation(0);
    list->setIconSize(QSize(ShipPicture, ShipPicture));
    list->setColumnWidth(0, ShipPicture);
    list->setEditTriggers(QAbstractItemView::NoEditTriggers);
    list->setSelectionMode(QAbstractItemView::SingleSelection);
    list->setSelectionBehavior(QAbstractItemView::SelectRows);
    list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    // A name wider than its column ends in "…"; the row's tooltip shows it whole.
    list->setWordWrap(false);
    list->setTextElideMode(Qt::ElideRight);
    return list;
}

QTreeWidgetItem* addYardShipRow(QTreeWidget* list, const ms::YardListRow& row) {
    auto* item = new QTreeWidgetItem(list);
    item->setData(0, Qt::UserRole, mainform::q(row.guid));
    item->setData(0, Qt::UserRole + 1, mainform::q(row.picture));
    item->setIcon(0, ImageCollection::icon(mainform::q(row.picture)));
    item->setText(1, mainform::q(row.name));
    item->setToolTip(1, mainform::q(row.name));
    item->setSizeHint(0, QSize(ShipPicture, ShipPicture + 4));
    return item;
}

} // namespace ms::gui
