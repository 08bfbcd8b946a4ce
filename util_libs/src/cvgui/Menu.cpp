// Menu bars, pull-down panes and their entries.
#include "cvguiP.h"

#include <Xm/RowColumn.h>

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
