// Stand-in until the prompt modes exist: ask nothing, do nothing after the pass.
#include "app/prompt.h"

namespace tavrisk {

Confirmation ConfirmCleanup(std::int32_t) { return {true, GetTickCount()}; }

void FinishRun(const RunOptions&, std::int64_t, const MEMORYSTATUSEX&, const char*, DWORD, HMODULE) {}

}  // namespace tavrisk
