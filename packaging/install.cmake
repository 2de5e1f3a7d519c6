# What `cmake --install` puts where, and the Debian package that cpack makes of it.
include(GNUInstallDirs)
set(PIRANDELLA_ID org.pirandella.pirandella) # desktop entry and AppStream id
if(UNIX AND NOT APPLE)
  set(PIRANDELLA_GAMES_DIR games) # where Debian keeps games: /usr/games, /usr/local/games
else()
  set(PIRANDELLA_GAMES_DIR ${CMAKE_INSTALL_BINDIR})
endif()
install(TARGETS pirandella RUNTIME DESTINATION ${PIRANDELLA_GAMES_DIR} BUNDLE DESTINATION .)
if(NOT UNIX OR APPLE)
  return()
endif()

set(pkg ${CMAKE_CURRENT_SOURCE_DIR}/packaging)
install(FILES ${pkg}/${PIRANDELLA_ID}.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${pkg}/${PIRANDELLA_ID}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
foreach(size 16 32 48 64 128 256)
  install(FILES assets/icons/pirandella-${size}.png
    DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps
    RENAME pirandella.png)
endforeach()

# The manual page and the changelog go compressed, as Debian wants them (-n: no name or time).
find_program(GZIP gzip REQUIRED)
set(gz ${CMAKE_CURRENT_BINARY_DIR}/packaging)
foreach(file pirandella.6 changelog)
  add_custom_command(OUTPUT ${gz}/${file}.gz
    COMMAND ${CMAKE_COMMAND} -E make_directory ${gz}
    COMMAND ${GZIP} -9nc ${pkg}/${file} > ${gz}/${file}.gz
    DEPENDS ${pkg}/${file} VERBATIM)
endforeach()
add_custom_target(compressed_docs ALL DEPENDS ${gz}/pirandella.6.gz ${gz}/changelog.gz)
add_dependencies(pirandella compressed_docs) # so that any build of the game can be installed
install(FILES ${gz}/pirandella.6.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man6)
install(FILES ${gz}/changelog.gz ${pkg}/copyright DESTINATION ${CMAKE_INSTALL_DOCDIR})

set(CPACK_PACKAGE_NAME pirandella)
set(CPACK_PACKAGE_VENDOR "The pirandella developers")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "word puzzle: put the animal names back in their rows")
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION [=[
A word puzzle in Italian, played in one window. The board holds five, six or
seven Italian animal names, one per row, scrambled by turning whole rows and
columns. Clicking the cells around the board turns a row or a column by one
cell; letters in their place turn red. The menu plays the solution back, makes
a new puzzle, shows the instructions and takes back the last move.]=])
set(CPACK_PACKAGE_CONTACT "The pirandella developers <pirandella@pirandella.org>")
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# The libraries come from dpkg-shlibdeps; Qt's platform plugins are loaded at run time, so no
# library lookup can find them.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_STRIP_FILES ON)
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
# Stops cpack before it can write a package without its library dependencies.
set(CPACK_PROJECT_CONFIG_FILE ${pkg}/cpack_checks.cmake)
include(CPack)
