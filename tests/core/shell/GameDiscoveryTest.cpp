#include "shell/Environment.h"
#include "shell/Error.h"
#include "shell/GameLocator.h"
#include "shell/KeyValues.h"
#include "shell/LauncherConfigs.h"
#include "shell/SteamLibraries.h"
#include "support/FakeHome.h"
#include "support/MapSettings.h"

#include <gtest/gtest.h>

#include <functional>
#include <sys/stat.h>

using namespace ms;
using mstest::FakeHome;
using mstest::installerKeyLine;
using mstest::launcherKeyLine;
using mstest::writeFile;
namespace fs = std::filesystem;

namespace {

// A Steam Deck: the root library in ~/.local/share/Steam, an SD card that is not inserted, and one
// that is.
fs::path steamDeck(FakeHome& h) {
    const fs::path sd = h / "run/media/mmcblk0p1";
    FakeHome::makeSteamRoot(h / ".local/share/Steam", {h / "run/media/missing-card", sd});
    FakeHome::makeSteamLibrary(sd);
    FakeHome::makeGame(sd / "steamapps/common/Other Game", "Other.exe");
    return sd;
}

std::string lutrisYaml(const fs::path& prefix) {
    return "game:\n  arch: win64\n  exe: " + prefix.string() +
           "/drive_c/Games/Marvessa/Bin/Win64/Marvessa.exe\n  prefix: " + prefix.string() +
           "\ngame_slug: marvessa\nname: Marvessa\nrequires: null\nrunner: wine\nslug: marvessa\n"
           "system: {}\nversion: Orvane Launcher\nwine:\n  version: wine-ge-8-26-x86_64\n";
}

std::string heroicJson(const fs::path& prefix) {
    return "{\n  \"Marvessa\": {\n    \"autoInstallDxvk\": true,\n    \"enableEsync\": true,\n"
           "    \"enviromentOptions\": [],\n    \"wineVersion\": {\n      \"bin\": \"/usr/bin/wine\",\n"
           "      \"name\": \"Wine Default - wine-8.0\",\n      \"type\": \"wine\"\n    },\n"
           "    \"winePrefix\": \"" +
           prefix.string() +
           "\",\n    \"wineCrossoverBottle\": \"Heroic\"\n"
           "  },\n  \"version\": \"v0\",\n  \"explicit\": true\n}\n";
}

struct Layout {
    const char* name;
    GameSource source;
    // Builds the layout below the home folder; returns the folder the game is in, or would be in.
    std::function<fs::path(FakeHome&, bool withGame)> build;
};

const std::vector<Layout> kLayouts{
    {"SteamDeckCardCommonFolder", GameSource::SteamLibrary,
     [](FakeHome& h, bool withGame) {
         const fs::path game = steamDeck(h) / "steamapps/common/Marvessa";
         if (withGame)
             FakeHome::makeGame(game, "bin/WIN64/marvessa.EXE");
         else
             fs::create_directories(game / "Bin/Win64"); // what an uninstall leaves
         return game;
     }},
    {"SteamDeckCardProtonPrefix", GameSource::InstallerKey,
     [](FakeHome& h, bool withGame) {
         return FakeHome::makePrefixWithGame(steamDeck(h) / "steamapps/compatdata/2280/pfx",
                                             installerKeyLine(), withGame);
     }},
    {"SnapSteam", GameSource::LauncherKey,
     [](FakeHome& h, bool withGame) {
         const fs::path root = h / "snap/steam/common/.local/share/Steam";
         FakeHome::makeSteamRoot(root, {});
         return FakeHome::makePrefixWithGame(root / "steamapps/compatdata/4553/pfx", launcherKeyLine(),
                                             withGame);
     }},
    {"LutrisGameFile", GameSource::InstallerKey,
     [](FakeHome& h, bool withGame) {
         const fs::path prefix = h / "Wine/marvessa";
         writeFile(h / ".local/share/lutris/games/marvessa-1733738400.yml", lutrisYaml(prefix));
         return FakeHome::makePrefixWithGame(prefix, installerKeyLine(), withGame);
     }},
    {"LutrisGamesFolder64BitInstaller", GameSource::InstallerKey,
     [](FakeHome& h, bool withGame) {
         writeFile(h / ".config/lutris/games/marvessa-1733738400.yml", lutrisYaml(h / "Games/marvessa"));
         return FakeHome::makePrefixWithGame(h / "Games/marvessa", installerKeyLine(false), withGame);
     }},
    {"HeroicGamesConfig", GameSource::InstallerKey,
     [](FakeHome& h, bool withGame) {
         writeFile(h / ".config/heroic/GamesConfig/Marvessa.json", heroicJson(h / "Heroic/Marvessa"));
         return FakeHome::makePrefixWithGame(h / "Heroic/Marvessa", installerKeyLine(), withGame);
     }},
    {"HeroicFlatpakConfigWithProton", GameSource::LauncherKey,
     [](FakeHome& h, bool withGame) {
         writeFile(h / ".var/app/com.heroicgameslauncher.hgl/config/heroic/GamesConfig/Marvessa.json",
                   heroicJson(h / "Proton/Marvessa"));
         return FakeHome::makePrefixWithGame(h / "Proton/Marvessa/pfx", launcherKeyLine(), withGame);
     }},
    {"HeroicPrefixesFolder", GameSource::LauncherKey,
     [](FakeHome& h, bool withGame) {
         return FakeHome::makePrefixWithGame(h / "Games/Heroic/Prefixes/default/Marvessa",
                                             launcherKeyLine(false), withGame);
     }},
    {"Bottles", GameSource::InstallerKey,
     [](FakeHome& h, bool withGame) {
         writeFile(h / ".local/share/bottles/bottles/Marvessa/bottle.yml",
                   "Name: Marvessa\nRunner: soda-7.0-9\n");
         return FakeHome::makePrefixWithGame(h / ".local/share/bottles/bottles/Marvessa",
                                             installerKeyLine(false), withGame);
     }},
    {"BottlesFlatpak", GameSource::LauncherKey,
     [](FakeHome& h, bool withGame) {
         return FakeHome::makePrefixWithGame(
             h / ".var/app/com.usebottles.bottles/data/bottles/bottles/Marvessa", launcherKeyLine(),
             withGame);
     }},
};

struct Search {
    GamePlaces places;
    mstest::MapSettings settings;
    GameLocatorServices services;

