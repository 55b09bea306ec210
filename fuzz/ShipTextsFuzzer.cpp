// A ship's name and description, as typed or pasted, into texts_german.xml: the file is always
// well-formed XML of XML characters and carries the texts, less what XML cannot hold.
#include "FuzzSupport.h"

#include "lifecycle/ModTexts.h"

#include <fuzzer/FuzzedDataProvider.h>
#include <pugixml.hpp>

namespace {

// The text as a parsed element gives it back: line ends dropped (the file writes CR LF, the parser
// reads LF), characters XML cannot carry left out.
std::string comparable(std::string_view text) {
    std::string out;
    for (const char c : text)
        if (static_cast<unsigned char>(c) >= 0x20 || c == '\t')
            out += c;
    return out;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, size_t size) {
    FuzzedDataProvider in(data, size);
    ms::ShipTexts texts;
    texts.shipGuid = in.ConsumeRandomLengthString(16);
    texts.textGuid = in.ConsumeRandomLengthString(16);
    texts.name = in.ConsumeRandomLengthString(256);
    texts.description = in.ConsumeRemainingBytesAsString();

    const std::string file = ms::ShipTextsFile(texts);
    pugi::xml_document doc;
    const pugi::xml_parse_result parsed =
        doc.load_buffer(file.data(), file.size(), pugi::parse_default | pugi::parse_ws_pcdata);
    if (!parsed)
        fuzz::finding(std::string("texts_german.xml is not well-formed: ") + parsed.description());
    const bool validInput = fuzz::isValidUtf8(texts.shipGuid) && fuzz::isValidUtf8(texts.textGuid) &&
                            fuzz::isValidUtf8(texts.name) && fuzz::isValidUtf8(texts.description);
    if (validInput && !fuzz::isXmlText(file.substr(3)))
        fuzz::finding("texts_german.xml holds characters XML cannot carry");

    const auto modOps = doc.select_nodes("/ModOps/ModOp/Text");
    if (modOps.size() != 2)
        fuzz::finding("texts_german.xml does not hold two texts");
    const std::string values[] = {texts.shipGuid, texts.name, texts.textGuid, texts.description};
    const char* children[] = {"GUID", "Text"};
    for (size_t i = 0; i < 4; ++i) {
        const std::string expected = comparable(values[i]);
        const std::string got = comparable(modOps[i / 2].node().child(children[i % 2]).text().get());
        if (fuzz::isXmlText(expected) && got != expected)
            fuzz::finding("a text does not come back from texts_german.xml as written");
    }
    return 0;
}
