// The fatal report: a dialog the user reads, then the process ends with status 1.
#include "cvguiP.h"

#include "cv.h"

#include <Xm/MessageB.h>
#include <cstdarg>
#include <cstdio>
#include <cstdlib>

extern "C" {
int toldUser = 0;
int tellUserModal = 1;
}

namespace {
void (*savedExitProc)(int);
// Formatted texts longer than this are cut, never written past the buffer.
char fatalText[10240];

void exitApplication(Widget, XtPointer, XtPointer)
{
    if (savedExitProc != nullptr) {
        savedExitProc(1);
    }
    exit(1);
}
} // namespace

extern "C" void tellUserThenExit(void (*exitProc)(int), Widget shell, const char *format, ...)
{
    toldUser = 1;
    savedExitProc = exitProc;
    va_list args;
    va_start(args, format);
    vsnprintf(fatalText, sizeof fatalText, format, args);
    va_end(args);

    if (shell == nullptr || !XtIsSubclass(shell, vendorShellWidgetClass)) {
        fprintf(stderr, "%s\n", fatalText);
        exit(1);
    }

    widgetArgCnt = 0;
    XmString title = GetString(cvMsg(CVMSG_ERROR_EXIT));
    CVGUI_STAGE(XmNdialogTitle, title);
    if (tellUserModal) {
        CVGUI_STAGE(XmNdialogStyle, XmDIALOG_PRIMARY_APPLICATION_MODAL);
    }
    Widget dialog = AddError(shell, nullptr, fatalText, True);
    XmStringFree(title);

    XtAddCallback(dialog, XmNokCallback, exitApplication, nullptr);
    XmString close = GetString(cvMsg(CVMSG_CLOSE_APPLICATION));
    Arg arg;
    XtSetArg(arg, XmNlabelString, close);
    XtSetValues(XmMessageBoxGetChild(dialog, XmDIALOG_OK_BUTTON), &arg, 1);
    XmStringFree(close);
    // The button is the only way out.
    registerCloseDoNothing(XtParent(dialog));

    XtManageChild(dialog);
    XtAppContext context = XtWidgetToApplicationContext(shell);
    XtAppMainLoop(context);
    // A tool that set its loop's exit flag still must not get past a fatal report.
    for (;;) {
        XtAppProcessEvent(context, XtIMAll);
    }
}

extern "C" void x_internal_error_str(void (*exitProc)(int), Widget shell, const char *extra, const char *file,
                                     int line)
{
    if (extra == nullptr) {
        extra = "";
    }
    tellUserThenExit(exitProc, shell,
                     cvMsg(CVMSG_INTERNAL_ERROR),
                     _CVbasename(file), line, extra, *extra != '\0' ? "\n" : "");
}
