// mibbrowser: the suite's MIB browser.
//
//   mibbrowser [--mib FILE] [--ready] [Xt options]
//
// --mib names the MIB database (default: $CVMIBFILE, else the one installed with the library);
// --ready prints "mibbrowser: ready" once the window with its tree is on the screen.
#include "browser.h"

#include "cvMsgIds.h"
#include "cvgui.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

XtAppContext app;
bool printReady;

void quit(Widget, XtPointer, XtPointer)
{
    XtAppSetExitFlag(app);
}

// Ready once the server has answered everything asked so far and no event waits: by then the
// whole window has painted.
Boolean announceWhenIdle(XtPointer display)
{
    XSync(static_cast<Display *>(display), False);
    if (XtAppPending(app) != 0) {
        return False;
    }
    printf("mibbrowser: ready\n");
    fflush(stdout);
    return True;
}

void exposed(Widget w, XtPointer, XEvent *event, Boolean *)
{
    if (printReady && event->type == Expose && event->xexpose.count == 0) {
        printReady = false;
        XtAppAddWorkProc(app, announceWhenIdle, XtDisplay(w));
    }
}

} // namespace

int main(int argc, char **argv)
{
    int kept = 1;
    for (int i = 1; i < argc; i++) {
        if (strcmp(argv[i], "--ready") == 0) {
            printReady = true;
        } else if (strcmp(argv[i], "--mib") == 0 && i + 1 < argc) {
            setenv("CVMIBFILE", argv[++i], 1);
        } else {
            argv[kept++] = argv[i];
        }
    }
    argc = kept;
    argv[argc] = nullptr;
    _CVsetupGUIExecutable(argc, argv);
    // The tool's app-defaults file (tools/app-defaults/CVmibbrowser), for when Xt does not find
    // it; a user's resources still override it.
    static String fallback[] = {
        const_cast<char *>("CVmibbrowser*renderTable: rt"),
        const_cast<char *>("CVmibbrowser*rt.fontType: FONT_IS_XFT"),
        const_cast<char *>("CVmibbrowser*rt.fontName: DejaVu Sans"),
        const_cast<char *>("CVmibbrowser*rt.fontSize: 9"),
        const_cast<char *>("CVmibbrowser*descriptionText.renderTable: mono"),
        const_cast<char *>("CVmibbrowser*mono.fontType: FONT_IS_XFT"),
        const_cast<char *>("CVmibbrowser*mono.fontName: DejaVu Sans Mono"),
        const_cast<char *>("CVmibbrowser*mono.fontSize: 9"),
        const_cast<char *>("CVmibbrowser*defaultMibObject: .iso.org.dod.internet.mgmt.mib-2.system"),
        const_cast<char *>("CVmibbrowser*mibSelListSize: 18"),
        const_cast<char *>("CVmibbrowser*descrRows: 14"),
        const_cast<char *>("CVmibbrowser*descrColumns: 44"),
        nullptr,
    };
    toplevel = XtAppInitialize(&app, "CVmibbrowser", nullptr, 0, &argc, argv, fallback, nullptr, 0);
    XtVaSetValues(toplevel, XmNtitle, cvMsg(CVMSG_MB_TITLE), nullptr);
    setupGUIShell(toplevel);
    registerCloseCB(toplevel, quit, nullptr);

    Browser &b = buildBrowser(toplevel, quit);
    // Ready means the tree has drawn.
    XtAddEventHandler(XtNameToWidget(b.selector, "*mibTree"), ExposureMask, False, exposed, nullptr);
    XtRealizeWidget(toplevel);
    addWindowToBusyList(toplevel);
    XtAppMainLoop(app);
    return 0;
}
