# tavrel_add_library(<name> [DEPS <targets>...])
# A subsystem library made of every .cpp in the calling directory except the *_test.cpp files,
# with src/ as the include root ("engine/julian_day.h").
function(tavrel_add_library name)
  cmake_parse_arguments(ARG "" "" "DEPS" ${ARGN})
  file(GLOB sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp)
  list(FILTER sources EXCLUDE REGEX "_test\\.cpp$")
  add_library(${name} STATIC ${sources})
  target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR}/src)
  target_link_libraries(${name} PUBLIC ${ARG_DEPS})
endfunction()

# tavrel_add_tests(<library> [DEPS <targets>...])
# One GoogleTest executable per *_test.cpp in the calling directory, named after the file
# (julian_day_test), linked with <library>; each test case is registered with CTest.
function(tavrel_add_tests library)
  if(NOT TAVREL_TESTS)
    return()
  endif()
  cmake_parse_arguments(ARG "" "" "DEPS" ${ARGN})
  file(GLOB tests CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*_test.cpp)
  foreach(test_source ${tests})
    get_filename_component(test_name ${test_source} NAME_WE)
    add_executable(${test_name} ${test_source})
    target_link_libraries(${test_name} PRIVATE ${library} ${ARG_DEPS} GTest::gtest_main)
    target_compile_definitions(${test_name} PRIVATE
      TAVREL_TESTDATA_DIR="${CMAKE_CURRENT_SOURCE_DIR}/testdata")
    # A hung test fails after five minutes instead of holding the whole run.
    gtest_discover_tests(${test_name} DISCOVERY_TIMEOUT 60
      PROPERTIES LABELS ${library} TIMEOUT 300)
  endforeach()
endfunction()
