// List helpers on real XmLists: what a list shows after sorted insertion, centring and
// replacement, the title that follows the horizontal scroll bar, and compound-string tables.
#include "motifHarness.h"

#include <Xm/Form.h>
#include <Xm/List.h>
#include <Xm/ScrollBar.h>
#include <Xm/ScrolledW.h>
#include <Xm/Text.h>
#include <cstring>
#include <string>
#include <vector>

using motif::app;
using Texts = std::vector<std::string>;
using motif::value;

namespace {

XmString make(const std::string &text)
{
    return XmStringCreateLocalized(const_cast<char *>(text.c_str()));
}

// What the list shows, top to bottom.
Texts shown(Widget list)
{
    XmString *items = nullptr;
    Texts texts;
    for (int i = 0, n = getListItems(list, &items); i < n; i++) {
        char *t = CVxmgetCharStringFromXmString(items[i]);
        texts.push_back(t);
        XtFree(t);
    }
    return texts;
}

Widget form()
{
    static Widget f = nullptr;
    if (f == nullptr) {
        f = XmCreateForm(motif::newTopLevel("lists"), const_cast<char *>("content"), nullptr, 0);
        XtManageChild(f);
    }
    return f;
}

Widget listOf(const Texts &texts, int visible = 0, unsigned char policy = XmBROWSE_SELECT)
{
    std::vector<XmString> items;
    for (const std::string &t : texts) {
        items.push_back(make(t));
    }
    setupList(visible, policy);
    Widget list = AddSList(form(), nullptr, items.data(), static_cast<int>(items.size()));
    for (XmString s : items) {
        XmStringFree(s);
    }
    XtManageChild(list);
    return list;
}

} // namespace

TEST(Lists, BuiltWithTheirItemsTheLibrarysLookAndQueries)
{
    XmString items[] = {make("alpha"), make("beta"), make("gamma"), make("beta")};
    EXPECT_EQ(shown(AddList(form(), nullptr, items, 2)), Texts({"alpha", "beta"}));
    EXPECT_EQ(getListItems(AddList(form(), nullptr, nullptr, 5), nullptr) + getListItems(AddSList(form(), nullptr, items, -2), nullptr), 0);

    setupList(7, XmMULTIPLE_SELECT);
    Widget list = AddSList(form(), "named", items, 4);
    EXPECT_EQ(widgetArgCnt, 0u);
    EXPECT_TRUE(XmIsList(list) && XmIsScrolledWindow(XtParent(list)));
    EXPECT_EQ(value<int>(list, XmNvisibleItemCount), 7);
    EXPECT_EQ(value<unsigned char>(list, XmNselectionPolicy), XmMULTIPLE_SELECT);
    EXPECT_EQ(getListItemPosition(list, items[3]), 2) << "the first of two equal items";
    XmListSelectPos(list, 3, False);
    XmString *selected = nullptr;
    ASSERT_EQ(getSelected(list, &selected), 1);
    EXPECT_TRUE(XmStringCompare(selected[0], items[2]));

    clearList(list);
    EXPECT_EQ(getListItems(list, nullptr) + getSelected(list, nullptr) + getListItemPosition(list, items[1]), 0);
    clearList(nullptr);
    for (XmString s : items) {
        XmStringFree(s);
    }
}

TEST(Lists, SortedInsertionOnTheRealList)
{
    struct Case {
        const char *text;
        int result;
        Texts after;
    };
    for (const Case &c : {Case{"a", 1, {"a", "b", "d"}}, Case{"c", 2, {"b", "c", "d"}}, Case{"e", 3, {"b", "d", "e"}}}) {
        Widget list = listOf({"b", "d"});
        EXPECT_EQ(addItemSorted(list, nullptr, const_cast<char *>(c.text), strcmp), c.result) << c.text;
        EXPECT_EQ(shown(list), c.after);
    }
    // A second "b", given as an item, goes in front of the first; it comes in unselected.
    Widget list = listOf({"b", "d"});
    XmListSelectPos(list, 1, False);
    XmString b = make("b");
    EXPECT_EQ(addItemSorted(list, b, nullptr, strcmp), 1);
    EXPECT_EQ(shown(list), Texts({"b", "b", "d"}));
    EXPECT_FALSE(XmListPosSelected(list, 1));
    EXPECT_TRUE(XmListPosSelected(list, 2));
    // Both or neither form: refused, the list unchanged.
    EXPECT_EQ(addItemSorted(list, b, const_cast<char *>("b"), strcmp), -1);
    EXPECT_EQ(CVxmListAddItemSorted(list, nullptr, nullptr, nullptr, nullptr), -1);
    EXPECT_EQ(getListItems(list, nullptr), 3);
    XmStringFree(b);
    EXPECT_EQ(addItemSorted(listOf({}), nullptr, const_cast<char *>("first"), strcmp), 1);
}

