// The Wine registry parser on any text: reading values never fails other than by finding nothing,
// a found value maps to a path inside the prefix or to nothing, and reading only the wanted keys
// finds what reading every key finds.
#include "FuzzSupport.h"

#include "shell/Error.h"
#include "shell/GameLocator.h"
#include "shell/WineRegistry.h"

#include <fuzzer/FuzzedDataProvider.h>

namespace fs = std::filesystem;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, size_t size) {
    static const fs::path prefix = [] {
        const fs::path p = fuzz::scratch() / "prefix";
        fs::create_directories(p / "drive_c");
        fs::create_directories(p / "dosdevices");
        std::error_code ec;
        fs::create_directory_symlink("../drive_c", p / "dosdevices" / "c:", ec);
        return p;
    }();
    FuzzedDataProvider in(data, size);
    const std::string key = in.ConsumeRandomLengthString(64);
    const std::string value = in.ConsumeRandomLengthString(32);
    const std::string text = in.ConsumeRemainingBytesAsString();
    try {
        const auto file = ms::WineRegistryFile::fromText(text);
        for (const char* known : {ms::InstallerKey, ms::LauncherKey})
            if (const auto found = file.readString(known, "InstallDir"))
                ms::mapWindowsPath(prefix, *found);
        for (const std::string& wanted :
             {std::string(ms::InstallerKey), std::string("Software\\Orvane\\Marvessa"), key}) {
            const auto only = ms::WineRegistryFile::fromText(text, {wanted});
            for (const std::string& name : {std::string("InstallDir"), value})
                if (only.readString(wanted, name) != file.readString(wanted, name))
                    fuzz::finding("reading only the key \"" + wanted + "\" finds another value of " + name);
        }
        if (const auto found = file.readString(key, value)) {
            const std::string mapped = ms::mapWindowsPath(prefix, *found);
            if (!mapped.empty() && mapped.find('\0') != std::string::npos)
                fuzz::finding("a mapped path holds a NUL character");
        }
    } catch (const ms::Error&) {
    }
    return 0;
}
