#include "shell/GamePlaces.h"

#include "shell/BoundedRead.h"
#include "shell/LauncherConfigs.h"
#include "shell/SteamLibraries.h"
#include "shell/UniquePaths.h"

#include <algorithm>
#include <cstdlib>

namespace ms {
namespace fs = std::filesystem;

namespace {
// A launcher writes a few kilobytes per game.
constexpr std::size_t kLauncherConfigLimit = 1 << 20;

// The entries of `dir` by name: folders, or files ending in `extension`.
std::vector<fs::path> entriesByName(const fs::path& dir, const std::string& extension = {}) {
    std::vector<fs::path> result;
    std::error_code ec;
    for (fs::directory_iterator it(dir, ec), end; !ec && it != end; it.increment(ec)) {
        const bool wanted = extension.empty() ? it->is_directory(ec) : it->path().extension() == extension;
        if (wanted)
            result.push_back(it->path());
    }
    std::sort(result.begin(), result.end());
    return result;
}

// A prefix written as "~/…" in a launcher's file is below the home folder.
fs::path expandHome(const std::string& path, const fs::path& home) {
    if (path == "~" || path.rfind("~/", 0) == 0)
        return home / path.substr(std::min<std::size_t>(2, path.size()));
    return path;
}

class PrefixList {
  public:
    explicit PrefixList(const fs::path& home) : m_home(home) {}

    // A launcher running the game with Proton names the folder above the prefix proper, pfx.
    void add(const fs::path& prefix) {
        std::error_code ec;
        if (prefix.empty())
            return;
        if (fs::is_regular_file(prefix / "system.reg", ec))
            m_unique.add(prefix);
        else if (fs::is_regular_file(prefix / "pfx/system.reg", ec))
            m_unique.add(prefix / "pfx");
    }
    void addEach(const std::vector<fs::path>& prefixes) {
        for (const fs::path& p : prefixes)
            add(p);
    }
    // The prefixes named in a launcher's files of `extension` inside `dir`.
    template <typename Read> void addNamedIn(const fs::path& dir, const std::string& extension, Read read) {
        for (const fs::path& file : entriesByName(dir, extension)) {
            const BoundedReadResult text = readFileBounded(file, kLauncherConfigLimit);
            if (text.fault != BoundedReadFault::None)
                continue;
            for (const std::string& named : read(text.bytes))
                if (!named.empty())
                    add(expandHome(named, m_home));
        }
    }
    std::vector<fs::path> take() { return m_unique.take(); }

  private:
    fs::path m_home;
    UniquePaths m_unique;
};

std::vector<std::string> lutrisPrefixOf(const std::string& yaml) {
    return {lutrisGamePrefix(yaml)};
}

} // namespace

GamePlaces findGamePlaces(const fs::path& home, const std::string& winePrefix) {
    GamePlaces places;
    PrefixList prefixes(home);
    if (!winePrefix.empty())
        prefixes.add(winePrefix);
    if (home.empty()) {
        places.prefixes = prefixes.take();
        return places;
    }
    places.steamLibraries = steamLibraries(home);
    prefixes.add(home / ".wine");
    for (const fs::path& library : places.steamLibraries)
        for (const fs::path& game : entriesByName(library / "steamapps/compatdata"))
            prefixes.add(game / "pfx");

    prefixes.addEach(entriesByName(home / "Games"));
    prefixes.addNamedIn(home / ".config/lutris/games", ".yml", lutrisPrefixOf);
    prefixes.addNamedIn(home / ".local/share/lutris/games", ".yml", lutrisPrefixOf);

    const fs::path heroicPrefixes = home / "Games/Heroic/Prefixes";
    for (const fs::path& group : entriesByName(heroicPrefixes))
        prefixes.addEach(entriesByName(group));
    prefixes.addEach(entriesByName(heroicPrefixes));
    prefixes.addNamedIn(home / ".config/heroic/GamesConfig", ".json", heroicWinePrefixes);
    prefixes.addNamedIn(home / ".var/app/com.heroicgameslauncher.hgl/config/heroic/GamesConfig", ".json",
                        heroicWinePrefixes);

    prefixes.addEach(entriesByName(home / ".local/share/bottles/bottles"));
    prefixes.addEach(entriesByName(home / ".var/app/com.usebottles.bottles/data/bottles/bottles"));

    places.prefixes = prefixes.take();
    return places;
}

GamePlaces findGamePlaces() {
    const char* home = std::getenv("HOME");
    const char* winePrefix = std::getenv("WINEPREFIX");
    return findGamePlaces(home ? home : "", winePrefix ? winePrefix : "");
}

} // namespace ms
