# Runs vorenta-scan on two files and checks its exit status and, when one is
# given, its output byte for byte.
#   -DSCAN=... -DEMULATOR=... -DKEYWORDS=... -DMAIL=... -DEXPECTED_STATUS=0
#   -DEXPECTED=... (optional) -DOUTPUT=...
set(command ${SCAN} ${KEYWORDS} ${MAIL})
if(EMULATOR)
  set(command ${EMULATOR} ${command})
endif()
execute_process(COMMAND ${command} OUTPUT_FILE ${OUTPUT} ERROR_VARIABLE stderr RESULT_VARIABLE status)
if(NOT status STREQUAL EXPECTED_STATUS)
  message(FATAL_ERROR "exit status ${status}, expected ${EXPECTED_STATUS}; stderr: ${stderr}")
endif()
if(EXPECTED)
  execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files ${EXPECTED} ${OUTPUT} RESULT_VARIABLE differ)
  if(differ)
    file(READ ${OUTPUT} got)
    message(FATAL_ERROR "output differs from ${EXPECTED}:\n${got}")
  endif()
elseif(NOT stderr MATCHES "vorenta-scan: ")
  message(FATAL_ERROR "expected a message on stderr, got: ${stderr}")
endif()
