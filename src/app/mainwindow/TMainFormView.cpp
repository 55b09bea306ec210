#include "mainwindow/TMainForm.h"

#include "mainwindow/BasePanel.h"
#include "mainwindow/CostPanel.h"
#include "mainwindow/DataPanel.h"
#include "mainwindow/MainFormStyle.h"
#include "shell/ImageCollection.h"

#include <QListWidget>
#include <QTreeWidget>

// What the main window shows of its state: colours, enabled commands, the ship's picture and yards.
namespace ms::gui {

using namespace mainform;

void TMainForm::setModeColours(bool newShips) {
    setBackground(m_infoMainPanel, newShips ? DarkRed : Beige);
    for (QLabel* label : {m_shipName, m_vorlageLabel})
        setTextColour(label, newShips ? Cream : QColor(Qt::black));
}

void TMainForm::setShipCommandsEnabled(bool save, bool remove, bool newShip, bool activate, bool deactivate) {
    m_saveBtn->setEnabled(save);
    m_deleteBtn->setEnabled(remove);
    m_newShipBtn->setEnabled(newShip);
    m_createModBtn->setEnabled(activate);
    m_deactivateBtn->setEnabled(deactivate);
}

void TMainForm::setPanelButtonsEnabled(bool base, bool others) {
    for (size_t i = 0; i < m_panelButtons.size(); ++i)
        m_panelButtons[i]->setEnabled(i == BasePanelIndex ? base : others);
}

void TMainForm::showNoPanel(bool inFront) {
    m_noPanel->setVisible(inFront);
    // Covered by the caption, the data area must not take the keyboard focus either.
    m_infoMainPanel->setVisible(!inFront);
    if (inFront)
        m_noPanel->raise();
    else
        m_noPanel->lower();
}

void TMainForm::showNoShip() {
    showShipPicture(QStringLiteral("Fragezeichen128"), 150);
    // The icon beside the picture belongs to the ship last shown; without a ship it would mislead.
    m_shipIconImage->clear();
    findChild<QLabel*>(QStringLiteral("ShipIconLabel"))->clear();
    // So do its yard flags.
    for (QLabel* w : m_yardIndicators)
        w->hide();
}

void TMainForm::showShipPicture(const QString& pictureName, int size) {
    m_shipImage->setGeometry(m_shipImageBack->x() + (m_shipImageBack->width() - size) / 2,
                             m_shipImageBack->y() + (m_shipImageBack->height() - size) / 2, size, size);
    m_shipImage->setPixmap(ImageCollection::pixmap(pictureName, QSize(size, size)));
}

void TMainForm::showYardIndicators() {
    const ms::ShipContext& c = m_form.context;
    const std::string* flags[] = {&c.onAW, &c.onNW, &c.onEN};
    const char* regions[] = {"AW", "NW", "EN"};
    const char* regionNames[] = {"Alte Welt", "Neue Welt", "Enbesa"};
    bool anywhere = false;
    for (int i = 0; i < 3; ++i) {
        const bool on = *flags[i] == "*";
        anywhere = anywhere || on;
        const QString picture = (on ? QStringLiteral("In%1ShipYard") : QStringLiteral("NotIn%1ShipYard"))
                                    .arg(QString::fromLatin1(regions[i]));
        QLabel* indicator = m_yardIndicators[static_cast<size_t>(2 + i)];
        indicator->setPixmap(ImageCollection::pixmap(picture, QSize(52, 52)));
        indicator->setAccessibleName(
            QString::fromLatin1(regionNames[i]) +
            (on ? QStringLiteral(": in der Werftbauliste") : QStringLiteral(": nicht in der Werftbauliste")));
    }
    for (QLabel* w : m_yardIndicators)
        w->setVisible(anywhere);
}

void TMainForm::hideYardSelectionPanel() {
    m_yardSelectionPanel->hide();
}

} // namespace ms::gui
