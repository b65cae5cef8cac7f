// Reading the record file that the test helpers and the sound seam append to.
#include "records.h"

#include "child.h"

namespace testing_support {

std::vector<std::string> ReadRecords(const std::string& path) {
    const std::string bytes = ReadBytes(path);
    std::vector<std::string> records;
    std::size_t start = 0;
    for (std::size_t end; (end = bytes.find('\n', start)) != std::string::npos; start = end + 1)
        records.push_back(bytes.substr(start, end - start));
    return records;
}

std::vector<std::string> WaitForRecords(const std::string& path, std::size_t count, DWORD timeoutMs) {
    const DWORD start = GetTickCount();
    timeoutMs = ScaledMs(timeoutMs);
    std::vector<std::string> records = ReadRecords(path);
    while (records.size() < count && GetTickCount() - start < timeoutMs) {
        Sleep(20);
        records = ReadRecords(path);
    }
    return records;
}

std::string WaitForRecord(const std::string& path, DWORD timeoutMs) {
    const std::vector<std::string> records = WaitForRecords(path, 1, timeoutMs);
    return records.empty() ? std::string() : records.front();
}

std::vector<std::string> RecordsAfterQuietPeriod(const std::string& path) {
    Sleep(ScaledMs(kQuietPeriodMs));
    return ReadRecords(path);
}

}  // namespace testing_support
