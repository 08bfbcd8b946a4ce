// Option menus on real Motif under mwm: the pane a user pops up, each "More..." pane of a long
// menu opened in turn, the choice the option menu then shows, and the caller's resources.
#include "dialogSupport.h"

#include <Xm/CascadeB.h>
#include <Xm/CascadeBG.h>
#include <Xm/Form.h>
#include <Xm/PushB.h>
#include <Xm/RowColumn.h>
#include <algorithm>
#include <chrono>
#include <string>
#include <vector>

using motif::app;
using motif::labelText;

namespace {

template <typename T> T value(Widget w, const char *resource)
{
    T v{};
    XtVaGetValues(w, resource, &v, nullptr);
    return v;
}

// Records with the display text as name, as option-menu callers pass them.
struct Records {
    std::vector<std::string> texts;
    std::vector<ButtonPanelItem> items;
    Records(int n, XtCallbackProc callback = nullptr)
    {
        for (int i = 1; i <= n; i++) {
            texts.push_back("node" + std::to_string(i));
        }
        for (int i = 0; i < n; i++) {
            items.push_back({texts[i].c_str(), texts[i].c_str(), callback, reinterpret_cast<XtPointer>(i + 1L), False});
        }
    }
};

// The entries a pane shows, top to bottom.
std::vector<std::string> entriesShown(Widget pane)
{
    std::vector<std::pair<Position, std::string>> found;
    for (Cardinal i = 0; i < value<Cardinal>(pane, XmNnumChildren); i++) {
        Widget c = value<WidgetList>(pane, XmNchildren)[i];
        if (XtIsManaged(c) && (XmIsPushButton(c) || XmIsCascadeButton(c) || XmIsCascadeButtonGadget(c))) {
            found.emplace_back(value<Position>(c, XmNy), labelText(c));
        }
    }
    std::sort(found.begin(), found.end());
    std::vector<std::string> labels;
    for (auto &f : found) {
        labels.push_back(f.second);
    }
    return labels;
}

std::vector<std::string> range(int from, int to, const char *more = nullptr)
{
    std::vector<std::string> labels;
    for (int i = from; i <= to; i++) {
        labels.push_back("node" + std::to_string(i));
    }
    if (more != nullptr) {
        labels.push_back(more);
    }
    return labels;
}

// The cascade entry of a pane and the pane it opens.
Widget moreEntry(Widget pane)
{
    for (Cardinal i = 0; i < value<Cardinal>(pane, XmNnumChildren); i++) {
        Widget c = value<WidgetList>(pane, XmNchildren)[i];
        if (XmIsCascadeButton(c) || XmIsCascadeButtonGadget(c)) {
            return c;
        }
    }
    return nullptr;
}

Widget paneOf(Widget option)
{
    return value<Widget>(option, XmNsubMenuId);
}

// The panes of an option menu, following its "More..." entries.
std::vector<Widget> panes(Widget option)
{
    std::vector<Widget> chain = {paneOf(option)};
    while (Widget more = moreEntry(chain.back())) {
        chain.push_back(value<Widget>(more, XmNsubMenuId));
    }
    return chain;
}

std::string shownChoice(Widget option)
{
    return labelText(XmOptionButtonGadget(option));
}

int chosen;
void choose(Widget, XtPointer data, XtPointer)
{
    chosen = static_cast<int>(reinterpret_cast<long>(data));
}

struct Window_ {
    Widget shell, form;
    explicit Window_(const char *name)
    {
        shell = motif::newTopLevel(name);
        form = XmCreateForm(shell, const_cast<char *>("content"), nullptr, 0);
        XtVaSetValues(form, XmNwidth, 300, XmNheight, 80, nullptr);
        XtManageChild(form);
    }
    bool show() { return motif::popUp(shell); }
    ~Window_() { XtDestroyWidget(shell); }
};

// A user's separate clicks: the toolkit takes two clicks closer together than its multi-click
// time for a double click, which a posted menu does not answer.
void clickOnce(Widget w)
{
    static std::chrono::steady_clock::time_point last;
    auto apart = std::chrono::milliseconds(XtGetMultiClickTime(app().display) + 50);
    motif::pumpUntil([&] { return std::chrono::steady_clock::now() - last > apart; }, 2000);
    motif::click(w);
    last = std::chrono::steady_clock::now();
}

// Whether some client holds the pointer, as a posted menu does: tried from a connection of our own.
bool pointerTaken()
{
    static Display *other = XOpenDisplay(DisplayString(app().display));
    int result = XGrabPointer(other, DefaultRootWindow(other), False, ButtonPressMask, GrabModeAsync, GrabModeAsync,
                              None, None, CurrentTime);
    if (result == GrabSuccess) {
        XUngrabPointer(other, CurrentTime);
    }
    XSync(other, False);
    return result == AlreadyGrabbed;
}

// A pane is ready for the user once it shows and its menu has the pointer.
bool posted(Widget pane)
{
    return motif::pumpUntil([&] { return motif::isViewable(pane) && pointerTaken(); });
}

} // namespace

