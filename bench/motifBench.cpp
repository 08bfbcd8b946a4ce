// The busy cursor over 100 shells and closest-colour allocation on a full 8-bit colormap, each
// against what plain Xlib does for the same result, measured in the same run. Needs a display
// with an 8-bit screen 1: run it with scripts/bench.sh.
#include <benchmark/benchmark.h>

#include "cvgui.h"

#include <X11/Shell.h>
#include <Xm/Form.h>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <string>
#include <vector>

namespace {

constexpr int shellCount = 100;

XtAppContext context;
std::vector<Widget> shells;
Cursor plainBusyCursor;

void pump()
{
    XSync(XtDisplay(toplevel), False);
    while (XtAppPending(context) != 0) {
        XtAppProcessEvent(context, XtIMAll);
    }
}

// 100 small realized top-level windows, as a tool with many open dialogs has.
void openShells()
{
    static char name[] = "cvbench";
    static char *argv[] = {name, nullptr};
    int argc = 1;
    toplevel = XtAppInitialize(&context, "CVbench", nullptr, 0, &argc, argv, nullptr, nullptr, 0);
    for (int i = 0; i < shellCount; i++) {
        Widget shell = XtCreatePopupShell("window", topLevelShellWidgetClass, toplevel, nullptr, 0);
        Widget form = XmCreateForm(shell, const_cast<char *>("form"), nullptr, 0);
        XtVaSetValues(form, XmNwidth, 60, XmNheight, 40, nullptr);
        XtManageChild(form);
        XtVaSetValues(shell, XmNx, (i % 16) * 70, XmNy, (i / 16) * 60, nullptr);
        XtPopup(shell, XtGrabNone);
        shells.push_back(shell);
    }
    pump();
    plainBusyCursor = XCreateFontCursor(XtDisplay(toplevel), 150 /* XC_watch */);
}

void BM_setCursorForWaiting(benchmark::State &state)
{
    for (Widget s : shells) {
        addWindowToBusyList(s);
    }
    for (auto _ : state) {
        setCursorForWaiting(True);
        setCursorForWaiting(False);
    }
    for (Widget s : shells) {
        removeWindowFromBusyList(s);
    }
    state.SetLabel("100 shells, busy and back");
}

// The same result with Xlib alone: define and undefine the cursor on each window and wait for the
// server, once per change.
void BM_plainXlibCursor(benchmark::State &state)
{
    Display *d = XtDisplay(toplevel);
    for (auto _ : state) {
        for (Widget s : shells) {
            XDefineCursor(d, XtWindow(s), plainBusyCursor);
        }
        XSync(d, False);
        for (Widget s : shells) {
            XUndefineCursor(d, XtWindow(s));
        }
        XSync(d, False);
    }
    state.SetLabel("100 windows, busy and back");
}

Display *eightBit;
Colormap eightBitMap;
std::vector<unsigned long> filled;

// Every cell of the 8-bit colormap taken by read-only colours.
void fillColormap()
{
    std::string name = getenv("DISPLAY") != nullptr ? getenv("DISPLAY") : ":0";
    size_t dot = name.rfind('.');
    if (dot != std::string::npos && dot > name.rfind(':')) {
        name.resize(dot);
    }
    eightBit = XOpenDisplay((name + ".1").c_str());
    if (eightBit == nullptr || DefaultDepth(eightBit, DefaultScreen(eightBit)) != 8) {
        fprintf(stderr, "no 8-bit screen 1 on %s\n", name.c_str());
        exit(1);
    }
    eightBitMap = DefaultColormap(eightBit, DefaultScreen(eightBit));
    for (int i = 0; i < 4096 && numFreeColorCells(eightBit) > 0; i++) {
        XColor c{};
        c.red = static_cast<unsigned short>((i * 97) % 65536);
        c.green = static_cast<unsigned short>((i * 389) % 65536);
        c.blue = static_cast<unsigned short>((i * 1543) % 65536);
        if (XAllocColor(eightBit, eightBitMap, &c) != 0) {
            filled.push_back(c.pixel);
        }
    }
}

XColor requested(int i)
{
    XColor c{};
    c.red = static_cast<unsigned short>((i * 7919) % 65536);
    c.green = static_cast<unsigned short>((i * 104729) % 65536);
    c.blue = static_cast<unsigned short>((i * 1299709) % 65536);
    c.flags = DoRed | DoGreen | DoBlue;
    return c;
}

void BM_allocClosestColor(benchmark::State &state)
{
    int i = 0;
    for (auto _ : state) {
        XColor c = requested(i++);
        if (allocClosestColor(eightBit, eightBitMap, &c, 0xFFFFFFFE) == 0) {
            state.SkipWithError("allocation failed");
            break;
        }
        XFreeColors(eightBit, eightBitMap, &c.pixel, 1, 0);
    }
    state.SetLabel("full 256-cell colormap");
}

// The plain Xlib way to the nearest existing colour: read the colormap, search, share the cell.
void BM_plainXlibNearest(benchmark::State &state)
{
    std::vector<XColor> cells(256);
    int i = 0;
    for (auto _ : state) {
        for (int p = 0; p < 256; p++) {
            cells[p].pixel = static_cast<unsigned long>(p);
        }
        XQueryColors(eightBit, eightBitMap, cells.data(), 256);
        XColor want = requested(i++);
        double best = 1e18;
        XColor chosen{};
        for (const XColor &c : cells) {
            double dr = double(c.red) - want.red, dg = double(c.green) - want.green, db = double(c.blue) - want.blue;
            double dist = dr * dr + dg * dg + db * db;
            if (dist < best) {
                best = dist;
                chosen = c;
            }
        }
        if (XAllocColor(eightBit, eightBitMap, &chosen) == 0) {
            state.SkipWithError("allocation failed");
            break;
        }
        XFreeColors(eightBit, eightBitMap, &chosen.pixel, 1, 0);
    }
    state.SetLabel("full 256-cell colormap");
}

BENCHMARK(BM_setCursorForWaiting)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_plainXlibCursor)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_allocClosestColor)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_plainXlibNearest)->Unit(benchmark::kMicrosecond);

// Keeps each benchmark's time per iteration for the ratios printed at the end.
class RatioReporter : public benchmark::ConsoleReporter {
public:
    RatioReporter() : ConsoleReporter(OO_Tabular) {}
    std::map<std::string, double> perIteration;
    void ReportRuns(const std::vector<Run> &runs) override
    {
        for (const Run &r : runs) {
            perIteration[r.benchmark_name()] = r.GetAdjustedRealTime();
        }
        ConsoleReporter::ReportRuns(runs);
    }
};

} // namespace

int main(int argc, char **argv)
{
    benchmark::Initialize(&argc, argv);
    openShells();
    fillColormap();
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    auto ratio = [&](const char *lib, const char *base) {
        auto a = reporter.perIteration.find(lib), b = reporter.perIteration.find(base);
        if (a != reporter.perIteration.end() && b != reporter.perIteration.end() && b->second > 0) {
            printf("%-24s %8.1f us  = %5.2f x %s (%.1f us)\n", lib, a->second, a->second / b->second, base,
                   b->second);
        }
    };
    printf("\n");
    ratio("BM_setCursorForWaiting", "BM_plainXlibCursor");
    ratio("BM_allocClosestColor", "BM_plainXlibNearest");
    return 0;
}
