// What the Windows test programs read of a running pirandella.exe: the board's children as a
// screen reader finds them through MSAA, front to back.
#pragma once

#include <windows.h>

#include <oleacc.h>

#include <string>
#include <vector>

namespace pirandella::wintest {

struct Node {
    std::wstring name;
    long role = 0;
    long state = 0;
    RECT screen{}; // left, top, right, bottom
};

inline std::vector<Node> ReadBoard(HWND window) {
    std::vector<Node> nodes;
    IAccessible* board = nullptr;
    if (FAILED(AccessibleObjectFromWindow(window, static_cast<DWORD>(OBJID_CLIENT),
                                          __uuidof(IAccessible), reinterpret_cast<void**>(&board))))
        return nodes;
    long count = 0;
    board->get_accChildCount(&count);
    for (long i = 1; i <= count; ++i) {
        VARIANT child{};
        child.vt = VT_I4;
        child.lVal = i;
        Node n;
        BSTR name = nullptr;
        if (SUCCEEDED(board->get_accName(child, &name)) && name) n.name = name;
        SysFreeString(name);
        VARIANT role{};
        if (SUCCEEDED(board->get_accRole(child, &role)) && role.vt == VT_I4) n.role = role.lVal;
        VARIANT state{};
        if (SUCCEEDED(board->get_accState(child, &state)) && state.vt == VT_I4)
            n.state = state.lVal;
        long x = 0, y = 0, w = 0, h = 0;
        board->accLocation(&x, &y, &w, &h, child);
        n.screen = {x, y, x + w, y + h};
        nodes.push_back(n);
    }
    board->Release();
    return nodes;
}

inline const Node* Find(const std::vector<Node>& nodes, const std::wstring& name) {
    for (const Node& n : nodes)
        if (n.name == name) return &n;
    return nullptr;
}

} // namespace pirandella::wintest
