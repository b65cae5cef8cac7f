// Reading what the recorder helpers wrote, and finding the processes a program started.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace testing_support {

// The helpers append to the file this variable names; a test sets it in its own
// environment, which tavrisk.exe and whatever it starts inherit.
inline constexpr const char* kRecordFileVariable = "TAVRISK_RECORD_FILE";

std::string RecorderExe();       // GUI: records, shows a window, exits by itself after ~2 s
std::string ConsoleHelperExe();  // console: records, sleeps 8 s

// Every complete record (a started program's command line) in the file, oldest first.
std::vector<std::string> ReadRecords(const std::string& path);

// The records once there are at least `count`, or what there is after `timeoutMs`.
std::vector<std::string> WaitForRecords(const std::string& path, std::size_t count, DWORD timeoutMs = 10000);

// The first record once there is one, or "" after `timeoutMs`.
std::string WaitForRecord(const std::string& path, DWORD timeoutMs = 10000);

// Ids of the processes whose parent is `parentPid`, running or not, as long as the system still lists them.
std::vector<DWORD> ProcessesStartedBy(DWORD parentPid);

// True when process `pid` owns a top-level window of class `windowClass`.
bool HasWindowOfClass(DWORD pid, const char* windowClass);

}  // namespace testing_support
