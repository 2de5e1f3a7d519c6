# The core: plain C++ with no toolkit, in three libraries, each using only those before it.
#   engine  the game's state and rules
#   view    the window as a model derived from the game: its geometry, the painting and the
#           renderer with the files they draw from, what a screen reader finds and hears
#   ui      the midend: the events, the playback and its clock, the keys, the kept game
# The one list of the core's sources and tests, for the desktop, Windows and browser builds.
set(PIRANDELLA_ROOT ${CMAKE_CURRENT_LIST_DIR}/..)
cmake_path(NORMAL_PATH PIRANDELLA_ROOT)

set(PIRANDELLA_ENGINE_SOURCES
  engine/animal_names.cpp
  engine/local_clock.cpp
  engine/move_engine.cpp
  engine/puzzle_setup.cpp
  engine/random_source.cpp
  engine/scramble.cpp
  engine/solved_check.cpp
  engine/word_selection.cpp)
# view/ by job: render (the files the game draws from, the font and the text, the software
# renderer's coverage and pixels), window (the window model and its geometry), painting (the
# drawing interface and the painting of the window through it), access (what a screen reader
# finds and hears). Each folder uses only those before it.
set(PIRANDELLA_VIEW_SOURCES
  view/render/coverage_raster.cpp
  view/render/device_rect.cpp
  view/render/glyph_font.cpp
  view/render/outline_file.cpp
  view/render/pixels.cpp
  view/window/board_layout.cpp
  view/window/device_pixels.cpp
  view/window/display_scaling.cpp
  view/window/surface_fit.cpp
  view/window/window_model.cpp
  view/painting/painting.cpp
  view/painting/pointer_shape.cpp
  view/painting/raster_canvas.cpp
  view/painting/shapes.cpp
  view/access/accessible_view.cpp
  view/access/spoken_names.cpp)
set(PIRANDELLA_UI_SOURCES
  ui/kept_game.cpp
  ui/keyboard.cpp
  ui/keyboard_ring.cpp
  ui/midend.cpp
  ui/playback.cpp)
# The core's tests: no toolkit and no display, so they run natively, under Node and under Wine.
set(PIRANDELLA_CORE_TEST_SOURCES
  tests/game_fixtures.cpp
  tests/game_invariants.cpp
  tests/test_coverage_raster.cpp
  tests/test_glyph_font.cpp
  tests/test_handlers.cpp
  tests/test_keys_and_screen_reader.cpp
  tests/test_layout_and_drawing.cpp
  tests/test_moves.cpp
  tests/test_outlines.cpp
  tests/test_painting.cpp
  tests/test_random_source.cpp
  tests/test_kept_game.cpp
  tests/test_scaling.cpp
  tests/test_window_model.cpp
  tests/test_words.cpp)
foreach(list ENGINE VIEW UI CORE_TEST)
  list(TRANSFORM PIRANDELLA_${list}_SOURCES PREPEND ${PIRANDELLA_ROOT}/)
endforeach()

# The message line's font built into the core as bytes: a source written from assets/serif.glyphs
# whenever that file changes, so every front end draws the same text with nothing to load.
set(serif_glyphs ${PIRANDELLA_ROOT}/assets/serif.glyphs)
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${serif_glyphs})
file(READ ${serif_glyphs} serif_hex HEX)
string(REGEX REPLACE "(..)" "0x\\1," serif_bytes "${serif_hex}")
file(CONFIGURE OUTPUT ${CMAKE_BINARY_DIR}/generated/serif_glyphs.cpp @ONLY CONTENT [[
#include <cstddef>
extern const unsigned char serifGlyphBytes[] = {@serif_bytes@};
extern const std::size_t serifGlyphByteCount = sizeof serifGlyphBytes;
]])
list(APPEND PIRANDELLA_VIEW_SOURCES ${CMAKE_BINARY_DIR}/generated/serif_glyphs.cpp)

# pirandella_core_libraries(<prefix>) makes <prefix>_engine, <prefix>_view and <prefix>_ui;
# <prefix>_ui brings the other two.
function(pirandella_core_libraries prefix)
  add_library(${prefix}_engine STATIC ${PIRANDELLA_ENGINE_SOURCES})
  target_include_directories(${prefix}_engine PUBLIC ${PIRANDELLA_ROOT})
  add_library(${prefix}_view STATIC ${PIRANDELLA_VIEW_SOURCES})
  target_link_libraries(${prefix}_view PUBLIC ${prefix}_engine)
  add_library(${prefix}_ui STATIC ${PIRANDELLA_UI_SOURCES})
  target_link_libraries(${prefix}_ui PUBLIC ${prefix}_view)
endfunction()
