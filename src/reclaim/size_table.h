// How many bytes one reclaim pass asks for, by clean mode.
#pragma once

#include <array>
#include <cstdint>

namespace tavrisk {

inline constexpr std::array<std::uint32_t, 10> kReclaimSizes = {
    25'165'824,   // 0:  24 MB
    41'943'040,   // 1:  40 MB
    62'914'560,   // 2:  60 MB
    83'886'080,   // 3:  80 MB
    109'051'904,  // 4: 104 MB
    134'217'728,  // 5: 128 MB
    167'772'160,  // 6: 160 MB
    201'326'592,  // 7: 192 MB
    234'881'024,  // 8: 224 MB
    267'386'880,  // 9: 255 MB, not 256
};

// Any mode outside 0 to 9 (negative ones included) asks for 32 MB.
inline constexpr std::uint32_t kOtherModeSize = 33'554'432;

constexpr std::uint32_t ReclaimRequestSize(std::uint32_t cleanMode) {
    return cleanMode < kReclaimSizes.size() ? kReclaimSizes[cleanMode] : kOtherModeSize;
}

}  // namespace tavrisk