TEST(OptionMenus, EntriesInOrderTheFirstFlaggedChosenAndTheCallersResourcesOnTheMenu)
{
    Window_ win("option");
    Records r(4);
    r.items[1].isDefault = r.items[3].isDefault = True;
    XtSetArg(widgetArgs[widgetArgCnt], XmNleftAttachment, XmATTACH_FORM), widgetArgCnt++;
    XtSetArg(widgetArgs[widgetArgCnt], XmNleftOffset, 23), widgetArgCnt++;
    Widget *entries = nullptr;
    Widget option = AddOptionMenu(win.form, "Node:", nullptr, r.items.data(), 4, 0, &entries);
    EXPECT_EQ(widgetArgCnt, 0u);
    EXPECT_STREQ(XtName(option), "optPane_o");
    EXPECT_STREQ(XtName(paneOf(option)), "optPane");
    EXPECT_FALSE(XtIsManaged(option));
    EXPECT_EQ(value<int>(option, XmNleftOffset), 23);
    EXPECT_EQ(value<int>(entries[0], XmNleftOffset), 0) << "not on the entries";
    EXPECT_EQ(labelText(XmOptionLabelGadget(option)), "Node:");
    EXPECT_EQ(value<Widget>(option, XmNmenuHistory), entries[1]);
    for (int i = 0; i < 4; i++) {
        EXPECT_EQ(XtParent(entries[i]), paneOf(option));
        EXPECT_STREQ(XtName(entries[i]), r.texts[i].c_str());
        EXPECT_TRUE(XtIsManaged(entries[i]));
    }
    XtFree(reinterpret_cast<char *>(entries));

    // More staged resources than older callers ever could: all of them reach the option menu.
    for (int i = 0; i < 30; i++) {
        XtSetArg(widgetArgs[widgetArgCnt], XmNleftOffset, 100 + i), widgetArgCnt++;
    }
    Widget many = AddOptionMenu(win.form, nullptr, "named", r.items.data(), 2, 0, nullptr);
    EXPECT_EQ(value<int>(many, XmNleftOffset), 129);
    EXPECT_STREQ(XtName(many), "named_o");
    EXPECT_EQ(labelText(XmOptionLabelGadget(many)), "") << "a null label shows nothing";

    XtManageChild(option);
    ASSERT_TRUE(win.show());
    EXPECT_EQ(shownChoice(option), "node2");
}

TEST(OptionMenus, UserPicksAChoiceFromThePoppedUpPane)
{
    Window_ win("pick");
    Records r(5, choose);
    Widget option = AddOptionMenu(win.form, "Poll:", nullptr, r.items.data(), 5, 0, nullptr);
    XtManageChild(option);
    ASSERT_TRUE(win.show());
    clickOnce(XmOptionButtonGadget(option));
    ASSERT_TRUE(posted(paneOf(option)));
    EXPECT_EQ(entriesShown(paneOf(option)), range(1, 5));
    chosen = 0;
    clickOnce(XtNameToWidget(paneOf(option), "node4"));
    ASSERT_TRUE(motif::pumpUntil([] { return chosen != 0; }));
    EXPECT_EQ(chosen, 4);
    EXPECT_TRUE(motif::pumpUntil([&] { return !motif::isViewable(paneOf(option)); }));
    EXPECT_EQ(shownChoice(option), "node4");
}

TEST(OptionMenus, NoEntriesAndDestroyingTheMenu)
{
    Window_ win("empty");
    Widget *entries = reinterpret_cast<Widget *>(&win);
    Widget option = AddOptionMenu(win.form, "None:", nullptr, nullptr, 0, 0, &entries);
    EXPECT_EQ(entries, nullptr);
    EXPECT_EQ(value<Cardinal>(paneOf(option), XmNnumChildren), 0u);
    Widget cascade = AddOptionMenuCascade(win.form, "None:", nullptr, nullptr, 0, 0, nullptr, &entries);
    EXPECT_EQ(entries, nullptr);
    EXPECT_EQ(panes(cascade).size(), 1u);

    dialogs::DestroyWatch pane(paneOf(option));
    XtDestroyWidget(option);
    EXPECT_TRUE(pane.await());
}

