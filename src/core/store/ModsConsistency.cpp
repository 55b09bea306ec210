#include "store/Consistency.h"

#include "shell/AtomicFile.h"
#include "shell/Error.h"
#include "shell/ModStaging.h"
#include "shell/XmlFile.h"
#include "store/ShipIndex.h"
#include "yards/YardTable.h"

namespace ms {
namespace fs = std::filesystem;

namespace {

const fs::path kModAssets = fs::path("data") / "config" / "export" / "main" / "asset" / "assets.xml";

bool isFile(const fs::path& p) {
    std::error_code ec;
    return fs::is_regular_file(p, ec);
}

// The file's trouble, or empty when it is there and well-formed XML.
std::string xmlTrouble(const fs::path& file, pugi::xml_document& doc) {
    if (!isFile(file))
        return "es fehlt \"" + file.string() + "\"";
    try {
        loadXml(doc, file);
        return {};
    } catch (const Error& e) {
        return e.what();
    }
}

bool isYardFolder(const std::string& name) {
    if (name == kSailWeavingFactoryFolder)
        return true;
    for (const YardRow& row : YardTable())
        if (name == row.folder)
            return true;
    return false;
}

// The GUID between the last "(" and the last ")" of a ship folder's name.
std::string folderGuid(const std::string& name) {
    const size_t open = name.rfind('('), close = name.rfind(')');
    return open == std::string::npos || close == std::string::npos || close < open
               ? std::string()
               : name.substr(open + 1, close - open - 1);
}

void checkShipFolder(const fs::path& folder, const LoadedData& data, std::vector<std::string>& broken) {
    const std::string name = folder.filename().string();
    const std::string guid = folderGuid(name);
    const auto entry = data.entries.find(guid);
    if (entry == data.entries.end() || ShipValue(entry->second, kShipTyp) != kCategoryNew ||
        ShipValue(entry->second, kShipIsMod) != "true") {
        broken.push_back("Der Mod-Ordner \"" + name + "\" gehört zu keinem aktivierten Schiff.");
        return;
    }
    std::error_code ec;
    if (!fs::is_directory(folder, ec)) {
        broken.push_back("\"" + folder.string() + "\" ist kein Ordner.");
        return;
    }
    const std::string icon = ShipValue(entry->second, kShipIcon);
    std::vector<std::string> missing;
    for (const fs::path& xml : {kModAssets, fs::path("data") / "config" / "gui" / "texts_german.xml"}) {
        pugi::xml_document doc;
        if (std::string trouble = xmlTrouble(folder / xml, doc); !trouble.empty())
            missing.push_back(trouble);
    }
    for (const fs::path& file : {fs::path("modinfo.json"), fs::path("data") / "icon" / (icon + ".png"),
                                 fs::path("data") / "icon" / (icon + ".dds")})
        if (!isFile(folder / file))
            missing.push_back("es fehlt \"" + (folder / file).string() + "\"");
    for (const std::string& m : missing)
        broken.push_back("Der Mod-Ordner \"" + name + "\" ist unvollständig: " + m);
}

std::string yardName(const fs::path& modFolder) {
    pugi::xml_document doc;
    if (!xmlTrouble(YardTextsFile(modFolder), doc).empty())
        return {};
    return doc.document_element().select_node("ModOp/Text/Text").node().text().get();
}

// Every file of the template but its text file, byte for byte.
void compareWithDelivered(const fs::path& folder, const fs::path& delivered,
                          std::vector<std::string>& broken) {
    std::error_code ec;
    for (fs::recursive_directory_iterator it(delivered, ec), end; !ec && it != end; it.increment(ec)) {
        if (!it->is_regular_file(ec))
            continue;
        const fs::path relative = fs::relative(it->path(), delivered);
        if (relative == fs::relative(YardTextsFile(delivered), delivered))
            continue;
        const fs::path file = folder / relative;
        if (!isFile(file) || readFileBytes(file) != readFileBytes(it->path()))
            broken.push_back("Die Vorlage \"" + file.string() + "\" ist nicht mehr wie ausgeliefert.");
    }
}

void checkYard(const ConsistencyPlaces& places, const YardRow& row, const LoadedData& data,
               std::vector<std::string>& broken) {
    const fs::path templ = places.xmlaDir / row.folder;
    pugi::xml_document doc;
    for (const fs::path& file : {templ / kModAssets, YardTextsFile(templ)})
        if (std::string trouble = xmlTrouble(file, doc); !trouble.empty())
            broken.push_back("Die Werftvorlage \"" + std::string(row.folder) +
                             "\" ist unvollständig: " + trouble);
    if (!places.deliveredDir.empty())
        compareWithDelivered(templ, places.deliveredDir / row.folder, broken);

    std::error_code ec;
    const fs::path deployed = places.modLocation / row.folder;
    if (places.modLocation.empty() || !fs::is_directory(deployed, ec))
        return;
    if (std::string trouble = xmlTrouble(deployed / kModAssets, doc); !trouble.empty()) {
        broken.push_back("Die Werft \"" + std::string(row.folder) +
                         "\" im Mod-Ordner ist unvollständig: " + trouble);
        return;
    }
    std::vector<std::string> menu, wanted;
    for (const pugi::xpath_node& v :
         doc.select_nodes("//ModOps/ModOp/Asset/Values/Shipyard/AssemblyOptions/Item/Vehicle"))
        menu.push_back(v.node().text().get());
    for (const pugi::xml_node entry : SelectOnYard(data.index.document_element(), row.engine, row.region))
        wanted.push_back(ShipValue(entry, kShipGuid));
    if (menu != wanted)
        broken.push_back("Das Baumenü der Werft \"" + std::string(row.folder) +
                         "\" im Mod-Ordner stimmt nicht mit der Werftzuweisung in ShipShort.xml überein.");
    if (yardName(deployed) != yardName(templ))
        broken.push_back("Die Werft \"" + std::string(row.folder) +
                         "\" trägt im Mod-Ordner einen anderen Namen als ihre Vorlage.");
}

} // namespace

void CheckModsFolder(const ConsistencyPlaces& places, const LoadedData& data,
                     std::vector<std::string>& broken) {
    for (const YardRow& row : YardTable())
        checkYard(places, row, data, broken);
    std::error_code ec;
    if (places.modLocation.empty() || !fs::is_directory(places.modLocation, ec))
        return;

    std::map<std::string, int> foldersOf;
    for (fs::directory_iterator it(places.modLocation, ec), end; !ec && it != end; it.increment(ec)) {
        const std::string name = it->path().filename().string();
        if (name.rfind(kStagingPrefix, 0) == 0)
            broken.push_back("Im Mod-Ordner liegt der unfertige Ordner \"" + name + "\".");
        if (name.find("[Spantora]") == std::string::npos || isYardFolder(name))
            continue;
        checkShipFolder(it->path(), data, broken);
        ++foldersOf[folderGuid(name)];
    }
    for (const auto& [guid, entry] : data.entries) {
        if (ShipValue(entry, kShipTyp) != kCategoryNew || ShipValue(entry, kShipIsMod) != "true")
            continue;
        if (foldersOf[guid] == 0)
            broken.push_back("Das aktivierte Schiff " + guid + " hat keinen Mod-Ordner.");
        else if (foldersOf[guid] > 1)
            broken.push_back("Das aktivierte Schiff " + guid + " hat mehrere Mod-Ordner.");
    }
}

} // namespace ms
