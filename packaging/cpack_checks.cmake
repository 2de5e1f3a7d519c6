# Read by cpack before it packs. Without dpkg-shlibdeps (or `file`, which cpack uses to find the
# programs to look at) the Debian package would name no libraries and fail on start once installed.
if(CPACK_GENERATOR STREQUAL "DEB")
  find_program(PIRANDELLA_SHLIBDEPS dpkg-shlibdeps)
  find_program(PIRANDELLA_FILE file)
  if(NOT PIRANDELLA_SHLIBDEPS OR NOT PIRANDELLA_FILE)
    message(FATAL_ERROR "pirandella: the Debian package needs dpkg-shlibdeps and file to list "
      "the libraries it depends on. Install them first: apt-get install dpkg-dev file")
  endif()
endif()
