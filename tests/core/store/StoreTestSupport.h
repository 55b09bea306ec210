#pragma once

#include "shell/Message.h"
#include "store/SharedDocuments.h"
#include "support/TempDir.h"

#include <filesystem>
#include <map>
#include <string>
#include <vector>

namespace mstest {

// A MessageSink that records what it was asked to show and answers OK.
class RecordingSink : public ms::MessageSink {
public:
    ms::MessageAnswer show(const ms::Message& message) override {
        shown.push_back(message);
        return ms::MessageAnswer{true, {}};
    }
    std::vector<ms::Message> shown;
};

// A temporary copy of the delivered data directory with the shared documents opened from it.
class DeliveredStore {
public:
    DeliveredStore() : xmla(copyDeliveredData(dir.path())) { ms::OpenSharedDocuments(xmla); }
    ~DeliveredStore() { ms::CloseSharedDocuments(); }

    // Every file of the data directory (top level) with its bytes, to prove that nothing changed.
    std::map<std::string, std::string> snapshot() const {
        std::map<std::string, std::string> files;
        for (const auto& e : std::filesystem::directory_iterator(xmla))
            if (e.is_regular_file())
                files[e.path().filename().string()] = readFile(e.path());
        return files;
    }

    TempDir dir;
    std::filesystem::path xmla;
};

} // namespace mstest
