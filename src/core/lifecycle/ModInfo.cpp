#include "lifecycle/ModInfo.h"

#include "shell/AtomicFile.h"
#include "shell/Base64.h"
#include "shell/JsonText.h"
#include "shell/LineBreaks.h"

#include <vector>

namespace ms {

std::string ModSummary(const ShipForm& shownShip) {
    const ShipSummary& s = shownShip.summary;
    const std::string& weaponSet = shownShip.text("WeaponSet");
    std::string text =
        "Baufreigabe ab: " + shownShip.text("WorkAmount") + " " + shownShip.text("WorkForceGUID") + " - ";
    text += "Betriebskosten:  - ";
    for (const std::string& line : s.costLines)
        text += " " + line + " - ";
    if (weaponSet == "1")
        text += "Bewaffnung: - " + s.attackRange + s.damage + s.reload + s.reactionRange + s.projectileCount +
                s.weaponType;
    if (weaponSet == "1" || weaponSet == "0")
        text += "Allgemein:  - " + s.maxSpeed + s.minSpeed + s.hitPoints + s.selfRepair + s.repairStart;
    text += "Details:  - " + s.cargoSlowdown + s.sessionFactor + s.militaryPoints;
    text += s.tradePoints + s.maintenance + s.buildTime + s.sockets + s.cargoSlots + s.capacity;
    return text;
}

std::string ModInfoFile(const ModInfo& info) {
    const std::vector<std::string> otherLanguages{
        "    \"English\": null,", "    \"French\": null,", "    \"Italian\": null,",
        "    \"Polish\": null,",  "    \"Russian\": null",
    };
    std::vector<std::string> lines;
    const auto languageBlock = [&](const std::string& key, const std::string& german) {
        lines.push_back("  \"" + key + "\": {");
        lines.push_back("    \"German\": \"" + german + "\",");
        lines.insert(lines.end(), otherLanguages.begin(), otherLanguages.end());
        lines.push_back("  },");
    };

    lines.push_back("{");
    lines.push_back("\"Version\": \"" + JsonEscape(info.version) + "\",");
    lines.push_back("\"ModID\": \"" + JsonEscape(CrLfLineBreaks(info.modName)) + "\",");
    lines.push_back("  \"IncompatibleIds\": null,");
    lines.push_back("  \"ModDependencies\": null,");
    languageBlock("Category", "Spantora");
    languageBlock("ModName", JsonEscape(CrLfLineBreaks(info.modName)));
    languageBlock("Description", "Marvessa Spantora : " + JsonEscape(CrLfLineBreaks(info.summary)));
    lines.push_back("  \"KnownIssues\": [");
    lines.push_back("    {");
    lines.push_back(
        "      \"German\": \"Löschen Sie die erzeugten Schiffe immer nur innerhalb des Programms Marvessa "
        "Spantora, um Probleme mit den Schiffswerften zu vermeiden.\",");
    for (const std::string& language : otherLanguages)
        lines.push_back("  " + language);
    lines.push_back("    }");
    lines.push_back("  ],");
    lines.push_back("  \"DLCDependencies\": null,");
    lines.push_back("  \"CreatorName\": null,");
    lines.push_back("  \"CreatorContact\": \"" + JsonEscape(kModContactAddress) + "\",");
    lines.push_back("  \"Image\": \"" + Base64Encode(info.picture) + "\"");
    lines.push_back("}");

    std::string bytes;
    for (const std::string& line : lines)
        bytes += line + "\r\n";
    return bytes;
}

void WriteModInfo(const std::filesystem::path& xmlaDir, const std::filesystem::path& modFolder,
                  const ModInfo& info) {
    writeFileAtomic(xmlaDir / "Active.png", info.picture);
    writeFileAtomic(modFolder / "modinfo.json", ModInfoFile(info));
}

} // namespace ms
