#include "shell/FolderChooser.h"

#include <QDialog>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QLabel>
#include <QStandardPaths>
#include <QVBoxLayout>

namespace ms::gui {

namespace {
// The desktop folder when there is one, else the home folder.
QString startFolder() {
    const QString desktop = QStandardPaths::writableLocation(QStandardPaths::DesktopLocation);
    return !desktop.isEmpty() && QFileInfo(desktop).isDir() ? desktop : QDir::homePath();
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
    browser->setDirectory(startFolder());
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
