// Option menus on real Motif under mwm: the pane a user pops up, each "More..." pane of a long
// menu opened in turn, the choice the option menu then shows, and the caller's resources.
#include "dialogSupport.h"

#include <Xm/CascadeB.h>
#include <Xm/Form.h>
#include <Xm/PushB.h>
#include <Xm/RowColumn.h>
#include <algorithm>
#include <chrono>

using motif::app;
using motif::labelText;
using Texts = std::vector<std::string>;
using motif::value;

namespace {

int chosen;
void choose(Widget, XtPointer data, XtPointer)
{
    chosen = static_cast<int>(reinterpret_cast<long>(data));
}

// Records "node1".. with the display text as name, as option-menu callers pass them.
struct Records {
    Texts texts;
    std::vector<ButtonPanelItem> items;
    explicit Records(int n)
    {
        for (int i = 1; i <= n; i++) {
            texts.push_back("node" + std::to_string(i));
        }
        for (int i = 0; i < n; i++) {
            items.push_back({texts[i].c_str(), texts[i].c_str(), choose, reinterpret_cast<XtPointer>(i + 1L), False});
        }
    }
};

Texts range(int from, int to, const char *more = nullptr)
{
    Texts labels;
    for (int i = from; i <= to; i++) {
        labels.push_back("node" + std::to_string(i));
    }
    if (more != nullptr) {
        labels.push_back(more);
    }
    return labels;
}

// The entries a pane shows, top to bottom, and its entry that opens the next pane.
Texts entriesShown(Widget pane, Widget *more = nullptr)
{
    std::vector<std::pair<Position, std::string>> found;
    for (Cardinal i = 0; i < value<Cardinal>(pane, XmNnumChildren); i++) {
        Widget c = value<WidgetList>(pane, XmNchildren)[i];
        if (XtIsManaged(c)) {
            found.emplace_back(value<Position>(c, XmNy), labelText(c));
        }
        if (more != nullptr && XmIsCascadeButton(c)) {
            *more = c;
        }
    }
    std::sort(found.begin(), found.end());
    Texts labels;
    for (auto &f : found) {
        labels.push_back(f.second);
    }
    return labels;
}

// A user's separate clicks: two clicks closer together than the multi-click time make a double
// click, which a posted menu does not answer.
void clickOnce(Widget w)
{
    static std::chrono::steady_clock::time_point last;
    auto apart = std::chrono::milliseconds(XtGetMultiClickTime(app().display) + 50);
    motif::pumpUntil([&] { return std::chrono::steady_clock::now() - last > apart; }, 2000);
    motif::click(w);
    last = std::chrono::steady_clock::now();
}

bool posted(Widget pane)
{
    return motif::pumpUntil([&] { return motif::isViewable(pane); });
}

Widget shownForm(const char *name)
{
    return motif::sizedForm(motif::newTopLevel(name), 300, 80, "content");
}

// Opens the option menu and each further pane, checking what each shows; returns the panes.
std::vector<Widget> openEveryPane(Widget option, const std::vector<Texts> &expected)
{
    std::vector<Widget> panes = {value<Widget>(option, XmNsubMenuId)};
    clickOnce(XmOptionButtonGadget(option));
    for (size_t i = 0; i < expected.size(); i++) {
        SCOPED_TRACE(i);
        EXPECT_TRUE(posted(panes[i]));
        Widget more = nullptr;
        EXPECT_EQ(entriesShown(panes[i], &more), expected[i]);
        if (i + 1 < expected.size() && more != nullptr) {
            panes.push_back(value<Widget>(more, XmNsubMenuId));
            clickOnce(more);
        }
    }
    return panes;
}

} // namespace

