// Constant-width fonts on the X server's real fonts (the misc fonts of xfonts-base): which font
// the resources lead to, what the user is told when a name is wrong, the font list a tool keeps,
// bold and scaled variants, and font names written into buffers that are never overrun.
// The choice is made once a process, so each resource scenario runs in a process of its own.
#include "dialogSupport.h"
#include "isolated.h"

#include "cvguiP.h"

#include <Xm/Form.h>
#include <Xm/List.h>
#include <cstring>
#include <string>
#include <vector>

using motif::app;

namespace {

const char defaultFont[] = "-misc-fixed-medium-r-semicondensed--13-120-75-75-c-60-*-*";

// The texts of the warning dialogs shown so far, oldest first.
std::vector<std::string> warningsShown()
{
    std::vector<std::string> texts;
    Widget shell = app().shell;
    for (Cardinal i = 0; i < shell->core.num_popups; i++) {
        Widget box = XtNameToWidget(shell->core.popup_list[i], "Warning");
        if (box != nullptr && !box->core.being_destroyed) {
            texts.push_back(dialogs::messageText(box));
        }
    }
    return texts;
}

std::string fontSetNames(XFontSet set)
{
    char buf[4096];
    sprintFontNameFromFontSet(set, buf, sizeof buf);
    return buf;
}

// The widths of the first font of a font list's first entry: a constant-width font has one.
std::pair<int, int> widthsOf(XmFontList list)
{
    XmFontContext context;
    if (list == nullptr || !XmFontListInitFontContext(&context, list)) {
        return {-1, -1};
    }
    XmFontListEntry entry = XmFontListNextEntry(context);
    XmFontType type;
    XtPointer font = entry != nullptr ? XmFontListEntryGetFont(entry, &type) : nullptr;
    XmFontListFreeFontContext(context);
    XFontStruct *first = nullptr;
    if (font != nullptr && type == XmFONT_IS_FONTSET) {
        XFontStruct **fonts;
        char **names;
        if (XFontsOfFontSet(static_cast<XFontSet>(font), &fonts, &names) > 0) {
            first = fonts[0];
        }
    } else if (font != nullptr && type == XmFONT_IS_FONT) {
        first = static_cast<XFontStruct *>(font);
    }
    if (first == nullptr) {
        return {-1, -1};
    }
    return {first->min_bounds.width, first->max_bounds.width};
}

bool contains(const std::string &text, const std::string &part)
{
    return text.find(part) != std::string::npos;
}

// Runs a scenario in its own process, in the given locale, and hands back what it printed.
IsolatedRun scenario(const std::string &name, const char *locale = "C")
{
    setenv("LC_ALL", locale, 1);
    IsolatedRun run = runTestProcess("FontScenario.DISABLED_" + name);
    unsetenv("LC_ALL");
    return run;
}

bool passed(const IsolatedRun &run)
{
    return run.status == 0 && contains(run.output, "[  PASSED  ] 1 test");
}

// In a scenario that ends with the fatal report: prints the warnings and the report, then
// closes the report as the user does, which ends the process with status 1.
void readFatalReportThenClose()
{
    XtAppAddTimeOut(app().context, 20, [](XtPointer, XtIntervalId *) {
        Widget box = dialogs::newestDialog(app().shell, "error");
        if (box == nullptr || !motif::isViewable(XtParent(box))) {
            return readFatalReportThenClose();
        }
        for (const std::string &w : warningsShown()) {
            printf("warning shown: [%s]\n", w.c_str());
        }
        printf("fatal report: [%s]\n", dialogs::messageText(box).c_str());
        fflush(stdout);
        motif::click(XmMessageBoxGetChild(box, XmDIALOG_OK_BUTTON));
    }, nullptr);
    XtAppAddTimeOut(app().context, 20000, [](XtPointer, XtIntervalId *) {
        printf("scenario timed out\n");
        fflush(stdout);
        _exit(2);
    }, nullptr);
}

Widget shownForm(const char *name)
{
    Widget shell = motif::newTopLevel(name);
    Widget form = XmCreateForm(shell, const_cast<char *>("content"), nullptr, 0);
    XtManageChild(form);
    return form;
}

} // namespace

// ---- Scenarios, each in a fresh process ------------------------------------------------------

