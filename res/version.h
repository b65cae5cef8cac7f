/* The program's version and the year of its notices, for the resources and the code alike. */
#pragma once

#define TAVRISK_VERSION_MAJOR 1
#define TAVRISK_VERSION_MINOR 4
#define TAVRISK_VERSION_BUILD 51
#define TAVRISK_NOTICE_YEAR 1998
