// One-line edit fields, alone or beside their labels.
#include "cvguiP.h"

#include <Xm/Form.h>
#include <Xm/Label.h>
#include <Xm/PanedW.h>
#include <Xm/Text.h>

extern "C" Widget addMEdit(Widget parent, const char *value, int columns, int maxLength)
{
    if (value != nullptr) {
        CVGUI_STAGE(XmNvalue, value);
    }
    CVGUI_STAGE(XmNeditMode, XmSINGLE_LINE_EDIT);
    // Created read-only so that setEditable gives it the edit look.
    CVGUI_STAGE(XmNeditable, False);
    if (columns > 0) {
        CVGUI_STAGE(XmNcolumns, columns);
    }
    if (maxLength > 0) {
        CVGUI_STAGE(XmNmaxLength, maxLength);
    }
    Widget text = AddTEdit(parent, "mEditText");
    XtManageChild(text);
    setEditable(text, True);
    return text;
}

extern "C" Widget addLabeledEdit(Widget parent, const char *label, const char *value, int columns, int maxLength)
{
    CVGUI_STAGE(XmNalignment, XmALIGNMENT_BEGINNING);
    AddMLabel(parent, "labelELabel", label);
    // In a paned window the field keeps its height when the window is resized.
    CVGUI_STAGE(XmNskipAdjust, True);
    return addMEdit(parent, value, columns, maxLength);
}

namespace {
Widget rowLabel(Widget form, const char *name, const char *label, Widget leftOf)
{
    CVGUI_STAGE(XmNalignment, XmALIGNMENT_CENTER);
    CVGUI_STAGE(XmNtopAttachment, XmATTACH_FORM);
    CVGUI_STAGE(XmNbottomAttachment, XmATTACH_FORM);
    if (leftOf == nullptr) {
        CVGUI_STAGE(XmNleftAttachment, XmATTACH_FORM);
    } else {
        CVGUI_STAGE(XmNleftAttachment, XmATTACH_WIDGET);
        CVGUI_STAGE(XmNleftWidget, leftOf);
    }
    return AddMLabel(form, name, label);
}

Widget rowField(Widget form, Widget leftOf, const char *value, int columns, bool stretch)
{
    CVGUI_STAGE(XmNleftAttachment, XmATTACH_WIDGET);
    CVGUI_STAGE(XmNleftWidget, leftOf);
    CVGUI_STAGE(XmNtopAttachment, XmATTACH_FORM);
    CVGUI_STAGE(XmNbottomAttachment, XmATTACH_FORM);
    CVGUI_STAGE(XmNrightAttachment, stretch ? XmATTACH_FORM : XmATTACH_NONE);
    // The field takes no more characters than it shows.
    return addMEdit(form, value, columns, columns);
}
} // namespace

extern "C" Widget add1LineLabelEdit(Widget parent, const char *label, const char *value, int columns)
{
    Widget form = AddMotifForm(parent, "1LineEform");
    Widget l = rowLabel(form, "1LineELabel", label, nullptr);
    Widget text = rowField(form, l, value, columns, columns < 1);
    XtManageChild(form);
    return text;
}

extern "C" void add1LineLabelEdits(Widget parent, const char *label1, const char *value1, int columns1,
                                   Widget *text1, const char *label2, const char *value2, int columns2,
                                   Widget *text2)
{
    Widget form = AddMotifForm(parent, "1LineEsForm");
    Widget l1 = rowLabel(form, "1LineEsLabel1", label1, nullptr);
    Widget t1 = rowField(form, l1, value1, columns1, false);
    Widget l2 = rowLabel(form, "1LineEsLabel2", label2, t1);
    Widget t2 = rowField(form, l2, value2, columns2, columns2 < 1);
    XtManageChild(form);
    if (text1 != nullptr) {
        *text1 = t1;
    }
    if (text2 != nullptr) {
        *text2 = t2;
    }
}