TEST(FontScenario, DISABLED_DefaultFontForTheTitledList)
{
    // The tool's own look: an Xft render table for every widget, which the table must not take.
    motif::fallbackResources() = {"*renderTable: rt", "*rt.fontType: FONT_IS_XFT", "*rt.fontName: DejaVu Sans"};
    app();
    XFontSet set = getCWFontSet(app().shell);
    EXPECT_TRUE(contains(fontSetNames(set), "-misc-fixed-medium-r-semicondensed--13-120-75-75-c-60-iso8859-1"))
        << fontSetNames(set);
    XmFontList list = getCWFont(app().shell);
    ASSERT_NE(list, nullptr);
    EXPECT_EQ(widthsOf(list), std::make_pair(6, 6));
    EXPECT_EQ(getCWFont(app().shell), list) << "kept for the process";
    EXPECT_EQ(getCWFontSet(app().shell), set);

    // The list and its title are drawn in it: twenty letters are 120 pixels.
    Widget form = shownForm("titled");
    Widget title = nullptr, shown = nullptr;
    Widget synced = AddMSyncTitleAndList(app().shell, form, const_cast<char *>("Name   Address"), 20, 4,
                                         XmBROWSE_SELECT, &title, &shown);
    Dimension width = 0;
    XtVaGetValues(synced, XmNwidth, &width, nullptr);
    EXPECT_EQ(width, 120);
    XmFontList listFont = nullptr, titleFont = nullptr;
    XtVaGetValues(shown, XmNfontList, &listFont, nullptr);
    XtVaGetValues(title, XmNfontList, &titleFont, nullptr);
    EXPECT_EQ(widthsOf(listFont), std::make_pair(6, 6));
    EXPECT_EQ(widthsOf(titleFont), std::make_pair(6, 6));
    EXPECT_TRUE(warningsShown().empty());
}

TEST(FontScenario, DISABLED_WidgetsOwnAliasWins)
{
    motif::fallbackResources() = {"cvguiTest.cwFont: 10x20", "*cwFont: -misc-fixed-medium-r-normal--8-80-75-75-c-50-iso8859-1"};
    XmFontList list = getCWFont(app().shell);
    EXPECT_EQ(widthsOf(list), std::make_pair(10, 10));
    EXPECT_TRUE(warningsShown().empty());
}

TEST(FontScenario, DISABLED_ProportionalNameIsPassedOverSilently)
{
    motif::fallbackResources() = {"cvguiTest.cwFont: -mutt-clearlyu-medium-r-normal--17-120-100-100-p-123-iso10646-1",
                                  "XmText*fontList: 9x15"};
    EXPECT_EQ(widthsOf(getCWFont(app().shell)), std::make_pair(9, 9));
    EXPECT_TRUE(warningsShown().empty());
}

TEST(FontScenario, DISABLED_UnknownAndMalformedNamesKeepAUsableFont)
{
    motif::fallbackResources() = {"cvguiTest.cwFont: -nosuch-font-medium-r-normal--13-120-75-75-c-60-iso8859-1",
                                  "XmText*fontList: -misc-fixed-medium-r-normal--13-120-75-75-c-70"};
    XmFontList list = getCWFont(app().shell);
    EXPECT_EQ(widthsOf(list), std::make_pair(6, 6)) << "the default font";
    EXPECT_EQ(warningsShown(), dialogs::labels({"getCWFont(): Invalid font specification resource \"XmText*fontList\",\n"
                                                "expect 14 dashes in \"-misc-fixed-medium-r-normal--13-120-75-75-c-70\"."}));
}

TEST(FontScenario, DISABLED_UnknownCwFontEndsTheTool)
{
    motif::fallbackResources() = {"*cwFont: -nosuch-font-medium-r-normal--13-120-75-75-c-60-iso8859-1"};
    ASSERT_TRUE(motif::showShell(app().shell));
    readFatalReportThenClose();
    getCWFont(app().shell);
    printf("returned from getCWFont\n");
}

TEST(FontScenario, DISABLED_MissingCharsetsAreListed)
{
    motif::fallbackResources() = {"*complainOnMissingCharsets: True"};
    ASSERT_TRUE(motif::showShell(app().shell));
    readFatalReportThenClose();
    getCWFontSet(app().shell);
}

TEST(FontScenario, DISABLED_ProportionalCwFontGivesTheShellsFont)
{
    motif::fallbackResources() = {"*cwFont: -mutt-clearlyu-medium-r-normal--17-120-100-100-p-*-iso10646-1"};
    XmFontList own = XmFontListCreate(XLoadQueryFont(app().display, "8x13"), const_cast<char *>(XmSTRING_DEFAULT_CHARSET));
    XtVaSetValues(app().shell, XmNtextFontList, own, nullptr);
    XmFontList list = getCWFont(app().shell);
    EXPECT_EQ(widthsOf(list), std::make_pair(8, 8));
    EXPECT_EQ(warningsShown(), dialogs::labels({"getCWFont(): Not a constant width font in fontset"}));
    EXPECT_EQ(getCWFont(app().shell), list);
    EXPECT_EQ(warningsShown().size(), 1u) << "no new warning on the second call";
}

