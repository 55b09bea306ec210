// The data store under the load of a full ship pool: 21 templates and 100 new ships.

#include "shell/AtomicFile.h"
#include "shell/Message.h"
#include "shell/XmlFile.h"
#include "store/IdentifierPools.h"
#include "store/RecordStore.h"
#include "store/ReferenceLists.h"
#include "store/SharedDocuments.h"
#include "store/ShipIndex.h"
#include "store/StoreFiles.h"

#include "BenchmarkData.h"

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <stdexcept>
#include <string>

namespace fs = std::filesystem;

using bench::makeDataDirectory;
using bench::TempFolder;

namespace {

// The values one ship display reads from its record and its template record.
const char* const kDisplayPaths[] = {"Standard/InfoText",
                                     "Standard/WorkForce",
                                     "Standard/WorkInt",
                                     "Walking/ForwardSpeed",
                                     "Walking/CargoFullFactor",
                                     "Walking/SessionTransferSpeedFactor",
                                     "CommandQueue/MilitaryShipPoints",
                                     "CommandQueue/TradeShipPoints",
                                     "Attackable/MaximumHitPoints",
                                     "Attackable/SelfHealPerHealTick",
                                     "Attackable/SelfHealPausedTimeIfAttacked",
                                     "Attackable/WeaponSet",
                                     "Attacker/ProjectileAsset",
                                     "Attacker/ProjectileCount",
                                     "Attacker/BaseDamage",
                                     "Attacker/ReloadTime",
                                     "Attacker/AttackRange",
                                     "Attacker/LineOfSightRange",
                                     "ItemContainer/SocketCount",
                                     "ItemContainer/SlotCount",
                                     "ItemContainer/StackLimit",
                                     "ItemContainer/FixedSlotContent",
                                     "Cost/InfluenceCostPoints",
                                     "Craftable/CraftingTime",
                                     "ShipMaintenance/Maintenance"};

void showShip(const std::string& guid) {
    auto entry = ms::FindShipEntryQuoted(ms::ShipIndexRoot(), guid);
    benchmark::DoNotOptimize(ms::ShipValue(entry, ms::kShipName));
    auto values = ms::FindShipValues(guid);
    auto tmpl = ms::FindTemplateValues(values);
    for (auto v : {values, tmpl}) {
        for (const char* path : kDisplayPaths)
            benchmark::DoNotOptimize(ms::ReadText(v, path));
        for (auto item : v.child("Cost").child("Costs").children("Item"))
            if (auto product = item.child("Ingredient"))
                benchmark::DoNotOptimize(ms::FindProduct(product.text().get()));
        for (auto item : v.child("ExpeditionAttribute").child("ExpeditionAttributes").children("Item"))
            benchmark::DoNotOptimize(item.child("Amount").text().get());
        if (auto projectile = ms::ReadText(v, "Attacker/ProjectileAsset"))
            benchmark::DoNotOptimize(ms::FindProjectile(*projectile));
    }
    benchmark::DoNotOptimize(ms::FindBaseOf(guid));
}

// What one click on a ship reads: the three documents again, the index entry, the record and its
// template record with every shown value, the cost products and the projectile.
void BM_ReloadAndShowShip(benchmark::State& state) {
    TempFolder dir;
    const fs::path xmla = makeDataDirectory(dir.path(), 100);
    ms::OpenSharedDocuments(xmla);
    const std::string guid = "2000501199"; // the last record: the longest search
    for (auto _ : state) {
        ms::ReloadShipDocuments(xmla);
        showShip(guid);
    }
    ms::CloseSharedDocuments();
}
BENCHMARK(BM_ReloadAndShowShip)->Unit(benchmark::kMillisecond);

// The two halves of the above, to see where the time goes.
void BM_ReloadOnly(benchmark::State& state) {
    TempFolder dir;
    const fs::path xmla = makeDataDirectory(dir.path(), 100);
    ms::OpenSharedDocuments(xmla);
    for (auto _ : state)
        ms::ReloadShipDocuments(xmla);
    ms::CloseSharedDocuments();
}
BENCHMARK(BM_ReloadOnly)->Unit(benchmark::kMillisecond);

void BM_ShowShipLookupsOnly(benchmark::State& state) {
    TempFolder dir;
    const fs::path xmla = makeDataDirectory(dir.path(), 100);
    ms::OpenSharedDocuments(xmla);
    for (auto _ : state)
        showShip("2000501199");
    ms::CloseSharedDocuments();
}
BENCHMARK(BM_ShowShipLookupsOnly)->Unit(benchmark::kMillisecond);

class SilentSink : public ms::MessageSink {
  public:
    ms::MessageAnswer show(const ms::Message&) override { return {true, {}}; }
};

// One creation's and one deletion's pool work with 99 ships in the pool (three loads and three
// atomic writes each). The pools are put back between iterations, outside the measurement, since
// the trigger pool allows only 96 creations in all.
void BM_AllocateAndRelease(benchmark::State& state) {
    TempFolder dir;
    const fs::path xmla = makeDataDirectory(dir.path(), 90);
    const std::string pools[] = {ms::readFileBytes(xmla / ms::kShipPoolFile),
                                 ms::readFileBytes(xmla / ms::kTextPoolFile),
                                 ms::readFileBytes(xmla / ms::kTriggerPoolFile)};
    SilentSink sink;
    for (auto _ : state) {
        const auto ids = ms::AllocateShipIdentifiers(xmla, sink);
        if (!ids) {
            state.SkipWithError("refused");
            break;
        }
        ms::ReleaseShipIdentifiers(xmla, ids->assetGuid);
        state.PauseTiming();
        ms::writeFileAtomic(xmla / ms::kShipPoolFile, pools[0]);
        ms::writeFileAtomic(xmla / ms::kTextPoolFile, pools[1]);
        ms::writeFileAtomic(xmla / ms::kTriggerPoolFile, pools[2]);
        state.ResumeTiming();
    }
}
BENCHMARK(BM_AllocateAndRelease)->Unit(benchmark::kMillisecond);

// Reading, changing and writing the whole index of 121 entries, as every shipyard toggle does.
void BM_IndexRewrite(benchmark::State& state) {
    TempFolder dir;
    const fs::path xmla = makeDataDirectory(dir.path(), 100);
    for (auto _ : state) {
        pugi::xml_document index;
        ms::LoadShipIndex(index, xmla);
        auto entry = ms::FindShipEntryQuoted(index.document_element(), "2000501150");
        ms::ToggleYardFlag(entry, "AW");
        ms::SaveShipIndex(index, xmla);
    }
}
BENCHMARK(BM_IndexRewrite)->Unit(benchmark::kMillisecond);

// The same without the disk: parse and render only, to tell the file system's share apart.
void BM_IndexRenderOnly(benchmark::State& state) {
    TempFolder dir;
    const fs::path xmla = makeDataDirectory(dir.path(), 100);
    const std::string bytes = ms::readFileBytes(xmla / ms::kShipIndexFile);
    for (auto _ : state) {
        pugi::xml_document index;
        ms::loadXmlFromString(index, bytes, "ShipShort.xml");
        benchmark::DoNotOptimize(ms::renderXml(index, ms::xmlFormat(ms::XmlKind::ShipIndex)));
    }
}
BENCHMARK(BM_IndexRenderOnly)->Unit(benchmark::kMillisecond);

} // namespace
