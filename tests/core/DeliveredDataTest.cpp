// Checks the delivered data directory (data/XMLA) against what the program relies on: the shape of
// every file, the values that windows, creation and export take for granted, and the exact bytes.

#include "shell/TextInputFilter.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>
#include <pugixml.hpp>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <map>
#include <set>
#include <string>
#include <string_view>
#include <vector>

namespace fs = std::filesystem;
using mstest::readFile;

namespace {

const fs::path kData = SPANTORA_DATA_DIR;

pugi::xml_document load(const std::string& name) {
    pugi::xml_document doc;
    const auto result = doc.load_file((kData / name).c_str(),
                                      pugi::parse_default | pugi::parse_declaration | pugi::parse_comments);
    EXPECT_TRUE(result) << name << ": " << result.description();
    return doc;
}

std::vector<std::string> attributeNames(const pugi::xml_node& node) {
    std::vector<std::string> names;
    for (const auto& a : node.attributes())
        names.emplace_back(a.name());
    return names;
}

std::vector<std::string> childNames(const pugi::xml_node& node) {
    std::vector<std::string> names;
    for (const auto& c : node.children())
        if (c.type() == pugi::node_element)
            names.emplace_back(c.name());
    return names;
}

std::string text(const pugi::xml_node& values, const char* path) {
    return values.select_node(path).node().text().get();
}

bool has(const pugi::xml_node& values, const char* path) {
    return static_cast<bool>(values.select_node(path));
}

double number(const pugi::xml_node& values, const char* path) {
    return std::stod(text(values, path));
}

const std::vector<std::string> kSailingShips = {"101121", "100438", "100441", "100437", "100439", "100440",
                                                "150000", "160000", "102419", "102420", "102421"};

const std::vector<std::string> kRecordGuids = {"100437", "100438", "100439", "100440", "100441", "100442",
                                               "100443", "100853", "101121", "102419", "102420", "102421",
                                               "102422", "102423", "102425", "102428", "102455", "132404",
                                               "150000", "160000", "1010062"};

bool isSailing(const std::string& guid) {
    return std::find(kSailingShips.begin(), kSailingShips.end(), guid) != kSailingShips.end();
}

// The exact bytes of a file kind: optional byte-order mark, declaration, CR LF everywhere, tabs only.
void expectLayout(const std::string& name, bool bom, const std::string& declaration) {
    SCOPED_TRACE(name);
    const std::string bytes = readFile(kData / name);
    const std::string mark = "\xEF\xBB\xBF";
    ASSERT_EQ(bytes.compare(0, 3, mark) == 0, bom);
    const std::string body = bom ? bytes.substr(3) : bytes;
    EXPECT_EQ(body.substr(0, declaration.size() + 2), declaration + "\r\n");
    EXPECT_EQ(body.substr(body.size() - 2), "\r\n");
    for (size_t i = 0; i < body.size(); ++i) {
        if (body[i] != '\n')
            continue;
        ASSERT_TRUE(i > 0 && body[i - 1] == '\r') << "bare LF at byte " << i;
        ASSERT_TRUE(i + 1 == body.size() || body[i + 1] != ' ') << "blank indentation at byte " << i + 1;
    }
}

} // namespace

// ------------------------------------------------------------------------------------------------
// Ship index
// ------------------------------------------------------------------------------------------------

TEST(DeliveredData, IndexHasTwentyOneTemplatesWithAllAttributesInOrder) {
    const auto doc = load("ShipShort.xml");
    const auto root = doc.child("Ships");
    const std::vector<std::string> order = {
        "GUID",     "Name",        "Icon",  "Changed",   "Exported",   "Pos",     "Typ",
        "Art",      "Engine",      "New",   "WorkForce", "WorkAmount", "YardPos", "OnBuild",
        "InfoGUID", "TriggerGUID", "IsMod", "OnAW",      "OnNW",       "OnEN",    "ShowInYard"};
    std::set<std::string> guids, icons;
    int count = 0;
    for (const auto& ship : root.children("Ship")) {
        ++count;
        SCOPED_TRACE(ship.attribute("GUID").value());
        EXPECT_EQ(attributeNames(ship), order);
        EXPECT_TRUE(ship.first_child().empty());
        guids.insert(ship.attribute("GUID").value());
        icons.insert(ship.attribute("Icon").value());
        EXPECT_EQ(std::string(ship.attribute("Icon").value()).rfind("icon_ship_", 0), 0u);
        // A template's state as delivered: exported, not a mod, on no yard, no identifiers.
        EXPECT_STREQ(ship.attribute("Changed").value(), "false");
        EXPECT_STREQ(ship.attribute("Exported").value(), "true");
        EXPECT_STREQ(ship.attribute("New").value(), "false");
        EXPECT_STREQ(ship.attribute("IsMod").value(), "false");
        for (const char* empty : {"OnBuild", "InfoGUID", "TriggerGUID", "OnAW", "OnNW", "OnEN"})
            EXPECT_STREQ(ship.attribute(empty).value(), "") << empty;
        const std::string art = ship.attribute("Art").value();
        EXPECT_TRUE(art == "TradeShip" || art == "WarShip");
        const std::string engine = ship.attribute("Engine").value();
        EXPECT_EQ(engine, isSailing(ship.attribute("GUID").value()) ? "Sail" : "Steam");
        const int amount = std::stoi(ship.attribute("WorkAmount").value());
        EXPECT_TRUE(amount >= 1 && amount <= 1000);
    }
    EXPECT_EQ(count, 21);
    EXPECT_EQ(guids, std::set<std::string>(kRecordGuids.begin(), kRecordGuids.end()));
    EXPECT_EQ(icons.size(), 21u);
    EXPECT_EQ(root.select_nodes("Ship[@Engine=\"Sail\"]").size(), 11u);
}

