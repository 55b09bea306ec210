#include "NewShipTestSupport.h"

#include "lifecycle/NumberFieldSpec.h"
#include "lifecycle/ShipDesign.h"
#include "lifecycle/ShipSave.h"
#include "shell/Error.h"
#include "store/ShipIndex.h"

#include <algorithm>
#include <sys/stat.h>

namespace {

namespace fs = std::filesystem;
using mstest::markup;

// The fields a round trip compares: every design field, the base data and the projectile's place.
std::vector<std::string> comparedFields() {
    std::vector<std::string> out(ms::shipDesignFields().begin(), ms::shipDesignFields().end());
    for (const char* f : {"NewShipNameText", "NewShipTextText", "WorkForceGUID", "WorkAmount",
                          "WeaponProjectileTypeCombo", "SetWeaponPanel"})
        out.emplace_back(f);
    return out;
}

void replaceOnce(std::string& text, const std::string& from, const std::string& to) {
    const size_t at = text.find(from);
    ASSERT_NE(at, std::string::npos) << from;
    text.replace(at, from.size(), to);
}

class ShipDesignTest : public mstest::NewShipTest {
  protected:
    // A gunboat from the second creation (so its identifiers differ from a fresh directory's first),
    // with costs, weapons, speed, expedition values and workforce changed, saved, then its design.
    std::string makeEditedShip() {
        create("100437");
        const std::string guid = create("100437");
        ms::ShipForm form = show(guid);
        form.set("NewShipNameText", "Sturmvogel II");
        form.set("NewShipTextText", "Schnell und wendig,\r\nfür Kenner.");
        form.set("WorkForceGUID", "15000002");
        form.set("WorkAmount", "250");
        form.set("CostGUID2", "1010221");
        form.set("CostSpin2", "4");
        form.set("InfluenceCostPoints", "7");
        form.set("WeaponMaxHitpoints", "3000");
        form.set("WeaponSelfHealPerSec", "1,5");
        form.set("WeaponProjectileTypeCombo", "6");
        form.set("WeaponBaseDamage", "90");
        form.set("ForwardSpeed", "5,5");
        form.set("CraftingTime", "200");
        form.set("MightInt", "35");
        form.set("NavigationInt", "40");
        ms::SaveShip(m_xmla, form);
        return guid;
    }

    fs::path saveDesign(const std::string& guid) {
        const fs::path file = m_dir.path() / "Sturmvogel.spantora";
        ms::SaveShipDesign(m_xmla, guid, file);
        return file;
    }

    std::string load(const fs::path& file, const fs::path& xmla) {
        const auto guid = ms::LoadShipDesign(xmla, file, m_messages);
        if (!guid)
            throw std::runtime_error("loading refused by a pool");
        return *guid;
    }