TEST(Lists, CentringShowsThePositionInTheMiddleRow)
{
    Texts hundred;
    for (int i = 1; i <= 100; i++) {
        hundred.push_back("item " + std::to_string(i));
    }
    Widget list = listOf(hundred, 10);
    ASSERT_TRUE(motif::popUp(XtParent(form())));
    auto top = [&] { return value<int>(list, XmNtopItemPosition); };
    for (auto [position, expected] : {std::pair{50, 45}, {3, 1}, {97, 91}, {20, 15}, {0, 91}, {1000, 91}}) {
        CVxmListSetCenterPos(list, position);
        EXPECT_EQ(top(), expected) << position;
    }
    int notified = 0;
    XtAddCallback(list, XmNbrowseSelectionCallback, [](Widget, XtPointer n, XtPointer) { ++*static_cast<int *>(n); },
                  &notified);
    makeCenterOfScreen(list, 60, True);
    EXPECT_EQ(top(), 55);
    EXPECT_TRUE(XmListPosSelected(list, 60));
    makeCenterOfScreen(list, 30, False);
    EXPECT_TRUE(XmListPosSelected(list, 30));
    EXPECT_EQ(notified, 1);
    // An empty list: nothing to centre or select, and no failure.
    Widget empty = listOf({}, 5);
    makeCenterOfScreen(empty, 3, True);
    EXPECT_EQ(getSelected(empty, nullptr), 0);
}

TEST(Lists, ReplacingKeepsTheSelectionAtItsPositions)
{
    Widget list = listOf({"a", "b", "c", "d"}, 4, XmMULTIPLE_SELECT);
    XmListSelectPos(list, 2, False);
    XmListSelectPos(list, 3, False);
    XmString old[] = {make("b"), make("c")}, fresh[] = {make("c2"), make("b2")};
    replaceItems(list, old, 2, fresh);
    EXPECT_EQ(shown(list), Texts({"a", "c2", "b2", "d"}));
    int *positions = nullptr, n = 0;
    ASSERT_TRUE(XmListGetSelectedPos(list, &positions, &n));
    EXPECT_EQ(std::vector<int>(positions, positions + n), (std::vector<int>{2, 3}));
    XtFree(reinterpret_cast<char *>(positions));
    XmListDeselectAllItems(list);
    replaceItems(list, fresh, 2, old);
    EXPECT_EQ(getSelected(list, nullptr), 0) << "no selection stays none";
    for (XmString s : {old[0], old[1], fresh[0], fresh[1]}) {
        XmStringFree(s);
    }

    Widget text = addLSEdit(form(), const_cast<char *>("first\nsecond"), "Notes", 30, 100, 4);
    EXPECT_EQ(motif::textOf(text), "first\nsecond");
    EXPECT_TRUE(XmTextGetEditable(text) && XtIsManaged(text) && value<short>(text, XmNrows) == 4);
}

