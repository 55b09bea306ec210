#include "shell/Whereabouts.h"

#include "shell/GameLocator.h"

namespace ms {
namespace fs = std::filesystem;

namespace {
bool isFolder(const fs::path& p) {
    std::error_code ec;
    return !p.empty() && fs::is_directory(p, ec);
}

std::string line(const char* caption, const std::string& value) {
    return std::string(caption) + value + "\n";
}
} // namespace

std::string ProgramFoldersText(const Whereabouts& w) {
    std::string data = w.xmlaDir.string();
    if (w.portable)
        data += " (neben dem Programm)";
    if (!isFolder(w.xmlaDir))
        data += " (wird beim ersten Start angelegt)";

    std::error_code ec;
    std::string settings = w.settingsFile.string();
    if (!fs::exists(w.settingsFile, ec))
        settings += " (noch nicht angelegt)";
    return line("Datenverzeichnis:  ", data) + line("Einstellungsdatei: ", settings);
}

std::string WhereaboutsText(const Whereabouts& w) {
    std::string game = "nicht gefunden; beim Start fragt das Programm nach dem Ordner des Spiels";
    if (!w.gameLocation.empty())
        game = w.gameLocation + (isGameFolder(w.gameLocation) ? "" : " (ohne Bin/Win64/Marvessa.exe)");

    std::string mods = "unbekannt, solange kein Spiel gefunden ist";
    if (!w.modLocation.empty())
        mods = w.modLocation + (isFolder(w.modLocation) ? "" : " (fehlt)");

    return line("Spielverzeichnis:  ", game) + line("Mod-Ordner:        ", mods) + ProgramFoldersText(w);
}

} // namespace ms
