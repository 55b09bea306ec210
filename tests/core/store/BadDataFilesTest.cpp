// Every delivered data file damaged the ways a hand edit or a broken disk damages it. Opening the
// store, showing every ship and creating a ship from the damaged template either work or stop with
// ms::Error naming the file (or the bad value); a stop changes nothing on disk.
#include "core/store/StoreTestSupport.h"
#include "lifecycle/ShipCreation.h"
#include "lifecycle/ShipFormLoader.h"
#include "shell/Error.h"
#include "store/RecordStore.h"
#include "store/ShipIndex.h"

#include <gtest/gtest.h>

#include <functional>
#include <optional>

namespace fs = std::filesystem;
using mstest::readFile;
using mstest::writeFile;

namespace {

using Mutation = std::function<std::string(std::string)>;

std::string replaced(std::string text, const std::string& from, const std::string& to) {
    const size_t at = text.find(from);
    if (at == std::string::npos)
        throw std::logic_error("test data lacks " + from);
    return text.replace(at, from.size(), to);
}

// Renames the document element (first start tag and last end tag).
Mutation rootRenamed(const std::string& root) {
    return [root](std::string t) {
        t = replaced(t, "<" + root, "<Falsch");
        const size_t end = t.rfind("</" + root + ">");
        return t.replace(end, root.size() + 3, "</Falsch>");
    };
}
Mutation replace(std::string from, std::string to) {
    return [from, to](std::string t) { return replaced(t, from, to); };
}

struct Damage {
    const char* file;
    const char* label;
    Mutation mutate; // empty: the file is removed
    bool mustFail;   // a damage the store cannot work with at all
};

const std::string kGunboatSpeed = "<ForwardSpeed>4.8</ForwardSpeed>";
const std::string kGunboatAmount = "<Amount>20</Amount>";

std::vector<Damage> damages() {
    struct FileFacts {
        const char* file;
        const char* root;
        std::string required; // an element or attribute readers rely on
        std::string without;
    };
    const FileFacts files[] = {
        {"ShipShort.xml", "Ships", " ShowInYard=\"true\" />", " />"},
        {"ShipFull.xml", "AssetList", "<GUID>100437</GUID>", ""},
        {"ShipFullORG.xml", "AssetList", "<GUID>100437</GUID>", ""},
        {"NewShipGUIDS.xml", "GUID", "IsUsed=\"No\" OrgGuid=\"0\" />", "IsUsed=\"No\" />"},
        {"NewTextGUIDS.xml", "GUID", "IsUsed=\"No\" OrgGuid=\"0\" />", "IsUsed=\"No\" />"},
        {"NewTriggerGUIDS.xml", "GUID", " OrgGuid=\"0\" />", " />"},
        {"ProductList.xml", "Productlist", "<Product GUID=\"1010196\"", "<Gone GUID=\"1010196\""},
        {"ProjectilesShortList.xml", "Projectiles", "<Projectile GUID=\"101974\"", "<Gone GUID=\"101974\""},
        {"Help.xml", "TextExport", "<Texts>", "<Gone>"},
    };
    std::vector<Damage> out;
    for (const FileFacts& f : files) {
        out.push_back({f.file, "missing", {}, true});
        out.push_back({f.file, "empty", [](std::string) { return std::string(); }, true});
        out.push_back({f.file, "truncated", [](std::string t) { return t.substr(0, t.size() / 2); }, true});
        out.push_back({f.file, "not XML",
                       [](std::string) { return std::string("Das ist keine XML-Datei.\r\n"); }, true});
        out.push_back({f.file, "root renamed", rootRenamed(f.root), true});
        out.push_back({f.file, "required part removed", replace(f.required, f.without), false});
    }
    // Values that are no numbers, negative or absurdly large, and a description of 1 MB.
    const std::pair<const char*, std::string> speeds[] = {
        {"speed not a number", "schnell"}, {"speed negative", "-4.8"}, {"speed 1e30", "1e30"}};
    for (const auto& [label, value] : speeds)
        out.push_back({"ShipFull.xml", label,
                       replace(kGunboatSpeed, "<ForwardSpeed>" + value + "</ForwardSpeed>"), false});
    const std::pair<const char*, std::string> amounts[] = {{"amount not a number", "zwanzig"},
                                                           {"amount negative", "-20"},
                                                           {"amount 99999999999", "99999999999"}};
    for (const auto& [label, value] : amounts)
        out.push_back(
            {"ShipFull.xml", label, replace(kGunboatAmount, "<Amount>" + value + "</Amount>"), false});
    out.push_back({"ShipFull.xml", "description of 1 MB",
                   replace("<InfoText>Ein leichtes Kriegsschiff", "<InfoText>" + std::string(1 << 20, 'x')),
                   false});
    for (const char* count : {"viel", "-1", "99999999999"})
        out.push_back({"ShipShort.xml", count,
                       replace("WorkAmount=\"1\" YardPos=\"B50\"",
                               "WorkAmount=\"" + std::string(count) + "\" YardPos=\"B50\""),
                       false});
    return out;
}

// File names are matched without regard to case ("ShipFullORG.xml" is opened as "ShipFullOrg.xml").
std::string lower(std::string text) {
    for (char& c : text)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return text;
}

class SilentSink : public ms::MessageSink {
  public:
    ms::MessageAnswer show(const ms::Message&) override { return {true, {}}; }
};

std::map<std::string, std::string> snapshot(const fs::path& xmla) {
    std::map<std::string, std::string> files;
    for (const auto& e : fs::directory_iterator(xmla))
        files[e.path().filename().string()] = readFile(e.path());
    return files;
}

// Opens the store, shows every ship and creates one from the damaged template. Returns the message
// of a stop, with the files as they were just before the step that stopped.
std::optional<std::pair<std::string, std::map<std::string, std::string>>> useStore(const fs::path& xmla,
                                                                                   const char* templateGuid) {
    auto before = snapshot(xmla);
    try {
        ms::OpenSharedDocuments(xmla);
        for (pugi::xml_node ship : ms::ShipIndexRoot().children("Ship"))
            ms::LoadShipForm(ms::ShipValue(ship, ms::kShipGuid), false);
        SilentSink sink;
        ms::CreateNewShip(xmla, ms::LoadShipForm(templateGuid, false), sink);
    } catch (const ms::Error& e) {
        return std::make_pair(std::string(e.what()), before);
    }
    return std::nullopt;
}

} // namespace

TEST(BadDataFiles, EachDamageIsRefusedNamingTheFileOrWorksAndNothingIsHalfChanged) {
    for (const Damage& d : damages()) {
        SCOPED_TRACE(std::string(d.file) + ": " + d.label);
        mstest::TempDir dir;
        const fs::path xmla = mstest::copyDeliveredFiles(dir.path());
        const fs::path file = xmla / d.file;
        if (d.mutate)
            writeFile(file, d.mutate(readFile(file)));
        else
            fs::remove(file);
        const auto failure = useStore(xmla, std::string(d.file) == "ShipShort.xml" ? "100438" : "100437");
        ms::CloseSharedDocuments();
        if (d.mustFail)
            EXPECT_TRUE(failure.has_value());
        if (!failure)
            continue;
        const auto& [message, before] = *failure;
        EXPECT_NE(lower(message).find(lower(d.file)), std::string::npos) << message;
        for (const auto& [name, bytes] : snapshot(xmla))
            EXPECT_TRUE(before.count(name) && before.at(name) == bytes)
                << name << " changed after: " << message;
    }
}