TEST(DeliveredData, IndexCategoriesSortKeysAndYardOffers) {
    const auto doc = load("ShipShort.xml");
    const auto root = doc.child("Ships");
    EXPECT_EQ(root.select_nodes("Ship[@Typ=\"Segelschiffe\"]").size(), 8u);
    EXPECT_EQ(root.select_nodes("Ship[@Typ=\"Dampfschiffe\"]").size(), 4u);
    EXPECT_EQ(root.select_nodes("Ship[@Typ=\"Extraschiffe\"]").size(), 9u);
    EXPECT_EQ(root.select_nodes("Ship[@Typ=\"Neue Schiffe\"]").size(), 0u);

    std::vector<std::string> extra;
    for (const auto& n : root.select_nodes("Ship[@Typ=\"Extraschiffe\"]"))
        extra.emplace_back(n.node().attribute("Pos").value());
    std::sort(extra.begin(), extra.end());
    EXPECT_EQ(extra,
              (std::vector<std::string>{"B56", "B57", "B58", "B63", "B64", "B65", "B66", "B67", "B68"}));

    std::multiset<std::string> pos, yardPos;
    int equal = 0;
    for (const auto& ship : root.children("Ship")) {
        const std::string p = ship.attribute("Pos").value();
        const std::string y = ship.attribute("YardPos").value();
        EXPECT_TRUE(p >= "B50" && p <= "B68" && p.size() == 3) << p;
        EXPECT_TRUE(y >= "B50" && y <= "B68" && y.size() == 3) << y;
        pos.insert(p);
        yardPos.insert(y);
        equal += p == y;
    }
    EXPECT_EQ(pos.count("B50"), 1u);
    EXPECT_EQ(pos.count("B68"), 1u);
    EXPECT_EQ(pos.count("B55"), 3u);
    EXPECT_GE(yardPos.count("B55"), 2u);
    EXPECT_EQ(yardPos.count("B65"), 2u);
    EXPECT_GT(equal, 15);

    std::set<std::string> hidden;
    for (const auto& ship : root.children("Ship"))
        if (std::string(ship.attribute("ShowInYard").value()) == "false")
            hidden.insert(ship.attribute("Name").value());
        else
            EXPECT_STREQ(ship.attribute("ShowInYard").value(), "true");
    EXPECT_EQ(hidden, (std::set<std::string>{"Königl. Linienschiff", "La Corona Linienschiff", "Monitor"}));
    EXPECT_EQ(root.select_nodes("Ship[@Engine=\"Sail\"][@ShowInYard=\"true\"]").size(), 9u);
    EXPECT_EQ(root.select_nodes("Ship[@Engine=\"Steam\"][@ShowInYard=\"true\"]").size(), 9u);
}

TEST(DeliveredData, IndexNamesTheShipsOthersReferTo) {
    const auto doc = load("ShipShort.xml");
    const auto root = doc.child("Ships");
    const auto schooner = root.select_node("Ship[@GUID=\"100438\"]").node();
    EXPECT_STREQ(schooner.attribute("Name").value(), "Schoner");
    EXPECT_STREQ(schooner.attribute("Icon").value(), "icon_ship_schooner");
    EXPECT_STREQ(schooner.attribute("WorkForce").value(), "15000001");
    EXPECT_STREQ(schooner.attribute("Art").value(), "TradeShip");
    EXPECT_STREQ(schooner.attribute("Engine").value(), "Sail");
    EXPECT_STREQ(root.select_node("Ship[@GUID=\"100437\"]").node().attribute("Art").value(), "WarShip");
    const auto frigate = root.select_node("Ship[@Name=\"Fregatte\"]").node();
    EXPECT_STREQ(frigate.attribute("Art").value(), "WarShip");
    EXPECT_STREQ(frigate.attribute("Engine").value(), "Sail");
    const auto monitor = root.select_node("Ship[@Name=\"Monitor\"]").node();
    EXPECT_STREQ(monitor.attribute("Art").value(), "WarShip");
    EXPECT_STREQ(monitor.attribute("Engine").value(), "Steam");
    EXPECT_STREQ(root.select_node("Ship[@GUID=\"100853\"]").node().attribute("Art").value(), "TradeShip");
    EXPECT_STREQ(root.select_node("Ship[@GUID=\"1010062\"]").node().attribute("Engine").value(), "Steam");
}

// ------------------------------------------------------------------------------------------------
// Ship records
// ------------------------------------------------------------------------------------------------

