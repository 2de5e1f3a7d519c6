# The static site in site/: the page, the game as WebAssembly, the pictures, the icons, the manifest and the service worker. Relative paths only.
set(site ${CMAKE_BINARY_DIR}/site)

add_executable(pirandella binding.cpp paint_list.cpp)
target_link_libraries(pirandella PRIVATE web_ui)
set(web_exports web_constants web_create web_start web_load_outlines web_outline_error web_outline web_outline_count web_paint
    web_paint_length web_reference web_layout web_origin web_message_scale web_save web_restore web_element_at web_pointer web_pointer_picture web_pointer_side web_pointer_tip web_press
    web_release web_click web_command web_tick web_key web_board_size web_board_words web_accessible_nodes malloc free)
list(TRANSFORM web_exports PREPEND "'_")
list(TRANSFORM web_exports APPEND "'")
string(JOIN "," web_exports ${web_exports})
target_link_options(pirandella PRIVATE -sMODULARIZE=1 -sEXPORT_NAME=createPirandella
  -sENVIRONMENT=web -sFILESYSTEM=0 -sMALLOC=emmalloc -sALLOW_MEMORY_GROWTH=1
  "-sEXPORTED_FUNCTIONS=[${web_exports}]" "-sEXPORTED_RUNTIME_METHODS=['UTF8ToString']")
target_compile_options(pirandella PRIVATE -Oz)
foreach(layer engine view ui)
  target_compile_options(web_${layer} PRIVATE -Oz)
endforeach()
target_link_options(pirandella PRIVATE -Oz)
set_target_properties(pirandella PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${site})

# The page's own files, copied as they are.
set(page_files index.html style.css app.js board_canvas.js screen_reader.js pointers.js
  manifest.webmanifest)
set(copied)
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
