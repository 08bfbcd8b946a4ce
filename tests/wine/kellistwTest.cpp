// Lists with Motif's conventions, sorted insertion, reordering and the message log, on the real
// list boxes of a dialog.
#include "kelMsgDlg.h"
#include "kelwlib.h"

#include "isolated.h"
#include "support/listres.h"
#include "support/watch.h"

#include <cstdlib>
#include <cstring>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {

CWinApp testApp;

using Items = std::vector<std::string>;

const unsigned char *U(const char *s)
{
    return reinterpret_cast<const unsigned char *>(s);
}

// Copies the strings into a table as the library takes it; freed with the object.
struct Table {
    std::vector<unsigned char *> items;
    explicit Table(const Items &texts)
    {
        for (const auto &t : texts) {
            items.push_back(KelGetString(t.c_str()));
        }
    }
    ~Table()
    {
        for (auto *p : items) {
            KelStringFree(p);
        }
    }
    unsigned char **data() { return items.data(); }
    int size() const { return static_cast<int>(items.size()); }
};

// The dialog of lists, shown, remembering the commands it receives.
struct ListsDialog : CDialog {
    std::vector<std::pair<WPARAM, LPARAM>> commands;
    KelListWidget single;
    KelListWidget extended;
    KelListWidget log;
    KelPaseudoWidget up;
    KelPaseudoWidget down;

    ListsDialog()
    {
        EXPECT_TRUE(Create(IDD_TEST_LISTS));
        SetWindowPos(nullptr, 50, 50, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
        ShowWindow(SW_SHOWNORMAL);
        UpdateWindow();
        single.widget.init(this, IDC_SINGLE_LIST);
        extended.widget.init(this, IDC_EXTENDED_LIST);
        log.widget.init(this, IDC_LOG_LIST);
        up.init(this, IDC_UP);
        down.init(this, IDC_DOWN);
    }
    // The selection changes announced to the dialog (focus changes come as commands too).
    std::vector<std::pair<WPARAM, LPARAM>> selChanges() const
    {
        std::vector<std::pair<WPARAM, LPARAM>> changes;
        for (const auto &c : commands) {
            if (HIWORD(c.first) == LBN_SELCHANGE) {
                changes.push_back(c);
            }
        }
        return changes;
    }
    HWND handle(int id = IDC_EXTENDED_LIST) { return ::GetDlgItem(m_hWnd, id); }

protected:
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override
    {
        commands.emplace_back(wParam, lParam);
        return CDialog::OnCommand(wParam, lParam);
    }
};

void fill(KelListWidget &list, const Items &texts)
{
    Table table(texts);
    KelListSetItems(&list, table.data(), table.size());
}

Items tableItems(unsigned char **items, int count)
{
    Items out;
    for (int i = 0; i < count; i++) {
        out.push_back(reinterpret_cast<char *>(items[i]));
    }
    return out;
}

std::vector<int> selectedPositions(KelListWidget &list)
{
    int *positions = nullptr;
    int count = -1;
    KelListGetSelectedPos(&list, &positions, &count);
    std::vector<int> out(positions, positions + count);
    free(positions);
    return out;
}

Items numbered(int n, const char *prefix = "item")
{
    Items items;
    for (int i = 1; i <= n; i++) {
        items.push_back(prefix + std::to_string(i));
    }
    return items;
}

// Watches how a list box is drawn while its content changes: the changes made while it may
// draw, and its repaints.
struct DrawWatch {
    int changes = 0;
    int changesWhileDrawing = 0;
    int paints = 0;
    bool drawing = true;
};
DrawWatch watch;
WNDPROC listProc = nullptr;
LRESULT CALLBACK watchingProc(HWND w, UINT m, WPARAM wp, LPARAM lp)
{
    switch (m) {
    case WM_PAINT:
        watch.paints++;
        break;
    case WM_SETREDRAW:
        watch.drawing = wp != 0;
        break;
    case LB_INSERTSTRING:
    case LB_ADDSTRING:
    case LB_DELETESTRING:
        watch.changes++;
        watch.changesWhileDrawing += watch.drawing;
        break;
    }
    return CallWindowProcA(listProc, w, m, wp, lp);
}

void startWatching(HWND list)
{
    pumpPending();
    listProc = reinterpret_cast<WNDPROC>(SetWindowLongPtrA(list, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(watchingProc)));
    watch = DrawWatch();
}

DrawWatch stopWatching(HWND list)
{
    pumpPending();
    SetWindowLongPtrA(list, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(listProc));
    return watch;
}

// Makes the list box show exactly rows whole items.
void showRows(HWND list, int rows)
{
    RECT window, client;
    GetWindowRect(list, &window);
    GetClientRect(list, &client);
    int frame = (window.bottom - window.top) - client.bottom;
    int item = static_cast<int>(SendMessageA(list, LB_GETITEMHEIGHT, 0, 0));
    SetWindowPos(list, nullptr, 0, 0, window.right - window.left, rows * item + frame + item / 2,
                 SWP_NOMOVE | SWP_NOZORDER);
}

} // namespace

