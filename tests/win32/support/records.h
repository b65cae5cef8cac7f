// Reading the record file that the test helpers and the sound seam append to.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "shared_names.h"

namespace testing_support {

// How long nothing must arrive before a test takes it that nothing (more) will.
inline constexpr DWORD kQuietPeriodMs = 300;

// Every complete record (a started program's command line, or a sound handed over) in the file, oldest first.
std::vector<std::string> ReadRecords(const std::string& path);

// The records once there are at least `count`, or what there is after `timeoutMs`.
std::vector<std::string> WaitForRecords(const std::string& path, std::size_t count, DWORD timeoutMs = 10000);

// The first record once there is one, or "" after `timeoutMs`.
std::string WaitForRecord(const std::string& path, DWORD timeoutMs = 10000);

// The records after a quiet period of kQuietPeriodMs: for checking that nothing (more)
// happens, such as a program started or a sound handed over late.
std::vector<std::string> RecordsAfterQuietPeriod(const std::string& path);

}  // namespace testing_support
