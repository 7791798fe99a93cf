# One scenario: a fresh return from its JSON, then the host with the script.
file(REMOVE_RECURSE ${WORK})
file(MAKE_DIRECTORY ${WORK})
set(RETURN_FILE ${WORK}/SCENARIO.TAX)
execute_process(COMMAND ${TOOL} build ${RETURN_JSON} ${RETURN_FILE} --key ${KEY}
    RESULT_VARIABLE built)
if(NOT built EQUAL 0)
    message(FATAL_ERROR "could not build the return from ${RETURN_JSON}")
endif()
function(run_host script arguments)
    execute_process(COMMAND ${HOST} --script ${script} --return ${RETURN_FILE} --key ${KEY}
            ${arguments}
        WORKING_DIRECTORY ${WORK}
        RESULT_VARIABLE passed
        TIMEOUT 60)
    if(NOT passed EQUAL 0)
        message(FATAL_ERROR "scenario ${script} failed (${passed})")
    endif()
endfunction()
run_host(${SCRIPT} "${ARGS}")
# A second session: the host started afresh on the return the first one saved, at the screen
# its header says the user was on.
if(THEN_SCRIPT)
    execute_process(COMMAND ${TOOL} dump ${RETURN_FILE} --key ${KEY}
        OUTPUT_VARIABLE saved RESULT_VARIABLE status)
    if(NOT status EQUAL 0)
        message(FATAL_ERROR "the saved return could not be read")
    endif()
    string(JSON section GET "${saved}" section)
    string(JSON item GET "${saved}" item)
    math(EXPR stopped "${section} * 100 + ${item}")
    run_host(${THEN_SCRIPT} "${THEN_ARGS};--start;${stopped}")
endif()

# What the calculation reads from the saved return, against the expected text.
function(expect_tool_output command expected_file)
    if(NOT expected_file)
        return()
    endif()
    execute_process(COMMAND ${TOOL} ${command} ${RETURN_FILE} --key ${KEY}
        OUTPUT_VARIABLE actual RESULT_VARIABLE status)
    file(READ ${expected_file} expected)
    if(NOT status EQUAL 0 OR NOT actual STREQUAL expected)
        message(FATAL_ERROR "vesk-tool ${command} printed:\n${actual}\nexpected:\n${expected}")
    endif()
endfunction()
expect_tool_output(check "${EXPECT_CHECK}")
expect_tool_output(relevant "${EXPECT_RELEVANT}")

# Whatever the interview did, the return it saved reads back whole.
execute_process(COMMAND ${TOOL} dump ${RETURN_FILE} --key ${KEY}
    OUTPUT_QUIET ERROR_VARIABLE dump_errors RESULT_VARIABLE dumped)
if(NOT dumped EQUAL 0)
    message(FATAL_ERROR "the saved return does not load: ${dump_errors}")
endif()