// A shown dialog of lists; most tests work on its extended list.
class Lists : public ::testing::Test {
protected:
    ListsDialog dialog;
    KelListWidget &list = dialog.extended;
    HWND box = dialog.handle();
};
using ListContent = Lists;
using ListTables = Lists;
using ListSelection = Lists;
using ListGeometry = Lists;
using SortedInsertion = Lists;
using Reorder = Lists;

TEST_F(ListContent, PositionsAreOneBasedAndZeroIsTheLast)
{
    fill(list, {"a", "b", "c"});
    EXPECT_EQ(KelListItemPos(&list, U("c")), 3);
    EXPECT_EQ(KelListItemPos(&list, U("d")), 0);
    EXPECT_EQ(KelListItemExists(&list, U("B")), 0) << "items compare by value, letter case included";
    KelListDeletePos(&list, 0);
    KelListAddItemUnselected(&list, U("last"), 0);
    KelListAddItemUnselected(&list, U("first"), 1);
    Table two({"x1", "x2"});
    KelListAddItems(&list, two.data(), 2, 2);
    EXPECT_EQ(listItems(box), (Items{"first", "a", "x1", "x2", "b", "last"})) << "added after position 2";
    unsigned char *item = KelListGetItem(&list, 2);
    EXPECT_STREQ(reinterpret_cast<char *>(item), "a");
    KelStringFree(item);
    KelListDeleteItem(&list, U("b"));
    KelListDeleteItem(&list, U("absent"));
    EXPECT_EQ(listItems(box), (Items{"first", "a", "x1", "x2", "last"}));
    fill(list, {"only"});
    EXPECT_EQ(listItems(box), (Items{"only"}));
}

TEST_F(ListContent, ManyItemsAtOnceAreDrawnOnceAfterTheLast)
{
    startWatching(box);
    fill(list, numbered(200));
    Table more({"more1", "more2", "more3"});
    KelListAddItems(&list, more.data(), 3, 100);
    DrawWatch drawn = stopWatching(box);
    EXPECT_EQ(drawn.changes, 203);
    EXPECT_EQ(drawn.changesWhileDrawing, 0);
    EXPECT_TRUE(drawn.drawing);
    EXPECT_EQ(drawn.paints, 1);
    EXPECT_EQ(listItems(box)[100], "more1");
    KelListDeleteAllItems(&list);
    EXPECT_EQ(KelListGetItemCount(&list), 0);
}

