// The confirmation question: OK or Cancel, Cancel the default.
#include "cvguiP.h"

#include <Xm/MessageB.h>
#include <Xm/MwmUtil.h>

extern "C" Widget CreateConfirmDialog(Widget parent, confirmDialogInfo *info)
{
    widgetArgCnt = 0;
    XmString title = GetString(info->title);
    CVGUI_STAGE(XmNallowOverlap, False);
    CVGUI_STAGE(XmNautoUnmanage, False);
    CVGUI_STAGE(XmNdialogTitle, title);
    CVGUI_STAGE(XmNdefaultButtonType, XmDIALOG_CANCEL_BUTTON);
    Widget dialog = AddQuestion(parent, info->name, info->message, True);
    info->dialog = dialog;
    XmStringFree(title);

    // A question to answer, not a window to resize or minimize.
    Widget shell = XtParent(dialog);
    XtVaSetValues(shell, XmNmwmDecorations, MWM_DECOR_BORDER | MWM_DECOR_TITLE | MWM_DECOR_MENU, XmNmwmFunctions,
                  MWM_FUNC_MOVE | MWM_FUNC_CLOSE, nullptr);

    if (info->cancelCallback != nullptr) {
        XtAddCallback(dialog, XmNcancelCallback, info->cancelCallback, info->cancelData);
    }
    if (info->okCallback != nullptr) {
        XtAddCallback(dialog, XmNokCallback, info->okCallback, info->okData);
    }
    if (info->helpCallback != nullptr) {
        XtAddCallback(dialog, XmNhelpCallback, info->helpCallback, info->helpData);
    } else {
        XtUnmanageChild(XmMessageBoxGetChild(dialog, XmDIALOG_HELP_BUTTON));
    }
    XtManageChild(dialog);
    registerCloseCB(shell, info->cancelCallback, info->cancelData);
    return dialog;
}
