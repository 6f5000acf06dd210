# Checks that a program records only the shared libraries it is allowed to
# load at start (the rest come from its modules when a command needs them).
# Run as: cmake -DPROGRAM=<file> -DALLOWED=libc.so.6,libm.so.6,... -P check_needed_libraries.cmake
cmake_minimum_required(VERSION 3.25)
string(REPLACE "," ";" allowed "${ALLOWED}")
execute_process(COMMAND readelf -d "${PROGRAM}" OUTPUT_VARIABLE dynamic RESULT_VARIABLE read)
if(NOT read EQUAL 0)
  message(FATAL_ERROR "readelf could not read ${PROGRAM}")
endif()
string(REGEX MATCHALL "\\(NEEDED\\)[^\n]*\\[[^]]+\\]" entries "${dynamic}")
if(NOT entries)
  message(FATAL_ERROR "${PROGRAM} records no shared libraries at all")
endif()
foreach(entry IN LISTS entries)
  string(REGEX REPLACE ".*\\[([^]]+)\\]" "\\1" library "${entry}")
  # The dynamic loader itself is always there.
  if(NOT library IN_LIST allowed AND NOT library MATCHES "^ld-linux")
    message(FATAL_ERROR "${PROGRAM} loads ${library} at start; it belongs in a module")
  endif()
endforeach()
