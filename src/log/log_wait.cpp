// The wait for a held log sleeps between tries.
#include "log/log_wait.h"

#include <windows.h>

namespace tavrisk {

void LogWaitPause(std::uint32_t ms) { Sleep(ms); }

}  // namespace tavrisk
