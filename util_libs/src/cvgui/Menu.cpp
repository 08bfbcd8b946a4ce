// Menu bars, pull-down panes and their entries, and option menus (long ones as a chain of
// panes, each ending in an entry that opens the next).
#include "cvguiP.h"
#include "cvListRules.h"

#include <Xm/CascadeB.h>
#include <Xm/RowColumn.h>
#include <cstdio>
#include <cstring>
#include <vector>

static int menuBarCount, menuPaneCount, menuItemCount;

extern "C" Widget AddMenuBar(Widget parent, const char *name)
{
    GetNam(name, "mBar", &menuBarCount);
    return cvguiFinish(XmCreateMenuBar(parent, _nptr, widgetArgs, widgetArgCnt), true);
}

extern "C" Widget AddMenuPane(Widget parentMenu, Widget *paneOut, const char *label, const char *name, int, int)
{
    GetNam(name, "mPane", &menuPaneCount);
    widgetArgCnt = 0;
    Widget pane = XmCreatePulldownMenu(parentMenu, _nptr, nullptr, 0);
    // The cascade shows its name, so the label is passed as the name.
    AddMCButton(parentMenu, nullptr, label, pane, 0);
    if (paneOut != nullptr) {
        *paneOut = pane;
    }
    return pane;
}

extern "C" Widget AddMenuItem(Widget pane, const char *label, const char *name, Boolean toggle,
                              XtCallbackProc callback, XtPointer clientData)
{
    GetNam(name, "mItem", &menuItemCount);
    if (toggle) {
        return AddMTButton(pane, label, label, False, callback, clientData);
    }
    return AddMPButton(pane, label, label, callback, clientData);
}

namespace {

int optionMenuCount, optionCascadeCount;

// The caller's staged resources, kept aside while the entries are built so that they end up on
// the option menu and not on the pane or the entries. The whole list fits, so none is lost.
class SetAside {
public:
    SetAside() : count_(widgetArgCnt)
    {
        memcpy(args_, widgetArgs, sizeof(Arg) * count_);
        widgetArgCnt = 0;
    }
    void putBack()
    {
        memcpy(widgetArgs, args_, sizeof(Arg) * count_);
        widgetArgCnt = count_;
    }

private:
    Arg args_[CVGUI_WIDGET_ARGS];
    Cardinal count_;
};

// The option menu's pull-down pane is a child of the option menu's parent: it goes with it.
void destroyPane(Widget option, XtPointer, XtPointer)
{
    Widget pane = nullptr;
    Arg arg;
    XtSetArg(arg, XmNsubMenuId, &pane);
    XtGetValues(option, &arg, 1);
    if (pane != nullptr) {
        XtDestroyWidget(pane);
    }
}

// The pane a "More..." entry of pane opens, or null for the last pane.
Widget nextPane(Widget pane)
{
    WidgetList children = nullptr;
    Cardinal count = 0;
    Arg args[2];
    XtSetArg(args[0], XmNchildren, &children);
    XtSetArg(args[1], XmNnumChildren, &count);
    XtGetValues(pane, args, 2);
    for (Cardinal i = 0; i < count; i++) {
        if (XmIsCascadeButton(children[i])) {
            Widget next = nullptr;
            XtSetArg(args[0], XmNsubMenuId, &next);
            XtGetValues(children[i], args, 1);
            return next;
        }
    }
    return nullptr;
}

// Motif pops down only the pane of the chosen entry: the panes that led to it would stay on the
// screen after the choice. Unmanaging a pane takes it off, deepest first.
void closeChain(Widget, XtPointer firstPane, XtPointer)
{
    std::vector<Widget> chain;
    for (Widget p = static_cast<Widget>(firstPane); p != nullptr && chain.size() < 10000; p = nextPane(p)) {
        chain.push_back(p);
    }
    for (auto p = chain.rbegin(); p != chain.rend(); ++p) {
        if (XtIsManaged(*p)) {
            XtUnmanageChild(*p);
        }
    }
}

struct OptionName {
    char text[sizeof "_o" + 80];
};

// The option menu is named after its pane; the name buffer changes with every entry built.
OptionName optionNameOf(const char *paneName)
{
    OptionName n;
    snprintf(n.text, sizeof n.text, "%s_o", paneName);
    return n;
}

Widget finishOptionMenu(Widget parent, const OptionName &name, XmString label, Widget initial, Widget pane,
                        Widget *made, Widget **handles)
{
    if (label != nullptr) {
        CVGUI_STAGE(XmNlabelString, label);
    }
    if (initial != nullptr) {
        CVGUI_STAGE(XmNmenuHistory, initial);
    }
    CVGUI_STAGE(XmNsubMenuId, pane);
    Widget option = XmCreateOptionMenu(parent, const_cast<char *>(name.text), widgetArgs, widgetArgCnt);
    widgetArgCnt = 0;
    if (label != nullptr) {
        XmStringFree(label);
    }
    if (handles != nullptr) {
        *handles = made;
    } else {
        XtFree(reinterpret_cast<char *>(made));
    }
    XtAddCallback(option, XmNdestroyCallback, destroyPane, nullptr);
    return cvguiFinish(option, true);
}

} // namespace

