#include "shell/Journal.h"
#include "shell/AtomicFile.h"
#include "shell/Environment.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <set>

namespace fs = std::filesystem;
using mstest::readFile;
using mstest::writeFile;

namespace {

class JournalTest : public ::testing::Test {
  protected:
    void SetUp() override {
        m_saved = ms::env();
        ms::env().modLocation = (dir / "mods").string() + "/";
        fs::create_directories(dir / "mods");
        writeFile(a, "old a");
        writeFile(b, "old b");
    }
    void TearDown() override {
        ms::setAtomicWriteFailureAt(-1);
        ms::env() = m_saved;
    }

    // Every name below the temp folder, proof that nothing was left aside.
    std::set<std::string> names() const {
        std::set<std::string> all;
        for (const auto& e : fs::recursive_directory_iterator(dir.path()))
            all.insert(fs::relative(e.path(), dir.path()).string());
        return all;
    }

    // A journal as a commit leaves it when the program dies before its renames.
    void writeJournal(const std::string& entries) { writeFile(dir / ms::kJournalFile, entries); }
    static std::string staged(const fs::path& p) {
        return (p.parent_path() / ("." + p.filename().string() + ms::kStagedSuffix)).string();
    }

    mstest::TempDir dir;
    fs::path a = dir / "a.xml";
    fs::path b = dir / "b.xml";

