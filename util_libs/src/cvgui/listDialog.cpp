// The list dialog: a list with a column of buttons beside it and a row below.
#include "cvguiP.h"

#include <Xm/PanedW.h>

namespace {

Widget addPanel(Widget parent, ButtonInfo *buttons, int count, listDialogInfo *info, Widget *&handles,
                bool vertical)
{
    ButtonPanelItem *items = convertButtonInfo(buttons, count, info->labelProc, info->labelArg);
    Widget panel = vertical ? AddVButtonPanel(parent, nullptr, items, count, &handles)
                            : AddButtonPanel(parent, nullptr, items, count, &handles);
    XtFree(reinterpret_cast<char *>(items));
    return panel;
}

} // namespace

extern "C" Widget CreateListDialog(Widget fontWidget, Boolean makeShell, Widget parent, listDialogInfo *info)
{
    widgetArgCnt = 0;
    Widget pane = parent;
    if (makeShell) {
        setupDiagSh(info->title);
        Widget shell = AddDiagSh(parent, info->shellName);
        AllowResizeOfDiagSh(shell);
        setupPane();
        // Not managed here: managing the pane would pop the shell up before its contents exist.
        pane = AddVPane(shell, "listDPane1", True);
    }
    info->pane = pane;
    XmFontList font = getCWFont(fontWidget);

    // The title label is not shown; it gives the list the width of its text.
    Dimension margin = 0;
    XtVaGetValues(pane, XmNmarginWidth, &margin, nullptr);
    CVGUI_STAGE(XmNskipAdjust, True);
    CVGUI_STAGE(XmNmarginWidth, 2 * margin);
    CVGUI_STAGE(XmNalignment, XmALIGNMENT_BEGINNING);
    CVGUI_STAGE(XmNfontList, font);
    Widget title = AddLabel(pane, "lt", info->listTitle, 0);
    Dimension width = 0;
    XtVaGetValues(title, XmNwidth, &width, nullptr);

    Widget form = AddMotifForm(pane, "listDForm");
    XtManageChild(form);
    Widget side = nullptr;
    if (info->sideCount > 0) {
        CVGUI_STAGE(XmNrightAttachment, XmATTACH_FORM);
        CVGUI_STAGE(XmNresizable, False);
        side = addPanel(form, info->sideButtons, info->sideCount, info, info->sideHandles, true);
    }

    setupPane();
    CVGUI_STAGE(XmNtopAttachment, XmATTACH_FORM);
    CVGUI_STAGE(XmNleftAttachment, XmATTACH_FORM);
    if (side != nullptr) {
        CVGUI_STAGE(XmNrightAttachment, XmATTACH_WIDGET);
        CVGUI_STAGE(XmNrightWidget, side);
    } else {
        CVGUI_STAGE(XmNrightAttachment, XmATTACH_FORM);
    }
    CVGUI_STAGE(XmNbottomAttachment, XmATTACH_FORM);
    Widget inner = AddVPane(form, "listDPane2", True);
    XtManageChild(inner);

    setupList(info->visibleCount, XmEXTENDED_SELECT);
    CVGUI_STAGE(XmNwidth, width);
    CVGUI_STAGE(XmNfontList, font);
    info->list = AddSList(inner, "listDList", nullptr, 0);
    XtManageChild(info->list);

    if (info->bottomCount > 0) {
        CVGUI_STAGE(XmNskipAdjust, True);
        addPanel(pane, info->bottomButtons, info->bottomCount, info, info->bottomHandles, false);
        XmProcessTraversal(info->list, XmTRAVERSE_CURRENT);
        if (info->closeIndex != -1) {
            ButtonInfo &close = info->bottomButtons[info->closeIndex];
            registerCloseCB(XtParent(pane), close.callback, close.clientData);
        }
    }
    TurnOffSashTraversal(pane);
    TurnOffSashTraversal(inner);
    return pane;
}
