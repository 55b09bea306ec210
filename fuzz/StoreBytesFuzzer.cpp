// In memory: the fuzzed bytes as one data file of the store, named by SPANTORA_FUZZ_FILE, parsed by
// the store's own parse-from-bytes entry (the one its file readers use) and put in place of that
// document while the others stay open as delivered; then every reader of that file runs. The pools
// go through the allocation's own reading and check.
#include "FuzzSupport.h"
#include "StoreReaders.h"

#include "shell/Error.h"
#include "store/IdentifierPools.h"
#include "store/SharedDocuments.h"
#include "store/StoreFiles.h"

#include <string_view>

namespace {

constexpr std::string_view kFile = SPANTORA_FUZZ_FILE;

struct Target {
    bool pool = false;
    ms::SharedDocument document = ms::SharedDocument::Help;
};

Target target() {
    if (kFile.find("GUIDS") != std::string_view::npos)
        return {true};
    const std::pair<const char*, ms::SharedDocument> documents[] = {
        {ms::kShipFullFile, ms::SharedDocument::ShipFull},
        {ms::kShipFullOrgFile, ms::SharedDocument::ShipFullOrg},
        {ms::kShipIndexFile, ms::SharedDocument::ShipIndex},
        {ms::kProductListFile, ms::SharedDocument::ProductList},
        {ms::kProjectileListFile, ms::SharedDocument::ProjectileList},
        {ms::kHelpFile, ms::SharedDocument::Help}};
    for (const auto& [name, document] : documents)
        if (kFile == name)
            return {false, document};
    fuzz::finding("no store document is named " + std::string(kFile));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, size_t size) {
    static const Target which = target();
    static const bool opened = (ms::OpenSharedDocuments(fuzz::dataDir()), true);
    (void)opened;
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    try {
        if (which.pool) {
            ms::FirstFreePoolEntry(bytes, std::string(kFile));
            return 0;
        }
        ms::InstallSharedDocument(which.document, bytes, std::string(kFile));
    } catch (const ms::Error&) {
        return 0;
    }
    try {
        // The readers of the fed document only, on a few ships: the fuzzer reaches every record by
        // mutating the first ones, and the end-to-end target reads all of them.
        switch (which.document) {
        case ms::SharedDocument::ShipIndex:
            fuzz::readIndex();
            break;
        case ms::SharedDocument::ShipFull:
        case ms::SharedDocument::ShipFullOrg:
            fuzz::readShips(3);
            break;
        case ms::SharedDocument::ProductList:
            fuzz::readProducts();
            break;
        case ms::SharedDocument::ProjectileList:
            fuzz::readProjectiles();
            break;
        case ms::SharedDocument::Help:
            fuzz::readHelp();
            break;
        }
    } catch (const ms::Error&) {
    }
    return 0;
}
