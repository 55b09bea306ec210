#include "shell/StartupSequence.h"

#include "mainwindow/TMainForm.h"
#include "shell/ActivatedMods.h"
#include "shell/DataArchive.h"
#include "shell/DecimalSeparator.h"
#include "shell/DisplayFont.h"
#include "shell/Environment.h"
#include "shell/Error.h"
#include "shell/FileOperations.h"
#include "shell/FolderChooser.h"
#include "shell/GameLocator.h"
#include "shell/Journal.h"
#include "shell/ModStaging.h"
#include "shell/ProcessList.h"
#include "shell/QtSettingsStore.h"
#include "shell/SingleInstance.h"
#include "shell/StandardMessage.h"
#include "shell/SystemInfo.h"
#include "shell/Whereabouts.h"
#include "shell/WindowPlacement.h"
#include "store/SharedDocuments.h"

#include <QApplication>
#include <QDate>
#include <QFile>
#include <QLabel>
#include <QLocale>
#include <QScreen>

namespace ms::gui {
namespace fs = std::filesystem;

namespace {
const QString kStartError = QStringLiteral("Programmstartfehler");

// A failure names its cause and path itself; only a missing file adds why that ends the program.
void reportStartFailure(const std::exception& error) {
    const bool missingFile = dynamic_cast<const MissingFileError*>(&error) != nullptr;
    StandardMessage::critical(nullptr, kStartError,
                              QString::fromUtf8(error.what()) +
                                  (missingFile
                                       ? QStringLiteral("\n\nOhne diese Datei kann das Programm nicht "
                                                        "arbeiten und wird beendet.")
                                       : QStringLiteral("\n\nDas Programm wird beendet.")));
}

std::string withTrailingSeparator(const fs::path& dir) {
    std::string s = dir.string();
    if (s.empty() || s.back() != fs::path::preferred_separator)
        s.push_back(fs::path::preferred_separator);
    return s;
}

void processEvents() {
    QCoreApplication::processEvents();
}

bool unpackEmbeddedArchive(const fs::path& programDir) {
    QFile archive(QStringLiteral(":/embedded/XMLA.zip"));
    if (!archive.open(QIODevice::ReadOnly)) {
        StandardMessage::critical(nullptr, QStringLiteral("Programmabbruch"),
                                  QStringLiteral("Das eingebettete Datenarchiv fehlt im Programm."));
        return false;
    }
    const QByteArray bytes = archive.readAll();
    return ExtractDataArchive(std::string_view(bytes.constData(), size_t(bytes.size())), programDir,
                              processEvents, [](const std::string& reason) {
                                  StandardMessage::critical(nullptr, QStringLiteral("Programmabbruch"),
                                                            QString::fromStdString(reason));
                              });
}

// The lines of WhereaboutsText as a two-column table: the paths line up in a proportional font.
QString whereaboutsToolTip(const Whereabouts& where) {
    QString rows;
    for (const QString& line :
         QString::fromStdString(WhereaboutsText(where)).split(QLatin1Char('\n'), Qt::SkipEmptyParts)) {
        const qsizetype colon = line.indexOf(QLatin1Char(':'));
        rows += QStringLiteral("<tr><td>%1</td><td>%2</td></tr>")
                    .arg(line.left(colon + 1).toHtmlEscaped(), line.mid(colon + 1).trimmed().toHtmlEscaped());
    }
    return QStringLiteral("<table cellspacing=\"0\" cellpadding=\"1\">") + rows + QStringLiteral("</table>");
}

void centreOnScreen(TMainForm& window) {
    const QScreen* screen = window.screen() ? window.screen() : QGuiApplication::primaryScreen();
    // The available area: a panel along an edge must not cover the window.
    const QRect area = screen ? screen->availableGeometry() : QRect(0, 0, 1294, 794);
    // Before it is first shown the window has no frame yet, so its frame size is its client size;
    // it is centred by the size it will have with a normal frame.
    const bool framed = window.frameGeometry().size() != window.size() ||
                        window.windowFlags().testFlag(Qt::FramelessWindowHint);
    const QSize outer =
        framed ? window.frameGeometry().size() : QSize(TMainForm::OuterWidth, TMainForm::OuterHeight);
    window.move(centredOnScreen(area, outer));
}
} // namespace

fs::path executableDir() {
    return fs::path(QCoreApplication::applicationDirPath().toStdString());
}

DataFolderChoice chosenDataFolder() {
    return ChooseDataFolder(executableDir());
}

GameLocatorServices gameLocator(const StartupServices& services, SettingsStore& platformSettings,
                                const fs::path& programDir) {
    GameLocatorServices locator;
    locator.settings = services.settings ? services.settings : &platformSettings;
    // Left empty, the search reads every prefix of this machine once for both keys.
    locator.readInstallDir = services.readInstallDir;
    locator.chooseFolder = services.chooseFolder ? services.chooseFolder : [] { return std::string(); };
    locator.programDir = withTrailingSeparator(programDir);
    locator.programVersion = ProgramVersion();
    locator.today = QLocale::system().toString(QDate::currentDate(), QLocale::ShortFormat).toStdString();
    return locator;
}

StartupResult StartupSequence(TMainForm& mainForm, StartupServices services) {
    Environment& e = env();

    // 1. Decimal separator of the system locale.
    e.decimalIsPoint = decimalIsPointFor(QLocale::system().decimalPoint().toStdString());

    // 2. Folders. The player's data live in the per-user data folder, which survives a new build or
    // version; an "XMLA" already next to the executable is used where it is.
    try {
        e.programDir = services.programDir.empty() ? executableDir() : services.programDir;
        e.xmlaDir = services.dataHome.empty() ? ChooseDataFolder(e.programDir).xmlaDir
                                              : ChooseDataFolder(e.programDir, services.dataHome).xmlaDir;
    } catch (const std::exception& error) {
        reportStartFailure(error);
        return StartupResult::Failed;
    }

    // 3. Single instance, the game, the settings.
    if (services.instanceLock && !services.instanceLock->acquire()) {
        StandardMessage::critical(nullptr, kStartError,
                                  QStringLiteral("Das Programm <Marvessa Spantora> läuft bereits!"));
        return StartupResult::AlreadyRunning;
    }
    QtSettingsStore platformSettings;
    if (!services.chooseFolder)
        services.chooseFolder = [&mainForm] { return chooseGameFolder(&mainForm).toStdString(); };

    try {
        if (LocateGame(gameLocator(services, platformSettings, e.programDir)) == LocateOutcome::NotTheGame) {
            StandardMessage::critical(nullptr, kStartError, QString::fromStdString(notTheGameMessage()));
            return StartupResult::NoGame;
        }

        // 4. A change of several files that a crash interrupted is finished (or, incomplete, undone)
        // before anything reads the data. A debugging session starts with a fresh mod cache. What an
        // interrupted activation or yard deployment left beside the mods goes, so the game never
        // loads a second copy.
        CompletePendingJournal(e.xmlaDir);
        if (IsDebuggerAttached())
            ClearModCache();
        RemoveStagingLeftovers();

        // 5. The data directory, unpacked only when it is missing altogether.
        std::error_code ec;
        if (!fs::is_directory(e.xmlaDir, ec)) {
            CreateFolders(e.xmlaDir.parent_path());
            unpackEmbeddedArchive(e.xmlaDir.parent_path());
        }

        // 6. and 7. Font and version.
        InstallDisplayFont(&mainForm);
        if (auto* version = mainForm.findChild<QLabel*>(QStringLiteral("Version"))) {
            version->setText(QString::fromStdString(ProgramVersion()));
            // Where this copy works, for a player looking for the ships or the mods.
            const Whereabouts where{e.gameLocation, e.modLocation, e.xmlaDir,
                                    e.xmlaDir == e.programDir / "XMLA",
                                    QtSettingsStore::fileName().toStdString()};
            version->setToolTip(whereaboutsToolTip(where));
        }

        // 8. and 9. The shared documents and the projectile box.
        OpenSharedDocuments(e.xmlaDir);
        mainForm.fillProjectileTypes();

        // 10. to 14. Layout, first category, markers, the game watch.
        centreOnScreen(mainForm);
        mainForm.selectFirstCategory();
        mainForm.clearPanelMarkers();
        mainForm.startGameWatchTimer();
    } catch (const std::exception& error) {
        reportStartFailure(error);
        return StartupResult::Failed;
    }
    return StartupResult::Running;
}

} // namespace ms::gui
