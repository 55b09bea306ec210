// Finding the game where it is not: every source searched over a home folder with 5 Steam libraries
// and 50 Wine prefixes of every launcher. Argument 0: registry files of a few keys; argument 1:
// registry files of a lived-in prefix (about 1.5 MB each).

#include "shell/GameLocator.h"
#include "support/FakeHome.h"

#include <benchmark/benchmark.h>

#include <string>

namespace fs = std::filesystem;
using mstest::FakeHome;

namespace {

// The machine keys of a prefix after a few installations, as Wine writes them.
std::vector<std::pair<std::string, std::string>> livedInKeys() {
    std::vector<std::pair<std::string, std::string>> keys;
    for (int i = 0; i < 7000; ++i)
        keys.push_back({"Software\\\\Classes\\\\CLSID\\\\{" + std::to_string(10000000 + i) +
                            "-0000-0000-C000-000000000046}\\\\InprocServer32",
                        "@=\"C:\\\\windows\\\\system32\\\\ole32.dll\"\n\"ThreadingModel\"=\"Both\"\n"
                        "\"Version\"=\"10.0.19041.1\"\n\"Assembly\"=\"mscoree, Version=4.0.0.0\""});
    return keys;
}

class CrowdedHome {
  public:
    explicit CrowdedHome(bool livedIn) {
        const auto keys = livedIn ? livedInKeys() : std::vector<std::pair<std::string, std::string>>{};
        const fs::path root = m_home / ".local/share/Steam";
        std::vector<fs::path> libraries;
        for (int i = 1; i < 5; ++i)
            libraries.push_back(m_home / ("media/card" + std::to_string(i)));
        FakeHome::makeSteamRoot(root, libraries);
        libraries.insert(libraries.begin(), root);
        int made = 0;
        for (const fs::path& library : libraries) {
            FakeHome::makeSteamLibrary(library);
            for (int game = 0; game < 6; ++game, ++made) {
                FakeHome::makePrefix(
                    library / ("steamapps/compatdata/" + std::to_string(1000 + made) + "/pfx"), keys);
                FakeHome::makeGame(library / ("steamapps/common/Game " + std::to_string(made)), "Game.exe");
            }
        }
        const std::vector<fs::path> others{m_home / ".wine",
                                           m_home / "Games/a",
                                           m_home / "Games/b",
                                           m_home / "Games/c",
                                           m_home / "Games/Heroic/Prefixes/default/x",
                                           m_home / "Games/Heroic/Prefixes/default/y",
                                           m_home / "Games/Heroic/Prefixes/default/z",
                                           m_home / ".local/share/bottles/bottles/a",
                                           m_home / ".local/share/bottles/bottles/b",
                                           m_home / ".local/share/bottles/bottles/c",
                                           m_home / ".var/app/com.usebottles.bottles/data/bottles/bottles/a",
                                           m_home / ".var/app/com.usebottles.bottles/data/bottles/bottles/b",
                                           m_home / "Wine/lutris",
                                           m_home / "Wine/heroic",
                                           m_home / "Wine/heroic2",
                                           m_home / "Wine/heroic3",
                                           m_home / "Wine/lutris2",
                                           m_home / "Wine/lutris3",
                                           m_home / "Wine/lutris4",
                                           m_home / "Wine/lutris5"};
        for (const fs::path& prefix : others)
            FakeHome::makePrefix(prefix, keys);
        for (const char* name : {"lutris", "lutris2", "lutris3", "lutris4", "lutris5"})
            mstest::writeFile(m_home / (std::string(".config/lutris/games/") + name + ".yml"),
                              "game:\n  prefix: " + (m_home / "Wine" / name).string() + "\nrunner: wine\n");
        for (const char* name : {"heroic", "heroic2", "heroic3"})
            mstest::writeFile(m_home / (std::string(".config/heroic/GamesConfig/") + name + ".json"),
                              "{\"" + std::string(name) + "\": {\"winePrefix\": \"" +
                                  (m_home / "Wine" / name).string() + "\"}}");
        prefixCount = made + int(others.size());
    }
    const fs::path& path() const { return m_home.path(); }
    int prefixCount = 0;

  private:
    FakeHome m_home;
};

void BM_DiscoverAbsentGame(benchmark::State& state) {
    const CrowdedHome home(state.range(0) == 1);
    size_t prefixes = 0, libraries = 0;
    for (auto _ : state) {
        const ms::GamePlaces places = ms::findGamePlaces(home.path(), "");
        ms::GameLocatorServices services;
        services.places = &places;
        const ms::FoundGame found = ms::discoverGame(services);
        if (found.source != ms::GameSource::None)
            state.SkipWithError("found a game that is not there");
        prefixes = places.prefixes.size();
        libraries = places.steamLibraries.size();
        benchmark::DoNotOptimize(found);
    }
    state.counters["libraries"] = double(libraries);
    state.counters["prefixes"] = double(prefixes);
}
BENCHMARK(BM_DiscoverAbsentGame)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

// Only the places: the libraries and prefixes, without reading a registry file.
void BM_FindGamePlaces(benchmark::State& state) {
    const CrowdedHome home(false);
    for (auto _ : state)
        benchmark::DoNotOptimize(ms::findGamePlaces(home.path(), ""));
}
BENCHMARK(BM_FindGamePlaces)->Unit(benchmark::kMillisecond);

} // namespace
