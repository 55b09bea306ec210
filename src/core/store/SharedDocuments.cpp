#include "store/SharedDocuments.h"

#include "shell/Environment.h"
#include "shell/XmlFile.h"
#include "store/RecordStore.h"
#include "store/StoreFiles.h"

namespace ms {
namespace fs = std::filesystem;

namespace {
using DocPtr = std::shared_ptr<pugi::xml_document>;

// Held by shared pointer so that a reload can swap a whole document in at once and CurrentShipNodes
// can keep the index it was taken from alive.
struct Documents {
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

pugi::xml_document& ShipFullDoc() { return *docs().shipFull; }
pugi::xml_document& ShipFullOrgDoc() { return *docs().shipFullOrg; }
pugi::xml_document& ShipIndexDoc() { return *docs().shipIndex; }
pugi::xml_document& ProductListDoc() { return *docs().productList; }
pugi::xml_document& ProjectileListDoc() { return *docs().projectileList; }
pugi::xml_document& HelpDoc() { return *docs().help; }

pugi::xml_node ShipFullRoot() { return docs().shipFull->document_element(); }
pugi::xml_node ShipFullOrgRoot() { return docs().shipFullOrg->document_element(); }
pugi::xml_node ShipIndexRoot() { return docs().shipIndex->document_element(); }
pugi::xml_node ProductListRoot() { return docs().productList->document_element(); }
pugi::xml_node ProjectileListRoot() { return docs().projectileList->document_element(); }
pugi::xml_node HelpRoot() { return docs().help->document_element(); }

const ShipNodeList& CurrentShipNodes() { return docs().currentShipNodes; }

void SetCurrentShipNodes(std::vector<pugi::xml_node> nodes) {
    docs().currentShipNodes = ShipNodeList{docs().shipIndex, std::move(nodes)};
}

const std::vector<pugi::xml_node>& ProjectileNodes() { return docs().projectileNodes; }

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
    DocPtr index = loaded(xmlaDir / kShipIndexFile, kShipIndexRoot);
    // The old index stays alive as long as CurrentShipNodes refers to it.
    docs().shipIndex = std::move(index);
}

void ReloadShipFullDoc(const fs::path& xmlaDir) { docs().shipFull = loaded(xmlaDir / kShipFullFile, kShipFullRoot); }

// Declared with the record store, whose operation it is; it lives here beside the documents.
void ReloadShipDocuments(const fs::path& xmlaDir) {
    DocPtr shipFull = loaded(xmlaDir / kShipFullFile, kShipFullRoot);
    DocPtr shipFullOrg = loaded(findCaseInsensitive(xmlaDir, kShipFullOrgFile), kShipFullRoot);
    DocPtr shipIndex = loaded(xmlaDir / kShipIndexFile, kShipIndexRoot);
    Documents& d = docs();
    d.shipFull = std::move(shipFull);
    d.shipFullOrg = std::move(shipFullOrg);
    d.shipIndex = std::move(shipIndex);
}

void CloseSharedDocuments() { docs() = Documents{}; }

} // namespace ms
