# Runs the generator RUNS times into FOLDER (emptied first) and writes the
# exit status of its first failed run (else 0) to FOLDER.status. A group that
# fails is for the tests to report; only a generator that cannot run or
# crashes fails here.
file(REMOVE_RECURSE ${FOLDER})
file(REMOVE ${FOLDER}.status)
set(worst 0)
foreach(run RANGE 1 ${RUNS})
  execute_process(COMMAND ${GENERATOR} ${FOLDER} ${SOURCES} RESULT_VARIABLE status)
  if(worst STREQUAL "0")
    set(worst "${status}")
  endif()
endforeach()
file(WRITE ${FOLDER}.status "${worst}\n")
if(NOT worst MATCHES "^[01]$")
  message(FATAL_ERROR "${GENERATOR} ${FOLDER}: ${worst}")
endif()
