#include "store/IdentifierPools.h"

#include "shell/Error.h"
#include "shell/Message.h"
#include "shell/XmlFile.h"
#include "store/StoreFiles.h"

#include <pugixml.hpp>

#include <vector>

namespace ms {
namespace fs = std::filesystem;

const char* const kPoolExhaustedHeader = "Kontingent erschöpft";
const char* const kShipPoolExhaustedText =
    "Sie können nicht mehr als 50 Schiffe anlegen und im Spiel verwenden.\r";
const char* const kTriggerPoolExhaustedText =
    "Sie haben insgesamt 250 Schiffe neu gestaltet und verwendet. Nunmehr ist es erforderlich das Programm "
    "vollständig zurückzusetzen,\r"
    "da das Spiel mehr Elemente nicht zulässt. Löschen Sie das Datenverzeichnis <XMLA> komplett und starten "
    "das "
    "Programm neu.\r"
    "Dadurch werden auch alle Kontrollwerte zurückgesetzt.";
const char* const kTextPoolExhaustedText =
    "Für neue Schiffe sind keine Textkennungen mehr frei, die Datei NewTextGUIDS.xml wurde verändert.\r"
    "Löschen Sie das Datenverzeichnis <XMLA> komplett und starten das Programm neu.";

namespace {
// Attribute positions of a pool entry; the format addresses them by position, not by name.
constexpr int kNumber = 0;
constexpr int kIsUsed = 1;
constexpr int kOrgGuid = 2;

// One pool file in memory, its entries checked to carry the three attributes.
class Pool {
  public:
    explicit Pool(fs::path file) : m_file(std::move(file)) {
        loadXml(m_doc, m_file, kPoolRoot);
        for (pugi::xml_node entry : m_doc.document_element().children()) {
            if (entry.type() != pugi::node_element)
                continue;
            if (!attribute(entry, kOrgGuid))
                throw Error("Die Datei \"" + m_file.string() +
                            "\" ist fehlerhaft: ein Eintrag hat nicht die drei "
                            "Attribute GUID, IsUsed und OrgGuid.");
            m_entries.push_back(entry);
        }
    }

    static pugi::xml_attribute attribute(pugi::xml_node entry, int pos) {
        pugi::xml_attribute a = entry.first_attribute();
        for (int i = 0; a && i < pos; ++i)
            a = a.next_attribute();
        return a;
    }

    pugi::xml_node firstFree() const {
        for (pugi::xml_node e : m_entries)
            if (std::string_view(attribute(e, kIsUsed).value()) == "No")
                return e;
        return {};
    }

    // Free entries belong to no ship, whatever their OrgGuid says, so a release can never burn a
    // trigger number that was not handed out.
    pugi::xml_node firstOf(std::string_view assetGuid) const {
        for (pugi::xml_node e : m_entries)
            if (std::string_view(attribute(e, kOrgGuid).value()) == assetGuid &&
                std::string_view(attribute(e, kIsUsed).value()) != "No")
                return e;
        return {};
    }

    void save() const { saveXml(m_doc, m_file, XmlKind::IdentifierPool); }

  private:
    fs::path m_file;
    pugi::xml_document m_doc;
    std::vector<pugi::xml_node> m_entries;
};

void set(pugi::xml_node entry, int pos, std::string_view text) {
    Pool::attribute(entry, pos).set_value(std::string(text).c_str());
}

void refuse(MessageSink& sink, const char* text) {
    Message m;
    m.picture = "Frage";
    m.header = kPoolExhaustedHeader;
    m.text = text;
    m.okCaption = "OK";
    sink.show(m);
}
} // namespace

std::optional<ShipIdentifiers> AllocateShipIdentifiers(const fs::path& xmlaDir, MessageSink& sink) {
    const Pool ships(xmlaDir / kShipPoolFile);
    const Pool texts(xmlaDir / kTextPoolFile);
    const Pool triggers(xmlaDir / kTriggerPoolFile);

    const pugi::xml_node ship = ships.firstFree();
    if (!ship) {
        refuse(sink, kShipPoolExhaustedText);
        return std::nullopt;
    }
    const pugi::xml_node trigger = triggers.firstFree();
    if (!trigger) {
        refuse(sink, kTriggerPoolExhaustedText);
        return std::nullopt;
    }
    // The text pool shrinks and grows with the ship pool; only an edited file runs it dry alone.
    const pugi::xml_node text = texts.firstFree();
    if (!text) {
        refuse(sink, kTextPoolExhaustedText);
        return std::nullopt;
    }

    ShipIdentifiers ids{Pool::attribute(ship, kNumber).value(), Pool::attribute(text, kNumber).value(),
                        Pool::attribute(trigger, kNumber).value()};
    for (pugi::xml_node e : {ship, text, trigger})
        set(e, kIsUsed, "Yes");
    for (pugi::xml_node e : {ship, text, trigger})
        set(e, kOrgGuid, ids.assetGuid);
    ships.save();
    texts.save();
    triggers.save();
    return ids;
}

void ReleaseShipIdentifiers(const fs::path& xmlaDir, std::string_view assetGuid) {
    const Pool ships(xmlaDir / kShipPoolFile);
    const Pool texts(xmlaDir / kTextPoolFile);
    const Pool triggers(xmlaDir / kTriggerPoolFile);

    // Taken before any change: the ship and text entries lose the OrgGuid they are found by.
    const pugi::xml_node ship = ships.firstOf(assetGuid);
    const pugi::xml_node text = texts.firstOf(assetGuid);
    // Possibly an entry burned by an earlier ship with the same number; either state keeps the
    // trigger number out of every later allocation.
    const pugi::xml_node trigger = triggers.firstOf(assetGuid);

    if (ship)
        set(ship, kIsUsed, "No");
    if (text)
        set(text, kIsUsed, "No");
    if (trigger)
        set(trigger, kIsUsed, "burned");
    if (ship)
        set(ship, kOrgGuid, "0");
    if (text)
        set(text, kOrgGuid, "0");
    ships.save();
    texts.save();
    triggers.save();
}

} // namespace ms
