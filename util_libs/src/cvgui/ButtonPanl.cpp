// Button panels: a row or column of push buttons on a form, laid out in one call.
//
// The basic and A panels place each button by form positions (equal buttons over the whole
// panel); the B panels chain the buttons one after another with a fixed gap.
#include "cvguiP.h"

#include <Xm/BulletinB.h>
#include <Xm/Form.h>

namespace {

int panelCount, vPanelCount, panelACount, vPanelACount, panelBCount, vPanelBCount;

// The A panels' unit, kept between calls: a call that passes 0 uses the last one given.
int unitA = 3, unitVA = 3;
constexpr int basicUnit = 3;

enum class Layout { basic, a, b };

struct Panel {
    const char *defaultName;
    int *counter;
    bool vertical;
    Layout layout;
};

void stageBasic(bool vertical, int i, int count)
{
    int along = basicUnit * i + 1, alongEnd = basicUnit * i + 3, across = basicUnit * count;
    CVGUI_STAGE(XmNtopAttachment, XmATTACH_POSITION);
    CVGUI_STAGE(XmNtopPosition, vertical ? along : 1);
    CVGUI_STAGE(XmNbottomAttachment, XmATTACH_POSITION);
    CVGUI_STAGE(XmNbottomPosition, vertical ? alongEnd : across);
    CVGUI_STAGE(XmNleftAttachment, XmATTACH_POSITION);
    CVGUI_STAGE(XmNleftPosition, vertical ? 1 : along);
    CVGUI_STAGE(XmNrightAttachment, XmATTACH_POSITION);
    CVGUI_STAGE(XmNrightPosition, vertical ? across : alongEnd);
}

// Full depth across the panel, unit-sized slots along it.
void stageA(bool vertical, int i, int unit)
{
    int start = i * unit + 1, end = (i + 1) * unit;
    if (vertical) {
        CVGUI_STAGE(XmNtopAttachment, XmATTACH_POSITION);
        CVGUI_STAGE(XmNtopPosition, start);
        CVGUI_STAGE(XmNbottomAttachment, XmATTACH_POSITION);
        CVGUI_STAGE(XmNbottomPosition, end);
        CVGUI_STAGE(XmNleftAttachment, XmATTACH_FORM);
        CVGUI_STAGE(XmNrightAttachment, XmATTACH_FORM);
    } else {
        CVGUI_STAGE(XmNtopAttachment, XmATTACH_FORM);
        CVGUI_STAGE(XmNbottomAttachment, XmATTACH_FORM);
        CVGUI_STAGE(XmNleftAttachment, XmATTACH_POSITION);
        CVGUI_STAGE(XmNleftPosition, start);
        CVGUI_STAGE(XmNrightAttachment, XmATTACH_POSITION);
        CVGUI_STAGE(XmNrightPosition, end);
    }
}

// Each button hangs on the one before it; the trailing edge stays free.
void stageB(bool vertical, Widget previous, int spacing)
{
    const char *attachment = vertical ? XmNtopAttachment : XmNleftAttachment;
    const char *offset = vertical ? XmNtopOffset : XmNleftOffset;
    if (previous == nullptr) {
        CVGUI_STAGE(attachment, XmATTACH_FORM);
        CVGUI_STAGE(offset, 0);
    } else {
        CVGUI_STAGE(attachment, XmATTACH_WIDGET);
        CVGUI_STAGE(vertical ? XmNtopWidget : XmNleftWidget, previous);
        CVGUI_STAGE(offset, spacing);
    }
    if (vertical) {
        CVGUI_STAGE(XmNleftAttachment, XmATTACH_FORM);
        CVGUI_STAGE(XmNrightAttachment, XmATTACH_FORM);
        CVGUI_STAGE(XmNbottomAttachment, XmATTACH_NONE);
    } else {
        CVGUI_STAGE(XmNtopAttachment, XmATTACH_FORM);
        CVGUI_STAGE(XmNrightAttachment, XmATTACH_NONE);
        CVGUI_STAGE(XmNbottomAttachment, XmATTACH_FORM);
    }
}

// Return in a dialog presses the default button: the panel's, and that of a bulletin board
// (or a direct subclass such as a form or message box) the panel sits in.
void makeDefault(Widget parent, Widget form, Widget button)
{
    XtVaSetValues(form, XmNdefaultButton, button, nullptr);
    WidgetClass c = XtClass(parent);
    if (c == xmBulletinBoardWidgetClass || XtSuperclass(parent) == xmBulletinBoardWidgetClass) {
        XtVaSetValues(parent, XmNdefaultButton, button, nullptr);
    }
}

template <typename Record>
Widget buildPanel(const Panel &panel, Widget parent, const char *name, Record *items, int count, int unit,
                  Widget **handles)
{
    if (count < 0 || items == nullptr) {
        count = 0;
    }
    auto *made = reinterpret_cast<Widget *>(XtMalloc(sizeof(Widget) * (count > 0 ? count : 1)));
    GetNam(name, panel.defaultName, panel.counter);
    if (panel.layout != Layout::b) {
        CVGUI_STAGE(XmNfractionBase, count * unit + 1);
    }
    Widget form = AddMotifForm(parent, _nptr);

    Widget previous = nullptr;
    for (int i = 0; i < count; i++) {
        switch (panel.layout) {
        case Layout::basic:
            stageBasic(panel.vertical, i, count);
            break;
        case Layout::a:
            stageA(panel.vertical, i, unit);
            break;
        case Layout::b:
            stageB(panel.vertical, previous, unit);
            break;
        }
        made[i] = previous = AddPButton(form, items[i].label, items[i].name, items[i].callback, items[i].clientData);
        if (items[i].isDefault) {
            makeDefault(parent, form, made[i]);
        }
        widgetArgCnt = 0;
    }
    XtManageChild(form);
    XtManageChildren(made, static_cast<Cardinal>(count));
    if (handles != nullptr) {
        *handles = made;
    } else {
        XtFree(reinterpret_cast<char *>(made));
    }
    return form;
}

// The A and B panels show what the label function makes of each label, and keep it in the
// caller's records.
void relabel(ButtonInfo *items, int count, ButtonLabelProc labelProc, XtPointer labelArg)
{
    if (labelProc == nullptr || items == nullptr) {
        return;
    }
    for (int i = 0; i < count; i++) {
        items[i].label = labelProc(labelArg, items[i].key, items[i].label);
    }
}

// A unit below 1 would put buttons at negative positions: it keeps the stored one.
int keepUnit(int *stored, int unit)
{
    if (unit > 0) {
        *stored = unit;
    }
    return *stored;
}

} // namespace

