#include "shell/ConsistencyCommand.h"

#include "shell/DataArchive.h"
#include "shell/QtSettingsStore.h"
#include "shell/Resources.h"
#include "shell/StartupSequence.h"
#include "store/Consistency.h"

#include <QCoreApplication>
#include <QFile>
#include <QTemporaryDir>
#include <clocale>
#include <iostream>

namespace ms::gui {
namespace fs = std::filesystem;

int RunConsistencyCheck(const fs::path& programDir, const std::string& modLocation, std::ostream& out) {
    const fs::path xmla = programDir / "XMLA";
    std::error_code ec;
    if (!fs::is_directory(xmla, ec)) {
        out << "Das Datenverzeichnis \"" << xmla.string() << "\" fehlt.\n";
        return 1;
    }
    // The delivered data, unpacked aside, tell what the pristine file and the templates must hold.
    QTemporaryDir delivered;
    fs::path deliveredDir;
    QFile archive(QStringLiteral(":/embedded/XMLA.zip"));
    if (delivered.isValid() && archive.open(QIODevice::ReadOnly)) {
        const QByteArray bytes = archive.readAll();
        const fs::path aside = delivered.path().toStdString();
        try {
            unpackZip(bytes.toStdString(), "XMLA.zip", aside);
            deliveredDir = aside / "XMLA";
        } catch (const std::exception& e) {
            out << e.what() << "\n";
        }
    }
    const std::vector<std::string> broken = CheckConsistency({xmla, modLocation, deliveredDir});
    for (const std::string& sentence : broken)
        out << sentence << "\n";
    if (broken.empty())
        out << "Keine Unstimmigkeiten: das Datenverzeichnis \"" << xmla.string()
            << "\" und der Mod-Ordner passen zusammen.\n";
    return broken.empty() ? 0 : 1;
}

int RunConsistencyCheckCommand(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    std::setlocale(LC_NUMERIC, "C");
    QCoreApplication::setApplicationName(QStringLiteral("Marvessa Spantora"));
    initResources();
    try {
        return RunConsistencyCheck(defaultProgramDir(), QtSettingsStore().read("ModLocation"), std::cout);
    } catch (const std::exception& e) {
        std::cout << e.what() << "\n";
        return 1;
    }
}

} // namespace ms::gui
