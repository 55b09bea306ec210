#pragma once

#include <QObject>
#include <QString>

#include <functional>
#include <optional>

class QAction;
class QMenu;
class QPoint;
class QTreeWidget;

namespace ms::gui {

// The context menu of the main window's ship list in the category of new ships: a ship's design
// saved as a .spantora file, a design file loaded as a new ship (also on the empty list). A design
// holds the ship as last saved; while the window holds unsaved edits of it the entry says so.
class ShipDesignMenu : public QObject {
    Q_OBJECT
  public:
    // What the menu needs of the main window.
    struct Host {
        std::function<bool()> newShipListShown;
        // Runs a handler with the window's general error report around it.
        std::function<void(const std::function<void()>&)> guarded;
        // Selects and shows the ship in the list of new ships.
        std::function<void(const QString& guid)> showNewShip;
        // Whether the window shows the ship with edits that are not saved yet.
        std::function<bool(const QString& guid)> unsavedEdits;
    };

    ShipDesignMenu(QTreeWidget* shipView, Host host);

    QMenu* menu() const { return m_menu; }
    // The menu for the list position `at` (viewport coordinates); nothing outside "Neue Schiffe".
    void ShipViewContextMenu(const QPoint& at);
    void SaveDesignClick();
    void LoadDesignClick();

    // Test support: the next file dialog is not shown but answered with `file` (an empty text
    // cancels), and remembered.
    struct FileRequest {
        QString title;
        QString filter;
        QString proposedName; // the save dialog's preset file name
    };
    static void setNextFileAnswer(std::optional<QString> file);
    static std::optional<FileRequest> lastFileRequest();

  private:
    QString askForFile(bool save, const QString& proposedName);

    QTreeWidget* m_shipView;
    Host m_host;
    QMenu* m_menu;
    QAction* m_saveAction;
    QAction* m_loadAction;
    QString m_menuShipGuid; // the ship the menu was opened on
};

} // namespace ms::gui
