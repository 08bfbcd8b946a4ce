// The MIB browser's main window: the MIB selector on the left, the description of the first
// chosen object on the right, the status line below, and the menus.
#include "browser.h"

#include "cvMibSel.h"
#include "cvMsgIds.h"
#include "cvgui.h"
#include "cvsnmp.h"
#include "cvw.h"

#include <Xm/FileSB.h>
#include <Xm/RowColumn.h>
#include <Xm/ToggleB.h>
#include <cstdlib>
#include <string>

namespace {

Browser browser;
XtCallbackProc quitProc;
bool numericNames = false;
Widget openDialog = nullptr;
bool saveDialogMade = false;

void setStatus(const std::string &text)
{
    setLabel(browser.status, text.c_str());
}

// The status line names the chosen objects, in the form the View menu asks for.
void showChosen()
{
    int count = 0;
    std::string first;
    for (char *name = msGetFirstObjectName(); name != nullptr; name = msGetNextObjectName()) {
        if (count++ == 0) {
            const char *numeric = numericNames ? msGetObjectNumericName(name) : nullptr;
            first = numeric != nullptr ? numeric : name;
        }
    }
    if (count <= 1) {
        setStatus(first);
        return;
    }
    char line[1024];
    snprintf(line, sizeof line, cvMsg(CVMSG_MB_STATUS_MORE), first.c_str(), count - 1);
    setStatus(line);
}

// Each choice the selector settles on is described at once; while the user types a name the
// description waits for the node.
void stateChanged(int state)
{
    if (state == MS_STATE_TYPED || browser.description == nullptr) {
        return;
    }
    char *name = state == MS_STATE_NONE ? nullptr : msGetObjectName();
    std::string object = name != nullptr ? name : "";
    msShowDescription(browser.description, object.c_str(), 0);
    showChosen();
}

void viewChosen(Widget, XtPointer numeric, XtPointer call)
{
    if (!static_cast<XmToggleButtonCallbackStruct *>(call)->set) {
        return;
    }
    numericNames = numeric != nullptr;
    msSetTreeNumbers(numericNames ? 1 : 0);
    showChosen();
}

// File > Open Database: the chosen file becomes the MIB database when it loads; otherwise the
// MIB shown stays and the user is told why.
void databaseChosen(Widget w, XtPointer, XtPointer call)
{
    auto *cb = static_cast<XmFileSelectionBoxCallbackStruct *>(call);
    char *path = nullptr;
    if (!XmStringGetLtoR(cb->value, const_cast<char *>(XmFONTLIST_DEFAULT_TAG), &path) || path == nullptr) {
        return;
    }
    const char *old = getenv("CVMIBFILE");
    std::string previous = old != nullptr ? old : "";
    bool hadPrevious = old != nullptr;
    setenv("CVMIBFILE", path, 1);
    if (CVmib_load_mib() != 0) {
        Error(cvMsg(CVMSG_MB_OPEN_FAILED), path, CVmib_load_error());
        if (hadPrevious) {
            setenv("CVMIBFILE", previous.c_str(), 1);
        } else {
            unsetenv("CVMIBFILE");
        }
    } else {
        XtUnmanageChild(w);
        msResyncMibSelector();
    }
    XtFree(path);
}

void openDatabase(Widget, XtPointer, XtPointer)
{
    if (openDialog == nullptr) {
        XmString title = XmStringCreateLocalized(const_cast<char *>(cvMsg(CVMSG_MB_OPEN_DATABASE)));
        XmString pattern = XmStringCreateLocalized(const_cast<char *>("*.db"));
        Arg args[2];
        XtSetArg(args[0], XmNdialogTitle, title);
        XtSetArg(args[1], XmNpattern, pattern);
        openDialog = XmCreateFileSelectionDialog(browser.form, const_cast<char *>("openDatabase"), args, 2);
        XmStringFree(title);
        XmStringFree(pattern);
        XtAddCallback(openDialog, XmNokCallback, databaseChosen, nullptr);
        XtAddCallback(openDialog, XmNcancelCallback, [](Widget w, XtPointer, XtPointer) { XtUnmanageChild(w); },
                      nullptr);
        XtUnmanageChild(XmFileSelectionBoxGetChild(openDialog, XmDIALOG_HELP_BUTTON));
    }
    XtManageChild(openDialog);
}

// The save dialog writes what the description pane shows when Save is pressed, in the saved
// form of the native browser.
void writeDescription(FILE *file, const char *, void *)
{
    char *text = msDescriptionOfPane(browser.description);
    fputs(text, file);
    XtFree(text);
}

void saveDescription(Widget w, XtPointer, XtPointer)
{
    char *text = msDescriptionOfPane(browser.description);
    bool nothing = *text == '\0';
    XtFree(text);
    if (nothing) {
        msAddMessage("%s", cvMsg(CVMSG_MB_NOTHING_DESCRIBED));
        return;
    }
    if (!saveDialogMade) {
        createSaveDialog(browser.form, "saveDescription", cvMsg(CVMSG_BROWSER_SAVE_TITLE), "describe.txt", nullptr,
                         writeDescription);
        saveDialogMade = true;
    }
    save_CB(w, nullptr, nullptr);
}

void showVersion(Widget, XtPointer, XtPointer)
{
    char report[CVGUI_VERSION_REPORT_MAX];
    sprintVersion(report, nullptr, cvMsg(CVMSG_MB_TITLE), "mibbrowser", nullptr);
    Inform("%s", report);
}

void buildMenus(Widget form)
{
    Widget bar = AddMenuBar(form, "menuBar");
    XtVaSetValues(bar, XmNtopAttachment, XmATTACH_FORM, XmNleftAttachment, XmATTACH_FORM, XmNrightAttachment,
                  XmATTACH_FORM, nullptr);
    Widget file = AddMenuPane(bar, nullptr, cvMsg(CVMSG_MB_FILE), "filePane", 0, 0);
    browser.openEntry = AddMenuItem(file, cvMsg(CVMSG_MB_OPEN_DATABASE), "open", False, openDatabase, nullptr);
    browser.saveEntry =
        AddMenuItem(file, cvMsg(CVMSG_MB_SAVE_DESCRIPTION), "save", False, saveDescription, nullptr);
    AddSeparator(file, nullptr);
    browser.quitEntry = AddMenuItem(file, cvMsg(CVMSG_MB_QUIT), "quit", False, quitProc, nullptr);

    Widget view = AddMenuPane(bar, nullptr, cvMsg(CVMSG_MB_VIEW), "viewPane", 0, 0);
    XtVaSetValues(view, XmNradioBehavior, True, nullptr);
    browser.symbolicEntry = AddMenuItem(view, cvMsg(CVMSG_MB_SYMBOLIC), "symbolic", True, viewChosen, nullptr);
    browser.numericEntry =
        AddMenuItem(view, cvMsg(CVMSG_MB_NUMERIC), "numeric", True, viewChosen, reinterpret_cast<XtPointer>(1));
    XmToggleButtonSetState(browser.symbolicEntry, True, False);

    Widget help = AddMenuPane(bar, nullptr, cvMsg(CVMSG_HELP), "helpPane", 0, 0);
    addHelpMenuItems(help, const_cast<char *>("mibbrowser"), const_cast<char *>(cvMsg(CVMSG_MB_TITLE)), cvwQuickHelp,
                     const_cast<char *>(cvMsg(CVMSG_MB_QUICK_HELP)),
                     showVersion);
    // Motif keeps the Help menu at the right end of the bar.
    XtVaSetValues(bar, XmNmenuHelpWidget, XtNameToWidget(bar, cvMsg(CVMSG_HELP)), nullptr);
    XtManageChild(bar);
    browser.menuBar = bar;
}

} // namespace

