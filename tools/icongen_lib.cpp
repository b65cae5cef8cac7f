// Draws the memory-module icon and packs it as a .ico with 16- and 256-colour images at 32x32 and 16x16.
#include "assetgen.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <fstream>

namespace assetgen {
namespace {

// What each pixel shows; mapped to a palette index per colour depth.
enum Ink : std::uint8_t { kClear, kEdge, kBoard, kBoardLit, kChip, kChipLit, kLeg, kGold, kGoldDim, kInkCount };

struct Rgb {
    std::uint8_t r, g, b;
};

// The standard Windows 16-colour (VGA) palette.
constexpr std::array<Rgb, 16> kVga = {{
    {0, 0, 0},
    {128, 0, 0},
    {0, 128, 0},
    {128, 128, 0},
    {0, 0, 128},
    {128, 0, 128},
    {0, 128, 128},
    {192, 192, 192},
    {128, 128, 128},
    {255, 0, 0},
    {0, 255, 0},
    {255, 255, 0},
    {0, 0, 255},
    {255, 0, 255},
    {0, 255, 255},
    {255, 255, 255},
}};

// 16-colour rendering of each ink.
constexpr std::array<std::uint8_t, kInkCount> kInk16 = {0, 0, 2, 10, 0, 8, 7, 11, 3};

// 256-colour rendering of each ink; every entry is present in Palette256().
constexpr std::array<Rgb, kInkCount> kInk256 = {{
    {0, 0, 0},
    {0, 51, 0},
    {0, 102, 51},
    {51, 153, 51},
    {38, 38, 38},
    {88, 88, 88},
    {192, 192, 192},
    {255, 204, 51},
    {204, 153, 0},
}};

// VGA colours first, then a 6x6x6 colour cube, then a 24-step grey ramp.
std::array<Rgb, 256> Palette256() {
    std::array<Rgb, 256> pal{};
    std::size_t n = 0;
    for (const Rgb& c : kVga) pal[n++] = c;
    for (int r = 0; r < 6; ++r)
        for (int g = 0; g < 6; ++g)
            for (int b = 0; b < 6; ++b)
                pal[n++] = {static_cast<std::uint8_t>(r * 51), static_cast<std::uint8_t>(g * 51),
                            static_cast<std::uint8_t>(b * 51)};
    for (int k = 0; n < pal.size(); ++k) {
        const auto v = static_cast<std::uint8_t>(8 + 10 * k);
        pal[n++] = {v, v, v};
    }
    return pal;
}

// Last matching entry, so cube and grey-ramp colours win over identical VGA ones.
std::uint8_t Index256(const std::array<Rgb, 256>& pal, Rgb c) {
    std::size_t found = 0;
    for (std::size_t i = 0; i < pal.size(); ++i)
        if (pal[i].r == c.r && pal[i].g == c.g && pal[i].b == c.b) found = i;
    return static_cast<std::uint8_t>(found);
}

// Square canvas, top row first.
struct Canvas {
    int size;
    std::vector<Ink> px;

