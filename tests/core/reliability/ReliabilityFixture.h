#pragma once

#include "core/yards/YardFixture.h"
#include "shell/ActivatedMods.h"
#include "store/Consistency.h"

#include <filesystem>
#include <string>
#include <vector>

namespace mstest {

// A data directory and a mods folder in a state that uses every kind of file: all yards deployed,
// an activated sailing ship on the old-world sailing yard, a new ship that is not activated.
class ReliabilityTest : public YardTest {
  public:
    void SetUp() override {
        YardTest::SetUp();
        deployAll();
        activatedShip = create("100438");
        f.activate(activatedShip);
        flag(activatedShip, {"AW"});
        for (const ms::YardRow& row : ms::YardTable())
            ms::RebuildYardBuildMenu(row);
        plainShip = create("100440");
    }

    std::vector<std::string> broken() const {
        return ms::CheckConsistency({f.xmla, f.mods, SPANTORA_DATA_DIR});
    }

    // The data directory and the mods folder, kept and put back (with the shared documents read again).
    void keep(const std::string& name) const {
        namespace fs = std::filesystem;
        fs::remove_all(f.dir / name);
        fs::create_directories(f.dir / name);
        fs::copy(f.xmla, f.dir / name / "XMLA", fs::copy_options::recursive);
        fs::copy(f.mods, f.dir / name / "mods", fs::copy_options::recursive);
    }
    void putBack(const std::string& name) const {
        for (const char* part : {"XMLA", "mods"})
            mirror(f.dir / name / part, f.dir / part);
        ms::OpenSharedDocuments(f.xmla);
        ms::ListActivatedMods();
    }

    // Makes `to` hold exactly what `from` holds, copying only what differs (most files never change).
    static void mirror(const std::filesystem::path& from, const std::filesystem::path& to) {
        namespace fs = std::filesystem;
        std::vector<fs::path> extra;
        for (const auto& e : fs::recursive_directory_iterator(to))
            if (!fs::exists(from / fs::relative(e.path(), to)))
                extra.push_back(e.path());
        for (const fs::path& p : extra)
            fs::remove_all(p);
        for (const auto& e : fs::recursive_directory_iterator(from)) {
            const fs::path target = to / fs::relative(e.path(), from);
            if (e.is_directory())
                fs::create_directories(target);
            else if (!fs::is_regular_file(target) || readFile(target) != readFile(e.path()))
                fs::copy_file(e.path(), target, fs::copy_options::overwrite_existing);
        }
    }

    std::string activatedShip;
    std::string plainShip;
};

} // namespace mstest
