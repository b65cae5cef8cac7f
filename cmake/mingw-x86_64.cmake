# Cross toolchain: 64-bit Windows builds of the same sources, for machines that cannot run 32-bit programs (see README).
set(CMAKE_SYSTEM_PROCESSOR AMD64)
set(TAVRISK_MINGW_TRIPLE x86_64-w64-mingw32)
set(TAVRISK_WINE_LOADER /usr/lib/wine/wine64)
include(${CMAKE_CURRENT_LIST_DIR}/mingw.cmake)
