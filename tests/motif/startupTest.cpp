// What a Motif tool calls when it starts: locale and executable set-up, application resources
// from every place a Motif user keeps them, the icon, paned windows, sensitivity and raising.
#include "motifHarness.h"
#include "isolated.h"

#include "cv.h"

#include <X11/Xatom.h>
#include <X11/Xutil.h>
#include <Xm/Form.h>
#include <Xm/Label.h>
#include <Xm/PanedW.h>
#include <Xm/Text.h>
#include <Xm/SashP.h>
#include <clocale>
#include <cstring>
#include <dlfcn.h>
#include <fstream>
#include <unistd.h>

using motif::app;

namespace {

std::vector<Widget> sensitivityCalls;

struct ToolResources {
    int pollInterval;
    Boolean verbose;
    Pixel flashColour;
    String title;
    Dimension margin;
};

XtResource toolResources[] = {
    {const_cast<char *>("pollInterval"), const_cast<char *>("PollInterval"), XtRInt, sizeof(int),
     XtOffsetOf(ToolResources, pollInterval), XtRImmediate, reinterpret_cast<XtPointer>(60)},
    {const_cast<char *>("verbose"), const_cast<char *>("Verbose"), XtRBoolean, sizeof(Boolean),
     XtOffsetOf(ToolResources, verbose), XtRImmediate, reinterpret_cast<XtPointer>(False)},
    {const_cast<char *>("flashColour"), const_cast<char *>("FlashColour"), XtRPixel, sizeof(Pixel),
     XtOffsetOf(ToolResources, flashColour), XtRString, const_cast<char *>("blue")},
    {const_cast<char *>("title"), const_cast<char *>("Title"), XtRString, sizeof(String),
     XtOffsetOf(ToolResources, title), XtRString, const_cast<char *>("untitled")},
    {const_cast<char *>("margin"), const_cast<char *>("Margin"), XtRDimension, sizeof(Dimension),
     XtOffsetOf(ToolResources, margin), XtRImmediate, reinterpret_cast<XtPointer>(4)},
};

ToolResources read(const char *appName)
{
    ToolResources r{};
    _CVGetApplicationResources(appName, nullptr, &r, toolResources, XtNumber(toolResources));
    return r;
}

Pixel namedPixel(const char *name)
{
    XColor screen, exact;
    XAllocNamedColor(app().display, DefaultColormap(app().display, DefaultScreen(app().display)), name, &screen, &exact);
    return screen.pixel;
}

void databaseLines()
{
    motif::fallbackResources() = {
        "CVw.pollInterval: 30",
        "CVw.title: Map session",
        "xzbtrap.pollInterval: 45",
        "xzbtrap.verbose: on",
        "xzbtrap.flashColour: red",
        "xzbtrap*margin: 9",
        // Under the application's class, every application name finds it.
        "CvguiTest.title: From the class",
    };
}

} // namespace

extern "C" void XtSetSensitive(Widget w, Boolean sensitive)
{
    using Real = void (*)(Widget, Boolean);
    static Real real = reinterpret_cast<Real>(dlsym(RTLD_NEXT, "XtSetSensitive"));
    sensitivityCalls.push_back(w);
    real(w, sensitive);
}

CHILD_TEST(StartupScenario, SetUpBeforeTheDisplayOpens)
{
    static char path[] = "/opt/corvane/bin/xzbtool";
    static char *argv[] = {path, nullptr};
    const char *name = _CVsetupGUIExecutable(1, argv);
    EXPECT_STREQ(name, "xzbtool");
    EXPECT_STREQ(_CVgetProgname(1), "xzbtool");
    EXPECT_EQ(GetWidgetHelpCallback(), cvwContextSensitiveHelpCB);
    // The user's locale, for the C library and for X.
    EXPECT_STREQ(setlocale(LC_CTYPE, nullptr), "de_DE.UTF-8");
    EXPECT_TRUE(XSupportsLocale());
    // Displays opened now use it through the toolkit's language procedure.
    app();
    EXPECT_STREQ(setlocale(LC_CTYPE, nullptr), "de_DE.UTF-8");
}

TEST(Startup, SetUpBeforeTheDisplayOpens)
{
    const char *lang = getenv("LANG");
    std::string saved = lang != nullptr ? lang : "";
    setenv("LANG", "de_DE.UTF-8", 1);
    EXPECT_TRUE(runIsolated("StartupScenario.InChild_SetUpBeforeTheDisplayOpens"));
    lang != nullptr ? setenv("LANG", saved.c_str(), 1) : unsetenv("LANG");
}

CHILD_TEST(ResourceScenario, EmptyNameIsRememberedAndMeansCVw)
{
    databaseLines();
    app();
    ToolResources first = read("");
    EXPECT_EQ(first.pollInterval, 30);
    EXPECT_STREQ(first.title, "Map session");
    ToolResources second = read(nullptr);
    EXPECT_EQ(second.pollInterval, 30);
    // A name given later is used for that call only.
    EXPECT_EQ(read("xzbtrap").pollInterval, 45);
    EXPECT_EQ(read(nullptr).pollInterval, 30);
}

