// End to end: one data file of the store, named by SPANTORA_FUZZ_FILE, replaced by the fuzzed bytes
// in a copy of the delivered data directory; then the store opens it from disk and every reader of
// that file runs. Slow (files are written and read); the in-memory targets of StoreBytesFuzzer.cpp
// reach the same readers at the speed of the other targets.
// Writers that take the file (the pools) must leave well-formed files or, refusing, unchanged ones.
#include "FuzzSupport.h"
#include "StoreReaders.h"

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
            fuzz::readIndex();
        else if (kFile == ms::kShipFullFile)
            fuzz::readShips(21);
        else
            fuzz::readReferenceLists();
    } catch (const ms::Error&) {
    }
    ms::CloseSharedDocuments();
    return 0;
}