TEST_F(ListContent, ReplacingAndDeletingByValue)
{
    fill(list, {"a", "b", "c", "d", "e"});
    KelListSetSelectedPos(&list, std::vector<int>{2, 4}.data(), 2);

    Table olds({"b", "zz", "d"});
    Table news({"B", "never", "D"});
    KelListReplaceItemsKeepingSelectedPos(&list, olds.data(), 3, news.data());
    EXPECT_EQ(listItems(box), (Items{"a", "B", "c", "D", "e"}));
    EXPECT_EQ(listSelection(box), (std::vector<int>{2, 4}));

    Table back({"B"}), plain({"b"});
    KelListReplaceItems(&list, back.data(), 1, plain.data());
    EXPECT_EQ(listItems(box)[1], "b");
    EXPECT_EQ(listSelection(box), (std::vector<int>{4})) << "replaced unselected";

    // The widget's own selection table may be handed back for deletion.
    KelListSetSelectedPos(&list, std::vector<int>{1, 3}.data(), 2);
    unsigned char **selected;
    int count;
    KelListGetSelectedItems(&list, &selected, &count);
    ASSERT_EQ(count, 3);
    KelListDeleteItems(&list, selected, count);
    EXPECT_EQ(listItems(box), (Items{"b", "e"}));
}

TEST_F(ListTables, ChangesKeepTheTablesInStepWithTheControl)
{
    fill(list, numbered(50));
    KelListSetSelectedPos(&list, std::vector<int>{3, 10, 50}.data(), 3);
    unsigned char **items, **selected;
    int count, selectedCount;
    KelListGetItems(&list, &items, &count); // the tables are built once

    Table olds({"item3", "item20", "item44"}), news({"new3", "new20", "new44"});
    KelListReplaceItemsKeepingSelectedPos(&list, olds.data(), 3, news.data());
    Table gone({"item1", "item49", "absent"});
    KelListDeleteItems(&list, gone.data(), 3);
    KelListDeletePos(&list, 0);
    KelListAddItemUnselected(&list, U("first"), 1);
    KelListAddItemUnselected(&list, U("last"), 0);
    Table two({"x1", "x2"});
    KelListAddItems(&list, two.data(), 2, 5);
    KelListMoveDownPos(&list, 2);
    EXPECT_EQ(KelListItemPos(&list, U("new44")), 46);
    KelListGetItems(&list, &items, &count);
    KelListGetSelectedItems(&list, &selected, &selectedCount);
    EXPECT_EQ(tableItems(items, count), listItems(box));
    EXPECT_EQ(tableItems(selected, selectedCount), (Items{"new3", "item10"}));
    EXPECT_EQ(selectedPositions(list), listSelection(box));

    // Selected by the user, not through the library: the tables follow the control.
    SendMessageA(box, LB_SETSEL, FALSE, -1);
    SendMessageA(box, LB_SETSEL, TRUE, 1);
    SendMessageA(box, LB_SETSEL, TRUE, 3);
    EXPECT_EQ(selectedPositions(list), (std::vector<int>{2, 4}));
    KelListGetSelectedItems(&list, &selected, &selectedCount);
    EXPECT_EQ(tableItems(selected, selectedCount), (Items{listItems(box)[1], listItems(box)[3]}));
    EXPECT_EQ(KelListGetSelectedItemCount(&list), 2);
}

TEST_F(ListSelection, SingleSelectionListsHoldOneItem)
{
    KelListWidget &single = dialog.single;
    fill(single, {"a", "b", "c"});
    int *none = reinterpret_cast<int *>(1);
    int count = -1;
    EXPECT_EQ(KelListGetSelectedPos(&single, &none, &count), 0);
    EXPECT_EQ(none, nullptr);
    EXPECT_EQ(count, 0);
    KelListSelectPos(&single, 1, 0, 0);
    KelListSelectPos(&single, 3, 0, 0);
    EXPECT_EQ(selectedPositions(single), (std::vector<int>{3}));
    KelListSelectItem(&single, U("b"), 0);
    EXPECT_EQ(selectedPositions(single), (std::vector<int>{2}));
    KelListDeselectAllItems(&single);
    EXPECT_EQ(KelListGetSelectedItemCount(&single), 0);
    EXPECT_EQ(KelListSetSel(&single, -1), 2) << "index -1 is the last item";
    EXPECT_EQ(selectedPositions(single), (std::vector<int>{3}));
}

