#include "shell/PreviewSettings.h"

namespace ms {

bool PreviewSettings::keyExists() const {
    return !m_written.empty() || (!m_removed && m_stored.keyExists());
}

std::string PreviewSettings::read(const std::string& name) const {
    if (auto it = m_written.find(name); it != m_written.end())
        return it->second;
    return m_removed ? std::string() : m_stored.read(name);
}

void PreviewSettings::removeKey() {
    m_removed = true;
    m_written.clear();
}

void PreviewSettings::write(const std::vector<std::pair<std::string, std::string>>& values) {
    for (const auto& [name, value] : values)
        m_written[name] = value;
}

} // namespace ms
