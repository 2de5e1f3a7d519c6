# The static site in site/: the page, the game as WebAssembly, the pictures, the icons, the manifest and the service worker. Relative paths only.
set(site ${CMAKE_BINARY_DIR}/site)
set(page ${CMAKE_CURRENT_SOURCE_DIR}/page)

# The game as WebAssembly alone, without Emscripten's runtime in JavaScript: module.js starts it.
# The page's functions are exported where they are defined (EMSCRIPTEN_KEEPALIVE); the module
# imports the platform's calls (window.cpp), which only the page defines (so Emscripten, which
# knows none of them, is not to ask for their JavaScript), and abort's way out: module.js gives
# each, and a module asking for anything else would not start. Its malloc is emmalloc, the
# smallest of Emscripten's. As small as it goes: optimised
# for size across the whole program (-flto); the core throws nothing and asks no type of a class
# at run time.
function(pirandella_game target)
  add_executable(${target} window.cpp canvas.cpp screen_reader.cpp ${ARGN})
  target_link_libraries(${target} PRIVATE web_ui)
  set_target_properties(${target} PROPERTIES SUFFIX .wasm
    RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/game)
  target_compile_options(${target} PRIVATE -Oz -flto -fno-exceptions -fno-rtti)
  target_link_options(${target} PRIVATE -Oz -flto -fno-exceptions -fno-rtti --no-entry
    -sWARN_ON_UNDEFINED_SYMBOLS=0 -sFILESYSTEM=0 -sMALLOC=emmalloc -sALLOW_MEMORY_GROWTH=1
    "-sEXPORTED_FUNCTIONS=['_malloc','_free']" -sSUPPORT_ERRNO=0 -sSUPPORT_LONGJMP=0
    -sALLOW_UNIMPLEMENTED_SYSCALLS=0)
endfunction()
pirandella_game(pirandella)
foreach(target web_engine web_view web_ui)
  target_compile_options(${target} PRIVATE -Oz -flto -fno-exceptions -fno-rtti)
endforeach()
# Binaryen's optimiser once more, run to its end, finds a little that Emscripten's run leaves;
# more (0.2 KB gzipped) after the code is flattened and its control flow built anew.
find_program(WASM_OPT wasm-opt)
function(pirandella_shrink target out)
  set(wasm $<TARGET_FILE:${target}>)
  if(WASM_OPT)
    set(shrink ${WASM_OPT} --flatten --rereloop -Oz -Oz --converge ${wasm} -o ${out} PARENT_SCOPE)
  else()
    set(shrink ${CMAKE_COMMAND} -E copy ${wasm} ${out} PARENT_SCOPE)
  endif()
endfunction()

# What the page shares with the core, written from the core's constants by a small program run
# under Node: core.js for the scripts, and from it the page itself, its template filled in.
find_program(NODE_JS NAMES node nodejs REQUIRED)
add_executable(page_constants ${root}/tools/page_constants.cpp)
target_link_libraries(page_constants PRIVATE web_ui)
target_link_options(page_constants PRIVATE -sENVIRONMENT=node -sNODERAWFS=1)
set(core_js ${CMAKE_BINARY_DIR}/game/core.js)
add_custom_command(OUTPUT ${core_js}
  COMMAND ${NODE_JS} --no-experimental-fetch $<TARGET_FILE:page_constants> ${core_js}
  DEPENDS page_constants)
add_custom_command(OUTPUT ${site}/index.html
  COMMAND ${CMAKE_COMMAND} -DCORE_JS=${core_js} -DPAGE=${site}/index.html
    -DTEMPLATE=${page}/index.html.in -P ${CMAKE_CURRENT_SOURCE_DIR}/index_page.cmake
  DEPENDS ${core_js} ${page}/index.html.in ${CMAKE_CURRENT_SOURCE_DIR}/index_page.cmake)

# All the page's scripts as one, so that a first visit asks for them at once: the WebAssembly's
# start, then the modules, each after those it imports (bundle.cmake).
set(scripts ${CMAKE_CURRENT_SOURCE_DIR}/module.js ${core_js} ${page}/board_canvas.js
  ${page}/pointers.js ${page}/screen_reader.js ${page}/app.js)
