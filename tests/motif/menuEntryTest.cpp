// Menu entries and button records on real Motif: push buttons with command numbers, cascades,
// separators, and the callbacks a user reaches by choosing an entry.
#include "motifHarness.h"

#include <Xm/CascadeB.h>
#include <Xm/Form.h>
#include <Xm/PushB.h>
#include <Xm/RowColumn.h>
#include <Xm/Separator.h>
#include <Xm/ToggleB.h>

using motif::app;
using motif::labelText;

namespace {

Widget menuBar()
{
    static Widget bar = nullptr;
    if (bar == nullptr) {
        Widget form = XmCreateForm(app().shell, const_cast<char *>("menuTestForm"), nullptr, 0);
        bar = XmCreateMenuBar(form, const_cast<char *>("bar"), nullptr, 0);
        XtManageChild(bar);
        XtManageChild(form);
    }
    return bar;
}

Widget newPane()
{
    return XmCreatePulldownMenu(menuBar(), const_cast<char *>("pane"), nullptr, 0);
}

struct Calls {
    int count = 0;
    XtPointer lastData = nullptr;
};

void record(Widget, XtPointer clientData, XtPointer)
{
    auto *calls = static_cast<Calls *>(clientData);
    calls->count++;
    calls->lastData = clientData;
}

} // namespace

TEST(MenuEntries, PushButtonShowsItsLabelOrNameAndRunsItsCallback)
{
    Widget pane = newPane();
    Calls calls;
    Widget open = AddMPButton(pane, "Open...", "openEntry", record, &calls);
    EXPECT_TRUE(XmIsPushButton(open));
    EXPECT_EQ(labelText(open), "Open...");
    EXPECT_STREQ(XtName(open), "openEntry");
    EXPECT_TRUE(XtIsManaged(open));
    EXPECT_EQ(widgetArgCnt, 0u);

    EXPECT_EQ(labelText(AddMPButton(pane, "", "quit", nullptr, nullptr)), "quit");
    EXPECT_EQ(labelText(AddMPButton(pane, nullptr, nullptr, nullptr, nullptr)), "button");
    EXPECT_FALSE(XtIsManaged(AddPButton(pane, "Later", nullptr, nullptr, nullptr)));

    motif::press(open);
    EXPECT_EQ(calls.count, 1);
    EXPECT_EQ(calls.lastData, &calls);
}

TEST(MenuEntries, StagedResourcesApplyToThePushButtonThenAreCleared)
{
    Widget pane = newPane();
    XtSetArg(widgetArgs[widgetArgCnt], XmNmarginWidth, 17), widgetArgCnt++;
    Widget entry = AddPButton(pane, "Wide", nullptr, nullptr, nullptr);
    EXPECT_EQ(motif::value<Dimension>(entry, XmNmarginWidth), 17);
    EXPECT_EQ(widgetArgCnt, 0u);

    // Cascades and separators take no staged resource, and clear them too.
    XtSetArg(widgetArgs[widgetArgCnt], XmNmarginWidth, 17), widgetArgCnt++;
    Widget cascade = AddMCButton(menuBar(), "ignored", "Tools", newPane(), 0);
    EXPECT_NE(motif::value<Dimension>(cascade, XmNmarginWidth), 17);
    EXPECT_EQ(widgetArgCnt, 0u);
    XtSetArg(widgetArgs[widgetArgCnt], XmNmarginWidth, 17), widgetArgCnt++;
    AddSeparator(pane, nullptr);
    EXPECT_EQ(widgetArgCnt, 0u);
}

TEST(MenuEntries, CommandNumbersRunThroughAHundredAndWrap)
{
    Widget pane = newPane();
    Widget first = AddPButton(pane, "first", nullptr, nullptr, nullptr);
    int firstId = CVmenuEntryCommandId(first);
    ASSERT_GE(firstId, 3024);
    ASSERT_LE(firstId, 3123);
    EXPECT_EQ(CVmenuEntryForCommandId(firstId), first);

    std::vector<int> ids = {firstId};
    Widget last = first;
    for (int i = 1; i <= 100; i++) {
        last = AddPButton(pane, "next", nullptr, nullptr, nullptr);
        ids.push_back(CVmenuEntryCommandId(last));
    }
    for (int i = 1; i < 100; i++) {
        int expected = ids[i - 1] == 3123 ? 3024 : ids[i - 1] + 1;
        EXPECT_EQ(ids[i], expected) << "entry " << i;
    }
    // The 101st entry reuses the first one's number, and now holds it.
    EXPECT_EQ(ids[100], firstId);
    EXPECT_EQ(CVmenuEntryForCommandId(firstId), last);
    EXPECT_EQ(CVmenuEntryCommandId(first), firstId);

    EXPECT_EQ(CVmenuEntryCommandId(pane), 0);
    EXPECT_EQ(CVmenuEntryForCommandId(2000), nullptr);
    EXPECT_EQ(CVmenuEntryForCommandId(3124), nullptr);

    // A destroyed entry no longer answers to its number.
    XtDestroyWidget(last);
    motif::pump();
    EXPECT_EQ(CVmenuEntryForCommandId(firstId), nullptr);
}

