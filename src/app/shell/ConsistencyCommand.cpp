#include "shell/ConsistencyCommand.h"

#include "shell/DataArchive.h"
#include "shell/Environment.h"
#include "shell/Journal.h"
#include "shell/ModStaging.h"
#include "shell/QtSettingsStore.h"
#include "shell/SingleInstance.h"
#include "shell/StartupSequence.h"
#include "store/Consistency.h"

#include <QFile>
#include <QTemporaryDir>
#include <iostream>

namespace ms::gui {
namespace fs = std::filesystem;

namespace {
// The delivered data, unpacked aside, tell what the pristine file and the templates must hold.
fs::path unpackDelivered(const QTemporaryDir& aside, std::ostream& out) {
    QFile archive(QStringLiteral(":/embedded/XMLA.zip"));
    if (!aside.isValid() || !archive.open(QIODevice::ReadOnly))
        return {};
    const QByteArray bytes = archive.readAll();
    const fs::path dir = aside.path().toStdString();
    try {
        unpackZip(bytes.toStdString(), "XMLA.zip", dir);
        return dir / "XMLA";
    } catch (const std::exception& e) {
        out << e.what() << "\n";
        return {};
    }
}

// A half-done change is finished as the next start would finish it, so that it is not reported as
// broken data; what the start cleans beside the mods goes too.
void recoverInterruptedChange(const fs::path& xmlaDir, std::ostream& out) {
    std::error_code ec;
    if (!fs::exists(xmlaDir / kJournalFile, ec))
        return;
    switch (CompletePendingJournal(xmlaDir)) {
    case JournalRecovery::Completed:
        out << "Ein unterbrochener Vorgang wurde abgeschlossen, wie es ein Programmstart tut.\n";
        break;
    case JournalRecovery::RolledBack:
        out << "Ein unterbrochener Vorgang war unvollständig und wurde zurückgenommen, wie es ein "
               "Programmstart tut; die Daten sind wie vor ihm.\n";
        break;
    case JournalRecovery::None:
        break;
    }
    RemoveStagingLeftovers();
}
} // namespace

int RunConsistencyCheck(const fs::path& xmlaDir, const std::string& modLocation, std::ostream& out,
                        bool mayRecover) {
    std::error_code ec;
    if (!fs::is_directory(xmlaDir, ec)) {
        out << "Das Datenverzeichnis \"" << xmlaDir.string()
            << "\" fehlt. Der nächste Programmstart legt es aus dem Datenarchiv an.\n";
        return 1;
    }
    Environment& e = env();
    e.xmlaDir = xmlaDir;
    e.modLocation = modLocation;
    if (mayRecover)
        recoverInterruptedChange(xmlaDir, out);
    else if (fs::exists(xmlaDir / kJournalFile, ec))
        out << "Das Programm läuft gerade; ein Vorgang ist womöglich noch im Gang.\n";

    QTemporaryDir delivered;
    const std::vector<std::string> broken =
        CheckConsistency({xmlaDir, modLocation, unpackDelivered(delivered, out)});
    for (const std::string& sentence : broken)
        out << sentence << "\n";
    if (!broken.empty())
        return 1;
    if (modLocation.empty()) {
        out << "Das Datenverzeichnis \"" << xmlaDir.string()
            << "\" ist in sich stimmig. Es ist kein Mod-Ordner bekannt (kein Spiel eingerichtet): die Seite "
               "der Mods wurde nicht geprüft.\n";
        return 1;
    }
    out << "Keine Unstimmigkeiten: das Datenverzeichnis \"" << xmlaDir.string()
        << "\" und der Mod-Ordner passen zusammen.\n";
    return 0;
}

int RunConsistencyCheckCommand() {
    // A running copy may be in the middle of a change: its journal is then no leftover.
    SingleInstance instance;
    const bool alone = instance.acquire();
    try {
        return RunConsistencyCheck(chosenDataFolder().xmlaDir, QtSettingsStore().read("ModLocation"),
                                   std::cout, alone);
    } catch (const std::exception& e) {
        std::cout << e.what() << "\n";
        return 1;
    }
}

} // namespace ms::gui
