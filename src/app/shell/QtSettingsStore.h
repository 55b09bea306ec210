#pragma once

#include "shell/SettingsStore.h"

#include <QString>

namespace ms::gui {

// The per-user settings key in the platform's settings store: an INI file in the user's config folder
// (MarvessaSpantora/MarvessaSpantora.ini), the values in a group named by the key path. QSettings
// writes the file atomically.
class QtSettingsStore : public SettingsStore {
  public:
    static const QString KeyPath;

    bool keyExists() const override;
    std::string read(const std::string& name) const override;
    void removeKey() override;
    void write(const std::vector<std::pair<std::string, std::string>>& values) override;

    // "DeleteYard" is changed while the program runs.
    static void writeValue(const QString& name, const QString& value);
    static QString readValue(const QString& name);
    // The INI file the values live in (whether it exists yet or not).
    static QString fileName();
};

} // namespace ms::gui
