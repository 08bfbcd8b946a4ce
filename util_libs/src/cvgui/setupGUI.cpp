// Start-up of a Motif tool and the preparation of every shell the library creates.
#include "cvguiP.h"

#include "cv.h"
#include "cvutil.h"

#include <X11/Xmu/Editres.h>
#include <X11/Shell.h>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>

static int shellSetUp;

extern "C" void setupGUIShell(Widget w)
{
    while (w != nullptr && !XtIsShell(w)) {
        w = XtParent(w);
    }
    if (w == nullptr) {
        return;
    }
    // Lets editres inspect and edit the tool's widget tree.
    XtAddEventHandler(w, 0, True, _XEditResCheckMessages, nullptr);
    if (shellSetUp) {
        return;
    }
    _CVinitLocales(_CVgetProgname(1), 1);
    // Tools started from this one must not inherit the X connection.
    if (fcntl(ConnectionNumber(XtDisplay(w)), F_SETFD, 1) != 0) {
        printf("%s", cvMsg(CVMSG_CLOSE_ON_EXEC_FAILED));
    }
    shellSetUp = 1;
}

extern "C" const char *_CVsetupGUIExecutable(int argc, char **argv)
{
    const char *program = _CVsetupExecutable(argc, argv);
    // Displays opened after this use the user's locale.
    XtSetLanguageProc(nullptr, nullptr, nullptr);
    if (!XSupportsLocale()) {
        fprintf(stderr, "%s: X does not support locale.\n", program);
        exit(1);
    }
    if (XSetLocaleModifiers("") == nullptr) {
        fprintf(stderr, "%s: Warning: cannot set locale modifiers.\n", program);
        exit(1);
    }
    _CVinitLocales(program, 1);
    SetWidgetHelpCallback(cvwContextSensitiveHelpCB);
    return program;
}

extern "C" void initIcon(Widget shell, unsigned int width, unsigned int height, char *bits, char *iconName)
{
    Display *display = XtDisplay(shell);
    Pixmap icon = XCreateBitmapFromData(display, DefaultRootWindow(display), bits, width, height);
    widgetArgCnt = 0;
    CVGUI_STAGE(XmNiconPixmap, icon);
    CVGUI_STAGE(XmNiconName, iconName);
    XtSetValues(shell, widgetArgs, 2);
    widgetArgCnt = 0;
}

extern "C" void setSensitive(Widget w, Boolean sensitive)
{
    if (w != nullptr && XtIsSensitive(w) != sensitive) {
        XtSetSensitive(w, sensitive);
    }
}

extern "C" void mapRaiseWindow(Widget w)
{
    XMapWindow(XtDisplay(w), XtWindow(w));
    XRaiseWindow(XtDisplay(w), XtWindow(w));
}