TEST(MenuEntries, CascadeShowsItsNameAndOpensItsPane)
{
    Widget pane = newPane();
    Calls calls;
    Widget item = AddMPButton(pane, "Item", nullptr, record, &calls);
    Widget cascade = AddMCButton(menuBar(), "label is ignored", "File", pane, 0);
    EXPECT_TRUE(XmIsCascadeButton(cascade));
    EXPECT_TRUE(XtIsManaged(cascade));
    EXPECT_EQ(labelText(cascade), "File");
    EXPECT_EQ(motif::value<Widget>(cascade, XmNsubMenuId), pane);
    EXPECT_STREQ(XtName(AddMCButton(menuBar(), nullptr, nullptr, newPane(), 0)), "cbutton");

    Widget separator = AddSeparator(pane, nullptr);
    EXPECT_TRUE(XmIsSeparator(separator));
    EXPECT_STREQ(XtName(separator), "separator");

    // Open the pane from the menu bar, as a click on the cascade does, and choose the entry.
    ASSERT_TRUE(motif::showShell(app().shell));
    motif::click(cascade);
    ASSERT_TRUE(motif::pumpUntil([&] { return motif::isViewable(XtParent(pane)); }));
    motif::click(item);
    motif::pumpUntil([&] { return calls.count > 0; });
    EXPECT_EQ(calls.count, 1);
}

TEST(ButtonRecords, ConvertCopiesFieldsAndTranslatesLabels)
{
    static Calls calls;
    ButtonInfo in[] = {
        {94, "OK", "ok", record, &calls, True},
        {93, "Cancel", nullptr, nullptr, nullptr, False},
    };
    ButtonPanelItem *same = convertButtonInfo(in, 2, nullptr, nullptr);
    EXPECT_STREQ(same[0].label, "OK");
    EXPECT_STREQ(same[0].name, "ok");
    EXPECT_EQ(same[0].callback, record);
    EXPECT_EQ(same[0].clientData, &calls);
    EXPECT_TRUE(same[0].isDefault);
    EXPECT_EQ(same[1].name, nullptr);
    EXPECT_FALSE(same[1].isDefault);
    XtFree(reinterpret_cast<char *>(same));

    static std::string seen;
    auto translate = [](XtPointer arg, int key, const char *label) -> const char * {
        seen += std::string(static_cast<const char *>(arg)) + ":" + std::to_string(key) + ":" + label + ";";
        return key == 94 ? "Okay" : "Abort";
    };
    char arg[] = "de";
    ButtonPanelItem *translated = convertButtonInfo(in, 2, translate, arg);
    EXPECT_STREQ(translated[0].label, "Okay");
    EXPECT_STREQ(translated[1].label, "Abort");
    EXPECT_EQ(seen, "de:94:OK;de:93:Cancel;");
    // The caller's records are left as they were.
    EXPECT_STREQ(in[0].label, "OK");
    XtFree(reinterpret_cast<char *>(translated));
}

TEST(DialogHelpers, DropWidgetRemovesTheWidgetGivenAsClientData)
{
    Widget dialog = AddBBoardD(menuBar(), "dropped", "Dropped");
    XtManageChild(dialog);
    ASSERT_TRUE(motif::pumpUntil([&] { return motif::isViewable(XtParent(dialog)); }));
    bool destroyed = false;
    XtAddCallback(dialog, XmNdestroyCallback, [](Widget, XtPointer flag, XtPointer) { *static_cast<bool *>(flag) = true; },
                  &destroyed);
    Widget button = AddMPButton(dialog, "Close", nullptr, DropWidget, dialog);
    ASSERT_TRUE(motif::pumpUntil([&] { return motif::isViewable(button); }));
    motif::click(button);
    EXPECT_TRUE(motif::pumpUntil([&] { return destroyed; }));
}

TEST(MenuBuilders, BarPaneAndItemsWorkAsAUserChoosesThem)
{
    Widget shell = motif::newTopLevel("menuBuilders");
    Widget form = XmCreateForm(shell, const_cast<char *>("menuBuilderForm"), nullptr, 0);
    Widget bar = AddMenuBar(form, nullptr);
    EXPECT_STREQ(XtName(bar), "mBar");
    EXPECT_FALSE(XtIsManaged(bar));
    XtManageChild(bar);
    XtManageChild(form);

    XtSetArg(widgetArgs[widgetArgCnt], XmNmarginWidth, 17), widgetArgCnt++;
    Widget paneOut = nullptr;
    Widget pane = AddMenuPane(bar, &paneOut, "Edit", nullptr, 0, 0);
    EXPECT_EQ(paneOut, pane);
    EXPECT_STREQ(XtName(pane), "mPane");
    EXPECT_EQ(widgetArgCnt, 0u);

    Calls pushed, toggled;
    Widget copy = AddMenuItem(pane, "Copy", "ignoredName", False, record, &pushed);
    Widget wrap = AddMenuItem(pane, "Wrap lines", nullptr, True, record, &toggled);
    EXPECT_STREQ(XtName(copy), "Copy");
    EXPECT_EQ(labelText(copy), "Copy");
    EXPECT_TRUE(XmIsToggleButton(wrap));
    EXPECT_EQ(labelText(wrap), "Wrap lines");

    Widget cascade = nullptr;
    WidgetList items = motif::value<WidgetList>(bar, XmNchildren);
    for (Cardinal i = 0; i < motif::value<Cardinal>(bar, XmNnumChildren); i++) {
        cascade = motif::value<Widget>(items[i], XmNsubMenuId) == pane ? items[i] : cascade;
    }
    ASSERT_NE(cascade, nullptr);
    EXPECT_EQ(labelText(cascade), "Edit");

    ASSERT_TRUE(motif::popUp(shell));
    motif::click(cascade);
    ASSERT_TRUE(motif::pumpUntil([&] { return motif::isViewable(XtParent(pane)); }));
    motif::click(wrap);
    EXPECT_TRUE(motif::pumpUntil([&] { return toggled.count == 1; }));
    motif::click(cascade);
    ASSERT_TRUE(motif::pumpUntil([&] { return motif::isViewable(XtParent(pane)); }));
    motif::click(copy);
    EXPECT_TRUE(motif::pumpUntil([&] { return pushed.count == 1; }));
    EXPECT_EQ(toggled.count, 1);
}
