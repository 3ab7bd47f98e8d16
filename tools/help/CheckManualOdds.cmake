# Holds the manual's odds against the odds tool: every figure the manual marks with a key of the
# tool's name=value output must show the tool's value.
# Usage: cmake -DODDS=<varnholt-odds> -DMANUAL=<varnholt-slots.hlp> -P CheckManualOdds.cmake

execute_process(COMMAND ${ODDS} --format=keyvalue OUTPUT_VARIABLE figures RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "varnholt-odds failed (${status})")
endif()
file(READ ${MANUAL} manual)

string(REGEX MATCHALL "[a-z0-9_]+=[^\n]*" lines "${figures}")
set(checked 0)
foreach(line IN LISTS lines)
  string(REGEX MATCH "^([a-z0-9_]+)=(.*)$" _ "${line}")
  set(key "${CMAKE_MATCH_1}")
  set(value "${CMAKE_MATCH_2}")
  string(FIND "${manual}" "class=\"${key}\">" marked)
  if(marked EQUAL -1)
    continue()
  endif()
  string(FIND "${manual}" "class=\"${key}\">${value}<" at)
  if(at EQUAL -1)
    message(FATAL_ERROR "the manual's ${key} is not the tool's ${value}")
  endif()
  math(EXPR checked "${checked} + 1")
endforeach()

# Three figures per coin count, three per paying symbol, three about the vault.
if(checked LESS 36)
  message(FATAL_ERROR "only ${checked} figures of the odds tool found in the manual")
endif()
