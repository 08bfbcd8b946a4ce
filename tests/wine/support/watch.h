// Meets the process's windows as a user does: finds a new top-level window by its title, reads
// its texts, icon and buttons, and presses a button by posting it a click. A WindowWatcher does
// this from a second thread while the test's thread sits in a modal loop. Also reads list boxes,
// and stands in for the platform's help window.
#ifndef CVGUI_WATCH_H
#define CVGUI_WATCH_H

#include <windows.h>

#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstdlib>
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

// The items of a list box, and the positions (counted from 1) of those selected, as it holds them.
inline std::vector<std::string> listItems(HWND list)
{
    std::vector<std::string> items(static_cast<size_t>(SendMessageA(list, LB_GETCOUNT, 0, 0)));
    for (size_t i = 0; i < items.size(); i++) {
        items[i].resize(static_cast<size_t>(SendMessageA(list, LB_GETTEXTLEN, i, 0)));
        SendMessageA(list, LB_GETTEXT, i, reinterpret_cast<LPARAM>(&items[i][0]));
    }
    return items;
}

inline std::vector<int> listSelection(HWND list)
{
    std::vector<int> selected;
    for (int i = 0, n = static_cast<int>(SendMessageA(list, LB_GETCOUNT, 0, 0)); i < n; i++) {
        if (SendMessageA(list, LB_GETSEL, i, 0) > 0) {
            selected.push_back(i + 1);
        }
    }
    return selected;
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

// The case a child scenario runs, which its parent chose with setChildCase before starting it:
// one scenario then stands for several calls that each end the process.
inline int childCase()
{
    const char *v = getenv("CVGUI_CHILD_CASE");
    return v != nullptr ? atoi(v) : 0;
}

inline void setChildCase(int n)
{
    _putenv_s("CVGUI_CHILD_CASE", std::to_string(n).c_str());
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

// The platform's help window, which WinHelp talks to, standing in while it lives: it notes each
// request (command, data, help file).
struct WinHelpRequest {
    UINT command;
    DWORD data;
    std::string file;
};

class FakeWinHelp {
public:
    FakeWinHelp()
    {
        WNDCLASSA wc = {};
        wc.lpfnWndProc = proc;
        wc.hInstance = GetModuleHandleA(nullptr);
        wc.lpszClassName = "MS_WINHELP";
        RegisterClassA(&wc);
        requests().clear();
        window_ = CreateWindowA("MS_WINHELP", "", 0, 0, 0, 0, 0, nullptr, nullptr, wc.hInstance, nullptr);
    }
    ~FakeWinHelp() { DestroyWindow(window_); }
    static std::vector<WinHelpRequest> &requests()
    {
        static std::vector<WinHelpRequest> seen;
        return seen;
    }

private:
    static LRESULT CALLBACK proc(HWND w, UINT m, WPARAM wp, LPARAM lp)
    {
        if (m != WM_COPYDATA) {
            return DefWindowProcA(w, m, wp, lp);
        }
        // The request: size, command, data, reserved, offsets of the file name and of the data.
        auto *request = static_cast<const BYTE *>(reinterpret_cast<COPYDATASTRUCT *>(lp)->lpData);
        requests().push_back({*reinterpret_cast<const WORD *>(request + 2), *reinterpret_cast<const DWORD *>(request + 4),
                              reinterpret_cast<const char *>(request + *reinterpret_cast<const WORD *>(request + 12))});
        return TRUE;
    }
    HWND window_;
};

#endif
