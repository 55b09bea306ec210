#include "mainwindow/WeaponPanel.h"

#include "mainwindow/FieldRow.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace ms::gui {

WeaponPanel::WeaponPanel(QWidget* parent, PanelUse use)
    : DataPanel(parent, QStringLiteral("WeaponPanel"), QStringLiteral("Bewaffnung (defensiv)"),
                QStringLiteral("ImagePanelNameWeapon"), QStringLiteral("304"), use) {
    int top = 42;
    addRow(top, QStringLiteral("WeaponMaxHitPointsPanel"), QStringLiteral("Trefferpunkte"),
           QStringLiteral("WeaponMaxHitpoints"), QStringLiteral("WeaponMaxHitPointsDot"),
           QStringLiteral("400"));
    addRow(top += FieldRow::Height + 4, QStringLiteral("WeaponSelfHealPerSecPanel"),
           byUse(QStringLiteral("Selbstheilung pro Sek"), QStringLiteral("Selbstheilung (sec.)")),
           QStringLiteral("WeaponSelfHealPerSec"), QStringLiteral("WeaponSelfHealPerSecDot"),
           QStringLiteral("401"));
    addRow(top += FieldRow::Height + 4, QStringLiteral("WeaponSelfHealPausePanel"),
           byUse(QStringLiteral("Selbstheilungstart (sek.)"), QStringLiteral("Selbstheilungstart (sec.)")),
           QStringLiteral("WeaponSelfHealPause"), QStringLiteral("WeaponSelfHealPauseDot"),
           QStringLiteral("402"));

    top += FieldRow::Height + 14;
    addHeading(top, QStringLiteral("Bewaffnung (offensiv)"));

    top += 34;
    m_arm = new QPushButton(QStringLiteral("Bewaffnung hinzufügen"), this);
    m_arm->setObjectName(QStringLiteral("SetWeaponPanel"));
    m_arm->setGeometry(Margin, top, FieldRow::FieldLeft + FieldRow::FieldWidth, 30);
    setHelpNumber(m_arm, QStringLiteral("403"));
    addMarker(this, QStringLiteral("WeaponSetDot"), Margin + FieldRow::FieldLeft + FieldRow::FieldWidth + 6,
              top + 7);
    addHiddenField(QStringLiteral("WeaponSet"));

    top += 40;
    auto* typeRow = new QWidget(this);
    typeRow->setObjectName(QStringLiteral("ProjectileTypePanel"));
    typeRow->setGeometry(Margin, top, Width - 2 * Margin, FieldRow::Height);
    setHelpNumber(typeRow, QStringLiteral("404"));
    auto* typeCaption = new QLabel(QStringLiteral("Waffentyp"), typeRow);
    typeCaption->setGeometry(0, 0, 100, FieldRow::Height);
    const QRect typeGeometry(100, 4, FieldRow::FieldLeft + FieldRow::FieldWidth - 100, FieldRow::Height - 8);
    if (editing()) {
        m_projectiles = new QComboBox(typeRow);
        m_projectiles->setObjectName(QStringLiteral("WeaponProjectileTypeCombo"));
        m_projectiles->setGeometry(typeGeometry);
    } else {
        m_projectileName = new QLineEdit(typeRow);
        m_projectileName->setObjectName(QStringLiteral("WeaponProjectileType"));
        m_projectileName->setGeometry(typeGeometry);
        m_projectileName->setReadOnly(true);
    }
    // The caption names the field for screen readers.
    typeCaption->setBuddy(editing() ? static_cast<QWidget*>(m_projectiles) : m_projectileName);
    addMarker(typeRow, QStringLiteral("WeaponProjectileTypeDot"),
              FieldRow::FieldLeft + FieldRow::FieldWidth + 6, (FieldRow::Height - 16) / 2);
    addHiddenField(QStringLiteral("WeaponProjectileTypeGUID"));

    addRow(top += FieldRow::Height + 4, QStringLiteral("ProjectileCountPanel"),
           QStringLiteral("Projektilanzahl"), QStringLiteral("WeaponProjectileCount"),
           QStringLiteral("ProjectileCountDot"), QStringLiteral("404"));
    addRow(top += FieldRow::Height + 4, QStringLiteral("WeaponBaseDamagePanel"),
           QStringLiteral("Schaden pro Schuss"), QStringLiteral("WeaponBaseDamage"),
           QStringLiteral("WeaponBaseDamageDot"), QStringLiteral("405"));
    addRow(top += FieldRow::Height + 4, QStringLiteral("WeaponReloadTimePanel"),
           QStringLiteral("Nachladedauer (sek.)"), QStringLiteral("WeaponReloadTime"),
           QStringLiteral("WeaponReloadTimeDot"), QStringLiteral("406"));
    addRow(top += FieldRow::Height + 4, QStringLiteral("WeaponAttRangePanel"),
           QStringLiteral("Angriffsreichweite"), QStringLiteral("WeaponAttRange"),
           QStringLiteral("WeaponAttRangeDot"), QStringLiteral("407"));
    addRow(top += FieldRow::Height + 4, QStringLiteral("WeaponLineOfSightPanel"),
           QStringLiteral("Reaktionsweite"), QStringLiteral("WeaponLineOfSight"),
           QStringLiteral("WeaponLineOfSightDot"), QStringLiteral("408"));
}

void WeaponPanel::setLocked(bool locked) {
    DataPanel::setLocked(locked);
    m_arm->setEnabled(!locked);
    if (m_projectiles)
        m_projectiles->setEnabled(!locked);
}

} // namespace ms::gui
