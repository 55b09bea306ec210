#include "mainwindow/ExpeditionPanel.h"

#include "mainwindow/FieldRow.h"

#include <QLabel>

namespace ms::gui {

ExpeditionPanel::ExpeditionPanel(QWidget* parent, PanelUse use)
    : DataPanel(parent, QStringLiteral("ExpeditionPanel"), QStringLiteral("Expeditionsmerkmale"),
                QStringLiteral("ImagePanelNameExpedition"), QStringLiteral("302"), use) {
    struct Value {
        const char* field;
        const char* caption;
        const char* dot;
    };
    const Value values[] = {
        {"MightInt", "Gefechtskunde", "MightDot"},    {"NavigationInt", "Navigation", "NavigationDot"},
        {"HuntingInt", "Jagdglück", "HuntingDot"},    {"FaithInt", "Glaube", "FaithDot"},
        {"DiplomacyInt", "Redegabe", "DiplomacyDot"}, {"CraftingInt", "Geschick", "CraftingDot"},
        {"MeleeInt", "Kampfkraft", "MeleeDot"},       {"MedicineInt", "Heilkunst", "MedicineDot"},
    };
    int top = 42;
    for (const Value& v : values) {
        const QString field = QString::fromUtf8(v.field);
        addRow(top, field + QStringLiteral("Panel"), QString::fromUtf8(v.caption), field,
               QString::fromUtf8(v.dot));
        top += FieldRow::Height + 8;
    }
    addHiddenField(QStringLiteral("ExpeditionPerk1"))->setText(QStringLiteral("ExpeditionPerk1"));
    addHiddenField(QStringLiteral("ExpeditionPerk2"))->setText(QStringLiteral("ExpeditionPerk2"));
}

} // namespace ms::gui
