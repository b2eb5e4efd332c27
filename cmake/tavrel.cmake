# tavrel_add_library(<name> [DEPS <targets>...] [EXCLUDE <files>...])
# A subsystem library made of every .cpp in the calling directory except the *_test.cpp files and
# the EXCLUDE files (names in that directory, such as the test program's own sources), with src/
# as the include root ("engine/julian_day.h").
function(tavrel_add_library name)
  cmake_parse_arguments(ARG "" "" "DEPS;EXCLUDE" ${ARGN})
  file(GLOB sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp)
  list(FILTER sources EXCLUDE REGEX "_test\\.cpp$")
  foreach(excluded ${ARG_EXCLUDE})
    list(REMOVE_ITEM sources ${CMAKE_CURRENT_SOURCE_DIR}/${excluded})
  endforeach()
  add_library(${name} STATIC ${sources})
  target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR}/src)
  target_link_libraries(${name} PUBLIC ${ARG_DEPS})
endfunction()

# tavrel_add_tests(<library> [DEPS <targets>...] [SOURCES <files>...])
# One GoogleTest executable for the subsystem, <library>_tests, made of every *_test.cpp in the
# calling directory and the SOURCES files (names in that directory that hold no test but belong to
# the test program), linked with <library>; each test case is registered with CTest by name.
# One program a subsystem rather than one a file: seven links instead of a hundred and more.
# Tests still run one a process under CTest, so no test sees another's state.
function(tavrel_add_tests library)
  if(NOT TAVREL_TESTS)
    return()
  endif()
  cmake_parse_arguments(ARG "" "" "DEPS;SOURCES" ${ARGN})
  file(GLOB tests CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*_test.cpp)
  if(NOT tests)
    return()
  endif()
  set(target ${library}_tests)
  list(TRANSFORM ARG_SOURCES PREPEND ${CMAKE_CURRENT_SOURCE_DIR}/)
  add_executable(${target} ${tests} ${ARG_SOURCES})
  target_link_libraries(${target} PRIVATE ${library} ${ARG_DEPS} GTest::gtest_main)
  target_compile_definitions(${target} PRIVATE
    TAVREL_TESTDATA_DIR="${CMAKE_CURRENT_SOURCE_DIR}/testdata")
  # The test sources are built for a quick build, not for speed: -Og takes about half the time
  # of -O2 and keeps them debuggable. The code under test keeps the build's own flags.
  target_compile_options(${target} PRIVATE $<$<NOT:$<CONFIG:Debug>>:-Og>)
  # GoogleTest's header is most of what a small test file parses: parsed once for the program.
  # (ccache caches these compilations only with sloppiness pch_defines,time_macros.)
  target_precompile_headers(${target} PRIVATE <gtest/gtest.h> <string> <vector> <array>)
  # A hung test fails after five minutes instead of holding the whole run.
  gtest_discover_tests(${target} DISCOVERY_TIMEOUT 60
    PROPERTIES LABELS ${library} TIMEOUT 300)
endfunction()
