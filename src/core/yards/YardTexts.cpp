#include "yards/YardTexts.h"

#include "shell/AtomicFile.h"
#include "shell/Environment.h"
#include "shell/Error.h"
#include "shell/FileOperations.h"
#include "shell/Journal.h"
#include "shell/XmlFile.h"

namespace ms {
namespace fs = std::filesystem;

namespace {

// Length of the UTF-8 sequence starting at s[i], 0 when it is not a valid one.
size_t utf8Length(std::string_view s, size_t i) {
    const auto b = static_cast<unsigned char>(s[i]);
    const size_t n = b < 0x80 ? 1 : (b >> 5) == 0x6 ? 2 : (b >> 4) == 0xE ? 3 : (b >> 3) == 0x1E ? 4 : 0;
    if (n == 0 || i + n > s.size() || (n == 2 && b < 0xC2))
        return 0;
    for (size_t k = 1; k < n; ++k)
        if ((static_cast<unsigned char>(s[i + k]) & 0xC0) != 0x80)
            return 0;
    return n;
}
} // namespace

std::string ReadYardName(const YardRow& row) {
    try {
        pugi::xml_document doc;
        loadXml(doc, YardTextsFile(TemplateModFolder(row.folder)));
        return doc.document_element().select_node("ModOp/Text/Text").node().text().get();
    } catch (const Error&) {
        return {};
    }
}

YardNames ReadYardNames(std::string_view region) {
    YardNames names;
    if (const YardRow* sail = FindYard(region, "Sail"))
        names.sail = ReadYardName(*sail);
    if (const YardRow* steam = FindYard(region, "Steam"))
        names.steam = ReadYardName(*steam);
    return names;
}

std::string CheckYardName(std::string_view name) {
    for (size_t i = 0; i < name.size();) {
        const size_t n = utf8Length(name, i);
        const auto b = static_cast<unsigned char>(name[i]);
        if (n == 0 || b < 0x20 || b == 0x7F)
            return "Der Name \"" + std::string(name) +
                   "\" enthält Zeichen, die eine Werft nicht tragen kann (Steuerzeichen oder ungültige "
                   "Zeichen).";
        i += n;
    }
    return {};
}

void WriteYardTexts(const fs::path& file, const YardRow& row, std::string_view name) {
    if (const std::string problem = CheckYardName(name); !problem.empty())
        throw Error(problem);
    // Sailing-ship yards were written without indentation, steamship yards with blanks; the
    // re-indentation below makes both the same.
    const bool steam = std::string_view(row.engine) == "Steam";
    const std::string modOp =
        std::string(steam ? " " : "") + "<ModOp Type=\"add\" Path=\"/TextExport/Texts\">";
    const std::string text = steam ? "  <Text>" : "<Text>";
    const std::string textEnd = steam ? "  </Text>" : "</Text>";
    const std::string inner = steam ? "    " : "";
    const std::string lines[] = {
        "<ModOps>",
        modOp,
        text,
        inner + "<GUID>" + row.nameTextGuid + "</GUID>",
        inner + "<Text>" + XmlElementText(name) + "</Text>",
        textEnd,
        "</ModOp>",
        modOp,
        text,
        inner + "<GUID>" + row.descriptionTextGuid + "</GUID>",
        inner + "<Text>" + row.description + "</Text>",
        textEnd,
        steam ? " </ModOp>" : "</ModOp>",
        "</ModOps>",
    };
    std::string bytes;
    for (const std::string& line : lines) {
        if (!bytes.empty())
            bytes += "\r\n";
        bytes += line;
    }
    writeFileAtomic(file, bytes);
    ReformatXmlFile(file);
}

YardRenameResult RenameYard(const YardRow& row, std::string_view name) {
    if (const std::string problem = CheckYardName(name); !problem.empty())
        throw Error(problem);
    YardRenameResult result;
    // Both copies carry the new name, or neither does.
    Journal journal(env().xmlaDir);
    const fs::path templateFolder = TemplateModFolder(row.folder);
    if (IsFolder(templateFolder)) {
        WriteYardTexts(YardTextsFile(templateFolder), row, name);
        result.templateWritten = true;
    }
    const fs::path deployed = DeployedModFolder(row.folder);
    if (IsFolder(deployed)) {
        WriteYardTexts(YardTextsFile(deployed), row, name);
        result.deployedWritten = true;
    }
    journal.commit();
    return result;
}

} // namespace ms
