# Fails unless the benchmark's yardsticks and empty program are built like tavrisk.exe
# (GUI programs importing KERNEL32 only), and one short start_bench run starts every
# program, sees each exit 0 and prints every row of its two tables.
# Usage: cmake -DWINE=... -DOBJDUMP=... -DSTART_BENCH=... -DTAVRISK=... -P check_bench_programs.cmake
get_filename_component(bin "${START_BENCH}" DIRECTORY)
foreach(name empty_program touch_reference_v0 touch_reference_v9)
    execute_process(COMMAND ${OBJDUMP} -p "${bin}/${name}.exe" OUTPUT_VARIABLE dump RESULT_VARIABLE rc)
    if(NOT rc EQUAL 0)
        message(FATAL_ERROR "objdump failed on ${name}.exe")
    endif()
    string(REGEX MATCHALL "DLL Name: [^\n]+" imports "${dump}")
    list(TRANSFORM imports REPLACE "DLL Name: " "")
    if(NOT imports STREQUAL "KERNEL32.dll")
        message(FATAL_ERROR "${name}.exe imports ${imports}, not KERNEL32.dll alone")
    endif()
    if(NOT dump MATCHES "Subsystem[ \t]+00000002")
        message(FATAL_ERROR "${name}.exe is not a GUI-subsystem program")
    endif()
endforeach()

# The same build twice exercises the column of an older build given for comparison.
string(REPLACE "/" "\\" tavrisk "Z:${TAVRISK}")
execute_process(COMMAND ${WINE} "${START_BENCH}" 1 "${tavrisk}" "${tavrisk}"
    OUTPUT_VARIABLE output ERROR_VARIABLE errors RESULT_VARIABLE rc TIMEOUT 120)
message(STATUS "start_bench:\n${output}${errors}")
if(NOT rc EQUAL 0)
    message(FATAL_ERROR "start_bench ended with ${rc}")
endif()
set(number "[0-9]+\\.[0-9]")
set(ratio "-?[0-9]+\\.[0-9][0-9]")
foreach(row "empty program" "yardstick 24 MB" "yardstick 255 MB" "tavrisk v=0" "tavrisk v=9"
            "other tavrisk v=0" "other tavrisk v=9")
    if(NOT output MATCHES "\n\\| ${row} \\| ${number} \\| ${number} \\| ${number} \\| [0-9]+ \\|\n")
        message(FATAL_ERROR "no row of figures for ${row}")
    endif()
endforeach()
foreach(row "start: v=0 / yardstick 24 MB" "pass: \\(v=9 - empty\\) / \\(yardstick 255 MB - empty\\)")
    if(NOT output MATCHES "\n\\| ${row} \\| ${ratio} \\| ${ratio} \\| at most 1\\.[0-9]+ \\|\n")
        message(FATAL_ERROR "no ratios for '${row}' in both columns")
    endif()
endforeach()
