#include "BenchmarkData.h"

#include "shell/XmlFile.h"
#include "store/RecordStore.h"
#include "store/ShipIndex.h"
#include "store/StoreFiles.h"

#include <cstdlib>
#include <stdexcept>
#include <string>

namespace bench {
namespace fs = std::filesystem;

namespace {
const char* const kTemplates[] = {"100437", "100438", "100439", "100440", "100441", "100442", "100443",
                                  "100853", "101121", "102419", "102420", "102421", "102422", "102423",
                                  "102425", "102428", "102455", "132404", "150000", "160000", "1010062"};
} // namespace

TempFolder::TempFolder() {
    std::string pattern = (fs::temp_directory_path() / "spantora-bench-XXXXXX").string();
    if (!::mkdtemp(pattern.data()))
        throw std::runtime_error("mkdtemp failed");
    m_path = pattern;
}

TempFolder::~TempFolder() {
    std::error_code ec;
    fs::remove_all(m_path, ec);
}

// A data directory with the delivered files and `newShips` ships created the way the program
// creates them (record copy with Base, index entry, pool entries taken).
fs::path makeDataDirectory(const fs::path& dir, int newShips) {
    const fs::path xmla = dir / "XMLA";
    fs::create_directories(xmla);
    for (const auto& e : fs::directory_iterator(SPANTORA_DATA_DIR))
        if (e.is_regular_file())
            fs::copy_file(e.path(), xmla / e.path().filename());

    pugi::xml_document assets, index, ships, texts, triggers;
    ms::loadXml(assets, xmla / ms::kShipFullFile);
    ms::loadXml(index, xmla / ms::kShipIndexFile);
    ms::loadXml(ships, xmla / ms::kShipPoolFile);
    ms::loadXml(texts, xmla / ms::kTextPoolFile);
    ms::loadXml(triggers, xmla / ms::kTriggerPoolFile);
    auto free = [](pugi::xml_document& pool) {
        for (auto e : pool.document_element().children())
            if (std::string(e.attribute("IsUsed").value()) == "No")
                return e;
        return pugi::xml_node();
    };
    for (int i = 0; i < newShips; ++i) {
        const std::string tmpl = kTemplates[i % 21];
        // A fresh directory allows only 96 trigger numbers; the last ships of a full pool share
        // "0", which no lookup measured here reads.
        auto ship = free(ships), text = free(texts), trigger = free(triggers);
        const std::string guid = ship.attribute("GUID").value();
        for (auto e : {ship, text, trigger}) {
            if (!e)
                continue;
            e.attribute("IsUsed").set_value("Yes");
            e.attribute("OrgGuid").set_value(guid.c_str());
        }
        auto record =
            assets.document_element().append_copy(ms::FindShipAsset(assets, tmpl, ms::GuidForm::Quoted));
        auto standard = record.child("Values").child("Standard");
        standard.child("GUID").text().set(guid.c_str());
        standard.child("InfoDescription").text().set(text.attribute("GUID").value());
        standard.append_child("Base").text().set(tmpl.c_str());
        const auto entry = ms::FindShipEntry(index.document_element(), tmpl);
        ms::AppendNewShipEntry(index.document_element(), tmpl,
                               {guid, ms::ShipValue(entry, ms::kShipName) + " (neu)",
                                ms::ShipValue(entry, ms::kShipWorkForce),
                                ms::ShipValue(entry, ms::kShipWorkAmount), text.attribute("GUID").value(),
                                trigger ? trigger.attribute("GUID").value() : "0"});
    }
    ms::saveXml(assets, xmla / ms::kShipFullFile, ms::XmlKind::ShipAssets);
    ms::saveXml(index, xmla / ms::kShipIndexFile, ms::XmlKind::ShipIndex);
    ms::saveXml(ships, xmla / ms::kShipPoolFile, ms::XmlKind::IdentifierPool);
    ms::saveXml(texts, xmla / ms::kTextPoolFile, ms::XmlKind::IdentifierPool);
    ms::saveXml(triggers, xmla / ms::kTriggerPoolFile, ms::XmlKind::IdentifierPool);
    return xmla;
}

} // namespace bench
