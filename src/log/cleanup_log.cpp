// Stand-in until the log exists: nothing is placed or written.
#include "log/cleanup_log.h"

namespace tavrisk {

bool BuildLogPath(HMODULE, char (&path)[MAX_PATH]) {
    path[0] = '\0';
    return false;
}

int AppendCleanupLog(const char*, std::int32_t, std::int64_t, std::uint64_t, std::uint64_t) { return 0; }

}  // namespace tavrisk