TEST(DeliveredData, RecordsHaveTheBlockOrderOfTheirClass) {
    const auto doc = load("ShipFull.xml");
    const auto root = doc.child("AssetList");
    ASSERT_EQ(attributeNames(root), std::vector<std::string>{"xmlns:xsi"});
    EXPECT_STREQ(root.attribute("xmlns:xsi").value(), "http://www.w3.org/2001/XMLSchema-instance");

    const std::vector<std::string> trade = {"Standard",
                                            "Object",
                                            "Mesh",
                                            "Selection",
                                            "Walking",
                                            "Text",
                                            "CommandQueue",
                                            "Drifting",
                                            "Collector",
                                            "Attackable",
                                            "MinimapToken",
                                            "SoundEmitter",
                                            "UpgradeList",
                                            "QuestObject",
                                            "Infolayer",
                                            "ItemContainer",
                                            "FeedbackController",
                                            "Draggable",
                                            "Cost",
                                            "Craftable",
                                            "TradeRouteVehicle",
                                            "Locked",
                                            "Nameable",
                                            "MetaPersistent",
                                            "ExpeditionAttribute",
                                            "ShipMaintenance",
                                            "Sellable",
                                            "Stance",
                                            "Rentable",
                                            "WorldMapSound",
                                            "Pausable",
                                            "ShipIncident",
                                            "SoundEmitterCommandBarks",
                                            "Attacker"};
    std::vector<std::string> war = trade;
    war.pop_back();
    war.insert(std::find(war.begin(), war.end(), "Attackable") + 1, "Attacker");

    const auto indexDoc = load("ShipShort.xml");
    std::vector<std::string> guids;
    for (const auto& asset : root.children()) {
        ASSERT_STREQ(asset.name(), "Asset");
        ASSERT_EQ(childNames(asset), (std::vector<std::string>{"Template", "Values"}));
        const auto values = asset.child("Values");
        const std::string guid = text(values, "Standard/GUID");
        guids.push_back(guid);
        SCOPED_TRACE(guid);
        const auto entry =
            indexDoc.child("Ships").select_node(("Ship[@GUID=\"" + guid + "\"]").c_str()).node();
        ASSERT_TRUE(entry);
        const std::string art = entry.attribute("Art").value();
        EXPECT_EQ(asset.child("Template").text().get(), art);
        EXPECT_EQ(childNames(values), art == "WarShip" ? war : trade);
        // No block is an empty shell except the pause marker.
        for (const auto& block : values.children()) {
            if (std::string(block.name()) != "Pausable") {
                EXPECT_TRUE(block.first_child()) << block.name();
            }
        }
        // What creation copies into the index must agree with the record.
        EXPECT_EQ(text(values, "Standard/WorkForce"), entry.attribute("WorkForce").value());
        EXPECT_EQ(text(values, "Standard/WorkInt"), entry.attribute("WorkAmount").value());
        EXPECT_EQ(text(values, "Standard/IconFilename"),
                  "data/icon/" + std::string(entry.attribute("Icon").value()) + ".png");
        EXPECT_FALSE(has(values, "Standard/Base"));
    }
    EXPECT_EQ(guids, kRecordGuids);
}

TEST(DeliveredData, RecordsCarryEveryReadElementExceptTheStatedGaps) {
    const auto doc = load("ShipFull.xml");
    const std::vector<const char*> always = {"Standard/GUID",
                                             "Standard/Name",
                                             "Standard/IconFilename",
                                             "Standard/InfoDescription",
                                             "Standard/InfoText",
                                             "Standard/WorkForce",
                                             "Standard/WorkInt",
                                             "Walking/ForwardSpeed",
                                             "Walking/CargoFullFactor",
                                             "Walking/SessionTransferSpeedFactor",
                                             "Walking/Acceleration",
                                             "Walking/Deceleration",
                                             "CommandQueue/MilitaryShipPoints",
                                             "CommandQueue/TradeShipPoints",
                                             "Attackable/MaximumHitPoints",
                                             "Attackable/SelfHealPerHealTick",
                                             "Attackable/SelfHealPausedTimeIfAttacked",
                                             "Attackable/WeaponSet",
                                             "Attacker/ProjectileAsset",
                                             "Attacker/ProjectileCount",
                                             "Attacker/BaseDamage",
                                             "Attacker/AttackRange",
                                             "Attacker/LineOfSightRange",
                                             "ItemContainer/SocketCount",
                                             "ItemContainer/SlotCount",
                                             "ItemContainer/StackLimit",
                                             "ItemContainer/SocketAllocation",
                                             "Cost/Costs/Item",
                                             "Cost/InfluenceCostPoints",
                                             "Craftable/CraftingTime",
                                             "ShipMaintenance/Maintenance",
                                             "ExpeditionAttribute/ExpeditionAttributes/Item"};
    int withTurn = 0, withMorale = 0;
    for (const auto& node : doc.select_nodes("//Asset/Values")) {
        const auto values = node.node();
        const std::string guid = text(values, "Standard/GUID");
        SCOPED_TRACE(guid);
        for (const char* path : always)
            EXPECT_TRUE(has(values, path)) << path;
        EXPECT_EQ(has(values, "ItemContainer/FixedSlotContent"), guid == "100853");
        EXPECT_EQ(has(values, "Cost/InfluenceCostType"), guid != "101121");
        EXPECT_EQ(has(values, "Attacker/ReloadTime"), guid != "102428");
        withTurn += has(values, "Walking/TurnSpeedInPlace");
        withMorale += has(values, "ExpeditionAttribute/BaseMorale");
        for (const auto& item : values.select_nodes("Cost/Costs/Item"))
            EXPECT_EQ(childNames(item.node()), (std::vector<std::string>{"Ingredient", "Amount"}));
    }
    EXPECT_GT(withTurn, 0);
    EXPECT_LT(withTurn, 21);
    EXPECT_GT(withMorale, 0);
    EXPECT_LT(withMorale, 21);
}

