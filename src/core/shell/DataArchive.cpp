#include "shell/DataArchive.h"

#include "shell/AtomicFile.h"
#include "shell/Error.h"
#include "shell/FileOperations.h"
#include "shell/SystemErrorText.h"
#include "shell/ZipArchive.h"

#include <optional>
#include <set>
#include <vector>

namespace ms {
namespace fs = std::filesystem;

namespace {

// The entry's path below the target folder, or nothing when the name could reach outside it:
// absolute paths, drive letters and ".." are refused. "\" counts as a separator too, since some
// writers on the game's platform store it.
std::optional<fs::path> relativeTargetPath(const std::string& name) {
    std::string normal = name;
    for (char& c : normal)
        if (c == '\\')
            c = '/';
    if (normal.empty() || normal.front() == '/' || normal.find(':') != std::string::npos)
        return std::nullopt;
    fs::path result;
    std::size_t start = 0;
    while (start <= normal.size()) {
        std::size_t end = normal.find('/', start);
        if (end == std::string::npos)
            end = normal.size();
        const std::string part = normal.substr(start, end - start);
        if (part == "..")
            return std::nullopt;
        if (!part.empty() && part != ".")
            result /= part;
        start = end + 1;
    }
    return result;
}

struct PlannedEntry {
    const ZipArchive::Entry* entry;
    fs::path target;
};

} // namespace

void unpackZip(std::string archiveBytes, const std::string& displayName, const fs::path& targetDir) {
    const ZipArchive archive(std::move(archiveBytes), displayName);
    auto refuse = [&](const std::string& reason) {
        throw Error("Das Archiv \"" + displayName + "\" wird nicht entpackt: " + reason);
    };

    // First pass: decide every target and check every byte, so that a bad archive writes nothing.
    std::vector<PlannedEntry> plan;
    std::set<fs::path> files;
    std::set<fs::path> folders;
    for (const auto& entry : archive.entries()) {
        const auto relative = relativeTargetPath(entry.name);
        if (!relative)
            refuse("Der Eintrag \"" + entry.name + "\" zeigt außerhalb des Zielordners.");
        if (relative->empty()) {
            if (!entry.isDirectory)
                refuse("Ein Eintrag hat keinen Dateinamen.");
            continue;
        }
        if (entry.isDirectory) {
            folders.insert(*relative);
        } else {
            archive.verify(entry);
            files.insert(*relative);
        }
        for (fs::path p = relative->parent_path(); !p.empty(); p = p.parent_path())
            folders.insert(p);
        plan.push_back({&entry, targetDir / *relative});
    }
    for (const auto& file : files) {
        if (folders.count(file))
            refuse("\"" + file.generic_string() + "\" ist im Archiv zugleich Datei und Ordner.");
        std::error_code ec;
        if (fs::is_directory(targetDir / file, ec))
            refuse("An der Stelle der Datei \"" + (targetDir / file).string() + "\" steht ein Ordner.");
    }
    for (const auto& folder : folders) {
        std::error_code ec;
        const auto status = fs::status(targetDir / folder, ec);
        if (fs::exists(status) && !fs::is_directory(status))
            refuse("An der Stelle des Ordners \"" + (targetDir / folder).string() + "\" steht eine Datei.");
    }

    // Each file appears whole under its name; the disk gets all of them in one flush at the end.
    for (const auto& [entry, target] : plan) {
        CreateFolders(entry->isDirectory ? target : target.parent_path());
        if (!entry->isDirectory)
            writeFileAtomic(target, archive.read(*entry), Flush::Later);
    }
    flushFileSystem(targetDir);
}

bool ExtractDataArchive(std::string_view embeddedArchive, const fs::path& programDir,
                        const std::function<void()>& processEvents,
                        const std::function<void(const std::string&)>& reportFailure) {
    const fs::path zipFile = programDir / "XMLA.zip";
    auto breathe = [&] {
        if (processEvents)
            processEvents();
    };
    bool ok = true;
    auto failed = [&](const std::string& message) {
        ok = false;
        if (reportFailure)
            reportFailure(message);
    };

    bool written = false;
    try {
        // Read back at once and deleted after the unpacking: it never needs to reach the disk.
        writeFileAtomic(zipFile, embeddedArchive, Flush::Later);
        written = true;
    } catch (const std::exception& e) {
        failed(e.what());
    }
    breathe();

    // Without the written archive there is nothing to open; a second message would only repeat
    // the first one's cause.
    if (written) {
        try {
            unpackZip(readFileBytes(zipFile), zipFile.string(), programDir);
        } catch (const std::bad_alloc&) {
            failed("Für das Entpacken des Archivs \"" + zipFile.string() +
                   "\" reicht der Arbeitsspeicher nicht.");
        } catch (const std::exception& e) {
            failed(e.what());
        }
        breathe();
    }

    breathe();
    std::error_code ec;
    if (fs::exists(zipFile, ec) && !fs::remove(zipFile, ec))
        failed("Die Datei \"" + zipFile.string() + "\" kann nicht gelöscht werden: " + systemErrorText(ec));
    return ok;
}

} // namespace ms
