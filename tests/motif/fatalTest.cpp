// The fatal report, each scenario in a process of its own: the dialog the user reads, the
// window manager's close that is ignored, and the exit with status 1 through "Close Application".
#include "dialogSupport.h"
#include "isolated.h"

#include <X11/Shell.h>
#include <Xm/Form.h>
#include <Xm/Protocols.h>

using dialogs::buttonsShown;
using dialogs::labels;
using dialogs::messageText;
using motif::app;

namespace {

// What the scenario expects of the dialog: the whole text, or (when set) a text that begins and
// ends with these.
std::string expectedText, expectedStart, expectedEnd;
unsigned char expectedStyle;
Widget fatalBox;
bool closeRequested;

void exitProc(int status)
{
    printf("exit procedure called with %d; checks %s\n", status,
           ::testing::Test::HasFailure() ? "failed" : "passed");
    fflush(stdout);
}

// The user's click, left for the fatal report's own loop to handle.
void clickLater(Widget w)
{
    Display *d = XtDisplayOfObject(w);
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

void sendDeleteWindow(Widget shell)
{
    XEvent e{};
    e.xclient.type = ClientMessage;
    e.xclient.window = XtWindow(shell);
    e.xclient.message_type = XmInternAtom(XtDisplay(shell), const_cast<char *>("WM_PROTOCOLS"), False);
    e.xclient.format = 32;
    e.xclient.data.l[0] = XmInternAtom(XtDisplay(shell), const_cast<char *>("WM_DELETE_WINDOW"), False);
    e.xclient.data.l[1] = CurrentTime;
    XSendEvent(XtDisplay(shell), XtWindow(shell), False, NoEventMask, &e);
    XFlush(XtDisplay(shell));
}

void step(XtPointer, XtIntervalId *);

void again()
{
    XtAppAddTimeOut(app().context, 20, step, nullptr);
}

// Runs inside the fatal report's loop, one state at a time.
void step(XtPointer, XtIntervalId *)
{
    if (fatalBox == nullptr) {
        fatalBox = dialogs::newestDialog(app().shell, "error");
        if (fatalBox == nullptr || !motif::isViewable(XtParent(fatalBox))) {
            fatalBox = nullptr;
            return again();
        }
        EXPECT_EQ(toldUser, 1);
        EXPECT_EQ(dialogs::windowTitle(XtParent(fatalBox)), "Error Exit");
        std::string text = messageText(fatalBox);
        if (expectedStart.empty()) {
            EXPECT_EQ(text, expectedText);
        } else {
            EXPECT_EQ(text.rfind(expectedStart, 0), 0u) << text;
            EXPECT_TRUE(text.size() >= expectedEnd.size() &&
                        text.compare(text.size() - expectedEnd.size(), expectedEnd.size(), expectedEnd) == 0)
                << text;
        }
        EXPECT_EQ(buttonsShown(fatalBox), labels({"Close Application"}));
        unsigned char style = 0xFF;
        XtVaGetValues(fatalBox, XmNdialogStyle, &style, nullptr);
        EXPECT_EQ(style, expectedStyle);

        Widget shell = XtParent(fatalBox);
        Atom deleteWindow = XmInternAtom(XtDisplay(shell), const_cast<char *>("WM_DELETE_WINDOW"), False);
        XmAddWMProtocolCallback(shell, deleteWindow, [](Widget, XtPointer, XtPointer) { closeRequested = true; },
                                nullptr);
        sendDeleteWindow(shell);
        return again();
    }
    if (!closeRequested) {
        return again();
    }
    // The close request came and went; the report is still up.
    EXPECT_TRUE(motif::isViewable(XtParent(fatalBox)));
    printf("window manager close ignored\n");
    fflush(stdout);
    clickLater(XmMessageBoxGetChild(fatalBox, XmDIALOG_OK_BUTTON));
}

void startWatching()
{
    Widget form = XmCreateForm(app().shell, const_cast<char *>("tool"), nullptr, 0);
    XtVaSetValues(form, XmNwidth, 200, XmNheight, 100, nullptr);
    XtManageChild(form);
    ASSERT_TRUE(motif::showShell(app().shell));
    again();
    // A report that cannot be closed any more ends the scenario instead of hanging it.
    XtAppAddTimeOut(app().context, 20000, [](XtPointer, XtIntervalId *) {
        printf("scenario timed out\n");
        fflush(stdout);
        _exit(2);
    }, nullptr);
}

} // namespace

CHILD_TEST(FatalScenario, InternalErrorWithoutExtra)
{
    expectedText = "INTERNAL ERROR at: mibSel.cpp:42.\nContact your Brannock Support representative.\n";
    expectedStyle = XmDIALOG_PRIMARY_APPLICATION_MODAL;
    startWatching();
    x_internal_error_str(exitProc, app().shell, nullptr, "/src/util_libs/mibSel.cpp", 42);
}

CHILD_TEST(FatalScenario, ModelessReportWithExtraText)
{
    tellUserModal = 0;
    expectedText = "INTERNAL ERROR at: descEvent.cpp:7.\nContact your Brannock Support representative.\n"
                   "The MIB database is damaged.\n";
    expectedStyle = XmDIALOG_MODELESS;
    startWatching();
    x_internal_error_str(nullptr, app().shell, "The MIB database is damaged.", "lib/descEvent.cpp", 7);
}

CHILD_TEST(FatalScenario, LongTextIsCut)
{
    expectedText = std::string(10239, 'z');
    expectedStyle = XmDIALOG_PRIMARY_APPLICATION_MODAL;
    startWatching();
    std::string longText(12000, 'z');
    tellUserThenExit(exitProc, app().shell, "%s", longText.c_str());
}

CHILD_TEST(FatalScenario, FullArgumentListStopsTheBuilder)
{
    expectedStart = "INTERNAL ERROR at: Form.cpp:";
    expectedEnd = "AddVPane: no room for resource \"sashShadowThickness\": the staged argument list holds "
                  "50 entries.\n";
    expectedStyle = XmDIALOG_PRIMARY_APPLICATION_MODAL;
    startWatching();
    // Room for three of the six resources that hide the sashes.
    widgetArgCnt = 0;
    for (int i = 0; i < CVGUI_WIDGET_ARGS - 3; i++) {
        XtSetArg(widgetArgs[widgetArgCnt], XmNwidth, 100 + i);
        widgetArgCnt++;
    }
    AddVPane(app().shell, "panes", True);
    printf("builder returned\n");
}

CHILD_TEST(FatalScenario, NoShellWritesToStandardError)
{
    tellUserThenExit(exitProc, nullptr, "Cannot open display %s", ":99");
}

CHILD_TEST(FatalScenario, NotAShell)
{
    Widget form = XmCreateForm(app().shell, const_cast<char *>("notAShell"), nullptr, 0);
    tellUserThenExit(exitProc, form, "Lost the map session");
}

TEST(FatalReport, UserReadsItAndClosesTheApplication)
{
    IsolatedRun run = runTestProcess("FatalScenario.InChild_InternalErrorWithoutExtra");
    EXPECT_EQ(run.status, 1) << run.output;
    EXPECT_NE(run.output.find("window manager close ignored\n"), std::string::npos) << run.output;
    EXPECT_NE(run.output.find("exit procedure called with 1; checks passed"), std::string::npos) << run.output;
}

TEST(FatalReport, ModelessWhenAskedAndExtraTextLast)
{
    IsolatedRun run = runTestProcess("FatalScenario.InChild_ModelessReportWithExtraText");
    EXPECT_EQ(run.status, 1) << run.output;
    EXPECT_NE(run.output.find("window manager close ignored\n"), std::string::npos) << run.output;
    EXPECT_EQ(run.output.find("Failure"), std::string::npos) << run.output;
}

TEST(FatalReport, LongTextsAreCut)
{
    IsolatedRun run = runTestProcess("FatalScenario.InChild_LongTextIsCut");
    EXPECT_EQ(run.status, 1) << run.output;
    EXPECT_NE(run.output.find("exit procedure called with 1; checks passed"), std::string::npos) << run.output;
}

TEST(FatalReport, BuilderWithNoRoomLeftStopsInsteadOfOverrunning)
{
    IsolatedRun run = runTestProcess("FatalScenario.InChild_FullArgumentListStopsTheBuilder");
    EXPECT_EQ(run.status, 1) << run.output;
    EXPECT_EQ(run.output.find("builder returned"), std::string::npos) << run.output;
    EXPECT_EQ(run.output.find("Failure"), std::string::npos) << run.output;
}

TEST(FatalReport, WithoutAShellTheTextGoesToStandardErrorAtOnce)
{
    for (const char *scenario : {"FatalScenario.InChild_NoShellWritesToStandardError",
                                 "FatalScenario.InChild_NotAShell"}) {
        IsolatedRun run = runTestProcess(scenario);
        EXPECT_EQ(run.status, 1) << run.output;
        EXPECT_EQ(run.output.find("exit procedure"), std::string::npos) << run.output;
        EXPECT_TRUE(run.output.find("Cannot open display :99\n") != std::string::npos ||
                    run.output.find("Lost the map session\n") != std::string::npos)
            << run.output;
    }
}