TEST(DeliveredData, RecordsHavePerksWeaponsAndValuesWithinTheFieldBounds) {
    const auto doc = load("ShipFull.xml");
    const auto products = load("ProductList.xml");
    const auto projectiles = load("ProjectilesShortList.xml");
    for (const auto& node : doc.select_nodes("//Asset/Values")) {
        const auto values = node.node();
        const std::string guid = text(values, "Standard/GUID");
        SCOPED_TRACE(guid);
        const bool sail = isSailing(guid);
        const bool war = std::string(values.parent().child("Template").text().get()) == "WarShip";

        std::map<std::string, int> perks;
        for (const auto& item : values.select_nodes("ExpeditionAttribute/ExpeditionAttributes/Item")) {
            const std::string attribute = item.node().child("Attribute").text().get();
            if (attribute.rfind("Perk", 0) == 0) {
                ++perks[attribute];
                EXPECT_STREQ(item.node().child("Amount").text().get(), "1");
            } else if (item.node().child("Amount")) {
                const int amount = item.node().child("Amount").text().as_int();
                EXPECT_TRUE(amount >= 0 && amount <= 100) << attribute;
            }
        }
        EXPECT_EQ(perks[sail ? "PerkSailingShip" : "PerkSteamShip"], 1);
        EXPECT_EQ(perks[sail ? "PerkSteamShip" : "PerkSailingShip"], 0);
        const int roles = perks["PerkMilitaryShip"] + perks["PerkTradeShip"];
        EXPECT_EQ(roles, guid == "101121" ? 0 : 1);
        if (guid != "101121") {
            EXPECT_EQ(perks[war ? "PerkMilitaryShip" : "PerkTradeShip"], 1);
        }

        // Armed exactly when a war ship; unarmed ships keep six zeros.
        EXPECT_EQ(text(values, "Attackable/WeaponSet"), war ? "1" : "0");
        if (!war) {
            const auto attacker = values.child("Attacker");
            EXPECT_EQ(childNames(attacker).size(), 6u);
            for (const auto& c : attacker.children())
                EXPECT_STREQ(c.text().get(), "0") << c.name();
        } else {
            const std::string projectile = text(values, "Attacker/ProjectileAsset");
            EXPECT_NE(projectile, "0");
            EXPECT_TRUE(projectiles.select_node(("//Projectile[@GUID=\"" + projectile + "\"]").c_str()));
            EXPECT_GT(number(values, "Attacker/ProjectileCount"), 0);
            EXPECT_GT(number(values, "Attacker/BaseDamage"), 0);
        }
        const std::string allocation = text(values, "ItemContainer/SocketAllocation");
        EXPECT_EQ(allocation, war ? std::string("Ship;TradeShip;Warship;") + (sail ? "SailShip" : "SteamShip")
                                  : std::string("Ship;TradeShip;") + (sail ? "SailShip" : "SteamShip"));

        // Every product of the costs is one the picker knows, and no row is out of the spin bounds.
        int rows = 0;
        for (const auto& item : values.select_nodes("Cost/Costs/Item")) {
            ++rows;
            const std::string product = item.node().child("Ingredient").text().get();
            const auto entry = products.select_node(("//Product[@GUID=\"" + product + "\"]").c_str()).node();
            ASSERT_TRUE(entry) << product;
            EXPECT_STREQ(entry.attribute("Category").value(), "Ship");
            EXPECT_NE(product, "0000000");
            const int amount = item.node().child("Amount").text().as_int();
            EXPECT_TRUE(amount > 0 && amount <= 500);
        }
        EXPECT_TRUE(rows >= 2 && rows <= 7);
        if (!sail) {
            EXPECT_TRUE(values.select_node("Cost/Costs/Item[Ingredient=\"1010219\"]"))
                << "steamships need steel";
            const std::string level = text(values, "Standard/WorkForce");
            EXPECT_TRUE(level != "15000001" && level != "15000002") << "steamships need engineers or later";
        }

        const double speed = number(values, "Walking/ForwardSpeed");
        EXPECT_TRUE(speed >= 0.1 && speed <= (sail ? 65 : 90));
        const double cargo = number(values, "Walking/CargoFullFactor");
        EXPECT_TRUE(cargo >= 0.1 && cargo <= 1);
        const double session = number(values, "Walking/SessionTransferSpeedFactor");
        EXPECT_TRUE(session >= 0.1 && session <= 5);
        const double hp = number(values, "Attackable/MaximumHitPoints");
        EXPECT_TRUE(hp >= 250 && hp <= 25000);
        const double heal = number(values, "Attackable/SelfHealPerHealTick");
        EXPECT_TRUE(heal >= 0 && heal <= 15);
        const double pause = number(values, "Attackable/SelfHealPausedTimeIfAttacked");
        EXPECT_TRUE(pause >= 0 && pause <= 600000 && static_cast<long>(pause) % 1000 == 0);
        const double crafting = number(values, "Craftable/CraftingTime");
        EXPECT_TRUE(crafting >= 30000 && crafting <= 900000 && static_cast<long>(crafting) % 1000 == 0);
        EXPECT_LE(number(values, "CommandQueue/MilitaryShipPoints"), 50);
        EXPECT_LE(number(values, "CommandQueue/TradeShipPoints"), 50);
        EXPECT_LE(number(values, "ShipMaintenance/Maintenance"), 2500);
        const double stack = number(values, "ItemContainer/StackLimit");
        EXPECT_TRUE(stack >= 50 && stack <= 2500);
        EXPECT_LE(number(values, "ItemContainer/SocketCount"), 4);
        EXPECT_LE(number(values, "ItemContainer/SlotCount"), 8);
        EXPECT_LE(number(values, "Cost/InfluenceCostPoints"), 500);
        for (const char* path : {"Attacker/ProjectileCount", "Attacker/BaseDamage", "Attacker/ReloadTime",
                                 "Attacker/AttackRange", "Attacker/LineOfSightRange"})
            if (has(values, path)) {
                const std::string p = path;
                const double bound = p == "Attacker/BaseDamage"        ? 1250
                                     : p == "Attacker/ReloadTime"      ? 125
                                     : p == "Attacker/ProjectileCount" ? 50
                                                                       : 100;
                EXPECT_LE(number(values, path), bound) << path;
            }
    }
}

