// Arrow buttons.
#include "cvguiP.h"

#include <Xm/ArrowB.h>

static int arrowCount;

extern "C" Widget AddAButton(Widget parent, const char *label, const char *name,
                             XtCallbackProc callback, XtPointer clientData)
{
    GetNam(name, "arrowButton", &arrowCount);
    Widget w = XmCreateArrowButton(parent, _nptr, widgetArgs, widgetArgCnt);
    widgetArgCnt = 0;
    if (callback != nullptr) {
        XtAddCallback(w, XmNactivateCallback, callback, clientData);
    }
    cvguiApplyLabelRule(w, label);
    return w;
}

extern "C" Widget AddMAButton(Widget parent, const char *label, const char *name,
                              XtCallbackProc callback, XtPointer clientData)
{
    Widget w = AddAButton(parent, label, name, callback, clientData);
    XtManageChild(w);
    return w;
}
