# Builds tavrisk.exe again from scratch in another folder and fails unless the
# two files are byte-identical: no time stamps or build paths in the program.
# Then packs the first build under umask 022 and the second under umask 002 with
# scripts/package and fails unless the two zips and SHA256SUMS files are
# byte-identical and the checksums name and match the zip and the exe inside it.
# Packed again, each signed with one throwaway certificate, the two zips and
# SHA256SUMS are byte-identical too, and removing the signature from the signed
# exe gives back the unsigned build.
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
                "${SOURCE_DIR}/scripts/package" --exe "${exe}" ${ARGN} "${out}"
        OUTPUT_QUIET RESULT_VARIABLE packed)
    if(NOT packed EQUAL 0)
        message(FATAL_ERROR "scripts/package ${ARGN} under umask ${mask} failed")
    endif()
endfunction()
package(022 "${EXE}" "${WORK_DIR}/dist-022")
package(002 "${WORK_DIR}/tavrisk.exe" "${WORK_DIR}/dist-002")

# A throwaway self-signed code-signing certificate.
set(ENV{TAVRISK_SIGN_PASSWORD} throwaway)
execute_process(
    COMMAND openssl req -x509 -newkey rsa:2048 -nodes -days 2 -subj "/CN=TAVRISK test signer"
            -addext extendedKeyUsage=codeSigning -keyout "${WORK_DIR}/key.pem" -out "${WORK_DIR}/cert.pem"
    COMMAND_ERROR_IS_FATAL ANY OUTPUT_QUIET ERROR_QUIET)
execute_process(
    COMMAND openssl pkcs12 -export -inkey "${WORK_DIR}/key.pem" -in "${WORK_DIR}/cert.pem"
            -out "${WORK_DIR}/cert.p12" -passout env:TAVRISK_SIGN_PASSWORD
    COMMAND_ERROR_IS_FATAL ANY)
package(022 "${EXE}" "${WORK_DIR}/signed-022" --sign "${WORK_DIR}/cert.p12")
package(002 "${WORK_DIR}/tavrisk.exe" "${WORK_DIR}/signed-002" --sign "${WORK_DIR}/cert.p12")

set(zip "tavrisk-${VERSION}-win32.zip")
foreach(name "${zip}" SHA256SUMS)
    foreach(kind dist signed)
        file(SHA256 "${WORK_DIR}/${kind}-022/${name}" under_022)
        file(SHA256 "${WORK_DIR}/${kind}-002/${name}" under_002)
        if(NOT under_022 STREQUAL under_002)
            message(FATAL_ERROR "${name} (${kind}) differs between umask 022 and umask 002:\n"
                    "  ${WORK_DIR}/${kind}-022/${name}\n  ${WORK_DIR}/${kind}-002/${name}")
        endif()
    endforeach()
endforeach()
# Without --release-url no manifests.
if(EXISTS "${WORK_DIR}/dist-022/scoop" OR EXISTS "${WORK_DIR}/dist-022/winget")
    message(FATAL_ERROR "scripts/package wrote manifests without --release-url")
endif()
file(ARCHIVE_EXTRACT INPUT "${WORK_DIR}/signed-022/${zip}" DESTINATION "${WORK_DIR}/signed")
execute_process(
    COMMAND osslsigncode remove-signature -in "${WORK_DIR}/signed/tavrisk.exe" -out "${WORK_DIR}/unsigned.exe"
    OUTPUT_QUIET COMMAND_ERROR_IS_FATAL ANY)
file(SHA256 "${WORK_DIR}/unsigned.exe" unsigned)
if(NOT unsigned STREQUAL second)
    message(FATAL_ERROR "the signed tavrisk.exe without its signature is not the rebuilt one:\n"
            "  ${WORK_DIR}/unsigned.exe\n  ${WORK_DIR}/tavrisk.exe")
endif()

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
file(SHA256 "${WORK_DIR}/signed-022/${zip}" signed_zip_sum)
file(REMOVE_RECURSE "${WORK_DIR}")
message(STATUS "the packages under umask 022 and 002 are byte-identical (${zip_sum}), "
        "and so are the signed ones (${signed_zip_sum}), whose exe without its signature is the rebuilt one")
