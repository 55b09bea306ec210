#pragma once

#include <map>
#include <string>
#include <string_view>
#include <vector>

namespace ms {

// What the main window knows about the ship it shows, besides the panel fields.
struct ShipContext {
    std::string guid;         // CurrentShipGuid
    std::string templateGuid; // Standard/Base, or the ship's own GUID for a template
    std::string name;         // index: Name
    std::string icon;         // index: Icon
    std::string shipClass;    // index: Art ("TradeShip" / "WarShip")
    std::string engine;       // index: Engine ("Sail" / "Steam")
    std::string isMod;        // index: IsMod ("true" / "false")
    std::string onAW;         // index: OnAW ("*" or empty)
    std::string onNW;
    std::string onEN;
    std::string description; // Standard/InfoText
    bool hasFixedCargo = false;
};

// The short German texts the panel fills compose; the mod description and the yard overview join
// them. An empty text means its record element was absent.
struct ShipSummary {
    std::vector<std::string> costLines; // "20 Bretter"
    std::string hitPoints;
    std::string selfRepair;
    std::string repairStart;
    std::string attackRange;
    std::string damage;
    std::string reload;
    std::string reactionRange;
    std::string projectileCount;
    std::string weaponType;
    std::string maxSpeed;
    std::string minSpeed;
    std::string cargoSlowdown;
    std::string sessionFactor;
    std::string militaryPoints;
    std::string tradePoints;
    std::string maintenance;
    std::string buildTime;
    std::string sockets;
    std::string cargoSlots; // not "slots": Qt headers take that word
    std::string capacity;
};

// The ship being edited: every panel field by its control name with the text it shows, plus the
// ship context and the summary texts. The fills produce it, the window shows it, the change
// markers compare it and the save reads it back.
class ShipForm {
  public:
    using Fields = std::map<std::string, std::string, std::less<>>;

    // The field's shown text; "" for a field that was never set.
    const std::string& text(std::string_view field) const;
    bool has(std::string_view field) const;
    void set(std::string_view field, std::string text);

    const Fields& fields() const { return m_fields; }

    ShipContext context;
    ShipSummary summary;

  private:
    Fields m_fields;
};

} // namespace ms
