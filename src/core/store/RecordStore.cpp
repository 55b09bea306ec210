#include "store/RecordStore.h"

#include "shell/Environment.h"
#include "shell/Error.h"
#include "shell/XmlFile.h"
#include "store/SharedDocuments.h"
#include "store/StoreFiles.h"
#include "store/XPathText.h"

#include <unordered_map>

namespace ms {
namespace fs = std::filesystem;

namespace {
pugi::xml_node selectElement(pugi::xml_node context, const std::string& query) {
    if (!context)
        return {};
    return context.select_node(query.c_str()).node();
}

// Element paths are the program's own constants, so their compiled form is kept; ShowShip reads a
// few dozen of them on every click.
const pugi::xpath_query& compiledPath(std::string_view path) {
    static std::unordered_map<std::string, pugi::xpath_query> cache;
    auto it = cache.find(std::string(path));
    if (it == cache.end())
        it = cache.emplace(std::string(path), pugi::xpath_query(std::string(path).c_str())).first;
    return it->second;
}

pugi::xml_node elementAt(pugi::xml_node values, std::string_view path) {
    if (!values)
        return {};
    return compiledPath(path).evaluate_node(values).node();
}

pugi::xml_node documentOf(pugi::xml_node node) {
    return node ? node.root() : pugi::xml_node();
}

// The string-value of an element: all its text, as XPath compares it.
std::string stringValue(pugi::xml_node element) {
    std::string text;
    for (pugi::xml_node n = element.first_child(); n;) {
        if (n.type() == pugi::node_pcdata || n.type() == pugi::node_cdata)
            text += n.value();
        if (n.first_child()) {
            n = n.first_child();
            continue;
        }
        while (n != element && !n.next_sibling())
            n = n.parent();
        n = n == element ? pugi::xml_node() : n.next_sibling();
    }
    return text;
}

// The test of [Standard/GUID=value] in either form, on a Values element.
struct GuidTest {
    GuidTest(std::string_view guid, GuidForm form)
        : form(form), text(guid), number(form == GuidForm::Number ? xpathNumberValue(guid) : 0) {
        if (form == GuidForm::Quoted)
            xpathString(guid); // refuses what the query form refused
    }
    bool operator()(pugi::xml_node values) const {
        for (pugi::xml_node standard : values.children("Standard"))
            for (pugi::xml_node id : standard.children("GUID")) {
                const std::string value = stringValue(id);
                if (form == GuidForm::Number ? xpathNumberValue(value) == number : value == text)
                    return true;
            }
        return false;
    }
    GuidForm form;
    std::string_view text;
    double number;
};

// "//Asset/Values[test]" and "//Asset[Values[test]]": the first match in document order, found by
// walking the elements. The XPath forms cost more than the rest of a ship's display together.
template <typename Visit> pugi::xml_node firstElement(pugi::xml_node document, const Visit& visit) {
    for (pugi::xml_node n = document.first_child(); n;) {
        if (n.type() == pugi::node_element && visit(n))
            return n;
        if (n.first_child()) {
            n = n.first_child();
            continue;
        }
        while (n && !n.next_sibling())
            n = n.parent();
        if (n)
            n = n.next_sibling();
    }
    return {};
}

pugi::xml_node findValues(pugi::xml_node anyNode, const GuidTest& test) {
    return firstElement(documentOf(anyNode), [&](pugi::xml_node n) {
        return std::string_view(n.name()) == "Values" && std::string_view(n.parent().name()) == "Asset" &&
               n.parent().type() == pugi::node_element && test(n);
    });
}
} // namespace

pugi::xml_node FindShipValues(pugi::xml_node anyNode, std::string_view guid) {
    return findValues(anyNode, GuidTest(guid, GuidForm::Number));
}
pugi::xml_node FindShipValues(std::string_view guid) {
    return FindShipValues(ShipFullDoc(), guid);
}

pugi::xml_node FindShipValuesQuoted(pugi::xml_node anyNode, std::string_view guid) {
    return findValues(anyNode, GuidTest(guid, GuidForm::Quoted));
}
pugi::xml_node FindShipValuesQuoted(std::string_view guid) {
    return FindShipValuesQuoted(ShipFullDoc(), guid);
}

pugi::xml_node FindShipAsset(pugi::xml_node anyNode, std::string_view guid, GuidForm form) {
    const GuidTest test(guid, form);
    return firstElement(documentOf(anyNode), [&](pugi::xml_node n) {
        if (std::string_view(n.name()) != "Asset")
            return false;
        for (pugi::xml_node values : n.children("Values"))
            if (test(values))
                return true;
        return false;
    });
}
pugi::xml_node FindShipAsset(std::string_view guid, GuidForm form) {
    return FindShipAsset(ShipFullDoc(), guid, form);
}

pugi::xml_node FindBaseOf(std::string_view guid) {
    return selectElement(ShipFullDoc(), "//Asset/Values/Standard[GUID=" + xpathNumber(guid) + "]/Base");
}

pugi::xml_node FindTemplateValues(pugi::xml_node shipValues) {
    if (!shipValues)
        return {};
    std::optional<std::string> base = ReadText(shipValues, "Standard/Base");
    if (!base)
        base = ReadText(shipValues, "Standard/GUID");
    if (!base)
        return {};
    return FindShipValues(ShipFullOrgDoc(), *base);
}

std::optional<std::string> ReadText(pugi::xml_node values, std::string_view path) {
    const pugi::xml_node element = elementAt(values, path);
    if (!element)
        return std::nullopt;
    return std::string(element.text().get());
}

bool WriteText(pugi::xml_node values, std::string_view path, std::string_view text) {
    pugi::xml_node element = elementAt(values, path);
    if (!element)
        return false;
    element.text().set(std::string(text).c_str());
    return true;
}

void SaveShipDocuments(const fs::path& xmlaDir) {
    // Checked before the first write: an unopened document would overwrite its file with nothing.
    const struct {
        const pugi::xml_document& doc;
        fs::path file;
        XmlKind kind;
    } targets[] = {
        {ShipFullDoc(), xmlaDir / kShipFullFile, XmlKind::ShipAssets},
        {ShipFullOrgDoc(), findCaseInsensitive(xmlaDir, kShipFullOrgFile), XmlKind::ShipAssets},
        {ShipIndexDoc(), xmlaDir / kShipIndexFile, XmlKind::ShipIndex},
    };
    for (const auto& t : targets)
        if (!t.doc.document_element())
            throw Error("Die Datei \"" + t.file.string() +
                        "\" ist nicht geöffnet und wird nicht gespeichert.");
    for (const auto& t : targets)
        saveXml(t.doc, t.file, t.kind);
}

} // namespace ms
