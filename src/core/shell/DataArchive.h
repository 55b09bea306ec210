#pragma once

#include <filesystem>
#include <functional>
#include <string>
#include <string_view>

namespace ms {

// Unpacks the data archive carried in the executable into `programDir`: writes it to
// programDir/"XMLA.zip", unpacks every entry (folders created, existing files replaced) and deletes
// the temporary archive again. `processEvents` lets the window system breathe between the steps;
// `reportFailure` shows a failure's text to the user. The archive is checked completely (paths,
// inflate, CRC-32) before the first entry is written, and no entry may land outside `programDir`.
// Returns false when anything failed.
bool ExtractDataArchive(std::string_view embeddedArchive, const std::filesystem::path& programDir,
                        const std::function<void()>& processEvents,
                        const std::function<void(const std::string&)>& reportFailure);

// Unpacks an archive already read into memory; throws ms::Error with the reason on any failure.
// Nothing is written unless the whole archive checks out.
void unpackZip(std::string archiveBytes, const std::string& displayName, const std::filesystem::path& targetDir);

} // namespace ms
