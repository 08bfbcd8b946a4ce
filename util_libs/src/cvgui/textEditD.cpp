// The two text dialogs: an edit field, a list (one-line dialog only) and a row of buttons in a
// paned window of a dialog shell.
#include "cvguiP.h"

#include <Xm/PanedW.h>

namespace {

// The shell, its look and the paned window every part goes into.
Widget makePane(Widget parent, textEditDialogInfo *info)
{
    setupDiagSh(info->title);
    Widget shell = AddDiagSh(parent, info->shellName);
    AllowResizeOfDiagSh(shell);
    setupPane();
    info->pane = AddVPane(shell, nullptr, True);
    return info->pane;
}

ButtonInfo *firstDefault(textEditDialogInfo *info)
{
    for (int i = 0; i < info->buttonCount; i++) {
        if (info->buttons[i].isDefault) {
            return &info->buttons[i];
        }
    }
    return nullptr;
}

// Enter in the field runs the first default button's callback; that button then is no longer
// the default, so the row does not take Enter away from the field.
void takeDefaultAction(textEditDialogInfo *info)
{
    if (ButtonInfo *b = firstDefault(info)) {
        XtAddCallback(info->text, XmNactivateCallback, b->callback, b->clientData);
        b->isDefault = False;
    }
}

void addButtons(textEditDialogInfo *info)
{
    ButtonPanelItem *items = convertButtonInfo(info->buttons, info->buttonCount, info->labelProc, info->labelArg);
    CVGUI_STAGE(XmNskipAdjust, True);
    AddButtonPanel(info->pane, nullptr, items, info->buttonCount, &info->buttonHandles);
    XtFree(reinterpret_cast<char *>(items));
    if (info->closeIndex != -1) {
        ButtonInfo &close = info->buttons[info->closeIndex];
        registerCloseCB(XtParent(info->pane), close.callback, close.clientData);
    }
    // A second flagged button is the row's default and the field's action as well.
    if (ButtonInfo *b = firstDefault(info)) {
        XtAddCallback(info->text, XmNactivateCallback, b->callback, b->clientData);
    }
    TurnOffSashTraversal(info->pane);
}

} // namespace

extern "C" Widget CreateTextEditDialog(Widget parent, textEditDialogInfo *info)
{
    Widget pane = makePane(parent, info);
    CVGUI_STAGE(XmNskipAdjust, True);
    info->text = addLabeledEdit(pane, info->editLabel, info->editValue, 80, 0);
    setEditable(info->text, True);
    takeDefaultAction(info);

    CVGUI_STAGE(XmNskipAdjust, True);
    CVGUI_STAGE(XmNalignment, XmALIGNMENT_BEGINNING);
    AddMLabel(pane, nullptr, info->listLabel);
    CVGUI_STAGE(XmNskipAdjust, False);
    Widget frame = AddFrame(pane, nullptr, 0);
    XtManageChild(frame);
    setupList(5, 0);
    info->list = AddSList(frame, nullptr, nullptr, 0);
    XtManageChild(info->list);

    addButtons(info);
    return pane;
}

extern "C" Widget CreateScrolledTextDialog(Widget parent, textEditDialogInfo *info, int columns, int maxLength,
                                           int rows)
{
    Widget pane = makePane(parent, info);
    CVGUI_STAGE(XmNskipAdjust, False);
    info->text = addLSEdit(pane, const_cast<char *>(info->editValue), info->editLabel, columns, maxLength, rows);
    takeDefaultAction(info);
    addButtons(info);
    return pane;
}
