// List helpers on real XmLists: what the list shows after sorted insertion, centring and
// replacement, the title that follows the horizontal scroll bar, and compound-string tables.
#include "motifHarness.h"

#include <Xm/Form.h>
#include <Xm/Frame.h>
#include <Xm/Label.h>
#include <Xm/List.h>
#include <Xm/ScrollBar.h>
#include <Xm/ScrolledW.h>
#include <Xm/Text.h>
#include <algorithm>
#include <cstring>
#include <random>
#include <string>
#include <vector>

using motif::app;

namespace {

template <typename T> T value(Widget w, const char *resource)
{
    T v{};
    XtVaGetValues(w, resource, &v, nullptr);
    return v;
}

XmString make(const std::string &text)
{
    return XmStringCreateLocalized(const_cast<char *>(text.c_str()));
}

// What the list shows, top to bottom.
std::vector<std::string> shown(Widget list)
{
    XmString *items = nullptr;
    int n = getListItems(list, &items);
    std::vector<std::string> texts;
    for (int i = 0; i < n; i++) {
        char *t = CVxmgetCharStringFromXmString(items[i]);
        texts.push_back(t != nullptr ? t : "");
        XtFree(t);
    }
    return texts;
}

std::vector<std::string> words(std::initializer_list<const char *> list)
{
    return std::vector<std::string>(list.begin(), list.end());
}

// A shown window with a form for the widgets under test.
struct Window_ {
    Widget shell, form;
    explicit Window_(const char *name)
    {
        shell = motif::newTopLevel(name);
        form = XmCreateForm(shell, const_cast<char *>("content"), nullptr, 0);
        XtManageChild(form);
    }
    bool show() { return motif::popUp(shell); }
    ~Window_() { XtDestroyWidget(shell); }
};

Widget listOf(Widget parent, const std::vector<std::string> &texts, int visible = 0,
              unsigned char policy = XmBROWSE_SELECT)
{
    std::vector<XmString> items;
    for (const std::string &t : texts) {
        items.push_back(make(t));
    }
    setupList(visible, policy);
    Widget list = AddSList(parent, nullptr, items.data(), static_cast<int>(items.size()));
    for (XmString s : items) {
        XmStringFree(s);
    }
    XtManageChild(list);
    return list;
}

std::vector<std::string> numbered(int n)
{
    std::vector<std::string> texts;
    for (int i = 1; i <= n; i++) {
        texts.push_back("item " + std::to_string(i));
    }
    return texts;
}

} // namespace

TEST(ListBuilders, ListsWithTheirItemsAndTheLibrarysLook)
{
    Window_ win("builders");
    XmString items[] = {make("one"), make("two")};
    Widget plain = AddList(win.form, nullptr, items, 2);
    EXPECT_STREQ(XtName(plain), "cmd");
    EXPECT_FALSE(XtIsManaged(plain));
    EXPECT_EQ(shown(plain), words({"one", "two"}));
    EXPECT_EQ(widgetArgCnt, 0u);

    setupList(7, XmMULTIPLE_SELECT);
    Widget scrolled = AddSList(win.form, "named", items, 2);
    EXPECT_STREQ(XtName(scrolled), "named");
    EXPECT_TRUE(XmIsList(scrolled));
    EXPECT_TRUE(XmIsScrolledWindow(XtParent(scrolled)));
    EXPECT_EQ(value<int>(scrolled, XmNvisibleItemCount), 7);
    EXPECT_EQ(value<unsigned char>(scrolled, XmNselectionPolicy), XmMULTIPLE_SELECT);
    EXPECT_EQ(value<unsigned char>(scrolled, XmNlistSizePolicy), XmRESIZE_IF_POSSIBLE);
    EXPECT_EQ(value<unsigned char>(scrolled, XmNscrollBarDisplayPolicy), XmAS_NEEDED);
    XmStringFree(items[0]);
    XmStringFree(items[1]);

    // No items: an empty list, whatever the count says.
    EXPECT_EQ(getListItems(AddList(win.form, nullptr, nullptr, 5), nullptr), 0);
    EXPECT_EQ(getListItems(AddSList(win.form, nullptr, items, 0), nullptr), 0);
    EXPECT_EQ(getListItems(AddSList(win.form, nullptr, items, -2), nullptr), 0);
}