TEST(DeliveredData, RecordsHoldTheValuesTheWindowsShow) {
    const auto doc = load("ShipFull.xml");
    const auto values = [&](const std::string& guid) {
        return doc.select_node(("//Asset/Values[Standard/GUID=\"" + guid + "\"]").c_str()).node();
    };
    const auto schooner = values("100438");
    EXPECT_EQ(text(schooner, "Standard/Name"), "Schooner (Trade)");
    EXPECT_EQ(text(schooner, "Walking/ForwardSpeed"), "4.4");
    EXPECT_EQ(text(schooner, "ItemContainer/StackLimit"), "50");
    const auto costs = schooner.select_nodes("Cost/Costs/Item");
    ASSERT_EQ(costs.size(), 2u);
    EXPECT_STREQ(costs[0].node().child("Ingredient").text().get(), "1010196");
    EXPECT_STREQ(costs[0].node().child("Amount").text().get(), "20");
    EXPECT_STREQ(costs[1].node().child("Ingredient").text().get(), "1010210");
    EXPECT_STREQ(costs[1].node().child("Amount").text().get(), "10");
    EXPECT_EQ(text(schooner, "Cost/InfluenceCostPoints"), "2");
    const auto might =
        schooner.select_node("ExpeditionAttribute/ExpeditionAttributes/Item[Attribute=\"Might\"]");
    ASSERT_TRUE(might);
    EXPECT_FALSE(might.node().child("Amount"));
    EXPECT_EQ(
        text(schooner, "ExpeditionAttribute/ExpeditionAttributes/Item[Attribute=\"Navigation\"]/Amount"),
        "20");

    const auto clipper = values("100441");
    EXPECT_EQ(text(clipper, "Cost/Costs/Item[1]/Ingredient"), "1010196");
    EXPECT_EQ(text(clipper, "Cost/Costs/Item[1]/Amount"), "40");
    EXPECT_EQ(text(clipper, "Cost/Costs/Item[2]/Ingredient"), "1010210");
    EXPECT_EQ(text(clipper, "Cost/Costs/Item[2]/Amount"), "30");

    EXPECT_EQ(text(values("1010062"), "Walking/ForwardSpeed"), "5.2");

    const auto gunboat = values("100437");
    EXPECT_EQ(text(gunboat, "Attacker/BaseDamage"), "105");
    EXPECT_EQ(text(gunboat, "Attacker/ReloadTime"), "50");
    EXPECT_EQ(text(gunboat, "Attacker/AttackRange"), "40");
    EXPECT_EQ(text(gunboat, "Attacker/LineOfSightRange"), "100");
    EXPECT_EQ(text(gunboat, "Attacker/ProjectileCount"), "2");
    EXPECT_EQ(text(gunboat, "Attacker/ProjectileAsset"), "102277");

    // Some template's cargo slow-down is stored as a plain "1".
    EXPECT_TRUE(doc.select_node("//Asset/Values[Walking/CargoFullFactor=\"1\"]"));

    // Role sanity: the frigate outruns and outguns the schooner.
    const auto frigate = values("100440");
    EXPECT_GT(number(frigate, "Walking/ForwardSpeed"), number(schooner, "Walking/ForwardSpeed"));
    EXPECT_GT(number(frigate, "Attackable/MaximumHitPoints"),
              number(schooner, "Attackable/MaximumHitPoints"));
}

