// A shipyard window under the load of a full ship pool: 121 index entries, 18 ships in the
// old-world sailing-ship yard, every new ship activated and offered in the yard lists.

#include "BenchmarkData.h"

#include "shell/Environment.h"
#include "shell/XmlFile.h"
#include "store/SharedDocuments.h"
#include "store/ShipIndex.h"
#include "yards/YardAssignment.h"
#include "yards/YardBuildMenu.h"
#include "yards/YardDeployment.h"
#include "yards/YardTexts.h"

#include <benchmark/benchmark.h>

#include <string>

namespace fs = std::filesystem;

namespace {

// The data directory with the template mods, a mods folder with the deployed yard, the environment
// pointed at both, and the ship toggled by the double-click: the last ship of the full menu.
class FullYard {
  public:
    FullYard() {
        const fs::path xmla = bench::makeDataDirectory(m_dir.path(), 100);
        for (const auto& e : fs::directory_iterator(SPANTORA_DATA_DIR))
            if (e.is_directory() && e.path().filename().string().rfind("[Spantora]", 0) == 0)
                fs::copy(e.path(), xmla / e.path().filename(), fs::copy_options::recursive);
        fs::create_directories(m_dir.path() / "mods");
        ms::env().xmlaDir = xmla;
        ms::env().modLocation = (m_dir.path() / "mods").string() + "/";

        pugi::xml_document index;
        ms::LoadShipIndex(index, xmla);
        int inYard = 0;
        for (pugi::xml_node e : index.document_element().children("Ship")) {
            if (ms::ShipValue(e, ms::kShipTyp) == ms::kCategoryNew)
                ms::MarkEntryActivated(e);
            if (ms::ShipValue(e, ms::kShipEngine) == "Sail" && inYard < ms::kYardMenuLimit) {
                ms::SetShipValue(e, ms::kShipOnAW, "*");
                lastInYard = ms::ShipValue(e, ms::kShipGuid);
                ++inYard;
            }
        }
        ms::SaveShipIndex(index, xmla);
        ms::OpenSharedDocuments(xmla);
        ms::DeployYard(row);
        ms::RebuildYardBuildMenu(row);
    }
    ~FullYard() { ms::CloseSharedDocuments(); }

    const ms::YardRow& row = *ms::FindYard("AW", "Sail");
    std::string lastInYard;

  private:
    bench::TempFolder m_dir;
};

// One double-click on a ship row: the toggle (index saved and read again, deployed menu rebuilt),
// then the list refilled and the deployed menu read for drawing. Each iteration takes the ship out
// of the full menu or puts it back.
void BM_YardDoubleClick(benchmark::State& state) {
    FullYard yard;
    for (auto _ : state) {
        benchmark::DoNotOptimize(ms::ToggleYardShip(yard.row, yard.lastInYard));
        benchmark::DoNotOptimize(ms::YardShipRows(yard.row));
        benchmark::DoNotOptimize(ms::ReadYardBuildMenu(yard.row));
    }
}
BENCHMARK(BM_YardDoubleClick)->Unit(benchmark::kMillisecond);

// Opening a yard window on its full yard: the region's names, the deployment check, the list and
// the drawn menu.
void BM_YardWindowOpen(benchmark::State& state) {
    FullYard yard;
    for (auto _ : state) {
        benchmark::DoNotOptimize(ms::ReadYardNames(yard.row.region));
        ms::DeployYard(yard.row);
        benchmark::DoNotOptimize(ms::YardShipRows(yard.row));
        benchmark::DoNotOptimize(ms::ReadYardBuildMenu(yard.row));
    }
}
BENCHMARK(BM_YardWindowOpen)->Unit(benchmark::kMillisecond);

} // namespace
