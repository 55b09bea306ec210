#include "core/ZipTestSupport.h"
#include "shell/DataArchive.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <cstdlib>

using namespace ms;
using namespace mstest;
namespace fs = std::filesystem;

namespace {

struct Outcome {
    bool result = false;
    int eventRounds = 0;
    std::vector<std::string> failures;
};

Outcome extract(const std::string& archive, const fs::path& programDir) {
    Outcome run;
    run.result = ExtractDataArchive(
        archive, programDir, [&] { ++run.eventRounds; },
        [&](const std::string& message) { run.failures.push_back(message); });
    return run;
}

// Entries that were planted outside the program folder by a faulty reader end up here.
const std::vector<fs::path> escapeTargets = {
    "/tmp/spantora-escape-absolute.txt",
};

} // namespace

TEST(DataArchive, UnpacksEveryEntryReplacesFilesAndRemovesTheTemporaryArchive) {
    TempDir program;
    writeFile(program / "XMLA/ShipShort.xml", "alt");
    const Outcome run = extract(readFile(zipFixture("mixed.zip")), program.path());
    EXPECT_TRUE(run.result);
    EXPECT_TRUE(run.failures.empty());
    EXPECT_GE(run.eventRounds, 2);
    EXPECT_FALSE(fs::exists(program / "XMLA.zip"));

    const auto tree = treeContents(program.path());
    std::vector<std::string> paths;
    for (const auto& [path, content] : tree)
        paths.push_back(path);
    EXPECT_EQ(paths, (std::vector<std::string>{
                         "XMLA/", "XMLA/Active.png", "XMLA/NewShipIcon/", "XMLA/ShipShort.xml",
                         "XMLA/[Spantora] AW Neue Segelschiffswerft/",
                         "XMLA/[Spantora] AW Neue Segelschiffswerft/data/",
                         "XMLA/[Spantora] AW Neue Segelschiffswerft/data/icon/",
                         "XMLA/[Spantora] AW Neue Segelschiffswerft/data/icon/leer.dds",
                         "XMLA/[Spantora] Schöne Übung (neu)/",
                         "XMLA/[Spantora] Schöne Übung (neu)/modinfo.json"}));
    EXPECT_EQ(tree.at("XMLA/ShipShort.xml").substr(0, 30), "<?xml version=\"1.0\"?>\r\n<Ships>");
    EXPECT_EQ(tree.at("XMLA/[Spantora] Schöne Übung (neu)/modinfo.json"), "{\"Name\": \"Älteste Fähre\"}\r\n");
}

TEST(DataArchive, ReadsAnArchiveWrittenByTheBuildTool) {
    TempDir source;
    writeFile(source / "XMLA/ShipFull.xml", std::string(50000, 'S') + "\r\nEnde");
    writeFile(source / "XMLA/[Spantora] Schöne Übung (neu)/data/config/gui/texts_german.xml", "Ölfass");
    writeFile(source / "XMLA/NewShipIcon/icon_ship_schooner.png", std::string("\x89PNG\r\n\x1a\n\0\0", 10));
    fs::create_directories(source / "XMLA/leer");
    const std::string command = "cd '" + source.path().string() +
                                "' && LC_ALL=C.UTF-8 cmake -E tar cf x.zip --format=zip \"--mtime=2024-01-01 00:00:00Z\" XMLA";
    ASSERT_EQ(std::system(command.c_str()), 0);
    const std::string archive = readFile(source / "x.zip");
    fs::remove(source / "x.zip");

    TempDir program;
    const Outcome run = extract(archive, program.path());
    EXPECT_TRUE(run.result) << (run.failures.empty() ? "" : run.failures.front());
    EXPECT_EQ(treeContents(program.path()), treeContents(source.path()));
}