TEST_F(ListSelection, ExtendedListsAddToTheSelectionUnlessReplacing)
{
    EXPECT_EQ(KelListSetSel(&list, -1), -1) << "nothing to select in an empty list";
    fill(list, {"a", "b", "c", "d", "e"});
    KelListSelectPos(&list, 2, 0, 0);
    KelListSelectPos(&list, 0, 0, 0);
    EXPECT_EQ(listSelection(box), (std::vector<int>{2, 5}));
    KelListSelectPos(&list, 3, 0, 1);
    EXPECT_EQ(listSelection(box), (std::vector<int>{3}));

    Table some({"a", "nope", "d"});
    KelListSelectItems(&list, some.data(), 3, 0);
    EXPECT_EQ(listSelection(box), (std::vector<int>{1, 3, 4}));
    KelListDeselectPos(&list, 3);
    KelListDeselectItem(&list, U("a"));
    EXPECT_EQ(listSelection(box), (std::vector<int>{4}));
    KelListSetSelectedPos(&list, std::vector<int>{1, 2}.data(), 2);
    EXPECT_EQ(listSelection(box), (std::vector<int>{1, 2, 4}));
    EXPECT_TRUE(dialog.selChanges().empty()) << "nothing was announced";
}

TEST_F(ListSelection, DeselectingAllReachesItemsBeyond65535)
{
    const int n = 70000;
    SendMessageA(box, WM_SETREDRAW, FALSE, 0);
    SendMessageA(box, LB_INITSTORAGE, n, n * 8);
    for (int i = 0; i < n; i++) {
        SendMessageA(box, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(std::to_string(i).c_str()));
    }
    list.SetChangeFlag();
    KelListSelectPos(&list, 2, 0, 0);
    KelListSelectPos(&list, 0, 0, 0);
    ASSERT_EQ(SendMessageA(box, LB_GETSELCOUNT, 0, 0), 2);
    KelListDeselectAllItems(&list);
    EXPECT_EQ(SendMessageA(box, LB_GETSELCOUNT, 0, 0), 0) << "the last item is still selected";
    SendMessageA(box, LB_RESETCONTENT, 0, 0);
}

TEST_F(ListSelection, NotifyingReachesTheDialogExactlyAsAUsersClick)
{
    KelListWidget &single = dialog.single;
    fill(single, {"a", "b", "c"});
    HWND singleBox = dialog.handle(IDC_SINGLE_LIST);

    // The user clicks the second item.
    RECT item;
    SendMessageA(singleBox, LB_GETITEMRECT, 1, reinterpret_cast<LPARAM>(&item));
    LPARAM at = MAKELPARAM((item.left + item.right) / 2, (item.top + item.bottom) / 2);
    PostMessageA(singleBox, WM_LBUTTONDOWN, MK_LBUTTON, at);
    PostMessageA(singleBox, WM_LBUTTONUP, 0, at);
    ASSERT_TRUE(pumpUntil([&] { return !dialog.selChanges().empty(); }));
    pumpPending();
    ASSERT_EQ(selectedPositions(single), (std::vector<int>{2}));
    std::vector<std::pair<WPARAM, LPARAM>> byUser = dialog.selChanges();
    ASSERT_EQ(byUser.size(), 1u);
    EXPECT_EQ(byUser[0].first, MAKEWPARAM(IDC_SINGLE_LIST, LBN_SELCHANGE));

    // The library's announcement arrives before the call returns, and looks the same.
    dialog.commands.clear();
    KelListSelectPos(&single, 3, 1, 1);
    EXPECT_EQ(dialog.selChanges(), byUser);

    dialog.commands.clear();
    KelListSelectItem(&single, U("absent"), 1);
    EXPECT_TRUE(dialog.selChanges().empty()) << "an absent item announces nothing";
    Table none({"x", "y"});
    KelListSelectItems(&single, none.data(), 2, 1);
    EXPECT_EQ(dialog.selChanges(), byUser) << "one announcement even when nothing was found";
}

