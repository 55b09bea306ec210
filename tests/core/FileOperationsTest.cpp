#include "core/ZipTestSupport.h"
#include "shell/ActivatedMods.h"
#include "shell/Environment.h"
#include "shell/Error.h"
#include "shell/FileOperations.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <algorithm>

using namespace ms;
using namespace mstest;
namespace fs = std::filesystem;

namespace {

// Points env().modLocation at a folder for one test and restores it afterwards.
class ModLocationScope {
public:
    explicit ModLocationScope(const std::string& location) : m_saved(env().modLocation) {
        env().modLocation = location;
    }
    ~ModLocationScope() {
        env().modLocation = m_saved;
        activatedModFolders().clear();
    }

private:
    std::string m_saved;
};

std::string withSeparator(const fs::path& p) { return p.string() + "/"; }

} // namespace

TEST(FileOperations, DeleteFolderRemovesTreesAndFilesAndReportsWhatHappened) {
    TempDir dir;
    writeFile(dir / "a/b/c.txt", "x");
    writeFile(dir / "einzeln.txt", "y");
    EXPECT_TRUE(DeleteFolder(dir / "a"));
    EXPECT_FALSE(fs::exists(dir / "a"));
    EXPECT_TRUE(DeleteFolder(dir / "einzeln.txt"));
    EXPECT_FALSE(DeleteFolder(dir / "einzeln.txt")) << "nothing left to delete";
    EXPECT_FALSE(DeleteFolder(""));
    EXPECT_FALSE(DeleteFolder("/"));
    EXPECT_TRUE(fs::exists(dir.path()));
}

TEST(FileOperations, CopyFolderCopiesTreesReplacesFilesAndKeepsOthers) {
    TempDir dir;
    const fs::path source = dir / "XMLA/[Spantora] Segelweberei Enbesa";
    writeFile(source / "modinfo.json", "neu");
    writeFile(source / "data/icons/ä b.png", std::string("\0\1\2", 3));
    fs::create_directories(source / "data/leer");
    const fs::path target = dir / "mods/[Spantora] Segelweberei Enbesa";

    ASSERT_TRUE(CopyFolder(source, target));
    EXPECT_EQ(treeContents(target), treeContents(source));

    writeFile(target / "modinfo.json", "alt");
    writeFile(target / "eigenes.txt", "bleibt");
    ASSERT_TRUE(CopyFolder(source, target));
    EXPECT_EQ(readFile(target / "modinfo.json"), "neu");
    EXPECT_EQ(readFile(target / "eigenes.txt"), "bleibt");
    EXPECT_FALSE(fs::exists(target / "[Spantora] Segelweberei Enbesa")) << "copied into instead of onto";

    EXPECT_TRUE(CopyFolder(source / "modinfo.json", dir / "kopie.json"));
    EXPECT_EQ(readFile(dir / "kopie.json"), "neu");
    EXPECT_FALSE(CopyFolder(dir / "fehlt", dir / "ziel"));
    EXPECT_FALSE(fs::exists(dir / "ziel"));
    EXPECT_FALSE(CopyFolder(source, source / "data/innen")) << "a copy into itself never ends";
}

TEST(FileOperations, ClearModCacheDeletesOnlyTheCacheFolder) {
    TempDir dir;
    const ModLocationScope scope(withSeparator(dir / "mods"));
    writeFile(dir / "mods/.cache/x/y.bin", "z");
    writeFile(dir / "mods/[Spantora] A (1)/modinfo.json", "{}");
    EXPECT_TRUE(ClearModCache());
    EXPECT_FALSE(fs::exists(dir / "mods/.cache"));
    EXPECT_TRUE(fs::exists(dir / "mods/[Spantora] A (1)/modinfo.json"));
    EXPECT_TRUE(ClearModCache()) << "no cache is no failure";

    writeFile(dir / "mods/.cache", "eine Datei");
    EXPECT_TRUE(ClearModCache());
    EXPECT_TRUE(fs::exists(dir / "mods/.cache")) << "only a folder is the cache";
}

TEST(FileOperations, ClearModCacheWithoutModsFolderTouchesNothingRelative) {
    TempDir dir;
    const fs::path saved = fs::current_path();
    fs::current_path(dir.path());
    writeFile(dir / ".cache/keep.txt", "k");
    {
        const ModLocationScope scope("");
        EXPECT_TRUE(ClearModCache());
    }
    fs::current_path(saved);
    EXPECT_TRUE(fs::exists(dir / ".cache/keep.txt"));
}

TEST(ActivatedMods, ListsSpantoraEntriesAndDeletesOnlyTheShipsFolders) {
    TempDir dir;
    const ModLocationScope scope(withSeparator(dir / "mods"));
    writeFile(dir / "mods/[Spantora] Schoner (neu) (2000501100)/data/config/gui/texts_german.xml", "t");
    writeFile(dir / "mods/[Spantora] AW Neue Segelschiffswerft/modinfo.json", "{}");
    writeFile(dir / "mods/[Spantora] notiz 2000501100.txt", "eine Datei, kein Mod-Ordner");
    writeFile(dir / "mods/Fremder Mod (2000501100)/modinfo.json", "{}");

    ASSERT_TRUE(ListActivatedMods());
    std::vector<std::string> listed = activatedModFolders();
    std::sort(listed.begin(), listed.end());
    EXPECT_EQ(listed, (std::vector<std::string>{"[Spantora] AW Neue Segelschiffswerft",
                                                "[Spantora] Schoner (neu) (2000501100)",
                                                "[Spantora] notiz 2000501100.txt"}));

    ASSERT_TRUE(DeleteShipModFolders("2000501100"));
    EXPECT_FALSE(fs::exists(dir / "mods/[Spantora] Schoner (neu) (2000501100)"));
    EXPECT_TRUE(fs::exists(dir / "mods/[Spantora] AW Neue Segelschiffswerft/modinfo.json"));
    EXPECT_TRUE(fs::exists(dir / "mods/[Spantora] notiz 2000501100.txt")) << "files are not mod folders";
    EXPECT_TRUE(fs::exists(dir / "mods/Fremder Mod (2000501100)")) << "not one of ours";
    listed = activatedModFolders();
    std::sort(listed.begin(), listed.end());
    EXPECT_EQ(listed, (std::vector<std::string>{"[Spantora] AW Neue Segelschiffswerft",
                                                "[Spantora] notiz 2000501100.txt"}));
}

TEST(ActivatedMods, EmptyGuidOrMissingModsFolderDeletesNothing) {
    TempDir dir;
    const ModLocationScope scope(withSeparator(dir / "mods"));
    writeFile(dir / "mods/[Spantora] AW Neue Segelschiffswerft/modinfo.json", "{}");
    ListActivatedMods();
    ASSERT_EQ(activatedModFolders().size(), 1u);
    EXPECT_TRUE(DeleteShipModFolders(""));
    EXPECT_TRUE(fs::exists(dir / "mods/[Spantora] AW Neue Segelschiffswerft"));

    env().modLocation = withSeparator(dir / "fehlt");
    EXPECT_TRUE(ListActivatedMods());
    EXPECT_TRUE(activatedModFolders().empty());
}