extern "C" ButtonPanelItem *convertButtonInfo(ButtonInfo *in, int count, ButtonLabelProc labelProc,
                                              XtPointer labelArg)
{
    auto *out = reinterpret_cast<ButtonPanelItem *>(XtMalloc(sizeof(ButtonPanelItem) * (count > 0 ? count : 1)));
    for (int i = 0; i < count; i++) {
        out[i].label = labelProc != nullptr ? labelProc(labelArg, in[i].key, in[i].label) : in[i].label;
        out[i].name = in[i].name;
        out[i].callback = in[i].callback;
        out[i].clientData = in[i].clientData;
        out[i].isDefault = in[i].isDefault;
    }
    return out;
}

extern "C" Widget AddButtonPanel(Widget parent, const char *name, ButtonPanelItem *items, int count,
                                 Widget **handles)
{
    static const Panel panel{"buttonPanel", &panelCount, false, Layout::basic};
    return buildPanel(panel, parent, name, items, count, basicUnit, handles);
}

extern "C" Widget AddVButtonPanel(Widget parent, const char *name, ButtonPanelItem *items, int count,
                                  Widget **handles)
{
    static const Panel panel{"vButtonPanel", &vPanelCount, true, Layout::basic};
    return buildPanel(panel, parent, name, items, count, basicUnit, handles);
}

extern "C" Widget AddButtonPanelA(Widget parent, const char *name, ButtonInfo *items, int count,
                                  ButtonLabelProc labelProc, XtPointer labelArg, Widget **handles, int unit)
{
    static const Panel panel{"buttonPanel", &panelACount, false, Layout::a};
    relabel(items, count, labelProc, labelArg);
    return buildPanel(panel, parent, name, items, count, keepUnit(&unitA, unit), handles);
}

extern "C" Widget AddVButtonPanelA(Widget parent, const char *name, ButtonInfo *items, int count,
                                   ButtonLabelProc labelProc, XtPointer labelArg, Widget **handles, int unit)
{
    static const Panel panel{"vButtonPanel", &vPanelACount, true, Layout::a};
    relabel(items, count, labelProc, labelArg);
    return buildPanel(panel, parent, name, items, count, keepUnit(&unitVA, unit), handles);
}

extern "C" Widget AddButtonPanelB(Widget parent, const char *name, ButtonInfo *items, int count,
                                  ButtonLabelProc labelProc, XtPointer labelArg, Widget **handles, int spacing)
{
    static const Panel panel{"buttonPanel", &panelBCount, false, Layout::b};
    relabel(items, count, labelProc, labelArg);
    return buildPanel(panel, parent, name, items, count, spacing, handles);
}

extern "C" Widget AddVButtonPanelB(Widget parent, const char *name, ButtonInfo *items, int count,
                                   ButtonLabelProc labelProc, XtPointer labelArg, Widget **handles, int spacing)
{
    static const Panel panel{"vButtonPanel", &vPanelBCount, true, Layout::b};
    relabel(items, count, labelProc, labelArg);
    return buildPanel(panel, parent, name, items, count, spacing, handles);
}