TEST(ListQueries, ItemsSelectionAndPositions)
{
    Window_ win("queries");
    Widget list = listOf(win.form, words({"alpha", "beta", "gamma", "beta"}), 4, XmMULTIPLE_SELECT);
    XmString beta = make("beta"), delta = make("delta");
    EXPECT_EQ(getListItemPosition(list, beta), 2) << "the first of two equal items";
    EXPECT_EQ(getListItemPosition(list, delta), 0);
    XmListSelectPos(list, 3, False);
    XmListSelectPos(list, 1, False);
    XmString *selected = nullptr;
    EXPECT_EQ(getSelected(list, &selected), 2);
    EXPECT_EQ(getSelected(list, nullptr), 2);
    char *first = CVxmgetCharStringFromXmString(selected[0]), *second = CVxmgetCharStringFromXmString(selected[1]);
    std::vector<std::string> selectedTexts = {first, second};
    std::sort(selectedTexts.begin(), selectedTexts.end());
    EXPECT_EQ(selectedTexts, words({"alpha", "gamma"}));
    XtFree(first);
    XtFree(second);

    clearList(list);
    EXPECT_EQ(getListItems(list, nullptr), 0);
    EXPECT_EQ(getSelected(list, nullptr), 0);
    EXPECT_EQ(getListItemPosition(list, beta), 0);
    clearList(nullptr);
    XmStringFree(beta);
    XmStringFree(delta);
}

TEST(SortedInsertion, ItemsLandInOrderOnTheRealList)
{
    Window_ win("sorted");
    const auto bd = words({"b", "d"});
    struct Case {
        const char *text;
        int result;
        std::vector<std::string> after;
    };
    for (const Case &c : {Case{"a", 1, words({"a", "b", "d"})}, Case{"c", 2, words({"b", "c", "d"})},
                          Case{"e", 3, words({"b", "d", "e"})}}) {
        SCOPED_TRACE(c.text);
        Widget list = listOf(win.form, bd);
        EXPECT_EQ(addItemSorted(list, nullptr, const_cast<char *>(c.text), strcmp), c.result);
        EXPECT_EQ(shown(list), c.after);
    }

    // A second "b", given as an item, goes in front of the first; nothing comes out selected.
    Widget list = listOf(win.form, bd);
    XmListSelectPos(list, 1, False);
    XmString b = make("b");
    EXPECT_EQ(addItemSorted(list, b, nullptr, strcmp), 1);
    EXPECT_EQ(shown(list), words({"b", "b", "d"}));
    EXPECT_FALSE(XmListPosSelected(list, 1));
    EXPECT_TRUE(XmListPosSelected(list, 2)) << "the old selection moves with its item";

    // Both or neither form of the item: refused, the list unchanged.
    EXPECT_EQ(addItemSorted(list, b, const_cast<char *>("b"), strcmp), -1);
    EXPECT_EQ(addItemSorted(list, nullptr, nullptr, strcmp), -1);
    EXPECT_EQ(getListItems(list, nullptr), 3);
    XmStringFree(b);

    Widget empty = listOf(win.form, {});
    EXPECT_EQ(addItemSorted(empty, nullptr, const_cast<char *>("first"), strcmp), 1);
}

namespace {

// Sorts by number, larger first, through the client data's sign.
int byNumber(const char *existing, const char *text, XtPointer direction)
{
    long d = reinterpret_cast<long>(direction);
    return static_cast<int>(d * (atol(existing) - atol(text)));
}

} // namespace

