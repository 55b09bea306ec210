#include "shell/LauncherConfigs.h"

#include <nlohmann/json.hpp>
#include <yaml-cpp/yaml.h>

namespace ms {

std::string lutrisGamePrefix(std::string_view yamlText) {
    try {
        const YAML::Node root = YAML::Load(std::string(yamlText));
        if (!root.IsMap())
            return {};
        const YAML::Node game = root["game"];
        if (!game.IsMap())
            return {};
        const YAML::Node prefix = game["prefix"];
        return prefix.IsScalar() ? prefix.as<std::string>() : std::string();
    } catch (const YAML::Exception&) {
        return {}; // another program's broken file is no place to look in, not our failure
    }
}

std::vector<std::string> heroicWinePrefixes(std::string_view jsonText) {
    std::vector<std::string> result;
    const nlohmann::json root = nlohmann::json::parse(jsonText, nullptr, false);
    if (!root.is_object())
        return result;
    auto take = [&](const nlohmann::json& object) {
        const auto it = object.find("winePrefix");
        if (it != object.end() && it->is_string() && !it->get_ref<const std::string&>().empty())
            result.push_back(it->get<std::string>());
    };
    take(root);
    for (const auto& [name, value] : root.items())
        if (value.is_object())
            take(value);
    return result;
}

} // namespace ms
