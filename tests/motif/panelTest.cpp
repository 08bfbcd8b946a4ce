// Button panels on real Motif: where the push buttons land on a shown form, the default button
// that Return presses, and labels that the label function rewrites in the caller's records.
#include "motifHarness.h"

#include <Xm/Form.h>
#include <Xm/PushB.h>
#include <Xm/RowColumn.h>
#include <cstdlib>
#include <functional>
#include <list>

using motif::labelText;
using motif::value;

namespace {

// Leading edge and length of a widget along the panel (vertical) or across it.
std::pair<int, int> span(Widget w, bool vertical)
{
    return vertical ? std::make_pair(int(value<Position>(w, XmNy)), int(value<Dimension>(w, XmNheight)))
                    : std::make_pair(int(value<Position>(w, XmNx)), int(value<Dimension>(w, XmNwidth)));
}

// A form of 300 x 120 pixels in a window of its own; the panel is stretched over it.
Widget window(const char *name)
{
    Widget shell = motif::newTopLevel(name);
    Widget form = motif::sizedForm(shell, 300, 120, "content");
    for (const char *side : {XmNtopAttachment, XmNbottomAttachment, XmNleftAttachment, XmNrightAttachment}) {
        XtSetArg(widgetArgs[widgetArgCnt], const_cast<char *>(side), XmATTACH_FORM), widgetArgCnt++;
    }
    return form;
}

ButtonInfo infoItems[] = {{100, "Add", nullptr, nullptr, nullptr, False}, {101, "Remove", nullptr, nullptr, nullptr, False},
                          {102, "Up", nullptr, nullptr, nullptr, False}, {103, "Down", nullptr, nullptr, nullptr, False}};
ButtonPanelItem panelItems[] = {{"OK", "ok", nullptr, nullptr, False}, {"Apply", "apply", nullptr, nullptr, False},
                                {"Cancel", "cancel", nullptr, nullptr, False}, {"Help", "help", nullptr, nullptr, False}};

} // namespace

TEST(PositionedPanels, ButtonsTakeTheirSlotsOfThePanel)
{
    struct Case {
        const char *what;
        std::function<Widget(Widget, Widget **)> build;
        const char *name;
        int count, unit;
        bool vertical, fullDepth;
    };
    const Case cases[] = {
        {"row", [](Widget p, Widget **h) { return AddButtonPanel(p, nullptr, panelItems, 3, h); }, "buttonPanel", 3, 3, false, false},
        {"column", [](Widget p, Widget **h) { return AddVButtonPanel(p, nullptr, panelItems, 4, h); }, "vButtonPanel", 4, 3, true, false},
        {"unit 5", [](Widget p, Widget **h) { return AddButtonPanelA(p, nullptr, infoItems, 2, nullptr, nullptr, h, 5); }, "buttonPanel", 2, 5, false, true},
        // A later call with 0 keeps 5; the vertical builder keeps a unit of its own, still 3.
        {"unit kept", [](Widget p, Widget **h) { return AddButtonPanelA(p, "kept", infoItems, 3, nullptr, nullptr, h, 0); }, "kept", 3, 5, false, true},
        {"column unit", [](Widget p, Widget **h) { return AddVButtonPanelA(p, nullptr, infoItems, 2, nullptr, nullptr, h, 0); }, "vButtonPanel", 2, 3, true, true},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        Widget form = window(c.what);
        Widget *buttons = nullptr;
        Widget panel = c.build(form, &buttons);
        EXPECT_EQ(widgetArgCnt, 0u);
        EXPECT_STREQ(XtName(panel), c.name);
        EXPECT_TRUE(XtIsManaged(panel));
        int base = c.count * c.unit + 1;
        ASSERT_TRUE(motif::popUp(XtParent(form)));
        auto along = span(panel, c.vertical), across = span(panel, !c.vertical);
        EXPECT_EQ(along.second, c.vertical ? 120 : 300) << "the staged attachments apply to the panel";
        for (int i = 0; i < c.count; i++) {
            SCOPED_TRACE(i);
            EXPECT_TRUE(XmIsPushButton(buttons[i]) && XtIsManaged(buttons[i]));
            auto a = span(buttons[i], c.vertical), x = span(buttons[i], !c.vertical);
            // Position p of the fraction base lies at p * length / base, to a pixel.
            EXPECT_LE(std::abs(a.first - (i * c.unit + 1) * along.second / base), 1);
            EXPECT_LE(std::abs(a.first + a.second - (i + 1) * c.unit * along.second / base), 1);
            if (c.fullDepth) {
                EXPECT_EQ(x.first, 0);
                EXPECT_EQ(x.second, across.second);
            } else {
                EXPECT_LE(std::abs(x.first - across.second / base), 1);
                EXPECT_LE(std::abs(x.first + x.second - c.count * 3 * across.second / base), 1);
            }
        }
        EXPECT_EQ(labelText(buttons[0]), c.fullDepth ? "Add" : "OK");
        XtFree(reinterpret_cast<char *>(buttons));
        XtDestroyWidget(XtParent(form));
    }
}

