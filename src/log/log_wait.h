// The pause between two tries at a held log; tests link a seam in its place.
#pragma once

#include <cstdint>

namespace tavrisk {

void LogWaitPause(std::uint32_t ms);

}  // namespace tavrisk
