// Generators for TAVRISK's sound and icon resources, shared by the host tools and their tests.
#pragma once

#include <cstdint>
#include <vector>

namespace assetgen {

using Bytes = std::vector<std::uint8_t>;

// Little-endian fields, as RIFF and icon files store them.
inline void Put16(Bytes& out, std::uint32_t v) {
    out.push_back(static_cast<std::uint8_t>(v));
    out.push_back(static_cast<std::uint8_t>(v >> 8));
}

inline void Put32(Bytes& out, std::uint32_t v) {
    Put16(out, v & 0xFFFF);
    Put16(out, v >> 16);
}

// Whole file images, byte for byte as they are written to disk.
std::vector<std::uint8_t> BuildOpenWav();
std::vector<std::uint8_t> BuildDoneWav();
std::vector<std::uint8_t> BuildIcon();

}  // namespace assetgen

// Write open.wav and done.wav into dir. Returns 0 on success.
int WriteSounds(const char* dir);
// Write the application icon to path. Returns 0 on success.
int WriteIcon(const char* path);
