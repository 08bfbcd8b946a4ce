// Preparation of every shell the library creates.
#include "cvguiP.h"

#include "cv.h"
#include "cvutil.h"

#include <X11/Xmu/Editres.h>
#include <cstdio>
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
        printf("%s", _util_libsMsg(3, 88, "Warning: could not set X11 close-on-exec flag\n"));
    }
    shellSetUp = 1;
}