CHILD_TEST(ResourceScenario, NullRemembersNothing)
{
    databaseLines();
    app();
    EXPECT_EQ(read(nullptr).pollInterval, 30);
    EXPECT_EQ(read("xzbtrap").pollInterval, 45);
    EXPECT_EQ(read(nullptr).pollInterval, 45) << "the first name given after a null one is remembered";
}

CHILD_TEST(ResourceScenario, FirstNameIsRememberedWithXtsConverters)
{
    databaseLines();
    app();
    ToolResources r = read("xzbtrap");
    EXPECT_EQ(r.pollInterval, 45);
    EXPECT_TRUE(r.verbose) << "\"on\" through Xt's Boolean converter";
    EXPECT_EQ(r.flashColour, namedPixel("red"));
    EXPECT_EQ(r.margin, 9);
    EXPECT_STREQ(r.title, "From the class");

    ToolResources again = read(nullptr);
    EXPECT_EQ(again.pollInterval, 45);
    EXPECT_EQ(again.flashColour, namedPixel("red"));

    // Where the database has nothing, the resource list's defaults.
    ToolResources other = read("xzbgraph");
    EXPECT_EQ(other.pollInterval, 60);
    EXPECT_FALSE(other.verbose);
    EXPECT_EQ(other.flashColour, namedPixel("blue"));
    EXPECT_EQ(other.margin, 4);
    EXPECT_STREQ(other.title, "From the class");
}

CHILD_TEST(ResourceScenario, AppDefaultsServerAndCommandLine)
{
    // The three places of a Motif user's settings: the class's app-defaults file, the resources
    // loaded into the server (xrdb), and -xrm on the command line, which wins.
    char dir[] = "/tmp/cvgui-appdefaults-XXXXXX";
    ASSERT_NE(mkdtemp(dir), nullptr);
    std::ofstream(std::string(dir) + "/CvguiStartup") << "xzbgraph.title: From app-defaults\n"
                                                         "xzbgraph.margin: 11\n"
                                                         "xzbgraph.pollInterval: 1\n";
    setenv("XAPPLRESDIR", dir, 1);

    Display *d = XOpenDisplay(nullptr);
    ASSERT_NE(d, nullptr);
    const char server[] = "xzbgraph.verbose: true\nxzbgraph.pollInterval: 12\n";
    XChangeProperty(d, DefaultRootWindow(d), XA_RESOURCE_MANAGER, XA_STRING, 8, PropModeReplace,
                    reinterpret_cast<const unsigned char *>(server), sizeof server - 1);
    XCloseDisplay(d);

    static char prog[] = "xzbgraph", xrm[] = "-xrm", line[] = "xzbgraph.pollInterval: 99";
    static char *argv[] = {prog, xrm, line, nullptr};
    int argc = 3;
    XtAppContext context;
    XtSetLanguageProc(nullptr, nullptr, nullptr);
    toplevel = XtAppInitialize(&context, "CvguiStartup", nullptr, 0, &argc, argv, nullptr, nullptr, 0);
    ASSERT_NE(toplevel, nullptr);

    ToolResources r{};
    _CVGetApplicationResources("xzbgraph", nullptr, &r, toolResources, XtNumber(toolResources));
    EXPECT_STREQ(r.title, "From app-defaults");
    EXPECT_EQ(r.margin, 11);
    EXPECT_TRUE(r.verbose);
    EXPECT_EQ(r.pollInterval, 99);
    unlink((std::string(dir) + "/CvguiStartup").c_str());
    rmdir(dir);
}

CHILD_TEST(ResourceScenario, WithoutAWidgetTheDefaultsAreFilled)
{
    // No display opened and no top-level shell: the resource list's own defaults.
    ToolResources r;
    memset(&r, 0x5A, sizeof r);
    _CVGetApplicationResources("xzbgraph", nullptr, &r, toolResources, XtNumber(toolResources));
    EXPECT_EQ(r.pollInterval, 60);
    EXPECT_FALSE(r.verbose);
    EXPECT_EQ(r.margin, 4);
    EXPECT_STREQ(r.title, "untitled");
    EXPECT_EQ(r.flashColour, 0u) << "a colour needs a display: left zero";
    free(r.title); // a copy, the caller's
}

TEST(ApplicationResources, EachScenarioInAProcessOfItsOwn)
{
    for (const char *scenario : {"EmptyNameIsRememberedAndMeansCVw", "NullRemembersNothing",
                                 "FirstNameIsRememberedWithXtsConverters", "AppDefaultsServerAndCommandLine",
                                 "WithoutAWidgetTheDefaultsAreFilled"}) {
        EXPECT_TRUE(runIsolated(std::string("ResourceScenario.InChild_") + scenario));
    }
}

