// Forms of label/value rows: labels right-aligned to one width, fields lined up beside them.
#include "cvguiP.h"

#include <Xm/Form.h>
#include <Xm/Label.h>
#include <Xm/Text.h>

extern "C" Widget CreateLabelEditForm(Widget parent, label_edit_form *form)
{
    return CreateLabelEditForm2(parent, form, 0, 0);
}

namespace {
Widget valueField(Widget form, const label_edit_info &row, Widget label, Widget above, Dimension labelGap,
                  Dimension rowSpacing)
{
    if (above == nullptr) {
        CVGUI_STAGE(XmNtopAttachment, XmATTACH_FORM);
    } else {
        CVGUI_STAGE(XmNtopAttachment, XmATTACH_WIDGET);
        CVGUI_STAGE(XmNtopWidget, above);
        if (rowSpacing != 0) {
            CVGUI_STAGE(XmNtopOffset, rowSpacing);
        }
    }
    CVGUI_STAGE(XmNleftAttachment, XmATTACH_WIDGET);
    CVGUI_STAGE(XmNleftWidget, label);
    CVGUI_STAGE(XmNleftOffset, labelGap != 0 ? labelGap : 5);
    CVGUI_STAGE(XmNrightAttachment, XmATTACH_FORM);
    CVGUI_STAGE(XmNrightOffset, 3);
    CVGUI_STAGE(XmNeditMode, XmSINGLE_LINE_EDIT);
    CVGUI_STAGE(XmNvalue, row.value != nullptr ? row.value : "");
    if (row.columns != 0) {
        CVGUI_STAGE(XmNcolumns, row.columns);
    }
    Widget field = AddTEdit(form, nullptr);
    XtManageChild(field);
    XmTextSetInsertionPosition(field, XmTextGetLastPosition(field));
    setEditable(field, row.editable);
    if (!row.editable) {
        // Read-only values stay sensitive so they can still be selected and copied.
        XtSetSensitive(field, True);
    }
    return field;
}

Dimension dimension(Widget w, const char *resource)
{
    Dimension value = 0;
    widgetArgCnt = 0;
    CVGUI_STAGE(const_cast<char *>(resource), &value);
    XtGetValues(w, widgetArgs, widgetArgCnt);
    widgetArgCnt = 0;
    return value;
}
} // namespace

extern "C" Widget CreateLabelEditForm2(Widget parent, label_edit_form *desc, Dimension labelGap, Dimension rowSpacing)
{
    int count = desc->count;
    Widget *labels = reinterpret_cast<Widget *>(XtMalloc(sizeof(Widget) * (count > 0 ? count : 1)));
    Widget *fields = reinterpret_cast<Widget *>(XtMalloc(sizeof(Widget) * (count > 0 ? count : 1)));

    CVGUI_STAGE(XmNskipAdjust, False);
    Widget form = AddMotifForm(parent, nullptr);

    if (desc->labelArg != nullptr && desc->labelProc != nullptr) {
        for (int i = 0; i < count; i++) {
            desc->rows[i].label = desc->labelProc(desc->labelArg, desc->rows[i].id, desc->rows[i].label);
        }
    }

    int labelOffset = 0;
    for (int i = 0; i < count; i++) {
        const label_edit_info &row = desc->rows[i];
        if (i == 0) {
            CVGUI_STAGE(XmNtopAttachment, XmATTACH_FORM);
            CVGUI_STAGE(XmNtopOffset, 0);
        } else {
            CVGUI_STAGE(XmNtopAttachment, XmATTACH_WIDGET);
            CVGUI_STAGE(XmNtopWidget, fields[i - 1]);
            CVGUI_STAGE(XmNtopOffset, labelOffset + rowSpacing);
        }
        CVGUI_STAGE(XmNleftAttachment, XmATTACH_FORM);
        CVGUI_STAGE(XmNalignment, XmALIGNMENT_END);
        labels[i] = AddMLabel(form, nullptr, row.label != nullptr ? row.label : "");
        fields[i] = valueField(form, row, labels[i], i == 0 ? nullptr : fields[i - 1], labelGap, rowSpacing);

        if (i == 0) {
            // Labels sit centred on their fields: move the first down by half the difference.
            labelOffset = (static_cast<int>(dimension(fields[0], XmNheight)) - dimension(labels[0], XmNheight)) / 2;
            widgetArgCnt = 0;
            CVGUI_STAGE(XmNtopOffset, labelOffset);
            XtSetValues(labels[0], widgetArgs, widgetArgCnt);
            widgetArgCnt = 0;
        }
    }

    Dimension widest = 0;
    for (int i = 0; i < count; i++) {
        Dimension w = dimension(labels[i], XmNwidth);
        widest = w > widest ? w : widest;
    }
    for (int i = 0; i < count; i++) {
        widgetArgCnt = 0;
        CVGUI_STAGE(XmNwidth, widest);
        XtSetValues(labels[i], widgetArgs, widgetArgCnt);
        widgetArgCnt = 0;
    }

    XtManageChild(form);
    if (desc->values != nullptr) {
        *desc->values = fields;
    } else {
        XtFree(reinterpret_cast<char *>(fields));
    }
    XtFree(reinterpret_cast<char *>(labels));
    return form;
}

