# Runs the solver's native reference on DEALS and compares its output with
# EXPECTED, line for line:
#   cmake -DREFERENCE=... -DDEALS=... -DEXPECTED=... -P dds_reference.cmake
execute_process(COMMAND ${REFERENCE} INPUT_FILE ${DEALS}
  OUTPUT_VARIABLE output ERROR_VARIABLE errors RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "${REFERENCE} exited with ${status}: ${errors}")
endif()
file(READ ${EXPECTED} expected)
if(NOT output STREQUAL expected)
  message(FATAL_ERROR "${REFERENCE} printed\n${output}instead of\n${expected}")
endif()
