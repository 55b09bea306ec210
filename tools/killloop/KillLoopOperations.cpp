#include "KillLoopOperations.h"

#include "lifecycle/ModExport.h"
#include "lifecycle/ShipCreation.h"
#include "lifecycle/ShipDesign.h"
#include "lifecycle/ShipFormLoader.h"
#include "lifecycle/ShipRemoval.h"
#include "lifecycle/ShipSave.h"
#include "shell/Environment.h"
#include "shell/Error.h"
#include "shell/Message.h"
#include "store/RecordStore.h"
#include "store/SharedDocuments.h"
#include "store/ShipIndex.h"
#include "yards/YardAssignment.h"
#include "yards/YardDeployment.h"
#include "yards/YardTexts.h"

#include <functional>
#include <vector>

namespace killloop {

namespace {

class SilentSink : public ms::MessageSink {
  public:
    ms::MessageAnswer show(const ms::Message&) override { return {true, {}}; }
};

ms::ActivationInputs activationInputs() {
    ms::ActivationInputs in;
    in.createdAt = "29.07.2023 08:38:14";
    in.iconPicture = std::string("\x89PNG\r\n\x1a\n", 8) + "picture";
    in.userName = "kapitaen";
    return in;
}

template <class T> const T& pick(const std::vector<T>& items, std::mt19937& random) {
    return items[std::uniform_int_distribution<size_t>(0, items.size() - 1)(random)];
}

// GUIDs of index entries, all of them or the new ships with the given IsMod ("" for any).
std::vector<std::string> ships(bool newOnly, const std::string& isMod = "") {
    ms::ReloadShipIndexDoc(ms::env().xmlaDir);
    std::vector<std::string> guids;
    for (const pugi::xml_node entry : ms::ShipIndexRoot().children("Ship")) {
        if (newOnly && ms::ShipValue(entry, ms::kShipTyp) != ms::kCategoryNew)
            continue;
        if (!isMod.empty() && ms::ShipValue(entry, ms::kShipIsMod) != isMod)
            continue;
        guids.push_back(ms::ShipValue(entry, ms::kShipGuid));
    }
    return guids;
}

std::vector<std::string> templates() {
    std::vector<std::string> guids;
    ms::ReloadShipIndexDoc(ms::env().xmlaDir);
    for (const pugi::xml_node entry : ms::ShipIndexRoot().children("Ship"))
        if (ms::ShipValue(entry, ms::kShipTyp) != ms::kCategoryNew)
            guids.push_back(ms::ShipValue(entry, ms::kShipGuid));
    return guids;
}

const std::vector<std::string> kNames{"Schoner", "Kühne Möwe", "Fregatte & Co", "Dampfer <1>", "Ölschiff"};

void create(std::mt19937& random) {
    SilentSink sink;
    ms::ReloadShipDocuments(ms::env().xmlaDir);
    ms::CreateNewShip(ms::env().xmlaDir, ms::LoadShipForm(pick(templates(), random), false), sink);
}

void save(std::mt19937& random) {
    const std::vector<std::string> all = ships(true);
    if (all.empty())
        return;
    const std::string guid = pick(all, random);
    ms::ReloadShipDocuments(ms::env().xmlaDir);
    ms::ShipForm form = ms::LoadShipForm(guid, false);
    form.set("NewShipNameText", pick(kNames, random));
    form.set("NewShipTextText", "Beschreibung " + std::to_string(random() % 1000));
    ms::SaveShipHooks hooks;
    hooks.activateShip = [](const std::string& g) { ms::ActivateShip(g, activationInputs()); };
    ms::SaveShip(ms::env().xmlaDir, form, hooks);
}

void activate(std::mt19937& random) {
    const std::vector<std::string> all = ships(true);
    if (!all.empty())
        ms::ActivateShip(pick(all, random), activationInputs());
}

void deactivate(std::mt19937& random) {
    const std::vector<std::string> all = ships(true, "true");
    if (!all.empty())
        ms::DeactivateShip(pick(all, random));
}

void remove(std::mt19937& random) {
    const std::vector<std::string> all = ships(true);
    if (!all.empty())
        ms::DeleteShip(pick(all, random));
}

// A new ship's design saved and loaded again as another new ship.
void design(std::mt19937& random) {
    const std::vector<std::string> all = ships(true);
    if (all.empty())
        return;
    const std::filesystem::path file = ms::env().xmlaDir.parent_path() / "Entwurf.spantora";
    ms::SaveShipDesign(ms::env().xmlaDir, pick(all, random), file);
    SilentSink sink;
    ms::LoadShipDesign(ms::env().xmlaDir, file, sink);
}

const ms::YardRow& yard(std::mt19937& random) {
    return ms::YardTable()[random() % ms::YardTable().size()];
}

void toggleYard(std::mt19937& random) {
    const ms::YardRow& row = yard(random);
    ms::DeployYard(row);
    const std::vector<ms::YardListRow> rows = ms::YardShipRows(row);
    if (!rows.empty())
        ms::ToggleYardShip(row, pick(rows, random).guid);
}

void renameYard(std::mt19937& random) {
    ms::RenameYard(yard(random), pick(kNames, random) + " Werft");
}

void removeUnusedYards(std::mt19937&) {
    ms::ReloadShipIndexDoc(ms::env().xmlaDir);
    ms::RemoveUnusedYards(true);
}

} // namespace

std::string RunRandomOperation(std::mt19937& random) {
    struct Operation {
        const char* name;
        int weight;
        std::function<void(std::mt19937&)> run;
    };
    static const std::vector<Operation> operations{
        {"create", 4, create},
        {"save", 4, save},
        {"activate", 4, activate},
        {"deactivate", 2, deactivate},
        {"delete", 2, remove},
        {"design", 2, design},
        {"yard", 6, toggleYard},
        {"rename", 1, renameYard},
        {"factory", 1, [](std::mt19937&) { ms::ToggleSailWeavingFactory(); }},
        {"unused-yards", 1, removeUnusedYards},
    };
    int total = 0;
    for (const Operation& op : operations)
        total += op.weight;
    int roll = static_cast<int>(random() % static_cast<unsigned>(total));
    for (const Operation& op : operations) {
        if ((roll -= op.weight) >= 0)
            continue;
        try {
            op.run(random);
        } catch (const ms::Error&) {
            // refused or failed: the data must hold together all the same
        }
        return op.name;
    }
    return {};
}

} // namespace killloop
