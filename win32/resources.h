// Identifiers of what the executable carries: its icon and the pictures.
#pragma once

#define IDI_PIRANDELLA 1
#define IDR_BACKGROUND 101
#define IDR_BACKGROUND_2X 102
#define IDR_LETTERS 103
#define IDR_PAGE 104
// The menu commands: IDM_FIRST_COMMAND + the command's number in the menu bar, as a WM_COMMAND
// carries them.
#define IDM_FIRST_COMMAND 1000
