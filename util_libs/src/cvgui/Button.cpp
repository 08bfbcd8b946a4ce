// Menu entries: push buttons, cascade buttons and separators.
//
// Every push-button entry carries a command number from one counter (2000..2099, wrapping) and
// the command identifier number + 1024, so code written against command numbers finds its entries.
#include "cvguiP.h"

#include <Xm/CascadeB.h>
#include <Xm/PushB.h>
#include <Xm/Separator.h>
#include <cstdint>

namespace {
constexpr int firstMessageId = 2000;
constexpr int messageIdLimit = 2100;
constexpr int commandOffset = 1024;

int MessageId = firstMessageId;
int pushCount, cascadeCount, separatorCount;

// The live entry of each command number; cleared when that entry is destroyed.
Widget entryOfId[messageIdLimit - firstMessageId];
XContext commandContext;

void forgetEntry(Widget w, XtPointer clientData, XtPointer)
{
    int slot = static_cast<int>(reinterpret_cast<intptr_t>(clientData));
    if (entryOfId[slot] == w) {
        entryOfId[slot] = nullptr;
    }
    XDeleteContext(XtDisplay(w), reinterpret_cast<XID>(w), commandContext);
}

void setEntryText(Widget w, const char *text)
{
    XmString s = GetString(text);
    Arg arg;
    XtSetArg(arg, XmNlabelString, s);
    XtSetValues(w, &arg, 1);
    XmStringFree(s);
}
} // namespace

extern "C" Widget AddPButton(Widget parent, const char *label, const char *name,
                             XtCallbackProc callback, XtPointer clientData)
{
    GetNam(name, "button", &pushCount);
    Widget w = XmCreatePushButton(parent, _nptr, widgetArgs, widgetArgCnt);
    widgetArgCnt = 0;
    setEntryText(w, label != nullptr && *label != '\0' ? label : XtName(w));
    if (callback != nullptr) {
        XtAddCallback(w, XmNactivateCallback, callback, clientData);
    }

    int slot = MessageId - firstMessageId;
    if (commandContext == 0) {
        commandContext = XUniqueContext();
    }
    entryOfId[slot] = w;
    XSaveContext(XtDisplay(w), reinterpret_cast<XID>(w), commandContext,
                 reinterpret_cast<XPointer>(static_cast<intptr_t>(MessageId + commandOffset)));
    XtAddCallback(w, XmNdestroyCallback, forgetEntry, reinterpret_cast<XtPointer>(static_cast<intptr_t>(slot)));
    if (++MessageId >= messageIdLimit) {
        MessageId = firstMessageId;
    }
    return w;
}

extern "C" Widget AddMPButton(Widget parent, const char *label, const char *name,
                              XtCallbackProc callback, XtPointer clientData)
{
    Widget w = AddPButton(parent, label, name, callback, clientData);
    XtManageChild(w);
    return w;
}

extern "C" Widget AddMCButton(Widget parent, const char *, const char *name, Widget submenu, int)
{
    GetNam(name, "cbutton", &cascadeCount);
    widgetArgCnt = 0;
    Arg arg;
    XtSetArg(arg, XmNsubMenuId, submenu);
    Widget w = XmCreateCascadeButton(parent, _nptr, &arg, 1);
    // A cascade entry always shows its name, whatever a resource file says.
    setEntryText(w, XtName(w));
    XtManageChild(w);
    return w;
}

extern "C" Widget AddSeparator(Widget parent, const char *name)
{
    GetNam(name, "separator", &separatorCount);
    widgetArgCnt = 0;
    Widget w = XmCreateSeparator(parent, _nptr, nullptr, 0);
    XtManageChild(w);
    return w;
}

extern "C" int CVmenuEntryCommandId(Widget entry)
{
    XPointer id = nullptr;
    if (entry == nullptr || commandContext == 0 ||
        XFindContext(XtDisplay(entry), reinterpret_cast<XID>(entry), commandContext, &id) != 0) {
        return 0;
    }
    return static_cast<int>(reinterpret_cast<intptr_t>(id));
}

extern "C" Widget CVmenuEntryForCommandId(int commandId)
{
    int slot = commandId - commandOffset - firstMessageId;
    if (slot < 0 || slot >= messageIdLimit - firstMessageId) {
        return nullptr;
    }
    return entryOfId[slot];
}
