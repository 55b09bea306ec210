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

// The files of the delivered data directory without its folders (icons, template mods), which the
// store never reads: a copy in a fraction of the time of the whole directory.
inline std::filesystem::path copyDeliveredFiles(const std::filesystem::path& dir) {
    const auto target = dir / "XMLA";
    std::filesystem::create_directories(target);
    for (const auto& e : std::filesystem::directory_iterator(SPANTORA_DATA_DIR))
        if (e.is_regular_file())
            std::filesystem::copy_file(e.path(), target / e.path().filename());
    return target;
}

// A temporary copy of the delivered data directory with the shared documents opened from it.
class DeliveredStore {
public:
    DeliveredStore() : xmla(copyDeliveredFiles(dir.path())) { ms::OpenSharedDocuments(xmla); }
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
