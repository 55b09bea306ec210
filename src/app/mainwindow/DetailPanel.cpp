#include "mainwindow/DetailPanel.h"

#include "mainwindow/FieldRow.h"
#include "mainwindow/NumberField.h"
#include "shell/ImageCollection.h"

#include <QLabel>

namespace ms::gui {

namespace {
QLabel* picture(QWidget* parent, const QString& name, const QString& pictureName, int x, int y) {
    auto* label = new QLabel(parent);
    label->setObjectName(name);
    label->setGeometry(x, y, 26, 26);
    label->setPixmap(ImageCollection::pixmap(pictureName, QSize(26, 26)));
    return label;
}
QLabel* text(QWidget* parent, const QString& name, int x, int y, int width, Qt::Alignment align) {
    auto* label = new QLabel(parent);
    label->setObjectName(name);
    label->setGeometry(x, y, width, 24);
    label->setAlignment(align | Qt::AlignVCenter);
    return label;
}
} // namespace

DetailPanel::DetailPanel(QWidget* parent, PanelUse use)
    : DataPanel(parent, QStringLiteral("DetailPanel"),
                use == PanelUse::Editing ? QStringLiteral("Details  ") : QStringLiteral("Schiffsdetails  "),
                QStringLiteral("ImagePanelNameDetail"), QStringLiteral("303"), use) {
    auto* speed =
        addRow(42, QStringLiteral("ForwardSpeedPanel"), QStringLiteral("Geschwindigkeit Faktor"),
               QStringLiteral("ForwardSpeed"), QStringLiteral("ForwardSpeedDot"), QStringLiteral("420"));
    speed->resize(speed->width(), 96);
    picture(speed, QStringLiteral("SailImage1"), QStringLiteral("Sail"), 0, 38);
    picture(speed, QStringLiteral("SailImage2"), QStringLiteral("Sail"), 0, 66);
    picture(speed, QStringLiteral("SteamImage1"), QStringLiteral("Steam"), 0, 38)->hide();
    text(speed, QStringLiteral("ForwardSpeedMaxText"), 34, 39, 180, Qt::AlignLeft)
        ->setText(QStringLiteral("max. Segelgeschwindigkeit"));
    text(speed, QStringLiteral("ForwardSpeedMaxValue"), 214, 39, 100, Qt::AlignRight);
    text(speed, QStringLiteral("ForwardSpeedMinText"), 34, 67, 180, Qt::AlignLeft)
        ->setText(QStringLiteral("min. Segelgeschwindigkeit"));
    text(speed, QStringLiteral("ForwardSpeedMinValue"), 214, 67, 100, Qt::AlignRight);

    struct Row {
        const char* row;
        const char* caption;
        const char* field;
        const char* dot;
        const char* help;
    };
    const Row rows[] = {
        {"CargoFullFactorPanel", "Frachtverlangsamung", "CargoFullFactor", "CargoFullFactorDOt", "421"},
        {"SessionTransferSpeedFactorPanel", "Sessionwechselfaktor", "SessionTransferSpeedFactor",
         "SessionTransferSpeedFactorDot", "422"},
        {"MilitaryShipPointsPanel", "Militärpunkte", "MilitaryShipPoints", "MilitaryShipPointsDot", "423"},
        {"TradeShipPointsPanel", "Handelspunkte", "TradeShipPoints", "TradeShipPointsDot", "424"},
        {"ShipMaintenancePanel", "Betriebskosten", "ShipMaintenance", "ShipMaintenanceDot", "425"},
        {"CraftingTimePanel", "Bauzeit (sek.)", "CraftingTime", "CraftingTimeDot", "426"},
        {"StacklimitPanel", "Ladekapazität", "StackLimit", "StackLimitDot", "429"},
        {"SocketCountPanel", "Itemsockel", "SocketCount", "SocketCountDot", "428"},
        {"SlotCountPanel", "Ladekammern", "SlotCount", "SlotCountDot", "427"},
    };
    int top = 42 + 96 + 4;
    for (const Row& r : rows) {
        FieldRow* row =
            addRow(top, QString::fromUtf8(r.row), QString::fromUtf8(r.caption), QString::fromUtf8(r.field),
                   QString::fromUtf8(r.dot), QString::fromUtf8(r.help));
        if (QLatin1String(r.field) == QLatin1String("SlotCount"))
            m_slots = row;
        else if (QLatin1String(r.field) == QLatin1String("SocketCount"))
            m_sockets = row;
        top += FieldRow::Height + 4;
    }
}

void DetailPanel::showPropulsion(const QString& engine) {
    const bool sail = engine == QLatin1String("Sail");
    if (!sail && engine != QLatin1String("Steam"))
        return;
    for (const char* name : {"SailImage1", "SailImage2", "ForwardSpeedMinText", "ForwardSpeedMinValue"})
        findChild<QWidget*>(QString::fromLatin1(name))->setVisible(sail);
    findChild<QWidget*>(QStringLiteral("SteamImage1"))->setVisible(!sail);
    findChild<NumberField*>(QStringLiteral("ForwardSpeed"))
        ->setMaximum(ms::forwardSpeedMaximum(engine.toStdString()));
}

void DetailPanel::showCargoRows(bool visible) {
    for (FieldRow* row : {m_slots, m_sockets}) {
        row->setVisible(visible);
        row->field()->setVisible(visible);
        row->caption()->setVisible(visible);
    }
}

} // namespace ms::gui