TEST(FontScenario, DISABLED_NotAShell)
{
    motif::fallbackResources() = {"*cwFont: -mutt-clearlyu-medium-r-normal--17-120-100-100-p-*-iso10646-1"};
    EXPECT_EQ(getCWFont(shownForm("notShell")), nullptr);
    std::vector<std::string> told = {"getCWFont(): Not a constant width font in fontset",
                                     "getCWFont(): Toplevel shell is not a vendor shell.\n"
                                     "Can't get XmNtextFontList resource."};
    EXPECT_EQ(warningsShown(), told);
    EXPECT_EQ(getCWFont(app().shell), nullptr) << "decided once";
    EXPECT_EQ(warningsShown(), told);

    // A titled list without the font still works, in the toolkit's default font.
    Widget list = nullptr;
    AddMSyncTitleAndList(app().shell, shownForm("plain"), const_cast<char *>("Title"), 10, 3, XmBROWSE_SELECT,
                         nullptr, &list);
    EXPECT_NE(list, nullptr);
}

TEST(FontScenario, DISABLED_UnparsableVariantEndsTheTool)
{
    ASSERT_TRUE(motif::showShell(app().shell));
    readFatalReportThenClose();
    createScaledFontSet(app().shell, const_cast<char *>("-misc-fixed"), 140);
}

// ---- The scenarios' results ----------------------------------------------------------------

TEST(ConstantWidthFont, FoundFromTheResourcesInTurn)
{
    for (const char *name : {"DefaultFontForTheTitledList", "WidgetsOwnAliasWins", "ProportionalNameIsPassedOverSilently",
                             "UnknownAndMalformedNamesKeepAUsableFont"}) {
        IsolatedRun run = scenario(name);
        EXPECT_TRUE(passed(run)) << name << ":\n" << run.output;
    }
}

TEST(ConstantWidthFont, UnusableCwFontEndsTheToolWithTheReport)
{
    IsolatedRun run = scenario("UnknownCwFontEndsTheTool");
    EXPECT_EQ(run.status, 1) << run.output;
    EXPECT_TRUE(contains(run.output, "Could not convert \"-nosuch-font-medium-r-normal--13-120-75-75-c-60-iso8859-1\" "
                                     "to XFontSet.  Try changing\nyour \"*.cwFont\" resource"))
        << run.output;
    EXPECT_TRUE(contains(run.output, "fatal report: [INTERNAL ERROR at: CWfont.cpp:")) << run.output;
    EXPECT_FALSE(contains(run.output, "returned from getCWFont")) << run.output;
    EXPECT_FALSE(contains(run.output, "warning shown")) << run.output;
}

TEST(ConstantWidthFont, MissingCharsetsOfTheLocaleAreListedWhenAskedFor)
{
    // A UTF-8 locale wants Japanese, Korean and Chinese charsets that the fixed font lacks.
    IsolatedRun run = scenario("MissingCharsetsAreListed", "C.UTF-8");
    EXPECT_EQ(run.status, 1) << run.output;
    EXPECT_TRUE(contains(run.output, std::string("warning shown: [Missing charsets in font \"") + defaultFont +
                                         "\":\nJISX0208.1983-0\n"))
        << run.output;
    EXPECT_TRUE(contains(run.output, std::string("Could not convert \"") + defaultFont + "\" to XFontSet"))
        << run.output;
}

TEST(ConstantWidthFont, AProportionalFontFallsBackToTheShellsOwn)
{
    for (const char *name : {"ProportionalCwFontGivesTheShellsFont", "NotAShell"}) {
        IsolatedRun run = scenario(name, "C.UTF-8");
        EXPECT_TRUE(passed(run)) << name << ":\n" << run.output;
    }
}

TEST(FontVariants, UnparsableNameEndsTheToolWithTheReport)
{
    IsolatedRun run = scenario("UnparsableVariantEndsTheTool");
    EXPECT_EQ(run.status, 1) << run.output;
    EXPECT_TRUE(contains(run.output, "fatal report: [Could not parse to create scaled font set from \"-misc-fixed\".]"))
        << run.output;
}

// ---- Variants and names, in this process ---------------------------------------------------

