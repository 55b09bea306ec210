#pragma once

#include "lifecycle/ShipCreation.h"
#include "lifecycle/ShipFormLoader.h"
#include "shell/Message.h"
#include "store/RecordStore.h"
#include "store/SharedDocuments.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>
#include <pugixml.hpp>

#include <filesystem>
#include <map>
#include <sstream>
#include <string>
#include <vector>

namespace mstest {

// Records what the core asked the message window to show and answers OK.
class MessageLog : public ms::MessageSink {
  public:
    ms::MessageAnswer show(const ms::Message& message) override {
        shown.push_back(message);
        return ms::MessageAnswer{true, {}};
    }
    std::vector<ms::Message> shown;
};

// A temporary copy of the delivered data files (the folders are not needed here) with the shared
// documents opened from it, and helpers to derive and show new ships the way the main window does.
class NewShipTest : public ::testing::Test {
  protected:
    void SetUp() override {
        m_xmla = m_dir.path() / "XMLA";
        std::filesystem::create_directories(m_xmla);
        for (const auto& e : std::filesystem::directory_iterator(SPANTORA_DATA_DIR))
            if (e.is_regular_file())
                std::filesystem::copy_file(e.path(), m_xmla / e.path().filename());
        ms::OpenSharedDocuments(m_xmla);
    }
    void TearDown() override { ms::CloseSharedDocuments(); }

    // Shows the template and presses "Neues Schiff erstellen"; the new ship's asset GUID.
    std::string create(const std::string& templateGuid) {
        ms::ReloadShipDocuments(m_xmla);
        const ms::ShipForm shown = ms::LoadShipForm(templateGuid, false);
        const auto created = ms::CreateNewShip(m_xmla, shown, m_messages);
        if (!created)
            throw std::runtime_error("creation refused");
        return created->ids.assetGuid;
    }

    // ShowShip with the separator ",".
    ms::ShipForm show(const std::string& guid) {
        ms::ReloadShipDocuments(m_xmla);
        return ms::LoadShipForm(guid, false);
    }

    // Every top-level file of the data directory with its bytes.
    std::map<std::string, std::string> snapshot() const {
        std::map<std::string, std::string> files;
        for (const auto& e : std::filesystem::directory_iterator(m_xmla))
            if (e.is_regular_file())
                files[e.path().filename().string()] = readFile(e.path());
        return files;
    }

    std::string file(const char* name) const { return readFile(m_xmla / name); }

    TempDir m_dir;
    std::filesystem::path m_xmla;
    MessageLog m_messages;
};

// A document loaded from a data file, for looking at what was written.
inline void loadDoc(pugi::xml_document& doc, const std::filesystem::path& file) {
    ASSERT_TRUE(doc.load_file(file.c_str())) << file;
}

// The markup of a node, to compare records before and after an operation.
inline std::string markup(pugi::xml_node node) {
    std::ostringstream out;
    node.print(out, "", pugi::format_raw);
    return out.str();
}

// The child elements of a node, in order.
inline std::vector<pugi::xml_node> elements(pugi::xml_node parent, const char* name = nullptr) {
    std::vector<pugi::xml_node> out;
    for (pugi::xml_node child : parent.children())
        if (child.type() == pugi::node_element && (!name || std::string(child.name()) == name))
            out.push_back(child);
    return out;
}

} // namespace mstest
