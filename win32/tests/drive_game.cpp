// Plays the real pirandella.exe from outside, as a player and a screen reader would: finds its
// window, reads the board through MSAA, clicks an arrow and sees its column turn on the board and
// on the screen, takes the move back and plays the solution on the timer, starts a new puzzle and
// closes the window in the middle of a playback. Exits 0 when all went as it should.
#include "win32/resources.h"
#include "win32/tests/board_reader.h"

#include <windows.h>

#include <oleacc.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

using namespace pirandella::wintest;

int failures = 0;

void Check(bool ok, const char* what) {
    std::printf("%s: %s\n", ok ? "ok" : "FAILED", what);
    std::fflush(stdout);
    if (!ok) ++failures;
}

// "Riga 2, colonna 1: T, al posto giusto" -> L'T'; 0 when the tile is not on the board.
wchar_t LetterAt(const std::vector<Node>& nodes, int row, int column) {
    const std::wstring place =
        L"Riga " + std::to_wstring(row) + L", colonna " + std::to_wstring(column) + L": ";
    for (const Node& n : nodes)
        if (n.role == ROLE_SYSTEM_CELL && n.name.rfind(place, 0) == 0) return n.name[place.size()];
    return 0;
}

int CountRole(const std::vector<Node>& nodes, long role) {
    int count = 0;
    for (const Node& n : nodes) count += n.role == role;
    return count;
}

// Waits, reading the board every 50 ms, until `done` holds or ten seconds have passed.
template <typename Done> std::vector<Node> WaitFor(HWND window, Done done) {
    std::vector<Node> nodes;
    for (int i = 0; i < 200; ++i) {
        nodes = ReadBoard(window);
        if (done(nodes)) break;
        Sleep(50);
    }
    return nodes;
}

COLORREF ScreenPixel(POINT p) {
    HDC screen = GetDC(nullptr);
    const COLORREF c = GetPixel(screen, p.x, p.y);
    ReleaseDC(nullptr, screen);
    return c;
}

void Command(HWND window, int menuId) {
    SendMessageW(window, WM_COMMAND, IDM_FIRST_COMMAND + menuId, 0);
}

void Click(HWND window, const RECT& screen) {
    POINT p{(screen.left + screen.right) / 2, (screen.top + screen.bottom) / 2};
    ScreenToClient(window, &p);
    const LPARAM at = MAKELPARAM(p.x, p.y);
    SendMessageW(window, WM_LBUTTONDOWN, MK_LBUTTON, at);
    SendMessageW(window, WM_LBUTTONUP, 0, at);
}

} // namespace