TEST(FontVariants, BoldFontOfAListEntryAndAScaledFontSet)
{
    Display *d = app().display;
    // The list's only entry carries another tag: its font is made bold all the same.
    XmFontListEntry entry = XmFontListEntryLoad(d, const_cast<char *>("fixed"), XmFONT_IS_FONT, const_cast<char *>("other"));
    XmFontList list = XmFontListAppendEntry(nullptr, entry);
    XmFontListEntryFree(&entry);
    XFontStruct *bold = createBoldFont(app().shell, list, const_cast<char *>("wanted"));
    ASSERT_NE(bold, nullptr);
    char name[512];
    ASSERT_EQ(generateFontName(d, bold, name, sizeof name), 0);
    EXPECT_STREQ(name, "-Misc-Fixed-Bold-R-SemiCondensed--13-120-75-75-C-60-ISO8859-1");
    XFreeFont(d, bold);
    XmFontListFree(list);

    // Scaled from a bitmap font that has no 14 point size: the server scales one.
    XFontSet scaled = createScaledFontSet(app().shell, const_cast<char *>("-misc-fixed-medium-r-normal--13-120-75-75-c-70-iso8859-1"), 140);
    ASSERT_NE(scaled, nullptr);
    XFontStruct **fonts;
    char **names;
    ASSERT_GT(XFontsOfFontSet(scaled, &fonts, &names), 0);
    unsigned long pointSize = 0;
    XGetFontProperty(fonts[0], XInternAtom(d, "POINT_SIZE", False), &pointSize);
    EXPECT_EQ(pointSize, 140u) << names[0];
    XFreeFontSet(d, scaled);
}

TEST(FontNames, RebuiltFromAFontsPropertiesWithinTheBuffer)
{
    Display *d = app().display;
    XFontStruct *fixed = XLoadQueryFont(d, "fixed");
    ASSERT_NE(fixed, nullptr);
    char name[256];
    ASSERT_EQ(generateFontName(d, fixed, name, sizeof name), 0);
    EXPECT_STREQ(name, "-Misc-Fixed-Medium-R-SemiCondensed--13-120-75-75-C-60-ISO8859-1");
    // The name loads the same font.
    XFontStruct *again = XLoadQueryFont(d, name);
    ASSERT_NE(again, nullptr);
    EXPECT_EQ(again->max_bounds.width, fixed->max_bounds.width);
    EXPECT_EQ(again->ascent, fixed->ascent);
    XFreeFont(d, again);

    // Too small a buffer: -1, and nothing written past it.
    for (int size : {1, 9, 30, static_cast<int>(strlen("-Misc-Fixed-Medium-R-SemiCondensed--13-120-75-75-C-60-ISO8859-1"))}) {
        SCOPED_TRACE(size);
        std::string guarded(size + 16, '#');
        EXPECT_EQ(generateFontName(d, fixed, &guarded[0], size), -1);
        EXPECT_EQ(guarded.substr(size), std::string(16, '#'));
    }
    XFreeFont(d, fixed);
}

TEST(FontNames, OfAFontSetCutWithDots)
{
    Display *d = app().display;
    XFontSet set = convertStringToFontSet(d, const_cast<char *>(defaultFont), False);
    ASSERT_NE(set, nullptr);
    XFontStruct **fonts;
    char **names;
    int count = XFontsOfFontSet(set, &fonts, &names);
    std::string all;
    for (int i = 0; i < count; i++) {
        all += (i > 0 ? "," : "") + std::string(names[i]);
    }
    char big[8192];
    EXPECT_EQ(sprintFontNameFromFontSet(set, big, sizeof big), static_cast<int>(all.size()));
    EXPECT_EQ(all, big);

    char small[64];
    memset(small, '#', sizeof small);
    EXPECT_EQ(sprintFontNameFromFontSet(set, small, 3), 0);
    EXPECT_EQ(small[0], '#') << "nothing written into 3 bytes";
    EXPECT_EQ(sprintFontNameFromFontSet(set, small, 50), 3);
    EXPECT_STREQ(small, "...");
    // Less than 100 bytes left after the first name: the first, then the dots.
    ASSERT_GT(count, 1);
    int one = static_cast<int>(strlen(names[0]));
    std::string guarded(one + 99 + 16, '#');
    EXPECT_EQ(sprintFontNameFromFontSet(set, &guarded[0], one + 99), one + 3);
    EXPECT_EQ(std::string(guarded.c_str()), std::string(names[0]) + "...");
    EXPECT_EQ(guarded.substr(one + 99), std::string(16, '#'));

    // No font set: the empty-set text where it fits, nothing where it does not.
    EXPECT_EQ(sprintFontNameFromFontSet(nullptr, small, 20), 0);
    EXPECT_EQ(sprintFontNameFromFontSet(nullptr, small, 40), static_cast<int>(strlen("No fonts associated with fontSet")));
    EXPECT_STREQ(small, "No fonts associated with fontSet");
    EXPECT_EQ(sprintFontNameFromFontSet(nullptr, small, 31), 30);
    XFreeFontSet(d, set);
}