Browser &buildBrowser(Widget shell, XtCallbackProc quit)
{
    quitProc = quit;
    Widget form = AddMotifForm(shell, "browser");
    browser.form = form;
    buildMenus(form);

    Widget statusFrame = AddFrame(form, "statusFrame", 2);
    XtVaSetValues(statusFrame, XmNleftAttachment, XmATTACH_FORM, XmNrightAttachment, XmATTACH_FORM,
                  XmNbottomAttachment, XmATTACH_FORM, nullptr);
    XtSetArg(widgetArgs[widgetArgCnt], XmNalignment, XmALIGNMENT_BEGINNING), widgetArgCnt++;
    browser.status = AddSText(statusFrame, "status", " ");
    XtManageChild(browser.status);
    XtManageChild(statusFrame);

    browser.description = msCreateDescriptionPane(form, "description");
    browser.selector = msCreateMibSelector(form, "selector", MS_MULTIPLE_SELECT, nullptr, stateChanged, nullptr);
    XtVaSetValues(browser.selector, XmNtopAttachment, XmATTACH_WIDGET, XmNtopWidget, browser.menuBar,
                  XmNbottomAttachment, XmATTACH_WIDGET, XmNbottomWidget, statusFrame, XmNleftAttachment,
                  XmATTACH_FORM, XmNrightAttachment, XmATTACH_POSITION, XmNrightPosition, 48, nullptr);
    XtVaSetValues(browser.description, XmNtopAttachment, XmATTACH_WIDGET, XmNtopWidget, browser.menuBar,
                  XmNbottomAttachment, XmATTACH_WIDGET, XmNbottomWidget, statusFrame, XmNleftAttachment,
                  XmATTACH_WIDGET, XmNleftWidget, browser.selector, XmNrightAttachment, XmATTACH_FORM, nullptr);
    XtManageChild(browser.selector);
    XtManageChild(browser.description);
    XtManageChild(form);
    return browser;
}
