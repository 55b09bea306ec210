// ReformatXmlFile on any file: it refuses with ms::Error or writes a document with the same
// content, and a second run changes nothing.
#include "FuzzSupport.h"

#include "shell/AtomicFile.h"
#include "shell/Error.h"
#include "shell/XmlFile.h"

namespace {

std::string content(const std::string& bytes) {
    pugi::xml_document doc;
    ms::loadXmlFromString(doc, bytes, "fuzz.xml");
    return ms::renderXml(doc, ms::XmlFormat{false, false, "", true});
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, size_t size) {
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto file = fuzz::scratch() / "reformat.xml";
    ms::writeFileAtomic(file, bytes);
    try {
        ms::ReformatXmlFile(file);
    } catch (const ms::Error&) {
        if (ms::readFileBytes(file) != bytes)
            fuzz::finding("a refused file was changed");
        return 0;
    }
    const std::string once = ms::readFileBytes(file);
    try {
        if (content(once) != content(bytes))
            fuzz::finding("re-indenting changed the document's content");
    } catch (const ms::Error& e) {
        fuzz::finding(std::string("the re-indented file does not load: ") + e.what());
    }
    ms::ReformatXmlFile(file);
    if (ms::readFileBytes(file) != once)
        fuzz::finding("re-indenting twice gives other bytes than once");
    return 0;
}
