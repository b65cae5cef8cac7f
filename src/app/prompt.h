// What the user sees and hears around the pass: the question before, the report after.
#pragma once

#include <windows.h>

#include <cstdint>

#include "app/options.h"

namespace tavrisk {

struct Confirmation {
    bool goOn = true;          // false when the user answered No or dismissed the question
    DWORD stopwatchStart = 0;  // tick count when the question was answered
};

Confirmation ConfirmCleanup(std::int32_t cleanMode);

// The completion actions of the prompt mode. `logPath` is null when no log was
// placed, and is then never opened.
void FinishRun(const RunOptions& options, std::int64_t freedBytes, const MEMORYSTATUSEX& status, const char* logPath,
               DWORD stopwatchStart, HMODULE module);

}  // namespace tavrisk
