// What a screen reader says of each element of the window, in the game's own Italian: the
// arrow cells by what they do, the tiles by their place and letter, the instructions page by its
// text. The one place these words are chosen.
#pragma once

#include "engine/game.h"

#include <string>

namespace pirandella {

// "Colonna 3, ruota in giù", "Riga 2, ruota a sinistra": the line the arrow turns and which way.
std::string ArrowName(const WindowModel& w, int index);
// "Riga 2, colonna 3: T, al posto giusto" for a tile in its solution place, else without the
// last words. Empty for a tile the board does not use.
std::string TileName(const Game& g, int tile);
// The words of the instructions page: its heading, then its paragraphs.
inline constexpr const char* instructionsHeading = "ISTRUZIONI";
inline constexpr const char* instructionsParagraphs[3] = {
    ("Cliccando sulle caselle ai lati della tabella si fa ruotare il contenuto delle righe e delle "
     "colonne nella direzione indicata dal puntatore del mouse."), // one paragraph in two pieces
    "Le lettere che si trovano al posto giusto diventano rosse su fondo trasparente.",
    "Il gioco termina quando tutti i nomi di animali sono stati trovati e messi al loro posto."};
std::string InstructionsText();
// Names of the board as a whole and of the instructions page.
inline constexpr const char* boardName = "Tabellone";
inline constexpr const char* instructionsName = "Istruzioni";

} // namespace pirandella
