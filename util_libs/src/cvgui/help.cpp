// Help callbacks: each hands its target to the map session's help and tells the user when that
// fails.
#include "cvguiP.h"

#include "cvw.h"

#include <cstdio>

namespace {
void showTyped(int helpType, const char *kindName, XtPointer target)
{
    char *t = static_cast<char *>(target);
    if (CVwShowHelp(helpType, t) != 0) {
        int e = CVwError();
        Error(cvMsg(CVMSG_HELP_KIND_FAILED), kindName,
              t != nullptr ? t : "", CVwErrorMsg(e), e);
    }
}
} // namespace

void cvguiReportHelpTrouble(Widget w, bool error, const char *text)
{
    Widget shell = w;
    while (shell != nullptr && !XtIsTopLevelShell(shell)) {
        shell = XtParent(shell);
    }
    if (shell == nullptr) {
        fprintf(stderr, "%s\n", text);
        return;
    }
    // Titled like the library's other dialogs rather than with the shell's widget name.
    XmString title = GetString(error ? cvMsg(CVMSG_ERROR) : cvMsg(CVMSG_WARNING));
    CVGUI_STAGE(XmNdialogTitle, title);
    Widget dialog = error ? AddError(shell, "cvwContextHelpError", text, False)
                          : AddWarning(shell, "cvwContextHelpWarn", text, False);
    XtManageChild(dialog);
    XmStringFree(title);
}

void cvguiHelpFileCB(Widget, XtPointer target, XtPointer)
{
    showTyped(cvwHelpFile, "cvwHelpFile", target);
}

void cvguiQuickHelpCB(Widget, XtPointer target, XtPointer)
{
    showTyped(cvwQuickHelp, "cvwQuickHelp", target);
}

void cvguiHelpStringCB(Widget, XtPointer target, XtPointer)
{
    showTyped(cvwHelpString, "cvwHelpString", target);
}

void cvguiManPageCB(Widget, XtPointer target, XtPointer)
{
    showTyped(cvwManPage, "cvwManPage", target);
}

void cvguiTextFileCB(Widget, XtPointer target, XtPointer)
{
    showTyped(cvwTextFile, "cvwTextFile", target);
}

extern "C" void help_CB(Widget, XtPointer clientData, XtPointer)
{
    char *topic = static_cast<char *>(clientData);
    if (CVwShowHelp(cvwHelpVolume, topic) != 0) {
        int e = CVwError();
        Error(cvMsg(CVMSG_HELP_VOLUME_FAILED),
              topic != nullptr ? topic : "", CVwErrorMsg(e), e);
    }
}

extern "C" void killAllHelpScreens(void)
{
}

extern "C" int cleanUpHelpChild(...)
{
    return 0;
}

extern "C" void cvwContextSensitiveHelpCB(Widget w, XtPointer clientData, XtPointer)
{
    auto *link = static_cast<HelpLink *>(clientData);
    if (link == nullptr) {
        return;
    }
    if (CVwShowHelp(link->helpType, link->link) >= 0) {
        return;
    }
    char text[1024];
    snprintf(text, sizeof text,
             cvMsg(CVMSG_CONTEXT_HELP_FAILED), link->helpType,
             link->link != nullptr ? link->link : "");
    cvguiReportHelpTrouble(w, true, text);
}
