// The window's event handlers. They keep no state of their own: everything is in the game.
#pragma once

#include "engine/game.h"

namespace pirandella {

void Form_Initialize(Game& g);
void Form_Terminate(Game& g);
void Image2_Click(Game& g, int Index);
void mnuSoluzione_Click(Game& g);
void mnuNS_Click(Game& g);
void mnuIstruzioni_Click(Game& g);
void mnuAnnullaMossa_Click(Game& g);
void Timer1_Timer(Game& g);

} // namespace pirandella
