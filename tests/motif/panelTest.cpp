// Button panels on real Motif: where the push buttons really land on a shown form, the default
// button that Return presses, and labels that the label function rewrites in the caller's records.
#include "motifHarness.h"

#include <Xm/BulletinB.h>
#include <Xm/Form.h>
#include <Xm/PushB.h>
#include <Xm/RowColumn.h>
#include <cstdlib>
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

struct Box {
    int x, y, w, h;
};

Box box(Widget w)
{
    return {value<Position>(w, XmNx), value<Position>(w, XmNy), value<Dimension>(w, XmNwidth),
            value<Dimension>(w, XmNheight)};
}

// A shown window whose form holds the panel stretched over it, 300 x 120 pixels.
struct Window_ {
    Widget shell = nullptr;
    Widget form = nullptr;
    explicit Window_(const char *name)
    {
        shell = motif::newTopLevel(name);
        form = XmCreateForm(shell, const_cast<char *>("content"), nullptr, 0);
        XtVaSetValues(form, XmNwidth, 300, XmNheight, 120, nullptr);
        XtManageChild(form);
    }
    void stageFill()
    {
        XtSetArg(widgetArgs[widgetArgCnt], XmNtopAttachment, XmATTACH_FORM), widgetArgCnt++;
        XtSetArg(widgetArgs[widgetArgCnt], XmNbottomAttachment, XmATTACH_FORM), widgetArgCnt++;
        XtSetArg(widgetArgs[widgetArgCnt], XmNleftAttachment, XmATTACH_FORM), widgetArgCnt++;
        XtSetArg(widgetArgs[widgetArgCnt], XmNrightAttachment, XmATTACH_FORM), widgetArgCnt++;
    }
    bool show() { return motif::popUp(shell); }
    ~Window_() { XtDestroyWidget(shell); }
};

// Pixel position of form position p of base f over length n, as XmForm computes it.
int at(int p, int f, int n)
{
    return p * n / f;
}

std::vector<ButtonPanelItem> panelItems(int n)
{
    static const char *labels[] = {"OK", "Apply", "Cancel", "Help", "Reset"};
    static const char *names[] = {"ok", "apply", "cancel", "help", "reset"};
    std::vector<ButtonPanelItem> items;
    for (int i = 0; i < n; i++) {
        items.push_back({labels[i], names[i], nullptr, nullptr, False});
    }
    return items;
}

std::vector<ButtonInfo> infoItems(int n)
{
    static const char *labels[] = {"Add", "Remove", "Up", "Down"};
    std::vector<ButtonInfo> items;
    for (int i = 0; i < n; i++) {
        items.push_back({100 + i, labels[i], nullptr, nullptr, nullptr, False});
    }
    return items;
}

void expectNear(int actual, int expected, const char *what)
{
    EXPECT_LE(std::abs(actual - expected), 1) << what << ": " << actual << " against " << expected;
}

} // namespace

TEST(BasicPanels, ButtonsShareTheRowEquallyWithAGapBeforeEach)
{
    Window_ win("basicRow");
    win.stageFill();
    std::vector<ButtonPanelItem> items = panelItems(3);
    Widget *buttons = nullptr;
    Widget panel = AddButtonPanel(win.form, nullptr, items.data(), 3, &buttons);
    EXPECT_EQ(widgetArgCnt, 0u);
    EXPECT_STREQ(XtName(panel), "buttonPanel");
    EXPECT_TRUE(XtIsManaged(panel));
    EXPECT_EQ(value<int>(panel, XmNfractionBase), 10);
    ASSERT_TRUE(win.show());

    Box p = box(panel);
    EXPECT_EQ(p.w, 300) << "the staged attachments stretch the panel over the window";
    for (int i = 0; i < 3; i++) {
        SCOPED_TRACE(i);
        Widget b = buttons[i];
        EXPECT_TRUE(XmIsPushButton(b));
        EXPECT_TRUE(XtIsManaged(b));
        EXPECT_EQ(labelText(b), items[i].label);
        EXPECT_STREQ(XtName(b), items[i].name);
        EXPECT_EQ(value<unsigned char>(b, XmNleftAttachment), XmATTACH_POSITION);
        EXPECT_EQ(value<int>(b, XmNleftPosition), 3 * i + 1);
        EXPECT_EQ(value<int>(b, XmNrightPosition), 3 * i + 3);
        EXPECT_EQ(value<int>(b, XmNtopPosition), 1);
        EXPECT_EQ(value<int>(b, XmNbottomPosition), 9);
        Box g = box(b);
        expectNear(g.x, at(3 * i + 1, 10, p.w), "left edge");
        expectNear(g.x + g.w, at(3 * i + 3, 10, p.w), "right edge");
        expectNear(g.y, at(1, 10, p.h), "top edge");
        expectNear(g.y + g.h, at(9, 10, p.h), "bottom edge");
    }
    XtFree(reinterpret_cast<char *>(buttons));
}

