# Fails when an object in OBJECTS holds a constructor or destructor list section
# (.ctors*, .dtors*, .init_array*, .fini_array*). The program starts at its own entry
# point with no C run-time start-up, which is what would run those lists: a global with a
# dynamic initialiser would silently stay unset. The exe itself always carries ld's empty
# lists, so the objects are what tell.
# cmake -DOBJDUMP=<objdump> -DOBJECTS=<object;...> -P check_no_constructors.cmake
set(found "")
foreach(object IN LISTS OBJECTS)
    execute_process(COMMAND "${OBJDUMP}" -h "${object}" OUTPUT_VARIABLE headers RESULT_VARIABLE status)
    if(NOT status EQUAL 0)
        message(FATAL_ERROR "${OBJDUMP} could not read ${object}")
    endif()
    string(REGEX MATCHALL "\n +[0-9]+ +\\.(ctors|dtors|init_array|fini_array)[^ \n]*" sections "${headers}")
    foreach(section IN LISTS sections)
        string(REGEX REPLACE "^\n +[0-9]+ +" "" section "${section}")
        list(APPEND found "${object}: ${section}")
    endforeach()
endforeach()
if(found)
    list(JOIN found "\n  " names)
    message(FATAL_ERROR "Constructor or destructor lists, which nothing runs here (no C run-time "
                        "start-up): make these globals constant-initialised (constexpr or constinit):\n  ${names}")
endif()
