#include "shell/SystemErrorText.h"
#include "shell/FileOperations.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <cerrno>

using namespace ms;
namespace fs = std::filesystem;

TEST(SystemErrorText, UsualCausesReadInGerman) {
    const std::pair<int, std::string> cases[] = {
        {ENOENT, "Die Datei oder der Ordner existiert nicht."},
        {EACCES, "Zugriff verweigert: Es fehlt die Berechtigung."},
        {ENOSPC, "Auf dem Datenträger ist kein Speicherplatz mehr frei."},
        {EDQUOT, "Auf dem Datenträger ist kein Speicherplatz mehr frei."},
        {EROFS, "Der Datenträger ist schreibgeschützt."},
        {ENOTDIR, "Ein Teil des Pfades ist kein Ordner, sondern eine Datei."},
    };
    for (const auto& [code, text] : cases) {
        EXPECT_EQ(systemErrorText(code), text) << code;
        // std::filesystem reports the same causes in the system category.
        EXPECT_EQ(systemErrorText(std::error_code(code, std::system_category())), text) << code;
    }
    const std::string other = systemErrorText(EPROTO);
    EXPECT_EQ(other.rfind("Systemfehler " + std::to_string(EPROTO) + " (", 0), 0u) << other;
}

TEST(SystemErrorText, FolderThatCannotBeCreatedIsNamedWithItsGermanCause) {
    mstest::TempDir tmp;
    mstest::writeFile(tmp / "game" / "mods", "a file where the folder should be");
    const fs::path folder = tmp / "game" / "mods" / "x";
    try {
        CreateFolders(folder);
        FAIL() << "no error";
    } catch (const std::exception& e) {
        EXPECT_EQ(std::string(e.what()), "Der Ordner \"" + folder.string() +
                                             "\" kann nicht angelegt werden: Ein Teil des Pfades ist kein "
                                             "Ordner, sondern eine Datei.");
    }
}
