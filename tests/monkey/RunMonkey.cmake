cmake_minimum_required(VERSION 3.20)
# Rounds of the random user on one return. A failing round prints the command that replays it
# on a copy of the return it started from.
set(KEY 12345678)
set(STEPS 400)
if(DEFINED ENV{VESK_MONKEY_SECONDS})
    set(SECONDS $ENV{VESK_MONKEY_SECONDS})
endif()
set(SEED 1)
if(DEFINED ENV{VESK_MONKEY_SEED})
    set(SEED $ENV{VESK_MONKEY_SEED})
endif()

file(REMOVE_RECURSE ${WORK})
file(MAKE_DIRECTORY ${WORK})
set(RETURN_FILE ${WORK}/MONKEY.TAX)
execute_process(COMMAND ${TOOL} build ${RETURN_JSON} ${RETURN_FILE} --key ${KEY}
    RESULT_VARIABLE built)
if(NOT built EQUAL 0)
    message(FATAL_ERROR "could not build the return from ${RETURN_JSON}")
endif()

string(TIMESTAMP started "%s")
set(round 0)
set(total_steps 0)
set(last_steps 1)
while(TRUE)
    string(TIMESTAMP now "%s")
    math(EXPR left "${SECONDS} - (${now} - ${started})")
    if(left LESS_EQUAL 0)
        break()
    endif()
    math(EXPR round "${round} + 1")
    math(EXPR round_seed "${SEED} * 1000 + ${round}")
    # Odd rounds, and any after a round that found no screen, start at the beginning; the
    # others anywhere. Every third round runs with the vision aids, every third with the
    # support tools.
    math(EXPR odd "${round} % 2")
    if(odd OR last_steps EQUAL 0)
        set(start 7803)
    else()
        math(EXPR start "7803 + (${round} * 13) % 57")
    endif()
    math(EXPR mode "${round} % 3")
    set(mode_argument)
    if(mode EQUAL 2)
        set(mode_argument /V)
    elseif(mode EQUAL 0)
        set(mode_argument SVCTOOLS)
    endif()

    set(replay_file ${WORK}/round-${round}.TAX)
    file(COPY_FILE ${RETURN_FILE} ${replay_file})
    set(command ${HOST} --monkey ${round_seed} --steps ${STEPS} --seconds ${left}
        --return ${RETURN_FILE} --key ${KEY} --start ${start} ${mode_argument})
    math(EXPR limit "${left} + 30")
    execute_process(COMMAND ${command}
        WORKING_DIRECTORY ${WORK}
        OUTPUT_VARIABLE output ERROR_VARIABLE errors
        RESULT_VARIABLE status TIMEOUT ${limit})
    message(STATUS "round ${round} at ${start} ${mode_argument}: ${output}")
    if(NOT status EQUAL 0)
        string(REPLACE ";" " " shown "${command}")
        string(REPLACE "${RETURN_FILE}" "${replay_file}" shown "${shown}")
        message(FATAL_ERROR "the random user failed (${status}) ${errors}\n"
            "replay (env VESK_TEST_SCREENS as this test has it): ${shown}")
    endif()
    execute_process(COMMAND ${TOOL} dump ${RETURN_FILE} --key ${KEY}
        OUTPUT_QUIET ERROR_VARIABLE dump_errors RESULT_VARIABLE dumped)
    if(NOT dumped EQUAL 0)
        message(FATAL_ERROR "the return saved by round ${round} does not load: ${dump_errors}"
            "replay: ${command}")
    endif()
    string(REGEX MATCH "([0-9]+) steps" counted "${output}")
    set(last_steps ${CMAKE_MATCH_1})
    math(EXPR total_steps "${total_steps} + ${last_steps}")
    # Without a screen at the start there is nothing to drive.
    if(round EQUAL 1 AND CMAKE_MATCH_1 EQUAL 0)
        message(STATUS "no question screen at 7803: nothing to drive")
        break()
    endif()
endwhile()
message(STATUS "${total_steps} steps in ${round} rounds, seed ${SEED}")
