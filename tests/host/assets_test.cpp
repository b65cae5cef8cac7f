// Checks the generated sounds and icon: committed copies are current, and their layout is what Windows expects.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "assetgen.h"

namespace {

namespace fs = std::filesystem;
using Bytes = std::vector<std::uint8_t>;

Bytes ReadFile(const fs::path& path) {
    std::ifstream f(path, std::ios::binary);
    return Bytes(std::istreambuf_iterator<char>(f), std::istreambuf_iterator<char>());
}

std::uint32_t Rd16(const Bytes& b, std::size_t at) { return b[at] | (b[at + 1] << 8); }
std::uint32_t Rd32(const Bytes& b, std::size_t at) { return Rd16(b, at) | (Rd16(b, at + 2) << 16); }
std::string Tag(const Bytes& b, std::size_t at) { return std::string(b.begin() + at, b.begin() + at + 4); }

TEST(Assets, RegeneratedFilesMatchCommittedOnes) {
    const fs::path res = fs::path(TAVRISK_SOURCE_DIR) / "res";
    const fs::path tmp = fs::temp_directory_path() / "tavrisk_asset_tests";
    fs::remove_all(tmp);
    fs::create_directories(tmp);

    ASSERT_EQ(WriteSounds(tmp.string().c_str()), 0);
    ASSERT_EQ(WriteIcon((tmp / "tavrisk.ico").string().c_str()), 0);
    for (const char* name : {"open.wav", "done.wav", "tavrisk.ico"}) {
        const Bytes fresh = ReadFile(tmp / name);
        ASSERT_FALSE(fresh.empty()) << name;
        EXPECT_TRUE(fresh == ReadFile(res / name)) << name << " differs; rerun the generator into res/";
    }
    EXPECT_NE(WriteSounds((tmp / "missing").string().c_str()), 0);
    EXPECT_NE(WriteIcon((tmp / "missing" / "x.ico").string().c_str()), 0);
    fs::remove_all(tmp);
}

TEST(Assets, SoundsAreCleanEightBitMonoPcm) {
    struct Want {
        const char* name;
        Bytes wav;
        std::uint32_t rate, dataSize, fileSize;
    };
    const Want wants[] = {
        {"open", assetgen::BuildOpenWav(), 11025, 22643, 22688},
        {"done", assetgen::BuildDoneWav(), 22254, 14254, 14298},
    };
    for (const Want& w : wants) {
        SCOPED_TRACE(w.name);
        const Bytes& b = w.wav;
        ASSERT_EQ(b.size(), w.fileSize);
        EXPECT_EQ(Tag(b, 0), "RIFF");
        EXPECT_EQ(Rd32(b, 4), w.fileSize - 8);
        EXPECT_EQ(Tag(b, 8), "WAVE");
        EXPECT_EQ(Tag(b, 12), "fmt ");
        EXPECT_EQ(Rd32(b, 16), 16u);
        EXPECT_EQ(Rd16(b, 20), 1u);  // PCM
        EXPECT_EQ(Rd16(b, 22), 1u);  // mono
        EXPECT_EQ(Rd32(b, 24), w.rate);
        EXPECT_EQ(Rd32(b, 28), w.rate);
        EXPECT_EQ(Rd16(b, 32), 1u);
        EXPECT_EQ(Rd16(b, 34), 8u);
        EXPECT_EQ(Tag(b, 36), "data");
        ASSERT_EQ(Rd32(b, 40), w.dataSize);
        if (w.dataSize % 2) {
            EXPECT_EQ(b.back(), 0) << "pad byte";
        }

        const Bytes pcm(b.begin() + 44, b.begin() + 44 + w.dataSize);
        EXPECT_EQ(pcm.front(), 128);
        EXPECT_EQ(pcm.back(), 128);
        long long sum = 0;
        int lo = 255, hi = 0;
        for (std::uint8_t s : pcm) {
            sum += s;
            lo = std::min<int>(lo, s);
            hi = std::max<int>(hi, s);
        }
        EXPECT_GT(lo, 0) << "clipped";
        EXPECT_LT(hi, 255) << "clipped";
        EXPECT_GT(hi - lo, 120) << "too quiet";
        EXPECT_NEAR(static_cast<double>(sum) / pcm.size(), 128.0, 0.5) << "DC offset";
        // A click is a jump: over the first and last millisecond the wave only creeps.
        const std::size_t ms = w.rate / 1000;
        for (std::size_t i = 0; i < ms; ++i) {
            EXPECT_LE(std::abs(pcm[i + 1] - pcm[i]), 3) << "sample " << i;
            const std::size_t j = pcm.size() - 1 - i;
            EXPECT_LE(std::abs(pcm[j] - pcm[j - 1]), 3) << "sample " << j;
        }
    }
}

TEST(Assets, IconHasFourImagesWithMatchingMasks) {
    const Bytes b = assetgen::BuildIcon();
    ASSERT_GE(b.size(), 70u);
    EXPECT_EQ(Rd16(b, 0), 0u);
    EXPECT_EQ(Rd16(b, 2), 1u);
    ASSERT_EQ(Rd16(b, 4), 4u);

    struct Want {
        std::uint32_t size, bpp, bytes;
    };
    const Want wants[] = {{32, 4, 744}, {16, 4, 296}, {32, 8, 2216}, {16, 8, 1384}};
    std::uint32_t expectOffset = 70;
    std::vector<std::vector<bool>> masks;
    for (std::size_t i = 0; i < 4; ++i) {
        SCOPED_TRACE(i);
        const Want& w = wants[i];
        const std::size_t e = 6 + 16 * i;
        EXPECT_EQ(b[e], w.size);
        EXPECT_EQ(b[e + 1], w.size);
        EXPECT_EQ(b[e + 2], w.bpp == 4 ? 16 : 0);
        EXPECT_EQ(b[e + 3], 0);
        EXPECT_EQ(Rd16(b, e + 4), 1u);
        EXPECT_EQ(Rd16(b, e + 6), w.bpp);
        ASSERT_EQ(Rd32(b, e + 8), w.bytes);
        ASSERT_EQ(Rd32(b, e + 12), expectOffset);

        const std::size_t h = expectOffset;
        expectOffset += w.bytes;
        ASSERT_LE(expectOffset, b.size());
        EXPECT_EQ(Rd32(b, h), 40u);
        EXPECT_EQ(Rd32(b, h + 4), w.size);
        EXPECT_EQ(Rd32(b, h + 8), 2 * w.size);
        EXPECT_EQ(Rd16(b, h + 12), 1u);
        EXPECT_EQ(Rd16(b, h + 14), w.bpp);
        EXPECT_EQ(Rd32(b, h + 16), 0u);
        EXPECT_EQ(Rd32(b, h + 20), w.bytes - 40 - (4u << w.bpp));
        for (std::size_t f = 24; f < 40; f += 4) EXPECT_EQ(Rd32(b, h + f), 0u);
        // Palette entries are blue, green, red, zero: VGA 9 is red and 12 is blue.
        const std::size_t pal = h + 40;
        EXPECT_EQ(Rd32(b, pal + 9 * 4), 0x00FF0000u);
        EXPECT_EQ(Rd32(b, pal + 12 * 4), 0x000000FFu);

        // Transparent pixels (mask bit 1) must be colour 0, or they would tint the desktop.
        const std::size_t pixels = pal + (4u << w.bpp);
        const std::size_t xorRow = (w.size * w.bpp + 31) / 32 * 4;
        const std::size_t andRow = (w.size + 31) / 32 * 4;
        const std::size_t mask = pixels + xorRow * w.size;
        std::vector<bool> clear;
        for (std::size_t y = 0; y < w.size; ++y)
            for (std::size_t x = 0; x < w.size; ++x) {
                const bool t = (b[mask + y * andRow + x / 8] >> (7 - x % 8)) & 1;
                const std::uint8_t p =
                    w.bpp == 8 ? b[pixels + y * xorRow + x] : (b[pixels + y * xorRow + x / 2] >> (x % 2 ? 0 : 4)) & 15;
                if (t) {
                    EXPECT_EQ(p, 0) << "pixel " << x << "," << y;
                }
                clear.push_back(t);
            }
        const std::size_t last = w.size - 1;
        EXPECT_TRUE(clear[0] && clear[last] && clear[last * w.size] && clear[last * w.size + last]) << "corners";
        EXPECT_FALSE(clear[(w.size / 2) * w.size + w.size / 2]) << "centre";
        masks.push_back(clear);
    }
    EXPECT_EQ(expectOffset, b.size());
    // Both colour depths share one outline at each size.
    EXPECT_EQ(masks[0], masks[2]);
    EXPECT_EQ(masks[1], masks[3]);
}

}  // namespace