TEST(Icon, ShellGetsItsIconAndIconName)
{
    Widget shell = motif::newTopLevel("iconShell");
    motif::sizedForm(shell, 80, 40);
    static char bits[] = {0x3c, 0x42, (char)0x81, (char)0x81, (char)0x81, (char)0x81, 0x42, 0x3c};
    XtSetArg(widgetArgs[widgetArgCnt], XmNtitle, "pending"), widgetArgCnt++;
    initIcon(shell, 8, 8, bits, const_cast<char *>("Traps"));
    EXPECT_EQ(widgetArgCnt, 0u) << "pending arguments are dropped";
    ASSERT_TRUE(motif::popUp(shell));

    XWMHints *hints = XGetWMHints(app().display, XtWindow(shell));
    ASSERT_NE(hints, nullptr);
    EXPECT_TRUE(hints->flags & IconPixmapHint);
    Window root;
    int x, y;
    unsigned int w, h, border, depth;
    ASSERT_NE(XGetGeometry(app().display, hints->icon_pixmap, &root, &x, &y, &w, &h, &border, &depth), 0);
    EXPECT_EQ(w, 8u);
    EXPECT_EQ(depth, 1u);
    XFree(hints);
    char *iconName = nullptr;
    ASSERT_NE(XGetIconName(app().display, XtWindow(shell), &iconName), 0);
    EXPECT_STREQ(iconName, "Traps");
    XFree(iconName);
    XtDestroyWidget(shell);
}

TEST(PanedWindows, HiddenSashesAreStagedLastAndLeaveTheTabOrder)
{
    widgetArgCnt = 0;
    XtSetArg(widgetArgs[widgetArgCnt], XmNwidth, 200), widgetArgCnt++;
    XtSetArg(widgetArgs[widgetArgCnt], XmNheight, 100), widgetArgCnt++;
    setupPane();
    ASSERT_EQ(widgetArgCnt, 6u) << "the caller's two, then the four of the sashes";

    Widget shell = motif::newTopLevel("panes");
    Widget paned = XmCreatePanedWindow(shell, const_cast<char *>("paned"), widgetArgs, widgetArgCnt);
    widgetArgCnt = 0;
    Widget top = XmCreateText(paned, const_cast<char *>("top"), nullptr, 0);
    Widget bottom = XmCreateText(paned, const_cast<char *>("bottom"), nullptr, 0);
    Widget panes[] = {top, bottom};
    XtManageChildren(panes, 2);
    XtManageChild(paned);
    ASSERT_TRUE(motif::popUp(shell));

    TurnOffSashTraversal(paned);
    int sashes = 0;
    for (Widget w : motif::children(paned)) {
        bool traversal = motif::value<Boolean>(w, XmNtraversalOn);
        if (XmIsSash(w)) {
            sashes++;
            EXPECT_FALSE(traversal);
        } else if (w == top || w == bottom) {
            EXPECT_TRUE(traversal);
        }
    }
    EXPECT_GE(sashes, 1);
    XtDestroyWidget(shell);
}

TEST(Sensitivity, ChangesOnlyWhatDiffers)
{
    Widget label = XmCreateLabel(app().shell, const_cast<char *>("sensitive"), nullptr, 0);
    sensitivityCalls.clear();
    setSensitive(nullptr, True);
    setSensitive(label, True);
    EXPECT_TRUE(sensitivityCalls.empty());
    setSensitive(label, False);
    EXPECT_FALSE(XtIsSensitive(label));
    EXPECT_EQ(sensitivityCalls.size(), 1u);
    setSensitive(label, True);
    EXPECT_TRUE(XtIsSensitive(label));
    XtDestroyWidget(label);
}

TEST(Raising, MapsAndRaisesTheWindow)
{
    auto shown = [](const char *name) {
        Widget shell = motif::newTopLevel(name);
        motif::sizedForm(shell, 150, 80);
        XtVaSetValues(shell, XmNx, 100, XmNy, 100, nullptr);
        EXPECT_TRUE(motif::popUp(shell));
        return shell;
    };
    // mwm gives a new window the focus and raises it; that must be over before the test raises.
    auto focused = [](Widget shell) {
        Window focus;
        int revert;
        XGetInputFocus(XtDisplay(shell), &focus, &revert);
        for (Window w = focus; w != None && w != PointerRoot;) {
            if (w == XtWindow(shell)) {
                return true;
            }
            Window root, parent, *children;
            unsigned int n;
            if (XQueryTree(XtDisplay(shell), w, &root, &parent, &children, &n) == 0) {
                break;
            }
            XFree(children);
            w = parent == root ? None : parent;
        }
        return false;
    };
    Widget lower = shown("lower");
    ASSERT_TRUE(motif::pumpUntil([&] { return focused(lower); }));
    Widget upper = shown("upper");
    ASSERT_TRUE(motif::pumpUntil([&] { return focused(upper); }));
    ASSERT_TRUE(motif::stackedAbove(upper, lower));
    mapRaiseWindow(lower);
    EXPECT_TRUE(motif::pumpUntil([&] { return motif::stackedAbove(lower, upper); }));

    XtUnmapWidget(upper);
    ASSERT_TRUE(motif::pumpUntil([&] { return !motif::isViewable(upper); }));
    mapRaiseWindow(upper);
    EXPECT_TRUE(motif::pumpUntil([&] { return motif::isViewable(upper); }));
    XtDestroyWidget(lower);
    XtDestroyWidget(upper);
}
