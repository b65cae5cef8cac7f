# Builds tavrisk.exe again from scratch in another folder and fails unless the
# two files are byte-identical: no time stamps or build paths in the program.
# Variables: SOURCE_DIR, WORK_DIR, TOOLCHAIN, BUILD_TYPE, EXE (the first build).
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
file(REMOVE_RECURSE "${WORK_DIR}")
message(STATUS "two builds of tavrisk.exe are byte-identical (${first})")
