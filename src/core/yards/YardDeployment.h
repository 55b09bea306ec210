#pragma once

#include "yards/YardTable.h"

#include <string_view>
#include <vector>

namespace ms {

// Copies the template mod folder into the mods folder when no deployed copy is there; an existing
// copy stays as it is, also when it is older than the template. The copy appears complete under
// its final name. True when it was copied now. Throws ms::Error for a missing mods folder or
// template, or a failed copy.
bool DeployModFolder(std::string_view folder);
bool DeployYard(const YardRow& row);

// The Enbesa window's factory switch: deploys "[Spantora] Segelweberei Enbesa" when it is not in
// the mods folder, removes it otherwise; the shipyards are not touched. Returns the new state.
bool IsSailWeavingFactoryDeployed();
bool ToggleSailWeavingFactory();

// The shutdown step. With the setting "DeleteYard" on, every deployed yard that no entry of the
// in-memory index uses is deleted (the factory and the templates never are); a failed deletion is
// passed over. Returns the yards deleted, in table order.
std::vector<const YardRow*> RemoveUnusedYards(bool deleteYardSetting);

} // namespace ms
