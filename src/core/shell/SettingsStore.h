#pragma once

#include <string>
#include <utility>
#include <vector>

namespace ms {

// The per-user settings key with its text values. The GUI backs it with the platform's settings store;
// tests back it with a map.
class SettingsStore {
public:
    virtual ~SettingsStore() = default;
    virtual bool keyExists() const = 0;
    // A missing key or value reads as empty text.
    virtual std::string read(const std::string& name) const = 0;
    // Deletes the key with all its values.
    virtual void removeKey() = 0;
    // Creates the key when missing and writes the values in the given order.
    virtual void write(const std::vector<std::pair<std::string, std::string>>& values) = 0;
};

} // namespace ms