    explicit Search(const FakeHome& home) : places(findGamePlaces(home.path(), "")) {
        services.settings = &settings;
        services.places = &places;
        services.chooseFolder = [] { return std::string(); };
    }
};

fs::path real(const std::string& path) {
    std::error_code ec;
    return fs::canonical(path, ec);
}

} // namespace

TEST(GameDiscovery, FindsTheGameInEachLayoutWithItsModsFolder) {
    for (const Layout& layout : kLayouts) {
        FakeHome home;
        const fs::path game = layout.build(home, true);
        Search search(home);
        const FoundGame found = discoverGame(search.services);
        EXPECT_EQ(real(found.gameLocation), real(game)) << layout.name;
        EXPECT_EQ(found.source, layout.source) << layout.name;
        ASSERT_EQ(LocateGame(search.services), LocateOutcome::Located) << layout.name;
        EXPECT_EQ(env().modLocation, env().gameLocation + "/mods/") << layout.name;
        EXPECT_TRUE(fs::is_directory(game / "mods")) << layout.name;
    }
}

TEST(GameDiscovery, FindsNothingAndCreatesNothingWhereTheGameIsAbsent) {
    for (const Layout& layout : kLayouts) {
        FakeHome home;
        layout.build(home, false);
        const auto before = home.tree();
        Search search(home);
        EXPECT_EQ(discoverGame(search.services).source, GameSource::None) << layout.name;
        EXPECT_EQ(LocateGame(search.services), LocateOutcome::NotTheGame) << layout.name;
        EXPECT_EQ(home.tree(), before) << layout.name;
    }
}

// Each key over every prefix in their fixed order, both views of a prefix before the next one, the
// libraries' folders after every key; taking away the winner hands the game to the next source.
TEST(GameDiscovery, SourcesKeepTheirOrder) {
    FakeHome home;
    const fs::path sd = steamDeck(home);
    FakeHome::makeGame(sd / "steamapps/common/Marvessa");
    const fs::path launcherGame = FakeHome::makePrefixWithGame(home / ".wine", launcherKeyLine(), true);
    const fs::path lutris = home / "Games/marvessa", bottle = home / ".local/share/bottles/bottles/M";
    const fs::path lutrisGame = FakeHome::makePrefixWithGame(lutris, installerKeyLine(false), true);
    const fs::path bottleGame = FakeHome::makePrefixWithGame(bottle, installerKeyLine(), true);
    const fs::path winePrefix = home / "Env/prefix";
    FakeHome::makePrefix(winePrefix);

    const std::vector<std::pair<fs::path, fs::path>> steps{{lutris / "system.reg", lutrisGame},
                                                           {bottle / "system.reg", bottleGame},
                                                           {home / ".wine/system.reg", launcherGame},
                                                           {{}, sd / "steamapps/common/Marvessa"}};
    for (const auto& [removeNext, expected] : steps) {
        GameLocatorServices services;
        const GamePlaces places = findGamePlaces(home.path(), winePrefix.string());
        services.places = &places;
        EXPECT_EQ(real(discoverGame(services).gameLocation), real(expected));
        if (!removeNext.empty())
            fs::remove(removeNext);
    }
}

