#pragma once

#include "lifecycle/ModExport.h"
#include "lifecycle/ShipForm.h"
#include "lifecycle/ShipFormLoader.h"
#include "shell/ActivatedMods.h"
#include "shell/Environment.h"
#include "shell/XmlFile.h"
#include "store/RecordStore.h"
#include "store/SharedDocuments.h"
#include "store/ShipIndex.h"
#include "support/TempDir.h"

#include <filesystem>
#include <map>
#include <set>
#include <string>

namespace mstest {

// A data directory with the delivered files and icons, an empty mods folder beside it, the
// environment pointed at both and the shared documents open. New ships are made the way creation
// makes them: a copy of the template's record with the new identity and Standard/Base, and a copy
// of its index entry.
class ActivationFixture {
  public:
    ActivationFixture() {
        namespace fs = std::filesystem;
        xmla = dir.path() / "XMLA";
        fs::create_directories(xmla);
        for (const auto& e : fs::directory_iterator(SPANTORA_DATA_DIR))
            if (e.is_regular_file())
                fs::copy_file(e.path(), xmla / e.path().filename());
        fs::copy(fs::path(SPANTORA_DATA_DIR) / "NewShipIcon", xmla / "NewShipIcon",
                 fs::copy_options::recursive);
        mods = dir.path() / "mods";
        fs::create_directories(mods);
        m_saved = ms::env();
        ms::env().xmlaDir = xmla;
        ms::env().modLocation = mods.string() + "/";
        ms::env().decimalIsPoint = false;
        ms::OpenSharedDocuments(xmla);
    }
    ~ActivationFixture() {
        ms::CloseSharedDocuments();
        ms::env() = m_saved;
        ms::activatedModFolders().clear();
    }

    // Appends a new ship derived from `templateGuid` to ShipFull.xml and ShipShort.xml and reloads
    // the shared documents. Text and trigger identifiers follow the pools' numbering.
    void createShip(const std::string& templateGuid, const std::string& guid, const std::string& name) {
        const std::string textGuid = std::to_string(std::stoll(guid) + 100);
        const std::string triggerGuid = std::to_string(std::stoll(guid) + 200);
        pugi::xml_document full;
        ms::loadXml(full, xmla / "ShipFull.xml");
        const pugi::xml_node tpl =
            ms::FindShipAsset(full.document_element(), templateGuid, ms::GuidForm::Quoted);
        pugi::xml_node copy = full.document_element().append_copy(tpl);
        pugi::xml_node standard = copy.child("Values").child("Standard");
        standard.child("GUID").text().set(guid.c_str());
        standard.child("InfoDescription").text().set(textGuid.c_str());
        standard.append_child("Base").text().set(templateGuid.c_str());
        ms::saveXml(full, xmla / "ShipFull.xml", ms::XmlKind::ShipAssets);

        const pugi::xml_node entry = ms::FindShipEntry(ms::ShipIndexRoot(), templateGuid);
        ms::AddShipIndexEntry(xmla, templateGuid,
                              {guid, name, ms::ShipValue(entry, "WorkForce"),
                               ms::ShipValue(entry, "WorkAmount"), textGuid, triggerGuid});
        ms::ReloadShipDocuments(xmla);
    }

    // The ship as ShowShip puts it into the main window.
    ms::ShipForm shown(const std::string& guid) const {
        ms::ReloadShipDocuments(xmla);
        return ms::LoadShipForm(guid, false);
    }

    static ms::ActivationInputs inputs() {
        ms::ActivationInputs in;
        in.createdAt = "29.07.2023 08:38:14";
        in.iconPicture = std::string("\x89PNG\r\n\x1a\n", 8) + "picture";
        in.userName = "kapitaen";
        return in;
    }

    std::filesystem::path activate(const std::string& guid) {
        return ms::ActivateShip(shown(guid), inputs());
    }

    // Every file below `root` by relative path, with its bytes: proof that nothing changed.
    static std::map<std::string, std::string> tree(const std::filesystem::path& root) {
        std::map<std::string, std::string> files;
        for (const auto& e : std::filesystem::recursive_directory_iterator(root))
            files[std::filesystem::relative(e.path(), root).string()] =
                e.is_regular_file() ? readFile(e.path()) : "<dir>";
        return files;
    }

    std::set<std::string> modEntries() const {
        std::set<std::string> names;
        for (const auto& e : std::filesystem::directory_iterator(mods))
            names.insert(e.path().filename().string());
        return names;
    }

    std::string indexEntryValue(const std::string& guid, int pos) const {
        pugi::xml_document index;
        ms::LoadShipIndex(index, xmla);
        return ms::ShipValue(ms::FindShipEntry(index.document_element(), guid), pos);
    }

    TempDir dir;
    std::filesystem::path xmla;
    std::filesystem::path mods;

  private:
    ms::Environment m_saved;
};

// True when xmllint (if installed) reads the file as well-formed XML.
inline bool wellFormedForXmllint(const std::filesystem::path& file) {
    if (std::system("command -v xmllint >/dev/null 2>&1") != 0)
        return true;
    return std::system(("xmllint --noout '" + file.string() + "' 2>/dev/null").c_str()) == 0;
}

} // namespace mstest