TEST_F(ListGeometry, HorizontalExtentFollowsTheWidestItemInTheListsFont)
{
    // A font unlike the device context's default, so that measuring in the wrong one shows.
    LOGFONTA lf = {};
    lf.lfHeight = -24;
    lf.lfWeight = FW_BOLD;
    strcpy(lf.lfFaceName, "Tahoma");
    HFONT big = CreateFontIndirectA(&lf);
    SendMessageA(box, WM_SETFONT, reinterpret_cast<WPARAM>(big), TRUE);

    const char *wide = "a rather long item that does not fit";
    HDC dc = GetDC(box);
    HGDIOBJ old = SelectObject(dc, big);
    SIZE s, blank;
    GetTextExtentPoint32A(dc, wide, static_cast<int>(strlen(wide)), &s);
    GetTextExtentPoint32A(dc, " ", 1, &blank);
    SelectObject(dc, old);
    ReleaseDC(box, dc);
    auto extent = [&] { return static_cast<int>(SendMessageA(box, LB_GETHORIZONTALEXTENT, 0, 0)); };

    KelListAddItemUnselected(&list, U(wide), 0);
    EXPECT_EQ(extent(), s.cx + blank.cx);
    KelListAddItemUnselected(&list, U("short"), 0);
    KelListSortAddItem(&list, U("tiny"));
    EXPECT_EQ(extent(), s.cx + blank.cx) << "the extent only grows";
    KelListDeleteAllItems(&list);
    EXPECT_EQ(extent(), 0);
    DeleteObject(big);
}

TEST_F(ListGeometry, DisplayedCountAndScrollingPositions)
{
    EXPECT_EQ(KelListGetDisplayedItemCount(&list), 0);
    fill(list, numbered(20));
    showRows(box, 6);
    EXPECT_EQ(KelListGetDisplayedItemCount(&list), 6);

    KelListSetCenterPos(&list, 10);
    EXPECT_EQ(KelListGetPos(&list), 7);
    KelListSetBottomPos(&list, 2);
    EXPECT_EQ(KelListGetPos(&list), 1);
    KelListSetItem(&list, U("item4"));
    EXPECT_EQ(KelListGetPos(&list), 4);
    KelListSetBottomItem(&list, U("item12"));
    EXPECT_EQ(KelListGetPos(&list), 7);
    KelListSetBottomPos(&list, 0);
    EXPECT_EQ(KelListGetPos(&list), 15) << "the last item at the bottom";
}

namespace {
std::vector<std::pair<std::string, std::string>> comparisons;

int recordingCompare(const char *existing, const char *text, void *data)
{
    comparisons.emplace_back(existing, text);
    EXPECT_EQ(data, &comparisons);
    return strcmp(existing, text);
}
} // namespace

TEST_F(SortedInsertion, BinarySearchWithTheCallersComparison)
{
    EXPECT_EQ(addItemSorted(&list, nullptr, "m", strcmp), 1) << "an empty list";
    fill(list, {"b", "d"});
    EXPECT_EQ(addItemSorted(&list, nullptr, "c", strcmp), 2);
    EXPECT_EQ(addItemSorted(&list, nullptr, "e", strcmp), 4) << "after every item: appended";
    EXPECT_EQ(addItemSorted(&list, U("a"), nullptr, strcmp), 1);
    EXPECT_EQ(addItemSorted(&list, U("x"), "x", strcmp), -1);
    EXPECT_EQ(addItemSorted(&list, nullptr, nullptr, strcmp), -1);
    EXPECT_EQ(listItems(box), (Items{"a", "b", "c", "d", "e"})) << "refused entries change nothing";

    comparisons.clear();
    EXPECT_EQ(KelListAddItemSorted(&list, nullptr, "c", recordingCompare, &comparisons), 3);
    ASSERT_FALSE(comparisons.empty());
    EXPECT_EQ(comparisons[0], std::make_pair(std::string("c"), std::string("c")))
        << "the existing item first, the new text second";
    EXPECT_TRUE(listSelection(box).empty()) << "inserted unselected";
}