TEST(DataArchive, RefusesEntriesReachingOutsideAndWritesNothing) {
    for (const char* fixture : {"escape_parent.zip", "escape_absolute.zip", "escape_drive.zip", "escape_backslash.zip"}) {
        SCOPED_TRACE(fixture);
        TempDir outer;
        const fs::path program = outer / "Programm/Bin";
        fs::create_directories(program);
        const Outcome run = extract(readFile(zipFixture(fixture)), program);
        EXPECT_FALSE(run.result);
        ASSERT_EQ(run.failures.size(), 1u);
        EXPECT_NE(run.failures[0].find("außerhalb des Zielordners"), std::string::npos) << run.failures[0];
        // Not even the harmless first entry: the archive is refused as a whole.
        EXPECT_TRUE(treeContents(outer.path()) == (std::map<std::string, std::string>{{"Programm/", ""}, {"Programm/Bin/", ""}}));
        for (const auto& target : escapeTargets)
            EXPECT_FALSE(fs::exists(target)) << target;
        EXPECT_FALSE(fs::exists(program / "C:"));
    }
}

TEST(DataArchive, DamagedArchiveReportsTheReasonAndLeavesExistingFilesAlone) {
    std::string archive = readFile(zipFixture("mixed.zip"));
    // The last file entry is damaged: the earlier, sound ones must not be written either.
    const std::size_t at = centralHeaderOf(archive, "XMLA/[Spantora] Schöne Übung (neu)/modinfo.json");
    putLe32(archive, at + 16, getLe32(archive, at + 16) ^ 0x80);

    TempDir program;
    writeFile(program / "XMLA/ShipShort.xml", "alt");
    const Outcome run = extract(archive, program.path());
    EXPECT_FALSE(run.result);
    ASSERT_EQ(run.failures.size(), 1u);
    EXPECT_NE(run.failures[0].find("Prüfsumme"), std::string::npos) << run.failures[0];
    EXPECT_NE(run.failures[0].find("XMLA.zip"), std::string::npos) << run.failures[0];
    EXPECT_EQ(treeContents(program.path()),
              (std::map<std::string, std::string>{{"XMLA/", ""}, {"XMLA/ShipShort.xml", "alt"}}));

    const Outcome truncated = extract(readFile(zipFixture("mixed.zip")).substr(0, 1500), program.path());
    EXPECT_FALSE(truncated.result);
    ASSERT_EQ(truncated.failures.size(), 1u);
    EXPECT_FALSE(fs::exists(program / "XMLA.zip"));
    EXPECT_EQ(readFile(program / "XMLA/ShipShort.xml"), "alt");
}

TEST(DataArchive, RefusesAnEntryWhoseFileIsAFolderOnDisk) {
    TempDir program;
    fs::create_directories(program / "XMLA/Active.png");
    const Outcome run = extract(readFile(zipFixture("mixed.zip")), program.path());
    EXPECT_FALSE(run.result);
    ASSERT_EQ(run.failures.size(), 1u);
    EXPECT_FALSE(fs::exists(program / "XMLA/ShipShort.xml"));
}

TEST(DataArchive, FailedArchiveWriteIsReportedOnce) {
    TempDir outer;
    const Outcome run = extract(readFile(zipFixture("mixed.zip")), outer / "fehlt");
    EXPECT_FALSE(run.result);
    ASSERT_EQ(run.failures.size(), 1u);
    EXPECT_NE(run.failures[0].find("XMLA.zip"), std::string::npos) << run.failures[0];
    EXPECT_FALSE(fs::exists(outer / "fehlt"));
}

TEST(DataArchive, UnpacksTheDeliveredDataSetAsTheBuildPacksIt) {
    TempDir source;
    fs::copy(SPANTORA_DATA_DIR, source / "XMLA", fs::copy_options::recursive);
    const std::string command = "cd '" + source.path().string() +
                                "' && LC_ALL=C.UTF-8 cmake -E tar cf XMLA.zip --format=zip \"--mtime=2024-01-01 00:00:00Z\" XMLA";
    ASSERT_EQ(std::system(command.c_str()), 0);
    const std::string archive = readFile(source / "XMLA.zip");
    fs::remove(source / "XMLA.zip");

    TempDir program;
    const Outcome run = extract(archive, program.path());
    EXPECT_TRUE(run.result) << (run.failures.empty() ? "" : run.failures.front());
    EXPECT_EQ(treeContents(program.path()), treeContents(source.path()));
}
