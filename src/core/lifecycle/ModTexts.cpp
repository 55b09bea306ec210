#include "lifecycle/ModTexts.h"

#include "shell/AtomicFile.h"
#include "shell/Error.h"
#include "shell/FileOperations.h"
#include "shell/LineBreaks.h"
#include "shell/XmlFile.h"

#include <vector>

namespace ms {
namespace fs = std::filesystem;

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
