// Thousands separators and the six lines of the result report.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "app/report_text.h"
#include "app/thousands.h"
#include "reclaim/kilobytes.h"

namespace {

std::string Thousands(std::int32_t value) {
    char out[tavrisk::kThousandsBytes];
    tavrisk::FormatThousands(value, out);
    return out;
}

TEST(FormatThousands, GroupsDigitsByThree) {
    const struct {
        std::int32_t value;
        const char* text;
    } rows[] = {
        {0, "0"},
        {7, "7"},
        {999, "999"},
        {1000, "1,000"},
        {123456, "123,456"},
        {1234567, "1,234,567"},
        {INT32_MAX, "2,147,483,647"},
        {-1, "-1"},
        {-999, "-999"},
        {-1234, "-1,234"},
        {-123456, "-123,456"},
        {INT32_MIN, "-2,147,483,648"},
    };
    for (const auto& row : rows) EXPECT_EQ(Thousands(row.value), row.text);

    char tiny[4];
    tavrisk::FormatThousands(1234567, tiny);  // cut, never overrun
    EXPECT_EQ(std::string(tiny), "1,2");
}

// The report as the alert's formatter expands it (the same conversions as printf).
std::string Report(std::int64_t freed, std::uint64_t avail, std::uint64_t total, std::int32_t ms) {
    const auto kb = tavrisk::ToKilobytes(freed, avail, total);
    char text[1024];
    std::snprintf(text, sizeof text, tavrisk::kReportFormat, static_cast<long>(kb.freed),
                  static_cast<unsigned long>(kb.inUse), static_cast<unsigned long>(kb.total), Thousands(ms).c_str(),
                  tavrisk::kVersionMajor, tavrisk::kVersionMinor, tavrisk::kVersionBuild, tavrisk::kCopyrightYear);
    return text;
}

TEST(Report, ShowsSixLinesWithTheFiguresOfTheSnapshot) {
    const std::string report = Report(41943040, 142016512, 268435456, 1234);
    EXPECT_EQ(report.substr(0, report.rfind("\r\n") + 2),
              "Physical memory freed:  40960 KB\r\n"
              "Physical memory in use:  123456/262144 KB   \r\n"
              "Time spent:  1,234 milliseconds.\r\n"
              "\r\n"
              "Tavrisk version 1.4.51\r\n");
    const std::string notice = report.substr(report.rfind("\r\n") + 2);
    EXPECT_NE(notice.find("1998"), std::string::npos);
    EXPECT_EQ(notice.find('\n'), std::string::npos);

    EXPECT_EQ(Report(-1536, 0, 0, 0).rfind("Physical memory freed:  -1 KB\r\n", 0), 0u);
    EXPECT_EQ(Report(-1023, 0, 0, 0).rfind("Physical memory freed:  0 KB\r\n", 0), 0u);
    EXPECT_NE(Report(0, 1023, 2048, 0).find("in use:  1/2 KB   \r\n"), std::string::npos);
    constexpr std::uint64_t GiB = 1ull << 30;
    EXPECT_NE(Report(0, 20 * GiB, 24 * GiB, 0).find("in use:  4194304/25165824 KB"), std::string::npos);
}

}  // namespace
