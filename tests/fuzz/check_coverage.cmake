# Fails unless every object in OBJECTS holds __sanitizer_cov symbols: libFuzzer learns
# only from code compiled with -fsanitize=fuzzer or fuzzer-no-link, and runs the rest blind.
# cmake -DNM=<nm> -DOBJECTS=<object;...> -P check_coverage.cmake
set(blind "")
foreach(object IN LISTS OBJECTS)
    execute_process(COMMAND "${NM}" "${object}" OUTPUT_VARIABLE symbols RESULT_VARIABLE status)
    if(NOT status EQUAL 0)
        message(FATAL_ERROR "${NM} could not read ${object}")
    endif()
    if(NOT symbols MATCHES "__sanitizer_cov")
        list(APPEND blind "${object}")
    endif()
endforeach()
if(blind)
    list(JOIN blind "\n  " names)
    message(FATAL_ERROR "No __sanitizer_cov symbols, so libFuzzer gets no coverage from them "
                        "(compile them with -fsanitize=fuzzer-no-link):\n  ${names}")
endif()
