// The reclaim pass: fill one large private-heap block at real-time priority and measure.
#pragma once

#include <windows.h>

#include <cstdint>
#include <optional>

namespace tavrisk {

// Returns the change in available physical memory across the pass, in bytes
// (after minus before; may be negative) and leaves the after-pass figures in
// `status`. The process and thread are at normal priority on return.
std::int64_t ReclaimMemory(std::uint32_t cleanMode, MEMORYSTATUSEX& status);

// The system's estimate of the physical memory in use, 0 to 100 percent; none
// when it cannot be read.
std::optional<std::uint32_t> ReadMemoryLoad();

}  // namespace tavrisk