Widget cvguiReadOnlyRows(Widget parent, label_edit_info *rows, int count, Widget *lastField)
{
    Widget *fields = nullptr;
    label_edit_form desc = {count, rows, &fields, nullptr, nullptr};
    Widget form = CreateLabelEditForm(parent, &desc);
    for (int i = 0; i < count; i++) {
        XtVaSetValues(fields[i], XmNcursorPositionVisible, False, nullptr);
    }
    if (lastField != nullptr) {
        *lastField = count > 0 ? fields[count - 1] : nullptr;
    }
    XtFree(reinterpret_cast<char *>(fields));
    return form;
}

Widget cvguiReadOnlyText(Widget parent, const char *name, short rows, short columns)
{
    CVGUI_STAGE(XmNrows, rows);
    CVGUI_STAGE(XmNcolumns, columns);
    CVGUI_STAGE(XmNcursorPositionVisible, False);
    CVGUI_STAGE(XmNwordWrap, True);
    CVGUI_STAGE(XmNscrollHorizontal, False);
    Widget text = AddSEdit(parent, name);
    SetTextRO(text);
    XtManageChild(text);
    return text;
}

void cvguiAttachBelow(Widget w, Widget above, int offset)
{
    widgetArgCnt = 0;
    if (above == nullptr) {
        CVGUI_STAGE(XmNtopAttachment, XmATTACH_FORM);
    } else {
        CVGUI_STAGE(XmNtopAttachment, XmATTACH_WIDGET);
        CVGUI_STAGE(XmNtopWidget, above);
    }
    CVGUI_STAGE(XmNtopOffset, offset);
    XtSetValues(w, widgetArgs, widgetArgCnt);
    widgetArgCnt = 0;
}

void cvguiAttachAbove(Widget w, Widget below, int offset)
{
    widgetArgCnt = 0;
    if (below == nullptr) {
        CVGUI_STAGE(XmNbottomAttachment, XmATTACH_FORM);
    } else {
        CVGUI_STAGE(XmNbottomAttachment, XmATTACH_WIDGET);
        CVGUI_STAGE(XmNbottomWidget, below);
    }
    CVGUI_STAGE(XmNbottomOffset, offset);
    XtSetValues(w, widgetArgs, widgetArgCnt);
    widgetArgCnt = 0;
}

void cvguiAttachSides(Widget w, int offset)
{
    widgetArgCnt = 0;
    CVGUI_STAGE(XmNleftAttachment, XmATTACH_FORM);
    CVGUI_STAGE(XmNleftOffset, offset);
    CVGUI_STAGE(XmNrightAttachment, XmATTACH_FORM);
    CVGUI_STAGE(XmNrightOffset, offset);
    XtSetValues(w, widgetArgs, widgetArgCnt);
    widgetArgCnt = 0;
}
