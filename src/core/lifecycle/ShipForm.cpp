#include "lifecycle/ShipForm.h"

namespace ms {

const std::string& ShipForm::text(std::string_view field) const {
    static const std::string empty;
    const auto it = m_fields.find(field);
    return it == m_fields.end() ? empty : it->second;
}

bool ShipForm::has(std::string_view field) const {
    return m_fields.find(field) != m_fields.end();
}

void ShipForm::set(std::string_view field, std::string text) {
    const auto it = m_fields.find(field);
    if (it != m_fields.end())
        it->second = std::move(text);
    else
        m_fields.emplace(std::string(field), std::move(text));
}

} // namespace ms
