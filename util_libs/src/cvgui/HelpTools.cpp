// On-item help: the user picks a widget, and the nearest widget with help answers.
#include "cvguiP.h"

#include <X11/cursorfont.h>

extern "C" void WlibOnItemHelp(Widget w)
{
    Cursor cursor = XCreateFontCursor(XtDisplay(w), XC_question_arrow);
    XEvent event;
    Widget picked = XmTrackingEvent(w, cursor, False, &event);

    for (Widget h = picked; h != nullptr; h = XtParent(h)) {
        if (XtHasCallbacks(h, XmNhelpCallback) == XtCallbackHasSome) {
            XmAnyCallbackStruct call{};
            call.reason = XmCR_HELP;
            call.event = nullptr;
            XtCallCallbacks(h, XmNhelpCallback, &call);
            return;
        }
    }

    const char *text = cvMsg(CVMSG_NO_CONTEXT_HELP);
    cvguiReportHelpTrouble(w, false, text);
}
