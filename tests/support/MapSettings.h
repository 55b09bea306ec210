#pragma once

#include "shell/SettingsStore.h"

#include <map>
#include <string>
#include <utility>
#include <vector>

namespace mstest {

// Settings kept in memory, recording what the program does with them.
class MapSettings : public ms::SettingsStore {
  public:
    bool exists = false;
    std::map<std::string, std::string> values;
    std::vector<std::string> writeOrder;
    int removals = 0;

    bool keyExists() const override { return exists; }
    std::string read(const std::string& name) const override {
        auto it = values.find(name);
        return it == values.end() ? std::string() : it->second;
    }
    void removeKey() override {
        ++removals;
        exists = false;
        values.clear();
    }
    void write(const std::vector<std::pair<std::string, std::string>>& v) override {
        exists = true;
        writeOrder.clear();
        for (auto& [k, val] : v) {
            values[k] = val;
            writeOrder.push_back(k);
        }
    }
};

} // namespace mstest
