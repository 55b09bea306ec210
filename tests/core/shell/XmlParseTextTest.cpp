#include "shell/XmlParseText.h"
#include "shell/Error.h"
#include "shell/XmlFile.h"

#include <gtest/gtest.h>

#include <cstring>
#include <set>

namespace {

TEST(XmlParseTextTest, EachStatusHasItsOwnGermanText) {
    const std::string unknown(ms::xmlParseStatusText(static_cast<pugi::xml_parse_status>(-1)));
    std::set<std::string_view> texts;
    for (int s = pugi::status_ok; s <= pugi::status_no_document_element; ++s) {
        const auto status = static_cast<pugi::xml_parse_status>(s);
        pugi::xml_parse_result english;
        english.status = status;
        const std::string_view text = ms::xmlParseStatusText(status);
        EXPECT_NE(text, unknown) << s;
        EXPECT_NE(text, english.description()) << s;
        texts.insert(text);
    }
    EXPECT_EQ(texts.size(), pugi::status_no_document_element + 1u);
    EXPECT_EQ(ms::xmlParseStatusText(pugi::status_bad_cdata), "fehlerhafter CDATA-Abschnitt");
    EXPECT_EQ(ms::xmlParseStatusText(pugi::status_no_document_element), "kein XML-Element gefunden");
}

TEST(XmlParseTextTest, FaultsNameThePlaceAndAnEarlyEnd) {
    const std::pair<const char*, const char*> cases[] = {
        {"<a><b></a>", "End-Tag passt nicht zum offenen Element (Zeichen 8)"},
        {"<a><b></b>", "unerwartetes Dateiende, ein Element ist nicht geschlossen (Zeichen 9)"},
        {"<a x=1></a>", "fehlerhaftes Attribut (Zeichen 5)"},
        {"<a></a", "unerwartetes Dateiende (fehlerhaftes End-Tag) (Zeichen 5)"},
        {"<a><!-- x", "unerwartetes Dateiende (fehlerhafter Kommentar) (Zeichen 8)"},
        {"<a><!DOCTYPE x></a>", "fehlerhafte Dokumenttyp-Deklaration (Zeichen 3)"},
        {"<a>< b/></a>", "unbekannte Art von Tag (Zeichen 4)"},
        {"<a>&#xZZZZZZZZZZ;</a><", "unerwartetes Dateiende (unbekannte Art von Tag) (Zeichen 21)"},
    };
    for (const auto& [xml, fault] : cases) {
        pugi::xml_document doc;
        const pugi::xml_parse_result result = doc.load_buffer(xml, std::strlen(xml));
        EXPECT_EQ(ms::xmlParseFault(result, std::strlen(xml)), fault) << xml;
    }
}

TEST(XmlParseTextTest, DataFilesReportTheGermanText) {
    pugi::xml_document doc;
    try {
        ms::loadXmlFromString(doc, "<Ships><Ship></Ships>", "ShipShort.xml");
        ADD_FAILURE() << "not refused";
    } catch (const ms::Error& e) {
        EXPECT_STREQ(e.what(), "Die Datei \"ShipShort.xml\" ist fehlerhaft: End-Tag passt nicht zum offenen "
                               "Element (Zeichen 15).");
    }
}

} // namespace
