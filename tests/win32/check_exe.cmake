# Fails unless EXE imports KERNEL32 alone at load time, is at most 56 KiB and has
# exactly the DllCharacteristics of the 32-bit link (cmake/product.cmake).
# Every other library is loaded at run time from the system folder when a run
# needs it, so a static import of one (which Windows would look for beside the
# exe first, and every quiet run would pay for) must fail here.
cmake_policy(SET CMP0057 NEW)
file(SIZE "${EXE}" size)
if(size GREATER 57344)
    message(FATAL_ERROR "tavrisk.exe is ${size} bytes, more than 56 KiB")
endif()
execute_process(COMMAND ${OBJDUMP} -p "${EXE}" OUTPUT_VARIABLE dump RESULT_VARIABLE rc)
if(NOT rc EQUAL 0)
    message(FATAL_ERROR "objdump failed on ${EXE}")
endif()
string(REGEX MATCHALL "DLL Name: [^\n]+" names "${dump}")
set(expected KERNEL32.DLL)
set(imported "")
foreach(entry IN LISTS names)
    string(REPLACE "DLL Name: " "" dll "${entry}")
    string(STRIP "${dll}" dll)
    string(TOUPPER "${dll}" upper)
    list(APPEND imported ${upper})
endforeach()
list(SORT imported)
if(NOT imported STREQUAL expected)
    message(FATAL_ERROR "tavrisk.exe imports ${imported} at load time; expected exactly ${expected}")
endif()
# Names outside the ANSI code page reach the program through the UTF-16 calls on every
# Windows. A UTF-8 code page asked for in the manifest (activeCodePage) would help
# Windows 10 1903 and later alone, count MAX_PATH in bytes there, and let the ANSI
# calls pass every test under Wine, which honours it.
file(STRINGS "${EXE}" code_page REGEX "activeCodePage")
if(code_page)
    message(FATAL_ERROR "tavrisk.exe's manifest names activeCodePage")
endif()
# DYNAMIC_BASE, NX_COMPAT, NO_SEH and TERMINAL_SERVER_AWARE; never FORCE_INTEGRITY.
string(REGEX MATCH "\nDllCharacteristics[ \t]+([0-9a-fA-F]+)\n" line "${dump}")
if(NOT CMAKE_MATCH_1 STREQUAL "00008540")
    message(FATAL_ERROR "tavrisk.exe has DllCharacteristics ${CMAKE_MATCH_1}; expected 00008540")
endif()
message(STATUS "tavrisk.exe: ${size} bytes; DllCharacteristics 0x8540; imports: ${names}")
