# The core: plain C++ with no toolkit, in three libraries, each using only those before it.
#   engine  the game's state and rules
#   view    the window as a model derived from the game: layout, painting, pointers, what a
#           screen reader finds and says
#   ui      the event handlers, the playback and what every front end does after an event
# The one list of the core's sources and tests, for the desktop, Windows and browser builds.
set(PIRANDELLA_ROOT ${CMAKE_CURRENT_LIST_DIR}/..)
cmake_path(NORMAL_PATH PIRANDELLA_ROOT)

set(PIRANDELLA_ENGINE_SOURCES
  engine/animal_names.cpp
  engine/move_engine.cpp
  engine/puzzle_setup.cpp
  engine/random_source.cpp
  engine/scramble.cpp
  engine/solved_check.cpp
  engine/word_selection.cpp)
set(PIRANDELLA_VIEW_SOURCES
  view/accessible_view.cpp
  view/board_layout.cpp
  view/coverage_raster.cpp
  view/device_pixels.cpp
  view/display_scaling.cpp
  view/glyph_font.cpp
  view/keyboard_ring.cpp
  view/outline_bytes.cpp
  view/outlines.cpp
  view/painting.cpp
  view/pixels.cpp
  view/pointer_shape.cpp
  view/raster_canvas.cpp
  view/spoken_names.cpp
  view/window_model.cpp)
set(PIRANDELLA_UI_SOURCES
  ui/arrow_clicks.cpp
  ui/front_end.cpp
  ui/keyboard.cpp
  ui/menus.cpp
  ui/playback.cpp
  ui/saved_game.cpp)
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
  tests/test_saved_game.cpp
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