TEST_F(Reorder, MovingAContiguousSelectionKeepsItSelectedAndTheButtonsFollow)
{
    auto enabled = [&](int id) { return IsWindowEnabled(dialog.handle(id)) != 0; };
    fill(list, {"a", "b", "c", "d", "e"});
    KelListSetSelectedPos(&list, std::vector<int>{2, 3}.data(), 2);
    KelReorderSelectedItems(&list, dialog.up, dialog.down, KelReorderDown);
    EXPECT_EQ(listItems(box), (Items{"a", "d", "b", "c", "e"}));
    EXPECT_EQ(listSelection(box), (std::vector<int>{3, 4}));
    EXPECT_TRUE(enabled(IDC_UP) && enabled(IDC_DOWN));

    KelReorderSelectedItems(&list, dialog.up, dialog.down, KelReorderUp);
    KelReorderSelectedItems(&list, dialog.up, dialog.down, KelReorderUp);
    EXPECT_EQ(listItems(box), (Items{"b", "c", "a", "d", "e"}));
    EXPECT_EQ(listSelection(box), (std::vector<int>{1, 2}));
    EXPECT_FALSE(enabled(IDC_UP)) << "nothing above the selection";
    EXPECT_TRUE(enabled(IDC_DOWN));

    KelListSetSelectedPos(&list, std::vector<int>{4}.data(), 1);
    KelReorderSetSensitive(&list, dialog.up, dialog.down);
    EXPECT_FALSE(enabled(IDC_UP) || enabled(IDC_DOWN)) << "a selection with a gap moves neither way";
    KelListDeselectAllItems(&list);
    KelReorderSetSensitive(&list, dialog.up, dialog.down);
    EXPECT_FALSE(enabled(IDC_UP) || enabled(IDC_DOWN));
}

TEST_F(Reorder, TheFocusStaysOnAnEnabledButton)
{
    fill(list, {"a", "b", "c", "d", "e"});
    // The user presses Down with the keyboard until the item reaches the bottom.
    KelListSelectPos(&list, 3, 0, 1);
    KelReorderSetSensitive(&list, dialog.up, dialog.down);
    KelFocusIn(dialog.down);
    ASSERT_EQ(GetFocus(), dialog.handle(IDC_DOWN));
    KelReorderSelectedItems(&list, dialog.up, dialog.down, KelReorderDown);
    EXPECT_EQ(GetFocus(), dialog.handle(IDC_DOWN));
    KelReorderSelectedItems(&list, dialog.up, dialog.down, KelReorderDown);
    EXPECT_EQ(listItems(box), (Items{"a", "b", "d", "e", "c"}));
    EXPECT_FALSE(IsWindowEnabled(dialog.handle(IDC_DOWN)));
    EXPECT_EQ(GetFocus(), dialog.handle(IDC_UP)) << "the focus moved to the button still enabled";
}

TEST_F(Reorder, ALargeBlockMovesWithOneRepaintAndStaysInView)
{
    fill(list, numbered(300));
    KelListSelectPos(&list, 101, 0, 1);
    for (int pos = 102; pos <= 150; pos++) {
        KelListSelectPos(&list, pos, 0, 0);
    }
    startWatching(box);
    KelReorderSelectedItems(&list, dialog.up, dialog.down, KelReorderUp);
    DrawWatch drawn = stopWatching(box);
    EXPECT_EQ(drawn.changesWhileDrawing, 0);
    EXPECT_TRUE(drawn.drawing) << "drawing again afterwards";
    EXPECT_EQ(drawn.paints, 1);

    Items items = listItems(box);
    EXPECT_EQ(items[99], "item101");
    EXPECT_EQ(items[148], "item150");
    EXPECT_EQ(items[149], "item100") << "the item above the block went below it";
    std::vector<int> selected = listSelection(box);
    ASSERT_EQ(selected.size(), 50u);
    EXPECT_EQ(selected.front(), 100);
    EXPECT_EQ(selected.back(), 149);
    int top = KelListGetPos(&list);
    EXPECT_LE(top, 100);
    EXPECT_GT(top + KelListGetDisplayedItemCount(&list), 100) << "the moved block is in view";
}

