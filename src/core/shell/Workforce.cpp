#include "shell/Workforce.h"

#include <array>

namespace ms {

namespace {
constexpr std::array<WorkforceLevel, 8> Levels{{
    {"15000001", "Arbeiter(n)", "ArbeiterShape"},
    {"15000002", "Handwerker(n)", "HandwerkerShape"},
    {"15000003", "Ingenieur(en)", "IngenieurShape"},
    {"15000004", "Investor(en)", "InvestorenShape"},
    {"15000005", "Jorlanero(s)", "JorlaneroShape"},
    {"15000006", "Obrero(s)", "ObreroShape"},
    {"114329", "Hirte(n)", "HirtenShape"},
    {"114330", "Älteste", "AeltesteShape"},
}};
} // namespace

std::span<const WorkforceLevel> workforceLevels() { return Levels; }

const WorkforceLevel* findWorkforce(std::string_view guid) {
    for (const auto& level : Levels)
        if (level.guid == guid)
            return &level;
    return nullptr;
}

} // namespace ms
