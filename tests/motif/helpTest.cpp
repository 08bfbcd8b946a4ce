// The Help menu, the help handlers and context help, with a real help viewer command that records
// what it is asked to show.
#include "dialogSupport.h"
#include "isolated.h"

#include "cvw.h"

#include <X11/cursorfont.h>
#include <X11/extensions/Xfixes.h>
#include <Xm/CascadeB.h>
#include <Xm/Form.h>
#include <Xm/Label.h>
#include <Xm/RowColumn.h>
#include <sys/wait.h>

using dialogs::HelpViewer;
using dialogs::labels;
using dialogs::messageText;
using motif::app;
using motif::labelText;

namespace {

struct Menu {
    Widget shell;
    Widget bar;
    Widget cascade;
    Widget pane;
};

// A window with a menu bar and one pull-down pane, "Help".
Menu menuWindow(const char *name)
{
    Menu m;
    m.shell = motif::newTopLevel(name);
    m.bar = XmCreateMenuBar(motif::sizedForm(m.shell, 300, 120), const_cast<char *>("bar"), nullptr, 0);
    m.pane = XmCreatePulldownMenu(m.bar, const_cast<char *>("helpPane"), nullptr, 0);
    m.cascade = XmCreateCascadeButton(m.bar, const_cast<char *>("Help"), nullptr, 0);
    XtVaSetValues(m.cascade, XmNsubMenuId, m.pane, nullptr);
    XtManageChild(m.cascade);
    XtManageChild(m.bar);
    return m;
}

std::vector<std::string> entryLabels(Widget pane)
{
    std::vector<std::string> out;
    for (Widget w : motif::children(pane)) {
        out.push_back(labelText(w));
    }
    return out;
}

// Opens the pane from the menu bar and chooses the entry, as a user does.
void choose(const Menu &m, Widget entry)
{
    motif::click(m.cascade);
    ASSERT_TRUE(motif::pumpUntil([&] { return motif::isViewable(XtParent(m.pane)); }));
    motif::click(entry);
    ASSERT_TRUE(motif::pumpUntil([&] { return !motif::isViewable(XtParent(m.pane)); }));
}

Widget entryShowing(Widget pane, const std::string &label)
{
    for (Widget w : motif::children(pane)) {
        if (labelText(w) == label) {
            return w;
        }
    }
    return nullptr;
}

int aboutCalls;
XtPointer aboutData = reinterpret_cast<XtPointer>(1);
void about(Widget, XtPointer data, XtPointer)
{
    aboutCalls++;
    aboutData = data;
}

} // namespace

TEST(HelpMenu, EntriesInOrderEachShowingItsTopic)
{
    HelpViewer viewer;
    Menu m = menuWindow("grapherWindow");
    addHelpMenuItems(m.pane, const_cast<char *>("grapher"), const_cast<char *>("Grapher"), 0, nullptr, nullptr);
    EXPECT_EQ(entryLabels(m.pane), labels({"Overview", "On Window", "Tasks", "What's New with Grapher",
                                           "Mouse and Keyboard", "Using Help"}));
    ASSERT_TRUE(motif::popUp(m.shell));

    const std::vector<std::pair<std::string, std::string>> topics = {
        {"Overview", "zbr:grapher.over"},  {"On Window", "zbr:grapher.wind"},
        {"Tasks", "zbr:grapher.tasks"},    {"What's New with Grapher", "zbr:grapher.new"},
        {"Mouse and Keyboard", "zbr:grapher.mouse"}, {"Using Help", "Help4Help:_hometopic"},
    };
    for (const auto &t : topics) {
        SCOPED_TRACE(t.first);
        choose(m, entryShowing(m.pane, t.first));
        EXPECT_EQ(viewer.nextRequest(), labels({"volume", t.second.c_str()}));
    }

    // The Close entry a tool adds calls its procedure with its data.
    static int closes, token;
    static XtPointer seen;
    Widget close = AddMCloseMenuPB(m.pane, [](Widget, XtPointer data, XtPointer) { closes++, seen = data; }, &token);
    EXPECT_STREQ(XtName(close), "closeMenuButton");
    EXPECT_EQ(labelText(close), "Close");
    choose(m, close);
    EXPECT_TRUE(motif::pumpUntil([] { return closes == 1; }));
    EXPECT_EQ(seen, &token);
    XtDestroyWidget(m.shell);
}

