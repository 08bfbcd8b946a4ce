// Meets the process's windows as a user does: finds a new top-level window by its title, reads
// its texts, icon and buttons, and presses a button by posting it a click. A WindowWatcher does
// this from a second thread while the test's thread sits in a modal loop.
#ifndef CVGUI_WATCH_H
#define CVGUI_WATCH_H

#include <windows.h>

#include <atomic>
#include <chrono>
#include <cstdio>
#include <functional>
#include <set>
#include <string>
#include <thread>
#include <vector>

struct SeenWindow {
    HWND hwnd = nullptr;
    std::string title;
    std::vector<std::string> texts;   // static texts, in child order
    std::vector<std::string> buttons; // button labels without their '&'
    HICON icon = nullptr;             // what an icon static shows
    RECT rect = {};                   // window rectangle on the screen
};

inline std::string windowText(HWND w)
{
    char buf[4096];
    int n = GetWindowTextA(w, buf, sizeof buf);
    return std::string(buf, n > 0 ? n : 0);
}

inline std::string windowClass(HWND w)
{
    char buf[64];
    GetClassNameA(w, buf, sizeof buf);
    return buf;
}

inline std::string withoutMnemonic(std::string s)
{
    std::string out;
    for (char c : s) {
        if (c != '&') {
            out += c;
        }
    }
    return out;
}

// The visible top-level windows of this process.
inline std::set<HWND> processWindows()
{
    std::set<HWND> found;
    EnumWindows(
        [](HWND w, LPARAM lp) -> BOOL {
            DWORD pid = 0;
            GetWindowThreadProcessId(w, &pid);
            if (pid == GetCurrentProcessId() && IsWindowVisible(w)) {
                reinterpret_cast<std::set<HWND> *>(lp)->insert(w);
            }
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&found));
    return found;
}

inline SeenWindow describeWindow(HWND w)
{
    SeenWindow seen;
    seen.hwnd = w;
    seen.title = windowText(w);
    GetWindowRect(w, &seen.rect);
    for (HWND c = GetWindow(w, GW_CHILD); c != nullptr; c = GetWindow(c, GW_HWNDNEXT)) {
        std::string cls = windowClass(c);
        LONG style = GetWindowLongA(c, GWL_STYLE);
        if (_stricmp(cls.c_str(), "Static") == 0) {
            if ((style & SS_TYPEMASK) == SS_ICON) {
                seen.icon = reinterpret_cast<HICON>(SendMessageA(c, STM_GETICON, 0, 0));
            } else {
                seen.texts.push_back(windowText(c));
            }
        } else if (_stricmp(cls.c_str(), "Button") == 0 && IsWindowVisible(c)) {
            seen.buttons.push_back(withoutMnemonic(windowText(c)));
        }
    }
    return seen;
}

// A window that was not among `before`, with this title; null when there is none.
inline HWND findNewWindow(const std::set<HWND> &before, const std::string &title)
{
    for (HWND w : processWindows()) {
        if (before.count(w) == 0 && windowText(w) == title) {
            return w;
        }
    }
    return nullptr;
}

// Presses the button with this label (no '&') the way a click does; false when there is none.
inline bool pressButton(HWND window, const std::string &label)
{
    for (HWND c = GetWindow(window, GW_CHILD); c != nullptr; c = GetWindow(c, GW_HWNDNEXT)) {
        if (_stricmp(windowClass(c).c_str(), "Button") == 0 && IsWindowVisible(c) &&
            withoutMnemonic(windowText(c)) == label) {
            return PostMessageA(c, BM_CLICK, 0, 0) != 0;
        }
    }
    return false;
}

// Runs the message loop of the calling thread until done() or the time runs out.
template <class Done> bool pumpUntil(Done done, int timeoutMs = 5000)
{
    auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
    while (!done()) {
        if (std::chrono::steady_clock::now() > end) {
            return false;
        }
        MSG m;
        while (PeekMessageA(&m, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&m);
            DispatchMessageA(&m);
        }
        Sleep(5);
    }
    return true;
}

inline void pumpPending()
{
    MSG m;
    while (PeekMessageA(&m, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&m);
        DispatchMessageA(&m);
    }
}

// Waits on a second thread for a new window titled `title`, records it, and presses `button`.
// With echo, the window's title and texts go to standard output before the press (for a child
// process that exits right after).
class WindowWatcher {
public:
    WindowWatcher(std::string title, std::string button, bool echo = false, int timeoutMs = 10000)
        : WindowWatcher(std::move(title), std::move(button), nullptr, echo, timeoutMs)
    {
    }
    // onSeen runs on the watching thread before the press, to look at the process meanwhile.
    WindowWatcher(std::string title, std::string button, std::function<void(HWND)> onSeen, bool echo = false,
                  int timeoutMs = 10000)
        : before_(processWindows()), title_(std::move(title)), button_(std::move(button)), onSeen_(std::move(onSeen)),
          echo_(echo)
    {
        thread_ = std::thread([this, timeoutMs] { run(timeoutMs); });
    }
    ~WindowWatcher()
    {
        if (thread_.joinable()) {
            thread_.join();
        }
    }
    // The window as it was seen; hwnd is null when none came up in time.
    SeenWindow wait()
    {
        if (thread_.joinable()) {
            thread_.join();
        }
        return seen_;
    }
    bool pressed() const { return pressed_; }

private:
    void run(int timeoutMs)
    {
        auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
        HWND w = nullptr;
        while ((w = findNewWindow(before_, title_)) == nullptr) {
            if (std::chrono::steady_clock::now() > end) {
                return;
            }
            Sleep(10);
        }
        seen_ = describeWindow(w);
        if (echo_) {
            printf("WINDOW[%s]", seen_.title.c_str());
            for (const auto &t : seen_.texts) {
                printf(" TEXT[%s]", t.c_str());
            }
            printf("\n");
            fflush(stdout);
        }
        if (onSeen_) {
            onSeen_(w);
        }
        pressed_ = pressButton(w, button_);
    }

    std::set<HWND> before_;
    std::string title_;
    std::string button_;
    std::function<void(HWND)> onSeen_;
    bool echo_;
    SeenWindow seen_;
    std::atomic<bool> pressed_{false};
    std::thread thread_;
};

#endif
