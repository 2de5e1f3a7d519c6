# The native Windows game, included by the top-level CMakeLists.txt when building for Windows:
# GDI and the Windows libraries only, no Qt. Built with MSVC or MinGW on Windows, or cross-built
# on Debian with cmake/mingw-w64-x86_64.cmake and tested under Wine.
set(win32_dir ${CMAKE_CURRENT_LIST_DIR})
set(ICON ${PROJECT_SOURCE_DIR}/assets/icons/pirandella.ico)
set(ASSETS ${PROJECT_SOURCE_DIR}/assets)
set(MANIFEST ${PROJECT_BINARY_DIR}/win32/pirandella.manifest)
configure_file(${win32_dir}/pirandella.manifest ${MANIFEST} @ONLY)
configure_file(${win32_dir}/pirandella.rc.in ${PROJECT_BINARY_DIR}/win32/pirandella.rc @ONLY)
set(windows_api UNICODE _UNICODE NOMINMAX _WIN32_WINNT=0x0A00 WINVER=0x0A00)

if(MINGW)
  # One file that needs only what comes with Windows: no libstdc++, libgcc or winpthread DLLs.
  add_link_options(-static -static-libgcc -static-libstdc++)
  # Only the code that is used goes in.
  add_compile_options(-ffunction-sections -fdata-sections)
  foreach(layer engine view ui)
    target_compile_options(pirandella_${layer} PRIVATE -ffunction-sections -fdata-sections)
  endforeach()
  add_link_options(LINKER:--gc-sections)
  # Checked string functions and the stack protector come from libssp when linked statically.
  link_libraries(ssp)
endif()

add_executable(pirandella WIN32
  ${win32_dir}/back_buffer.cpp
  ${win32_dir}/main.cpp
  ${win32_dir}/main_window.cpp
  ${win32_dir}/pictures.cpp
  ${win32_dir}/screen_reader.cpp
  ${PROJECT_BINARY_DIR}/win32/pirandella.rc)
target_compile_definitions(pirandella PRIVATE ${windows_api})
target_include_directories(pirandella PRIVATE ${PROJECT_SOURCE_DIR})
target_link_libraries(pirandella PRIVATE pirandella_ui oleacc ole32 oleaut32 shlwapi uuid gdi32
  user32)
if(MINGW)
  target_link_options(pirandella PRIVATE -municode -s) # wWinMain; no symbols in what ships
elseif(MSVC)
  target_link_options(pirandella PRIVATE /MANIFEST:NO) # the resource file brings the manifest
endif()
set_source_files_properties(${PROJECT_BINARY_DIR}/win32/pirandella.rc PROPERTIES
  OBJECT_DEPENDS "${ICON};${MANIFEST};${ASSETS}/background.jpg;${ASSETS}/background@2x.jpg;${ASSETS}/letters.outlines;${ASSETS}/instructions.outlines")
install(TARGETS pirandella RUNTIME DESTINATION .)

include(${win32_dir}/packaging.cmake)

# Cross-built on Linux: run_under_wine.sh starts a Windows program under Wine in a prefix of
# this build's own.
if(CMAKE_CROSSCOMPILING AND WINE_PROGRAM)
  set(WINE ${WINE_PROGRAM})
  set(WINE_PREFIX ${PROJECT_BINARY_DIR}/wine)
  set(WINE_RUN ${PROJECT_BINARY_DIR}/run_under_wine.sh)
  configure_file(${win32_dir}/tests/run_under_wine.sh.in ${WINE_RUN} @ONLY
    FILE_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE
      WORLD_READ WORLD_EXECUTE)
endif()

option(PIRANDELLA_TESTS "Build the tests (the core tests and the game driven under Wine)" OFF)
if(PIRANDELLA_TESTS)
  enable_testing()
  # GoogleTest from source, built by the same compiler: Debian's googletest package has it.
  set(PIRANDELLA_GTEST_SOURCE /usr/src/googletest CACHE PATH "GoogleTest's sources")
  if(EXISTS ${PIRANDELLA_GTEST_SOURCE}/CMakeLists.txt)
    set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
    set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
    set(gtest_force_shared_crt ON CACHE BOOL "" FORCE)
    add_subdirectory(${PIRANDELLA_GTEST_SOURCE} ${PROJECT_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)
  else()
    find_package(GTest REQUIRED)
  endif()
  # Every Windows program of the tests runs under Wine in the build's own prefix.
  if(WINE_RUN)
    set(CMAKE_CROSSCOMPILING_EMULATOR ${WINE_RUN})
    # Made by the build, since CTest gives listing a test program's cases only five seconds.
    add_custom_command(OUTPUT ${WINE_PREFIX}/system.reg COMMAND ${WINE_RUN} VERBATIM)
    add_custom_target(wine_prefix ALL DEPENDS ${WINE_PREFIX}/system.reg)
  endif()
  add_subdirectory(tests)
  add_subdirectory(${win32_dir}/tests ${PROJECT_BINARY_DIR}/win32/tests)
endif()