    explicit Canvas(int s) : size(s), px(static_cast<std::size_t>(s * s), kClear) {}
    Ink At(int x, int y) const { return px[static_cast<std::size_t>(y * size + x)]; }
    void Fill(int x0, int y0, int x1, int y1, Ink ink) {  // inclusive corners
        for (int y = y0; y <= y1; ++y)
            for (int x = x0; x <= x1; ++x) px[static_cast<std::size_t>(y * size + x)] = ink;
    }
};

// A memory module: green board with a dark rim, black chips with silver legs,
// gold contact fingers along the lower edge and a key notch cut into it.
struct Layout {
    int top, bottom;  // board rows, rim included
    int chipTop, chipBottom;
    std::array<int, 3> chipLeft;  // -1 = no chip
    int chipWidth;
    int legFrom, legStep;                // leg rows beside the chips (legStep 0 = none)
    int fingerTop, fingerBottom;         // contact rows
    int notchX, notchWidth, notchDepth;  // key notch cut up into the bottom edge
};

Canvas Draw(int size) {
    const Layout big{6, 25, 9, 17, {4, 13, 22}, 6, 10, 2, 20, 24, 18, 2, 4};
    const Layout small{2, 13, 5, 9, {3, 9, -1}, 4, 6, 2, 11, 12, 9, 1, 2};
    const Layout& l = size >= 32 ? big : small;
    const int last = size - 1;

    Canvas c(size);
    c.Fill(0, l.top, last, l.bottom, kEdge);
    c.Fill(1, l.top + 1, last - 1, l.bottom - 1, kBoard);
    c.Fill(1, l.top + 1, last - 1, l.top + 1, kBoardLit);

    for (int left : l.chipLeft) {
        if (left < 0) continue;
        const int right = left + l.chipWidth - 1;
        c.Fill(left, l.chipTop, right, l.chipBottom, kChip);
        c.Fill(left, l.chipTop, right, l.chipTop, kChipLit);
        if (l.legStep > 0)
            for (int y = l.legFrom; y < l.chipBottom; y += l.legStep) {
                c.Fill(left - 1, y, left - 1, y, kLeg);
                c.Fill(right + 1, y, right + 1, y, kLeg);
            }
    }

    for (int x = 2; x < last - 1; x += 2) {
        c.Fill(x, l.fingerTop, x, l.fingerBottom - 1, kGold);
        c.Fill(x, l.fingerBottom, x, l.fingerBottom, kGoldDim);
    }

    // The notch: transparent up through the bottom rim, framed by the rim colour.
    const int nx1 = l.notchX + l.notchWidth - 1;
    const int ny0 = l.bottom - l.notchDepth + 1;
    c.Fill(l.notchX - 1, ny0, nx1 + 1, l.bottom, kEdge);
    c.Fill(l.notchX, ny0 - 1, nx1, ny0 - 1, kEdge);
    c.Fill(l.notchX, ny0, nx1, l.bottom, kClear);
    return c;
}

// One icon image: BITMAPINFOHEADER, palette, colour rows, then the AND mask; rows bottom-up.
Bytes MakeImage(const Canvas& c, int bpp) {
    const int w = c.size;
    const int xorRow = (w * bpp + 31) / 32 * 4;
    const int andRow = (w + 31) / 32 * 4;
    const auto pal = Palette256();

    Bytes out;
    Put32(out, 40);
    Put32(out, static_cast<std::uint32_t>(w));
    Put32(out, static_cast<std::uint32_t>(2 * w));  // colour image plus mask
    Put16(out, 1);
    Put16(out, static_cast<std::uint32_t>(bpp));
    Put32(out, 0);  // BI_RGB
    Put32(out, static_cast<std::uint32_t>((xorRow + andRow) * w));
    for (int i = 0; i < 4; ++i) Put32(out, 0);

    const int colours = 1 << bpp;
    for (int i = 0; i < colours; ++i) {
        const Rgb& p = bpp == 4 ? kVga[static_cast<std::size_t>(i)] : pal[static_cast<std::size_t>(i)];
        out.insert(out.end(), {p.b, p.g, p.r, 0});
    }

    for (int y = w - 1; y >= 0; --y) {
        Bytes row(static_cast<std::size_t>(xorRow), 0);
        for (int x = 0; x < w; ++x) {
            const Ink ink = c.At(x, y);
            if (ink == kClear) continue;  // transparent pixels stay black
            if (bpp == 4)
                row[static_cast<std::size_t>(x / 2)] |= static_cast<std::uint8_t>(kInk16[ink] << (x % 2 ? 0 : 4));
            else
                row[static_cast<std::size_t>(x)] = Index256(pal, kInk256[ink]);
        }
        out.insert(out.end(), row.begin(), row.end());
    }
    for (int y = w - 1; y >= 0; --y) {
        Bytes row(static_cast<std::size_t>(andRow), 0);
        for (int x = 0; x < w; ++x)
            if (c.At(x, y) == kClear)
                row[static_cast<std::size_t>(x / 8)] |= static_cast<std::uint8_t>(0x80 >> (x % 8));
        out.insert(out.end(), row.begin(), row.end());
    }
    return out;
}

}  // namespace

Bytes BuildIcon() {
    struct Entry {
        int size, bpp;
    };
    constexpr Entry kEntries[] = {{32, 4}, {16, 4}, {32, 8}, {16, 8}};
    constexpr std::uint32_t kCount = std::size(kEntries);

    std::vector<Bytes> images;
    for (const Entry& e : kEntries) images.push_back(MakeImage(Draw(e.size), e.bpp));

    Bytes out;
    Put16(out, 0);  // reserved
    Put16(out, 1);  // icon
    Put16(out, kCount);
    std::uint32_t offset = 6 + 16 * kCount;
    for (std::size_t i = 0; i < kCount; ++i) {
        const Entry& e = kEntries[i];
        out.push_back(static_cast<std::uint8_t>(e.size));
        out.push_back(static_cast<std::uint8_t>(e.size));
        out.push_back(e.bpp == 4 ? 16 : 0);
        out.push_back(0);
        Put16(out, 1);
        Put16(out, static_cast<std::uint32_t>(e.bpp));
        Put32(out, static_cast<std::uint32_t>(images[i].size()));
        Put32(out, offset);
        offset += static_cast<std::uint32_t>(images[i].size());
    }
    for (const Bytes& img : images) out.insert(out.end(), img.begin(), img.end());
    return out;
}

}  // namespace assetgen

int WriteIcon(const char* path) {
    const std::vector<std::uint8_t> bytes = assetgen::BuildIcon();
    std::ofstream f(path, std::ios::binary | std::ios::trunc);
    if (!f) return 1;
    f.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    return f ? 0 : 1;
}
