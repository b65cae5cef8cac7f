# Native build of the Win32-free code: unit tests under ASan/UBSan, and a libFuzzer target.
set(TAVRISK_SANITIZE -fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer)
add_compile_options(-Wall -Wextra -Werror ${TAVRISK_SANITIZE})
add_link_options(${TAVRISK_SANITIZE})

include(cmake/googletest.cmake)
include(GoogleTest)

add_library(tavrisk_core STATIC ${TAVRISK_CORE_SOURCES})
target_include_directories(tavrisk_core PUBLIC src res)

add_subdirectory(tests/host)
add_subdirectory(tests/fuzz)
