# fuzz_etowr: libFuzzer run of the expression reader under AddressSanitizer and
# UndefinedBehaviorSanitizer, built with clang by tests/fuzz/run_fuzz.sh (the
# g++-built library is not used).  Run time: WIDEFP_FUZZ_SECONDS (default 60).
# Left out of sanitizer builds: it carries its own sanitizers.
if(WIDEFP_TESTS AND NOT WIDEFP_SANITIZE)
  find_program(WIDEFP_FUZZ_CLANGXX clang++)
  if(WIDEFP_FUZZ_CLANGXX)
    add_test(NAME fuzz_etowr
      COMMAND sh ${PROJECT_SOURCE_DIR}/tests/fuzz/run_fuzz.sh ${PROJECT_SOURCE_DIR} ${PROJECT_BINARY_DIR})
    set_tests_properties(fuzz_etowr PROPERTIES
      ENVIRONMENT "WIDEFP_FUZZ_CXX=${WIDEFP_FUZZ_CLANGXX}"
      LABELS fuzz
      TIMEOUT 900)
  endif()
endif()