int wmain(int argc, wchar_t** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: drive_game <pirandella.exe>\n");
        return 2;
    }
    CoInitialize(nullptr);
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION game{};
    std::wstring command = L"\"" + std::wstring(argv[1]) + L"\"";
    if (!CreateProcessW(argv[1], command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &game)) {
        std::fprintf(stderr, "cannot start the game\n");
        return 1;
    }
    WaitForInputIdle(game.hProcess, 20000);
    HWND window = nullptr;
    for (int i = 0; i < 400 && !window; ++i, Sleep(50))
        window = FindWindowW(L"pirandella", L"pirandella");
    Check(window != nullptr, "the window is found by its class and caption");
    if (!window) return 1;

    std::vector<Node> board = WaitFor(window, [](auto& n) { return !n.empty(); });
    const int size = CountRole(board, ROLE_SYSTEM_PUSHBUTTON) / 4;
    Check(size >= 5 && size <= 7, "arrow buttons on all four sides of a 5, 6 or 7 board");
    if (size < 5) return 1;
    Check(CountRole(board, ROLE_SYSTEM_CELL) == size * size, "one cell for every tile");
    Check(!board.empty() && board[0].name == L"in orizzontale posiziona " + std::to_wstring(size) +
                                                 L" nomi di animali",
          "the message line tells the task");

    // The arrow above column 1 turns it down: each letter moves one row down, the last to the top.
    const Node* arrow = Find(board, L"Colonna 1, ruota in gi\u00f9");
    Check(arrow != nullptr, "the arrow above column 1 is a button named after its move");
    if (!arrow) return 1;
    const RECT arrowBox = arrow->screen;
    const POINT frame{arrowBox.left, arrowBox.top};
    Check(ScreenPixel(frame) == RGB(0, 0, 0), "the arrow cell's frame is black on the screen");
    std::wstring before;
    for (int r = 1; r <= size; ++r) before += LetterAt(board, r, 1);
    Click(window, arrowBox);
    board = ReadBoard(window);
    std::wstring after;
    for (int r = 1; r <= size; ++r) after += LetterAt(board, r, 1);
    Check(after == before.back() + before.substr(0, size - 1), "a click turns column 1 down");
    // The screen reader hears the column's letters now, as an alert after the board's nodes.
    std::wstring said = L"Colonna 1: ";
    for (int r = 0; r < size; ++r) said += std::wstring(r ? L", " : L"") + after[r];
    const bool told = !board.empty() && board.back().role == ROLE_SYSTEM_ALERT &&
                      board.back().name.rfind(said + L"; ", 0) == 0;
    Check(told, "the move is said: the column's letters, as an alert");
    // The tile below the arrow shows its letter: dark ink on white, or red ink in its place.
    const RECT tile{arrowBox.left, arrowBox.bottom, arrowBox.right,
                    2 * arrowBox.bottom - arrowBox.top};
    int ink = 0;
    for (LONG y = tile.top + 3; y < tile.bottom - 3; ++y)
        for (LONG x = tile.left + 3; x < tile.right - 3; ++x) {
            const COLORREF c = ScreenPixel({x, y});
            const int r = GetRValue(c), g = GetGValue(c), b = GetBValue(c);
            const bool grey = r < 120 && std::abs(r - g) < 20 && std::abs(g - b) < 20;
            ink += grey || (r > 200 && g < 120 && b < 120);
        }
    Check(ink > 15, "the tile's letter is on the screen");

    // Undo plays back on the timer: the column is as it was after a tick.
    Command(window, 3); // Annulla mossa
    board = WaitFor(window, [&](auto& n) {
        std::wstring now;
        for (int r = 1; r <= size; ++r) now += LetterAt(n, r, 1);
        return now == before;
    });
    std::wstring undone;
    for (int r = 1; r <= size; ++r) undone += LetterAt(board, r, 1);
    Check(undone == before, "undo turns the column back on the timer");

    // From the keyboard: the first arrow key puts the marker on an arrow, which the screen
    // reader finds focused; Enter turns its line as a click does.
    SendMessageW(window, WM_KEYDOWN, VK_RIGHT, 0);
    board = ReadBoard(window);
    const Node* marked = nullptr;
    for (const Node& n : board)
        if (n.role == ROLE_SYSTEM_PUSHBUTTON && (n.state & STATE_SYSTEM_FOCUSED)) marked = &n;
    Check(marked != nullptr, "an arrow key puts the focus on an arrow");
    std::vector<std::wstring> tilesBefore;
    for (const Node& n : board)
        if (n.role == ROLE_SYSTEM_CELL) tilesBefore.push_back(n.name);
    SendMessageW(window, WM_KEYDOWN, VK_RETURN, 0);
    board = ReadBoard(window);
    std::vector<std::wstring> tilesAfter;
    for (const Node& n : board)
        if (n.role == ROLE_SYSTEM_CELL) tilesAfter.push_back(n.name);
    Check(tilesAfter != tilesBefore, "Enter turns the marked line");

    // The solution plays every move back: at the end every tile is in place, the arrows are gone
    // and the frame has left the screen.
    Command(window, 0); // Soluzione
    board = WaitFor(window, [](auto& n) { return CountRole(n, ROLE_SYSTEM_PUSHBUTTON) == 0; });
    int inPlace = 0;
    for (const Node& n : board)
        inPlace += n.role == ROLE_SYSTEM_CELL && n.name.ends_with(L", al posto giusto");
    Check(CountRole(board, ROLE_SYSTEM_PUSHBUTTON) == 0, "the solution hides the arrows");
    Check(inPlace == size * size, "after the solution every tile is in its place");
    Sleep(300); // one repaint
    Check(ScreenPixel(frame) != RGB(0, 0, 0), "the arrow's frame is gone from the screen");

    // A new puzzle, and the window closed while its solution plays: the game ends at once.
    Command(window, 1); // Nuovo schema
    board = ReadBoard(window);
    Check(CountRole(board, ROLE_SYSTEM_PUSHBUTTON) >= 20, "a new puzzle brings the arrows back");
    Command(window, 0);
    PostMessageW(window, WM_CLOSE, 0, 0);
    const bool ended = WaitForSingleObject(game.hProcess, 10000) == WAIT_OBJECT_0;
    DWORD code = 1;
    GetExitCodeProcess(game.hProcess, &code);
    Check(ended && code == 0, "closing the window during a playback ends the game cleanly");
    if (!ended) TerminateProcess(game.hProcess, 1);
    CloseHandle(game.hThread);
    CloseHandle(game.hProcess);
    CoUninitialize();
    return failures == 0 ? 0 : 1;
}