TEST(DeliveredData, PristineRecordsDifferOnlyInOneDescription) {
    const std::string work = readFile(kData / "ShipFull.xml");
    const std::string pristine = readFile(kData / "ShipFullORG.xml");
    auto lines = [](const std::string& s) {
        std::vector<std::string> out;
        size_t start = 0;
        for (size_t end; (end = s.find("\r\n", start)) != std::string::npos; start = end + 2)
            out.push_back(s.substr(start, end - start));
        return out;
    };
    const auto a = lines(work), b = lines(pristine);
    ASSERT_EQ(a.size(), b.size());
    std::vector<size_t> differing;
    for (size_t i = 0; i < a.size(); ++i)
        if (a[i] != b[i])
            differing.push_back(i);
    ASSERT_EQ(differing.size(), 1u);
    EXPECT_NE(a[differing[0]].find("<InfoText>"), std::string::npos);
    EXPECT_NE(b[differing[0]].find("<InfoText>"), std::string::npos);
}

// ------------------------------------------------------------------------------------------------
// Identifier pools
// ------------------------------------------------------------------------------------------------

TEST(DeliveredData, PoolsHoldTheReservedNumbersAndTheFourSpentTriggers) {
    const std::map<std::string, long long> firsts = {{"NewShipGUIDS.xml", 2000501100LL},
                                                     {"NewTextGUIDS.xml", 2000501200LL},
                                                     {"NewTriggerGUIDS.xml", 2000501300LL}};
    const std::map<long long, std::pair<std::string, std::string>> taken = {
        {2000501300LL, {"burned", "2000501100"}},
        {2000501301LL, {"Yes", "2000501100"}},
        {2000501302LL, {"burned", "2000501101"}},
        {2000501303LL, {"burned", "2000501102"}}};
    for (const auto& [name, first] : firsts) {
        SCOPED_TRACE(name);
        const auto doc = load(name);
        const auto root = doc.child("GUID");
        long long expected = first;
        for (const auto& entry : root.children()) {
            ASSERT_STREQ(entry.name(), "GUID");
            ASSERT_EQ(attributeNames(entry), (std::vector<std::string>{"GUID", "IsUsed", "OrgGuid"}));
            EXPECT_EQ(entry.attribute("GUID").value(), std::to_string(expected));
            const auto spent = name == "NewTriggerGUIDS.xml" ? taken.find(expected) : taken.end();
            if (spent != taken.end()) {
                EXPECT_EQ(entry.attribute("IsUsed").value(), spent->second.first);
                EXPECT_EQ(entry.attribute("OrgGuid").value(), spent->second.second);
            } else {
                EXPECT_STREQ(entry.attribute("IsUsed").value(), "No");
                EXPECT_STREQ(entry.attribute("OrgGuid").value(), "0");
            }
            ++expected;
        }
        EXPECT_EQ(expected - first, 100);
    }
    // The first free trigger is the one a first new ship gets.
    const auto triggers = load("NewTriggerGUIDS.xml");
    EXPECT_STREQ(triggers.child("GUID").select_node("GUID[@IsUsed=\"No\"]").node().attribute("GUID").value(),
                 "2000501304");
}

// ------------------------------------------------------------------------------------------------
// Reference lists
// ------------------------------------------------------------------------------------------------

TEST(DeliveredData, ProductListIsTheDeliveredVocabulary) {
    const auto doc = load("ProductList.xml");
    const std::vector<std::vector<std::string>> expected = {
        {"1010017", "Münzen", "icon_resource_money_4_0", "Ship"},
        {"120008", "Holz", "icon_wood_log_0", "Ship"},
        {"1010196", "Bretter", "icon_wooden_planks_0", "Ship"},
        {"114356", "Wanzaholz", "icon_wansa_wood_0", "Ship"},
        {"1010210", "Segel", "icon_sail_0", "Ship"},
        {"114391", "Leinen", "icon_linen_fabric_0", "Ship"},
        {"1010218", "Stahlträger", "icon_beams_0", "Ship"},
        {"1010221", "Kanonen", "icon_weapons_0", "Ship"},
        {"1010223", "Schwere Geschütze", "icon_advanced_weaponry_0", "Ship"},
        {"1010224", "Dampfmaschinen", "icon_steam_machine_0", "Ship"},
        {"1010219", "Stahl", "icon_steel_0", "Ship"},
        {"1010204", "Messing", "icon_brass_0", "Ship"},
        {"1010249", "Goldbarren", "icon_gold_0", "Ship"},
        {"0000000", "Baukosten entfernen", "icon_cross_0", "Ship"},
        {"0", "keine Auswahl", "NoProduct", "notAllowed "}};
    std::vector<std::vector<std::string>> actual;
    for (const auto& p : doc.child("Productlist").children()) {
        ASSERT_STREQ(p.name(), "Product");
        EXPECT_EQ(attributeNames(p),
                  (std::vector<std::string>{"GUID", "Name", "Icon", "Category", "Position"}));
        actual.push_back({p.attribute("GUID").value(), p.attribute("Name").value(),
                          p.attribute("Icon").value(), p.attribute("Category").value()});
    }
    EXPECT_EQ(actual, expected);
    EXPECT_EQ(doc.child("Productlist").select_nodes("Product[@Category=\"Ship\"]").size(), 14u);
}

