// Labels and the label rule shared with arrow and toggle buttons.
#include "cvguiP.h"

#include <cstring>
#include <Xm/Label.h>

void cvguiApplyLabelRule(Widget w, const char *label)
{
    if (label == nullptr) {
        return;
    }
    unsigned char type = XmSTRING;
    XmString current = nullptr;
    Arg args[2];
    XtSetArg(args[0], XmNlabelType, &type);
    XtSetArg(args[1], XmNlabelString, &current);
    XtGetValues(w, args, 2);
    if (type != XmSTRING) {
        if (current != nullptr) {
            XmStringFree(current);
        }
        return;
    }
    char *text = nullptr;
    if (current != nullptr) {
        XmStringGetLtoR(current, const_cast<char *>(XmFONTLIST_DEFAULT_TAG), &text);
        XmStringFree(current);
    }
    // Motif falls back to the widget name only when no resource file supplied a label.
    if (text != nullptr && strcmp(text, XtName(w)) == 0) {
        XmString s = GetString(label);
        XtSetArg(args[0], XmNlabelString, s);
        XtSetValues(w, args, 1);
        XmStringFree(s);
    }
    XtFree(text);
}

static int labelCount, sTextCount;

extern "C" Widget AddLabel(Widget parent, const char *name, const char *label, int)
{
    GetNam(name, "label", &labelCount);
    Widget w = XmCreateLabel(parent, _nptr, widgetArgs, widgetArgCnt);
    widgetArgCnt = 0;
    cvguiApplyLabelRule(w, label);
    return cvguiFinish(w, true);
}

extern "C" Widget AddMLabel(Widget parent, const char *name, const char *label)
{
    Widget w = AddLabel(parent, name, label, 0);
    XtManageChild(w);
    return w;
}

extern "C" Widget AddSText(Widget parent, const char *name, const char *label)
{
    GetNam(name, "staticText", &sTextCount);
    CVGUI_STAGE(XmNalignment, XmALIGNMENT_BEGINNING);
    return AddLabel(parent, _nptr, label, 0);
}
