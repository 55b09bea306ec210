#include "yards/YardBuildMenu.h"

#include "shell/AtomicFile.h"
#include "shell/Error.h"
#include "shell/XmlFile.h"
#include "store/SharedDocuments.h"
#include "store/ShipIndex.h"

#include <optional>

namespace ms {
namespace fs = std::filesystem;

namespace {
constexpr const char* kShipyardPath = "//ModOps/ModOp/Asset/Values/Shipyard";
constexpr const char* kAssemblyOptionsPath = "//ModOps/ModOp/Asset/Values/Shipyard/AssemblyOptions";

bool isFile(const fs::path& file) {
    std::error_code ec;
    return !file.empty() && fs::is_regular_file(file, ec);
}

// The deployed asset file loaded, or nullopt with `problem` set when it cannot be used.
std::optional<std::string> loadDeployed(pugi::xml_document& doc, const fs::path& file, std::string& problem) {
    try {
        std::string bytes = readFileBytes(file);
        loadXmlFromString(doc, bytes, file.string());
        if (!doc.select_node(kShipyardPath).node())
            throw Error("Die Datei \"" + file.string() + "\" enthält kein Element Shipyard.");
        return bytes;
    } catch (const Error& e) {
        problem = e.what();
        return std::nullopt;
    }
}

std::string refusal(const std::string& problem) {
    return problem + " Das Baumenü der Werft wurde nicht geändert.";
}
} // namespace

YardRebuildResult RebuildYardBuildMenu(const YardRow& row) {
    YardRebuildResult result{&row, YardRebuildOutcome::NotDeployed, {}};
    const fs::path file = YardAssetsFile(row);
    if (!isFile(file))
        return result;

    pugi::xml_document doc;
    const std::optional<std::string> bytes = loadDeployed(doc, file, result.problem);
    if (!bytes) {
        result.outcome = YardRebuildOutcome::Refused;
        result.problem = refusal(result.problem);
        return result;
    }

    pugi::xml_node shipyard = doc.select_node(kShipyardPath).node();
    shipyard.remove_child("AssemblyOptions");
    pugi::xml_node options = shipyard.append_child("AssemblyOptions");
    for (const pugi::xml_node entry : SelectOnYard(ShipIndexRoot(), row.engine, row.region))
        options.append_child("Item").append_child("Vehicle").text().set(ShipValue(entry, kShipGuid).c_str());

    // A byte-order mark put there by hand or by an editor is kept, as the game reads either.
    XmlFormat format = xmlFormat(XmlKind::YardAssets);
    format.byteOrderMark = startsWithByteOrderMark(*bytes);
    writeFileAtomic(file, renderXml(doc, format));
    result.outcome = YardRebuildOutcome::Written;
    return result;
}

std::vector<YardRebuildResult> RebuildYardsOfEngine(std::string_view engine) {
    std::vector<YardRebuildResult> results;
    for (const YardRow* row : YardsOfEngine(engine))
        results.push_back(RebuildYardBuildMenu(*row));
    return results;
}

std::string RebuildProblems(const std::vector<YardRebuildResult>& results) {
    std::string text;
    for (const YardRebuildResult& r : results) {
        if (r.outcome != YardRebuildOutcome::Refused)
            continue;
        if (!text.empty())
            text += "\r";
        text += r.problem;
    }
    return text;
}

void ReportRebuildProblems(const std::vector<YardRebuildResult>& results, MessageSink& sink) {
    const std::string problems = RebuildProblems(results);
    if (!problems.empty())
        sink.show(Message{false, "Info", "Werft nicht geändert", problems, {}, "OK", {}});
}

bool YardMenuNamesShip(const YardRow& row, std::string_view guid) {
    const fs::path file = YardAssetsFile(row);
    if (!isFile(file))
        return false;
    pugi::xml_document doc;
    std::string problem;
    if (!loadDeployed(doc, file, problem))
        return false;
    for (const pugi::xpath_node& v :
         doc.select_nodes("//ModOps/ModOp/Asset/Values/Shipyard/AssemblyOptions/Item/Vehicle"))
        if (guid == v.node().text().get())
            return true;
    return false;
}

std::vector<YardMenuPlace> ReadYardBuildMenu(const YardRow& row, std::string* problem) {
    std::vector<YardMenuPlace> places;
    const fs::path file = YardAssetsFile(row);
    if (!isFile(file))
        return places;
    pugi::xml_document doc;
    std::string unusable;
    if (!loadDeployed(doc, file, unusable)) {
        if (problem)
            *problem = refusal(unusable);
        return places;
    }
    const pugi::xml_node options = doc.select_node(kAssemblyOptionsPath).node();
    if (!options || !options.select_node("Item/Vehicle"))
        return places;
    for (const pugi::xml_node item : options.children("Item")) {
        const std::string guid = item.child("Vehicle").text().get();
        const pugi::xml_node entry = guid.empty() ? pugi::xml_node() : FindShipEntry(ShipIndexRoot(), guid);
        places.push_back({guid, ShipValue(entry, kShipName), ShipValue(entry, kShipIcon),
                          ShipValue(entry, kShipIsMod) == "true"});
    }
    return places;
}

} // namespace ms