    // The refusal's message; every file of the data directory as it was.
    std::string expectRefused(const fs::path& file) {
        const auto before = snapshot();
        std::string message;
        try {
            ms::LoadShipDesign(m_xmla, file, m_messages);
            ADD_FAILURE() << "not refused";
        } catch (const ms::Error& e) {
            message = e.what();
        }
        EXPECT_EQ(snapshot(), before);
        EXPECT_TRUE(m_messages.shown.empty());
        return message;
    }
};

TEST_F(ShipDesignTest, RoundTripIntoFreshDataDirectoryKeepsValuesWithNewIdentifiers) {
    const std::string guid = makeEditedShip();
    const fs::path file = saveDesign(guid);
    ms::ReloadShipDocuments(m_xmla);
    const ms::ShipForm original = ms::LoadShipForm(guid, true);
    const std::string originalRecord = markup(ms::FindShipValues(guid));

    mstest::TempDir other;
    const fs::path target = mstest::copyDeliveredData(other.path());
    ms::OpenSharedDocuments(target);
    const std::string loaded = load(file, target);
    const ms::ShipForm copy = ms::LoadShipForm(loaded, true);

    for (const std::string& field : comparedFields())
        EXPECT_EQ(copy.text(field), original.text(field)) << field;
    EXPECT_EQ(copy.text("NewShipNameText"), "Sturmvogel II");
    EXPECT_EQ(copy.text("ForwardSpeed"), "5.5");
    EXPECT_EQ(copy.context.templateGuid, "100437");

    // The new installation's identifiers, and otherwise the same record byte for byte.
    EXPECT_EQ(guid, "2000501101");
    EXPECT_EQ(loaded, "2000501100");
    const pugi::xml_node entry = ms::FindShipEntryQuoted(ms::ShipIndexRoot(), loaded);
    EXPECT_EQ(ms::ShipValue(entry, ms::kShipInfoGuid), "2000501200");
    EXPECT_EQ(ms::ShipValue(entry, ms::kShipTriggerGuid), "2000501304");
    std::string record = markup(ms::FindShipValues(loaded));
    replaceOnce(record, "<GUID>2000501100<", "<GUID>2000501101<");
    replaceOnce(record, "<InfoDescription>2000501200<", "<InfoDescription>2000501201<");
    EXPECT_EQ(record, originalRecord);
}

TEST_F(ShipDesignTest, FileIsCrLfXmlWithoutSourceIdentifiers) {
    const std::string guid = makeEditedShip();
    const std::string bytes = mstest::readFile(saveDesign(guid));
    EXPECT_EQ(
        bytes.rfind("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\r\n<SpantoraShipDesign Version=\"1\">\r\n"
                    "  <Template>100437</Template>\r\n  <Name>Sturmvogel II</Name>\r\n",
                    0),
        0u)
        << bytes;
    EXPECT_NE(bytes.find("    <CostGUID2>1010221</CostGUID2>\r\n"), std::string::npos);
    EXPECT_NE(bytes.find("Schnell und wendig,\r\nfür Kenner."), std::string::npos);
    EXPECT_EQ(std::count(bytes.begin(), bytes.end(), '\n'), std::count(bytes.begin(), bytes.end(), '\r'));
    pugi::xml_document index;
    mstest::loadDoc(index, m_xmla / "ShipShort.xml");
    const pugi::xml_node entry = ms::FindShipEntryQuoted(index.document_element(), guid);
    for (int attr : {ms::kShipGuid, ms::kShipInfoGuid, ms::kShipTriggerGuid}) {
        const std::string id = ms::ShipValue(entry, attr);
        ASSERT_EQ(id.size(), 10u);
        EXPECT_EQ(bytes.find(id), std::string::npos) << id;
    }
}

TEST_F(ShipDesignTest, EveryNumberFieldOfThePanelsTravels) {
    const auto fields = ms::shipDesignFields();
    for (const ms::NumberFieldSpec& spec : ms::numberFieldSpecs()) {
        if (spec.name != "WorkAmount")
            EXPECT_NE(std::find(fields.begin(), fields.end(), spec.name), fields.end()) << spec.name;
    }
}

TEST_F(ShipDesignTest, LoadingTwiceGivesTwoShips) {
    const fs::path file = saveDesign(makeEditedShip());
    const std::string first = load(file, m_xmla);
    const std::string second = load(file, m_xmla);
    EXPECT_NE(first, second);
    EXPECT_EQ(show(first).text("NewShipNameText"), "Sturmvogel II");
    EXPECT_EQ(show(second).text("NewShipNameText"), "Sturmvogel II");
    EXPECT_EQ(ms::CountNewShips(ms::ShipIndexRoot()), 4u);
}

struct Refusal {
    const char* name;
    std::string from; // empty: the whole file becomes `to`
    std::string to;
    const char* message;
};

TEST_F(ShipDesignTest, RefusalsNameTheProblemAndChangeNoFile) {
    const std::string guid = makeEditedShip();
    const std::string good = mstest::readFile(saveDesign(guid));
    const std::vector<Refusal> cases{
        {"unknown template", "<Template>100437<", "<Template>999999<", "Schiffsvorlage 999999 gibt es"},
        {"new ship as template", "<Template>100437<", "<Template>" + guid + "<",
         "gibt es in diesen Daten nicht"},
        {"value out of bounds", "<CraftingTime>200<", "<CraftingTime>901<",
         "liegt nicht zwischen 30 und 900"},
        {"speed beyond the sail bound", "<ForwardSpeed>5.5<", "<ForwardSpeed>80<", "zwischen 0,1 und 65"},
        {"not a number", "<WeaponBaseDamage>90<", "<WeaponBaseDamage>viel<", "\"viel\" im Feld \"Schaden"},
        {"decimal not a number", "<ForwardSpeed>5.5<", "<ForwardSpeed>5..5<", "ist keine Zahl"},
        {"missing field", "<CraftingTime>200</CraftingTime>", "", "fehlt das Feld \"Bauzeit (sek.)\""},
        {"missing name", "<Name>Sturmvogel II</Name>", "", "fehlt das Feld \"Schiffsname\""},
        {"missing product", "<CostGUID2>1010221</CostGUID2>", "",
         "fehlt das Feld \"Produkt der Baukosten Zeile 3\""},
        {"name the box refuses", "<Name>Sturmvogel II<", "<Name>Sturm/vogel<", "Zeichen \"/\""},
        {"name with umlaut", "<Name>Sturmvogel II<", "<Name>Möwe<", "Zeichen \"ö\""},
        {"name too long", "<Name>Sturmvogel II<", "<Name>" + std::string(37, 'a') + "<", "länger als 36"},
        {"empty name", "<Name>Sturmvogel II<", "<Name><", "Schiffsname ist leer"},
        {"control in description", "Schnell", "&#1;Schnell", "Steuerzeichen \"\\u0001\""},
        {"control in the name", "<Name>Sturmvogel II<", "<Name>Sturm&#1;vogel<",
         "der Schiffsname \"Sturm\\u0001vogel\" enthält das Zeichen \"\\u0001\""},
        {"no-break space in the name", "<Name>Sturmvogel II<", "<Name>Sturm\u00A0vogel<",
         "der Schiffsname \"Sturm⍽vogel\" enthält das Zeichen \"⍽\" (U+00A0)"},
        {"unknown population", "<WorkForce>15000002<", "<WorkForce>1<", "Bevölkerungsstufe \"1\""},
        {"unknown product", "<CostGUID2>1010221<", "<CostGUID2>4711<", "Produkt 4711"},
        {"amount without product", "<CostSpin3>0<", "<CostSpin3>5<", "Zeile 4"},
        {"unknown projectile", "<WeaponProjectileTypeGUID>102033<", "<WeaponProjectileTypeGUID>5<",
         "Waffentyp 5"},
        {"perk of no kind", "<ExpeditionPerk1>PerkSailingShip<", "<ExpeditionPerk1>PerkFlying<",
         "\"PerkFlying\" im Feld \"Expeditionsmerkmal Antrieb\" ist ungültig"},
        {"product GUID of no form", "<CostGUID2>1010221<", "<CostGUID2>x1<",
         "\"x1\" im Feld \"Produkt der Baukosten Zeile 3\" ist ungültig"},
        // Numbers no longer than the field holds, whatever lies between the bounds.
        {"500,000 digits", "<ForwardSpeed>5.5<", "<ForwardSpeed>1." + std::string(500000, '0') + "1<",
         "im Feld \"Geschwindigkeit Faktor\" ist länger als 4 Zeichen"},
        {"leading zeros", "<CraftingTime>200<", "<CraftingTime>" + std::string(200, '0') + "200<",
         "im Feld \"Bauzeit (sek.)\" ist länger als 3 Zeichen"},
        // Combinations the window cannot make.
        {"steam perk on a sailing ship", "<ExpeditionPerk1>PerkSailingShip<",
         "<ExpeditionPerk1>PerkSteamShip<",
         "im Feld \"Expeditionsmerkmal Antrieb\" steht \"Dampfschiff\", die Schiffsvorlage 100437 hat aber "
         "\"Segelschiff\""},
        {"sailing perk on a steamship", "<Template>100437<", "<Template>100442<",
         "steht \"Segelschiff\", die Schiffsvorlage 100442 hat aber \"Dampfschiff\""},
        {"role perk of another class", "<ExpeditionPerk2>PerkMilitaryShip<",
         "<ExpeditionPerk2>PerkTradeShip<", "\"Expeditionsmerkmal Schiffsart\" steht \"Handelsschiff\""},
        {"unarmed with projectile and damage", "<WeaponSet>1<", "<WeaponSet>0<",
         "unbewaffnet, hat aber im Feld \"Projektilanzahl\" den Wert \"2\""},
        // Content a design never has.
        {"element in the name", "<Name>Sturmvogel II<", "<Name>Sturm<b/>vogel<",
         "das Feld \"Schiffsname\" enthält das Element \"b\""},
        {"element in an amount", "<CostSpin2>4<", "<CostSpin2>3<x/>7<",
         "das Feld \"Baukosten Zeile 3\" enthält das Element \"x\""},
        {"element in the description", "für Kenner.", "<i>für</i> Kenner.",
         "das Feld \"Beschreibungstext\" enthält das Element \"i\""},
        {"comment inside a field", "<Name>Sturmvogel II<", "<Name>Sturm<!-- -->vogel<", "auch Kommentare"},
        {"attribute on a field", "<SlotCount>", "<SlotCount Anzahl=\"9\">",
         "das Feld \"Ladekammern\" hat das unbekannte Attribut \"Anzahl\""},
        {"text after the root", "</SpantoraShipDesign>", "</SpantoraShipDesign>Nachtrag",
         "nach dem Ende des Entwurfs folgt noch Text"},
        {"second root", "</SpantoraShipDesign>", "</SpantoraShipDesign><SpantoraShipDesign Version=\"1\"/>",
         "folgt ein weiteres Element \"SpantoraShipDesign\""},
        {"DOCTYPE with an entity", "<SpantoraShipDesign ",
         "<!DOCTYPE SpantoraShipDesign [<!ENTITY n \"Sturm\">]><SpantoraShipDesign ", "(DOCTYPE)"},
        {"processing instruction", "<Values>", "<?dichter Reim?><Values>", "Verarbeitungsanweisung"},
        {"text between the fields", "<Values>", "Kanonen<Values>", "Text außerhalb der Felder"},
        {"unknown top-level element", "<Values>", "<Kanonen>9</Kanonen><Values>", "\"Kanonen\" kennt"},
        {"unknown root attribute", "Version=\"1\"", "Version=\"1\" Autor=\"Kapitän\"",
         "unbekannte Attribut \"Autor\""},
        {"attribute on the values", "<Values>", "<Values Art=\"alt\">", "unbekannte Attribut \"Art\""},
        {"field twice", "<SlotCount>", "<SlotCount>1</SlotCount><SlotCount>", "mehr als einmal"},
        {"unknown field", "<SlotCount>", "<Cannons>9</Cannons><SlotCount>", "\"Cannons\" kennt"},
        {"higher version", "Version=\"1\"", "Version=\"2\"", "Version 2, dieses Programm"},
        {"huge version", "Version=\"1\"", "Version=\"99999999999999999999\"", "bis zur Version 1"},
        {"no version", " Version=\"1\"", "", "fehlt die Angabe Version"},
        {"other root", "", "<ShipDesign Version=\"1\"/>", "kein Schiffsentwurf"},
        {"not XML", "", "Sturmvogel, 20 Bretter", "kein Schiffsentwurf, sie enthält kein XML-Element"},
        {"unclosed root", "</SpantoraShipDesign>", "",
         "kein gültiges XML: unerwartetes Dateiende, ein Element ist nicht geschlossen (Zeichen "},
        {"mismatched end tag", "</Name>", "</Nam>",
         "kein gültiges XML: End-Tag passt nicht zum offenen Element"},
        {"bad attribute", "Version=\"1\"", "Version=1", "kein gültiges XML: fehlerhaftes Attribut (Zeichen "},
        {"empty file", "", "", "die Datei ist leer"},
        {"too large", "", std::string((1 << 20) + 1, ' '), "zu groß für einen Schiffsentwurf"},
    };
    const fs::path file = m_dir.path() / "fremd.spantora";
    for (const Refusal& c : cases) {
        SCOPED_TRACE(c.name);
        std::string bytes = c.to;
        if (!c.from.empty()) {
            bytes = good;
            replaceOnce(bytes, c.from, c.to);
        }
        mstest::writeFile(file, bytes);
        const std::string message = expectRefused(file);
        EXPECT_EQ(message.rfind("Der Schiffsentwurf \"" + file.string() + "\" wurde nicht geladen: ", 0), 0u)
            << message;
        EXPECT_NE(message.find(c.message), std::string::npos) << message;
        EXPECT_LT(message.size(), 400u) << "a quoted text is cut";
    }
}

TEST_F(ShipDesignTest, PipesAndDevicesAreRefusedWithoutBeingOpened) {
    const fs::path fifo = m_dir.path() / "x.spantora";
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    for (const fs::path& file : {fifo, fs::path("/dev/zero")})
        EXPECT_NE(expectRefused(file).find("keine gewöhnliche Datei"), std::string::npos) << file;
}

TEST_F(ShipDesignTest, NumbersAreStoredInTheirNormalForm) {
    std::string bytes = mstest::readFile(saveDesign(makeEditedShip()));
    for (const auto& [from, to] : {std::pair{"<CostSpin2>4<", "<CostSpin2>04<"},
                                   {"<ForwardSpeed>5.5<", "<ForwardSpeed>5,50<"},
                                   {"<WeaponSelfHealPerSec>1.5<", "<WeaponSelfHealPerSec>+1.<"},
                                   {"<WorkAmount>250<", "<WorkAmount>0250<"}})
        replaceOnce(bytes, from, to);
    const fs::path file = m_dir.path() / "krumm.spantora";
    mstest::writeFile(file, bytes);
    const std::string guid = load(file, m_xmla);
    ms::ReloadShipDocuments(m_xmla);
    const ms::ShipForm loaded = ms::LoadShipForm(guid, true);
    for (const auto& [field, text] : {std::pair{"CostSpin2", "4"},
                                      {"ForwardSpeed", "5.5"},
                                      {"WeaponSelfHealPerSec", "1"},
                                      {"WorkAmount", "250"}})
        EXPECT_EQ(loaded.text(field), text) << field;
}

TEST_F(ShipDesignTest, CostProductsAreThoseThePickerOffers) {
    // A product of the list that the picker does not offer, and the same product in two rows,
    // which the picker allows.
    std::string products = file("ProductList.xml");
    replaceOnce(products, "</Productlist>",
                "<Product GUID=\"1010200\" Name=\"Werkzeug\" Icon=\"icon_tools_0\" Category=\"Factory\" "
                "Position=\"16\" /></Productlist>");
    mstest::writeFile(m_xmla / "ProductList.xml", products);
    ms::OpenSharedDocuments(m_xmla);
    const std::string good = mstest::readFile(saveDesign(makeEditedShip()));
    std::string bytes = good;
    replaceOnce(bytes, "<CostGUID2>1010221<", "<CostGUID2>1010200<");
    const fs::path design = m_dir.path() / "werkzeug.spantora";
    mstest::writeFile(design, bytes);
    EXPECT_NE(expectRefused(design).find(
                  "das Produkt 1010200 in der Baukosten Zeile 3 bietet die Produktauswahl nicht an"),
              std::string::npos);
    bytes = good;
    replaceOnce(bytes, "<CostGUID2>1010221<", "<CostGUID2>1010196<");
    mstest::writeFile(design, bytes);
    EXPECT_EQ(show(load(design, m_xmla)).text("CostGUID2"), "1010196");
}

TEST_F(ShipDesignTest, UnarmedShipsDesignHasNoOffensiveValues) {
    // Typed into the fields of an unarmed ship, which arming would replace anyway.
    const std::string guid = create("100438");
    ms::ShipForm form = show(guid);
    form.set("WeaponBaseDamage", "90");
    ms::SaveShip(m_xmla, form);
    const fs::path design = saveDesign(guid);
    EXPECT_NE(mstest::readFile(design).find("<WeaponBaseDamage>0<"), std::string::npos);
    EXPECT_EQ(show(load(design, m_xmla)).text("WeaponBaseDamage"), "0");
}

TEST_F(ShipDesignTest, UnsavedEditsAreThoseADesignWouldShow) {
    const std::string guid = makeEditedShip();
    ms::ShipForm shown = show(guid);
    EXPECT_FALSE(ms::ShipDesignHasUnsavedEdits(shown));
    shown.set("ForwardSpeed", "5,50"); // the same number
    EXPECT_FALSE(ms::ShipDesignHasUnsavedEdits(shown));
    shown.set("NewShipNameText", "Sturmvogel III");
    EXPECT_TRUE(ms::ShipDesignHasUnsavedEdits(shown));
}

TEST_F(ShipDesignTest, ExhaustedPoolDuringLoadingLeavesNothingBehind) {
    const fs::path design = saveDesign(makeEditedShip());
    std::string pool = file("NewShipGUIDS.xml");
    for (size_t at = pool.find("\"No\""); at != std::string::npos; at = pool.find("\"No\""))
        pool.replace(at, 4, "\"Yes\"");
    mstest::writeFile(m_xmla / "NewShipGUIDS.xml", pool);
    const auto before = snapshot();
    EXPECT_FALSE(ms::LoadShipDesign(m_xmla, design, m_messages));
    ASSERT_EQ(m_messages.shown.size(), 1u);
    EXPECT_EQ(m_messages.shown[0].header, "Kontingent erschöpft");
    EXPECT_EQ(snapshot(), before);
}

TEST_F(ShipDesignTest, FailedSaveAfterCreationPutsEveryFileBack) {
    const fs::path design = saveDesign(makeEditedShip());
    // A template record the creation copies but the save cannot write (no WeaponSet).
    std::string assets = file("ShipFull.xml");
    replaceOnce(assets, "<WeaponSet>", "<WeaponSetGone>");
    replaceOnce(assets, "</WeaponSet>", "</WeaponSetGone>");
    mstest::writeFile(m_xmla / "ShipFull.xml", assets);
    EXPECT_NE(expectRefused(design).find("WeaponSet"), std::string::npos);
}

TEST_F(ShipDesignTest, DesignOfANameTheBoxRefusesIsNotWritten) {
    const std::string guid = create("150000"); // "Königl. Linienschiff (neu)"
    const fs::path file = m_dir.path() / "k.spantora";
    EXPECT_THROW(ms::SaveShipDesign(m_xmla, guid, file), ms::Error);
    EXPECT_FALSE(fs::exists(file));
}

TEST(ShipDesignFileName, TransliteratedAndSafeForFileNames) {
    const std::pair<const char*, const char*> cases[] = {
        {"Königl. Linienschiff (neu)", "Koenigl. Linienschiff (neu).spantora"},
        {"Sturm/vogel: 2", "Sturm_vogel_ 2.spantora"},
        {" .. ", "Schiffsentwurf.spantora"},
    };
    for (const auto& [name, expected] : cases)
        EXPECT_EQ(ms::ShipDesignFileName(name), expected) << name;
}

} // namespace
