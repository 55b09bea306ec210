// The icon files the data set delivers for the game: each ship icon name of the index has a PNG and
// an uncompressed DDS of 128 x 128 pixels, and so do the yard and factory template mods.
#include <cstdint>
#include <filesystem>
#include <gtest/gtest.h>
#include <regex>
#include <set>
#include <string>

#include "support/TempDir.h"

namespace fs = std::filesystem;

namespace {

std::uint32_t le32(const std::string& bytes, std::size_t at) {
    return std::uint32_t(std::uint8_t(bytes[at])) | std::uint32_t(std::uint8_t(bytes[at + 1])) << 8 |
           std::uint32_t(std::uint8_t(bytes[at + 2])) << 16 |
           std::uint32_t(std::uint8_t(bytes[at + 3])) << 24;
}

std::uint32_t be32(const std::string& bytes, std::size_t at) {
    return std::uint32_t(std::uint8_t(bytes[at])) << 24 | std::uint32_t(std::uint8_t(bytes[at + 1])) << 16 |
           std::uint32_t(std::uint8_t(bytes[at + 2])) << 8 | std::uint32_t(std::uint8_t(bytes[at + 3]));
}

// Empty when the file is a 128 x 128 uncompressed 32-bit DDS with one level, else what is wrong.
std::string ddsFault(const fs::path& file) {
    const std::string b = mstest::readFile(file);
    if (b.size() < 128)
        return "shorter than a DDS header";
    if (b.compare(0, 4, "DDS ") != 0)
        return "no DDS magic";
    if (le32(b, 4) != 124)
        return "header size is not 124";
    if (le32(b, 12) != 128 || le32(b, 16) != 128)
        return "not 128 x 128";
    if (le32(b, 76) != 32)
        return "pixel format size is not 32";
    const std::uint32_t pfFlags = le32(b, 80);
    if ((pfFlags & 0x4u) != 0) // DDPF_FOURCC: a compressed format
        return "compressed";
    if ((pfFlags & 0x40u) == 0 || (pfFlags & 0x1u) == 0) // DDPF_RGB with DDPF_ALPHAPIXELS
        return "not RGB with alpha";
    if (le32(b, 88) != 32)
        return "not 32 bits per pixel";
    const std::set<std::uint32_t> masks{le32(b, 92), le32(b, 96), le32(b, 100), le32(b, 104)};
    if (masks != std::set<std::uint32_t>{0xffu, 0xff00u, 0xff0000u, 0xff000000u})
        return "channel masks are not four distinct bytes";
    if (b.size() != 128 + 128 * 128 * 4)
        return "pixel data is not one 128 x 128 level";
    return {};
}

// Empty when the file is a PNG of 128 x 128 pixels.
std::string pngFault(const fs::path& file) {
    const std::string b = mstest::readFile(file);
    if (b.size() < 24 || b.compare(0, 8, "\x89PNG\r\n\x1a\n") != 0 || b.compare(12, 4, "IHDR") != 0)
        return "not a PNG";
    if (be32(b, 16) != 128 || be32(b, 20) != 128)
        return "not 128 x 128";
    return {};
}

std::set<std::string> indexIconNames() {
    const std::string index = mstest::readFile(fs::path(SPANTORA_DATA_DIR) / "ShipShort.xml");
    const std::regex icon(" Icon=\"([^\"]*)\"");
    std::set<std::string> names;
    for (auto it = std::sregex_iterator(index.begin(), index.end(), icon); it != std::sregex_iterator(); ++it)
        names.insert((*it)[1]);
    return names;
}

} // namespace

TEST(DeliveredIconFiles, EveryIndexIconHasAPngAndAnUncompressedDds) {
    const fs::path folder = fs::path(SPANTORA_DATA_DIR) / "NewShipIcon";
    const std::set<std::string> names = indexIconNames();
    ASSERT_FALSE(names.empty());
    for (const std::string& name : names) {
        SCOPED_TRACE(name);
        ASSERT_TRUE(fs::is_regular_file(folder / (name + ".png")));
        ASSERT_TRUE(fs::is_regular_file(folder / (name + ".dds")));
        EXPECT_EQ(pngFault(folder / (name + ".png")), "");
        EXPECT_EQ(ddsFault(folder / (name + ".dds")), "");
    }
    // Nothing stale: each file of the folder belongs to an icon name of the index.
    for (const auto& entry : fs::directory_iterator(folder))
        EXPECT_TRUE(names.count(entry.path().stem().string())) << entry.path().filename();
}

TEST(DeliveredIconFiles, ActivePictureIsA128PixelPng) {
    EXPECT_EQ(pngFault(fs::path(SPANTORA_DATA_DIR) / "Active.png"), "");
}

TEST(DeliveredIconFiles, YardAndFactoryIconsAreValid) {
    const fs::path yards = fs::path(SPANTORA_SOURCE_DIR) / "data" / "images" / "yards";
    int pairs = 0;
    for (const auto& folder : fs::directory_iterator(yards)) {
        SCOPED_TRACE(folder.path().filename().string());
        EXPECT_EQ(pngFault(folder.path() / "modinfo.png"), "");
        for (const auto& file : fs::directory_iterator(folder.path())) {
            if (file.path().extension() != ".dds")
                continue;
            ++pairs;
            EXPECT_EQ(ddsFault(file.path()), "") << file.path().filename();
            fs::path png = file.path();
            EXPECT_EQ(pngFault(png.replace_extension(".png")), "") << png.filename();
        }
    }
    EXPECT_EQ(pairs, 6 * 2 + 1); // two pairs per yard, one for the factory
}

TEST(DeliveredIconFiles, DdsCheckRejectsBrokenFiles) {
    mstest::TempDir dir;
    const fs::path good = fs::path(SPANTORA_DATA_DIR) / "NewShipIcon" / (*indexIconNames().begin() + ".dds");
    const std::string bytes = mstest::readFile(good);
    auto broken = [&](std::size_t at, char value) {
        std::string copy = bytes;
        copy[at] = value;
        mstest::writeFile(dir / "x.dds", copy);
        return ddsFault(dir / "x.dds");
    };
    EXPECT_EQ(broken(0, 'X'), "no DDS magic");
    EXPECT_EQ(broken(4, 100), "header size is not 124");
    EXPECT_EQ(broken(12, 64), "not 128 x 128");
    EXPECT_EQ(broken(80, 0x04), "compressed");
    mstest::writeFile(dir / "x.dds", bytes.substr(0, bytes.size() - 4));
    EXPECT_EQ(ddsFault(dir / "x.dds"), "pixel data is not one 128 x 128 level");
}
