#pragma once

#include <filesystem>
#include <string>
#include <string_view>

#include <pugixml.hpp>

namespace ms {

// Every XML file kind the program reads or writes, each with fixed bytes on disk.
enum class XmlKind {
    ShipIndex,      // ShipShort.xml
    ShipAssets,     // ShipFull.xml, ShipFullORG.xml
    IdentifierPool, // NewShipGUIDS.xml, NewTextGUIDS.xml, NewTriggerGUIDS.xml
    ReferenceList,  // ProductList.xml, ProjectilesShortList.xml
    HelpTexts,      // Help.xml
    ModAssets,      // assets.xml of a ship mod
    ModTexts,       // texts_german.xml of a ship mod
    YardAssets,     // assets.xml of a deployed shipyard mod
    YardTexts,      // texts_german.xml of a deployed shipyard mod
    ShipDesign,     // a shared ship design (.spantora)
};

struct XmlFormat {
    bool byteOrderMark;   // UTF-8 byte-order mark in front of everything
    bool crlf;            // CR LF line ends (else LF)
    const char* indent;   // one level of indentation
    bool keepDeclaration; // write the document's own declaration node; never invent one
};

// The table of file formats: the single place that knows the bytes of each kind.
const XmlFormat& xmlFormat(XmlKind kind);

// Loads an XML file keeping its declaration, comments and attribute order. A missing or malformed
// file throws ms::Error naming the file.
// With `root` given, a document element of another name is refused the same way: a file in its place
// that is XML but not the expected file.
void loadXml(pugi::xml_document& doc, const std::filesystem::path& file, const char* root = nullptr);
void loadXmlFromString(pugi::xml_document& doc, const std::string& text, const std::string& nameForErrors);
// The bytes of a file as loadXml parses them, root element checked: every reader of a file comes
// through here, so a reader can be fed from memory (tests, fuzzing) exactly as from disk.
void parseXml(pugi::xml_document& doc, const std::string& bytes, const std::string& nameForErrors,
              const char* root = nullptr);

// The bytes of a document in the given format.
std::string renderXml(const pugi::xml_document& doc, const XmlFormat& format);

// Writes the document atomically in the format of its kind.
void saveXml(const pugi::xml_document& doc, const std::filesystem::path& file, XmlKind kind);

// Re-indents an XML file in place: one element per line, two blanks per level, CR LF, the declaration
// kept as it stands (version, encoding, standalone) and a byte-order mark kept when present.
bool ReformatXmlFile(const std::filesystem::path& file);

bool startsWithByteOrderMark(const std::string& bytes);

// A text for the inside of an XML element written by hand: "&", "<" and ">" as entity references;
// characters XML cannot carry at all (control characters other than tab and line ends, U+FFFE,
// U+FFFF) are left out.
std::string XmlElementText(std::string_view text);

} // namespace ms