pirandella_shrink(pirandella ${site}/pirandella.wasm)
# Then the names inside the joined module shortened by Debian's terser (minify.cjs), where it is
# installed (scripts/web_common.sh installs it): a sixth less to download, gzipped.
set(node_modules /usr/share/nodejs)
execute_process(COMMAND ${CMAKE_COMMAND} -E env NODE_PATH=${node_modules} ${NODE_JS} -e
  "require('terser')" RESULT_VARIABLE no_terser OUTPUT_QUIET ERROR_QUIET)
if(no_terser)
  message(STATUS "No terser (Debian's node-terser): the page's scripts are joined, not shortened")
  set(minify ${CMAKE_COMMAND} -E true)
  set(minify_worker ${CMAKE_COMMAND} -E true)
else()
  set(minify ${CMAKE_COMMAND} -E env NODE_PATH=${node_modules} ${NODE_JS}
    ${CMAKE_CURRENT_SOURCE_DIR}/minify.cjs ${site}/app.js)
  set(minify_worker ${CMAKE_COMMAND} -E env NODE_PATH=${node_modules} ${NODE_JS}
    ${CMAKE_CURRENT_SOURCE_DIR}/minify.cjs ${site}/sw.js --script)
endif()
add_custom_command(OUTPUT ${site}/app.js ${site}/pirandella.wasm
  COMMAND ${shrink}
  COMMAND ${CMAKE_COMMAND} "-DSCRIPTS=${scripts}" -DOUT=${site}/app.js
    -P ${CMAKE_CURRENT_SOURCE_DIR}/bundle.cmake
  COMMAND ${minify}
  DEPENDS pirandella ${scripts} ${CMAKE_CURRENT_SOURCE_DIR}/bundle.cmake
    ${CMAKE_CURRENT_SOURCE_DIR}/minify.cjs VERBATIM)
set(copied ${site}/index.html ${site}/app.js ${site}/pirandella.wasm)

# The page's own files, copied as they are.
foreach(f style.css manifest.webmanifest)
  add_custom_command(OUTPUT ${site}/${f}
    COMMAND ${CMAKE_COMMAND} -E copy ${page}/${f} ${site}/${f} DEPENDS ${page}/${f})
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
# copy a player's browser keeps; shortened as app.js is, without its comments.
add_custom_command(OUTPUT ${site}/sw.js
  COMMAND ${CMAKE_COMMAND} -DSITE=${site} -DTEMPLATE=${page}/sw.js
    -P ${CMAKE_CURRENT_SOURCE_DIR}/site_version.cmake
  COMMAND ${minify_worker}
  DEPENDS ${copied} ${page}/sw.js ${CMAKE_CURRENT_SOURCE_DIR}/site_version.cmake
    ${CMAKE_CURRENT_SOURCE_DIR}/minify.cjs)
add_custom_target(site ALL DEPENDS ${copied} ${site}/sw.js)

# For the page's test, the same site in test-site/ but for its WebAssembly, which also paints
# the board with the core's own renderer (tests/reference.cpp), for the test to compare the canvas with;
# the site that ships links no renderer of the board.
if(PIRANDELLA_WEB_TESTS)
  set(test_site ${CMAKE_BINARY_DIR}/test-site)
  pirandella_game(pirandella_reference tests/reference.cpp)
  pirandella_shrink(pirandella_reference ${test_site}/pirandella.wasm)
  add_custom_command(OUTPUT ${test_site}/pirandella.wasm
    COMMAND ${CMAKE_COMMAND} -E rm -rf ${test_site}
    COMMAND ${CMAKE_COMMAND} -E copy_directory ${site} ${test_site}
    COMMAND ${shrink}
    DEPENDS pirandella_reference ${copied} ${site}/sw.js VERBATIM)
  add_custom_target(test_site ALL DEPENDS ${test_site}/pirandella.wasm)
endif()
