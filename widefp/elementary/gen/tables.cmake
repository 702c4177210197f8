# tables.cmake -- the generator of the library's constant tables.
#
#   gen_constants            the generator (needs MPFR and GMP)
#   gen_series_lengths       the generator of the series-length tables
#   regenerate_tables        rewrites widefp/elementary/constants_table.cpp and
#                            widefp/elementary/series_tables.cpp
#   tables_match_generator   (test) generates into the build tree and compares
#                            byte for byte with the committed source
find_library(WIDEFP_GEN_MPFR_LIB mpfr)
find_library(WIDEFP_GEN_GMP_LIB gmp)
if(WIDEFP_GEN_MPFR_LIB AND WIDEFP_GEN_GMP_LIB)
  set(WIDEFP_TABLES_SOURCE ${PROJECT_SOURCE_DIR}/widefp/elementary/constants_table.cpp)
  add_executable(gen_constants ${PROJECT_SOURCE_DIR}/widefp/elementary/gen/gen_constants.cpp)
  target_include_directories(gen_constants PRIVATE ${PROJECT_SOURCE_DIR}/widefp)
  target_link_libraries(gen_constants PRIVATE ${WIDEFP_GEN_MPFR_LIB} ${WIDEFP_GEN_GMP_LIB})
  set(WIDEFP_SERIES_SOURCE ${PROJECT_SOURCE_DIR}/widefp/elementary/series_tables.cpp)
  add_executable(gen_series_lengths ${PROJECT_SOURCE_DIR}/widefp/elementary/gen/gen_series_lengths.cpp)
  target_include_directories(gen_series_lengths PRIVATE ${PROJECT_SOURCE_DIR}/widefp)
  add_custom_target(regenerate_tables
    COMMAND gen_constants ${WIDEFP_TABLES_SOURCE}
    COMMAND gen_series_lengths ${WIDEFP_SERIES_SOURCE}
    DEPENDS gen_constants gen_series_lengths
    COMMENT "Regenerating ${WIDEFP_TABLES_SOURCE}"
    VERBATIM)
  if(WIDEFP_TESTS)
    add_test(NAME tables_match_generator
      COMMAND ${CMAKE_COMMAND}
        -DGENERATOR=$<TARGET_FILE:gen_constants>
        -DOUTPUT=${PROJECT_BINARY_DIR}/generated/constants_table.cpp
        -DCOMMITTED=${WIDEFP_TABLES_SOURCE}
        -DGENERATOR2=$<TARGET_FILE:gen_series_lengths>
        -DOUTPUT2=${PROJECT_BINARY_DIR}/generated/series_tables.cpp
        -DCOMMITTED2=${WIDEFP_SERIES_SOURCE}
        -P ${PROJECT_SOURCE_DIR}/widefp/elementary/gen/check_tables.cmake)
  endif()
endif()
