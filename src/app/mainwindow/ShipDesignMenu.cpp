#include "mainwindow/ShipDesignMenu.h"

#include "lifecycle/ShipDesign.h"
#include "mainwindow/MainFormStyle.h"
#include "shell/Environment.h"
#include "shell/MessageWindow.h"

#include <QAction>
#include <QDir>
#include <QFileDialog>
#include <QMenu>
#include <QTreeWidget>

namespace ms::gui {

using mainform::q;

namespace {
const QString SaveCaption = QStringLiteral("Schiffsentwurf speichern …");
const QString SaveSavedStateCaption = QStringLiteral("Schiffsentwurf speichern (gespeicherter Stand) …");

std::optional<QString> nextFileAnswer;
std::optional<ShipDesignMenu::FileRequest> lastRequest;

// Where the dialogs open: the folder last used in this run, at first the home folder.
QString& lastFolder() {
    static QString folder = QDir::homePath();
    return folder;
}
} // namespace

ShipDesignMenu::ShipDesignMenu(QTreeWidget* shipView, Host host)
    : QObject(shipView), m_shipView(shipView), m_host(std::move(host)), m_menu(new QMenu(shipView)) {
    m_menu->setObjectName(QStringLiteral("ShipDesignMenu"));
    m_saveAction = m_menu->addAction(SaveCaption);
    m_saveAction->setObjectName(QStringLiteral("SaveShipDesignAction"));
    m_loadAction = m_menu->addAction(QStringLiteral("Schiffsentwurf laden …"));
    m_loadAction->setObjectName(QStringLiteral("LoadShipDesignAction"));
    connect(m_saveAction, &QAction::triggered, this,
            [this] { m_host.guarded([this] { SaveDesignClick(); }); });
    connect(m_loadAction, &QAction::triggered, this,
            [this] { m_host.guarded([this] { LoadDesignClick(); }); });

    m_shipView->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(m_shipView, &QWidget::customContextMenuRequested, this,
            [this](const QPoint& at) { ShipViewContextMenu(at); });
}

void ShipDesignMenu::ShipViewContextMenu(const QPoint& at) {
    if (!m_host.newShipListShown())
        return;
    const QTreeWidgetItem* item = m_shipView->itemAt(at);
    m_menuShipGuid = item ? item->data(0, Qt::UserRole).toString() : QString();
    m_saveAction->setEnabled(!m_menuShipGuid.isEmpty());
    bool unsaved = false;
    try {
        unsaved = !m_menuShipGuid.isEmpty() && m_host.unsavedEdits(m_menuShipGuid);
    } catch (const std::exception&) {
        // A ship whose saved state cannot be read: the save itself will say what is wrong.
    }
    m_saveAction->setText(unsaved ? SaveSavedStateCaption : SaveCaption);
    m_menu->popup(m_shipView->viewport()->mapToGlobal(at));
}

void ShipDesignMenu::SaveDesignClick() {
    if (m_menuShipGuid.isEmpty())
        return;
    QString name;
    for (int i = 0; i < m_shipView->topLevelItemCount(); ++i)
        if (m_shipView->topLevelItem(i)->data(0, Qt::UserRole).toString() == m_menuShipGuid)
            name = m_shipView->topLevelItem(i)->text(1);
    const QString file = askForFile(true, q(ms::ShipDesignFileName(name.toStdString())));
    if (!file.isEmpty())
        ms::SaveShipDesign(ms::env().xmlaDir, m_menuShipGuid.toStdString(), file.toStdU16String());
}

void ShipDesignMenu::LoadDesignClick() {
    const QString file = askForFile(false, {});
    if (file.isEmpty())
        return;
    const std::optional<std::string> guid =
        ms::LoadShipDesign(ms::env().xmlaDir, file.toStdU16String(), messageSink());
    if (guid) // else the pool's refusal was told and nothing was written
        m_host.showNewShip(q(*guid));
}

QString ShipDesignMenu::askForFile(bool save, const QString& proposedName) {
    const FileRequest request{save ? QStringLiteral("Schiffsentwurf speichern")
                                   : QStringLiteral("Schiffsentwurf laden"),
                              QStringLiteral("Schiffsentwürfe (*.spantora)"), proposedName};
    lastRequest = request;
    if (nextFileAnswer) {
        const QString answer = *nextFileAnswer;
        nextFileAnswer.reset();
        return answer;
    }
    QFileDialog dialog(m_shipView->window(), request.title, lastFolder(), request.filter);
    dialog.setObjectName(save ? QStringLiteral("SaveShipDesignDialog")
                              : QStringLiteral("LoadShipDesignDialog"));
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    if (save) {
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setDefaultSuffix(QStringLiteral("spantora"));
        dialog.selectFile(proposedName);
    } else {
        dialog.setFileMode(QFileDialog::ExistingFile);
    }
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    const QString file = dialog.selectedFiles().first();
    lastFolder() = QFileInfo(file).absolutePath();
    return file;
}

void ShipDesignMenu::setNextFileAnswer(std::optional<QString> file) {
    nextFileAnswer = std::move(file);
}

std::optional<ShipDesignMenu::FileRequest> ShipDesignMenu::lastFileRequest() {
    return lastRequest;
}

} // namespace ms::gui