  private:
    ms::Environment m_saved;
};

TEST_F(JournalTest, WritesGoAsideUntilTheCommitAndAreReadBackMeanwhile) {
    const std::set<std::string> before = names();
    ms::Journal journal(dir.path());
    ms::writeFileAtomic(a, "new a");
    ms::writeFileAtomic(b, "new b");
    ms::writeFileAtomic(a, "newer a");
    EXPECT_EQ(mstest::readFile(a), "old a");
    EXPECT_EQ(ms::readFileBytes(a), "newer a");
    journal.commit();
    EXPECT_EQ(readFile(a), "newer a");
    EXPECT_EQ(readFile(b), "new b");
    EXPECT_EQ(names(), before);
}

TEST_F(JournalTest, AFailedWriteOrNoCommitChangesNothing) {
    const std::set<std::string> before = names();
    for (const bool failSecond : {true, false}) {
        try {
            ms::Journal journal(dir.path());
            ms::setAtomicWriteFailureAt(failSecond ? 1 : -1);
            ms::writeFileAtomic(a, "new a");
            ms::writeFileAtomic(dir / "c.xml", "new c");
        } catch (const ms::Error& e) {
            EXPECT_TRUE(failSecond);
            EXPECT_NE(std::string(e.what()).find((dir / "c.xml").string()), std::string::npos);
        }
        EXPECT_EQ(readFile(a), "old a");
        EXPECT_EQ(names(), before);
    }
}

TEST_F(JournalTest, FolderMovesAndRemovalsHappenAtTheCommit) {
    const fs::path staging = dir / "mods" / ".Spantora-Aktivierung 1";
    const fs::path old = dir / "mods" / "[Spantora] Alt (1)";
    writeFile(old / "f", "old");
    {
        ms::Journal journal(dir.path());
        writeFile(staging / "g", "x");
        ms::writeFileAtomic(staging / "h", "direct"); // below a staging folder: not put aside
        journal.remove(old);
        journal.moveFolder(staging, dir / "mods" / "[Spantora] Neu (1)");
        ms::writeFileAtomic(a, "new a");
        EXPECT_TRUE(fs::exists(old));
        journal.commit();
    }
    EXPECT_FALSE(fs::exists(old));
    EXPECT_EQ(readFile(dir / "mods" / "[Spantora] Neu (1)" / "h"), "direct");
    EXPECT_EQ(readFile(a), "new a");
    EXPECT_EQ(names(), (std::set<std::string>{"a.xml", "b.xml", "mods", "mods/[Spantora] Neu (1)",
                                              "mods/[Spantora] Neu (1)/g", "mods/[Spantora] Neu (1)/h"}));
}

TEST_F(JournalTest, StartUpCompletesACompleteJournalAndRollsBackAnIncompleteOne) {
    struct Case {
        const char* what;
        const char* sizeOfA; // as the journal records it
        const char* end;
        ms::JournalRecovery recovery;
        const char* afterA;
    };
    const Case cases[] = {
        {"complete", "5", "Ende\n", ms::JournalRecovery::Completed, "new a"},
        {"without its end", "5", "", ms::JournalRecovery::RolledBack, "old a"},
        {"with a short copy", "9", "Ende\n", ms::JournalRecovery::RolledBack, "old a"},
    };
    for (const Case& c : cases) {
        writeFile(a, "old a");
        writeFile(staged(a), "new a");
        writeFile(dir / "gone", "x");
        writeJournal(std::string("Marvessa Spantora Journal 1\nDatei\t") + staged(a) + "\t" + a.string() +
                     "\t" + c.sizeOfA + "\nEntfernen\t" + (dir / "gone").string() + "\t" +
                     (dir / ".Spantora-Entfernt 1").string() + "\n" + c.end);
        EXPECT_EQ(ms::CompletePendingJournal(dir.path()), c.recovery) << c.what;
        EXPECT_EQ(readFile(a), c.afterA) << c.what;
        EXPECT_EQ(fs::exists(dir / "gone"), c.recovery == ms::JournalRecovery::RolledBack) << c.what;
        EXPECT_FALSE(fs::exists(staged(a))) << c.what;
        EXPECT_FALSE(fs::exists(dir / ms::kJournalFile)) << c.what;
        fs::remove(dir / "gone");
    }
}

TEST_F(JournalTest, StartUpCompletesAJournalWhoseRenamesHadBegun) {
    writeFile(a, "new a"); // renamed already
    writeFile(staged(b), "new b");
    writeJournal("Marvessa Spantora Journal 1\nDatei\t" + staged(a) + "\t" + a.string() + "\t5\nDatei\t" +
                 staged(b) + "\t" + b.string() + "\t5\nEnde\n");
    EXPECT_EQ(ms::CompletePendingJournal(dir.path()), ms::JournalRecovery::Completed);
    EXPECT_EQ(readFile(a), "new a");
    EXPECT_EQ(readFile(b), "new b");
}

TEST_F(JournalTest, StartUpKeepsAFolderThatTookTheNameOfARemovedOne) {
    // A mod rewritten under its own name: the old folder went, the new one moved in, then the crash.
    const fs::path mod = dir / "mods" / "[Spantora] Neu (1)";
    writeFile(mod / "f", "new");
    writeFile(dir / "mods" / ".Spantora-Sicherung 1 0" / "f", "old");
    writeJournal("Marvessa Spantora Journal 1\nEntfernen\t" + mod.string() + "\t" +
                 (dir / "mods" / ".Spantora-Sicherung 1 0").string() + "\nOrdner\t" +
                 (dir / "mods" / ".Spantora-Aktivierung 1").string() + "\t" + mod.string() + "\nEnde\n");
    EXPECT_EQ(ms::CompletePendingJournal(dir.path()), ms::JournalRecovery::Completed);
    EXPECT_EQ(readFile(mod / "f"), "new");
    EXPECT_FALSE(fs::exists(dir / "mods" / ".Spantora-Sicherung 1 0"));
}

TEST_F(JournalTest, StartUpRemovesCopiesAsideWithoutAJournal) {
    const fs::path yardFile = dir / "mods" / "[Spantora] Werft" / "data" / "assets.xml";
    writeFile(yardFile, "menu");
    writeFile(staged(yardFile), "half");
    writeFile(staged(a), "half");
    writeFile(dir / ".b.xml.tmp123", "cut short");
    EXPECT_EQ(ms::CompletePendingJournal(dir.path()), ms::JournalRecovery::None);
    EXPECT_EQ(names(),
              (std::set<std::string>{"a.xml", "b.xml", "mods", "mods/[Spantora] Werft",
                                     "mods/[Spantora] Werft/data", "mods/[Spantora] Werft/data/assets.xml"}));
}

TEST_F(JournalTest, ACommitThatCannotEndIsRefusedBeforeItStarts) {
    fs::remove(a);
    fs::create_directories(a); // a folder where the file should go
    ms::Journal journal(dir.path());
    ms::writeFileAtomic(b, "new b");
    ms::writeFileAtomic(a, "new a");
    EXPECT_THROW(journal.commit(), ms::Error);
    EXPECT_EQ(readFile(b), "old b");
    EXPECT_FALSE(fs::exists(dir / ms::kJournalFile));
}

} // namespace
