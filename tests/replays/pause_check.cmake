# Runs the simulator on a script and on the same script with pauses put between its lines (keys
# pressed while paused included), and fails unless both end in the same state: a paused game
# runs no frame and changes nothing. Were the pause keys ignored, the keys held while paused
# would move the hero and the states would differ.
file(STRINGS ${SCRIPT} lines)
set(paused "")
set(number 0)
foreach(line IN LISTS lines)
  string(APPEND paused "${line}\n")
  math(EXPR number "${number} + 1")
  math(EXPR every "${number} % 20")
  if(number GREATER 2 AND every EQUAL 0)
    string(APPEND paused "1 P\n15 LEFT SPACE\n30 RIGHT UP\n1\n1 PAUSE\n")
  endif()
endforeach()
file(WRITE ${OUT} "${paused}")

execute_process(COMMAND ${SIM} ${SCRIPT} OUTPUT_VARIABLE plain RESULT_VARIABLE result1)
execute_process(COMMAND ${SIM} ${OUT} OUTPUT_VARIABLE withPauses RESULT_VARIABLE result2)
if(NOT result1 EQUAL 0 OR NOT result2 EQUAL 0)
  message(FATAL_ERROR "quorax-sim failed")
endif()
if(NOT plain STREQUAL withPauses)
  message(FATAL_ERROR "the run of ${SCRIPT} with pauses (${OUT}) ended in another state")
endif()
if(NOT plain MATCHES "^GameState=3\n")
  message(FATAL_ERROR "the run of ${SCRIPT} did not end on the win screen")
endif()
