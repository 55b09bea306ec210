#include "store/SharedDocuments.h"

#include "shell/Environment.h"
#include "shell/Journal.h"
#include "shell/XmlFile.h"
#include "store/RecordStore.h"
#include "store/StoreFiles.h"

#include <optional>
#include <sys/stat.h>
#include <time.h>

namespace ms {
namespace fs = std::filesystem;

namespace {
using DocPtr = std::shared_ptr<pugi::xml_document>;

// What identifies the bytes of a file on disk without reading them: a write through the atomic
// rename gives a new inode, an edit in place a new modification or change time.
struct FileStamp {
    dev_t device = 0;
    ino_t inode = 0;
    off_t size = -1;
    timespec modified{};
    timespec changed{};

    bool operator==(const FileStamp& o) const {
        return device == o.device && inode == o.inode && size == o.size &&
               modified.tv_sec == o.modified.tv_sec && modified.tv_nsec == o.modified.tv_nsec &&
               changed.tv_sec == o.changed.tv_sec && changed.tv_nsec == o.changed.tv_nsec;
    }
};

std::optional<FileStamp> stampOf(const fs::path& file) {
    struct stat st {};
    if (::stat(file.c_str(), &st) != 0)
        return std::nullopt;
    return FileStamp{st.st_dev, st.st_ino, st.st_size, st.st_mtim, st.st_ctim};
}

// The ship files are read again at every ship shown. A document whose file has not changed since it
// was parsed is the document the file gives, so it is kept instead of parsed anew, unless the
// program has edited it in memory since (the save marks that) or a journal is open (its reads see
// the staged copies).
struct ParsedFile {
    std::optional<FileStamp> stamp;
    fs::path file;
    DocPtr doc;
};

// Held by shared pointer so that a reload can swap a whole document in at once and CurrentShipNodes
// can keep the index it was taken from alive.
struct Documents {
    ParsedFile parsedShipFull, parsedShipFullOrg, parsedShipIndex;
    DocPtr shipFull = std::make_shared<pugi::xml_document>();
    DocPtr shipFullOrg = std::make_shared<pugi::xml_document>();
    DocPtr shipIndex = std::make_shared<pugi::xml_document>();
    DocPtr productList = std::make_shared<pugi::xml_document>();
    DocPtr projectileList = std::make_shared<pugi::xml_document>();
    DocPtr help = std::make_shared<pugi::xml_document>();
    ShipNodeList currentShipNodes;
    std::vector<pugi::xml_node> projectileNodes;
};

Documents& docs() {
    static Documents instance;
    return instance;
}

DocPtr loaded(const fs::path& file, const char* root) {
    auto doc = std::make_shared<pugi::xml_document>();
    loadXml(*doc, file, root);
    return doc;
}

// File times advance in ticks of the kernel's coarse clock: a file changed within the last moments
// may change again without a new time, so its stamp is not trusted yet.
bool settled(const FileStamp& stamp) {
    timespec now{};
    ::clock_gettime(CLOCK_REALTIME, &now);
    constexpr long long settleNs = 100'000'000;
    const auto ns = [](const timespec& t) { return t.tv_sec * 1'000'000'000LL + t.tv_nsec; };
    return ns(now) - ns(stamp.changed) > settleNs && ns(now) - ns(stamp.modified) > settleNs;
}

// `current` again when its file is unchanged since `memo` parsed it; else the file parsed anew.
DocPtr reloaded(ParsedFile& memo, const DocPtr& current, const fs::path& file, const char* root) {
    const std::optional<FileStamp> stamp = Journal::current() ? std::nullopt : stampOf(file);
    if (stamp && memo.stamp == stamp && memo.file == file && memo.doc == current)
        return current;
    DocPtr doc = loaded(file, root);
    memo = ParsedFile{stamp && settled(*stamp) ? stamp : std::nullopt, file, doc};
    return doc;
}

std::vector<pugi::xml_node> childElements(pugi::xml_node root) {
    std::vector<pugi::xml_node> out;
    for (pugi::xml_node child : root.children())
        if (child.type() == pugi::node_element)
            out.push_back(child);
    return out;
}

void installIndex(DocPtr index) {
    Documents& d = docs();
    d.shipIndex = std::move(index);
    d.currentShipNodes = ShipNodeList{d.shipIndex, childElements(d.shipIndex->document_element())};
}
} // namespace

pugi::xml_document& ShipFullDoc() {
    return *docs().shipFull;
}
pugi::xml_document& ShipFullOrgDoc() {
    return *docs().shipFullOrg;
}
pugi::xml_document& ShipIndexDoc() {
    return *docs().shipIndex;
}
pugi::xml_document& ProductListDoc() {
    return *docs().productList;
}
pugi::xml_document& ProjectileListDoc() {
    return *docs().projectileList;
}
pugi::xml_document& HelpDoc() {
    return *docs().help;
}

pugi::xml_node ShipFullRoot() {
    return docs().shipFull->document_element();
}
pugi::xml_node ShipFullOrgRoot() {
    return docs().shipFullOrg->document_element();
}
pugi::xml_node ShipIndexRoot() {
    return docs().shipIndex->document_element();
}
pugi::xml_node ProductListRoot() {
    return docs().productList->document_element();
}
pugi::xml_node ProjectileListRoot() {
    return docs().projectileList->document_element();
}
pugi::xml_node HelpRoot() {
    return docs().help->document_element();
}

const ShipNodeList& CurrentShipNodes() {
    return docs().currentShipNodes;
}

void SetCurrentShipNodes(std::vector<pugi::xml_node> nodes) {
    docs().currentShipNodes = ShipNodeList{docs().shipIndex, std::move(nodes)};
}

const std::vector<pugi::xml_node>& ProjectileNodes() {
    return docs().projectileNodes;
}

void OpenSharedDocuments(const fs::path& xmlaDir) {
    // Start-up order; all are read before the first one is installed.
    DocPtr shipFull = loaded(xmlaDir / kShipFullFile, kShipFullRoot);
    DocPtr shipFullOrg = loaded(findCaseInsensitive(xmlaDir, kShipFullOrgFile), kShipFullRoot);
    DocPtr shipIndex = loaded(xmlaDir / kShipIndexFile, kShipIndexRoot);
    DocPtr productList = loaded(xmlaDir / kProductListFile, kProductListRoot);
    DocPtr projectileList = loaded(xmlaDir / kProjectileListFile, kProjectileListRoot);
    DocPtr help = loaded(xmlaDir / kHelpFile, kHelpRoot);

    Documents& d = docs();
    d.shipFull = std::move(shipFull);
    d.shipFullOrg = std::move(shipFullOrg);
    installIndex(std::move(shipIndex));
    d.productList = std::move(productList);
    d.projectileList = std::move(projectileList);
    d.projectileNodes = childElements(d.projectileList->document_element());
    d.help = std::move(help);
}

void ReloadShipIndexDoc(const fs::path& xmlaDir) {
    Documents& d = docs();
    DocPtr index = reloaded(d.parsedShipIndex, d.shipIndex, xmlaDir / kShipIndexFile, kShipIndexRoot);
    // The old index stays alive as long as CurrentShipNodes refers to it.
    d.shipIndex = std::move(index);
}

void ReloadShipFullDoc(const fs::path& xmlaDir) {
    Documents& d = docs();
    d.shipFull = reloaded(d.parsedShipFull, d.shipFull, xmlaDir / kShipFullFile, kShipFullRoot);
}

void SharedShipDocumentsEdited() {
    Documents& d = docs();
    d.parsedShipFull = {};
    d.parsedShipIndex = {};
}

// Declared with the record store, whose operation it is; it lives here beside the documents.
void ReloadShipDocuments(const fs::path& xmlaDir) {
    Documents& d = docs();
    DocPtr shipFull = reloaded(d.parsedShipFull, d.shipFull, xmlaDir / kShipFullFile, kShipFullRoot);
    DocPtr shipFullOrg = reloaded(d.parsedShipFullOrg, d.shipFullOrg,
                                  findCaseInsensitive(xmlaDir, kShipFullOrgFile), kShipFullRoot);
    DocPtr shipIndex = reloaded(d.parsedShipIndex, d.shipIndex, xmlaDir / kShipIndexFile, kShipIndexRoot);
    d.shipFull = std::move(shipFull);
    d.shipFullOrg = std::move(shipFullOrg);
    d.shipIndex = std::move(shipIndex);
}

void CloseSharedDocuments() {
    docs() = Documents{};
}

} // namespace ms
