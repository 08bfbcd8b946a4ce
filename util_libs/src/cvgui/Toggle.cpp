// Toggle buttons.
#include "cvguiP.h"

#include <Xm/ToggleB.h>

static int toggleCount;

extern "C" Widget AddMTButton(Widget parent, const char *label, const char *name, Boolean set,
                              XtCallbackProc callback, XtPointer clientData)
{
    GetNam(name, "tbutton", &toggleCount);
    CVGUI_STAGE(XmNset, set);
    Widget w = XmCreateToggleButton(parent, _nptr, widgetArgs, widgetArgCnt);
    widgetArgCnt = 0;
    if (callback != nullptr) {
        XtAddCallback(w, XmNvalueChangedCallback, callback, clientData);
    }
    cvguiApplyLabelRule(w, label);
    XtManageChild(w);
    return cvguiFinish(w, true);
}

// Kept for callers that ask for a gadget: they get the same widget as AddMTButton.
extern "C" Widget AddMTButtonG(Widget parent, const char *label, const char *name, Boolean set,
                               XtCallbackProc callback, XtPointer clientData)
{
    return AddMTButton(parent, label, name, set, callback, clientData);
}
