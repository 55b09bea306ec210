#include "shell/XmlParseText.h"

#include <array>
#include <utility>

namespace ms {

namespace {

constexpr auto StatusTexts = std::to_array<std::pair<pugi::xml_parse_status, std::string_view>>({
    {pugi::status_ok, "kein Fehler"},
    {pugi::status_file_not_found, "die Datei wurde nicht gefunden"},
    {pugi::status_io_error, "die Datei kann nicht gelesen werden"},
    {pugi::status_out_of_memory, "der Arbeitsspeicher reicht nicht"},
    {pugi::status_internal_error, "interner Fehler beim Lesen des XML"},
    {pugi::status_unrecognized_tag, "unbekannte Art von Tag"},
    {pugi::status_bad_pi, "fehlerhafte XML-Deklaration oder Verarbeitungsanweisung"},
    {pugi::status_bad_comment, "fehlerhafter Kommentar"},
    {pugi::status_bad_cdata, "fehlerhafter CDATA-Abschnitt"},
    {pugi::status_bad_doctype, "fehlerhafte Dokumenttyp-Deklaration"},
    {pugi::status_bad_pcdata, "fehlerhafter Text"},
    {pugi::status_bad_start_element, "fehlerhaftes Start-Tag"},
    {pugi::status_bad_attribute, "fehlerhaftes Attribut"},
    {pugi::status_bad_end_element, "fehlerhaftes End-Tag"},
    {pugi::status_end_element_mismatch, "End-Tag passt nicht zum offenen Element"},
    {pugi::status_append_invalid_root, "Knoten können hier nicht angefügt werden"},
    {pugi::status_no_document_element, "kein XML-Element gefunden"},
});

// The statuses of the markup itself, where a fault at the last byte means the text was cut off.
bool isSyntaxStatus(pugi::xml_parse_status status) {
    return status >= pugi::status_unrecognized_tag && status <= pugi::status_end_element_mismatch;
}

} // namespace

std::string_view xmlParseStatusText(pugi::xml_parse_status status) {
    for (const auto& [known, text] : StatusTexts)
        if (known == status)
            return text;
    return "unbekannter Fehler beim Lesen des XML";
}

std::string xmlParseFault(const pugi::xml_parse_result& result, std::size_t size) {
    const auto offset = static_cast<std::size_t>(result.offset < 0 ? 0 : result.offset);
    std::string text(xmlParseStatusText(result.status));
    // The parser reports a fault at the end of its input on the last byte.
    if (isSyntaxStatus(result.status) && offset + 1 >= size)
        text = result.status == pugi::status_end_element_mismatch
                   ? "unerwartetes Dateiende, ein Element ist nicht geschlossen"
                   : "unerwartetes Dateiende (" + text + ")";
    return text + " (Zeichen " + std::to_string(offset) + ")";
}

} // namespace ms
