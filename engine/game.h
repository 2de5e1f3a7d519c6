// One game: its shared state, the window it shows, its random source and the screen it runs on.
#pragma once

#include "engine/game_state.h"
#include "engine/random_source.h"
#include "view/window_model.h"

#include <functional>

namespace pirandella {

// What the screen reports: twips per pixel along each axis and its size in twips.
struct ScreenMetrics {
    double twipsPerPixelX = 12, twipsPerPixelY = 12;
    double widthTwips = 1920 * 12, heightTwips = 1080 * 12;
    TwipsScale twipsPerPixel() const { return {twipsPerPixelX, twipsPerPixelY}; }
};

struct Game {
    GameState state;
    WindowModel window = DesignWindow();
    RandomSource rng;
    ScreenMetrics screen;
    // Seconds since the player's local midnight, read once to seed the generator.
    std::function<float()> timeOfDay = SecondsSinceMidnight;
    // The arrow cell the keyboard's marker is on; -1 until the keyboard is used.
    int marker = -1;

    static float SecondsSinceMidnight();
    // The same for a moment given as seconds since 1970 and the local clock time that it is.
    static float SecondsOfClock(double epochSeconds, int hour, int minute, int second);
};

// Sets the move about to be applied: the line goes to moveColumn for directions 1 and 2, to
// moveRow for 3 and 4, and the other is cleared.
void SetMove(GameState& s, int dir, int line);

// Puzzle engine procedures; each acts on the one game it is given.
void FillAnimalTables(Game& g);
void ChooseWords(Game& g);
void ApplyMove(Game& g);
void Scramble(Game& g);
void CheckSolved(Game& g);
void NewPuzzle(Game& g);

// Board view procedures.
void ScaleToScreen(Game& g);
void SaveHomePositions(Game& g);
void ArrangeBoard(Game& g);
void RestoreHomePositions(Game& g);
void DrawBoard(Game& g);
// The platform's frame, title and menu bar around the client area, in pixels: the window's outer
// size follows, and a window that the scaling centred is centred again on its new outer size.
void SetWindowChrome(Game& g, int widthPx, int heightPx);

} // namespace pirandella