// The cases: the top item moved up, a negative position, a list whose control is missing.
CHILD_TEST(ListFailures, ImpossibleRequest)
{
    ListsDialog dialog;
    fill(dialog.extended, {"a", "b"});
    KelListSelectPos(&dialog.extended, 1, 0, 1);
    KelListWidget nowhere;
    nowhere.widget.init(&dialog, 4711);
    unsigned char **items;
    int count;
    WindowWatcher box(testApp.m_pszAppName, "OK", true);
    switch (childCase()) {
    case 0:
        KelReorderSelectedItems(&dialog.extended, dialog.up, dialog.down, KelReorderUp);
        break;
    case 1:
        KelListDeletePos(&dialog.extended, -1);
        break;
    default:
        KelListGetItems(&nowhere, &items, &count);
    }
    printf("RETURNED\n");
}

TEST(ListFailures, ImpossibleRequestsEndTheProcessWithInternalError)
{
    for (int c : {0, 1, 2}) {
        setChildCase(c);
        EXPECT_TRUE(endedWith("ListFailures.InChild_ImpossibleRequest", "TEXT[Internal Error]")) << "case " << c;
    }
}

// ---- The message log.

TEST(MessageLog, LinesBecomeItemsIndentedUnderTheText)
{
    ListsDialog dialog;
    HWND box = dialog.handle(IDC_LOG_LIST);
    // The stamp's rules are unit-tested (unit_msglog): here the lines become the list's items.
    ASSERT_EQ(addMessage(&dialog.log, 1, "first %d\nsecond", 1), 0);
    Items items = listItems(box);
    ASSERT_EQ(items.size(), 2u);
    size_t stamp = items[0].find("first 1");
    ASSERT_TRUE(stamp != std::string::npos && stamp > 0) << items[0];
    EXPECT_EQ(items[1], std::string(stamp, ' ') + "second");

    KelListDeleteAllItems(&dialog.log);
    ASSERT_EQ(addMessage(&dialog.log, 0, "one\ntwo"), 0);
    EXPECT_EQ(listItems(box), (Items{"one", "  two"}));
}

TEST(MessageLog, OldItemsGoAndTheNewestIsInView)
{
    ListsDialog dialog;
    fill(dialog.log, numbered(503, "old"));
    ASSERT_EQ(addMessage(&dialog.log, 0, "new"), 0);
    Items items = listItems(dialog.handle(IDC_LOG_LIST));
    ASSERT_EQ(items.size(), 501u) << "trimmed to 500 before the new line";
    EXPECT_EQ(items.front(), "old4");
    EXPECT_EQ(items.back(), "new");
    int top = KelListGetPos(&dialog.log);
    EXPECT_GE(top + KelListGetDisplayedItemCount(&dialog.log), 501) << "scrolled to the newest";
}

TEST(MessageLog, WithoutAListTheUserIsToldInstead)
{
    WindowWatcher user("Error", "OK");
    EXPECT_EQ(addMessage(nullptr, 0, "lost %s", "message"), -1);
    SeenWindow box = user.wait();
    ASSERT_NE(box.hwnd, nullptr);
    EXPECT_NE(std::find(box.texts.begin(), box.texts.end(), "lost message"), box.texts.end());

    KelListWidget unset;
    WindowWatcher again("Error", "OK");
    EXPECT_EQ(addMessage(unset, 0, "also lost"), -1) << "a list widget pointed at nothing converts to null";
    EXPECT_NE(again.wait().hwnd, nullptr);
}
