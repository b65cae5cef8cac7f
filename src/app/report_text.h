// The texts of the confirmation question and the result report.
#pragma once

#include "version.h"

namespace tavrisk {

inline constexpr char kConfirmFormat[] = "Cleanup memory now ?   \nClean Mode = %d";

// Six lines: freed, in use / total, time, an empty line, version, ownership
// notice. Values: freed KB (%ld), in-use KB, total KB (%lu), time text, the
// three version numbers and the year.
inline constexpr char kReportFormat[] =
    "Physical memory freed:  %ld KB\r\n"
    "Physical memory in use:  %lu/%lu KB   \r\n"
    "Time spent:  %s milliseconds.\r\n"
    "\r\n"
    "Tavrisk version %d.%d.%02d\r\n"
    "Copyright (C) %d The Tavrisk Authors. MIT licence.";

inline constexpr int kVersionMajor = TAVRISK_VERSION_MAJOR;
inline constexpr int kVersionMinor = TAVRISK_VERSION_MINOR;
inline constexpr int kVersionBuild = TAVRISK_VERSION_BUILD;
inline constexpr int kCopyrightYear = TAVRISK_NOTICE_YEAR;

}  // namespace tavrisk
