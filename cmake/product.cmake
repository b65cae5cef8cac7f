# tavrisk.exe: no C run-time start-up, no exceptions, system DLLs only.
enable_language(RC)

set(TAVRISK_WIN32_SOURCES
    src/app/entry.cpp
    src/app/app_main.cpp
    src/app/prompt.cpp
    src/reclaim/reclaim.cpp
    src/reclaim/memory_status.cpp
    src/log/cleanup_log.cpp
    src/log/log_wait.cpp
    src/log/log_write.cpp
    src/log/module_path.cpp
    src/ui/alert.cpp
    src/ui/launcher.cpp
    src/ui/about.cpp
    src/ui/center_window.cpp
    src/ui/sound.cpp
    src/ui/wave_output.cpp
    src/runtime/system_library.cpp
    src/runtime/library_search.cpp
    src/runtime/search_path.cpp
    src/runtime/system_calls.cpp
    src/runtime/wide_text.cpp
    src/runtime/crt.cpp
)

# The headers declare nothing newer than XP: a newer function must be looked up
# at run time (runtime/system_calls.h), since a static import of it would keep
# the program from starting on XP.
set(TAVRISK_PRODUCT_COMPILE_OPTIONS
    -D_WIN32_WINNT=0x0501 -DWINVER=0x0501
    -Wall -Wextra -Werror
    -Os -fno-exceptions -fno-rtti -fno-asynchronous-unwind-tables -fno-ident
    # Size, measured on the 32-bit image (each flag alone, bytes of .text/.rdata):
    # one code section per file rather than per function (-52: each section is
    # padded to 4 bytes), no sibling calls (-36), no split aggregates (-32), no
    # inlining beyond the trivial (-16), and data aligned as the ABI asks rather
    # than to 32 bytes for every array (-156 .rdata). Unused data still goes.
    -fdata-sections -malign-data=abi
    -fno-optimize-sibling-calls -fno-ipa-sra -finline-limit=1
    # Pushed arguments and no frame pointer or stack realignment: Windows keeps
    # 32-bit stacks 4-byte aligned, and nothing here needs more. Without stack
    # probes no frame may pass one 4 KiB guard page, which the warning enforces.
    -mno-accumulate-outgoing-args -fomit-frame-pointer
    -mno-stack-arg-probe -Wframe-larger-than=4000
)
if(CMAKE_SIZEOF_VOID_P EQUAL 4)
    list(APPEND TAVRISK_PRODUCT_COMPILE_OPTIONS -mpreferred-stack-boundary=2)
    set(TAVRISK_ENTRY _entry@0)
    set(TAVRISK_DEF res/tavrisk.def)
else()
    # The 64-bit check build (cmake/mingw-x86_64.cmake): the same code, undecorated names.
    set(TAVRISK_ENTRY entry)
    set(TAVRISK_DEF res/tavrisk64.def)
endif()
# No C run-time: KERNEL32 is the one library imported at load time; user32, gdi32
# and the rest are loaded when a run needs them (runtime/system_calls.h).
set(TAVRISK_PRODUCT_LINK_OPTIONS
    -nostdlib -Wl,-e,${TAVRISK_ENTRY} -mwindows -s
    -Wl,--gc-sections -Wl,--no-insert-timestamp
)
if(CMAKE_SIZEOF_VOID_P EQUAL 4)
    # NO_SEH: the program registers no structured exception handler of its own, so
    # the x86 image needs no handler table and allows none. TERMINAL_SERVER_AWARE:
    # it reads no INI file and no per-user registry key, the things Remote Desktop
    # sessions would otherwise redirect for it. The exe check asserts the
    # DllCharacteristics these give, 0x8540. Never add --forceinteg (FORCE_INTEGRITY):
    # Windows then refuses to start the exe unless Microsoft's code-integrity signing
    # accepts it, which no Authenticode certificate of ours provides.
    list(APPEND TAVRISK_PRODUCT_LINK_OPTIONS -Wl,--no-seh -Wl,--tsaware)
endif()
set(TAVRISK_SYSTEM_LIBRARIES kernel32 gcc)

# Nothing runs constructors at start-up here: a global with a dynamic initialiser
# would silently never be set. Its object carries a constructor list, and the
# link stops before it (objdump on the target's own objects).
if(NOT CMAKE_OBJDUMP)
    message(FATAL_ERROR "objdump not found: the constructor check of the program's objects needs it")
endif()
function(tavrisk_forbid_constructors target)
    add_custom_command(TARGET ${target} PRE_LINK
        COMMAND ${CMAKE_COMMAND} -DOBJDUMP=${CMAKE_OBJDUMP} -DOBJECTS=$<TARGET_OBJECTS:${target}>
                -P ${PROJECT_SOURCE_DIR}/cmake/check_no_constructors.cmake
        VERBATIM)
endfunction()

add_executable(tavrisk WIN32 ${TAVRISK_CORE_SOURCES} ${TAVRISK_WIN32_SOURCES} res/tavrisk.rc ${TAVRISK_DEF})
target_include_directories(tavrisk PRIVATE src res)
target_compile_options(tavrisk PRIVATE $<$<COMPILE_LANGUAGE:CXX>:${TAVRISK_PRODUCT_COMPILE_OPTIONS}>)
target_link_options(tavrisk PRIVATE ${TAVRISK_PRODUCT_LINK_OPTIONS})
target_link_libraries(tavrisk PRIVATE ${TAVRISK_SYSTEM_LIBRARIES})
# Without ENABLE_EXPORTS CMake leaves the .def file off an executable's link line.
set_target_properties(tavrisk PROPERTIES OUTPUT_NAME tavrisk ENABLE_EXPORTS ON)
tavrisk_forbid_constructors(tavrisk)

# windres does not tell CMake which files the script names.
file(GLOB TAVRISK_RESOURCE_FILES CONFIGURE_DEPENDS
    ${PROJECT_SOURCE_DIR}/res/*.h ${PROJECT_SOURCE_DIR}/res/*.wav
    ${PROJECT_SOURCE_DIR}/res/*.ico ${PROJECT_SOURCE_DIR}/res/*.rc2
    ${PROJECT_SOURCE_DIR}/res/*.def ${PROJECT_SOURCE_DIR}/res/*.manifest)
set_property(SOURCE res/tavrisk.rc APPEND PROPERTY OBJECT_DEPENDS ${TAVRISK_RESOURCE_FILES})

# A test build of the program: the same code and flags, with some of its files
# swapped for recording stand-ins (link-time seams).
function(tavrisk_add_seam_build name)
    cmake_parse_arguments(ARG "" "" "REPLACE;WITH" ${ARGN})
    set(sources ${TAVRISK_CORE_SOURCES} ${TAVRISK_WIN32_SOURCES})
    list(REMOVE_ITEM sources ${ARG_REPLACE})
    list(TRANSFORM sources PREPEND ${PROJECT_SOURCE_DIR}/)
    add_executable(${name} WIN32 ${sources} ${ARG_WITH} ${PROJECT_SOURCE_DIR}/res/tavrisk.rc)
    foreach(property INCLUDE_DIRECTORIES COMPILE_OPTIONS LINK_OPTIONS LINK_LIBRARIES)
        get_target_property(value tavrisk ${property})
        if(value)
            set_property(TARGET ${name} PROPERTY ${property} ${value})
        endif()
    endforeach()
    target_include_directories(${name} PRIVATE ${PROJECT_SOURCE_DIR}/tests/win32/seams)
    tavrisk_forbid_constructors(${name})
endfunction()
