// Label text changes and rows of buttons from button records.
#include "cvguiP.h"

#include <Xm/Label.h>
#include <cstring>

extern "C" void setLabel(Widget w, const char *text)
{
    if (text == nullptr) {
        text = "";
    }
    XmString current = nullptr;
    widgetArgCnt = 0;
    CVGUI_STAGE(XmNlabelString, &current);
    XtGetValues(w, widgetArgs, widgetArgCnt);
    widgetArgCnt = 0;
    char *shown = nullptr;
    if (current != nullptr) {
        XmStringGetLtoR(current, const_cast<char *>(XmFONTLIST_DEFAULT_TAG), &shown);
        XmStringFree(current);
    }
    // Setting the same text again would still make Motif lay the label out anew.
    if (shown == nullptr || strcmp(shown, text) != 0) {
        XmString s = GetString(text);
        CVGUI_STAGE(XmNlabelString, s);
        XtSetValues(w, widgetArgs, widgetArgCnt);
        widgetArgCnt = 0;
        XmStringFree(s);
    }
    XtFree(shown);
}

namespace {
template <typename Make>
void addButtons(ButtonInfo *items, int count, ButtonLabelProc labelProc, XtPointer labelArg, Widget **handles,
                Make make)
{
    Widget *made = reinterpret_cast<Widget *>(XtMalloc(sizeof(Widget) * (count > 0 ? count : 1)));
    for (int i = 0; i < count; i++) {
        const char *label = labelProc != nullptr ? labelProc(labelArg, items[i].key, items[i].label) : items[i].label;
        made[i] = make(items[i], label);
    }
    if (handles != nullptr) {
        *handles = made;
    } else {
        XtFree(reinterpret_cast<char *>(made));
    }
}
} // namespace

extern "C" void addPushButtons(Widget parent, ButtonInfo *items, int count, ButtonLabelProc labelProc,
                               XtPointer labelArg, Widget **handles)
{
    addButtons(items, count, labelProc, labelArg, handles, [parent](const ButtonInfo &item, const char *label) {
        return AddMPButton(parent, label, item.name, item.callback, item.clientData);
    });
}

extern "C" void addToggleButtons(Widget parent, ButtonInfo *items, int count, ButtonLabelProc labelProc,
                                 XtPointer labelArg, Widget **handles)
{
    addButtons(items, count, labelProc, labelArg, handles, [parent](const ButtonInfo &item, const char *label) {
        return AddMTButton(parent, label, item.name, item.isDefault, item.callback, item.clientData);
    });
}
