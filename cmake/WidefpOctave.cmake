# WidefpOctave.cmake -- the Octave MEX plug-ins (one per plugins/<name>.cpp in
# WIDEFP_PLUGIN_NAMES), built with the flags mkoctfile reports.
#
# WIDEFP_PLUGINS: AUTO builds them when mkoctfile is found and says so when
# it is not; ON makes mkoctfile (and octave-cli, for the tests) required.
# Sets WIDEFP_MEX_DIR, WIDEFP_PLUGIN_TARGETS and OCTAVE_CLI.
set(WIDEFP_MEX_DIR ${PROJECT_BINARY_DIR}/mex)
set(WIDEFP_PLUGIN_TARGETS "")
set(WIDEFP_PLUGIN_HELP_TARGETS "")
set(WIDEFP_PLUGIN_HELP_FILES "")
if(WIDEFP_PLUGINS STREQUAL "OFF" OR NOT WIDEFP_PLUGINS)
  return()
endif()

find_program(MKOCTFILE mkoctfile)
find_program(OCTAVE_CLI octave-cli)
if(NOT MKOCTFILE)
  if(WIDEFP_PLUGINS STREQUAL "AUTO")
    message(STATUS "widefp: mkoctfile not found, the Octave plug-ins are skipped "
                   "(install octave and octave-dev to build them; the C++ library needs neither)")
    return()
  endif()
  message(FATAL_ERROR "widefp: WIDEFP_PLUGINS=ON but mkoctfile was not found "
                      "(install octave and octave-dev, or configure with -DWIDEFP_PLUGINS=AUTO or OFF)")
endif()
if(NOT OCTAVE_CLI AND WIDEFP_TESTS)
  if(WIDEFP_PLUGINS STREQUAL "AUTO")
    message(STATUS "widefp: octave-cli not found, the Octave plug-in tests are skipped")
  else()
    message(FATAL_ERROR "widefp: WIDEFP_PLUGINS=ON with tests but octave-cli was not found")
  endif()
endif()

execute_process(COMMAND ${MKOCTFILE} -p INCFLAGS OUTPUT_VARIABLE OCT_INCFLAGS OUTPUT_STRIP_TRAILING_WHITESPACE)
execute_process(COMMAND ${MKOCTFILE} -p OCTLIBDIR OUTPUT_VARIABLE OCT_LIBDIR OUTPUT_STRIP_TRAILING_WHITESPACE)
separate_arguments(OCT_INCFLAGS UNIX_COMMAND "${OCT_INCFLAGS}")
set(OCT_INCDIRS "")
foreach(flag ${OCT_INCFLAGS})
  string(REGEX REPLACE "^-I" "" dir "${flag}")
  list(APPEND OCT_INCDIRS "${dir}")
endforeach()

foreach(name ${WIDEFP_PLUGIN_NAMES})
  add_library(${name} MODULE ${PROJECT_SOURCE_DIR}/plugins/${name}.cpp)
  set_target_properties(${name} PROPERTIES PREFIX "" SUFFIX ".mex"
                        LIBRARY_OUTPUT_DIRECTORY ${WIDEFP_MEX_DIR})
  target_include_directories(${name} PRIVATE ${OCT_INCDIRS} ${PROJECT_SOURCE_DIR}/plugins)
  target_compile_definitions(${name} PRIVATE MEX_DEBUG=0)
  target_link_directories(${name} PRIVATE ${OCT_LIBDIR})
  target_link_libraries(${name} PRIVATE widefp_internal octinterp octave)
  target_link_options(${name} PRIVATE -Wl,-Bsymbolic)
  list(APPEND WIDEFP_PLUGIN_TARGETS ${name})
  # Octave reads a plug-in's help from a comments-only .m of the same name
  # in the .mex's own folder.  Copied only once the .mex is built: a help
  # file alone would run as an empty function.
  set(help ${PROJECT_SOURCE_DIR}/plugins/${name}.m)
  if(EXISTS ${help})
    add_custom_command(OUTPUT ${WIDEFP_MEX_DIR}/${name}.m
      COMMAND ${CMAKE_COMMAND} -E copy_if_different ${help} ${WIDEFP_MEX_DIR}/${name}.m
      DEPENDS ${help} ${name} VERBATIM)
    add_custom_target(${name}_help ALL DEPENDS ${WIDEFP_MEX_DIR}/${name}.m)
    list(APPEND WIDEFP_PLUGIN_HELP_TARGETS ${name}_help)
    list(APPEND WIDEFP_PLUGIN_HELP_FILES ${help})
  endif()
endforeach()
add_custom_target(plugins ALL DEPENDS ${WIDEFP_PLUGIN_TARGETS} ${WIDEFP_PLUGIN_HELP_TARGETS})
message(STATUS "widefp: building the Octave plug-ins with ${MKOCTFILE}")

install(TARGETS ${WIDEFP_PLUGIN_TARGETS}
  LIBRARY DESTINATION ${CMAKE_INSTALL_LIBDIR}/widefp/mex COMPONENT octave)
install(FILES ${WIDEFP_PLUGIN_HELP_FILES}
  DESTINATION ${CMAKE_INSTALL_LIBDIR}/widefp/mex COMPONENT octave)
install(DIRECTORY ${PROJECT_SOURCE_DIR}/octave/
  DESTINATION ${CMAKE_INSTALL_DATADIR}/widefp/octave COMPONENT octave
  FILES_MATCHING PATTERN "*.m")
