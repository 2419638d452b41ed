# cmake -D SOURCE=<notices in the sources> -D TARGET=<copy in the build folder> -P copy-notices.cmake
# Copies the notices, or writes a placeholder while the sources have none. The target keeps its time stamp when its
# content does not change, so the installer is rebuilt only when the notices change.
if(EXISTS "${SOURCE}")
  file(READ "${SOURCE}" content)
else()
  set(content "Kestrelon 1.1\n\nThe notices of the third-party components are not part of this build.\n")
endif()
if(EXISTS "${TARGET}")
  file(READ "${TARGET}" current)
  if(current STREQUAL content)
    return()
  endif()
endif()
file(WRITE "${TARGET}" "${content}")
