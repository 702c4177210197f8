# check_tables.cmake -- runs the table generator into the build tree and
# compares its output byte for byte with the committed source.
# Variables: GENERATOR, OUTPUT, COMMITTED.
get_filename_component(dir ${OUTPUT} DIRECTORY)
file(MAKE_DIRECTORY ${dir})
execute_process(COMMAND ${GENERATOR} ${OUTPUT} RESULT_VARIABLE rc)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "gen_tables failed (${rc})")
endif()
execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files ${OUTPUT} ${COMMITTED} RESULT_VARIABLE diff)
if(NOT diff EQUAL 0)
  message(FATAL_ERROR "${COMMITTED} differs from the generator's output ${OUTPUT}; run the target regenerate_tables")
endif()
message(STATUS "constant tables match the generator")
