// The ship name and mod description in modinfo.json and the mod folder's name: for any text the
// file is valid JSON that gives the texts back, and a name the activation accepts makes a folder
// name of one path component that the file system takes.
#include "FuzzSupport.h"

#include "lifecycle/ModExport.h"
#include "lifecycle/ModInfo.h"
#include "lifecycle/Transliteration.h"
#include "shell/LineBreaks.h"
#include "support/StrictJson.h"

#include <fuzzer/FuzzedDataProvider.h>

namespace fs = std::filesystem;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, size_t size) {
    FuzzedDataProvider in(data, size);
    ms::ModInfo info;
    info.version = in.ConsumeRandomLengthString(16);
    info.modName = ms::TransliterateUmlauts(in.ConsumeRandomLengthString(300));
    info.picture = in.ConsumeRandomLengthString(64);
    info.summary = in.ConsumeRemainingBytesAsString();

    const std::string json = ms::ModInfoFile(info);
    if (fuzz::isValidUtf8(info.version) && fuzz::isValidUtf8(info.modName) &&
        fuzz::isValidUtf8(info.summary)) {
        const mstest::JsonCheck check = mstest::checkStrictJson(json);
        if (!check.ok)
            fuzz::finding("modinfo.json is not valid JSON: " + check.error);
        if (mstest::jsonString(json, "ModName", "German") != ms::CrLfLineBreaks(info.modName))
            fuzz::finding("modinfo.json does not give the mod name back");
    }

    // The characters the activation refuses in a name.
    for (const char c : info.modName)
        if (c == '/' || c == '\\' || static_cast<unsigned char>(c) < 0x20)
            return 0;
    const std::string folder = ms::ShipModFolderName(info.modName, "2000501100");
    if (fs::path(folder).has_parent_path() || fs::path(folder).filename() != folder)
        fuzz::finding("the mod folder name is more than one path component: " + folder);
    return 0;
}
