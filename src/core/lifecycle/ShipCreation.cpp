#include "lifecycle/ShipCreation.h"

#include "lifecycle/StoredFieldNumber.h"
#include "shell/AtomicFile.h"
#include "shell/Error.h"
#include "shell/Journal.h"
#include "shell/XmlFile.h"
#include "store/RecordStore.h"
#include "store/ShipIndex.h"
#include "store/StoreFiles.h"

#include <array>
#include <cctype>

namespace ms {
namespace fs = std::filesystem;

namespace {

constexpr const char* NewNameSuffix = " (neu)";
constexpr const char* NothingCreated = "Es wurde kein neues Schiff angelegt.";

// Standard elements the copy is given new content in; a template without them would give a new
// ship that carries its template's identity.
constexpr std::array<const char*, 3> IdentityPaths{"Standard/GUID", "Standard/Name",
                                                   "Standard/InfoDescription"};

} // namespace

std::optional<CreatedShip> CreateNewShip(const fs::path& xmlaDir, const NewShipFields& fields,
                                         MessageSink& sink) {
    const fs::path assetFile = xmlaDir / kShipFullFile;

    // Everything the creation needs is looked at before the pools hand out a number.
    const std::string assetBytes = readFileBytes(assetFile);
    pugi::xml_document assets;
    loadXmlFromString(assets, assetBytes, assetFile.string());
    const pugi::xml_node templateAsset = FindShipAsset(assets, fields.templateShipGuid, GuidForm::Quoted);
    const pugi::xml_node templateValues = templateAsset.child("Values");
    if (!templateAsset || !templateValues)
        throw Error("Die Schiffsvorlage \"" + fields.templateShipGuid + "\" fehlt in der Datei " +
                    kShipFullFile + ", es wurde kein neues Schiff angelegt.");
    for (const char* path : IdentityPaths)
        if (!ReadText(templateValues, path))
            throw Error("Im Datensatz der Schiffsvorlage \"" + fields.templateShipGuid +
                        "\" fehlt das Element " + path + ", es wurde kein neues Schiff angelegt.");
    const std::string templateGuid = *ReadText(templateValues, "Standard/GUID");

    pugi::xml_document index;
    LoadShipIndex(index, xmlaDir);
    const pugi::xml_node templateEntry = FindShipEntry(index.document_element(), templateGuid);
    if (!templateEntry || !ShipAttribute(templateEntry, kShipAttrCount - 1))
        throw Error("Der Eintrag der Schiffsvorlage \"" + templateGuid + "\" fehlt in der Datei " +
                    kShipIndexFile + " oder ist unvollständig, es wurde kein neues Schiff angelegt.");

    // The unlock condition goes into the index entry and later into the mod's trigger.
    StoredFieldNumber unlockCount = StoreUnlockCount(fields.workForce, fields.workAmount);
    if (std::string& fault = unlockCount.fault; !fault.empty()) {
        fault.front() = static_cast<char>(std::toupper(static_cast<unsigned char>(fault.front())));
        throw Error(fault + " " + NothingCreated);
    }

    // The pools, the record and the index entry are committed together: a failure or a crash
    // at any write leaves every one of them as it was, so no number is lost for good.
    std::optional<CreatedShip> created;
    try {
        Journal journal(xmlaDir);
        const std::optional<ShipIdentifiers> ids = AllocateShipIdentifiers(xmlaDir, sink);
        if (!ids)
            return std::nullopt;
        created = CreatedShip{*ids, fields.name + NewNameSuffix, templateGuid};

        // The copy goes into the document the template was read from: the file is rewritten with
        // exactly its previous records plus the new one at the end.
        pugi::xml_node record = assets.document_element().append_copy(templateAsset);
        pugi::xml_node values = record.child("Values");
        WriteText(values, "Standard/GUID", ids->assetGuid);
        WriteText(values, "Standard/Name", created->name);
        WriteText(values, "Standard/InfoDescription", ids->textGuid);
        if (!values.select_node("Standard/Base"))
            values.child("Standard").append_child("Base").text().set(templateGuid.c_str());

        saveXml(assets, assetFile, XmlKind::ShipAssets);
        AddShipIndexEntry(xmlaDir, templateGuid,
                          NewShipEntry{ids->assetGuid, created->name, fields.workForce, unlockCount.text,
                                       ids->textGuid, ids->triggerGuid});
        journal.commit();
    } catch (const UnfinishedCommitError&) {
        throw; // the ship is created, only later
    } catch (const Error& e) {
        throw Error(std::string(e.what()) + "\n" + NothingCreated);
    }

    ReloadShipDocuments(xmlaDir);
    return created;
}

std::optional<CreatedShip> CreateNewShip(const fs::path& xmlaDir, const ShipForm& form, MessageSink& sink) {
    return CreateNewShip(xmlaDir,
                         NewShipFields{form.context.guid, form.text("NewShipNameText"),
                                       form.text("WorkForceGUID"), form.text("WorkAmount")},
                         sink);
}

} // namespace ms
