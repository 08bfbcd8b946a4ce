// The Motif MIB browser's main window, made by the tool and by its tests.
#ifndef MIBBROWSER_BROWSER_H
#define MIBBROWSER_BROWSER_H

#include <X11/Intrinsic.h>

struct Browser {
    Widget form = nullptr;        // the main window's form, child of the top-level shell
    Widget selector = nullptr;    // the MIB selector's panel
    Widget description = nullptr; // the description pane
    Widget status = nullptr;      // the status line
    Widget menuBar = nullptr;
    // Menu entries (their widget names are their labels, which the catalogue translates).
    Widget openEntry = nullptr, saveEntry = nullptr, quitEntry = nullptr;
    Widget symbolicEntry = nullptr, numericEntry = nullptr;
};

// Builds the main window under shell (the tool's top-level shell): menu bar, selector,
// description and status line. quit is called by File > Quit and the window manager's close.
Browser &buildBrowser(Widget shell, XtCallbackProc quit);

#endif