TEST(OptionMenus, TheFirstFlaggedIsChosenTheCallersResourcesGoToTheMenuAndTheUserPicks)
{
    Widget form = shownForm("option");
    Records r(5);
    r.items[1].isDefault = r.items[3].isDefault = True;
    // More staged resources than older callers could set aside: all of them reach the menu.
    for (int i = 0; i < 30; i++) {
        XtSetArg(widgetArgs[widgetArgCnt], XmNleftOffset, 100 + i), widgetArgCnt++;
    }
    Widget *entries = nullptr;
    Widget option = AddOptionMenu(form, "Node:", nullptr, r.items.data(), 5, 0, &entries);
    EXPECT_EQ(widgetArgCnt, 0u);
    EXPECT_STREQ(XtName(option), "optPane_o");
    Widget pane = value<Widget>(option, XmNsubMenuId);
    EXPECT_STREQ(XtName(pane), "optPane");
    EXPECT_EQ(value<int>(option, XmNleftOffset), 129);
    EXPECT_EQ(value<int>(entries[0], XmNleftOffset), 0) << "not on the entries";
    EXPECT_EQ(labelText(XmOptionLabelGadget(option)), "Node:");
    EXPECT_EQ(value<Widget>(option, XmNmenuHistory), entries[1]);
    for (int i = 0; i < 5; i++) {
        EXPECT_EQ(XtParent(entries[i]), pane);
        EXPECT_STREQ(XtName(entries[i]), r.texts[i].c_str());
    }
    XtFree(reinterpret_cast<char *>(entries));
    EXPECT_EQ(labelText(XmOptionLabelGadget(AddOptionMenu(form, nullptr, "x", r.items.data(), 1, 0, nullptr))), "");

    // No entries at all: an empty pane, and no handle array; the pane goes with its menu.
    Widget empty = AddOptionMenuCascade(form, nullptr, nullptr, nullptr, 0, 0, nullptr, &entries);
    EXPECT_EQ(entries, nullptr);
    Widget emptyPane = value<Widget>(empty, XmNsubMenuId);
    EXPECT_EQ(value<Cardinal>(emptyPane, XmNnumChildren), 0u);
    dialogs::DestroyWatch paneGone(emptyPane);
    XtDestroyWidget(empty);
    EXPECT_TRUE(paneGone.await());

    XtManageChild(option);
    ASSERT_TRUE(motif::popUp(XtParent(form)));
    EXPECT_EQ(labelText(XmOptionButtonGadget(option)), "node2");
    openEveryPane(option, {range(1, 5)});
    chosen = 0;
    clickOnce(XtNameToWidget(pane, "node4"));
    ASSERT_TRUE(motif::pumpUntil([] { return chosen != 0; }));
    EXPECT_EQ(chosen, 4);
    EXPECT_EQ(labelText(XmOptionButtonGadget(option)), "node4");
}

TEST(CascadingOptionMenus, UserOpensEachMorePaneOfTwoHundredChoosesAndEveryPaneCloses)
{
    Widget form = shownForm("cascade");
    Records r(200);
    r.items[32].isDefault = r.items[35].isDefault = True;
    Widget *entries = nullptr;
    Widget option = AddOptionMenuCascade(form, "Object:", nullptr, r.items.data(), 200, 20, nullptr, &entries);
    EXPECT_STREQ(XtName(entries[199]), "node200") << "handles in input order";
    XtFree(reinterpret_cast<char *>(entries));
    XtManageChild(option);
    ASSERT_TRUE(motif::popUp(XtParent(form)));
    EXPECT_EQ(labelText(XmOptionButtonGadget(option)), "node33") << "the first flagged record, in the second pane";

    std::vector<Texts> expected;
    for (int i = 0; i < 10; i++) {
        expected.push_back(range(i * 20 + 1, i * 20 + 20, i < 9 ? "More..." : nullptr));
    }
    std::vector<Widget> panes = openEveryPane(option, expected);
    ASSERT_EQ(panes.size(), 10u);
    chosen = 0;
    clickOnce(XtNameToWidget(panes.back(), "node200"));
    ASSERT_TRUE(motif::pumpUntil([] { return chosen != 0; }));
    EXPECT_EQ(chosen, 200);
    auto allClosed = [&] {
        return std::none_of(panes.begin(), panes.end(), [](Widget p) { return motif::isViewable(p); });
    };
    EXPECT_TRUE(motif::pumpUntil(allClosed)) << "every pane goes once the user has chosen";
    EXPECT_EQ(labelText(XmOptionButtonGadget(option)), "node200");

    // Open again, and close the chain with a click outside it.
    openEveryPane(option, {expected[0], expected[1]});
    clickOnce(form);
    EXPECT_TRUE(motif::pumpUntil(allClosed));
}
