// Message boxes with the library's button texts, dialog and popup shells, shell positions.
#include "cvguiP.h"

#include <Xm/DialogS.h>
#include <Xm/MessageB.h>
#include <X11/Shell.h>
#include <cstring>

namespace {
int messageBoxCount, errorCount, warningCount, informCount, questionCount, diagShCount, popupCount;

bool staged(const char *resource)
{
    for (Cardinal i = 0; i < widgetArgCnt; i++) {
        if (strcmp(widgetArgs[i].name, resource) == 0) {
            return true;
        }
    }
    return false;
}

// Stages the catalogue's button texts the caller did not stage; returns how many strings it made.
int stageButtonTexts(XmString made[3])
{
    struct {
        const char *resource;
        CvMsgId text;
    } buttons[3] = {
        {XmNokLabelString, CVMSG_OK},
        {XmNcancelLabelString, CVMSG_CANCEL},
        {XmNhelpLabelString, CVMSG_HELP},
    };
    bool missing[3];
    for (int i = 0; i < 3; i++) {
        missing[i] = !staged(buttons[i].resource);
    }
    int n = 0;
    for (int i = 0; i < 3; i++) {
        if (missing[i]) {
            made[n] = GetString(cvMsg(buttons[i].text));
            CVGUI_STAGE(const_cast<char *>(buttons[i].resource), made[n]);
            n++;
        }
    }
    return n;
}

enum class Kind { error, warning, information, question };

Widget messageBox(Kind kind, Widget parent, const char *message, Boolean keep)
{
    XmString made[4];
    made[0] = GetString(message != nullptr ? message : "");
    CVGUI_STAGE(XmNmessageString, made[0]);
    // An OK text the caller staged is kept; otherwise the box reads "Close" where it closes.
    bool ownOkLabel = staged(XmNokLabelString);
    int n = 1 + stageButtonTexts(made + 1);

    Widget dialog = nullptr;
    switch (kind) {
    case Kind::error:
        dialog = XmCreateErrorDialog(parent, _nptr, widgetArgs, widgetArgCnt);
        XtUnmanageChild(XmMessageBoxGetChild(dialog, XmDIALOG_CANCEL_BUTTON));
        XtUnmanageChild(XmMessageBoxGetChild(dialog, XmDIALOG_HELP_BUTTON));
        break;
    case Kind::warning:
        dialog = XmCreateWarningDialog(parent, _nptr, widgetArgs, widgetArgCnt);
        break;
    case Kind::information:
        dialog = XmCreateInformationDialog(parent, _nptr, widgetArgs, widgetArgCnt);
        break;
    case Kind::question:
        dialog = XmCreateQuestionDialog(parent, _nptr, widgetArgs, widgetArgCnt);
        break;
    }
    setupGUIShell(dialog);
    if (kind != Kind::question && !ownOkLabel) {
        changeOkToClose(dialog);
    }
    widgetArgCnt = 0;
    for (int i = 0; i < n; i++) {
        XmStringFree(made[i]);
    }
    if (!keep) {
        XtAddCallback(dialog, XmNokCallback, DropWidget, dialog);
    }
    return cvguiFinish(dialog, true);
}
} // namespace

extern "C" Widget AddMessageBox(Widget parent, const char *name)
{
    GetNam(name, "messagebox", &messageBoxCount);
    XmString made[3];
    int n = stageButtonTexts(made);
    Widget dialog = XmCreateMessageDialog(parent, _nptr, widgetArgs, widgetArgCnt);
    widgetArgCnt = 0;
    for (int i = 0; i < n; i++) {
        XmStringFree(made[i]);
    }
    setupGUIShell(dialog);
    return cvguiFinish(dialog, true);
}

extern "C" Widget AddError(Widget parent, const char *name, const char *message, Boolean keep)
{
    GetNam(name, "error", &errorCount);
    return messageBox(Kind::error, parent, message, keep);
}

extern "C" Widget AddWarning(Widget parent, const char *name, const char *message, Boolean keep)
{
    GetNam(name, "warn", &warningCount);
    return messageBox(Kind::warning, parent, message, keep);
}

extern "C" Widget AddInform(Widget parent, const char *name, const char *message, Boolean keep)
{
    GetNam(name, "inform", &informCount);
    return messageBox(Kind::information, parent, message, keep);
}

extern "C" Widget AddQuestion(Widget parent, const char *name, const char *message, Boolean keep)
{
    GetNam(name, "question", &questionCount);
    return messageBox(Kind::question, parent, message, keep);
}

extern "C" void changeOkToClose(Widget w)
{
    if (w == nullptr || !XtIsSubclass(w, xmMessageBoxWidgetClass)) {
        return;
    }
    XmString close = GetString(cvMsg(CVMSG_CLOSE));
    Arg arg;
    XtSetArg(arg, XmNlabelString, close);
    XtSetValues(XmMessageBoxGetChild(w, XmDIALOG_OK_BUTTON), &arg, 1);
    XmStringFree(close);
}

extern "C" Widget AddDiagSh(Widget parent, const char *name)
{
    GetNam(name, "dialog", &diagShCount);
    Widget shell = XmCreateDialogShell(parent, _nptr, widgetArgs, widgetArgCnt);
    widgetArgCnt = 0;
    setupGUIShell(shell);
    return shell;
}

extern "C" Widget AddPopupDialog(Widget parent, const char *title, const char *name)
{
    GetNam(name, "topDiag", &popupCount);
    CVGUI_STAGE(XtNallowShellResize, True);
    CVGUI_STAGE(XtNtitle, title);
    Widget shell = XtCreatePopupShell(_nptr, topLevelShellWidgetClass, parent, widgetArgs, widgetArgCnt);
    widgetArgCnt = 0;
    setupGUIShell(shell);
    return shell;
}

extern "C" void GetShellPosition(Widget w, Position *x, Position *y)
{
    if (w == nullptr || !XtIsRealized(w)) {
        return; // no window to ask about
    }
    Display *display = XtDisplay(w);
    Window window = XtWindow(w);
    Window found = None;
    // Climb to the window just below the root: the window manager's frame around the shell.
    for (;;) {
        Window root, parent, *children = nullptr;
        unsigned int count = 0;
        if (XQueryTree(display, window, &root, &parent, &children, &count) == 0) {
            break;
        }
        if (children != nullptr) {
            XFree(children);
        }
        found = window;
        if (parent == root) {
            break;
        }
        window = parent;
    }
    XWindowAttributes attr;
    if (found != None && XGetWindowAttributes(display, found, &attr) != 0) {
        *x = static_cast<Position>(attr.x);
        *y = static_cast<Position>(attr.y);
    }
}
