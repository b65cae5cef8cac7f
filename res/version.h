/* The program's version and the year of its notices, for the resources and the code alike. */
#pragma once

#define TAVRISK_VERSION_MAJOR 1
#define TAVRISK_VERSION_MINOR 4
#define TAVRISK_VERSION_BUILD 51
#define TAVRISK_NOTICE_YEAR 1998

/* "1.4.51" for the version record's strings. (The about box and the report print
   the build number with at least two digits themselves.) */
#define TAVRISK_STRING_(x) #x
#define TAVRISK_STRING(x) TAVRISK_STRING_(x)
#define TAVRISK_VERSION_TEXT \
    TAVRISK_STRING(TAVRISK_VERSION_MAJOR) "." TAVRISK_STRING(TAVRISK_VERSION_MINOR) "." TAVRISK_STRING(TAVRISK_VERSION_BUILD)
