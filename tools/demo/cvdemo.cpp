// cvdemo: a top-level window assembled with cvgui's builders.
//
//   cvdemo [Xt options]      runs until File > Quit or the window manager's close
//   cvdemo --ready           also prints "cvdemo: ready" once the window is on the screen
//
// The Help menu hands its topics to the viewer named by CVW_HELP_VIEWER (see cvw.h); without one
// it shows the error a user would get.
#include "cvgui.h"

#include <Xm/Form.h>
#include <Xm/Label.h>
#include <Xm/RowColumn.h>
#include <cstdio>
#include <cstring>
#include <string>

namespace {

XtAppContext app;
Widget status;
int counter;
bool printReady;

void setStatus(const std::string &text)
{
    XmString s = GetString(text.c_str());
    XtVaSetValues(status, XmNlabelString, s, nullptr);
    XmStringFree(s);
}

bool changed; // unsaved changes, which Quit asks about

void quit(Widget, XtPointer, XtPointer)
{
    XtAppSetExitFlag(app);
}

void saveAndQuit(Widget, XtPointer, XtPointer)
{
    printf("cvdemo: configuration saved\n");
    XtAppSetExitFlag(app);
}

void askBeforeQuit(Widget w, XtPointer, XtPointer)
{
    if (!changed) {
        quit(w, nullptr, nullptr);
        return;
    }
    askToSaveOrClose(toplevel, "poll", saveAndQuit, quit);
}

void reportError(Widget, XtPointer, XtPointer)
{
    Error("Could not open the map \"%s\":\n%s", "Default", "The map database is locked by another session.");
}

void about(Widget, XtPointer, XtPointer)
{
    Inform("cvgui demo\nThe shared dialogs, menus and fields of the Corvane tools.");
}

void pollDone(XtPointer, XtIntervalId *)
{
    setCursorForWaiting(False);
    setStatus("Polled 3 nodes");
}

// Shows the busy cursor on every window of the tool while the (simulated) poll runs.
void pollNow(Widget, XtPointer, XtPointer)
{
    setStatus("Polling...");
    setCursorForWaiting(True);
    XtAppAddTimeOut(app, 1500, pollDone, nullptr);
}

void say(Widget, XtPointer text, XtPointer)
{
    setStatus(static_cast<const char *>(text));
}

void step(Widget, XtPointer delta, XtPointer)
{
    changed = true;
    counter += static_cast<int>(reinterpret_cast<intptr_t>(delta));
    setStatus("Poll interval: " + std::to_string(counter) + " s");
}

void toggled(Widget w, XtPointer, XtPointer call)
{
    auto *cb = static_cast<XmToggleButtonCallbackStruct *>(call);
    if (cb->set) {
        setStatus(std::string("Showing ") + XtName(w));
    }
}

void announceReady(XtPointer, XtIntervalId *)
{
    printf("cvdemo: ready\n");
    fflush(stdout);
}

void exposed(Widget, XtPointer, XEvent *event, Boolean *)
{
    if (printReady && event->type == Expose && event->xexpose.count == 0) {
        printReady = false;
        // Let the rest of the window paint before anyone takes a picture of it.
        XtAppAddTimeOut(app, 300, announceReady, nullptr);
    }
}

void attach(Widget w, Widget above)
{
    XtVaSetValues(w, XmNleftAttachment, XmATTACH_FORM, XmNrightAttachment, XmATTACH_FORM, XmNleftOffset, 8,
                  XmNrightOffset, 8, nullptr);
    if (above != nullptr) {
        XtVaSetValues(w, XmNtopAttachment, XmATTACH_WIDGET, XmNtopWidget, above, XmNtopOffset, 8, nullptr);
    } else {
        XtVaSetValues(w, XmNtopAttachment, XmATTACH_FORM, nullptr);
    }
}

} // namespace

