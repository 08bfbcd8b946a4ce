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

// How wide an "i" and a "W" are in a font list: the same in a constant-width font.
std::pair<int, int> widthsOf(XmFontList list)
{
    auto width = [list](const char *text) {
        XmString s = XmStringCreateLocalized(const_cast<char *>(text));
        int w = list != nullptr ? XmStringWidth(list, s) : -1;
        XmStringFree(s);
        return w;
    };
    return {width("i"), width("W")};
}

bool contains(const std::string &text, const std::string &part)
{
    return text.find(part) != std::string::npos;
}

// Runs a scenario in its own process, in the given locale, and hands back what it printed.
IsolatedRun scenario(const std::string &name, const char *locale = "C")
{
    setenv("LC_ALL", locale, 1);
    IsolatedRun run = runTestProcess("FontScenario.InChild_" + name);
    unsetenv("LC_ALL");
    return run;
}

bool passed(const IsolatedRun &run)
{
    return run.status == 0 && contains(run.output, "[  PASSED  ] 1 test");
}

// In a scenario that ends with the fatal report: prints the warnings and the report once it
// shows, then closes it as the user does, which ends the process with status 1.
void readFatalReport(XtPointer, XtIntervalId *)
{
    Widget box = dialogs::newestDialog(app().shell, "error");
    if (box == nullptr || !motif::isViewable(XtParent(box))) {
        XtAppAddTimeOut(app().context, 20, readFatalReport, nullptr);
        return;
    }
    for (const std::string &w : warningsShown()) {
        printf("warning shown: [%s]\n", w.c_str());
    }
    printf("fatal report: [%s]\n", dialogs::messageText(box).c_str());
    fflush(stdout);
    motif::click(XmMessageBoxGetChild(box, XmDIALOG_OK_BUTTON));
}

