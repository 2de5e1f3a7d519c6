# Installs the build into a fresh prefix and checks that every file a desktop needs is there, and
# that the AppStream data names the desktop entry that is installed beside it.
file(REMOVE_RECURSE "${PREFIX}")
execute_process(COMMAND "${CMAKE_COMMAND}" --install "${BUILD_DIR}" --prefix "${PREFIX}"
                RESULT_VARIABLE result OUTPUT_QUIET)
if(result)
  message(FATAL_ERROR "cmake --install failed: ${result}")
endif()
set(expected games/pirandella share/applications/${ID}.desktop share/metainfo/${ID}.metainfo.xml
    share/man/man6/pirandella.6.gz share/doc/pirandella/changelog.gz
    share/doc/pirandella/copyright)
foreach(size 16 32 48 64 128 256)
  list(APPEND expected share/icons/hicolor/${size}x${size}/apps/pirandella.png)
endforeach()
foreach(file ${expected})
  if(NOT EXISTS "${PREFIX}/${file}")
    message(FATAL_ERROR "missing after install: ${file}")
  endif()
endforeach()
file(GLOB_RECURSE installed RELATIVE "${PREFIX}" "${PREFIX}/*")
list(LENGTH installed count)
list(LENGTH expected wanted)
if(NOT count EQUAL wanted)
  message(FATAL_ERROR "unexpected files installed: ${installed}")
endif()
file(READ "${PREFIX}/share/metainfo/${ID}.metainfo.xml" metainfo)
foreach(element "<id>${ID}</id>" "<launchable type=\"desktop-id\">${ID}.desktop</launchable>"
                "<binary>pirandella</binary>")
  string(FIND "${metainfo}" "${element}" at)
  if(at LESS 0)
    message(FATAL_ERROR "the AppStream data lacks ${element}")
  endif()
endforeach()
message(STATUS "install holds all ${count} files")
