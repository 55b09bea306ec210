// The ZIP reader and the unpacking of an archive: whatever the bytes, the archive is refused with
// ms::Error or unpacked, and nothing ever lands outside the target folder.
#include "FuzzSupport.h"

#include "shell/DataArchive.h"
#include "shell/Error.h"
#include "shell/ZipArchive.h"

namespace fs = std::filesystem;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, size_t size) {
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    try {
        const ms::ZipArchive archive(bytes, "fuzz.zip");
        for (const auto& entry : archive.entries())
            if (!entry.isDirectory)
                archive.read(entry);
    } catch (const ms::Error&) {
        // A refused archive: the unpack below must refuse it too, writing nothing.
    }

    // The target sits one level down so that an escape into its parent is seen.
    const fs::path parent = fuzz::scratch() / "unpack";
    const fs::path target = parent / "target";
    fs::remove_all(parent);
    fs::create_directories(target);
    bool unpacked = true;
    try {
        ms::unpackZip(bytes, "fuzz.zip", target);
    } catch (const ms::Error&) {
        unpacked = false;
    }
    for (const auto& e : fs::directory_iterator(parent))
        if (e.path() != target)
            fuzz::finding("unpacking wrote outside its target: " + e.path().string());
    for (const auto& e : fs::recursive_directory_iterator(target))
        if (e.is_symlink())
            fuzz::finding("unpacking made a symbolic link: " + e.path().string());
    if (!unpacked && !fs::is_empty(target))
        fuzz::finding("a refused archive left files behind");
    return 0;
}
