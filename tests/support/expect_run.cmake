# Runs one program and checks its exit status and output:
#
#   cmake -DEXIT=N [-DSTDOUT=TEXT] [-DSTDOUT_REGEX=RE] [-DSTDERR_REGEX=RE] [-DEMULATOR=A|B|...]
#         -P expect_run.cmake -- PROGRAM ARGUMENTS...
#
# EMULATOR is a '|'-separated command put in front of the program (Wine for the Windows build).
set(command)
if(EMULATOR)
  string(REPLACE "|" ";" command "${EMULATOR}")
endif()
set(seen_separator FALSE)
math(EXPR last "${CMAKE_ARGC} - 1")
foreach(i RANGE ${last})
  if(seen_separator)
    list(APPEND command "${CMAKE_ARGV${i}}")
  elseif("${CMAKE_ARGV${i}}" STREQUAL "--")
    set(seen_separator TRUE)
  endif()
endforeach()

execute_process(COMMAND ${command} RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE err)
set(problems "")
if(NOT "${status}" STREQUAL "${EXIT}")
  string(APPEND problems "exit status ${status}, expected ${EXIT}\n")
endif()
if(DEFINED STDOUT AND NOT "${out}" STREQUAL "${STDOUT}")
  string(APPEND problems "standard output differs from the expected text\n")
endif()
if(DEFINED STDOUT_REGEX AND NOT "${out}" MATCHES "${STDOUT_REGEX}")
  string(APPEND problems "standard output does not match ${STDOUT_REGEX}\n")
endif()
if(DEFINED STDERR_REGEX AND NOT "${err}" MATCHES "${STDERR_REGEX}")
  string(APPEND problems "standard error does not match ${STDERR_REGEX}\n")
endif()
if(problems)
  message(FATAL_ERROR "${problems}--- standard output:\n${out}--- standard error:\n${err}")
endif()