TEST(BasicPanels, VerticalPanelStacksTheButtons)
{
    Window_ win("basicColumn");
    win.stageFill();
    std::vector<ButtonPanelItem> items = panelItems(4);
    Widget *buttons = nullptr;
    Widget panel = AddVButtonPanel(win.form, "side", items.data(), 4, &buttons);
    EXPECT_STREQ(XtName(panel), "side");
    EXPECT_EQ(value<int>(panel, XmNfractionBase), 13);
    ASSERT_TRUE(win.show());
    Box p = box(panel);
    for (int i = 0; i < 4; i++) {
        SCOPED_TRACE(i);
        Box g = box(buttons[i]);
        expectNear(g.y, at(3 * i + 1, 13, p.h), "top edge");
        expectNear(g.y + g.h, at(3 * i + 3, 13, p.h), "bottom edge");
        expectNear(g.x, at(1, 13, p.w), "left edge");
        expectNear(g.x + g.w, at(12, 13, p.w), "right edge");
    }
    XtFree(reinterpret_cast<char *>(buttons));

    // A panel without buttons is an empty managed form, and its handle array is empty too.
    buttons = reinterpret_cast<Widget *>(&items);
    Widget empty = AddVButtonPanel(win.form, nullptr, nullptr, 0, &buttons);
    EXPECT_STREQ(XtName(empty), "vButtonPanel");
    EXPECT_EQ(value<int>(empty, XmNfractionBase), 1);
    EXPECT_EQ(value<Cardinal>(empty, XmNnumChildren), 0u);
    EXPECT_TRUE(XtIsManaged(empty));
    EXPECT_NE(buttons, reinterpret_cast<Widget *>(&items));
    XtFree(reinterpret_cast<char *>(buttons));
}

TEST(UnitPanels, EachBuilderKeepsTheLastUnitItWasGiven)
{
    Window_ win("unitPanels");
    XtSetArg(widgetArgs[widgetArgCnt], XmNwidth, 300), widgetArgCnt++;
    XtSetArg(widgetArgs[widgetArgCnt], XmNheight, 40), widgetArgCnt++;
    std::vector<ButtonInfo> items = infoItems(2);
    Widget *buttons = nullptr;
    Widget five = AddButtonPanelA(win.form, nullptr, items.data(), 2, nullptr, nullptr, &buttons, 5);
    EXPECT_STREQ(XtName(five), "buttonPanel");
    EXPECT_EQ(value<int>(five, XmNfractionBase), 11);

    // A later call with 0 keeps 5; the vertical builder has a unit of its own, still 3.
    XtSetArg(widgetArgs[widgetArgCnt], XmNtopAttachment, XmATTACH_WIDGET), widgetArgCnt++;
    XtSetArg(widgetArgs[widgetArgCnt], XmNtopWidget, five), widgetArgCnt++;
    XtSetArg(widgetArgs[widgetArgCnt], XmNwidth, 300), widgetArgCnt++;
    XtSetArg(widgetArgs[widgetArgCnt], XmNheight, 40), widgetArgCnt++;
    Widget *again = nullptr;
    Widget kept = AddButtonPanelA(win.form, nullptr, items.data(), 2, nullptr, nullptr, &again, 0);
    EXPECT_EQ(value<int>(kept, XmNfractionBase), 11);
    Widget vertical = AddVButtonPanelA(win.form, nullptr, items.data(), 2, nullptr, nullptr, nullptr, 0);
    EXPECT_STREQ(XtName(vertical), "vButtonPanel");
    EXPECT_EQ(value<int>(vertical, XmNfractionBase), 7);
    // A unit below 1 would place buttons off the form: the kept unit stays.
    Widget negative = AddButtonPanelA(win.form, nullptr, items.data(), 2, nullptr, nullptr, nullptr, -4);
    EXPECT_EQ(value<int>(negative, XmNfractionBase), 11);
    ASSERT_TRUE(win.show());

    // The buttons fill the panel's height and take unit-wide slots along it.
    Box p = box(kept);
    for (int i = 0; i < 2; i++) {
        SCOPED_TRACE(i);
        Box g = box(again[i]);
        EXPECT_EQ(value<unsigned char>(again[i], XmNtopAttachment), XmATTACH_FORM);
        EXPECT_EQ(g.y, 0);
        EXPECT_EQ(g.h, p.h);
        expectNear(g.x, at(5 * i + 1, 11, p.w), "left edge");
        expectNear(g.x + g.w, at(5 * i + 5, 11, p.w), "right edge");
    }
    XtFree(reinterpret_cast<char *>(buttons));
    XtFree(reinterpret_cast<char *>(again));
}

