#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace ms {

// Folders the program builds or sets aside beside the mods before they appear under their final
// name. Every one starts with ".Spantora-" and lacks "[Spantora]", so neither the list of activated
// mods nor a ship's folder search ever takes one for a mod.
inline constexpr const char* kStagingPrefix = ".Spantora-";

// ".Spantora-Aktivierung <guid>": a ship's new mod folder while it is being written.
std::string ActivationStagingName(std::string_view guid);
// ".Spantora-Sicherung <guid> <n>": a ship's previous mod folders while the new one moves in.
std::string SetAsideName(std::string_view guid, int n);
// ".Spantora-Werft <folder>": a yard or factory mod while it is being copied from its template.
std::string DeploymentStagingName(std::string_view folder);

// Removes every staging or set-aside folder in the mods folder (env().modLocation) whose name
// contains `containing` (all of them when it is empty); what an interrupted activation or
// deployment left behind. Returns how many went. Without a known mods folder nothing happens.
int RemoveStagingLeftovers(std::string_view containing = {});

// The game's mods folder (env().modLocation). A mods folder that went missing while the game's
// executable is still there is created again, as start-up does; without the game it stays missing
// and ms::Error says so.
std::filesystem::path ProvideModsFolder();

// Copies `source` to `modLocation / name`: first into a staging folder beside it, then renamed into
// place, so the game never meets a half-copied mod. Throws ms::Error naming the folder on failure
// and leaves no staging folder behind.
void CopyIntoMods(const std::filesystem::path& source, const std::filesystem::path& modLocation,
                  const std::string& name);

} // namespace ms
