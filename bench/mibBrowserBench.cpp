// The Motif MIB selector's start: from loading the database to the first drawn tree, on the
// standard MIB and on generated MIBs of 25,000, 50,000 and 100,000 nodes, against a window with
// a plain list of 20 items drawn in the same run. The tree makes items only as nodes are opened,
// so its start should cost the database load and a few dozen items whatever the MIB's size.
#include "cvMibSel.h"
#include "generatedMib.h"

#include <X11/Shell.h>
#include <Xm/List.h>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <unistd.h>

namespace {

XtAppContext app;
Display *display;

double now()
{
    return std::chrono::duration<double>(std::chrono::steady_clock::now().time_since_epoch()).count();
}

// The generated MIB of `nodes` nodes, in a file of this process's own.
std::string generated(size_t nodes)
{
    return writeGeneratedMib(nodes, "/tmp/cvgui-bench-browser-" + std::to_string(nodes) + "-" + std::to_string(getpid()) + ".db");
}

bool drawn;

void exposed(Widget, XtPointer, XEvent *event, Boolean *)
{
    if (event->type == Expose && event->xexpose.count == 0) {
        drawn = true;
    }
}

// Shows a new top-level window whose contents make() builds, and returns the seconds until
// the watched widget has drawn and nothing more waits.
template <typename Make>
double timeWindow(Make make)
{
    double start = now();
    Widget shell = XtVaAppCreateShell("bench", "Bench", topLevelShellWidgetClass, display, XmNwidth, 500, XmNheight,
                                      600, nullptr);
    Widget watched = make(shell);
    drawn = false;
    XtAddEventHandler(watched, ExposureMask, False, exposed, nullptr);
    XtRealizeWidget(shell);
    while (!drawn || XtAppPending(app) != 0) {
        XtAppProcessEvent(app, XtIMAll);
        if (drawn) {
            XSync(display, False);
        }
    }
    double seconds = now() - start;
    XtDestroyWidget(shell);
    while (XtAppPending(app) != 0) {
        XtAppProcessEvent(app, XtIMAll);
    }
    return seconds;
}

double plainList()
{
    return timeWindow([](Widget shell) {
        auto items = reinterpret_cast<XmStringTable>(XtMalloc(20 * sizeof(XmString)));
        for (int i = 0; i < 20; i++) {
            items[i] = XmStringCreateLocalized(const_cast<char *>(("item " + std::to_string(i)).c_str()));
        }
        Widget list = XmCreateScrolledList(shell, const_cast<char *>("list"), nullptr, 0);
        XtVaSetValues(list, XmNitems, items, XmNitemCount, 20, XmNvisibleItemCount, 20, nullptr);
        for (int i = 0; i < 20; i++) {
            XmStringFree(items[i]);
        }
        XtFree(reinterpret_cast<char *>(items));
        XtManageChild(list);
        return list;
    });
}

// The selector's start on a database file: its load (the file is new to the library each
// time, so it is read again) and the first drawn tree.
double selector(const std::string &file, size_t *nodes)
{
    setenv("CVMIBFILE", file.c_str(), 1);
    double seconds = timeWindow([](Widget shell) {
        Widget panel = msCreateMibSelector(shell, "selector", MS_MULTIPLE_SELECT, nullptr, nullptr, nullptr);
        XtManageChild(panel);
        return XtNameToWidget(panel, "*mibTree");
    });
    *nodes = nodeCount();
    return seconds;
}

// Opening the generated MIB's widest node (one item per table, about 1,000) in a shown
// selector, to its drawn items.
double openWide(const std::string &file)
{
    setenv("CVMIBFILE", file.c_str(), 1);
    double seconds = 0;
    timeWindow([&](Widget shell) {
        Widget panel = msCreateMibSelector(shell, "selector", MS_MULTIPLE_SELECT, nullptr, nullptr, nullptr);
        XtManageChild(panel);
        return XtNameToWidget(panel, "*mibTree");
    });
    // timeWindow destroyed its window: show a new one and time the opening alone.
    Widget shell = XtVaAppCreateShell("bench", "Bench", topLevelShellWidgetClass, display, XmNwidth, 500, XmNheight,
                                      600, nullptr);
    Widget panel = msCreateMibSelector(shell, "selector", MS_MULTIPLE_SELECT, nullptr, nullptr, nullptr);
    XtManageChild(panel);
    XtRealizeWidget(shell);
    while (XtAppPending(app) != 0) {
        XtAppProcessEvent(app, XtIMAll);
    }
    XSync(display, False);
    double start = now();
    msSetObjectName(".iso.org.dod.internet.private.enterprises.benchMIB");
    XSync(display, False);
    while (XtAppPending(app) != 0) {
        XtAppProcessEvent(app, XtIMAll);
        XSync(display, False);
    }
    seconds = now() - start;
    XtDestroyWidget(shell);
    while (XtAppPending(app) != 0) {
        XtAppProcessEvent(app, XtIMAll);
    }
    return seconds;
}

} // namespace

int main(int argc, char **argv)
{
    XtSetLanguageProc(nullptr, nullptr, nullptr);
    toplevel = XtAppInitialize(&app, "Bench", nullptr, 0, &argc, argv, nullptr, nullptr, 0);
    display = XtDisplay(toplevel);
    const char *standard = getenv("CVGUI_STANDARD_MIBDB");
    if (standard == nullptr) {
        fprintf(stderr, "bench: CVGUI_STANDARD_MIBDB names no database\n");
        return 1;
    }
    struct Case {
        const char *what;
        std::string file;
        double best = 1e30;
        size_t nodes = 0;
    };
    Case cases[] = {{"standard MIB", standard}, {"25,000 nodes", generated(25000)}, {"50,000 nodes", generated(50000)},
                    {"100,000 nodes", generated(100000)}};
    double baseline = 1e30;
    // Best of five, interleaved: other work on the machine only ever adds.
    for (int run = 0; run < 5; run++) {
        baseline = std::min(baseline, plainList());
        for (Case &c : cases) {
            c.best = std::min(c.best, selector(c.file, &c.nodes));
        }
    }
    printf("MIB selector start to the first drawn tree (best of 5)\n");
    printf("  baseline: a window with a list of 20 items drawn: %.1f ms\n", baseline * 1e3);
    for (const Case &c : cases) {
        printf("  %-14s %7zu nodes  %7.1f ms  %5.1f x baseline  %.2f us per node\n", c.what, c.nodes, c.best * 1e3,
               c.best / baseline, c.best * 1e6 / static_cast<double>(c.nodes));
    }
    double wide = 1e30;
    for (int run = 0; run < 3; run++) {
        wide = std::min(wide, openWide(cases[3].file));
    }
    printf("  opening a node of 1,031 children in the 100,000-node MIB: %.1f ms (best of 3)\n", wide * 1e3);
    const Case &small = cases[1], &large = cases[3];
    printf("  100,000 against 25,000 nodes: %.2f x the time for %.2f x the nodes\n", large.best / small.best,
           static_cast<double>(large.nodes) / static_cast<double>(small.nodes));
    for (size_t i = 1; i < sizeof cases / sizeof cases[0]; i++) {
        unlink(cases[i].file.c_str());
    }
    return 0;
}
