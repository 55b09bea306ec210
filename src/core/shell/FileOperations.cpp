#include "shell/FileOperations.h"

#include "shell/AtomicFile.h"
#include "shell/Environment.h"
#include "shell/Error.h"
#include "shell/SystemErrorText.h"

#include <algorithm>

namespace ms {
namespace fs = std::filesystem;

namespace {

bool removeTree(const fs::path& path, std::error_code& ec) {
    ec.clear();
    if (path.empty() || path == path.root_path()) {
        ec = std::make_error_code(std::errc::operation_not_permitted);
        return false;
    }
    const auto status = fs::symlink_status(path, ec);
    if (ec || !fs::exists(status)) {
        if (!ec)
            ec = std::make_error_code(std::errc::no_such_file_or_directory);
        return false;
    }
    fs::remove_all(path, ec);
    return !ec;
}

void copyFile(const fs::path& source, const fs::path& destination) {
    writeFileAtomic(destination, readFileBytes(source));
}

} // namespace

bool IsFolder(const fs::path& path) {
    std::error_code ec;
    return !path.empty() && fs::is_directory(path, ec);
}

bool DeleteFolder(const fs::path& path) {
    std::error_code ec;
    return removeTree(path, ec);
}

bool CopyFolder(const fs::path& source, const fs::path& destination) {
    try {
        std::error_code ec;
        if (fs::is_regular_file(source, ec)) {
            copyFile(source,
                     fs::is_directory(destination, ec) ? destination / source.filename() : destination);
            return true;
        }
        if (!fs::is_directory(source, ec))
            return false;
        // A destination inside the source would grow while it is being walked.
        const fs::path from = fs::weakly_canonical(source, ec);
        const fs::path to = fs::weakly_canonical(destination, ec);
        if (ec || std::mismatch(from.begin(), from.end(), to.begin(), to.end()).first == from.end())
            return false;
        fs::create_directories(destination, ec);
        if (ec)
            return false;
        for (fs::recursive_directory_iterator it(source, ec), end; it != end; it.increment(ec)) {
            if (ec)
                return false;
            const fs::path target = destination / fs::relative(it->path(), source);
            if (it->is_directory()) {
                fs::create_directories(target, ec);
                if (ec)
                    return false;
            } else {
                copyFile(it->path(), target);
            }
        }
        return !ec;
    } catch (const std::exception&) {
        return false;
    }
}

void CreateFolders(const fs::path& folder) {
    std::error_code ec;
    fs::create_directories(folder, ec);
    if (ec)
        throw Error("Der Ordner \"" + folder.string() +
                    "\" kann nicht angelegt werden: " + systemErrorText(ec));
}

bool ClearModCache() {
    if (env().modLocation.empty())
        return true; // never fall back to a ".cache" relative to the working folder
    const fs::path cache = fs::path(env().modLocation) / ".cache";
    std::error_code ec;
    if (!fs::is_directory(cache, ec))
        return true;
    if (!removeTree(cache, ec))
        throw Error("Der Mod-Zwischenspeicher \"" + cache.string() +
                    "\" kann nicht gelöscht werden: " + systemErrorText(ec));
    return true;
}

} // namespace ms
