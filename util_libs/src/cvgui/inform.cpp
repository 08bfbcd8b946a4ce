// Error, warning and information dialogs, and the questions that answer through callbacks.
#include "cvguiP.h"

#include <Xm/MessageB.h>
#include <cstdarg>
#include <cstdio>

namespace {
// Formatted texts longer than this are cut, never written past the buffer.
char messageText[10240];

enum class Kind { error, information, warning };

Widget showMessage(Kind kind, const char *format, va_list args)
{
    if (toplevel == nullptr || !XtIsWidget(toplevel)) {
        // No display to show it on.
        vfprintf(stderr, format, args);
        fputs("\n", stderr);
        fflush(stderr);
        return nullptr;
    }
    vsnprintf(messageText, sizeof messageText, format, args);

    XmString title = nullptr;
    Widget dialog = nullptr;
    switch (kind) {
    case Kind::error:
        title = GetString(cvMsg(CVMSG_ERROR));
        CVGUI_STAGE(XmNdialogTitle, title);
        dialog = AddError(toplevel, "Error", messageText, False);
        break;
    case Kind::information:
        title = GetString(cvMsg(CVMSG_INFORMATION));
        CVGUI_STAGE(XmNdialogTitle, title);
        dialog = AddInform(toplevel, "Information", messageText, False);
        break;
    case Kind::warning:
        title = GetString(cvMsg(CVMSG_WARNING));
        CVGUI_STAGE(XmNdialogTitle, title);
        dialog = AddWarning(toplevel, "Warning", messageText, False);
        break;
    }
    XmStringFree(title);
    XtUnmanageChild(XmMessageBoxGetChild(dialog, XmDIALOG_HELP_BUTTON));
    XtUnmanageChild(XmMessageBoxGetChild(dialog, XmDIALOG_CANCEL_BUTTON));
    XtManageChild(dialog);
    return dialog;
}

void setOkLabel(Widget dialog, const char *label)
{
    XmString s = GetString(label != nullptr ? label : "");
    Arg arg;
    XtSetArg(arg, XmNlabelString, s);
    XtSetValues(XmMessageBoxGetChild(dialog, XmDIALOG_OK_BUTTON), &arg, 1);
    XmStringFree(s);
}

// Cancel removes the question; OK answers; Help shows the volume or is not offered.
Widget question(Widget parent, const char *message, XtCallbackProc okProc, XtPointer okData,
                const char *helpVolume)
{
    Widget dialog = AddQuestion(parent, nullptr, message, True);
    XtAddCallback(dialog, XmNcancelCallback, DropWidget, dialog);
    if (okProc != nullptr) {
        XtAddCallback(dialog, XmNokCallback, okProc, okData);
    }
    if (helpVolume != nullptr && *helpVolume != '\0') {
        XtAddCallback(dialog, XmNhelpCallback, help_CB, const_cast<char *>(helpVolume));
    } else {
        XtUnmanageChild(XmMessageBoxGetChild(dialog, XmDIALOG_HELP_BUTTON));
    }
    return dialog;
}
} // namespace

extern "C" Widget Error(const char *format, ...)
{
    va_list args;
    va_start(args, format);
    Widget w = showMessage(Kind::error, format, args);
    va_end(args);
    return w;
}

extern "C" Widget Warn(const char *format, ...)
{
    va_list args;
    va_start(args, format);
    Widget w = showMessage(Kind::warning, format, args);
    va_end(args);
    return w;
}

extern "C" Widget Inform(const char *format, ...)
{
    va_list args;
    va_start(args, format);
    Widget w = showMessage(Kind::information, format, args);
    va_end(args);
    return w;
}

extern "C" void getUserChoice(const char *title, Widget parent, const char *message, const char *okLabel,
                              XtCallbackProc okProc, XtPointer okData, const char *choice2Label,
                              XtCallbackProc choice2Proc, XtPointer choice2Data, const char *helpVolume)
{
    CVGUI_STAGE(XmNtitle, title);
    CVGUI_STAGE(XmNdefaultButtonType, XmDIALOG_CANCEL_BUTTON);
    Widget dialog = question(parent, message, okProc, okData, helpVolume);
    // Motif places further buttons of a message box beside its OK button.
    AddMPButton(XtParent(XmMessageBoxGetChild(dialog, XmDIALOG_OK_BUTTON)), choice2Label, "userChoiceButton2",
                choice2Proc, choice2Data);
    setOkLabel(dialog, okLabel);
    widgetArgCnt = 0;
    XtManageChild(dialog);
}

extern "C" void askToSaveOrClose(Widget parent, const char *configName, XtCallbackProc saveProc,
                                 XtCallbackProc discardProc)
{
    char text[1024];
    snprintf(text, sizeof text, cvMsg(CVMSG_SAVE_OR_DISCARD), configName);
    getUserChoice(cvMsg(CVMSG_SAVE_BEFORE_CLOSING), parent, text,
                  cvMsg(CVMSG_SAVE), saveProc, nullptr, cvMsg(CVMSG_DISCARD), discardProc,
                  nullptr, nullptr);
}

extern "C" void getUserOK(const char *title, Widget parent, const char *message, XtCallbackProc okProc,
                          XtPointer okData, const char *helpVolume)
{
    CVGUI_STAGE(XmNtitle, title);
    Widget dialog = question(parent, message, okProc, okData, helpVolume);
    widgetArgCnt = 0;
    XtManageChild(dialog);
}