TEST(HelpMenu, OnApplicationUsesTheHandlerOfItsKindAndAboutItsProcedure)
{
    HelpViewer viewer;
    const std::vector<std::pair<int, std::string>> kinds = {
        {cvwHelpFile, "file"}, {cvwHelpVolume, "volume"}, {cvwQuickHelp, "quick"}, {cvwHelpString, "string"},
        {cvwManPage, "man"},   {cvwTextFile, "text"},     {4, "text"}, // any other kind: a text file
    };
    for (const auto &k : kinds) {
        SCOPED_TRACE(k.first);
        Menu m = menuWindow("appHelpWindow");
        char target[] = "mibBrowser/intro";
        addHelpMenuItems(m.pane, const_cast<char *>("mibBrowser"), const_cast<char *>("MIB Browser"), k.first,
                         target, about);
        // The entry keeps a copy of the target.
        target[0] = 'X';
        EXPECT_EQ(entryLabels(m.pane), labels({"Overview", "On Window", "On Application", "Tasks",
                                               "What's New with MIB Browser", "Using Help", "About MIB Browser"}));
        ASSERT_TRUE(motif::popUp(m.shell));
        choose(m, entryShowing(m.pane, "On Application"));
        EXPECT_EQ(viewer.nextRequest(), labels({k.second.c_str(), "mibBrowser/intro"}));
        XtDestroyWidget(m.shell);
    }

    Menu m = menuWindow("aboutWindow");
    addHelpMenuItems(m.pane, const_cast<char *>("eventBrowser"), const_cast<char *>("Events"), cvwQuickHelp, nullptr, about);
    EXPECT_EQ(entryLabels(m.pane), labels({"Overview", "On Window", "Tasks", "What's New with Events",
                                           "Mouse and Keyboard", "Using Help", "About Events"}));
    ASSERT_TRUE(motif::popUp(m.shell));
    aboutCalls = 0;
    choose(m, entryShowing(m.pane, "About Events"));
    EXPECT_TRUE(motif::pumpUntil([] { return aboutCalls == 1; }));
    EXPECT_EQ(aboutData, nullptr);
    XtDestroyWidget(m.shell);
}

TEST(HelpHandlers, FailureIsReportedWithTheKindTargetAndSessionError)
{
    unsetenv(CVW_HELP_VIEWER_ENV);
    Menu m = menuWindow("failingWindow");
    addHelpMenuItems(m.pane, const_cast<char *>("x"), const_cast<char *>("X"), cvwQuickHelp, const_cast<char *>("tip"), nullptr);
    ASSERT_TRUE(motif::popUp(m.shell));
    choose(m, entryShowing(m.pane, "On Application"));
    Widget box = dialogs::newestDialog(toplevel, "Error");
    ASSERT_NE(box, nullptr);
    ASSERT_TRUE(dialogs::shown(box));
    EXPECT_EQ(dialogs::windowTitle(XtParent(box)), "Error");
    EXPECT_EQ(messageText(box), std::string("Could not bring up \"cvwQuickHelp\" CVw Help on \"tip\":\n") +
                                    CVwErrorMsg(CVW_ENOHELPVIEWER) + " (error #40).");
    XtDestroyWidget(XtParent(box));
    XtDestroyWidget(m.shell);
}

TEST(ContextHelp, LinkGoesToTheViewerAndFailuresToTheShell)
{
    HelpViewer viewer;
    Widget shell = motif::newTopLevel("contextWindow");
    Widget form = XmCreateForm(shell, const_cast<char *>("f"), nullptr, 0);
    Widget label = XmCreateLabel(form, const_cast<char *>("l"), nullptr, 0);
    XtManageChild(label);
    XtManageChild(form);
    ASSERT_TRUE(motif::popUp(shell));

    cvwContextSensitiveHelpCB(label, nullptr, nullptr);
    HelpLink link{cvwManPage, const_cast<char *>("xzbtrap(1)")};
    cvwContextSensitiveHelpCB(label, &link, nullptr);
    EXPECT_EQ(viewer.nextRequest(), labels({"man", "xzbtrap(1)"}));
    EXPECT_EQ(dialogs::newestDialog(shell, "cvwContextHelpError"), nullptr);

    HelpLink bad{3, const_cast<char *>("nowhere")};
    cvwContextSensitiveHelpCB(label, &bad, nullptr);
    Widget box = dialogs::newestDialog(shell, "cvwContextHelpError");
    ASSERT_NE(box, nullptr);
    ASSERT_TRUE(dialogs::shown(box));
    EXPECT_EQ(messageText(box), "Unable to display help information for helpType 3 link \"nowhere\"");
    EXPECT_EQ(dialogs::windowTitle(XtParent(box)), "Error");
    EXPECT_EQ(dialogs::buttonsShown(box), labels({"Close"}));
    dialogs::DestroyWatch watch(box);
    motif::click(XmMessageBoxGetChild(box, XmDIALOG_OK_BUTTON));
    EXPECT_TRUE(watch.await());

    // With no shell above the widget, standard error.
    testing::internal::CaptureStderr();
    cvwContextSensitiveHelpCB(nullptr, &bad, nullptr);
    EXPECT_EQ(testing::internal::GetCapturedStderr(),
              "Unable to display help information for helpType 3 link \"nowhere\"\n");
    XtDestroyWidget(shell);
}