TEST(SyncedTitle, TitleFollowsTheHorizontalScrollBar)
{
    Widget shell = motif::newTopLevel("synced");
    Widget parent = XmCreateForm(shell, const_cast<char *>("content"), nullptr, 0);
    XtManageChild(parent);
    XFontStruct *fixed = XLoadQueryFont(app().display, "fixed");
    XmFontList font = XmFontListCreate(fixed, const_cast<char *>(XmSTRING_DEFAULT_CHARSET));
    Widget title = nullptr, list = nullptr;
    Widget synced = AddMSyncTitleAndListWithFont(parent, const_cast<char *>("Node      Status"), 20, 5, XmSINGLE_SELECT,
                                                 &title, &list, font, const_cast<char *>(XmSTRING_DEFAULT_CHARSET));
    EXPECT_STREQ(XtName(synced), "syncTitleForm");
    EXPECT_EQ(motif::labelText(title), "Node      Status");
    EXPECT_EQ(value<Dimension>(synced, XmNwidth), 20 * fixed->max_bounds.width) << "twenty letters wide";
    for (const char *row : {"router1   up    10.0.0.1    cisco 2600 in the basement rack",
                            "hub       down  10.0.0.2    a long description that needs scrolling"}) {
        XmString s = make(row);
        XmListAddItem(list, s, 0);
        XmStringFree(s);
    }
    ASSERT_TRUE(motif::popUp(shell));
    Widget bar = value<Widget>(XtParent(list), XmNhorizontalScrollBar);
    ASSERT_TRUE(motif::pumpUntil([&] { return motif::isViewable(bar); })) << "the rows are wider than the list";
    Position titleX = value<Position>(title, XmNx);

    // A click on the scroll bar's right arrow moves the title as far as the list's text went.
    Dimension w = value<Dimension>(bar, XmNwidth), h = value<Dimension>(bar, XmNheight);
    Window child;
    int x, y;
    XTranslateCoordinates(app().display, XtWindow(bar), DefaultRootWindow(app().display), w - h / 2, h / 2, &x, &y, &child);
    auto clickRightArrow = [&] {
        int before = value<int>(bar, XmNvalue);
        XTestFakeMotionEvent(app().display, -1, x, y, CurrentTime);
        XTestFakeButtonEvent(app().display, 1, True, CurrentTime);
        XTestFakeButtonEvent(app().display, 1, False, CurrentTime);
        return motif::pumpUntil([&] { return value<int>(bar, XmNvalue) > before; });
    };
    ASSERT_TRUE(clickRightArrow());
    motif::pump();
    ASSERT_TRUE(clickRightArrow());
    motif::pump();
    int scrolled = value<int>(bar, XmNvalue);
    EXPECT_EQ(value<int>(title, XmNleftOffset), -scrolled);
    EXPECT_EQ(value<Position>(title, XmNx), titleX - scrolled);
    // Once the rows fit, the scroll bar goes away and the title is back over the first column.
    XmListDeleteAllItems(list);
    ASSERT_TRUE(motif::pumpUntil([&] { return !motif::isViewable(bar) && value<int>(title, XmNleftOffset) == 0; }));
    EXPECT_EQ(value<Position>(title, XmNx), titleX);
    XtDestroyWidget(shell);
}

TEST(StringTables, CreateCopyFreeAndText)
{
    EXPECT_EQ(CVxmStringTableCreate(0), nullptr);
    XmString *table = CVxmStringTableCreate(3);
    ASSERT_TRUE(table != nullptr && table[0] == nullptr && table[2] == nullptr);
    table[0] = make("x");
    EXPECT_EQ(CVxmStringTableCopy(3, table), nullptr) << "a table with a hole";
    table[1] = make("y");
    table[2] = make("two\nlines");
    XmString *copy = CVxmStringTableCopy(3, table);
    CVxmStringTableFree(3, table);
    char *text = CVxmgetCharStringFromXmString(copy[2]);
    EXPECT_STREQ(text, "two\nlines");
    XtFree(text);
    CVxmStringTableFree(3, copy);

    // Two segments without a separator still become two lines.
    XmString a = XmStringCreate(const_cast<char *>("a"), const_cast<char *>(XmFONTLIST_DEFAULT_TAG));
    XmString b = XmStringCreate(const_cast<char *>("b"), const_cast<char *>("other"));
    XmString ab = XmStringConcat(a, b);
    text = CVxmgetCharStringFromXmString(ab);
    EXPECT_STREQ(text, "a\nb");
    XtFree(text);
    EXPECT_EQ(CVxmgetCharStringFromXmString(nullptr), nullptr);
    for (XmString s : {a, b, ab}) {
        XmStringFree(s);
    }
}
