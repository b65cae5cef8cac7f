// Generators for TAVRISK's sound and icon resources, shared by the host tools and their tests.
#pragma once

#include <cstdint>
#include <vector>

namespace assetgen {

// Whole file images, byte for byte as they are written to disk.
std::vector<std::uint8_t> BuildOpenWav();
std::vector<std::uint8_t> BuildDoneWav();
std::vector<std::uint8_t> BuildIcon();

}  // namespace assetgen

// Write open.wav and done.wav into dir. Returns 0 on success.
int WriteSounds(const char* dir);
// Write the application icon to path. Returns 0 on success.
int WriteIcon(const char* path);
