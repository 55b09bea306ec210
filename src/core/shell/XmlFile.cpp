#include "shell/XmlFile.h"

#include "shell/AtomicFile.h"
#include "shell/Error.h"
#include "shell/LineBreaks.h"
#include "shell/XmlParseText.h"

#include <sstream>

namespace ms {
namespace fs = std::filesystem;

namespace {
constexpr unsigned kParseOptions = pugi::parse_default | pugi::parse_declaration | pugi::parse_comments;

// pugixml has no CR LF option: collect its output and write its line ends, and those of user text
// inside elements, as CR LF.
class StringWriter : public pugi::xml_writer {
  public:
    explicit StringWriter(bool crlf) : m_crlf(crlf) {}
    void write(const void* data, size_t size) override {
        const std::string_view chunk(static_cast<const char*>(data), size);
        if (m_crlf)
            m_lineBreaks.append(m_out, chunk);
        else
            m_out.append(chunk);
    }
    std::string take() { return std::move(m_out); }

  private:
    bool m_crlf;
    CrLfWriter m_lineBreaks;
    std::string m_out;
};
} // namespace

const XmlFormat& xmlFormat(XmlKind kind) {
    static const XmlFormat shipIndex{false, true, "\t", true};
    static const XmlFormat shipAssets{false, true, "\t", true};
    static const XmlFormat pool{false, true, "\t", true};
    static const XmlFormat referenceList{true, true, "\t", true};
    static const XmlFormat help{false, true, "\t", true};
    static const XmlFormat modAssets{true, true, "  ", false};
    static const XmlFormat modTexts{true, true, "  ", false};
    static const XmlFormat yardAssets{false, true, "  ", true};
    static const XmlFormat yardTexts{false, true, "  ", true};
    static const XmlFormat shipDesign{false, true, "  ", true};
    switch (kind) {
    case XmlKind::ShipIndex:
        return shipIndex;
    case XmlKind::ShipAssets:
        return shipAssets;
    case XmlKind::IdentifierPool:
        return pool;
    case XmlKind::ReferenceList:
        return referenceList;
    case XmlKind::HelpTexts:
        return help;
    case XmlKind::ModAssets:
        return modAssets;
    case XmlKind::ModTexts:
        return modTexts;
    case XmlKind::YardAssets:
        return yardAssets;
    case XmlKind::YardTexts:
        return yardTexts;
    case XmlKind::ShipDesign:
        return shipDesign;
    }
    return shipIndex;
}

bool startsWithByteOrderMark(const std::string& bytes) {
    return bytes.size() >= 3 && static_cast<unsigned char>(bytes[0]) == 0xEF &&
           static_cast<unsigned char>(bytes[1]) == 0xBB && static_cast<unsigned char>(bytes[2]) == 0xBF;
}

void loadXmlFromString(pugi::xml_document& doc, const std::string& text, const std::string& nameForErrors) {
    const auto result = doc.load_buffer(text.data(), text.size(), kParseOptions, pugi::encoding_utf8);
    if (!result)
        throw Error("Die Datei \"" + nameForErrors +
                    "\" ist fehlerhaft: " + xmlParseFault(result, text.size()) + ".");
    if (!doc.document_element())
        throw Error("Die Datei \"" + nameForErrors + "\" enthält kein XML-Element.");
}

void loadXml(pugi::xml_document& doc, const fs::path& file, const char* root) {
    std::error_code ec;
    if (!fs::is_regular_file(file, ec))
        throw MissingFileError("Die Datei \"" + file.string() + "\" fehlt.");
    loadXmlFromString(doc, readFileBytes(file), file.string());
    if (root && std::string_view(doc.document_element().name()) != root)
        throw Error("Die Datei \"" + file.string() + "\" ist fehlerhaft: Ihr Wurzelelement heißt \"" +
                    doc.document_element().name() + "\" statt \"" + root + "\".");
}

std::string renderXml(const pugi::xml_document& doc, const XmlFormat& format) {
    StringWriter writer(format.crlf);
    unsigned flags = pugi::format_indent | pugi::format_no_declaration;
    if (format.byteOrderMark)
        flags |= pugi::format_write_bom;
    pugi::xml_document copy;
    const pugi::xml_document* source = &doc;
    if (!format.keepDeclaration && doc.first_child().type() == pugi::node_declaration) {
        copy.reset(doc);
        copy.remove_child(copy.first_child());
        source = &copy;
    }
    source->save(writer, format.indent, flags, pugi::encoding_utf8);
    return writer.take();
}

void saveXml(const pugi::xml_document& doc, const fs::path& file, XmlKind kind) {
    writeFileAtomic(file, renderXml(doc, xmlFormat(kind)));
}

bool ReformatXmlFile(const fs::path& file) {
    const std::string bytes = readFileBytes(file);
    pugi::xml_document doc;
    loadXmlFromString(doc, bytes, file.string());
    const XmlFormat format{startsWithByteOrderMark(bytes), true, "  ", true};
    writeFileAtomic(file, renderXml(doc, format));
    return true;
}

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

} // namespace ms
