#pragma once

#include "shell/SettingsStore.h"

#include <map>

namespace ms {

// Settings that read through to a stored key but keep every change to themselves: the game search
// can run as at a start, for a report, without touching what is stored.
class PreviewSettings : public SettingsStore {
  public:
    explicit PreviewSettings(const SettingsStore& stored) : m_stored(stored) {}

    bool keyExists() const override;
    std::string read(const std::string& name) const override;
    void removeKey() override;
    void write(const std::vector<std::pair<std::string, std::string>>& values) override;

  private:
    const SettingsStore& m_stored;
    bool m_removed = false;
    std::map<std::string, std::string> m_written;
};

} // namespace ms