void readFatalReportThenClose()
{
    ASSERT_TRUE(motif::showShell(app().shell));
    readFatalReport(nullptr, nullptr);
    XtAppAddTimeOut(app().context, 20000, [](XtPointer, XtIntervalId *) { _exit(2); }, nullptr);
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

CHILD_TEST(FontScenario, DefaultFontForTheTitledList)
{
    // The tool's own look: an Xft render table for every widget, which the table must not take.
    motif::fallbackResources() = {"*renderTable: rt", "*rt.fontType: FONT_IS_XFT", "*rt.fontName: DejaVu Sans"};
    XmFontList list = getCWFont(app().shell);
    EXPECT_EQ(widthsOf(list), std::make_pair(6, 6));
    EXPECT_EQ(getCWFont(app().shell), list) << "kept for the process";

    // The list and its title are drawn in it: twenty letters are 120 pixels.
    Widget title = nullptr, shown = nullptr;
    Widget synced = AddMSyncTitleAndList(app().shell, shownForm("titled"), const_cast<char *>("Name   Address"), 20, 4,
                                         XmBROWSE_SELECT, &title, &shown);
    EXPECT_EQ(widthsOf(motif::value<XmFontList>(shown, XmNfontList)), std::make_pair(6, 6));
    EXPECT_EQ(widthsOf(motif::value<XmFontList>(title, XmNfontList)), std::make_pair(6, 6));
    EXPECT_EQ(motif::value<Dimension>(synced, XmNwidth), 120);
}

CHILD_TEST(FontScenario, UnknownOrProportionalNamesArePassedOverSilently)
{
    motif::fallbackResources() = {"cvguiTest.cwFont: -nosuch-font-medium-r-normal--13-120-75-75-c-60-iso8859-1",
                                  "XmText*fontList: -mutt-clearlyu-medium-r-normal--17-120-100-100-p-123-iso10646-1"};
    EXPECT_EQ(widthsOf(getCWFont(app().shell)), std::make_pair(6, 6)) << "the default font";
    EXPECT_TRUE(warningsShown().empty());
}

CHILD_TEST(FontScenario, MalformedNameIsReportedAndPassedOver)
{
    motif::fallbackResources() = {"cvguiTest.cwFont: -misc-fixed-medium-r-normal--13-120-75-75-c-70", "XmText*fontList: 9x15"};
    EXPECT_EQ(widthsOf(getCWFont(app().shell)), std::make_pair(9, 9)) << "the text widgets' alias";
    EXPECT_EQ(warningsShown(), dialogs::labels({"getCWFont(): Invalid font specification resource \"cvguiTest.cwFont\",\n"
                                                "expect 14 dashes in \"-misc-fixed-medium-r-normal--13-120-75-75-c-70\"."}));
}

CHILD_TEST(FontScenario, UnknownCwFontEndsTheTool)
{
    motif::fallbackResources() = {"*cwFont: -nosuch-font-medium-r-normal--13-120-75-75-c-60-iso8859-1"};
    readFatalReportThenClose();
    getCWFont(app().shell);
    printf("returned from getCWFont\n");
}

CHILD_TEST(FontScenario, MissingCharsetsAreListed)
{
    motif::fallbackResources() = {"*complainOnMissingCharsets: True"};
    readFatalReportThenClose();
    getCWFontSet(app().shell);
}

CHILD_TEST(FontScenario, ProportionalCwFontGivesTheShellsFont)
{
    motif::fallbackResources() = {"*cwFont: -mutt-clearlyu-medium-r-normal--17-120-100-100-p-*-iso10646-1"};
    XmFontList own = XmFontListCreate(XLoadQueryFont(app().display, "8x13"), const_cast<char *>(XmSTRING_DEFAULT_CHARSET));
    XtVaSetValues(app().shell, XmNtextFontList, own, nullptr);
    XmFontList list = getCWFont(app().shell);
    EXPECT_EQ(widthsOf(list), std::make_pair(8, 8));
    EXPECT_EQ(warningsShown(), dialogs::labels({"getCWFont(): Not a constant width font in fontset"}));
    EXPECT_EQ(getCWFont(app().shell), list);
    EXPECT_EQ(warningsShown().size(), 1u) << "no new warning on the second call";
    XmFontListFree(own); // the shell keeps a copy
}

// ---- The scenarios' results ----------------------------------------------------------------

TEST(ConstantWidthFont, FoundFromTheResourcesInTurnOrTheShellsOwn)
{
    // Proportional fonts of the misc fonts are ISO 10646 ones, which a UTF-8 locale takes.
    for (auto [name, locale] : {std::pair{"DefaultFontForTheTitledList", "C"}, {"UnknownOrProportionalNamesArePassedOverSilently", "C"},
                                {"MalformedNameIsReportedAndPassedOver", "C"}, {"ProportionalCwFontGivesTheShellsFont", "C.UTF-8"}}) {
        IsolatedRun run = scenario(name, locale);
        EXPECT_TRUE(passed(run)) << name << ":\n" << run.output;
    }
}

TEST(ConstantWidthFont, UnusableFontsEndTheToolWithTheReport)
{
    IsolatedRun run = scenario("UnknownCwFontEndsTheTool");
    EXPECT_EQ(run.status, 1) << run.output;
    EXPECT_TRUE(contains(run.output, "fatal report: [INTERNAL ERROR at: CWfont.cpp:")) << run.output;
    EXPECT_TRUE(contains(run.output, "Could not convert \"-nosuch-font-medium-r-normal--13-120-75-75-c-60-iso8859-1\" "
                                     "to XFontSet.  Try changing\nyour \"*.cwFont\" resource"))
        << run.output;
    EXPECT_FALSE(contains(run.output, "returned from getCWFont") || contains(run.output, "warning shown")) << run.output;

    // A UTF-8 locale wants Japanese, Korean and Chinese charsets that the fixed font lacks.
    run = scenario("MissingCharsetsAreListed", "C.UTF-8");
    EXPECT_EQ(run.status, 1) << run.output;
    EXPECT_TRUE(contains(run.output, std::string("warning shown: [Missing charsets in font \"") + defaultFont +
                                         "\":\nJISX0208.1983-0\n"))
        << run.output;
    EXPECT_TRUE(contains(run.output, std::string("Could not convert \"") + defaultFont + "\" to XFontSet")) << run.output;
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
    char name[512];
    ASSERT_EQ(generateFontName(d, bold, name, sizeof name), 0);
    EXPECT_STREQ(name, "-Misc-Fixed-Bold-R-SemiCondensed--13-120-75-75-C-60-ISO8859-1");
    // A bitmap font without a 14 point size: the server scales one.
    XFontSet scaled = createScaledFontSet(app().shell, const_cast<char *>("-misc-fixed-medium-r-normal--13-120-75-75-c-70-iso8859-1"), 140);
    XFontStruct **fonts;
    char **names;
    ASSERT_GT(XFontsOfFontSet(scaled, &fonts, &names), 0);
    unsigned long pointSize = 0;
    XGetFontProperty(fonts[0], XInternAtom(d, "POINT_SIZE", False), &pointSize);
    EXPECT_EQ(pointSize, 140u) << names[0];
    XFreeFontSet(d, scaled);
    XFreeFont(d, bold);
    XmFontListFree(list);
}

TEST(FontNames, WrittenWithinTheBuffer)
{
    Display *d = app().display;
    const std::string fixedName = "-Misc-Fixed-Medium-R-SemiCondensed--13-120-75-75-C-60-ISO8859-1";
    XmFontListEntry e1 = XmFontListEntryLoad(d, const_cast<char *>("fixed"), XmFONT_IS_FONT, const_cast<char *>("one"));
    XmFontListEntry e2 = XmFontListEntryLoad(d, const_cast<char *>("10x20"), XmFONT_IS_FONT, const_cast<char *>("two"));
    XmRendition entries[] = {e1, e2};
    XmFontList list = XmRenderTableAddRenditions(nullptr, entries, 2, XmMERGE_REPLACE);
    char buf[1024];
    int n = sprintFontNameFromFontList(d, list, nullptr, buf, sizeof buf);
    EXPECT_EQ(buf, fixedName + "=one -Misc-Fixed-Medium-R-Normal--20-200-75-75-C-100-ISO8859-1=two ");
    EXPECT_EQ(n, static_cast<int>(strlen(buf)));
    sprintFontNameFromFontList(d, list, const_cast<char *>(""), buf, sizeof buf);
    EXPECT_EQ(buf, fixedName);
    EXPECT_EQ(sprintFontNameFromFontList(d, list, const_cast<char *>("three"), buf, sizeof buf), 0);
    EXPECT_STREQ(buf, "Could not find tag \"three\"");

    // Too small a buffer: -1 or dots, never a byte past it.
    XmFontType type;
    auto *fixed = static_cast<XFontStruct *>(XmFontListEntryGetFont(e1, &type));
    for (int size : {1, 9, 30, static_cast<int>(fixedName.size())}) {
        std::string guarded(size + 16, '#');
        EXPECT_EQ(generateFontName(d, fixed, &guarded[0], size), -1) << size;
        EXPECT_EQ(guarded.substr(size), std::string(16, '#')) << size;
    }
    std::string guarded;
    XFontSet set = convertStringToFontSet(d, const_cast<char *>(defaultFont), False);
    XFontStruct **fonts;
    char **names;
    ASSERT_GT(XFontsOfFontSet(set, &fonts, &names), 1);
    int one = static_cast<int>(strlen(names[0]));
    guarded.assign(one + 99 + 16, '#');
    EXPECT_EQ(sprintFontNameFromFontSet(set, &guarded[0], one + 99), one + 3) << "under 100 bytes left: dots";
    EXPECT_EQ(guarded.c_str() + std::string("|") + guarded.substr(one + 99), names[0] + std::string("...|") + std::string(16, '#'));
    EXPECT_EQ(sprintFontNameFromFontSet(set, buf, 3), 0) << "nothing written into 3 bytes";
    EXPECT_EQ(sprintFontNameFromFontSet(nullptr, buf, 31), 30) << "the empty-set text, cut";
    XFreeFontSet(d, set);
    XmFontListFree(list);
    XmFontListEntryFree(&e1);
    XmFontListEntryFree(&e2);
}
