// Text fields and the colour that marks them editable.
#include "cvguiP.h"

#include <Xm/Form.h>
#include <Xm/Label.h>
#include <Xm/Text.h>

namespace {
// Fixed by the first text field built, so every field of the tool agrees.
bool coloursKnown;
Pixel normalBackground;
Pixel editBackground;

int textCount, tEditCount, sEditCount, lTextCount, lsTextCount;

void setLook(Widget text, Pixel background, Boolean traversal)
{
    widgetArgCnt = 0;
    CVGUI_STAGE(XmNbackground, background);
    CVGUI_STAGE(XmNtraversalOn, traversal);
    XtSetValues(text, widgetArgs, widgetArgCnt);
    widgetArgCnt = 0;
}

Widget finishText(Widget text)
{
    cvguiFinish(text, true);
    InitBG(text);
    return text;
}
} // namespace

extern "C" void InitBG(Widget text)
{
    if (!coloursKnown) {
        Screen *screen = nullptr;
        Colormap colormap = 0;
        widgetArgCnt = 0;
        CVGUI_STAGE(XmNscreen, &screen);
        CVGUI_STAGE(XmNcolormap, &colormap);
        CVGUI_STAGE(XmNbackground, &normalBackground);
        XtGetValues(text, widgetArgs, widgetArgCnt);
        widgetArgCnt = 0;
        Pixel foreground, top, bottom;
        XmGetColors(screen, colormap, normalBackground, &foreground, &top, &bottom, &editBackground);
        coloursKnown = true;
    }
    if (XmTextGetEditable(text)) {
        XmTextSetEditable(text, False);
        SetTextRW(text);
    }
}

extern "C" void SetTextRW(Widget text)
{
    if (XmTextGetEditable(text)) {
        return;
    }
    XmTextSetEditable(text, True);
    setLook(text, editBackground, True);
}

extern "C" void SetTextRO(Widget text)
{
    if (!XmTextGetEditable(text)) {
        return;
    }
    XmTextSetEditable(text, False);
    setLook(text, normalBackground, False);
}

extern "C" void setEditable(Widget text, Boolean editable)
{
    if (editable) {
        SetTextRW(text);
    } else {
        SetTextRO(text);
    }
}

extern "C" Widget AddText(Widget parent, const char *name)
{
    GetNam(name, "text", &textCount);
    return finishText(XmCreateText(parent, _nptr, widgetArgs, widgetArgCnt));
}

extern "C" Widget AddTEdit(Widget parent, const char *name)
{
    GetNam(name, "textEdit", &tEditCount);
    return finishText(XmCreateText(parent, _nptr, widgetArgs, widgetArgCnt));
}

extern "C" Widget AddSEdit(Widget parent, const char *name)
{
    GetNam(name, "scrolledEdit", &sEditCount);
    CVGUI_STAGE(XmNscrollBarDisplayPolicy, XmAS_NEEDED);
    CVGUI_STAGE(XmNscrollingPolicy, XmAUTOMATIC);
    CVGUI_STAGE(XmNeditMode, XmMULTI_LINE_EDIT);
    return finishText(XmCreateScrolledText(parent, _nptr, widgetArgs, widgetArgCnt));
}

namespace {
// A label "title" over a text "text" in a form named by the caller.
Widget labelledText(Widget parent, const char *name, const char *defaultName, int *counter, const char *label,
                    Widget (*makeText)(Widget, const char *))
{
    GetNam(name, defaultName, counter);
    Widget form = AddMotifForm(parent, _nptr);

    CVGUI_STAGE(XmNtopAttachment, XmATTACH_FORM);
    CVGUI_STAGE(XmNbottomAttachment, XmATTACH_NONE);
    CVGUI_STAGE(XmNleftAttachment, XmATTACH_FORM);
    CVGUI_STAGE(XmNrightAttachment, XmATTACH_FORM);
    CVGUI_STAGE(XmNalignment, XmALIGNMENT_BEGINNING);
    CVGUI_STAGE(XmNmarginTop, 8);
    Widget title = AddLabel(form, "title", label, 0);

    CVGUI_STAGE(XmNtopAttachment, XmATTACH_WIDGET);
    CVGUI_STAGE(XmNbottomAttachment, XmATTACH_FORM);
    CVGUI_STAGE(XmNleftAttachment, XmATTACH_FORM);
    CVGUI_STAGE(XmNrightAttachment, XmATTACH_FORM);
    CVGUI_STAGE(XmNtopWidget, title);
    CVGUI_STAGE(XmNbottomWidget, nullptr);
    CVGUI_STAGE(XmNleftWidget, nullptr);
    CVGUI_STAGE(XmNrightWidget, nullptr);
    Widget text = makeText(form, "text");

    // The scrolled text is managed through its scrolled window, the form's child.
    Widget children[2] = {title, XtParent(text) == form ? text : XtParent(text)};
    XtManageChildren(children, 2);
    if (children[1] != text) {
        XtManageChild(text);
    }
    XtManageChild(form);
    return text;
}
} // namespace

extern "C" Widget AddLText(Widget parent, const char *name, const char *label)
{
    return labelledText(parent, name, "labeledText", &lTextCount, label, AddTEdit);
}

extern "C" Widget AddLSText(Widget parent, const char *name, const char *label)
{
    return labelledText(parent, name, "labeledScrolledText", &lsTextCount, label, AddSEdit);
}
