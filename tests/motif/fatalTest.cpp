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
        EXPECT_EQ(motif::value<unsigned char>(fatalBox, XmNdialogStyle), expectedStyle);

        Widget shell = XtParent(fatalBox);
        Atom deleteWindow = XmInternAtom(XtDisplay(shell), const_cast<char *>("WM_DELETE_WINDOW"), False);
        XmAddWMProtocolCallback(shell, deleteWindow, [](Widget, XtPointer, XtPointer) { closeRequested = true; },
                                nullptr);
        dialogs::sendCloseRequest(shell);
        return again();
    }
    if (!closeRequested) {
        return again();
    }
    // The close request came and went; the report is still up.
    EXPECT_TRUE(motif::isViewable(XtParent(fatalBox)));
    printf("window manager close ignored\n");
    fflush(stdout);
    // The click is left for the report's own loop to handle.
    motif::sendClick(XmMessageBoxGetChild(fatalBox, XmDIALOG_OK_BUTTON));
}

void startWatching()
{
    motif::sizedForm(app().shell, 200, 100, "tool");
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

// Every scenario ends the process with status 1; what its output must and must never say.
TEST(FatalReport, EachScenarioEndsTheProcessWithStatusOne)
{
    struct Case {
        const char *scenario;
        std::vector<std::string> says, never;
    };
    const Case cases[] = {
        // The user reads the report; the window manager's close is ignored; Close Application exits.
        {"InternalErrorWithoutExtra", {"window manager close ignored\n", "exit procedure called with 1; checks passed"}, {}},
        {"ModelessReportWithExtraText", {"window manager close ignored\n"}, {"Failure"}},
        {"LongTextIsCut", {"exit procedure called with 1; checks passed"}, {}},
        // A builder with no room left for its resources stops instead of overrunning the list.
        {"FullArgumentListStopsTheBuilder", {}, {"builder returned", "Failure"}},
        // Without a shell the text goes to standard error at once, before any exit procedure.
        {"NoShellWritesToStandardError", {"Cannot open display :99\n"}, {"exit procedure"}},
        {"NotAShell", {"Lost the map session\n"}, {"exit procedure"}},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.scenario);
        IsolatedRun run = runTestProcess(std::string("FatalScenario.InChild_") + c.scenario);
        EXPECT_EQ(run.status, 1) << run.output;
        for (const std::string &text : c.says) {
            EXPECT_NE(run.output.find(text), std::string::npos) << text << " in:\n" << run.output;
        }
        for (const std::string &text : c.never) {
            EXPECT_EQ(run.output.find(text), std::string::npos) << text << " in:\n" << run.output;
        }
    }
}
