#pragma once

#include "shell/SettingsStore.h"
#include "shell/StartupSequence.h"
#include "support/TempDir.h"

#include <QString>

#include <filesystem>
#include <map>
#include <string>
#include <utility>
#include <vector>

namespace mstest {

namespace fs = std::filesystem;
using ms::SettingsStore;
using ms::gui::StartupServices;

class MemorySettings : public SettingsStore {
  public:
    std::map<std::string, std::string> values;
    bool keyExists() const override { return !values.empty(); }
    std::string read(const std::string& name) const override {
        auto it = values.find(name);
        return it == values.end() ? std::string() : it->second;
    }
    void removeKey() override { values.clear(); }
    void write(const std::vector<std::pair<std::string, std::string>>& v) override {
        for (auto& [k, val] : v)
            values[k] = val;
    }
};

// A game folder (named `gameName`) with its executable and mods folder, an empty program folder, a
// data home of its own, and settings pointing at the game.
struct Sandbox {
    TempDir tmp;
    MemorySettings settings;
    std::string gameName;
    fs::path game() const { return tmp / gameName; }
    fs::path program() const { return tmp / "program"; }
    // $XDG_DATA_HOME of the sandbox, and the data directory the start makes there.
    fs::path dataHome() const { return tmp / "data"; }
    fs::path xmla() const { return dataHome() / "MarvessaSpantora" / "XMLA"; }

    explicit Sandbox(std::string name = "game") : gameName(std::move(name)) {
        writeFile(game() / "Bin/Win64/Marvessa.exe", "exe");
        fs::create_directories(game() / "mods");
        fs::create_directories(program());
        settings.values = {{"GameLocation", game().string()},
                           {"ModLocation", (game() / "mods").string() + "/"}};
    }

    StartupServices services() {
        StartupServices s;
        s.settings = &settings;
        s.programDir = program();
        s.dataHome = dataHome();
        s.readInstallDir = [](const std::string&, bool) { return std::string(); };
        s.chooseFolder = [] { return std::string(); };
        return s;
    }
};

} // namespace mstest
