// The busy cursor over 100 shells and closest-colour allocation on a full 8-bit colormap, each
// against what plain Xlib does for the same result; sorted insertion into an XmList against a
// linear scan for the place; the kept constant-width font against finding it anew. Each pair is
// measured in the same run. Needs a display with an 8-bit screen 1: run it with scripts/bench.sh.
#include <benchmark/benchmark.h>

#include "cvguiP.h"

#include <X11/Shell.h>
#include <Xm/Form.h>
#include <Xm/List.h>
#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <map>
#include <random>
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

// Node names in no order, as a poll brings them in.
const std::vector<std::string> &nodeNames()
{
    static std::vector<std::string> names = [] {
        std::vector<std::string> v;
        for (int i = 0; i < 5000; i++) {
            char name[32];
            snprintf(name, sizeof name, "node%05d.lab", i * 7919 % 100000);
            v.push_back(name);
        }
        std::shuffle(v.begin(), v.end(), std::mt19937(11));
        return v;
    }();
    return names;
}

Widget newList()
{
    static Widget form = XmCreateForm(toplevel, const_cast<char *>("lists"), nullptr, 0);
    return XmCreateList(form, const_cast<char *>("list"), nullptr, 0);
}

void BM_CVxmListAddItemSorted(benchmark::State &state)
{
    int n = static_cast<int>(state.range(0));
    for (auto _ : state) {
        Widget list = newList();
        for (int i = 0; i < n; i++) {
            addItemSorted(list, nullptr, const_cast<char *>(nodeNames()[i].c_str()), strcmp);
        }
        state.PauseTiming();
        XtDestroyWidget(list);
        state.ResumeTiming();
    }
    state.SetLabel(std::to_string(n) + " items");
}

// The same list built by scanning the items from the top for the first one that sorts after the
// new text.
void BM_linearScanInsert(benchmark::State &state)
{
    int n = static_cast<int>(state.range(0));
    for (auto _ : state) {
        Widget list = newList();
        for (int i = 0; i < n; i++) {
            const char *text = nodeNames()[i].c_str();
            XmString *items = nullptr;
            int count = 0;
            XtVaGetValues(list, XmNitems, &items, XmNitemCount, &count, nullptr);
            int position = 0;
            for (int k = 0; k < count && position == 0; k++) {
                char *existing = nullptr;
                XmStringGetLtoR(items[k], const_cast<char *>(XmFONTLIST_DEFAULT_TAG), &existing);
                if (strcmp(existing, text) > 0) {
                    position = k + 1;
                }
                XtFree(existing);
            }
            XmString item = XmStringCreate(const_cast<char *>(text), const_cast<char *>(XmFONTLIST_DEFAULT_TAG));
            XmListAddItemUnselected(list, item, position);
            XmStringFree(item);
        }
        state.PauseTiming();
        XtDestroyWidget(list);
        state.ResumeTiming();
    }
    state.SetLabel(std::to_string(n) + " items");
}

// Measured once, in main: the first lookup finds and checks the font on the server.
double firstFontLookupUs;

void BM_getCWFontKept(benchmark::State &state)
{
    for (auto _ : state) {
        for (int i = 0; i < 1000; i++) {
            benchmark::DoNotOptimize(getCWFont(toplevel));
        }
    }
    state.SetLabel("1000 lookups of the kept font list");
}

// What each lookup would cost without the cache: the font set made on the server and wrapped
// in a font list, every time.
void BM_fontLookupAnew(benchmark::State &state)
{
    Display *d = XtDisplay(toplevel);
    for (auto _ : state) {
        char **missing = nullptr;
        int missingCount = 0;
        char *defaultString = nullptr;
        XFontSet set = XCreateFontSet(d, "-misc-fixed-medium-r-semicondensed--13-120-75-75-c-60-*-*", &missing,
                                      &missingCount, &defaultString);
        XFreeStringList(missing);
        XmFontListEntry entry = XmFontListEntryCreate(const_cast<char *>(XmSTRING_DEFAULT_CHARSET), XmFONT_IS_FONTSET, set);
        XmFontList list = XmFontListAppendEntry(nullptr, entry);
        XmFontListEntryFree(&entry);
        XmFontListFree(list);
        XFreeFontSet(d, set);
    }
    state.SetLabel("one lookup without the cache");
}

BENCHMARK(BM_CVxmListAddItemSorted)->Arg(500)->Arg(1000)->Arg(2000)->Arg(5000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_linearScanInsert)->Arg(500)->Arg(1000)->Arg(2000)->Arg(5000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_getCWFontKept)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_fontLookupAnew)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_setCursorForWaiting)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_plainXlibCursor)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_allocClosestColor)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_plainXlibNearest)->Unit(benchmark::kMicrosecond);

// Keeps each benchmark's time per iteration for the ratios printed at the end.
class RatioReporter : public benchmark::ConsoleReporter {
public:
    RatioReporter() : ConsoleReporter(OO_Tabular) {}
    std::map<std::string, double> perIteration, cpuPerIteration;
    void ReportRuns(const std::vector<Run> &runs) override
    {
        for (const Run &r : runs) {
            perIteration[r.benchmark_name()] = r.GetAdjustedRealTime();
            cpuPerIteration[r.benchmark_name()] = r.GetAdjustedCPUTime();
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
    auto start = std::chrono::steady_clock::now();
    XmFontList cw = getCWFont(toplevel);
    firstFontLookupUs = std::chrono::duration<double, std::micro>(std::chrono::steady_clock::now() - start).count();
    if (cw == nullptr) {
        fprintf(stderr, "no constant-width font\n");
        return 1;
    }
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
    // The list is never shown, so insertion is the process's own work: its CPU time is compared,
    // which other work on the machine does not inflate.
    for (const char *n : {"/500", "/1000", "/2000", "/5000"}) {
        std::string sorted = std::string("BM_CVxmListAddItemSorted") + n, linear = std::string("BM_linearScanInsert") + n;
        auto a = reporter.cpuPerIteration.find(sorted), b = reporter.cpuPerIteration.find(linear);
        if (a != reporter.cpuPerIteration.end() && b != reporter.cpuPerIteration.end() && a->second > 0) {
            printf("sorted insertion of %4s items: %8.2f ms CPU, linear scan %9.2f ms CPU: %6.1f x faster\n", n + 1,
                   a->second, b->second, b->second / a->second);
        }
    }
    auto kept = reporter.perIteration.find("BM_getCWFontKept"), anew = reporter.perIteration.find("BM_fontLookupAnew");
    if (kept != reporter.perIteration.end() && kept->second > 0) {
        printf("first constant-width font lookup %.1f us; 1000 kept lookups %.2f us: %.0f x faster\n", firstFontLookupUs,
               kept->second, firstFontLookupUs / kept->second);
        if (anew != reporter.perIteration.end()) {
            printf("one lookup made anew %.1f us; one kept lookup %.4f us: %.0f x\n", anew->second, kept->second / 1000,
                   anew->second / (kept->second / 1000));
        }
    }
    return 0;
}
