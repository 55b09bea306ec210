#pragma once

#include "shell/Error.h"

#include <filesystem>
#include <functional>
#include <string>
#include <vector>

namespace ms {

// A commit whose journal is written but one of whose steps failed: the change counts and is finished
// by the next Journal opened or the next start.
class UnfinishedCommitError : public Error {
  public:
    using Error::Error;
};

// The journal file in the data directory while a change of several files is being carried out.
inline constexpr const char* kJournalFile = ".Spantora-Journal";

// One commit for an operation that changes several files.
//
// While a Journal is open, writeFileAtomic puts every file aside, beside its target under
// "." + name + kStagedSuffix, and readFileBytes reads that copy, so the operation sees its own changes
// while every file under its own name stays as it was. commit() writes the list of planned renames
// and removals to kJournalFile, carries them out and deletes the journal; a journal left by a crash
// is carried out by CompletePendingJournal at the next start. Destroyed without commit, the journal
// deletes what it put aside: nothing has changed.
//
// Files below a staging folder (a path component starting with ".Spantora-") are written directly:
// such a folder is out of every reader's sight until moveFolder brings it in.
//
// A Journal opened while another one is open joins it: its changes become part of the outer commit.
class Journal {
  public:
    explicit Journal(std::filesystem::path xmlaDir);
    ~Journal();
    Journal(const Journal&) = delete;
    Journal& operator=(const Journal&) = delete;

    // At commit, the finished folder `staged` takes the place of `target` (an existing `target` goes).
    void moveFolder(const std::filesystem::path& staged, const std::filesystem::path& target);
    // At commit, the file or folder goes; it is first moved aside (to `asideName` beside it when
    // given), so it is never half there.
    void remove(const std::filesystem::path& target, const std::string& asideName = {});
    // Runs when the journal is rolled back: what was read from the copies aside is read again.
    void onRollback(std::function<void()> action);
    // Writes the journal, carries it out and deletes it. A failing write of a copy or of the journal
    // rolls back and throws ms::Error; a failing step after that throws UnfinishedCommitError.
    void commit();

    // The outermost open journal, or nullptr.
    static Journal* current();
    // Where writeFileAtomic puts `target` while this journal is open; `target` when it is not put aside.
    std::filesystem::path stage(const std::filesystem::path& target);
    // Where `file` is read from while this journal is open.
    std::filesystem::path readPath(const std::filesystem::path& file) const;

    struct Entry {
        enum Kind { File, Folder, Remove } kind;
        std::filesystem::path from;  // File, Folder: the copy aside; Remove: the target
        std::filesystem::path to;    // File, Folder: the target; Remove: the name it is moved aside to
        unsigned long long size = 0; // File: bytes of the copy aside
    };

  private:
    void rollback() noexcept;

    std::filesystem::path m_xmlaDir;
    Journal* m_outer = nullptr;
    bool m_done = false;
    std::vector<Entry> m_entries;
    std::vector<std::function<void()>> m_onRollback;
};

// The name of a file's copy aside.
inline constexpr const char* kStagedSuffix = ".spantora-neu";

enum class JournalRecovery {
    None,       // there was no journal
    Completed,  // an interrupted commit was carried out
    RolledBack, // the journal was incomplete: what it had put aside was deleted, nothing changed
};

// At start-up, before anything reads the data: carries out a journal left by an interrupted commit
// (or rolls it back when it is incomplete), then deletes copies aside that an operation interrupted
// before its commit left in the data directory and in the "[Spantora]" folders of the mods folder
// (env().modLocation). Throws ms::Error when a step of the journal cannot be carried out.
JournalRecovery CompletePendingJournal(const std::filesystem::path& xmlaDir);

// Copies aside and temporary files of atomic writes that an interrupted operation left in the data
// directory and in the "[Spantora]" folders of `modLocation` (which may be empty).
std::vector<std::filesystem::path> FindLeftoverCopies(const std::filesystem::path& xmlaDir,
                                                      const std::filesystem::path& modLocation);

// Removes a file or folder through a journal of its own: it is gone or still whole after a crash.
void RemoveJournaled(const std::filesystem::path& xmlaDir, const std::filesystem::path& target);

} // namespace ms
