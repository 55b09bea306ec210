#include "shell/CommandLine.h"

#include "shell/ConsistencyCommand.h"
#include "shell/Environment.h"
#include "shell/PreviewSettings.h"
#include "shell/QtSettingsStore.h"
#include "shell/Resources.h"
#include "shell/StartupSequence.h"
#include "shell/SystemInfo.h"

#include <QCoreApplication>
#include <array>
#include <clocale>
#include <iostream>
#include <string_view>

namespace ms::gui {

namespace {
constexpr const char* kProgram = "marvessa-spantora";

struct Option {
    std::string_view name;
    CommandMode mode;
};
constexpr std::array<Option, 4> kOptions{{{"--check", CommandMode::Check},
                                          {"--where", CommandMode::Where},
                                          {"--help", CommandMode::Help},
                                          {"--version", CommandMode::Version}}};

// Options QGuiApplication takes itself; the value follows as the next argument.
constexpr std::array<std::string_view, 8> kQtOptionsWithValue{
    "-platform", "-platformtheme",   "-display",      "-style",
    "-session",  "-qwindowgeometry", "-qwindowtitle", "-stylesheet"};
constexpr std::array<std::string_view, 2> kQtFlags{"-reverse", "-widgetcount"};

template <typename List> bool contains(const List& list, std::string_view value) {
    for (std::string_view entry : list)
        if (entry == value)
            return true;
    return false;
}

CommandLine invalid(std::string reason) {
    return {CommandMode::Invalid, std::move(reason)};
}

std::string indented(const std::string& lines) {
    std::string out;
    size_t start = 0;
    for (size_t end; (end = lines.find('\n', start)) != std::string::npos; start = end + 1)
        out += "  " + lines.substr(start, end - start + 1);
    return out;
}

Whereabouts programFolders() {
    Whereabouts where;
    const DataFolderChoice data = chosenDataFolder();
    where.xmlaDir = data.xmlaDir;
    where.portable = data.portable;
    where.settingsFile = QtSettingsStore::fileName().toStdString();
    return where;
}

int printInvalid(const CommandLine& command) {
    std::cerr << kProgram << ": " << command.error << "\n"
              << "Aufruf: " << kProgram << " [--check | --where | --help | --version]\n"
              << "Mehr dazu mit \"" << kProgram << " --help\".\n";
    return 2;
}
} // namespace

CommandLine ParseCommandLine(int argc, const char* const* argv) {
    CommandLine result;
    for (int i = 1; i < argc; ++i) {
        const std::string_view arg(argv[i]);
        if (contains(kQtOptionsWithValue, arg)) {
            if (i + 1 >= argc)
                return invalid("Der Option \"" + std::string(arg) + "\" fehlt ihr Wert.");
            ++i;
            continue;
        }
        if (contains(kQtFlags, arg))
            continue;
        CommandMode mode = CommandMode::Invalid;
        for (const Option& option : kOptions)
            if (option.name == arg)
                mode = option.mode;
        if (mode == CommandMode::Invalid) {
            if (!arg.empty() && arg.front() == '-')
                return invalid("Unbekannte Option \"" + std::string(arg) + "\".");
            return invalid("Unerwartetes Argument \"" + std::string(arg) +
                           "\": das Programm nimmt keine Dateien an.");
        }
        if (result.mode != CommandMode::Window && result.mode != mode)
            return invalid("Nur eine der Optionen --check, --where, --help und --version auf einmal.");
        result.mode = mode;
    }
    return result;
}

Whereabouts FindWhereabouts() {
    Whereabouts where = programFolders();

    QtSettingsStore stored;
    PreviewSettings preview(stored);
    StartupServices services;
    services.settings = &preview;
    if (LocateGame(gameLocator(services, stored, executableDir())) == LocateOutcome::Located) {
        where.gameLocation = env().gameLocation;
        where.modLocation = env().modLocation;
    }
    return where;
}

std::string UsageText(const Whereabouts& where) {
    return std::string("Aufruf: ") + kProgram +
           " [OPTION]\n"
           "\n"
           "Leitet neue Schiffe aus den Schiffsvorlagen des Spiels Marvessa ab, ändert ihre Werte und\n"
           "aktiviert sie als Mods. Ohne Option öffnet sich das Programmfenster.\n"
           "\n"
           "Optionen:\n"
           "  --check     prüft ohne Fenster, ob Datenverzeichnis und Mod-Ordner zusammenpassen\n"
           "  --where     zeigt Spielverzeichnis, Mod-Ordner, Datenverzeichnis und Einstellungsdatei\n"
           "  --help      zeigt diese Hilfe\n"
           "  --version   zeigt Name und Version des Programms\n"
           "\n"
           "Ordner:\n" +
           indented(ProgramFoldersText(where)) +
           "\n"
           "Das Datenverzeichnis ist $XDG_DATA_HOME/MarvessaSpantora/XMLA (sonst\n"
           "~/.local/share/MarvessaSpantora/XMLA); ein Ordner XMLA neben dem Programm hat Vorrang.\n"
           "Die Einstellungen liegen in $XDG_CONFIG_HOME/MarvessaSpantora/MarvessaSpantora.ini (sonst\n"
           "~/.config/…).\n"
           "\n"
           "Rückgabewerte:\n"
           "  0  alles in Ordnung (--check: keine Unstimmigkeiten; --where: Spiel gefunden)\n"
           "  1  Fehler beim Start; --check: Unstimmigkeiten gefunden oder Mod-Ordner nicht geprüft;\n"
           "     --where: kein Spiel gefunden\n"
           "  2  unbekannte Option oder falscher Aufruf\n";
}

int RunCommandLine(const CommandLine& command, int argc, char** argv) {
    if (command.mode == CommandMode::Invalid)
        return printInvalid(command);
    QCoreApplication app(argc, argv);
    std::setlocale(LC_NUMERIC, "C");
    QCoreApplication::setApplicationName(QStringLiteral("Marvessa Spantora"));
    initResources();
    try {
        switch (command.mode) {
        case CommandMode::Version:
            std::cout << "Marvessa Spantora " << ProgramVersion() << "\n";
            return 0;
        case CommandMode::Help:
            std::cout << UsageText(programFolders());
            return 0;
        case CommandMode::Where: {
            const Whereabouts where = FindWhereabouts();
            std::cout << WhereaboutsText(where);
            return where.gameLocation.empty() ? 1 : 0;
        }
        case CommandMode::Check:
            return RunConsistencyCheckCommand();
        case CommandMode::Window:
        case CommandMode::Invalid:
            break;
        }
    } catch (const std::exception& e) {
        std::cerr << e.what() << "\n";
        return 1;
    }
    return 2;
}

} // namespace ms::gui
