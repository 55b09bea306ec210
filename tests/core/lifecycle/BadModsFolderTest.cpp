// Activation when its surroundings are broken: the mods folder gone, a file in its place, a file
// where the data directory's working file belongs, a read-only mods folder. Each stops with a German
// message naming the folder or file, and neither the data directory nor the mods side changes.
#include "core/lifecycle/ActivationFixture.h"
#include "shell/Error.h"

#include <gtest/gtest.h>

#include <functional>
#include <unistd.h>

namespace fs = std::filesystem;
using mstest::ActivationFixture;

namespace {

struct Breakage {
    const char* label;
    std::function<fs::path(ActivationFixture&)> apply; // breaks, returns the path the message names
    bool needsNonRoot;                                 // permissions do not stop root
};

const Breakage kBreakages[] = {
    {"mods folder vanished",
     [](ActivationFixture& f) {
         fs::remove_all(f.mods);
         return f.mods;
     },
     false},
    {"file in place of the mods folder",
     [](ActivationFixture& f) {
         fs::remove_all(f.mods);
         mstest::writeFile(f.mods, "kein Ordner");
         return f.mods;
     },
     false},
    {"folder in place of Active.png",
     [](ActivationFixture& f) {
         fs::remove(f.xmla / "Active.png");
         fs::create_directories(f.xmla / "Active.png" / "x");
         return f.xmla / "Active.png";
     },
     false},
    {"read-only mods folder",
     [](ActivationFixture& f) {
         fs::permissions(f.mods, fs::perms::owner_read | fs::perms::owner_exec);
         return f.mods;
     },
     true},
};

} // namespace

TEST(BadModsFolder, ActivationStopsNamingTheCauseAndChangesNothing) {
    for (const Breakage& b : kBreakages) {
        SCOPED_TRACE(b.label);
        if (b.needsNonRoot && ::geteuid() == 0) {
            // Running as root (as in the container builds): file permissions do not stop a write.
            std::printf("Not run as root (permissions do not stop root): %s\n", b.label);
            continue;
        }
        ActivationFixture f;
        f.createShip("100438", "2000501100", "Schoner (neu)");
        const fs::path named = b.apply(f);
        const auto before = ActivationFixture::tree(f.dir.path());
        try {
            f.activate("2000501100");
            ADD_FAILURE() << "activation succeeded";
        } catch (const ms::Error& e) {
            const std::string text = e.what();
            EXPECT_NE(text.find(named.filename().string()), std::string::npos) << text;
        }
        // Activation's own working copy of the mod's assets is not data the program reads back.
        for (const auto& [name, bytes] : ActivationFixture::tree(f.dir.path()))
            if (name != "XMLA/2000501100.xml")
                EXPECT_TRUE(before.count(name) && before.at(name) == bytes) << name << " changed";
        EXPECT_EQ(f.indexEntryValue("2000501100", ms::kShipIsMod), "false");
        std::error_code ec;
        fs::permissions(f.mods, fs::perms::owner_all, fs::perm_options::add, ec);
    }
}