TEST(DeliveredData, ProjectileListPositionsMatchTheirPlaces) {
    const auto doc = load("ProjectilesShortList.xml");
    const std::vector<std::pair<std::string, std::string>> expected = {{"0", "keine Auswahl"},
                                                                       {"102277", "Kanone, sehr leicht"},
                                                                       {"101974", "Kanone, leicht"},
                                                                       {"102032", "Kanone, normal "},
                                                                       {"102285", "Kanone, mittel"},
                                                                       {"102267", "Kanone, schwer"},
                                                                       {"102033", "Kanone, sehr schwer"},
                                                                       {"102405", "Flammenwerfer"}};
    size_t i = 0;
    for (const auto& p : doc.child("Projectiles").children()) {
        ASSERT_LT(i, expected.size());
        EXPECT_EQ(attributeNames(p), (std::vector<std::string>{"GUID", "Name", "Pos"}));
        EXPECT_EQ(p.attribute("GUID").value(), expected[i].first);
        EXPECT_EQ(p.attribute("Name").value(), expected[i].second);
        EXPECT_EQ(p.attribute("Pos").value(), std::to_string(i));
        ++i;
    }
    EXPECT_EQ(i, expected.size());
    const auto normal = doc.select_node("//Projectile[@GUID=\"102032\"]").node();
    EXPECT_STREQ(normal.attribute("Pos").value(), "3");
    EXPECT_STREQ(normal.attribute("Name").value(), "Kanone, normal ");
}

TEST(DeliveredData, HelpHasEveryEntryInShape) {
    const auto doc = load("Help.xml");
    const auto texts = doc.child("TextExport").child("Texts");
    ASSERT_TRUE(texts);
    EXPECT_EQ(childNames(doc.child("TextExport")), std::vector<std::string>{"Texts"});
    const std::vector<std::pair<std::string, std::string>> headers = {
        {"0", ""},
        {"200", "Schiffstypenauswahl"},
        {"201", "Schiffsvorlagenauswahl"},
        {"202", "Schiffsdaten"},
        {"203", "Neues Schiff erstellen"},
        {"204", "Speichern"},
        {"205", "Schiff aktivieren"},
        {"206", "Schiff deaktivieren"},
        {"207", "Werftzuweisung"},
        {"208", "Schiff löschen"},
        {"300", "Schiffsbasisdaten"},
        {"301", "Schiffsbaukosten"},
        {"302", "Expeditionen"},
        {"303", "Schiffsdetails"},
        {"304", "Schiffsbewaffnung"},
        {"400", "Trefferpunkte"},
        {"401", "Selbstheilung pro (Spiel)Sekunde"},
        {"402", "Selbstheilungsstart"},
        {"403", "Bewaffung hinzufügen/entfernene"},
        {"404", "Projektiltyp/Projektilanzahl"},
        {"405", "Schaden pro Schuss"},
        {"406", "Nachladedauer"},
        {"407", "Angriffsreichweite"},
        {"408", "Reaktionsreichweite"},
        {"420", "Schiffsgeschwindigkeit"},
        {"421", "Frachteverlangsamung"},
        {"422", "Sessionwechselgeschwindigkeit"},
        {"423", "Militärpunkte"},
        {"424", "Handelspunkte"},
        {"425", "Betriebskosten"},
        {"426", "Bauzeit"},
        {"427", "Ladekammern"},
        {"428", "Itemslots"},
        {"429", "Ladekapazität"},
        {"440", "Baukosten"},
        {"441", "Einflusskosten"},
        {"450", "Schiffsname"},
        {"451", "Schiffstext"},
        {"452", "Freigabeoptionen"},
        {"500", "Materialwahl"},
        {"501", "Originaldaten"},
        {"600", ""}};
    size_t i = 0;
    int comments = 0;
    for (const auto& node : texts.children()) {
        if (node.type() == pugi::node_comment) {
            ++comments;
            continue;
        }
        ASSERT_LT(i, headers.size());
        SCOPED_TRACE(headers[i].first);
        EXPECT_EQ(childNames(node), (std::vector<std::string>{"GUID", "Header", "Text1", "Text2", "Text3"}));
        EXPECT_EQ(node.child("GUID").text().get(), headers[i].first);
        EXPECT_EQ(node.child("Header").text().get(), headers[i].second);
        const std::string guid = headers[i].first;
        if (guid == "0") {
            for (const char* t : {"Text1", "Text2", "Text3"})
                EXPECT_STREQ(node.child(t).text().get(), "");
        } else if (guid == "208") {
            EXPECT_STRNE(node.child("Text1").text().get(), "");
            EXPECT_STREQ(node.child("Text2").text().get(), "");
            EXPECT_STREQ(node.child("Text3").text().get(), "");
        } else if (guid == "600") {
            for (const char* t : {"Text1", "Text2", "Text3"})
                EXPECT_STRNE(node.child(t).text().get(), "");
        } else {
            EXPECT_STRNE(node.child("Text1").text().get(), "");
        }
        ++i;
    }
    EXPECT_EQ(i, headers.size());
    EXPECT_GE(comments, 3);

    auto entry = [&](const char* guid, const char* element) {
        return std::string(doc.select_node((std::string("//Text[GUID=\"") + guid + "\"]/" + element).c_str())
                               .node()
                               .text()
                               .get());
    };
    EXPECT_EQ(entry("203", "Text1"),
              "Dieser Schalter erzeugt aus der ausgewählten Schiffsvorlage ein neues Schiff, "
              "das Sie unmittelbar nach Erzeugung im Datenbereich bearbeiten können.");
    EXPECT_EQ(entry("203", "Text2"),
              "Den Status des aktuell ausgewählten Schiffes visualisiert der Hintergrund der "
              "Schiffsdatenanzeige. (dunkelrot=bearbeiten, beige=nicht bearbeiten)");
    EXPECT_EQ(entry("203", "Text3"), "");
    EXPECT_EQ(entry("204", "Text1"), "Speichert Ihre Änderungen am neuen Schiff. Wenn Sie Änderungen nicht "
                                     "speichern gehen diese verloren.");
    EXPECT_EQ(entry("204", "Text2"), "Die gespeicherten Änderungen werden auch in das aktivierte Schiff im "
                                     "Mods-Verzeichnis übertragen, sofern das Schiff bereits aktiviert ist.");
    EXPECT_EQ(entry("204", "Text3"), "");
}