TEST(FontNames, OfAFontListByTag)
{
    Display *d = app().display;
    XmFontListEntry one = XmFontListEntryLoad(d, const_cast<char *>("fixed"), XmFONT_IS_FONT, const_cast<char *>("one"));
    XmFontListEntry two = XmFontListEntryLoad(d, const_cast<char *>("10x20"), XmFONT_IS_FONT, const_cast<char *>("two"));
    XmFontList list = XmFontListAppendEntry(XmFontListAppendEntry(nullptr, one), two);
    XmFontListEntryFree(&one);
    XmFontListEntryFree(&two);
    const std::string fixed = "-Misc-Fixed-Medium-R-SemiCondensed--13-120-75-75-C-60-ISO8859-1";
    const std::string large = "-Misc-Fixed-Medium-R-Normal--20-200-75-75-C-100-ISO8859-1";

    char buf[1024];
    int n = sprintFontNameFromFontList(d, list, nullptr, buf, sizeof buf);
    EXPECT_EQ(std::string(buf), fixed + "=one " + large + "=two ");
    EXPECT_EQ(n, static_cast<int>(strlen(buf)));
    EXPECT_EQ(sprintFontNameFromFontList(d, list, const_cast<char *>(""), buf, sizeof buf), static_cast<int>(fixed.size()));
    EXPECT_EQ(std::string(buf), fixed);
    sprintFontNameFromFontList(d, list, const_cast<char *>("two"), buf, sizeof buf);
    EXPECT_EQ(std::string(buf), large);
    EXPECT_EQ(sprintFontNameFromFontList(d, list, const_cast<char *>("three"), buf, sizeof buf), 0);
    EXPECT_STREQ(buf, "Could not find tag \"three\"");

    // A small buffer: dots instead of a name, and nothing past its end.
    std::string guarded(90 + 16, '#');
    EXPECT_EQ(sprintFontNameFromFontList(d, list, nullptr, &guarded[0], 90), 3);
    EXPECT_STREQ(guarded.c_str(), "...");
    EXPECT_EQ(guarded.substr(90), std::string(16, '#'));

    // A font set entry shows its fonts' names.
    XFontSet set = convertStringToFontSet(d, const_cast<char *>("fixed"), False);
    XmFontListEntry setEntry = XmFontListEntryCreate(const_cast<char *>("set"), XmFONT_IS_FONTSET, set);
    XmFontList withSet = XmFontListAppendEntry(nullptr, setEntry);
    XmFontListEntryFree(&setEntry);
    sprintFontNameFromFontList(d, withSet, const_cast<char *>("set"), buf, sizeof buf);
    EXPECT_TRUE(contains(buf, "-Misc-Fixed-Medium-R-SemiCondensed--13-120-75-75-C-60-ISO8859-1")) << buf;
    XmFontListFree(withSet);
    XmFontListFree(list);

    EXPECT_EQ(sprintFontNameFromFontList(d, nullptr, nullptr, buf, sizeof buf), static_cast<int>(strlen("Could not init fontList")));
}

TEST(FontNames, ResourceValuesFromTheDisplaysDatabase)
{
    Display *d = app().display;
    XrmDatabase db = XrmGetDatabase(d);
    XrmPutLineResource(&db, "cvguiTest.someFont: 9x15");
    XrmPutLineResource(&db, "cvguiTest.emptyFont:");
    EXPECT_STREQ(getFontNameFromResource(app().shell, const_cast<char *>("cvguiTest.someFont"),
                                         const_cast<char *>("CvguiTest.SomeFont")),
                 "9x15");
    EXPECT_STREQ(getFontNameFromResource(app().shell, const_cast<char *>("cvguiTest.emptyFont"),
                                         const_cast<char *>("CvguiTest.EmptyFont")),
                 "");
    EXPECT_EQ(getFontNameFromResource(app().shell, const_cast<char *>("cvguiTest.noFont"),
                                      const_cast<char *>("CvguiTest.NoFont")),
              nullptr);
    EXPECT_STREQ(allFonts, "-*-*-*-*-*-*-*-*-*-*-*-*-*-*");
}