int main(int argc, char **argv)
{
    for (int i = 1; i < argc; i++) {
        if (strcmp(argv[i], "--ready") == 0) {
            printReady = true;
        }
    }
    _CVsetupGUIExecutable(argc, argv);
    // The tool's app-defaults file (tools/app-defaults/CVdemo), for when Xt does not find it; a
    // user's resources still override it. Xft fonts draw the texts of any locale.
    static String fallback[] = {
        const_cast<char *>("CVdemo*renderTable: rt"),
        const_cast<char *>("CVdemo*rt.fontType: FONT_IS_XFT"),
        const_cast<char *>("CVdemo*rt.fontName: DejaVu Sans"),
        const_cast<char *>("CVdemo*rt.fontSize: 9"),
        const_cast<char *>("CVdemo*title.renderTable: bold"),
        const_cast<char *>("CVdemo*bold.fontType: FONT_IS_XFT"),
        const_cast<char *>("CVdemo*bold.fontName: DejaVu Sans"),
        const_cast<char *>("CVdemo*bold.fontStyle: Bold"),
        const_cast<char *>("CVdemo*bold.fontSize: 10"),
        nullptr,
    };
    toplevel = XtAppInitialize(&app, "CVdemo", nullptr, 0, &argc, argv, fallback, nullptr, 0);
    XtVaSetValues(toplevel, XmNtitle, "cvgui demo", nullptr);
    setupGUIShell(toplevel);
    registerCloseCB(toplevel, askBeforeQuit, nullptr);
    registerCloseDoNothing(toplevel);

    Widget form = AddMotifForm(toplevel, "main");

    Widget bar = AddMenuBar(form, nullptr);
    XtVaSetValues(bar, XmNleftAttachment, XmATTACH_FORM, XmNrightAttachment, XmATTACH_FORM, XmNtopAttachment,
                  XmATTACH_FORM, nullptr);
    Widget file = AddMenuPane(bar, nullptr, "File", "filePane", 0, 0);
    AddMenuItem(file, "Open Map...", nullptr, False, reportError, nullptr);
    AddMenuItem(file, "Save Events", nullptr, False, say, const_cast<char *>("Save Events chosen"));
    AddMenuItem(file, "Poll Now", nullptr, False, pollNow, nullptr);
    AddSeparator(file, nullptr);
    AddMenuItem(file, "Quit", nullptr, False, askBeforeQuit, nullptr);
    Widget view = AddMenuPane(bar, nullptr, "View", "viewPane", 0, 0);
    AddMenuItem(view, "Show Toolbar", nullptr, True, say, const_cast<char *>("Toolbar toggled"));
    Widget help = AddMenuPane(bar, nullptr, "Help", "helpPane", 0, 0);
    addHelpMenuItems(help, const_cast<char *>("cvdemo"), const_cast<char *>("cvgui demo"), 16,
                     const_cast<char *>("The demo shows the library's builders and dialogs."), about);
    // Motif keeps the Help menu at the right end of the bar.
    XtVaSetValues(bar, XmNmenuHelpWidget, XtNameToWidget(bar, "Help"), nullptr);
    XtManageChild(bar);

    Widget title = AddMLabel(form, "title", "Corvane network map: node 10.0.0.1");
    attach(title, bar);

    Widget frame = AddFrame(form, "viewFrame", 1);
    attach(frame, title);
    Widget radio = AddRadioBox(frame, "views");
    AddMTButton(radio, "Map", "map", True, toggled, nullptr);
    AddMTButton(radio, "Events", "events", False, toggled, nullptr);
    AddMTButton(radio, "MIB Browser", "mib", False, toggled, nullptr);
    XtManageChild(radio);
    XtManageChild(frame);

    XtSetArg(widgetArgs[widgetArgCnt], XmNalignment, XmALIGNMENT_CENTER), widgetArgCnt++;
    Widget arrows = AddHRowCol(form, "arrows");
    attach(arrows, frame);
    AddMLabel(arrows, "pollLabel", "Poll interval:");
    XtSetArg(widgetArgs[widgetArgCnt], XmNarrowDirection, XmARROW_LEFT), widgetArgCnt++;
    AddMAButton(arrows, nullptr, "less", step, reinterpret_cast<XtPointer>(-1));
    XtSetArg(widgetArgs[widgetArgCnt], XmNarrowDirection, XmARROW_RIGHT), widgetArgCnt++;
    AddMAButton(arrows, nullptr, "more", step, reinterpret_cast<XtPointer>(1));
    XtManageChild(arrows);

    // One row of equal buttons: horizontal, packed in columns (rows, when horizontal), spaced.
    Widget buttons = AddButtonBox(form, "buttons", 0x8000 | 0x4000 | (1 << 8) | 12);
    attach(buttons, arrows);
    AddMPButton(buttons, "OK", "ok", say, const_cast<char *>("OK pressed"));
    AddMPButton(buttons, "Apply", "apply", say, const_cast<char *>("Apply pressed"));
    AddMPButton(buttons, "Close", "close", askBeforeQuit, nullptr);
    XtManageChild(buttons);

    Widget statusFrame = AddFrame(form, "statusFrame", 2);
    attach(statusFrame, buttons);
    XtVaSetValues(statusFrame, XmNbottomAttachment, XmATTACH_FORM, XmNbottomOffset, 8, nullptr);
    status = AddSText(statusFrame, "status", "Ready");
    XtManageChild(status);
    XtManageChild(statusFrame);

    XtManageChild(form);
    XtAddEventHandler(form, ExposureMask, False, exposed, nullptr);
    XtRealizeWidget(toplevel);
    addWindowToBusyList(toplevel);
    XtAppMainLoop(app);
    return 0;
}
