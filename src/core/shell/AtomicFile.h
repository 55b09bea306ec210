#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace ms {

// Writes the bytes to a temporary file in the target's folder, flushes it and renames it over the
// target, so a crash or a full disk never leaves a half-written file under its final name.
// While a Journal is open the file is put aside for the journal's commit instead.
// Throws ms::Error naming the file.
// `Flush::Later` leaves the flush to the caller, who writes many files and then flushes them all at
// once with flushFileSystem (the data archive's unpacking: one flush instead of one per file).
enum class Flush { Now, Later };
void writeFileAtomic(const std::filesystem::path& target, std::string_view bytes, Flush flush = Flush::Now);

// Flushes every file written to the file system holding `anyPath`; throws ms::Error naming it.
void flushFileSystem(const std::filesystem::path& anyPath);

// Reads a whole file (the copy put aside by an open Journal, when there is one); throws ms::Error naming the
// file when it cannot be read.
std::string readFileBytes(const std::filesystem::path& file);

// Test hook: when set to N >= 0, the next atomic writes fail after N bytes have been written, as a
// full disk would. -1 (the default) disables it.
void setAtomicWriteFailureAfter(long long bytes);

// Test hook: when set to N >= 0, the N-th atomic write from now (0 the next one) fails half-way, as
// on a full disk; the others succeed. -1 disables it.
void setAtomicWriteFailureAt(long long write);
// How many atomic writes were started since the program began (failed ones included).
long long atomicWriteCount();

} // namespace ms