TEST(SortedInsertion, ComparisonGetsItsClientDataAndManyInsertionsStaySorted)
{
    Window_ win("manySorted");
    Widget list = listOf(win.form, {});
    std::mt19937 random(3);
    std::vector<long> numbers;
    for (int i = 0; i < 300; i++) {
        long n = static_cast<long>(random() % 100);
        numbers.push_back(n);
        std::string text = std::to_string(n);
        CVxmListAddItemSorted(list, nullptr, const_cast<char *>(text.c_str()), byNumber, reinterpret_cast<XtPointer>(-1L));
    }
    std::vector<std::string> texts = shown(list);
    ASSERT_EQ(texts.size(), 300u);
    std::vector<long> got;
    for (const std::string &t : texts) {
        got.push_back(atol(t.c_str()));
    }
    std::sort(numbers.rbegin(), numbers.rend());
    EXPECT_EQ(got, numbers);
}

TEST(Centring, TheRealListShowsThePositionInItsMiddleRow)
{
    Window_ win("centre");
    Widget list = listOf(win.form, numbered(100), 10);
    ASSERT_TRUE(win.show());
    auto top = [&] { return value<int>(list, XmNtopItemPosition); };
    CVxmListSetCenterPos(list, 50);
    EXPECT_EQ(top(), 45);
    CVxmListSetCenterPos(list, 3);
    EXPECT_EQ(top(), 1);
    CVxmListSetCenterPos(list, 97);
    EXPECT_EQ(top(), 91) << "the end of the list";
    CVxmListSetCenterPos(list, 20);
    CVxmListSetCenterPos(list, 0);
    EXPECT_EQ(top(), 91);
    CVxmListSetCenterPos(list, 1000);
    EXPECT_EQ(top(), 91) << "a position past the end shows the end";

    int notified = 0;
    XtAddCallback(list, XmNbrowseSelectionCallback, [](Widget, XtPointer n, XtPointer) { ++*static_cast<int *>(n); },
                  &notified);
    makeCenterOfScreen(list, 60, True);
    EXPECT_EQ(top(), 55);
    EXPECT_TRUE(XmListPosSelected(list, 60));
    EXPECT_EQ(notified, 1);
    makeCenterOfScreen(list, 30, False);
    EXPECT_TRUE(XmListPosSelected(list, 30));
    EXPECT_EQ(notified, 1);

    // An empty list centres nothing and does not fail.
    Widget empty = listOf(win.form, {}, 5);
    makeCenterOfScreen(empty, 3, False);
    EXPECT_EQ(getSelected(empty, nullptr), 0);
}

TEST(Replacing, SelectionStaysAtItsPositions)
{
    Window_ win("replace");
    Widget list = listOf(win.form, words({"a", "b", "c", "d"}), 4, XmMULTIPLE_SELECT);
    XmListSelectPos(list, 2, False);
    XmListSelectPos(list, 3, False);
    XmString old[] = {make("b"), make("c")};
    XmString fresh[] = {make("c2"), make("b2")};
    replaceItems(list, old, 2, fresh);
    EXPECT_EQ(shown(list), words({"a", "c2", "b2", "d"}));
    int *positions = nullptr, n = 0;
    ASSERT_TRUE(XmListGetSelectedPos(list, &positions, &n));
    EXPECT_EQ(std::vector<int>(positions, positions + n), (std::vector<int>{2, 3}));
    XtFree(reinterpret_cast<char *>(positions));

    // Without a selection nothing becomes selected.
    XmListDeselectAllItems(list);
    replaceItems(list, fresh, 2, old);
    EXPECT_EQ(getSelected(list, nullptr), 0);
    EXPECT_EQ(shown(list), words({"a", "b", "c", "d"}));
    for (XmString s : {old[0], old[1], fresh[0], fresh[1]}) {
        XmStringFree(s);
    }
}