TEST(CascadingOptionMenus, SplitOnlyWellPastOnePane)
{
    Window_ win("split");
    struct Case {
        int count;
        std::vector<size_t> paneSizes; // entries of each pane, the "More..." entry included
    };
    for (const Case &c : {Case{14, {14}}, Case{15, {11, 5}}, Case{21, {11, 11}}, Case{22, {11, 11, 2}}}) {
        SCOPED_TRACE(c.count);
        Records r(c.count);
        Widget *entries = nullptr;
        Widget option = AddOptionMenuCascade(win.form, nullptr, nullptr, r.items.data(), c.count, 10, nullptr, &entries);
        std::vector<size_t> sizes;
        for (Widget p : panes(option)) {
            sizes.push_back(value<Cardinal>(p, XmNnumChildren));
        }
        EXPECT_EQ(sizes, c.paneSizes);
        // Handles in input order, wherever the entry landed.
        for (int i = 0; i < c.count; i++) {
            EXPECT_STREQ(XtName(entries[i]), r.texts[i].c_str());
        }
        XtFree(reinterpret_cast<char *>(entries));
    }

    // A null label sets none: the menu keeps what Motif gives an option menu of that name.
    Records r(3);
    Widget unlabelled = AddOptionMenuCascade(win.form, nullptr, "plain", r.items.data(), 3, 10, nullptr, nullptr);
    Arg arg;
    Widget pane = XmCreatePulldownMenu(win.form, const_cast<char *>("plainPane"), nullptr, 0);
    XtSetArg(arg, XmNsubMenuId, pane);
    Widget motifOwn = XmCreateOptionMenu(win.form, const_cast<char *>("plain_o"), &arg, 1);
    EXPECT_EQ(labelText(XmOptionLabelGadget(unlabelled)), labelText(XmOptionLabelGadget(motifOwn)));
}

TEST(CascadingOptionMenus, UserOpensEachMorePaneAndChoosesFromTheLast)
{
    Window_ win("cascade");
    Records r(22, choose);
    r.items[12].isDefault = r.items[15].isDefault = True;
    Widget option = AddOptionMenuCascade(win.form, "Node:", nullptr, r.items.data(), 22, 10, nullptr, nullptr);
    XtManageChild(option);
    ASSERT_TRUE(win.show());
    EXPECT_EQ(shownChoice(option), "node13") << "the first flagged record, in the second pane";

    std::vector<Widget> chain = panes(option);
    ASSERT_EQ(chain.size(), 3u);
    clickOnce(XmOptionButtonGadget(option));
    ASSERT_TRUE(posted(chain[0]));
    EXPECT_EQ(entriesShown(chain[0]), range(1, 10, "More..."));
    clickOnce(moreEntry(chain[0]));
    ASSERT_TRUE(posted(chain[1]));
    EXPECT_EQ(entriesShown(chain[1]), range(11, 20, "More..."));
    clickOnce(moreEntry(chain[1]));
    ASSERT_TRUE(posted(chain[2]));
    EXPECT_EQ(entriesShown(chain[2]), range(21, 22));

    chosen = 0;
    clickOnce(XtNameToWidget(chain[2], "node22"));
    ASSERT_TRUE(motif::pumpUntil([] { return chosen != 0; }));
    EXPECT_EQ(chosen, 22);
    EXPECT_TRUE(motif::pumpUntil([&] { return !motif::isViewable(chain[0]) && !motif::isViewable(chain[1]); }))
        << "every pane goes once the user has chosen";
    EXPECT_EQ(shownChoice(option), "node22");

    // Open again: the first pane comes back, and a click outside the menu closes the whole chain.
    clickOnce(XmOptionButtonGadget(option));
    ASSERT_TRUE(posted(chain[0]));
    clickOnce(moreEntry(chain[0]));
    ASSERT_TRUE(posted(chain[1]));
    clickOnce(win.form);
    EXPECT_TRUE(motif::pumpUntil([&] { return !motif::isViewable(chain[0]) && !motif::isViewable(chain[1]); }));
    EXPECT_EQ(shownChoice(option), "node22");
}

TEST(CascadingOptionMenus, TwoHundredEntriesInTenPanes)
{
    Window_ win("twoHundred");
    Records r(200, choose);
    Widget option = AddOptionMenuCascade(win.form, "Object:", nullptr, r.items.data(), 200, 20, "Next", nullptr);
    XtManageChild(option);
    ASSERT_TRUE(win.show());
    std::vector<Widget> chain = panes(option);
    ASSERT_EQ(chain.size(), 10u);
    clickOnce(XmOptionButtonGadget(option));
    for (size_t i = 0; i < chain.size(); i++) {
        SCOPED_TRACE(i);
        ASSERT_TRUE(posted(chain[i]));
        int first = static_cast<int>(i) * 20 + 1;
        EXPECT_EQ(entriesShown(chain[i]), range(first, first + 19, i + 1 < chain.size() ? "Next" : nullptr));
        if (i + 1 < chain.size()) {
            clickOnce(moreEntry(chain[i]));
        }
    }
    chosen = 0;
    clickOnce(XtNameToWidget(chain.back(), "node200"));
    ASSERT_TRUE(motif::pumpUntil([] { return chosen != 0; }));
    EXPECT_EQ(chosen, 200);
    EXPECT_EQ(shownChoice(option), "node200");
}
