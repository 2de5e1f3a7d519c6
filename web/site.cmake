# The static site in site/: the page, the game as WebAssembly, the pictures, the icons, the manifest and the service worker. Relative paths only.
set(site ${CMAKE_BINARY_DIR}/site)

add_executable(pirandella window.cpp canvas.cpp screen_reader.cpp)
target_link_libraries(pirandella PRIVATE web_ui)
# The page's functions are exported where they are defined (EMSCRIPTEN_KEEPALIVE).
target_link_options(pirandella PRIVATE -sMODULARIZE=1 -sEXPORT_NAME=createPirandella
  -sENVIRONMENT=web -sFILESYSTEM=0 -sMALLOC=emmalloc -sALLOW_MEMORY_GROWTH=1
  "-sEXPORTED_FUNCTIONS=['_malloc','_free']" "-sEXPORTED_RUNTIME_METHODS=['UTF8ToString']")
target_compile_options(pirandella PRIVATE -Oz)
foreach(layer engine view ui)
  target_compile_options(web_${layer} PRIVATE -Oz)
endforeach()
target_link_options(pirandella PRIVATE -Oz)
set_target_properties(pirandella PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${site})

# What the page shares with the core, written from the core's constants by a small program run
# under Node: core.js for the scripts, and from it the page itself, its template filled in.
find_program(NODE_JS NAMES node nodejs REQUIRED)
add_executable(page_constants page_constants.cpp)
target_link_libraries(page_constants PRIVATE web_ui)
target_link_options(page_constants PRIVATE -sENVIRONMENT=node -sNODERAWFS=1)
add_custom_command(OUTPUT ${site}/core.js
  COMMAND ${NODE_JS} --no-experimental-fetch $<TARGET_FILE:page_constants> ${site}/core.js
  DEPENDS page_constants)
add_custom_command(OUTPUT ${site}/index.html
  COMMAND ${CMAKE_COMMAND} -DCORE_JS=${site}/core.js -DPAGE=${site}/index.html
    -DTEMPLATE=${CMAKE_CURRENT_SOURCE_DIR}/page/index.html.in
    -P ${CMAKE_CURRENT_SOURCE_DIR}/index_page.cmake
  DEPENDS ${site}/core.js ${CMAKE_CURRENT_SOURCE_DIR}/page/index.html.in
    ${CMAKE_CURRENT_SOURCE_DIR}/index_page.cmake)
set(copied ${site}/core.js ${site}/index.html)

# The page's own files, copied as they are.
set(page_files style.css app.js board_canvas.js screen_reader.js pointers.js
  manifest.webmanifest)
foreach(f ${page_files})
  add_custom_command(OUTPUT ${site}/${f}
    COMMAND ${CMAKE_COMMAND} -E copy ${CMAKE_CURRENT_SOURCE_DIR}/page/${f} ${site}/${f}
    DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/page/${f})
  list(APPEND copied ${site}/${f})
endforeach()
foreach(f background.jpg background@2x.jpg letters.outlines instructions.outlines)
  add_custom_command(OUTPUT ${site}/${f}
    COMMAND ${CMAKE_COMMAND} -E copy ${root}/assets/${f} ${site}/${f}
    DEPENDS ${root}/assets/${f})
  list(APPEND copied ${site}/${f})
endforeach()
foreach(icon 16 32 48 64 128 192 256 512 maskable-512)
  add_custom_command(OUTPUT ${site}/icons/pirandella-${icon}.png
    COMMAND ${CMAKE_COMMAND} -E copy ${root}/assets/icons/pirandella-${icon}.png
      ${site}/icons/pirandella-${icon}.png
    DEPENDS ${root}/assets/icons/pirandella-${icon}.png)
  list(APPEND copied ${site}/icons/pirandella-${icon}.png)
endforeach()

# The service worker names its cache after the site's contents, so that a new build replaces the
# copy a player's browser keeps.
add_custom_command(OUTPUT ${site}/sw.js
  COMMAND ${CMAKE_COMMAND} -DSITE=${site} -DTEMPLATE=${CMAKE_CURRENT_SOURCE_DIR}/page/sw.js
    -P ${CMAKE_CURRENT_SOURCE_DIR}/site_version.cmake
  DEPENDS ${copied} pirandella ${CMAKE_CURRENT_SOURCE_DIR}/page/sw.js
    ${CMAKE_CURRENT_SOURCE_DIR}/site_version.cmake)
add_custom_target(site ALL DEPENDS ${copied} ${site}/sw.js)