namespace {

// The pixels of the cursor on the screen now.
std::string cursorImage(Display *d)
{
    XFixesCursorImage *image = XFixesGetCursorImage(d);
    std::string out;
    char hex[16];
    for (int p = 0; image != nullptr && p < image->width * image->height; p++) {
        snprintf(hex, sizeof hex, "%lx ", image->pixels[p] & 0xffffffff);
        out += hex;
    }
    if (image != nullptr) {
        XFree(image);
    }
    return out;
}

// The user's click during on-item help, from another process (the tracking loop holds this one):
// once the screen shows the question arrow of the pick, it clicks at (x, y). Exits 0 when it
// clicked, 1 when the arrow never showed.
pid_t clickWhenArrowShows(int x, int y, const std::string &arrow)
{
    fflush(nullptr);
    pid_t pid = fork();
    if (pid != 0) {
        return pid;
    }
    Display *d = XOpenDisplay(nullptr);
    for (int i = 0; d != nullptr && i < 1000; i++) {
        if (cursorImage(d) == arrow) {
            XTestFakeMotionEvent(d, -1, x, y, CurrentTime);
            XTestFakeButtonEvent(d, 1, True, CurrentTime);
            XTestFakeButtonEvent(d, 1, False, CurrentTime);
            XSync(d, False);
            _exit(0);
        }
        usleep(10000);
    }
    _exit(1);
}

// The image of the question-arrow cursor, read with the pointer over a window that shows it.
std::string questionArrowImage(Widget over)
{
    Display *d = app().display;
    Cursor arrow = XCreateFontCursor(d, XC_question_arrow);
    XDefineCursor(d, XtWindow(over), arrow);
    Window child;
    int x, y;
    XTranslateCoordinates(d, XtWindow(over), DefaultRootWindow(d), 5, 5, &x, &y, &child);
    XWarpPointer(d, None, DefaultRootWindow(d), 0, 0, 0, 0, x, y);
    XSync(d, False);
    std::string out = cursorImage(d);
    XUndefineCursor(d, XtWindow(over));
    XSync(d, False);
    return out;
}

struct OnItem {
    Widget shell, form, label, other;
};

OnItem onItemWindow(const char *name)
{
    OnItem w;
    w.shell = motif::newTopLevel(name);
    w.form = motif::sizedForm(w.shell, 300, 120, "helpfulForm");
    w.label = XmCreateLabel(w.form, const_cast<char *>("nodeName"), nullptr, 0);
    XtVaSetValues(w.label, XmNtopAttachment, XmATTACH_FORM, XmNleftAttachment, XmATTACH_FORM, nullptr);
    XtManageChild(w.label);
    w.other = motif::newTopLevel("helpless");
    motif::sizedForm(w.other, 200, 100, "plain");
    XtVaSetValues(w.other, XmNx, 600, XmNy, 400, nullptr);
    EXPECT_TRUE(motif::popUp(w.shell));
    EXPECT_TRUE(motif::popUp(w.other));
    return w;
}

void centreOf(Widget w, int &x, int &y)
{
    Window child;
    Dimension width, height;
    XtVaGetValues(w, XmNwidth, &width, XmNheight, &height, nullptr);
    XTranslateCoordinates(XtDisplay(w), XtWindow(w), DefaultRootWindow(XtDisplay(w)), width / 2, height / 2, &x, &y,
                          &child);
}

int helpReason = -1;
XEvent *helpEvent = reinterpret_cast<XEvent *>(1);
int helpCalls;
void formHelp(Widget, XtPointer, XtPointer call)
{
    auto *cb = static_cast<XmAnyCallbackStruct *>(call);
    helpCalls++;
    helpReason = cb->reason;
    helpEvent = cb->event;
}

} // namespace

// On-item help from w: the question arrow shows, the user clicks the label; whether it came to that.
bool pickLabel(const OnItem &w, Widget start, const std::string &arrow)
{
    int x, y;
    centreOf(w.label, x, y);
    pid_t user = clickWhenArrowShows(x, y, arrow);
    WlibOnItemHelp(start);
    int status = -1;
    waitpid(user, &status, 0);
    return status == 0;
}

// The picked widget asks the nearest widget above it with help; with none, a warning on the shell.
TEST(OnItemHelp, PickedWidgetAsksTheNearestWidgetWithHelpOrWarns)
{
    OnItem w = onItemWindow("onItem");
    std::string arrow = questionArrowImage(w.form);
    ASSERT_FALSE(arrow.empty());

    XtAddCallback(w.form, XmNhelpCallback, formHelp, nullptr);
    EXPECT_TRUE(pickLabel(w, w.shell, arrow));
    EXPECT_EQ(helpCalls, 1);
    EXPECT_EQ(helpReason, XmCR_HELP);
    EXPECT_EQ(helpEvent, nullptr);

    XtRemoveCallback(w.form, XmNhelpCallback, formHelp, nullptr);
    EXPECT_TRUE(pickLabel(w, w.label, arrow));
    Widget box = dialogs::newestDialog(w.shell, "cvwContextHelpWarn");
    ASSERT_NE(box, nullptr);
    ASSERT_TRUE(dialogs::shown(box));
    EXPECT_EQ(messageText(box), "Unable to access context-sensitive\nhelp for the selected window.");
    EXPECT_EQ(dialogs::windowTitle(XtParent(box)), "Warning");
    EXPECT_EQ(helpCalls, 1);
    XtDestroyWidget(w.shell);
    XtDestroyWidget(w.other);
}
