// The yard files a player may have edited by hand. SPANTORA_FUZZ_YARD_MENU=1: the deployed
// assets.xml read for the drawn build menu and rewritten by the rebuild (a refused file stays as it
// was, a written one lists exactly the yard's ships); 0: the template's texts_german.xml read for
// the yard's name.
#include "FuzzSupport.h"

#include "shell/AtomicFile.h"
#include "shell/Environment.h"
#include "shell/Error.h"
#include "shell/XmlFile.h"
#include "store/SharedDocuments.h"
#include "store/ShipIndex.h"
#include "yards/YardBuildMenu.h"
#include "yards/YardTable.h"
#include "yards/YardTexts.h"

namespace fs = std::filesystem;

namespace {

const ms::YardRow& setUp() {
    static const ms::YardRow& row = [&]() -> const ms::YardRow& {
        ms::env().xmlaDir = fuzz::dataDir();
        ms::env().modLocation = (fuzz::scratch() / "mods").string() + "/";
        ms::OpenSharedDocuments(fuzz::dataDir());
        const ms::YardRow& r = *ms::FindYard("AW", "Sail");
        // Two ships on the yard, so that a rebuild has something to write.
        int flagged = 0;
        for (pugi::xml_node ship : ms::SelectYardCandidates(ms::ShipIndexRoot(), r.engine))
            if (flagged++ < 2)
                ms::SetShipValue(ship, ms::RegionFlagPos(r.region), "*");
        return r;
    }();
    return row;
}

void checkRebuild(const ms::YardRow& row, const fs::path& file, const std::string& bytes) {
    const ms::YardRebuildResult result = ms::RebuildYardBuildMenu(row);
    const std::string after = ms::readFileBytes(file);
    if (result.outcome != ms::YardRebuildOutcome::Written) {
        if (after != bytes)
            fuzz::finding("a refused build menu was changed");
        if (result.outcome == ms::YardRebuildOutcome::Refused &&
            result.problem.find(file.string()) == std::string::npos)
            fuzz::finding("the refusal does not name the file: " + result.problem);
        return;
    }
    std::vector<std::string> expected;
    for (pugi::xml_node ship : ms::SelectOnYard(ms::ShipIndexRoot(), row.engine, row.region))
        expected.push_back(ms::ShipValue(ship, ms::kShipGuid));
    std::vector<std::string> listed;
    for (const ms::YardMenuPlace& place : ms::ReadYardBuildMenu(row))
        listed.push_back(place.guid);
    if (listed != expected)
        fuzz::finding("the rewritten build menu does not list the yard's ships");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, size_t size) {
    const ms::YardRow& row = setUp();
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    try {
        if (SPANTORA_FUZZ_YARD_MENU) {
            const fs::path file = ms::YardAssetsFile(row);
            fs::create_directories(file.parent_path());
            ms::writeFileAtomic(file, bytes);
            ms::ReadYardBuildMenu(row);
            ms::YardMenuNamesShip(row, "100438");
            checkRebuild(row, file, bytes);
        } else {
            const fs::path file = ms::YardTextsFile(ms::TemplateModFolder(row.folder));
            fs::create_directories(file.parent_path());
            ms::writeFileAtomic(file, bytes);
            ms::ReadYardName(row);
        }
    } catch (const ms::Error&) {
    }
    return 0;
}
