# check_tables.cmake -- runs a table generator into the build tree and
# compares its output byte for byte with the committed source; a second
# generator (GENERATOR2, OUTPUT2, COMMITTED2) is checked the same way.
# Variables: GENERATOR, OUTPUT, COMMITTED [, GENERATOR2, OUTPUT2, COMMITTED2].
function(check_one generator output committed)
  get_filename_component(dir ${output} DIRECTORY)
  file(MAKE_DIRECTORY ${dir})
  execute_process(COMMAND ${generator} ${output} RESULT_VARIABLE rc)
  if(NOT rc EQUAL 0)
    message(FATAL_ERROR "${generator} failed (${rc})")
  endif()
  execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files ${output} ${committed} RESULT_VARIABLE diff)
  if(NOT diff EQUAL 0)
    message(FATAL_ERROR "${committed} differs from the generator's output ${output}; run the target regenerate_tables")
  endif()
endfunction()

check_one(${GENERATOR} ${OUTPUT} ${COMMITTED})
if(GENERATOR2)
  check_one(${GENERATOR2} ${OUTPUT2} ${COMMITTED2})
endif()
message(STATUS "constant and series tables match their generators")