TEST(GameDiscovery, PlacesListEachLibraryAndPrefixOnceInOrder) {
    FakeHome home;
    const fs::path sd = steamDeck(home);
    fs::create_directories(home / ".steam");
    fs::create_directory_symlink(home / ".local/share/Steam", home / ".steam/steam");
    FakeHome::makeSteamRoot(home / ".var/app/com.valvesoftware.Steam/.local/share/Steam", {});
    writeFile(home / ".var/app/com.valvesoftware.Steam/.local/share/Steam/steamapps/libraryfolders.vdf",
              "\"libraryfolders\"\n{\n\t\"0\"\n\t{\n\t\t\"path\"\t\t\"/nowhere\"\n"); // broken off
    FakeHome::makePrefix(home / ".wine");
    FakeHome::makePrefix(sd / "steamapps/compatdata/2280/pfx");
    FakeHome::makePrefix(home / "Games/b");
    FakeHome::makePrefix(home / "Games/a");
    fs::create_directories(home / "Games/Heroic/Prefixes/default/NoPrefixYet");
    writeFile(home / ".config/lutris/games/a.yml", lutrisYaml(home / "Games/b")); // a second way to b
    writeFile(home / ".config/lutris/games/broken.yml", "game: [prefix");
    ASSERT_EQ(::mkfifo((home / ".config/lutris/games/fifo.yml").c_str(), 0600), 0); // never opened
    ASSERT_EQ(::mkfifo((sd / "steamapps/libraryfolders.vdf").c_str(), 0600), 0);

    const GamePlaces places = findGamePlaces(home.path(), (home / ".wine").string());
    EXPECT_EQ(places.steamLibraries,
              (std::vector<fs::path>{home / ".steam/steam", sd,
                                     home / ".var/app/com.valvesoftware.Steam/.local/share/Steam"}));
    EXPECT_EQ(places.prefixes, (std::vector<fs::path>{home / ".wine", sd / "steamapps/compatdata/2280/pfx",
                                                      home / "Games/a", home / "Games/b"}));
}

TEST(KeyValues, ReadsQuotedAndBareEntriesEscapesCommentsAndConditions) {
    const KeyValues root = parseKeyValues("\xEF\xBB\xBF// written by hand\n"
                                          "\"LibraryFolders\" // the old layout\n{\n"
                                          "\t\"TimeNextStatsReport\"\t\t\"1733738400\"\n"
                                          "\tcontentstatsid -42\n"
                                          "\t\"1\"\t\t\"D:\\\\Spiele\\\\Steam\"\n"
                                          "\t\"2\"\t\"/mnt/\\\"quoted\\\"\\tname\\q\" [$LINUX]\n"
                                          "\t\"sub\" [$WIN32] { \"a\" \"\" }\n}\n");
    const KeyValues* list = root.child("libraryfolders");
    ASSERT_TRUE(list && list->isBlock);
    ASSERT_EQ(list->children.size(), 5u);
    EXPECT_EQ(list->child("CONTENTSTATSID")->value, "-42");
    EXPECT_EQ(list->child("1")->value, "D:\\Spiele\\Steam");
    EXPECT_EQ(list->child("2")->value, "/mnt/\"quoted\"\tname\\q");
    EXPECT_EQ(list->child("sub")->child("a")->value, "");
    EXPECT_EQ(libraryFoldersListed("\"LibraryFolders\"{\"TimeNextStatsReport\" \"1\" \"1\" \"/mnt/games\"}"),
              std::vector<std::string>{"/mnt/games"});
}

TEST(KeyValues, RefusesTextsThatBreakOff) {
    auto nested = [](int depth) {
        std::string text;
        for (int i = 0; i < depth; ++i)
            text = "k { " + text + "} ";
        return text;
    };
    const std::string deep = nested(100); // closed, but deeper than the reader goes
    const std::vector<std::string> texts{"\"a\" \"unclosed", "\"a\" { \"b\" \"c\"", "\"a\" \"b\" }", "\"a\"",
                                         "\"a\" { \"b\" }",  "{ \"a\" \"b\" }",     "\"a\" [$WIN32", deep};
    for (const std::string& text : texts)
        EXPECT_THROW(parseKeyValues(text), Error) << text;
    EXPECT_NO_THROW(parseKeyValues(nested(50)));
}

TEST(LauncherConfigs, OtherFilesNameNoPrefix) {
    for (const std::string yaml :
         {"game: [prefix", "game:\n  exe: x.exe\n", "- prefix: /x\n", "game:\n  prefix: [a]\n", ""})
        EXPECT_EQ(lutrisGamePrefix(yaml), "") << yaml;
    for (const std::string json :
         {"{", "[\"winePrefix\"]", "{\"winePrefix\": 3}", "{\"a\": {\"winePrefix\": \"\"}}"})
        EXPECT_TRUE(heroicWinePrefixes(json).empty()) << json;
}
