// A user's hand on the mouse and keyboard: clicks and key presses go through the system's input
// queue (SendInput), so that focus, the keyboard state the controls read and the characters that
// TranslateMessage makes are the system's own. Modifier keys are held around a click or press.
#ifndef CVGUI_INPUT_H
#define CVGUI_INPUT_H

#include <windows.h>

#include <initializer_list>
#include <vector>

namespace input {

inline INPUT key(WORD vk, bool up)
{
    INPUT in = {};
    in.type = INPUT_KEYBOARD;
    in.ki.wVk = vk;
    in.ki.wScan = static_cast<WORD>(MapVirtualKeyA(vk, MAPVK_VK_TO_VSC));
    in.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
    if (vk == VK_UP || vk == VK_DOWN || vk == VK_LEFT || vk == VK_RIGHT || vk == VK_HOME || vk == VK_END ||
        vk == VK_PRIOR || vk == VK_NEXT || vk == VK_DELETE || vk == VK_INSERT) {
        in.ki.dwFlags |= KEYEVENTF_EXTENDEDKEY;
    }
    return in;
}

inline void send(std::vector<INPUT> &events)
{
    SendInput(static_cast<UINT>(events.size()), events.data(), sizeof(INPUT));
}

// Runs the calling thread's messages until its input queue is empty.
inline void settle()
{
    MSG m;
    for (int round = 0; round < 1000; round++) {
        bool any = false;
        while (PeekMessageA(&m, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&m);
            DispatchMessageA(&m);
            any = true;
        }
        if (!any && (GetQueueStatus(QS_ALLINPUT) & 0xFFFF0000u) == 0) {
            return;
        }
        Sleep(1);
    }
}

// Presses vk (with the modifiers held) as one stroke, and waits until the window has had it.
inline void press(WORD vk, std::initializer_list<WORD> modifiers = {})
{
    std::vector<INPUT> events;
    for (WORD m : modifiers) {
        events.push_back(key(m, false));
    }
    events.push_back(key(vk, false));
    events.push_back(key(vk, true));
    for (auto it = std::rbegin(modifiers); it != std::rend(modifiers); ++it) {
        events.push_back(key(*it, true));
    }
    send(events);
    settle();
}

// Moves the pointer to a point of the window's client area and clicks the left button there.
inline void click(HWND window, POINT client, std::initializer_list<WORD> modifiers = {})
{
    POINT screen = client;
    ClientToScreen(window, &screen);
    int width = GetSystemMetrics(SM_CXSCREEN);
    int height = GetSystemMetrics(SM_CYSCREEN);
    INPUT move = {};
    move.type = INPUT_MOUSE;
    move.mi.dx = static_cast<LONG>((screen.x * 65536LL + width / 2) / width);
    move.mi.dy = static_cast<LONG>((screen.y * 65536LL + height / 2) / height);
    move.mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
    std::vector<INPUT> events;
    for (WORD m : modifiers) {
        events.push_back(key(m, false));
    }
    events.push_back(move);
    INPUT button = move;
    button.mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
    button.mi.dx = button.mi.dy = 0;
    events.push_back(button);
    button.mi.dwFlags = MOUSEEVENTF_LEFTUP;
    events.push_back(button);
    for (auto it = std::rbegin(modifiers); it != std::rend(modifiers); ++it) {
        events.push_back(key(*it, true));
    }
    send(events);
    settle();
}

} // namespace input

#endif