TEST(LabelledEdit, ScrolledTextShowsTheValueEditable)
{
    Window_ win("lsEdit");
    Widget text = addLSEdit(win.form, const_cast<char *>("first line\nsecond"), "Notes", 30, 100, 4);
    EXPECT_EQ(widgetArgCnt, 0u);
    EXPECT_TRUE(XtIsManaged(text));
    char *v = XmTextGetString(text);
    EXPECT_STREQ(v, "first line\nsecond");
    XtFree(v);
    EXPECT_TRUE(XmTextGetEditable(text));
    EXPECT_EQ(value<short>(text, XmNrows), 4);
    EXPECT_EQ(value<short>(text, XmNcolumns), 30);
    EXPECT_EQ(value<int>(text, XmNmaxLength), 100);
    EXPECT_EQ(value<unsigned char>(text, XmNeditMode), XmMULTI_LINE_EDIT);
    Widget form = XtParent(XtParent(text));
    EXPECT_STREQ(XtName(form), "labeledScrolledText");
    EXPECT_EQ(motif::labelText(XtNameToWidget(form, "title")), "Notes");

    // Typing reaches the field.
    ASSERT_TRUE(win.show());
    XmTextInsert(text, 0, const_cast<char *>(">"));
    v = XmTextGetString(text);
    EXPECT_EQ(v[0], '>');
    XtFree(v);
}

TEST(SyncedTitle, TitleFollowsTheHorizontalScrollBar)
{
    Widget shell = motif::newTopLevel("synced");
    Widget form = XmCreateForm(shell, const_cast<char *>("content"), nullptr, 0);
    XtManageChild(form);
    XmFontList font = XmFontListCreate(XLoadQueryFont(app().display, "fixed"), const_cast<char *>(XmSTRING_DEFAULT_CHARSET));
    Widget title = nullptr, list = nullptr;
    Widget synced = AddMSyncTitleAndListWithFont(form, const_cast<char *>("Node      Status"), 20, 5, XmSINGLE_SELECT,
                                                 &title, &list, font, const_cast<char *>(XmSTRING_DEFAULT_CHARSET));
    ASSERT_NE(title, nullptr);
    ASSERT_NE(list, nullptr);
    EXPECT_STREQ(XtName(synced), "syncTitleForm");
    EXPECT_STREQ(XtName(title), "syncTitleLabel");
    EXPECT_STREQ(XtName(list), "syncTitleList");
    EXPECT_TRUE(XtIsManaged(synced) && XtIsManaged(list) && XtIsManaged(title));
    EXPECT_EQ(motif::labelText(title), "Node      Status");
    EXPECT_EQ(widgetArgCnt, 0u);
    // Twenty letters of the font wide.
    XFontStruct *fixed = XLoadQueryFont(app().display, "fixed");
    EXPECT_EQ(value<Dimension>(synced, XmNwidth), 20 * fixed->max_bounds.width);

    for (const char *row : {"router1   up    10.0.0.1    cisco 2600 in the basement rack",
                                   "hub       down  10.0.0.2    a long description that needs scrolling"}) {
        XmString s = make(row);
        XmListAddItem(list, s, 0);
        XmStringFree(s);
    }
    ASSERT_TRUE(motif::popUp(shell));
    Widget bar = value<Widget>(XtParent(list), XmNhorizontalScrollBar);
    ASSERT_NE(bar, nullptr);
    ASSERT_TRUE(motif::pumpUntil([&] { return motif::isViewable(bar); })) << "the rows are wider than the list";
    Position titleX = value<Position>(title, XmNx);

    // Clicking the right arrow of the scroll bar moves the title left as far as the list's text
    // went; paging back brings it back.
    Dimension barWidth = value<Dimension>(bar, XmNwidth), barHeight = value<Dimension>(bar, XmNheight);
    Window child;
    int rx, ry;
    XTranslateCoordinates(app().display, XtWindow(bar), DefaultRootWindow(app().display), barWidth - barHeight / 2,
                          barHeight / 2, &rx, &ry, &child);
    auto clickRightArrow = [&] {
        XTestFakeMotionEvent(app().display, -1, rx, ry, CurrentTime);
        XTestFakeButtonEvent(app().display, 1, True, CurrentTime);
        XTestFakeButtonEvent(app().display, 1, False, CurrentTime);
        return motif::pumpUntil([&] { return value<int>(bar, XmNvalue) > 0; });
    };
    ASSERT_TRUE(clickRightArrow());
    motif::pump();
    int scrolled = value<int>(bar, XmNvalue);
    EXPECT_EQ(value<int>(title, XmNleftOffset), -scrolled);
    EXPECT_EQ(value<Position>(title, XmNx), titleX - scrolled);

    XEvent e = motif::keyEvent(bar);
    String left[] = {const_cast<char *>("1")};
    XtCallActionProc(bar, const_cast<char *>("PageUpOrLeft"), &e, left, 1);
    motif::pump();
    EXPECT_LT(value<int>(bar, XmNvalue), scrolled);
    EXPECT_EQ(value<int>(title, XmNleftOffset), -value<int>(bar, XmNvalue));

    ASSERT_TRUE(clickRightArrow());
    ASSERT_NE(value<int>(title, XmNleftOffset), 0);
    // Once the rows fit, the scroll bar goes away and the title is back over the first column.
    XmListDeleteAllItems(list);
    XmString s = make("short");
    XmListAddItem(list, s, 0);
    XmStringFree(s);
    ASSERT_TRUE(motif::pumpUntil([&] { return !motif::isViewable(bar); }));
    ASSERT_TRUE(motif::pumpUntil([&] { return value<int>(title, XmNleftOffset) == 0; }));
    EXPECT_EQ(value<Position>(title, XmNx), titleX);
    XtDestroyWidget(shell);
    XmFontListFree(font);
    XFreeFont(app().display, fixed);
}

