#include "shell/FolderChooser.h"

#include "shell/GamePlaces.h"

#include <QDialog>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QLabel>
#include <QSplitter>
#include <QStandardPaths>
#include <QUrl>
#include <QVBoxLayout>

namespace ms::gui {

namespace {
QString qPath(const std::filesystem::path& path) {
    return QString::fromStdString(path.string());
}

QString desktopFolder() {
    const QString desktop = QStandardPaths::writableLocation(QStandardPaths::DesktopLocation);
    return !desktop.isEmpty() && QFileInfo(desktop).isDir() ? desktop : QString();
}

// The first library's folder of installed games, else the desktop, else the home folder.
QString startFolder(const GamePlaces& places) {
    if (!places.steamLibraries.empty()) {
        const QString common = qPath(places.steamLibraries.front() / "steamapps" / "common");
        if (QFileInfo(common).isDir())
            return common;
    }
    const QString desktop = desktopFolder();
    return desktop.isEmpty() ? QDir::homePath() : desktop;
}

// Home, desktop, every Steam library and the C: drive of every Wine prefix: where games live.
QList<QUrl> sidebarFolders(const GamePlaces& places) {
    QList<QUrl> urls{QUrl::fromLocalFile(QDir::homePath())};
    if (const QString desktop = desktopFolder(); !desktop.isEmpty())
        urls.append(QUrl::fromLocalFile(desktop));
    for (const std::filesystem::path& library : places.steamLibraries)
        urls.append(QUrl::fromLocalFile(qPath(library)));
    for (const std::filesystem::path& prefix : places.prefixes)
        if (const QString driveC = qPath(prefix / "drive_c"); QFileInfo(driveC).isDir())
            urls.append(QUrl::fromLocalFile(driveC));
    return urls;
}
} // namespace

QString chooseGameFolder(QWidget* owner) {
    QDialog dialog(owner);
    dialog.setObjectName(QStringLiteral("FolderChooser"));
    dialog.setWindowTitle(QStringLiteral("Spielverzeichnis auswählen"));
    auto* layout = new QVBoxLayout(&dialog);
    auto* instruction =
        new QLabel(QStringLiteral("Das Spiel Marvessa kann nicht gefunden werden\n"
                                  "Wählen Sie aus der Liste das Hauptverzeichnis des Spiels Marvessa aus.\n"),
                   &dialog);
    instruction->setObjectName(QStringLiteral("FolderChooserText"));
    layout->addWidget(instruction);

    // The file dialog lives inside ours so the instruction stays visible above the folder list.
    auto* browser = new QFileDialog(&dialog);
    browser->setObjectName(QStringLiteral("FolderChooserBrowser"));
    browser->setWindowFlags(Qt::Widget);
    browser->setOptions(QFileDialog::DontUseNativeDialog | QFileDialog::ShowDirsOnly | QFileDialog::ReadOnly);
    browser->setFileMode(QFileDialog::Directory);
    // Steam and most launchers keep their games below dot-folders of the home folder.
    browser->setFilter(browser->filter() | QDir::Hidden);
    const GamePlaces places = findGamePlaces();
    browser->setSidebarUrls(sidebarFolders(places));
    browser->setDirectory(startFolder(places));
    // Wide enough for a library's or a prefix's folder name; the full path is its tooltip.
    if (auto* splitter = browser->findChild<QSplitter*>(QStringLiteral("splitter")))
        splitter->setSizes({220, 540});
    layout->addWidget(browser);

    QString chosen;
    QObject::connect(browser, &QFileDialog::accepted, &dialog, [&] {
        const QStringList files = browser->selectedFiles();
        chosen = files.isEmpty() ? QString() : files.first();
        dialog.accept();
    });
    QObject::connect(browser, &QFileDialog::rejected, &dialog, &QDialog::reject);
    dialog.resize(760, 520);
    if (dialog.exec() != QDialog::Accepted)
        return {};
    return QDir::toNativeSeparators(chosen);
}

} // namespace ms::gui
