#include "store/Consistency.h"

#include "shell/AtomicFile.h"
#include "shell/Environment.h"
#include "shell/Error.h"
#include "shell/Journal.h"
#include "shell/XmlFile.h"
#include "store/ShipIndex.h"
#include "store/StoreFiles.h"

#include <set>
#include <sstream>

namespace ms {
namespace fs = std::filesystem;

namespace {

std::string raw(pugi::xml_node node) {
    std::ostringstream out;
    node.print(out, "", pugi::format_raw);
    return out.str();
}

std::string attr(pugi::xml_node entry, int pos) {
    pugi::xml_attribute a = entry.first_attribute();
    for (int i = 0; a && i < pos; ++i)
        a = a.next_attribute();
    return a.value();
}

bool isNewShip(pugi::xml_node entry) {
    return ShipValue(entry, kShipTyp) == kCategoryNew;
}

// Records of an asset file by the text of their Standard/GUID.
std::map<std::string, pugi::xml_node> recordsOf(const pugi::xml_document& doc, const char* file,
                                                std::vector<std::string>& broken) {
    std::map<std::string, pugi::xml_node> records;
    for (const pugi::xpath_node& a : doc.select_nodes("//Asset[Values/Standard/GUID]")) {
        const std::string guid = a.node().child("Values").child("Standard").child("GUID").text().get();
        if (!records.emplace(guid, a.node()).second)
            broken.push_back("Der Datensatz " + guid + " steht mehrmals in " + file + ".");
    }
    return records;
}

void checkIndexAndRecords(const ConsistencyPlaces& places, LoadedData& data,
                          std::vector<std::string>& broken) {
    for (const pugi::xml_node entry : data.index.document_element().children("Ship")) {
        const std::string guid = ShipValue(entry, kShipGuid);
        if (!ShipAttribute(entry, kShipAttrCount - 1))
            broken.push_back("Der Eintrag " + guid + " in ShipShort.xml hat nicht alle 21 Attribute.");
        if (!data.entries.emplace(guid, entry).second)
            broken.push_back("Der Eintrag " + guid + " steht mehrmals in ShipShort.xml.");
    }
    const auto records = recordsOf(data.assets, kShipFullFile, broken);
    const auto pristine = recordsOf(data.pristine, "ShipFullORG.xml", broken);
    // The save never touches a template: its record stays as delivered (which may differ from the
    // pristine one in its description).
    pugi::xml_document deliveredDoc;
    if (!places.deliveredDir.empty())
        loadXml(deliveredDoc, places.deliveredDir / kShipFullFile);
    std::vector<std::string> ignored;
    const auto delivered = recordsOf(deliveredDoc, kShipFullFile, ignored);
    for (const auto& [guid, entry] : data.entries) {
        const auto record = records.find(guid);
        if (record == records.end()) {
            broken.push_back("Zum Eintrag " + guid +
                             " in ShipShort.xml fehlt der Datensatz in ShipFull.xml.");
            continue;
        }
        if (isNewShip(entry)) {
            const std::string base =
                record->second.child("Values").child("Standard").child("Base").text().get();
            if (!pristine.count(base))
                broken.push_back("Der Datensatz " + guid + " nennt die Vorlage \"" + base +
                                 "\", die ShipFullORG.xml nicht enthält.");
            if (pristine.count(guid))
                broken.push_back("ShipFullORG.xml enthält den Datensatz des neuen Schiffs " + guid + ".");
            continue;
        }
        if (!pristine.count(guid))
            broken.push_back("Der Datensatz der Schiffsvorlage " + guid + " fehlt in ShipFullORG.xml.");
        const auto original = delivered.find(guid);
        if (original != delivered.end() && raw(original->second) != raw(record->second))
            broken.push_back("Der Datensatz der Schiffsvorlage " + guid +
                             " in ShipFull.xml ist nicht mehr wie ausgeliefert.");
    }
    for (const auto& [guid, record] : records)
        if (!data.entries.count(guid))
            broken.push_back("Der Datensatz " + guid +
                             " in ShipFull.xml hat keinen Eintrag in ShipShort.xml.");
}

// The entries of a ship in a pool by state.
struct PoolCheck {
    const char* file;
    int indexNumber; // index attribute holding the pool number of a ship (-1: the GUID itself)
    bool trigger;
};

void checkPool(const fs::path& xmlaDir, const PoolCheck& pool, const LoadedData& data,
               std::vector<std::string>& broken) {
    pugi::xml_document doc;
    loadXml(doc, xmlaDir / pool.file);
    const std::string file = pool.file;
    std::map<std::string, pugi::xml_node> byNumber;
    std::map<std::string, int> yesOf;
    for (const pugi::xml_node e : doc.document_element().children()) {
        if (e.type() != pugi::node_element)
            continue;
        const std::string number = attr(e, 0), state = attr(e, 1), owner = attr(e, 2);
        byNumber[number] = e;
        if (state == "No" && owner != "0")
            broken.push_back(
                "Die Kennung " + number + " in " + file + " ist frei, nennt aber das Schiff " + owner +
                (pool.trigger ? ": eine vergebene Freischalt-Kennung darf nie wieder frei werden." : "."));
        else if (state == "burned" && !pool.trigger)
            broken.push_back("Die Kennung " + number + " in " + file + " ist \"burned\".");
        else if (state == "Yes" && !pool.trigger) {
            ++yesOf[owner];
            const auto entry = data.entries.find(owner);
            if (entry == data.entries.end() || !isNewShip(entry->second))
                broken.push_back("Die Kennung " + number + " in " + file +
                                 " ist vergeben (\"Yes\"), aber das Schiff " + owner + " gibt es nicht.");
        } else if (state != "No" && state != "Yes" && state != "burned")
            broken.push_back("Die Kennung " + number + " in " + file + " hat den Zustand \"" + state + "\".");
    }
    std::set<std::string> used;
    for (const auto& [guid, entry] : data.entries) {
        if (!isNewShip(entry))
            continue;
        const std::string number = pool.indexNumber < 0 ? guid : ShipValue(entry, pool.indexNumber);
        const auto e = byNumber.find(number);
        if (e == byNumber.end() || attr(e->second, 1) != "Yes" || attr(e->second, 2) != guid)
            broken.push_back("Die Kennung " + number + " des Schiffs " + guid + " ist in " + file +
                             " nicht für dieses Schiff vergeben.");
        if (!pool.trigger && yesOf[guid] > 1)
            broken.push_back("Dem Schiff " + guid + " sind in " + file + " mehrere Kennungen vergeben.");
        if (!used.insert(number).second)
            broken.push_back("Die Kennung " + number + " aus " + file + " tragen mehrere Schiffe.");
    }
}

void checkEntryStates(const LoadedData& data, std::vector<std::string>& broken) {
    for (const auto& [guid, entry] : data.entries) {
        if (!isNewShip(entry))
            continue;
        const std::string isMod = ShipValue(entry, kShipIsMod);
        if (ShipValue(entry, kShipExported) != isMod || ShipValue(entry, kShipShowInYard) != isMod)
            broken.push_back("Der Eintrag " + guid + " in ShipShort.xml ist nur zum Teil aktiviert.");
        if (isMod != "true")
            for (const int flag : {kShipOnAW, kShipOnNW, kShipOnEN})
                if (!ShipValue(entry, flag).empty()) {
                    broken.push_back("Das Schiff " + guid +
                                     " ist nicht aktiviert, steht aber in einer Werft.");
                    break;
                }
    }
}

} // namespace

void CheckDataDirectory(const ConsistencyPlaces& places, LoadedData& data, std::vector<std::string>& broken) {
    checkIndexAndRecords(places, data, broken);
    const PoolCheck pools[] = {{kShipPoolFile, -1, false},
                               {kTextPoolFile, kShipInfoGuid, false},
                               {kTriggerPoolFile, kShipTriggerGuid, true}};
    for (const PoolCheck& pool : pools) {
        try {
            checkPool(places.xmlaDir, pool, data, broken);
        } catch (const Error& e) {
            broken.push_back(e.what());
        }
    }
    checkEntryStates(data, broken);
    if (!places.deliveredDir.empty()) {
        const fs::path pristine = findCaseInsensitive(places.xmlaDir, kShipFullOrgFile);
        if (readFileBytes(pristine) !=
            readFileBytes(findCaseInsensitive(places.deliveredDir, kShipFullOrgFile)))
            broken.push_back("Die Datei \"" + pristine.string() + "\" ist nicht mehr wie ausgeliefert.");
    }
}

std::vector<std::string> CheckConsistency(const ConsistencyPlaces& places) {
    std::vector<std::string> broken;
    std::error_code ec;
    if (fs::exists(places.xmlaDir / kJournalFile, ec))
        broken.push_back("Ein unterbrochener Vorgang ist nicht abgeschlossen: im Datenverzeichnis liegt das "
                         "Journal \"" +
                         (places.xmlaDir / kJournalFile).string() +
                         "\"; der nächste Programmstart schließt ihn ab.");
    for (const fs::path& p : FindLeftoverCopies(places.xmlaDir, places.modLocation))
        broken.push_back("Die halb geschriebene Datei \"" + p.string() + "\" ist liegen geblieben.");

    LoadedData data;
    try {
        loadXml(data.index, places.xmlaDir / kShipIndexFile);
        loadXml(data.assets, places.xmlaDir / kShipFullFile);
        loadXml(data.pristine, findCaseInsensitive(places.xmlaDir, kShipFullOrgFile));
        CheckDataDirectory(places, data, broken);
    } catch (const Error& e) {
        broken.push_back(e.what());
        return broken;
    }
    CheckModsFolder(places, data, broken);
    return broken;
}

} // namespace ms
