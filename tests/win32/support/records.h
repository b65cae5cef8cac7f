// Reading the record file that the test helpers and the sound seam append to.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "shared_names.h"

namespace testing_support {

// Every complete record (a started program's command line, or a sound handed over) in the file, oldest first.
std::vector<std::string> ReadRecords(const std::string& path);

// The records once there are at least `count`, or what there is after `timeoutMs`.
std::vector<std::string> WaitForRecords(const std::string& path, std::size_t count, DWORD timeoutMs = 10000);

// The first record once there is one, or "" after `timeoutMs`.
std::string WaitForRecord(const std::string& path, DWORD timeoutMs = 10000);

}  // namespace testing_support
