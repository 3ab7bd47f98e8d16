# Runs the odds tool twice with a fixed seed and checks its name=value output: the exact figures
# the pay table and reel strips must give, every simulation line, and that a seed repeats its play.
# Usage: cmake -DODDS=<path to varnholt-odds> -P CheckOddsOutput.cmake

function(run_odds out_var)
  execute_process(COMMAND ${ODDS} --format=keyvalue --spins 20000 --seed 1
                  OUTPUT_VARIABLE output ERROR_VARIABLE errors RESULT_VARIABLE status)
  if(NOT status EQUAL 0)
    message(FATAL_ERROR "varnholt-odds failed (${status}): ${errors}")
  endif()
  set(${out_var} "${output}" PARENT_SCOPE)
endfunction()

run_odds(first)
run_odds(second)

# 581 paying combinations paying 3947/13500 per line; Bonus, Bonus, Bonus and Bonus, Bonus, Wild
# 18 times per row; the bonus game worth (100 + 50 + 25 + 25) / 5 = 40 credits, opened on
# 54 + 18 x coins combinations: return = (coins x 7894 + 40 x (54 + 18 x coins)) / (27000 x coins).
set(expected_lines
  "combinations=27000"
  "paying_combinations=581"
  "line_pay_total=7894"
  "line_pay_mean=3947/13500"
  "bonus_three_bonus_per_row=18"
  "bonus_two_bonus_wild_per_row=18"
  "bonus_mean_prize=40"
  "rtp_excluding_nudges_1coin=0.399037"
  "rtp_excluding_nudges_2coin=0.359037"
  "rtp_excluding_nudges_3coin=0.345704"
  "sim_spins=20000"
  "sim_seed=1"
  "sim_coins=3")
foreach(line IN LISTS expected_lines)
  string(FIND "\n${first}" "\n${line}\n" at)
  if(at EQUAL -1)
    message(FATAL_ERROR "missing line '${line}' in:\n${first}")
  endif()
endforeach()

foreach(name sim_rtp sim_rtp_ci95 sim_hit_frequency sim_nudges_earned_per_spin sim_nudges_used_per_spin)
  if(NOT "\n${first}" MATCHES "\n${name}=([0-9]+\\.[0-9][0-9][0-9][0-9][0-9][0-9])\n")
    message(FATAL_ERROR "no six-place decimal for ${name} in:\n${first}")
  endif()
  set(value "${CMAKE_MATCH_1}")
  string(FIND "\n${second}" "\n${name}=${value}\n" at)
  if(at EQUAL -1)
    message(FATAL_ERROR "${name} differs between two runs with seed 1")
  endif()
endforeach()
if(NOT "\n${first}" MATCHES "\nsim_spins_per_second=[0-9]+\n")
  message(FATAL_ERROR "no sim_spins_per_second in:\n${first}")
endif()
