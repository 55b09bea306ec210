#pragma once

#include "core/lifecycle/ActivationFixture.h"
#include "lifecycle/ShipCreation.h"
#include "shell/Error.h"
#include "shell/FileOperations.h"
#include "shell/Message.h"
#include "yards/YardBuildMenu.h"
#include "yards/YardDeployment.h"
#include "yards/YardTable.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

namespace mstest {

// The activation fixture with the seven template mod folders in the data directory, and helpers
// to flag ships, deploy yards and read deployed build menus.
class YardTest : public ::testing::Test {
  protected:
    void SetUp() override {
        namespace fs = std::filesystem;
        for (const auto& e : fs::directory_iterator(SPANTORA_DATA_DIR))
            if (e.is_directory() && e.path().filename().string().rfind("[Spantora]", 0) == 0)
                fs::copy(e.path(), f.xmla / e.path().filename(), fs::copy_options::recursive);
    }

    static const ms::YardRow& yard(const char* region, const char* engine) {
        return *ms::FindYard(region, engine);
    }

    // Sets index attributes on disk the way the windows leave them, and reloads the shared index.
    void setValue(const std::string& guid, int pos, const std::string& value) {
        pugi::xml_document index;
        ms::LoadShipIndex(index, f.xmla);
        ms::SetShipValue(ms::FindShipEntryQuoted(index.document_element(), guid), pos, value);
        ms::SaveShipIndex(index, f.xmla);
        ms::ReloadShipIndexDoc(f.xmla);
    }
    void flag(const std::string& guid, std::initializer_list<const char*> regions) {
        for (const char* region : regions)
            setValue(guid, ms::RegionFlagPos(region), "*");
    }

    void deployAll() {
        for (const ms::YardRow& row : ms::YardTable())
            ms::DeployYard(row);
    }

    // The Vehicle GUIDs of the deployed build menu, in file order.
    static std::vector<std::string> menu(const ms::YardRow& row) {
        pugi::xml_document doc;
        ms::loadXml(doc, ms::YardAssetsFile(row));
        std::vector<std::string> guids;
        for (const auto& v : doc.select_nodes("//Shipyard/AssemblyOptions/Item/Vehicle"))
            guids.push_back(v.node().text().get());
        return guids;
    }

    // A new ship created the way "Neues Schiff erstellen" does, with identifiers from the pools.
    std::string create(const std::string& templateGuid) {
        const auto created = ms::CreateNewShip(f.xmla, f.shown(templateGuid), m_sink);
        if (!created)
            throw std::runtime_error("creation refused");
        ms::ReloadShipDocuments(f.xmla);
        return created->ids.assetGuid;
    }

    std::string readTemplate(const ms::YardRow& row, const char* relative) const {
        return readFile(f.xmla / row.folder / relative);
    }

    ActivationFixture f;

  private:
    class SilentSink : public ms::MessageSink {
      public:
        ms::MessageAnswer show(const ms::Message&) override { return {true, {}}; }
    } m_sink;
};

inline constexpr const char* kYardAssetsPath = "data/config/export/main/asset/assets.xml";
inline constexpr const char* kYardTextsPath = "data/config/gui/texts_german.xml";

} // namespace mstest