// The help of the name box says what the box's key filter takes: no umlauts, no "0", 36 characters.
TEST(DeliveredData, ShipNameHelpTellsWhatTheNameBoxTakes) {
    const auto doc = load("Help.xml");
    const auto entry = doc.select_node("//Text[GUID=\"450\"]").node();
    const std::string help = std::string(entry.child_value("Text1")) + " " + entry.child_value("Text2");
    for (const char32_t refused : std::u32string_view(U"äöüÄÖÜß0"))
        EXPECT_FALSE(ms::acceptsTypedChar(ms::TextBox::ShipName, refused, 0));
    for (const char32_t taken : std::u32string_view(U"aZ19 -()[]"))
        EXPECT_TRUE(ms::acceptsTypedChar(ms::TextBox::ShipName, taken, 0));
    EXPECT_EQ(help.find("Umlaute sind erlaubt"), std::string::npos) << help;
    EXPECT_NE(help.find("ohne Umlaute und ß"), std::string::npos) << help;
    EXPECT_NE(help.find("Ziffern 1 bis 9"), std::string::npos) << help;
    EXPECT_NE(help.find("runde und eckige Klammern"), std::string::npos) << help;
    const std::string limit = std::to_string(ms::typedLengthLimit(ms::TextBox::ShipName)) + " Zeichen";
    EXPECT_NE(help.find(limit), std::string::npos) << help;
}

// ------------------------------------------------------------------------------------------------
// Bytes on disk
// ------------------------------------------------------------------------------------------------

TEST(DeliveredData, FilesHaveTheirFixedBytes) {
    expectLayout("ShipShort.xml", false, "<?xml version=\"1.0\"?>");
    expectLayout("ShipFull.xml", false, "<?xml version=\"1.0\"?>");
    expectLayout("ShipFullORG.xml", false, "<?xml version=\"1.0\"?>");
    for (const char* pool : {"NewShipGUIDS.xml", "NewTextGUIDS.xml", "NewTriggerGUIDS.xml"})
        expectLayout(pool, false, "<?xml version=\"1.0\" encoding=\"UTF-8\"?>");
    expectLayout("ProductList.xml", true, "<?xml version=\"1.0\" encoding=\"UTF-8\"?>");
    expectLayout("ProjectilesShortList.xml", true, "<?xml version=\"1.0\" encoding=\"UTF-8\"?>");
    expectLayout("Help.xml", false, "<?xml version=\"1.0\"?>");
    // One tab per index entry.
    EXPECT_NE(readFile(kData / "ShipShort.xml").find("\r\n\t<Ship GUID=\"100438\""), std::string::npos);
}

TEST(DeliveredData, EveryXmlFileIsWellFormedForAnIndependentParser) {
    if (std::system("command -v xmllint >/dev/null 2>&1") != 0)
        GTEST_SKIP() << "xmllint is not installed";
    int files = 0;
    for (const auto& entry : fs::recursive_directory_iterator(kData)) {
        if (!entry.is_regular_file() || entry.path().extension() != ".xml")
            continue;
        ++files;
        const std::string command = "xmllint --noout '" + entry.path().string() + "' 2>&1";
        EXPECT_EQ(std::system(command.c_str()), 0) << entry.path();
    }
    EXPECT_GE(files, 9);
}
