# Builds tavrisk.exe again from scratch in another folder and fails unless the
# two files are byte-identical: no time stamps or build paths in the program.
# Then packs the first build under umask 022 and the second under umask 002 with
# scripts/package and fails unless the two zips and SHA256SUMS files are
# byte-identical and the checksums name and match the zip and the exe inside it.
# Variables: SOURCE_DIR, WORK_DIR, TOOLCHAIN, BUILD_TYPE, EXE (the first build), VERSION.
file(REMOVE_RECURSE "${WORK_DIR}")
execute_process(
    COMMAND ${CMAKE_COMMAND} -S "${SOURCE_DIR}" -B "${WORK_DIR}" -G Ninja
            -DCMAKE_TOOLCHAIN_FILE=${TOOLCHAIN} -DCMAKE_BUILD_TYPE=${BUILD_TYPE}
    OUTPUT_QUIET RESULT_VARIABLE configured)
if(NOT configured EQUAL 0)
    message(FATAL_ERROR "configuring the second build failed")
endif()
execute_process(COMMAND ${CMAKE_COMMAND} --build "${WORK_DIR}" --target tavrisk
    OUTPUT_QUIET RESULT_VARIABLE built)
if(NOT built EQUAL 0)
    message(FATAL_ERROR "the second build failed")
endif()
file(SHA256 "${EXE}" first)
file(SHA256 "${WORK_DIR}/tavrisk.exe" second)
if(NOT first STREQUAL second)
    message(FATAL_ERROR "two builds of tavrisk.exe differ:\n  ${EXE}\n  ${WORK_DIR}/tavrisk.exe")
endif()
message(STATUS "two builds of tavrisk.exe are byte-identical (${first})")

function(package mask exe out)
    execute_process(
        COMMAND bash -c "umask ${mask} && exec \"$0\" \"$@\""
                "${SOURCE_DIR}/scripts/package" --exe "${exe}" "${out}"
        OUTPUT_QUIET RESULT_VARIABLE packed)
    if(NOT packed EQUAL 0)
        message(FATAL_ERROR "scripts/package under umask ${mask} failed")
    endif()
endfunction()
package(022 "${EXE}" "${WORK_DIR}/dist-022")
package(002 "${WORK_DIR}/tavrisk.exe" "${WORK_DIR}/dist-002")

set(zip "tavrisk-${VERSION}-win32.zip")
foreach(name "${zip}" SHA256SUMS)
    file(SHA256 "${WORK_DIR}/dist-022/${name}" under_022)
    file(SHA256 "${WORK_DIR}/dist-002/${name}" under_002)
    if(NOT under_022 STREQUAL under_002)
        message(FATAL_ERROR "${name} differs between umask 022 and umask 002:\n"
                "  ${WORK_DIR}/dist-022/${name}\n  ${WORK_DIR}/dist-002/${name}")
    endif()
endforeach()

file(ARCHIVE_EXTRACT INPUT "${WORK_DIR}/dist-022/${zip}" DESTINATION "${WORK_DIR}/unpacked")
file(SHA256 "${WORK_DIR}/dist-022/${zip}" zip_sum)
file(SHA256 "${WORK_DIR}/unpacked/tavrisk.exe" packed_exe_sum)
if(NOT packed_exe_sum STREQUAL first)
    message(FATAL_ERROR "the tavrisk.exe in ${zip} is not the one packaged")
endif()
file(READ "${WORK_DIR}/dist-022/SHA256SUMS" sums)
set(expected "${zip_sum}  ${zip}\n${packed_exe_sum}  tavrisk.exe\n")
if(NOT sums STREQUAL expected)
    message(FATAL_ERROR "SHA256SUMS reads\n${sums}instead of\n${expected}")
endif()
file(REMOVE_RECURSE "${WORK_DIR}")
message(STATUS "the packages under umask 022 and 002 are byte-identical (${zip_sum})")
