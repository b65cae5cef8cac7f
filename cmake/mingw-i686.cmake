# Cross toolchain: 32-bit Windows programs with mingw-w64, run under Wine.
set(CMAKE_SYSTEM_PROCESSOR x86)
set(TAVRISK_MINGW_TRIPLE i686-w64-mingw32)
set(TAVRISK_WINE_LOADER wine)
include(${CMAKE_CURRENT_LIST_DIR}/mingw.cmake)