TEST(ChainedPanels, ButtonsKeepTheirSizeAndFollowEachOtherAtTheSpacing)
{
    Window_ win("chained");
    std::vector<ButtonInfo> items = infoItems(4);
    Widget *row = nullptr, *column = nullptr;
    Widget across = AddButtonPanelB(win.form, nullptr, items.data(), 4, nullptr, nullptr, &row, 7);
    EXPECT_STREQ(XtName(across), "buttonPanel");
    XtSetArg(widgetArgs[widgetArgCnt], XmNtopAttachment, XmATTACH_WIDGET), widgetArgCnt++;
    XtSetArg(widgetArgs[widgetArgCnt], XmNtopWidget, across), widgetArgCnt++;
    Widget down = AddVButtonPanelB(win.form, nullptr, items.data(), 4, nullptr, nullptr, &column, 3);
    EXPECT_STREQ(XtName(down), "vButtonPanel");
    ASSERT_TRUE(win.show());

    Box first = box(row[0]);
    EXPECT_EQ(first.x, 0);
    for (int i = 1; i < 4; i++) {
        SCOPED_TRACE(i);
        Box prev = box(row[i - 1]), g = box(row[i]);
        EXPECT_EQ(g.x, prev.x + prev.w + 7);
        EXPECT_EQ(g.y, 0);
        EXPECT_EQ(value<Widget>(row[i], XmNleftWidget), row[i - 1]);
        EXPECT_EQ(value<unsigned char>(row[i], XmNrightAttachment), XmATTACH_NONE);
        // Natural size: "Up" is narrower than "Remove".
        if (i == 2) {
            EXPECT_LT(g.w, prev.w);
        }
    }
    Box panel = box(down);
    EXPECT_EQ(box(column[0]).y, 0);
    for (int i = 1; i < 4; i++) {
        SCOPED_TRACE(i);
        Box prev = box(column[i - 1]), g = box(column[i]);
        EXPECT_EQ(g.y, prev.y + prev.h + 3);
        EXPECT_EQ(g.x, 0);
        EXPECT_EQ(g.w, panel.w) << "the column's buttons are as wide as the panel";
    }
    XtFree(reinterpret_cast<char *>(row));
    XtFree(reinterpret_cast<char *>(column));
}

namespace {

int activations;
void activated(Widget, XtPointer data, XtPointer)
{
    activations = static_cast<int>(reinterpret_cast<intptr_t>(data));
}

} // namespace

