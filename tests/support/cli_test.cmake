include_guard(GLOBAL)

# kestrelon_add_cli_test(NAME EXIT status [STDOUT text] [STDOUT_REGEX re] [STDERR_REGEX re] [ENVIRONMENT vars...]
#                        ARGS arguments...): runs kestrelon-cli (under Wine in the Windows build) and checks it.
function(kestrelon_add_cli_test name)
  cmake_parse_arguments(PARSE_ARGV 1 cli "" "EXIT;STDOUT;STDOUT_REGEX;STDERR_REGEX" "ENVIRONMENT;ARGS")
  set(defines "-DEXIT=${cli_EXIT}")
  foreach(key STDOUT STDOUT_REGEX STDERR_REGEX)
    if(DEFINED cli_${key})
      list(APPEND defines "-D${key}=${cli_${key}}")
    endif()
  endforeach()
  if(CMAKE_CROSSCOMPILING_EMULATOR)
    string(REPLACE ";" "|" emulator "${CMAKE_CROSSCOMPILING_EMULATOR}")
    list(APPEND defines "-DEMULATOR=${emulator}")
  endif()
  add_test(NAME ${name}
    COMMAND "${CMAKE_COMMAND}" ${defines} -P "${PROJECT_SOURCE_DIR}/tests/support/expect_run.cmake"
            -- "$<TARGET_FILE:kestrelon-cli>" ${cli_ARGS})
  # Natively HOME and XDG_CONFIG_HOME name a folder that does not exist, so that no case reads the user's saved
  # settings (none of these cases saves any).
  if(NOT CMAKE_CROSSCOMPILING)
    set(nowhere "${CMAKE_CURRENT_BINARY_DIR}/${name}.no-home")
    list(APPEND cli_ENVIRONMENT "HOME=${nowhere}" "XDG_CONFIG_HOME=${nowhere}/config")
  endif()
  if(cli_ENVIRONMENT)
    set_tests_properties(${name} PROPERTIES ENVIRONMENT "${cli_ENVIRONMENT}")
  endif()
endfunction()
