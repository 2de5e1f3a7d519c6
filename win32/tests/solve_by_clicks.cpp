// Solves the puzzle that a running pirandella.exe shows by clicking its arrows with the mouse, as
// a player who knew the scramble would. The game seeds its puzzle from the time of day it
// started; this program reads the board through the screen reader's view, finds the moment of
// the last minute that gives that board, takes the scramble from it and clicks its moves back.
// For looking at a whole game played on the screen; not a test.
#include "engine/game.h"
#include "view/access/spoken_names.h"
#include "view/window/board_layout.h"
#include "win32/tests/board_reader.h"

#include <windows.h>

#include <oleacc.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <map>
#include <string>
#include <vector>

namespace {

using namespace pirandella;
using namespace pirandella::wintest;

std::wstring Wide(const std::string& utf8) {
    std::wstring out(utf8.size(), L'\0');
    out.resize(MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()),
                                   out.data(), static_cast<int>(out.size())));
    return out;
}

// The tiles' names of a game, as the screen reader says them: they hold every letter's place.
std::vector<std::wstring> TileNames(const Game& g) {
    std::vector<std::wstring> names;
    for (int i = 0; i < WindowModel::tileCount; ++i)
        if (TileInUse(g.boardSize, i)) names.push_back(Wide(TileName(g, i)));
    return names;
}

// The game started during the last minute: every moment a float can hold, newest first.
bool FindPuzzle(const std::vector<std::wstring>& shown, Game& found) {
    SYSTEMTIME now;
    GetLocalTime(&now);
    const float latest = now.wHour * 3600.0f + now.wMinute * 60.0f + now.wSecond + 1;
    for (float t = latest; t > latest - 60; t = std::nextafter(t, 0.0f)) {
        Game g;
        g.timeOfDay = [t] { return t; };
        NewPuzzle(g);
        std::vector<std::wstring> names = TileNames(g);
        bool same = names.size() == shown.size();
        for (std::size_t i = 0; same && i < names.size(); ++i)
            same = std::find(shown.begin(), shown.end(), names[i]) != shown.end();
        if (same) {
            found = std::move(g);
            return true;
        }
    }
    return false;
}

// The arrow whose click makes this move.
int ArrowFor(int boardSize, Move m) {
    for (int i = 0; i < WindowModel::arrowCount; ++i)
        if (ArrowInUse(boardSize, i) && ArrowMove(boardSize, i) == m) return i;
    return -1;
}

void ClickAt(POINT p) {
    const int width = GetSystemMetrics(SM_CXSCREEN), height = GetSystemMetrics(SM_CYSCREEN);
    INPUT input[3]{};
    for (INPUT& i : input) i.type = INPUT_MOUSE;
    input[0].mi.dx = (p.x * 65535 + width / 2) / (width - 1);
    input[0].mi.dy = (p.y * 65535 + height / 2) / (height - 1);
    input[0].mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
    input[1].mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
    input[2].mi.dwFlags = MOUSEEVENTF_LEFTUP;
    SendInput(1, &input[0], sizeof(INPUT));
    Sleep(60);
    SendInput(2, &input[1], sizeof(INPUT));
}

} // namespace

int wmain() {
    CoInitialize(nullptr);
    HWND window = nullptr;
    for (int i = 0; i < 400 && !window; ++i, Sleep(50))
        window = FindWindowW(L"pirandella", L"pirandella");
    if (!window) return 1;
    SetForegroundWindow(window);
    std::vector<Node> board = ReadBoard(window);
    std::vector<std::wstring> tiles;
    for (const Node& n : board)
        if (n.name.rfind(L"Riga ", 0) == 0 && n.name.find(L": ") != std::wstring::npos)
            tiles.push_back(n.name);
    Game g;
    if (!FindPuzzle(tiles, g)) {
        std::printf("no moment of the last minute gives this board\n");
        return 1;
    }
    std::printf("the scramble had %d moves; clicking them back\n", g.scrambleMoves);
    for (int k = g.scrambleMoves; k >= 1; --k) {
        const int arrow = ArrowFor(g.boardSize, g.moveHistory[k].backward());
        const std::wstring name = Wide(ArrowName(g.boardSize, arrow));
        board = ReadBoard(window);
        const Node* target = Find(board, name);
        if (!target) break; // solved before the last move: the arrows are gone
        ClickAt({(target->screen.left + target->screen.right) / 2,
                 (target->screen.top + target->screen.bottom) / 2});
        Sleep(150);
    }
    Sleep(300);
    board = ReadBoard(window);
    const bool solved = !board.empty() && board[0].name.rfind(L"SCHEMA RISOLTO", 0) == 0;
    const std::wstring message = board.empty() ? L"" : board[0].name;
    std::string utf8(message.size() * 3, '\0');
    utf8.resize(WideCharToMultiByte(CP_UTF8, 0, message.data(), static_cast<int>(message.size()),
                                    utf8.data(), static_cast<int>(utf8.size()), nullptr, nullptr));
    std::printf("message line: %s\n", utf8.c_str());
    CoUninitialize();
    return solved ? 0 : 1;
}
