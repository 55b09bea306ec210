#include "shell/Journal.h"

#include "shell/AtomicFile.h"
#include "shell/Environment.h"
#include "shell/Error.h"
#include "shell/ModStaging.h"
#include "shell/SystemErrorText.h"

#include <cerrno>
#include <chrono>
#include <sstream>

namespace ms {
namespace fs = std::filesystem;

namespace {

Journal* s_current = nullptr;

constexpr const char* kHeader = "Marvessa Spantora Journal 1";
constexpr const char* kEnd = "Ende";
constexpr const char* kKindNames[] = {"Datei", "Ordner", "Entfernen"};

fs::path normalised(const fs::path& p) {
    std::error_code ec;
    const fs::path abs = fs::absolute(p, ec);
    return (ec ? p : abs).lexically_normal();
}

bool present(const fs::path& p) {
    std::error_code ec;
    return fs::exists(fs::symlink_status(p, ec));
}

// A staging folder is out of every reader's sight: what is written below it needs no copy aside.
bool belowStagingFolder(const fs::path& p) {
    for (const fs::path& part : p)
        if (part.string().rfind(kStagingPrefix, 0) == 0)
            return true;
    return false;
}

// Paths in the journal: one entry a line, fields split by tabs; a path with a line break or a tab
// cannot be journaled (no name the program makes has one).
fs::path journaled(const fs::path& p) {
    const fs::path key = normalised(p);
    for (const char c : key.string())
        if (c == '\t' || c == '\n' || c == '\r')
            throw Error("Der Pfad \"" + key.string() +
                        "\" enthält Steuerzeichen und kann nicht geschrieben werden.");
    return key;
}

std::vector<std::string> splitTabs(const std::string& line) {
    std::vector<std::string> fields;
    std::string field;
    std::istringstream in(line);
    while (std::getline(in, field, '\t'))
        fields.push_back(field);
    return fields;
}

std::string render(const std::vector<Journal::Entry>& entries) {
    std::string text = std::string(kHeader) + "\n";
    for (const Journal::Entry& e : entries) {
        text += std::string(kKindNames[e.kind]) + "\t" + e.from.string() + "\t" + e.to.string();
        if (e.kind == Journal::Entry::File)
            text += "\t" + std::to_string(e.size);
        text += "\n";
    }
    return text + kEnd + "\n";
}

// The entries of a journal file; `complete` is false when its end line is missing or a line is
// not understood.
std::vector<Journal::Entry> parse(const std::string& text, bool& complete) {
    std::vector<Journal::Entry> entries;
    std::istringstream in(text);
    std::string line;
    complete = std::getline(in, line) && line == kHeader;
    bool ended = false;
    while (complete && std::getline(in, line)) {
        if (line == kEnd) {
            ended = true;
            break;
        }
        const std::vector<std::string> f = splitTabs(line);
        int kind = -1;
        for (int k = 0; k < 3; ++k)
            if (!f.empty() && f[0] == kKindNames[k])
                kind = k;
        const size_t fields = kind == Journal::Entry::File ? 4 : 3;
        if (kind < 0 || f.size() != fields) {
            complete = false;
            break;
        }
        Journal::Entry e{static_cast<Journal::Entry::Kind>(kind), f[1], f[2], 0};
        if (kind == Journal::Entry::File)
            e.size = std::stoull("0" + f[3]);
        entries.push_back(std::move(e));
    }
    complete = complete && ended;
    return entries;
}

[[noreturn]] void failStep(const std::string& what, const std::error_code& ec) {
    throw UnfinishedCommitError(what + ": " + systemErrorText(ec) +
                                " Der Vorgang wird beim nächsten Programmstart abgeschlossen.");
}

void renameOrFail(const fs::path& from, const fs::path& to) {
    std::error_code ec;
    fs::rename(from, to, ec);
    if (ec)
        failStep("\"" + from.string() + "\" kann nicht nach \"" + to.string() + "\" umbenannt werden", ec);
}

void removeOrFail(const fs::path& p) {
    std::error_code ec;
    fs::remove_all(p, ec);
    if (ec)
        failStep("\"" + p.string() + "\" kann nicht gelöscht werden", ec);
}

// Each step looks at what is there, so carrying out a journal a second time does no harm.
void apply(const Journal::Entry& e) {
    switch (e.kind) {
    case Journal::Entry::File:
        if (present(e.from))
            renameOrFail(e.from, e.to);
        break;
    case Journal::Entry::Folder:
        if (present(e.from)) {
            if (present(e.to))
                removeOrFail(e.to);
            renameOrFail(e.from, e.to);
        }
        break;
    case Journal::Entry::Remove:
        if (present(e.from))
            renameOrFail(e.from, e.to);
        if (present(e.to))
            removeOrFail(e.to);
        break;
    }
}

// What a rename could not do is refused before the journal is written: a commit that starts must
// be able to end.
void checkFeasible(const Journal::Entry& e) {
    std::error_code ec;
    if (e.kind == Journal::Entry::File && fs::is_directory(e.to, ec))
        throw Error("Die Datei \"" + e.to.string() +
                    "\" kann nicht geschrieben werden: " + systemErrorText(EISDIR));
    if (e.kind == Journal::Entry::Folder && present(e.to) && !fs::is_directory(e.to, ec))
        throw Error("Der Ordner \"" + e.to.string() +
                    "\" kann nicht angelegt werden: " + systemErrorText(EEXIST));
}

// Carries out the entries not yet done. The steps run in order, so an entry whose copy or folder
// aside is gone proves every earlier one done: a removal before it is not repeated, as its name
// may already belong to what a later entry moved in.
void applyRemaining(const std::vector<Journal::Entry>& entries) {
    size_t start = 0;
    for (size_t i = 0; i < entries.size(); ++i)
        if (entries[i].kind != Journal::Entry::Remove && !present(entries[i].from))
            start = i + 1;
    for (size_t i = 0; i < entries.size(); ++i) {
        if (i >= start)
            apply(entries[i]);
        else if (entries[i].kind == Journal::Entry::Remove && present(entries[i].to))
            removeOrFail(entries[i].to);
    }
}

bool stagedComplete(const Journal::Entry& e) {
    if (e.kind != Journal::Entry::File || !present(e.from))
        return true;
    std::error_code ec;
    return fs::file_size(e.from, ec) == e.size && !ec;
}

void discardStaged(const std::vector<Journal::Entry>& entries) noexcept {
    for (const Journal::Entry& e : entries) {
        std::error_code ec;
        if (e.kind == Journal::Entry::Remove) {
            if (present(e.to) && !present(e.from))
                fs::rename(e.to, e.from, ec);
        } else {
            fs::remove_all(e.from, ec);
        }
    }
}

fs::path journalFile(const fs::path& xmlaDir) {
    return normalised(xmlaDir / kJournalFile);
}

JournalRecovery completeJournalFile(const fs::path& xmlaDir) {
    const fs::path file = journalFile(xmlaDir);
    if (!present(file))
        return JournalRecovery::None;
    bool complete = false;
    const std::vector<Journal::Entry> entries = parse(readFileBytes(file), complete);
    for (const Journal::Entry& e : entries)
        complete = complete && stagedComplete(e);
    if (complete)
        applyRemaining(entries);
    else
        discardStaged(entries);
    std::error_code ec;
    fs::remove(file, ec);
    if (ec)
        failStep("Das Journal \"" + file.string() + "\" kann nicht gelöscht werden", ec);
    return complete ? JournalRecovery::Completed : JournalRecovery::RolledBack;
}

// A copy aside, or the temporary file of an atomic write that was cut short (".name.tmp<digits>").
bool isStagedCopy(const fs::path& p) {
    const std::string name = p.filename().string();
    const std::string suffix = kStagedSuffix;
    if (name.size() < 2 || name.front() != '.')
        return false;
    if (name.size() > suffix.size() + 1 &&
        name.compare(name.size() - suffix.size(), suffix.size(), suffix) == 0)
        return true;
    const size_t tmp = name.rfind(".tmp");
    return tmp != std::string::npos && tmp > 1 && tmp + 4 < name.size() &&
           name.find_first_not_of("0123456789", tmp + 4) == std::string::npos;
}

void findStagedCopiesBelow(const fs::path& root, std::vector<fs::path>& found) {
    std::error_code ec;
    for (fs::recursive_directory_iterator it(root, ec), end; !ec && it != end; it.increment(ec))
        if (isStagedCopy(it->path()) && it->is_regular_file(ec))
            found.push_back(it->path());
}

// A name beside `target` that nothing uses, out of every reader's sight.
fs::path asideName(const fs::path& target) {
    const auto stamp = std::chrono::steady_clock::now().time_since_epoch().count();
    for (unsigned n = 0;; ++n) {
        const fs::path p = target.parent_path() / (std::string(kStagingPrefix) + "Entfernt " +
                                                   std::to_string(stamp) + " " + std::to_string(n));
        if (!present(p))
            return p;
    }
}

} // namespace

Journal::Journal(fs::path xmlaDir) : m_xmlaDir(std::move(xmlaDir)) {
    if (s_current) {
        m_outer = s_current;
        return;
    }
    // An earlier commit that failed half-way is finished before anything is read.
    completeJournalFile(m_xmlaDir);
    s_current = this;
}

Journal::~Journal() {
    if (m_outer)
        return;
    if (!m_done)
        rollback();
    if (s_current == this)
        s_current = nullptr;
}

Journal* Journal::current() {
    return s_current;
}

fs::path Journal::stage(const fs::path& target) {
    if (m_outer)
        return m_outer->stage(target);
    const fs::path key = journaled(target);
    if (belowStagingFolder(key) || key == journalFile(m_xmlaDir))
        return target;
    for (const Entry& e : m_entries)
        if (e.kind == Entry::File && e.to == key)
            return e.from;
    const fs::path staged = key.parent_path() / ("." + key.filename().string() + kStagedSuffix);
    m_entries.push_back({Entry::File, staged, key, 0});
    return staged;
}

fs::path Journal::readPath(const fs::path& file) const {
    if (m_outer)
        return m_outer->readPath(file);
    const fs::path key = normalised(file);
    for (const Entry& e : m_entries)
        if (e.kind == Entry::File && e.to == key && present(e.from))
            return e.from;
    return file;
}

void Journal::moveFolder(const fs::path& staged, const fs::path& target) {
    if (m_outer)
        return m_outer->moveFolder(staged, target);
    m_entries.push_back({Entry::Folder, journaled(staged), journaled(target), 0});
}

void Journal::remove(const fs::path& target, const std::string& aside) {
    if (m_outer)
        return m_outer->remove(target, aside);
    const fs::path key = journaled(target);
    m_entries.push_back({Entry::Remove, key, aside.empty() ? asideName(key) : key.parent_path() / aside, 0});
}

void Journal::onRollback(std::function<void()> action) {
    if (m_outer)
        return m_outer->onRollback(std::move(action));
    m_onRollback.push_back(std::move(action));
}

void Journal::rollback() noexcept {
    s_current = nullptr;
    m_done = true;
    discardStaged(m_entries);
    for (const auto& action : m_onRollback) {
        try {
            action();
        } catch (...) {
        }
    }
}

void Journal::commit() {
    if (m_outer || m_done)
        return;
    s_current = nullptr; // from here on every write goes to its own name
    if (m_entries.empty()) {
        m_done = true;
        return;
    }
    const fs::path file = journalFile(m_xmlaDir);
    try {
        for (const Entry& e : m_entries)
            checkFeasible(e);
        for (Entry& e : m_entries)
            if (e.kind == Entry::File) {
                std::error_code ec;
                e.size = fs::file_size(e.from, ec);
                if (ec)
                    throw Error("Die Datei \"" + e.to.string() +
                                "\" kann nicht geschrieben werden: " + systemErrorText(ec));
            }
        writeFileAtomic(file, render(m_entries));
    } catch (...) {
        rollback();
        throw;
    }
    // Written: from now on the change counts, and a failing step is finished later.
    m_done = true;
    applyRemaining(m_entries);
    std::error_code ec;
    fs::remove(file, ec);
}

JournalRecovery CompletePendingJournal(const fs::path& xmlaDir) {
    std::error_code ec;
    if (xmlaDir.empty() || !fs::is_directory(xmlaDir, ec))
        return JournalRecovery::None;
    const JournalRecovery recovery = completeJournalFile(xmlaDir);
    for (const fs::path& p : FindLeftoverCopies(xmlaDir, env().modLocation))
        fs::remove(p, ec);
    return recovery;
}

std::vector<fs::path> FindLeftoverCopies(const fs::path& xmlaDir, const fs::path& modLocation) {
    std::vector<fs::path> found;
    findStagedCopiesBelow(xmlaDir, found);
    std::error_code ec;
    if (!modLocation.empty())
        for (fs::directory_iterator it(modLocation, ec), end; !ec && it != end; it.increment(ec))
            if (it->path().filename().string().find("[Spantora]") != std::string::npos)
                findStagedCopiesBelow(it->path(), found);
    return found;
}

void RemoveJournaled(const fs::path& xmlaDir, const fs::path& target) {
    Journal journal(xmlaDir);
    journal.remove(target);
    journal.commit();
}

} // namespace ms