extern "C" Widget AddOptionMenu(Widget parent, const char *label, const char *name, ButtonPanelItem *items, int count,
                                int, Widget **handles)
{
    if (count < 0 || items == nullptr) {
        count = 0;
    }
    GetNam(name, "optPane", &optionMenuCount);
    Widget *made = count > 0 ? reinterpret_cast<Widget *>(XtMalloc(sizeof(Widget) * count)) : nullptr;
    Widget pane = XmCreatePulldownMenu(parent, _nptr, nullptr, 0);
    SetAside staged;
    OptionName optionName = optionNameOf(_nptr);

    Widget initial = nullptr;
    for (int i = 0; i < count; i++) {
        made[i] = AddPButton(pane, items[i].label, items[i].name, items[i].callback, items[i].clientData);
        if (items[i].isDefault && initial == nullptr) {
            initial = made[i];
        }
    }
    XtManageChildren(made, static_cast<Cardinal>(count));
    staged.putBack();
    return finishOptionMenu(parent, optionName, GetString(label != nullptr ? label : ""), initial, pane, made, handles);
}

extern "C" Widget AddOptionMenuCascade(Widget parent, const char *label, const char *name, ButtonPanelItem *items,
                                       int count, int itemsPerPane, const char *moreLabel, Widget **handles)
{
    if (count < 0 || items == nullptr) {
        count = 0;
    }
    if (moreLabel == nullptr) {
        moreLabel = cvMsg(CVMSG_MORE);
    }
    GetNam(name, "optPane", &optionCascadeCount);
    Widget *made = count > 0 ? reinterpret_cast<Widget *>(XtMalloc(sizeof(Widget) * count)) : nullptr;
    Widget pane = XmCreatePulldownMenu(parent, _nptr, nullptr, 0);
    SetAside staged;
    OptionName optionName = optionNameOf(_nptr);

    // Each full pane ends in an entry that opens the next one.
    int panes = cvOptionMenuPaneCount(count, itemsPerPane), opened = 1;
    Widget current = pane, initial = nullptr;
    for (int i = 0; i < count; i++) {
        if (cvOptionMenuStartsPane(i, itemsPerPane, panes, opened)) {
            current = AddMenuPane(current, nullptr, moreLabel, nullptr, 0, 0);
            opened++;
        }
        made[i] = AddPButton(current, items[i].label, items[i].name, items[i].callback, items[i].clientData);
        XtManageChild(made[i]);
        if (panes > 1) {
            XtAddCallback(made[i], XmNactivateCallback, closeChain, pane);
        }
        if (items[i].isDefault && initial == nullptr) {
            initial = made[i];
        }
    }
    staged.putBack();
    return finishOptionMenu(parent, optionName, label != nullptr ? GetString(label) : nullptr, initial, pane, made,
                            handles);
}
