# The core's tests compiled to WebAssembly and run under Node: the same sources as the native
# core_tests (cmake/core.cmake lists them), with Debian's GoogleTest built by em++.
set(gtest_disable_pthreads ON CACHE BOOL "" FORCE)
set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
add_subdirectory(/usr/src/googletest ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)

# Tests catch the core's exceptions, so they are built with them, and read files through Node.
pirandella_core_libraries(web_checked)
foreach(layer engine view ui)
  target_compile_options(web_checked_${layer} PUBLIC -fexceptions)
endforeach()
add_executable(core_tests ${PIRANDELLA_CORE_TEST_SOURCES})
target_compile_options(core_tests PRIVATE -fexceptions)
target_link_libraries(core_tests PRIVATE web_checked_ui GTest::gtest_main)
target_compile_options(gtest PRIVATE -fexceptions)
target_compile_options(gtest_main PRIVATE -fexceptions)
target_link_options(core_tests PRIVATE -fexceptions -sNODERAWFS=1 -sALLOW_MEMORY_GROWTH=1
  -sENVIRONMENT=node)

enable_testing()
include(GoogleTest)
# Node 18 and later would fetch the .wasm as a URL; reading it as a file is what is meant.
set_target_properties(core_tests PROPERTIES CROSSCOMPILING_EMULATOR "${NODE_JS};--no-experimental-fetch")
gtest_discover_tests(core_tests DISCOVERY_MODE PRE_TEST PROPERTIES TIMEOUT 60)

# On the page's malloc, as the page runs.
target_link_options(core_tests PRIVATE -sMALLOC=emmalloc)
