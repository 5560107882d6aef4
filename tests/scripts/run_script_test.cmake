# Runs one script through tansu-script and compares its output lines with the
# script's "' expect:" and "' expect error:" comments.
# Called as: cmake -DRUNNER=... -DSCRIPT=... -P run_script_test.cmake

# CMake lists split at ";" and brackets change how they split: hide both.
function(escape_text out text)
    string(REPLACE ";" "<semicolon>" text "${text}")
    string(REPLACE "[" "<lb>" text "${text}")
    string(REPLACE "]" "<rb>" text "${text}")
    set(${out} "${text}" PARENT_SCOPE)
endfunction()

file(READ ${SCRIPT} source)
escape_text(source "${source}")
string(REPLACE "\r\n" "\n" source "${source}")
string(REPLACE "\n" ";" source_lines "${source}")

set(expected "")
set(args "")
foreach(line IN LISTS source_lines)
    string(STRIP "${line}" line)
    if(line MATCHES "^' expect: (.*)$")
        list(APPEND expected "${CMAKE_MATCH_1}")
    elseif(line MATCHES "^' expect error: (.*)$")
        list(APPEND expected "error ${CMAKE_MATCH_1}")
        set(expect_failure TRUE)
    elseif(line MATCHES "^' args: (.*)$")
        separate_arguments(args UNIX_COMMAND "${CMAKE_MATCH_1}")
    endif()
endforeach()

execute_process(
    COMMAND ${RUNNER} ${SCRIPT} ${args}
    OUTPUT_VARIABLE output
    ERROR_VARIABLE errors
    RESULT_VARIABLE status)

escape_text(output "${output}")
string(REGEX REPLACE "\n$" "" output "${output}")
if(output STREQUAL "")
    set(actual "")
else()
    string(REPLACE "\n" ";" actual "${output}")
endif()

set(failed FALSE)
if(expect_failure AND NOT status EQUAL 1)
    set(failed TRUE)
    message("expected exit code 1, got ${status}")
elseif(NOT expect_failure AND NOT status EQUAL 0)
    set(failed TRUE)
    message("expected exit code 0, got ${status}")
endif()
if(NOT "${actual}" STREQUAL "${expected}")
    set(failed TRUE)
    string(REPLACE ";" "\n  " shown_expected "${expected}")
    string(REPLACE ";" "\n  " shown_actual "${actual}")
    message("expected:\n  ${shown_expected}\nactual:\n  ${shown_actual}")
endif()
if(errors)
    message("standard error:\n${errors}")
endif()
if(failed)
    message(FATAL_ERROR "${SCRIPT} failed")
endif()
