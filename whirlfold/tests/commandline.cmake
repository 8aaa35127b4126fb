# The picturecraft whirlfold subcommand end to end, with the real executable:
#   cmake -DPICTURECRAFT=<path> -DWORK=<folder> -P commandline.cmake
# Exit codes 0 / 1 / 2 for a good run, an unreadable picture and a usage error, and an output
# file only for the good run.

function(expect_run expected_code output)
  execute_process(COMMAND ${PICTURECRAFT} whirlfold ${ARGN} RESULT_VARIABLE code
                  ERROR_VARIABLE errors OUTPUT_QUIET)
  if(NOT code EQUAL expected_code)
    message(FATAL_ERROR "whirlfold ${ARGN}: exit ${code}, expected ${expected_code}: ${errors}")
  endif()
  if(expected_code EQUAL 0 AND NOT EXISTS ${output})
    message(FATAL_ERROR "whirlfold ${ARGN}: no ${output}")
  endif()
  if(NOT expected_code EQUAL 0 AND EXISTS ${output})
    message(FATAL_ERROR "whirlfold ${ARGN}: ${output} was written")
  endif()
endfunction()

file(REMOVE_RECURSE ${WORK})
file(MAKE_DIRECTORY ${WORK})
expect_run(0 ${WORK}/blank.bmp -o ${WORK}/blank.bmp - - - -)
file(SIZE ${WORK}/blank.bmp size)
if(NOT size EQUAL 1836054)  # 54-byte headers + 500 rows of 1223 x 3 bytes padded to 3672
  message(FATAL_ERROR "blank.bmp has ${size} bytes")
endif()
expect_run(1 ${WORK}/unreadable.bmp -o ${WORK}/unreadable.bmp ${WORK}/missing.jpg - - -)
expect_run(2 ${WORK}/usage.bmp -o ${WORK}/usage.bmp - - -)
