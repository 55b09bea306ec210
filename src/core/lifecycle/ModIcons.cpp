#include "lifecycle/ModIcons.h"

#include "shell/AtomicFile.h"
#include "shell/Environment.h"
#include "shell/Error.h"
#include "shell/FileOperations.h"

#include <array>
#include <string>

namespace ms {
namespace fs = std::filesystem;

namespace {
constexpr std::array<const char*, 2> kIconExtensions{".png", ".dds"};

fs::path iconSource(const fs::path& xmlaDir, std::string_view icon, const char* extension) {
    return findCaseInsensitive(findCaseInsensitive(xmlaDir, "NewShipIcon"), std::string(icon) + extension);
}
} // namespace

void CheckShipIcons(const fs::path& xmlaDir, std::string_view icon) {
    // The name comes from the ship index; it must not lead out of the icon folder.
    if (icon.empty() || icon.find_first_of("/\\") != std::string_view::npos || icon == "." || icon == "..")
        throw Error("Der Symbolname \"" + std::string(icon) + "\" ist ungültig.");
    for (const char* extension : kIconExtensions) {
        const fs::path source = iconSource(xmlaDir, icon, extension);
        std::error_code ec;
        if (!fs::is_regular_file(source, ec))
            throw Error("Die Symboldatei \"" + source.string() + "\" fehlt.");
    }
}

void CopyShipIcons(const fs::path& xmlaDir, const fs::path& modFolder, std::string_view icon) {
    CheckShipIcons(xmlaDir, icon);
    const fs::path folder = modFolder / "data" / "icon";
    CreateFolders(folder);
    for (const char* extension : kIconExtensions)
        writeFileAtomic(folder / (std::string(icon) + extension),
                        readFileBytes(iconSource(xmlaDir, icon, extension)));
}

} // namespace ms
