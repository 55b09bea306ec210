#pragma once

#include <cstddef>
#include <filesystem>
#include <string>

namespace ms {

// How a bounded read of a file from outside the data directory ended.
enum class BoundedReadFault {
    None,       // bytes hold the whole file
    Missing,    // no such file
    NotRegular, // a folder, FIFO, device or socket: never opened, so nothing blocks
    TooLarge,   // more than the limit; bytes is empty
    Unreadable, // open or read failed
};

struct BoundedReadResult {
    std::string bytes;
    BoundedReadFault fault = BoundedReadFault::None;
    std::string cause; // German, lower case, for behind the caller's own first words; empty on success
};

// Reads a file that comes from outside (a shared design, a Wine registry file, a launcher's config)
// without trusting it: anything but a regular file is refused before it is opened, and at most
// `limit` + 1 bytes are ever read, whatever the file claims or grows to while it is read.
BoundedReadResult readFileBounded(const std::filesystem::path& file, std::size_t limit);

} // namespace ms
