#pragma once

#include <span>
#include <string_view>

namespace ms {

// One population level: its GUID as the data files hold it, the name shown beside it and the
// object name of the framed picture that marks it.
struct WorkforceLevel {
    std::string_view guid;
    std::string_view shownName;
    std::string_view frameName;
};

// All population levels in the order of the table.
std::span<const WorkforceLevel> workforceLevels();

// The level with the given GUID (compared exactly), or nullptr.
const WorkforceLevel* findWorkforce(std::string_view guid);

} // namespace ms
