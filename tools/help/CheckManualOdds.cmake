# Holds the manual's odds against the odds tool: every figure the manual marks with a key of the
# tool's name=value output must show the tool's value. The figures with nudges are played again
# by the tool with the spins and seed the manual names, once per coin count.
# Usage: cmake -DODDS=<varnholt-odds> -DMANUAL=<varnholt-slots.hlp> -P CheckManualOdds.cmake
# A translation also names its LANGUAGE, whose decimal point is a comma, and the ENGLISH manual,
# whose topics and links it must keep.

file(READ ${MANUAL} manual)
set(decimal_point ".")
if(DEFINED LANGUAGE AND NOT LANGUAGE STREQUAL "en")
  set(decimal_point ",")
endif()

if(DEFINED ENGLISH)
  file(READ ${ENGLISH} english)
  foreach(kind name href)
    string(REGEX MATCHALL "<a ${kind}=\"[^\"]*\"" translated_links "${manual}")
    string(REGEX MATCHALL "<a ${kind}=\"[^\"]*\"" english_links "${english}")
    list(SORT translated_links)
    list(SORT english_links)
    if(NOT translated_links STREQUAL english_links)
      message(FATAL_ERROR "the ${LANGUAGE} manual's <a ${kind}> are\n${translated_links}\nnot\n${english_links}")
    endif()
  endforeach()
  if(manual MATCHES "{{[^}]*}}")
    message(FATAL_ERROR "the ${LANGUAGE} manual keeps the placeholder ${CMAKE_MATCH_0}")
  endif()
endif()

function(run_odds out_var)
  execute_process(COMMAND ${ODDS} --format=keyvalue ${ARGN} OUTPUT_VARIABLE output RESULT_VARIABLE status)
  if(NOT status EQUAL 0)
    message(FATAL_ERROR "varnholt-odds ${ARGN} failed (${status})")
  endif()
  set(${out_var} "${output}" PARENT_SCOPE)
endfunction()

# The value of one name=value line.
function(tool_value out_var output name)
  if(NOT "\n${output}" MATCHES "\n${name}=([^\n]*)")
    message(FATAL_ERROR "no ${name} in the tool's output")
  endif()
  set(${out_var} "${CMAKE_MATCH_1}" PARENT_SCOPE)
endfunction()

function(expect_in_manual key value)
  string(REPLACE "." "${decimal_point}" value "${value}")
  string(FIND "${manual}" "class=\"${key}\">${value}<" at)
  if(at EQUAL -1)
    message(FATAL_ERROR "the manual's ${key} is not the tool's ${value}")
  endif()
endfunction()

run_odds(figures)
string(REGEX MATCHALL "[a-z0-9_]+=[^\n]*" lines "${figures}")
set(checked 0)
foreach(line IN LISTS lines)
  string(REGEX MATCH "^([a-z0-9_]+)=(.*)$" _ "${line}")
  string(FIND "${manual}" "class=\"${CMAKE_MATCH_1}\">" marked)
  if(NOT marked EQUAL -1)
    expect_in_manual(${CMAKE_MATCH_1} "${CMAKE_MATCH_2}")
    math(EXPR checked "${checked} + 1")
  endif()
endforeach()
# Three figures per coin count, three per paying symbol, three about the vault.
if(checked LESS 36)
  message(FATAL_ERROR "only ${checked} exact figures of the odds tool found in the manual")
endif()

# Grouped by threes, with whatever separator the language writes.
if(NOT manual MATCHES "class=\"sim_spins\">([0-9][^<]*)<")
  message(FATAL_ERROR "the manual does not say how many spins it played")
endif()
string(REGEX REPLACE "[^0-9]" "" spins "${CMAKE_MATCH_1}")
if(NOT manual MATCHES "class=\"sim_seed\">([0-9]+)<")
  message(FATAL_ERROR "the manual does not say which seed it played")
endif()
set(seed "${CMAKE_MATCH_1}")
foreach(coins 1 2 3)
  run_odds(play --spins ${spins} --seed ${seed} --coins ${coins})
  foreach(name sim_rtp sim_rtp_ci95)
    tool_value(value "${play}" ${name})
    expect_in_manual(${name}_${coins}coin "${value}")
  endforeach()
  # The manual promises an interval narrower than one point either side.
  if(NOT value MATCHES "^0\\.00")
    message(FATAL_ERROR "the interval at ${coins} coins is ${value}, not under 0.01")
  endif()
endforeach()
