// What the native benchmarks share: a clock, medians, a dialog with a list, and the report.
#ifndef CVGUI_BENCH_SUPPORT_H
#define CVGUI_BENCH_SUPPORT_H

#include "kelwlib.h"

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

inline double nowSeconds()
{
    static LARGE_INTEGER frequency = [] {
        LARGE_INTEGER f;
        QueryPerformanceFrequency(&f);
        return f;
    }();
    LARGE_INTEGER t;
    QueryPerformanceCounter(&t);
    return static_cast<double>(t.QuadPart) / static_cast<double>(frequency.QuadPart);
}

// The median of runs of f, in seconds.
template <class F> double medianSeconds(int runs, F f)
{
    std::vector<double> times;
    for (int i = 0; i < runs; i++) {
        double start = nowSeconds();
        f();
        times.push_back(nowSeconds() - start);
    }
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

inline void pumpMessages()
{
    MSG m;
    while (PeekMessageA(&m, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&m);
        DispatchMessageA(&m);
    }
}

// A dialog with one list box, made from an in-memory template; shown, or hidden to measure the
// library without the display's drawing.
class ListDialog : public CDialog {
public:
    explicit ListDialog(DWORD listStyle, bool visible = true)
    {
        struct {
            DLGTEMPLATE dialog;
            WORD menu, windowClass, title;
            DLGITEMTEMPLATE item;
            WORD classMarker, classAtom, text, extra;
        } t = {};
        t.dialog.style = WS_POPUP | WS_CAPTION | (visible ? WS_VISIBLE : 0);
        t.dialog.cdit = 1;
        t.dialog.cx = 200, t.dialog.cy = 160;
        t.item.style = WS_CHILD | WS_VISIBLE | WS_BORDER | WS_VSCROLL | LBS_NOINTEGRALHEIGHT | listStyle;
        t.item.x = 5, t.item.y = 5, t.item.cx = 190, t.item.cy = 150;
        t.item.id = 100;
        t.classMarker = 0xFFFF, t.classAtom = 0x0083; // the list box class
        CreateIndirect(&t.dialog);
        list.widget.init(this, 100);
        pumpMessages();
    }
    HWND listHandle() { return ::GetDlgItem(m_hWnd, 100); }
    KelListWidget list;
};

inline void report(const char *name, double value, const char *unit)
{
    printf("  %-58s %12.3f %s\n", name, value, unit);
}

inline void reportRatio(const char *name, double ratio, double target = 0)
{
    if (target > 0) {
        printf("  %-58s %12.1f x  (target >= %.0f x: %s)\n", name, ratio, target, ratio >= target ? "met" : "NOT MET");
    } else {
        printf("  %-58s %12.1f x\n", name, ratio);
    }
}

#endif
