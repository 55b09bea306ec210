#include "lifecycle/ModExport.h"

#include "lifecycle/ModAssets.h"
#include "lifecycle/ModIcons.h"
#include "lifecycle/ModInfo.h"
#include "lifecycle/ModTexts.h"
#include "lifecycle/ShipFormLoader.h"
#include "lifecycle/StoredFieldNumber.h"
#include "lifecycle/Transliteration.h"
#include "shell/ActivatedMods.h"
#include "shell/Environment.h"
#include "shell/Error.h"
#include "shell/FileOperations.h"
#include "shell/Journal.h"
#include "shell/ModStaging.h"
#include "shell/SystemInfo.h"
#include "shell/XmlFile.h"
#include "store/RecordStore.h"
#include "store/SharedDocuments.h"
#include "store/ShipIndex.h"

namespace ms {
namespace fs = std::filesystem;

namespace {

void checkFolderName(const std::string& modName) {
    for (const char c : modName)
        if (c == '/' || c == '\\' || static_cast<unsigned char>(c) < 0x20)
            throw Error("Der Schiffsname \"" + modName +
                        "\" enthält Zeichen, die in einem Ordnernamen nicht erlaubt sind.");
}

} // namespace

std::string ShipModFolderName(const std::string& modName, const std::string& shipGuid) {
    return "[Spantora] " + modName + " (" + shipGuid + ")";
}

fs::path ActivateShip(const ShipForm& shown, const ActivationInputs& inputs) {
    const Environment& e = env();
    const fs::path xmla = e.xmlaDir;
    const std::string& guid = shown.context.guid;
    if (guid.empty())
        throw Error("Es ist kein Schiff ausgewählt.");
    const fs::path modLocation = ProvideModsFolder();

    // Everything is read and composed before the first file is written.
    const std::string modName = TransliterateUmlauts(shown.text("ShipName"));
    checkFolderName(modName);
    const std::string icon = shown.text("ShipIconLabel");
    CheckShipIcons(xmla, icon);

    ReloadShipDocuments(xmla);
    const pugi::xml_node entry = FindShipEntry(ShipIndexRoot(), guid);
    if (!entry)
        throw Error("Das Schiff " + guid + " fehlt in der Datei ShipShort.xml.");
    const std::string triggerGuid = ShipValue(entry, kShipTriggerGuid);
    const std::string textGuid = ShipValue(entry, kShipInfoGuid);
    if (triggerGuid.empty() || textGuid.empty())
        throw Error("Das Schiff " + guid +
                    " hat keine Freischalt- und Text-GUID und kann nicht aktiviert werden.");
    const pugi::xml_node asset = FindShipAsset(ShipFullRoot(), guid, GuidForm::Quoted);
    if (!asset)
        throw Error("Das Schiff " + guid + " fehlt in der Datei ShipFull.xml.");

    ModAssetsValues values;
    values.shipGuid = guid;
    values.triggerGuid = triggerGuid;
    values.modName = modName;
    // The trigger unlocks the ship in the game: its condition is checked like the save checks it.
    const StoredFieldNumber unlockCount =
        StoreUnlockCount(shown.text("WorkForceGUID"), shown.text("WorkAmount"));
    if (!unlockCount.fault.empty())
        throw Error("Das Schiff wurde nicht aktiviert: " + unlockCount.fault);
    values.workForce = shown.text("WorkForceGUID");
    values.workAmount = unlockCount.text;
    values.engine = shown.context.engine;
    values.armed = shown.text("SetWeaponPanel") == "Bewaffnung entfernen";
    const std::string userName = inputs.userName ? *inputs.userName : CurrentUserName();
    pugi::xml_document assets;
    BuildModAssets(assets, asset, values, ModHeaderLines(inputs.createdAt, userName));

    const ShipTexts texts{guid, textGuid, shown.text("NewShipNameText"), shown.text("NewShipTextText")};
    // The description tells of the ship as the data files hold it, as the window shows it again
    // right after the activation.
    const ShipForm stored = LoadShipForm(guid, e.decimalIsPoint);
    const ModInfo info{ProgramVersion(), modName, ModSummary(stored), inputs.iconPicture};

    // The new folder, the working files and the index mark are committed together: the game never
    // meets a mod the index calls not activated, nor a half-written one.
    Journal journal(xmla);
    journal.onRollback([xmla] {
        ReloadShipIndexDoc(xmla);
        ListActivatedMods();
    });
    // What an interrupted activation may have left behind: it is rebuilt anyway.
    RemoveStagingLeftovers(guid);
    const fs::path staging = modLocation / ActivationStagingName(guid);
    const fs::path target = modLocation / ShipModFolderName(modName, guid);
    try {
        // Built beside the mods, under a name no listing takes for a mod.
        const fs::path assetFolder = staging / "data" / "config" / "export" / "main" / "asset";
        CreateFolders(assetFolder);
        saveXml(assets, assetFolder / "assets.xml", XmlKind::ModAssets);
        WriteShipTexts(staging, texts);
        CopyShipIcons(xmla, staging, icon);
        saveXml(assets, xmla / (guid + ".xml"), XmlKind::ModAssets);
        WriteModInfo(xmla, staging, info);

        // It takes the place of the ship's old folders (a renamed ship leaves one under its old name).
        ListActivatedMods();
        int n = 0;
        for (const std::string& name : activatedModFolders())
            if (name.find(guid) != std::string::npos && IsFolder(modLocation / name))
                journal.remove(modLocation / name, SetAsideName(guid, n++));
        journal.moveFolder(staging, target);

        pugi::xml_document index;
        LoadShipIndex(index, xmla);
        const pugi::xml_node fresh = FindShipEntry(index.document_element(), guid);
        if (!fresh)
            throw Error("Das Schiff " + guid + " fehlt in der Datei ShipShort.xml.");
        MarkEntryActivated(fresh);
        SaveShipIndex(index, xmla);
        journal.commit();
    } catch (const UnfinishedCommitError&) {
        throw;
    } catch (...) {
        DeleteFolder(staging);
        throw;
    }
    ReloadShipIndexDoc(xmla);
    ListActivatedMods();
    return target;
}

fs::path ActivateShip(const std::string& guid, const ActivationInputs& inputs) {
    ReloadShipDocuments(env().xmlaDir);
    return ActivateShip(LoadShipForm(guid, env().decimalIsPoint), inputs);
}

} // namespace ms