TEST(ChainedPanels, ButtonsKeepTheirSizeAndFollowEachOtherAtTheSpacing)
{
    Widget form = window("chained");
    widgetArgCnt = 0;
    Widget *row = nullptr, *column = nullptr;
    Widget across = AddButtonPanelB(form, nullptr, infoItems, 4, nullptr, nullptr, &row, 7);
    XtSetArg(widgetArgs[widgetArgCnt], XmNtopAttachment, XmATTACH_WIDGET), widgetArgCnt++;
    XtSetArg(widgetArgs[widgetArgCnt], XmNtopWidget, across), widgetArgCnt++;
    Widget down = AddVButtonPanelB(form, nullptr, infoItems, 4, nullptr, nullptr, &column, 3);
    EXPECT_STREQ(XtName(down), "vButtonPanel");
    ASSERT_TRUE(motif::popUp(XtParent(form)));
    EXPECT_EQ(span(row[0], false).first, 0);
    EXPECT_EQ(span(column[0], true).first, 0);
    for (int i = 1; i < 4; i++) {
        SCOPED_TRACE(i);
        auto prev = span(row[i - 1], false), cur = span(row[i], false);
        EXPECT_EQ(cur.first, prev.first + prev.second + 7);
        auto above = span(column[i - 1], true), below = span(column[i], true);
        EXPECT_EQ(below.first, above.first + above.second + 3);
        EXPECT_EQ(span(column[i], false).second, span(down, false).second) << "as wide as the column";
    }
    EXPECT_LT(span(row[2], false).second, span(row[1], false).second) << "\"Up\" is narrower than \"Remove\"";
    XtFree(reinterpret_cast<char *>(row));
    XtFree(reinterpret_cast<char *>(column));
    XtDestroyWidget(XtParent(form));
}

namespace {
int activated;
void activate(Widget, XtPointer data, XtPointer)
{
    activated = static_cast<int>(reinterpret_cast<intptr_t>(data));
}
} // namespace

TEST(DefaultButtons, TheLastFlaggedIsTheDefaultOfThePanelAndOfItsDialog)
{
    Widget board = AddBBoardD(motif::app().shell, nullptr, "Panel Dialog");
    ButtonPanelItem items[] = {{"One", nullptr, activate, reinterpret_cast<XtPointer>(1), True},
                               {"Two", nullptr, activate, reinterpret_cast<XtPointer>(2), False},
                               {"Three", nullptr, activate, reinterpret_cast<XtPointer>(3), True}};
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
    XtCallActionProc(field, const_cast<char *>("activate"), &e, nullptr, 0);
    motif::pump();
    EXPECT_EQ(activated, 3);
    XtFree(reinterpret_cast<char *>(buttons));

    // A form, a subclass of the bulletin board, gets it too; a row column has none to get.
    Widget form = window("defaults");
    widgetArgCnt = 0;
    ButtonInfo info[] = {{1, "Yes", nullptr, nullptr, nullptr, False}, {2, "No", nullptr, nullptr, nullptr, True}};
    AddVButtonPanelA(form, nullptr, info, 2, nullptr, nullptr, &buttons, 0);
    Widget formDefault = buttons[1];
    EXPECT_EQ(value<Widget>(form, XmNdefaultButton), formDefault);
    XtFree(reinterpret_cast<char *>(buttons));
    Widget rows = XmCreateRowColumn(form, const_cast<char *>("rows"), nullptr, 0);
    Widget inRows = AddButtonPanelB(rows, nullptr, info, 2, nullptr, nullptr, &buttons, 4);
    EXPECT_EQ(value<Widget>(inRows, XmNdefaultButton), buttons[1]);
    EXPECT_EQ(value<Widget>(form, XmNdefaultButton), formDefault);
    XtFree(reinterpret_cast<char *>(buttons));

    // No buttons: an empty managed form.
    Widget empty = AddButtonPanel(form, nullptr, nullptr, 0, nullptr);
    EXPECT_TRUE(value<int>(empty, XmNfractionBase) == 1 && value<Cardinal>(empty, XmNnumChildren) == 0);
}

namespace {
// Puts the key in front of each label, as a catalogue lookup would replace it.
const char *keyed(XtPointer seen, int key, const char *label)
{
    static std::list<std::string> made; // the records point at these
    static_cast<std::vector<std::string> *>(seen)->push_back(label);
    made.push_back(std::to_string(key) + " " + label);
    return made.back().c_str();
}
} // namespace

TEST(PanelLabels, TheLabelFunctionRewritesTheCallersRecords)
{
    Widget form = window("labels");
    std::vector<std::string> seen;
    ButtonInfo items[] = {infoItems[0], infoItems[1]};
    Widget *buttons = nullptr;
    AddButtonPanelA(form, nullptr, items, 2, keyed, &seen, &buttons, 0);
    EXPECT_EQ(seen, (std::vector<std::string>{"Add", "Remove"}));
    EXPECT_STREQ(items[1].label, "101 Remove");
    EXPECT_EQ(labelText(buttons[1]), "101 Remove");
    XtFree(reinterpret_cast<char *>(buttons));
    // Built again from the same records, the function sees the labels it made before.
    AddVButtonPanelB(form, nullptr, items, 2, keyed, &seen, nullptr, 0);
    EXPECT_EQ(seen.back(), "101 Remove");
}