TEST(DefaultButtons, TheLastFlaggedButtonIsTheDefaultOfThePanelAndItsDialog)
{
    Widget board = AddBBoardD(app().shell, "panelDialog", "Panel Dialog");
    ButtonPanelItem items[] = {
        {"One", nullptr, activated, reinterpret_cast<XtPointer>(1), True},
        {"Two", nullptr, activated, reinterpret_cast<XtPointer>(2), False},
        {"Three", nullptr, activated, reinterpret_cast<XtPointer>(3), True},
    };
    Widget *buttons = nullptr;
    Widget panel = AddButtonPanel(board, nullptr, items, 3, &buttons);
    EXPECT_EQ(value<Widget>(panel, XmNdefaultButton), buttons[2]);
    EXPECT_EQ(value<Widget>(board, XmNdefaultButton), buttons[2]);

    // Return in the dialog's text field presses the dialog's default button.
    XtSetArg(widgetArgs[widgetArgCnt], XmNy, 60), widgetArgCnt++;
    Widget field = AddText(board, nullptr);
    XtManageChild(field);
    XtManageChild(board);
    ASSERT_TRUE(motif::pumpUntil([&] { return motif::isViewable(XtParent(board)); }));
    XmProcessTraversal(field, XmTRAVERSE_CURRENT);
    XEvent e = motif::keyEvent(field);
    activations = 0;
    XtCallActionProc(field, const_cast<char *>("activate"), &e, nullptr, 0);
    motif::pump();
    EXPECT_EQ(activations, 3);
    XtFree(reinterpret_cast<char *>(buttons));
    XtDestroyWidget(XtParent(board));
}

TEST(DefaultButtons, AFormParentGetsItTooARowColumnDoesNot)
{
    Window_ win("defaults");
    ButtonInfo info[] = {{1, "Yes", nullptr, nullptr, nullptr, False}, {2, "No", nullptr, nullptr, nullptr, True}};
    Widget *buttons = nullptr;
    AddVButtonPanelA(win.form, nullptr, info, 2, nullptr, nullptr, &buttons, 0);
    EXPECT_EQ(value<Widget>(win.form, XmNdefaultButton), buttons[1]);
    XtFree(reinterpret_cast<char *>(buttons));

    Widget rows = XmCreateRowColumn(win.form, const_cast<char *>("rows"), nullptr, 0);
    XtManageChild(rows);
    Widget inRows = AddButtonPanelB(rows, nullptr, info, 2, nullptr, nullptr, &buttons, 4);
    EXPECT_EQ(value<Widget>(inRows, XmNdefaultButton), buttons[1]);
    // The row column's own form parent keeps the default it had.
    EXPECT_NE(value<Widget>(win.form, XmNdefaultButton), buttons[1]);
    XtFree(reinterpret_cast<char *>(buttons));
}

namespace {

// Shows each label with its key in front, as a catalogue lookup would replace it.
const char *keyed(XtPointer arg, int key, const char *label)
{
    auto *seen = static_cast<std::vector<std::string> *>(arg);
    seen->push_back(label);
    static std::vector<std::string> made;
    made.push_back(std::to_string(key) + " " + label);
    return strdup(made.back().c_str());
}

} // namespace

TEST(PanelLabels, TheLabelFunctionRewritesTheCallersRecords)
{
    Window_ win("labels");
    std::vector<std::string> seen;
    std::vector<ButtonInfo> items = infoItems(2);
    Widget *buttons = nullptr;
    AddButtonPanelA(win.form, nullptr, items.data(), 2, keyed, &seen, &buttons, 0);
    EXPECT_EQ(seen, (std::vector<std::string>{"Add", "Remove"}));
    EXPECT_STREQ(items[0].label, "100 Add");
    EXPECT_STREQ(items[1].label, "101 Remove");
    EXPECT_EQ(labelText(buttons[0]), "100 Add");
    EXPECT_EQ(labelText(buttons[1]), "101 Remove");
    XtFree(reinterpret_cast<char *>(buttons));

    // Built again from the same records, the function sees the labels it made before.
    seen.clear();
    AddVButtonPanelB(win.form, nullptr, items.data(), 2, keyed, &seen, &buttons, 0);
    EXPECT_EQ(seen, (std::vector<std::string>{"100 Add", "101 Remove"}));
    EXPECT_EQ(labelText(buttons[1]), "101 101 Remove");
    XtFree(reinterpret_cast<char *>(buttons));

    // Without a function the records stay as they are.
    std::vector<ButtonInfo> plain = infoItems(1);
    AddButtonPanelB(win.form, nullptr, plain.data(), 1, nullptr, nullptr, nullptr, 0);
    EXPECT_STREQ(plain[0].label, "Add");
}
