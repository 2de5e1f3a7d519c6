# What a Windows player downloads: an installer made by NSIS and a zip of the game to run
# without installing. `cmake --build <dir> --target installer windows_zip`.
set(setup_exe ${PROJECT_BINARY_DIR}/pirandella-${PROJECT_VERSION}-setup.exe)
set(windows_zip ${PROJECT_BINARY_DIR}/pirandella-${PROJECT_VERSION}-windows.zip)
find_program(MAKENSIS makensis)
if(MAKENSIS)
  add_custom_command(OUTPUT ${setup_exe}
    COMMAND ${CMAKE_COMMAND} -DMAKENSIS=${MAKENSIS} -DSCRIPT=${win32_dir}/installer.nsi
      -DEXE=$<TARGET_FILE:pirandella> -DLICENSE=${PROJECT_SOURCE_DIR}/LICENSE -DICON=${ICON}
      -DVERSION=${PROJECT_VERSION} -DOUTFILE=${setup_exe} -P ${win32_dir}/make_installer.cmake
    DEPENDS pirandella ${win32_dir}/installer.nsi ${win32_dir}/make_installer.cmake
    VERBATIM)
  add_custom_target(installer DEPENDS ${setup_exe})
else()
  message(STATUS "installer left out: makensis (NSIS) not found")
endif()
# The zip holds one folder: the game and its licence.
set(zip_root ${PROJECT_BINARY_DIR}/zip/pirandella-${PROJECT_VERSION})
add_custom_command(OUTPUT ${windows_zip}
  COMMAND ${CMAKE_COMMAND} -E rm -rf ${PROJECT_BINARY_DIR}/zip
  COMMAND ${CMAKE_COMMAND} -E make_directory ${zip_root}
  COMMAND ${CMAKE_COMMAND} -E copy $<TARGET_FILE:pirandella> ${zip_root}/pirandella.exe
  COMMAND ${CMAKE_COMMAND} -E copy ${PROJECT_SOURCE_DIR}/LICENSE ${zip_root}/LICENSE.txt
  COMMAND ${CMAKE_COMMAND} -E rm -f ${windows_zip}
  COMMAND ${CMAKE_COMMAND} -E chdir ${PROJECT_BINARY_DIR}/zip
    ${CMAKE_COMMAND} -E tar cf ${windows_zip} --format=zip pirandella-${PROJECT_VERSION}
  DEPENDS pirandella ${PROJECT_SOURCE_DIR}/LICENSE VERBATIM)
add_custom_target(windows_zip DEPENDS ${windows_zip})
