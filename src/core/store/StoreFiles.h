#pragma once

namespace ms {

// File names inside the data directory. Names are matched without regard to case when a file is
// opened (the pristine asset file is delivered as "ShipFullORG.xml").
inline constexpr const char* kShipFullFile = "ShipFull.xml";
inline constexpr const char* kShipFullOrgFile = "ShipFullOrg.xml";
inline constexpr const char* kShipIndexFile = "ShipShort.xml";
inline constexpr const char* kProductListFile = "ProductList.xml";
inline constexpr const char* kProjectileListFile = "ProjectilesShortList.xml";
inline constexpr const char* kHelpFile = "Help.xml";
inline constexpr const char* kShipPoolFile = "NewShipGUIDS.xml";
inline constexpr const char* kTextPoolFile = "NewTextGUIDS.xml";
inline constexpr const char* kTriggerPoolFile = "NewTriggerGUIDS.xml";

// Their document elements; a file with another one is refused when it is loaded.
inline constexpr const char* kShipFullRoot = "AssetList";
inline constexpr const char* kShipIndexRoot = "Ships";
inline constexpr const char* kPoolRoot = "GUID";
inline constexpr const char* kProductListRoot = "Productlist";
inline constexpr const char* kProjectileListRoot = "Projectiles";
inline constexpr const char* kHelpRoot = "TextExport";

} // namespace ms
