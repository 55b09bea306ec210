// One data file of the store, named by SPANTORA_FUZZ_FILE, replaced by the fuzzed bytes in a copy
// of the delivered data directory; then the store opens it and every reader of that file runs.
// Writers that take the file (the pools) must leave well-formed files or, refusing, unchanged ones.
#include "FuzzSupport.h"

#include "lifecycle/ChangeMarkers.h"
#include "lifecycle/ModInfo.h"
#include "lifecycle/ShipFormLoader.h"
#include "lifecycle/TemplateValues.h"
#include "shell/AtomicFile.h"
#include "shell/Error.h"
#include "shell/Message.h"
#include "shell/XmlFile.h"
#include "store/IdentifierPools.h"
#include "store/RecordStore.h"
#include "store/ReferenceLists.h"
#include "store/SharedDocuments.h"
#include "store/ShipIndex.h"
#include "store/StoreFiles.h"
#include "yards/ShipSummary.h"
#include "yards/YardTable.h"

#include <string_view>

namespace fs = std::filesystem;

namespace {

constexpr std::string_view kFile = SPANTORA_FUZZ_FILE;

class SilentSink : public ms::MessageSink {
  public:
    ms::MessageAnswer show(const ms::Message&) override { return {true, {}}; }
};

// What the main window and the yard windows read of one ship.
void readShip(const std::string& guid, bool decimalIsPoint) {
    try {
        const ms::ShipForm form = ms::LoadShipForm(guid, decimalIsPoint);
        ms::ModSummary(form);
        ms::ShipSummaryLines(form, ms::FindShipEntryQuoted(ms::ShipIndexRoot(), guid));
        ms::UpdateChangeMarkers(form, ms::CollectTemplateValues(guid, decimalIsPoint), true);
    } catch (const ms::Error&) {
    }
}

// The first `limit` ships of the index, shown as the main window shows them.
void readShips(size_t limit) {
    size_t n = 0;
    for (pugi::xml_node ship : ms::ShipIndexRoot().children("Ship")) {
        if (n++ == limit)
            break;
        readShip(ms::ShipValue(ship, ms::kShipGuid), n % 2 == 0);
        ms::ShipPictureName(ship);
    }
}

void readIndex() {
    const pugi::xml_node root = ms::ShipIndexRoot();
    for (const char* category : {ms::kCategorySail, ms::kCategorySteam, ms::kCategoryExtra, ms::kCategoryNew})
        ms::SelectShips(root, category);
    ms::CountNewShips(root);
    for (const ms::YardRow& row : ms::YardTable()) {
        ms::SelectYardCandidates(root, row.engine);
        ms::CountYardShips(row);
    }
    readShips(4);
    if (pugi::xml_node first = root.child("Ship")) {
        ms::ToggleYardFlag(first, "AW");
        ms::AppendNewShipEntry(root, ms::ShipValue(first, ms::kShipGuid),
                               {"2000501100", "X (neu)", "15000001", "1", "2000501200", "2000501304"});
    }
}

void readReferenceLists() {
    for (const ms::Product& p : ms::PickerProducts())
        ms::FindProduct(p.guid);
    ms::FindProduct("1010017");
    const auto names = ms::ProjectileNames();
    for (size_t i = 0; i <= names.size() && i < 20; ++i)
        if (const auto guid = ms::ProjectileGuidAt(static_cast<int>(i)))
            ms::FindProjectile(*guid);
    int n = 0;
    for (const pugi::xpath_node& g : ms::HelpRoot().select_nodes("//Text/GUID"))
        if (n++ < 50)
            ms::FindHelpEntry(g.node().text().get());
    for (const char* number : {"0", "203", "450"})
        ms::FindHelpEntry(number);
    readShips(3);
}

// Takes identifiers and gives them back; the pools written must load again.
void usePools() {
    const fs::path dir = fuzz::dataDir();
    SilentSink sink;
    const std::string before = ms::readFileBytes(dir / std::string(kFile));
    std::optional<ms::ShipIdentifiers> ids;
    try {
        ids = ms::AllocateShipIdentifiers(dir, sink);
    } catch (const ms::Error&) {
        if (ms::readFileBytes(dir / std::string(kFile)) != before)
            fuzz::finding("a refused allocation changed the pool");
        return;
    }
    if (!ids) {
        if (ms::readFileBytes(dir / std::string(kFile)) != before)
            fuzz::finding("a refused allocation changed the pool");
        return;
    }
    ms::ReleaseShipIdentifiers(dir, ids->assetGuid);
    for (const char* pool : {ms::kShipPoolFile, ms::kTextPoolFile, ms::kTriggerPoolFile}) {
        pugi::xml_document doc;
        ms::loadXml(doc, dir / pool);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, size_t size) {
    const fs::path dir = fuzz::dataDir();
    for (const char* pool : {ms::kShipPoolFile, ms::kTextPoolFile, ms::kTriggerPoolFile})
        fuzz::restoreDeliveredFile(pool);
    ms::writeFileAtomic(dir / std::string(kFile), std::string(reinterpret_cast<const char*>(data), size));

    const bool pool = kFile.find("GUIDS") != std::string_view::npos;
    try {
        if (pool) {
            usePools();
            return 0;
        }
        ms::OpenSharedDocuments(dir);
    } catch (const ms::Error&) {
        return 0;
    }
    try {
        if (kFile == ms::kShipIndexFile)
            readIndex();
        else if (kFile == ms::kShipFullFile)
            readShips(21);
        else
            readReferenceLists();
    } catch (const ms::Error&) {
    }
    ms::CloseSharedDocuments();
    return 0;
}
