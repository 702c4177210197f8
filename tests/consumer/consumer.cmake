# consumer.cmake -- CTest tests of widefp as an installed package and as a
# subdirectory (tests/consumer/run_consumer.sh does the work):
#   consumer_install         cmake --install of this build into a scratch prefix
#   consumer_find_package    a CMake project with find_package(widefp)
#   consumer_pkg_config      a plain compiler command line with pkg-config
#   consumer_subdir_shared   add_subdirectory(widefp) with BUILD_SHARED_LIBS=ON,
#                            then nm -D: only widefp_ symbols exported
# and, in a WIDEFP_NO_ASM build, no_asm_in_library (no ADX/BMI2 instruction
# in the library's objects).
set(WIDEFP_CONSUMER_RUN bash ${PROJECT_SOURCE_DIR}/tests/consumer/run_consumer.sh
    ${PROJECT_SOURCE_DIR} ${PROJECT_BINARY_DIR}/consumer)
if(NOT WIDEFP_SANITIZE)
  add_test(NAME consumer_install COMMAND ${WIDEFP_CONSUMER_RUN} install ${PROJECT_BINARY_DIR})
  set_tests_properties(consumer_install PROPERTIES FIXTURES_SETUP widefp_installed LABELS consumer)
  foreach(mode find_package pkg_config)
    add_test(NAME consumer_${mode} COMMAND ${WIDEFP_CONSUMER_RUN} ${mode})
    set_tests_properties(consumer_${mode} PROPERTIES FIXTURES_REQUIRED widefp_installed LABELS consumer)
  endforeach()
  add_test(NAME consumer_subdir_shared COMMAND ${WIDEFP_CONSUMER_RUN} subdir_shared)
  set_tests_properties(consumer_subdir_shared PROPERTIES LABELS consumer TIMEOUT 600)
endif()
if(WIDEFP_NO_ASM)
  add_test(NAME no_asm_in_library COMMAND ${WIDEFP_CONSUMER_RUN} no_asm ${PROJECT_BINARY_DIR}/CMakeFiles/widefp_objects.dir)
endif()
