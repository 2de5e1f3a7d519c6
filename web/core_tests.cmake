# The core's tests compiled to WebAssembly and run under Node: the same sources as the native
# core_tests (read from tests/CMakeLists.txt, so the two lists never part), with Debian's
# GoogleTest built by em++.
set(gtest_disable_pthreads ON CACHE BOOL "" FORCE)
set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
add_subdirectory(/usr/src/googletest ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)

file(READ ${root}/tests/CMakeLists.txt tests_cmake)
string(REGEX MATCH "add_executable\\(core_tests([^)]*)\\)" found "${tests_cmake}")
if(NOT found)
  message(FATAL_ERROR "no core_tests target found in tests/CMakeLists.txt")
endif()
string(REGEX REPLACE "[ \t\r\n]+" ";" test_sources "${CMAKE_MATCH_1}")
list(FILTER test_sources EXCLUDE REGEX "^$")
list(TRANSFORM test_sources PREPEND ${root}/tests/)

# Tests catch the core's exceptions, so they are built with them, and read files through Node.
add_library(web_core_checked STATIC ${core_sources})
target_include_directories(web_core_checked PUBLIC ${root})
target_compile_options(web_core_checked PUBLIC -fexceptions)
add_executable(core_tests ${test_sources})
target_compile_options(core_tests PRIVATE -fexceptions)
target_link_libraries(core_tests PRIVATE web_core_checked GTest::gtest_main)
target_compile_options(gtest PRIVATE -fexceptions)
target_compile_options(gtest_main PRIVATE -fexceptions)
target_link_options(core_tests PRIVATE -fexceptions -sNODERAWFS=1 -sALLOW_MEMORY_GROWTH=1
  -sENVIRONMENT=node)

enable_testing()
include(GoogleTest)
# Node 18 and later would fetch the .wasm as a URL; reading it as a file is what is meant.
find_program(NODE_JS NAMES node nodejs REQUIRED)
set_target_properties(core_tests PROPERTIES CROSSCOMPILING_EMULATOR "${NODE_JS};--no-experimental-fetch")
gtest_discover_tests(core_tests DISCOVERY_MODE PRE_TEST PROPERTIES TIMEOUT 60)
