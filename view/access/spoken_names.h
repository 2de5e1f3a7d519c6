// What a screen reader says of each element of the window, in the game's own Italian: the
// arrow cells by what they do, the tiles by their place and letter, the instructions page by its
// text. The one place these words are chosen.
#pragma once

#include "view/window/window_model.h"

#include <string>

namespace pirandella {

// "Colonna 3, ruota in giù", "Riga 2, ruota a sinistra": the line the arrow turns and which way.
std::string ArrowName(int boardSize, int arrow);
// "Riga 2, colonna 3: T, al posto giusto" for a tile in its solution place, else without the
// last words. Empty for a tile the board does not use.
std::string TileName(const Game& g, int tile);
// "Colonna 3: G, A, T, T, O; 2 al posto giusto": a line's letters, top to bottom or left to
// right, and how many of them stand in their place.
std::string LineReport(const Game& g, bool column, int line);
// The report of the line an arrow cell turns.
std::string ArrowLineReport(const Game& g, int arrow);
// After an undo: "Mossa annullata. " and the report of the line it turned back.
std::string UndoReport(const Game& g, Move undone);
// At the end of the solution: "Soluzione: " and the names row by row.
std::string SolutionReport(const Game& g);
// The words of the instructions page: its heading, then its paragraphs.
inline constexpr const char* instructionsHeading = "ISTRUZIONI";
inline constexpr const char* instructionsParagraphs[4] = {
    ("Cliccando sulle caselle ai lati della tabella si fa ruotare il contenuto delle righe e delle "
     "colonne nella direzione indicata dal puntatore del mouse."), // one paragraph in two pieces
    "Le lettere che si trovano al posto giusto diventano rosse su fondo trasparente.",
    "Il gioco termina quando tutti i nomi di animali sono stati trovati e messi al loro posto.",
    "Da tastiera: le frecce scelgono la casella, Invio ruota, Ctrl+Z annulla, F10 apre il menu."};
std::string InstructionsText();
// Names of the board as a whole and of the instructions page.
inline constexpr const char* boardName = "Tabellone";
// How the board plays from the keys, in one sentence: the board's description for a screen
// reader, heard as the board takes the focus.
inline constexpr const char* boardKeys =
    "Le frecce scelgono una casella ai lati, Invio o Spazio ruota la sua riga o colonna, Ctrl+Z "
    "annulla la mossa, F1 mostra le istruzioni, F2 prepara un nuovo schema, F10 apre il menu.";
inline constexpr const char* instructionsName = "Istruzioni";

} // namespace pirandella
