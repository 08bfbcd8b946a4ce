// cvdemo: a top-level window assembled with cvgui's builders.
//
//   cvdemo [Xt options]      runs until File > Quit or the window manager's close
//   cvdemo --ready           also prints "cvdemo: ready" once the window is on the screen
//   cvdemo --ready --open-nodes
//                            first opens the Node option menu and its "More..." pane with the
//                            pointer, as a user does (for a screenshot of the cascade)
//   cvdemo --ready --scroll-table
//                            first scrolls the node table to the right with its scroll bar's arrow
//
// The Help menu hands its topics to the viewer named by CVW_HELP_VIEWER (see cvw.h); without one
// it shows the error a user would get.
#include "cvgui.h"
#include "cvw.h"

#include <X11/extensions/XTest.h>
#include <Xm/CascadeB.h>
#include <Xm/Form.h>
#include <Xm/Label.h>
#include <Xm/List.h>
#include <Xm/RowColumn.h>
#include <cstdio>
#include <cstring>
#include <string>

namespace {

XtAppContext app;
Widget status;
int counter;
bool printReady;
bool openNodes;
bool scrollTable;
Widget nodeMenu;
Widget nodeTable;

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

// Help > About: the version report every tool of the suite shows.
void about(Widget, XtPointer, XtPointer)
{
    static char report[CVGUI_VERSION_REPORT_MAX];
    sprintVersion(report, nullptr, "@(#) cvgui demo", "cvdemo", "the shared dialogs of the Corvane tools");
    Inform("%s", report);
}

// The Tools menu starts the suite's other tools; one that is not installed is reported.
void graphInterfaces(Widget w, XtPointer, XtPointer)
{
    execXzbgraph(w, const_cast<char *>("ifInOctets ifOutOctets"), const_cast<char *>("1"), const_cast<char *>("*"),
                 nullptr);
}

void configureEvents(Widget w, XtPointer, XtPointer)
{
    execXzbtrap(w, const_cast<char *>(".1.3.6.1.6.3.1.1.5.3"), nullptr, nullptr);
}

void configureSnmp(Widget w, XtPointer, XtPointer)
{
    execXzbsnmpconf(w);
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

std::string view = "map";

void toggled(Widget w, XtPointer, XtPointer call)
{
    auto *cb = static_cast<XmToggleButtonCallbackStruct *>(call);
    if (cb->set) {
        view = XtName(w);
        setStatus(std::string("Showing ") + XtName(w));
    }
}

// File > Save Settings: the save dialog asks for the name and hands the open file here.
void saveSettings(FILE *file, const char *name, void *)
{
    fprintf(file, "# cvgui demo settings\npoll-interval %d\nview %s\n", counter, view.c_str());
    saveMsg("Saved the poll interval (%d s) and the view (%s) to %s.", counter, view.c_str(), name);
    changed = false;
    setStatus(std::string("Settings saved to ") + name);
}

// Ready once the server has answered everything asked so far and no event waits: by then the
// whole window has painted.
Boolean announceWhenIdle(XtPointer display)
{
    XSync(static_cast<Display *>(display), False);
    if (XtAppPending(app) != 0) {
        return False; // more to paint first; asked again when the loop is idle
    }
    printf("cvdemo: ready\n");
    fflush(stdout);
    return True;
}

// After a scripted step: ready once the window has painted what the step changed.
void announceReady(XtPointer, XtIntervalId *)
{
    XtAppAddWorkProc(app, announceWhenIdle, XtDisplay(toplevel));
}

// Clicks the middle of a widget through the server, as the user's pointer would.
void clickOn(Widget w)
{
    Display *d = XtDisplay(toplevel);
    Window child;
    int x = 0, y = 0;
    XTranslateCoordinates(d, XtWindowOfObject(w), DefaultRootWindow(d), 0, 0, &x, &y, &child);
    Position gx = 0, gy = 0;
    Dimension width = 0, height = 0;
    XtVaGetValues(w, XmNx, &gx, XmNy, &gy, XmNwidth, &width, XmNheight, &height, nullptr);
    if (!XtIsWidget(w)) {
        x += gx;
        y += gy;
    }
    XTestFakeMotionEvent(d, -1, x + width / 2, y + height / 2, CurrentTime);
    XTestFakeButtonEvent(d, 1, True, CurrentTime);
    XTestFakeButtonEvent(d, 1, False, CurrentTime);
    XFlush(d);
}

bool shows(Widget w)
{
    XWindowAttributes attr;
    return XtIsRealized(w) && XGetWindowAttributes(XtDisplay(w), XtWindow(w), &attr) != 0 &&
           attr.map_state == IsViewable;
}

Widget cascadeOf(Widget pane)
{
    WidgetList children = nullptr;
    Cardinal n = 0;
    XtVaGetValues(pane, XmNchildren, &children, XmNnumChildren, &n, nullptr);
    for (Cardinal i = 0; i < n; i++) {
        if (XmIsCascadeButton(children[i])) {
            return children[i];
        }
    }
    return nullptr;
}

// Clicks the right arrow of the table's horizontal scroll bar until the table has moved by 20
// pixels or more.
void scrollTableStep(XtPointer, XtIntervalId *)
{
    Widget bar = nullptr;
    XtVaGetValues(XtParent(nodeTable), XmNhorizontalScrollBar, &bar, nullptr);
    int value = 0;
    Dimension width = 0, height = 0;
    XtVaGetValues(bar, XmNvalue, &value, XmNwidth, &width, XmNheight, &height, nullptr);
    if (value >= 20) {
        XtAppAddTimeOut(app, 300, announceReady, nullptr);
        return;
    }
    Display *d = XtDisplay(bar);
    Window child;
    int x = 0, y = 0;
    XTranslateCoordinates(d, XtWindow(bar), DefaultRootWindow(d), width - height / 2, height / 2, &x, &y, &child);
    XTestFakeMotionEvent(d, -1, x, y, CurrentTime);
    XTestFakeButtonEvent(d, 1, True, CurrentTime);
    XTestFakeButtonEvent(d, 1, False, CurrentTime);
    XFlush(d);
    XtAppAddTimeOut(app, XtGetMultiClickTime(d) + 100, scrollTableStep, nullptr);
}

// Opens the Node menu, then its "More..." pane, one step each time the last one shows; clicks
// are kept further apart than a double click.
void openNodesStep(XtPointer stepData, XtIntervalId *)
{
    auto step = reinterpret_cast<intptr_t>(stepData);
    Widget first = nullptr;
    XtVaGetValues(nodeMenu, XmNsubMenuId, &first, nullptr);
    Widget more = cascadeOf(first), second = nullptr;
    XtVaGetValues(more, XmNsubMenuId, &second, nullptr);
    int delay = XtGetMultiClickTime(XtDisplay(toplevel)) + 100;
    switch (step) {
    case 0:
        clickOn(XmOptionButtonGadget(nodeMenu));
        XtAppAddTimeOut(app, delay, openNodesStep, reinterpret_cast<XtPointer>(1));
        return;
    case 1:
        if (!shows(first)) {
            XtAppAddTimeOut(app, 50, openNodesStep, reinterpret_cast<XtPointer>(1));
            return;
        }
        clickOn(more);
        XtAppAddTimeOut(app, delay, openNodesStep, reinterpret_cast<XtPointer>(2));
        return;
    default:
        if (!shows(second)) {
            XtAppAddTimeOut(app, 50, openNodesStep, reinterpret_cast<XtPointer>(2));
            return;
        }
        XtAppAddTimeOut(app, 300, announceReady, nullptr);
    }
}

void exposed(Widget w, XtPointer, XEvent *event, Boolean *)
{
    if (printReady && event->type == Expose && event->xexpose.count == 0) {
        printReady = false;
        // Let the rest of the window paint before a scripted step clicks into it.
        if (openNodes) {
            XtAppAddTimeOut(app, 300, openNodesStep, nullptr);
        } else if (scrollTable) {
            XtAppAddTimeOut(app, 300, scrollTableStep, nullptr);
        } else {
            XtAppAddWorkProc(app, announceWhenIdle, XtDisplay(w));
        }
    }
}

void nodeChosen(Widget w, XtPointer, XtPointer)
{
    setStatus(std::string("Node ") + XtName(w));
}

void panelButton(Widget, XtPointer text, XtPointer)
{
    setStatus(static_cast<const char *>(text));
}

// The known nodes, kept in name order as they come in.
void fillNodeList(Widget list)
{
    static const char *rows[] = {
        "router2   10.0.0.2      up      cisco 2600, second floor wiring closet",
        "hub1      10.0.1.1      up      12-port hub",
        "server    10.0.0.10     down    no answer since 09:14",
        "router1   10.0.0.1      up      cisco 2600, basement rack",
        "printer   10.0.1.20     up      laser printer, accounting",
        "switch3   10.0.2.1      testing spanning tree",
        "backup    10.0.0.11     up      tape library",
    };
    for (const char *row : rows) {
        addItemSorted(list, nullptr, const_cast<char *>(row), strcmp);
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
        } else if (strcmp(argv[i], "--open-nodes") == 0) {
            openNodes = true;
        } else if (strcmp(argv[i], "--scroll-table") == 0) {
            scrollTable = true;
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
        // Text fields measure their columns in the font's widest letter: a fixed-width font keeps
        // an 80-column field 80 letters wide.
        const_cast<char *>("CVdemo*XmText.renderTable: mono"),
        const_cast<char *>("CVdemo*mono.fontType: FONT_IS_XFT"),
        const_cast<char *>("CVdemo*mono.fontName: DejaVu Sans Mono"),
        const_cast<char *>("CVdemo*mono.fontSize: 9"),
        nullptr,
    };
    toplevel = XtAppInitialize(&app, "CVdemo", nullptr, 0, &argc, argv, fallback, nullptr, 0);
    XtVaSetValues(toplevel, XmNtitle, "cvgui demo", nullptr);
    setupGUIShell(toplevel);
    registerCloseCB(toplevel, askBeforeQuit, nullptr);
    registerCloseDoNothing(toplevel);

    createSaveDialog(toplevel, "saveSettings", "Save Settings", "cvdemo.conf", "zbr:cvdemo.save", saveSettings);

    Widget form = AddMotifForm(toplevel, "main");

    Widget bar = AddMenuBar(form, nullptr);
    XtVaSetValues(bar, XmNleftAttachment, XmATTACH_FORM, XmNrightAttachment, XmATTACH_FORM, XmNtopAttachment,
                  XmATTACH_FORM, nullptr);
    Widget file = AddMenuPane(bar, nullptr, "File", "filePane", 0, 0);
    AddMenuItem(file, "Open Map...", nullptr, False, reportError, nullptr);
    AddMenuItem(file, "Save Settings...", nullptr, False, save_CB, nullptr);
    AddMenuItem(file, "Poll Now", nullptr, False, pollNow, nullptr);
    AddSeparator(file, nullptr);
    AddMenuItem(file, "Quit", nullptr, False, askBeforeQuit, nullptr);
    Widget view = AddMenuPane(bar, nullptr, "View", "viewPane", 0, 0);
    AddMenuItem(view, "Show Toolbar", nullptr, True, say, const_cast<char *>("Toolbar toggled"));
    Widget tools = AddMenuPane(bar, nullptr, "Tools", "toolsPane", 0, 0);
    AddMenuItem(tools, "Graph Interfaces", nullptr, False, graphInterfaces, nullptr);
    AddMenuItem(tools, "Configure Events", nullptr, False, configureEvents, nullptr);
    AddMenuItem(tools, "SNMP Configuration", nullptr, False, configureSnmp, nullptr);
    Widget help = AddMenuPane(bar, nullptr, "Help", "helpPane", 0, 0);
    addHelpMenuItems(help, const_cast<char *>("cvdemo"), const_cast<char *>("cvgui demo"), cvwQuickHelp,
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

    // Thirty nodes to choose from: panes of ten, each ending in "More...".
    static std::string nodeNames[30];
    static ButtonPanelItem nodes[30];
    for (int i = 0; i < 30; i++) {
        nodeNames[i] = "node" + std::to_string(i + 1) + ".lab";
        nodes[i] = {nodeNames[i].c_str(), nodeNames[i].c_str(), nodeChosen, nullptr, i == 0};
    }
    nodeMenu = AddOptionMenuCascade(form, "Node:", "nodes", nodes, 30, 10, nullptr, nullptr);
    attach(nodeMenu, arrows);
    XtVaSetValues(nodeMenu, XmNrightAttachment, XmATTACH_NONE, nullptr);
    XtManageChild(nodeMenu);

    // A table in the constant-width font whose heading scrolls sideways with it.
    Widget tableTitle = nullptr, table = nullptr;
    Widget tableForm = AddMSyncTitleAndList(toplevel, form, const_cast<char *>("Node      Address       State   Description"),
                                            48, 7, XmBROWSE_SELECT, &tableTitle, &table);
    attach(tableForm, nodeMenu);
    fillNodeList(table);
    nodeTable = table;

    // The dialog's buttons: OK is the default, pressed by Return.
    static ButtonPanelItem buttonItems[] = {
        {"OK", "ok", panelButton, const_cast<char *>("OK pressed"), True},
        {"Apply", "apply", panelButton, const_cast<char *>("Apply pressed"), False},
        {"Close", "close", askBeforeQuit, nullptr, False},
    };
    Widget buttons = AddButtonPanel(form, "buttons", buttonItems, 3, nullptr);
    attach(buttons, tableForm);

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
