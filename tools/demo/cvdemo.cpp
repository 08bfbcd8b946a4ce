// cvdemo: a top-level window assembled with cvgui's builders.
//
//   cvdemo [Xt options]      runs until File > Quit or the window manager's close
//   cvdemo --ready           also prints "cvdemo: ready" once the window is on the screen
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

void quit(Widget, XtPointer, XtPointer)
{
    XtAppSetExitFlag(app);
}

void say(Widget, XtPointer text, XtPointer)
{
    setStatus(static_cast<const char *>(text));
}

void step(Widget, XtPointer delta, XtPointer)
{
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
    XtSetLanguageProc(nullptr, nullptr, nullptr);
    // The look of the tool's app-defaults file; a user's resources still override it.
    static String fallback[] = {
        const_cast<char *>("CVdemo*fontList: -*-helvetica-bold-r-normal--12-*-*-*-p-*-iso8859-1"),
        const_cast<char *>("CVdemo*title.fontList: -*-helvetica-bold-r-normal--14-*-*-*-p-*-iso8859-1"),
        nullptr,
    };
    toplevel = XtAppInitialize(&app, "CVdemo", nullptr, 0, &argc, argv, fallback, nullptr, 0);
    XtVaSetValues(toplevel, XmNtitle, "cvgui demo", nullptr);
    setupGUIShell(toplevel);
    registerCloseCB(toplevel, quit, nullptr);

    Widget form = AddMotifForm(toplevel, "main");

    Widget bar = AddMenuBar(form, nullptr);
    XtVaSetValues(bar, XmNleftAttachment, XmATTACH_FORM, XmNrightAttachment, XmATTACH_FORM, XmNtopAttachment,
                  XmATTACH_FORM, nullptr);
    Widget file = AddMenuPane(bar, nullptr, "File", "filePane", 0, 0);
    AddMenuItem(file, "Open Map...", nullptr, False, say, const_cast<char *>("Open Map chosen"));
    AddMenuItem(file, "Save Events", nullptr, False, say, const_cast<char *>("Save Events chosen"));
    AddSeparator(file, nullptr);
    AddMenuItem(file, "Quit", nullptr, False, quit, nullptr);
    Widget view = AddMenuPane(bar, nullptr, "View", "viewPane", 0, 0);
    AddMenuItem(view, "Show Toolbar", nullptr, True, say, const_cast<char *>("Toolbar toggled"));
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
    AddMPButton(buttons, "Close", "close", quit, nullptr);
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
    XtAppMainLoop(app);
    return 0;
}
