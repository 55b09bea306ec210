#include "shell/SystemErrorText.h"

#include <cerrno>
#include <unistd.h>
#include <utility>

namespace ms {

namespace {
const char* const kDiskFull = "Auf dem Datenträger ist kein Speicherplatz mehr frei.";
}

std::string systemErrorText(const std::error_code& error) {
    static const std::pair<std::errc, const char*> kTexts[] = {
        {std::errc::no_such_file_or_directory, "Die Datei oder der Ordner existiert nicht."},
        {std::errc::permission_denied, "Zugriff verweigert: Es fehlt die Berechtigung."},
        {std::errc::operation_not_permitted, "Zugriff verweigert: Der Vorgang ist nicht erlaubt."},
        {std::errc::no_space_on_device, kDiskFull},
        {std::errc::read_only_file_system, "Der Datenträger ist schreibgeschützt."},
        {std::errc::file_exists, "Unter diesem Namen gibt es bereits eine Datei oder einen Ordner."},
        {std::errc::not_a_directory, "Ein Teil des Pfades ist kein Ordner, sondern eine Datei."},
        {std::errc::is_a_directory, "Unter diesem Namen gibt es einen Ordner, keine Datei."},
        {std::errc::directory_not_empty, "Der Ordner ist nicht leer."},
        {std::errc::filename_too_long, "Der Pfad ist zu lang."},
        {std::errc::device_or_resource_busy, "Die Datei oder der Ordner wird gerade verwendet."},
        {std::errc::text_file_busy, "Die Datei wird gerade verwendet."},
        {std::errc::io_error, "Beim Lesen oder Schreiben des Datenträgers ist ein Fehler aufgetreten."},
        {std::errc::too_many_files_open, "Es sind zu viele Dateien geöffnet."},
        {std::errc::cross_device_link, "Datei und Ziel liegen auf verschiedenen Datenträgern."},
        {std::errc::too_many_symbolic_link_levels, "Der Pfad enthält zu viele verschachtelte Verknüpfungen."},
        {std::errc::invalid_argument, "Der Name ist ungültig."},
    };
    // Quota exhaustion reads as a full disk to the user.
    const bool errnoValue =
        error.category() == std::generic_category() || error.category() == std::system_category();
    if (errnoValue && error.value() == EDQUOT)
        return kDiskFull;
    for (const auto& [code, text] : kTexts)
        if (error == code)
            return text;
    return "Systemfehler " + std::to_string(error.value()) + " (" + error.message() + ").";
}

std::string writeFailureCause(const std::filesystem::path& file) {
    std::error_code ec;
    std::filesystem::path folder = file.parent_path();
    while (!folder.empty() && folder != folder.parent_path() && !std::filesystem::exists(folder, ec))
        folder = folder.parent_path();
    if (!folder.empty() && ::access(folder.c_str(), W_OK) != 0)
        return systemErrorText(errno);
    if (std::filesystem::exists(file, ec) && ::access(file.c_str(), W_OK) != 0)
        return systemErrorText(errno);
    return "Der Datenträger ist voll oder verweigert den Zugriff.";
}

std::string systemErrorText(int errnoValue) {
    return systemErrorText(std::error_code(errnoValue, std::generic_category()));
}

} // namespace ms