TEST(StringTables, CreateCopyFreeAndText)
{
    EXPECT_EQ(CVxmStringTableCreate(0), nullptr);
    EXPECT_EQ(CVxmStringTableCreate(-1), nullptr);
    XmString *table = CVxmStringTableCreate(3);
    ASSERT_NE(table, nullptr);
    EXPECT_TRUE(table[0] == nullptr && table[1] == nullptr && table[2] == nullptr);
    // A table with a hole cannot be copied.
    table[0] = make("x");
    EXPECT_EQ(CVxmStringTableCopy(3, table), nullptr);
    table[1] = make("y");
    table[2] = make("two\nlines");
    XmString *copy = CVxmStringTableCopy(3, table);
    ASSERT_NE(copy, nullptr);
    for (int i = 0; i < 3; i++) {
        EXPECT_TRUE(XmStringCompare(copy[i], table[i]));
    }
    CVxmStringTableFree(3, table);
    char *text = CVxmgetCharStringFromXmString(copy[2]);
    EXPECT_STREQ(text, "two\nlines");
    XtFree(text);
    CVxmStringTableFree(3, copy);
    CVxmStringTableFree(3, nullptr);
    EXPECT_EQ(CVxmStringTableCopy(0, nullptr), nullptr);

    // Two segments without a separator still become two lines.
    XmString a = XmStringCreate(const_cast<char *>("a"), const_cast<char *>(XmFONTLIST_DEFAULT_TAG));
    XmString b = XmStringCreate(const_cast<char *>("b"), const_cast<char *>("other"));
    XmString ab = XmStringConcat(a, b);
    text = CVxmgetCharStringFromXmString(ab);
    EXPECT_STREQ(text, "a\nb");
    XtFree(text);
    text = CVxmgetCharStringFromXmString(a);
    EXPECT_STREQ(text, "a");
    XtFree(text);
    XmString empty = XmStringCreateLocalized(const_cast<char *>(""));
    text = CVxmgetCharStringFromXmString(empty);
    EXPECT_STREQ(text, "");
    XtFree(text);
    EXPECT_EQ(CVxmgetCharStringFromXmString(nullptr), nullptr);
    for (XmString s : {a, b, ab, empty}) {
        XmStringFree(s);
    }
}
