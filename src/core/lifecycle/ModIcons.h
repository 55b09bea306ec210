#pragma once

#include <filesystem>
#include <string_view>

namespace ms {

// The ship's icon pair in the data directory's NewShipIcon folder (name + ".png" and ".dds",
// matched without regard to case). Throws ms::Error naming the first file that is missing, and for
// an icon name that is not a plain file name.
void CheckShipIcons(const std::filesystem::path& xmlaDir, std::string_view icon);

// Copies both icon files into modFolder/data/icon/, replacing files of the same name. Checks both
// before it writes the first.
void CopyShipIcons(const std::filesystem::path& xmlaDir, const std::filesystem::path& modFolder,
                   std::string_view icon);

} // namespace ms
