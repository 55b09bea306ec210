#include "lifecycle/ModTexts.h"

#include "shell/AtomicFile.h"
#include "shell/Error.h"
#include "shell/FileOperations.h"
#include "shell/LineBreaks.h"
#include "shell/XmlFile.h"

#include <vector>

namespace ms {
namespace fs = std::filesystem;

std::string XmlElementText(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        // U+FFFE and U+FFFF (EF BF BE, EF BF BF) are no XML characters either.
        if (text.compare(i, 2, "\xEF\xBF") == 0 && i + 2 < text.size() &&
            (text[i + 2] == '\xBE' || text[i + 2] == '\xBF')) {
            i += 2;
            continue;
        }
        switch (c) {
        case '&':
            out += "&amp;";
            break;
        case '<':
            out += "&lt;";
            break;
        case '>':
            out += "&gt;";
            break;
        default:
            if (static_cast<unsigned char>(c) < 0x20 && c != '\t' && c != '\n' && c != '\r')
                break;
            out += c;
        }
    }
    return out;
}

std::string ShipTextsFile(const ShipTexts& texts) {
    const std::vector<std::string> lines{
        "<ModOps>",
        "<ModOp Type=\"add\" Path=\"/TextExport/Texts\">",
        "<Text>",
        "\t<GUID>" + XmlElementText(texts.shipGuid) + "</GUID>",
        "\t<Text>" + XmlElementText(CrLfLineBreaks(texts.name)) + "</Text>",
        "</Text>",
        "</ModOp>",
        "<ModOp Type=\"add\" Path=\"/TextExport/Texts\">",
        "<Text>",
        "\t<GUID>" + XmlElementText(texts.textGuid) + "</GUID>",
        "\t<Text>" + XmlElementText(CrLfLineBreaks(texts.description)) + "</Text>",
        "</Text>",
        "</ModOp>",
        "</ModOps>",
    };
    // The lines are fixed, so the file is written line by line rather than re-indented; its byte
    // order mark and line ends still come from the one table of formats.
    const XmlFormat& format = xmlFormat(XmlKind::ModTexts);
    const char* lineEnd = format.crlf ? "\r\n" : "\n";
    std::string bytes = format.byteOrderMark ? "\xEF\xBB\xBF" : "";
    for (const std::string& line : lines)
        bytes += line + lineEnd;
    return bytes;
}

void WriteShipTexts(const fs::path& modFolder, const ShipTexts& texts) {
    const fs::path folder = modFolder / "data" / "config" / "gui";
    CreateFolders(folder);
    writeFileAtomic(folder / "texts_german.xml", ShipTextsFile(texts));
}

} // namespace ms
