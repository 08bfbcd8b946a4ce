// The ready-made dialogs and the reorder panel as a user meets them: Enter and the close box of
// the text dialogs, the list dialog's layout and focus, the confirmation's default answer, and
// the reorder arrows moving a selection made with the mouse.
#include "dialogSupport.h"

#include <X11/keysym.h>
#include <Xm/Form.h>
#include <list>

using dialogs::closeWindow;
using dialogs::findButton;
using dialogs::listItems;
using dialogs::shot;
using motif::app;
using Lines = std::vector<std::string>;

namespace {

Lines pressed;

void record(Widget, XtPointer name, XtPointer)
{
    pressed.push_back(static_cast<const char *>(name));
}

void enter(Widget text)
{
    XEvent e = motif::keyEvent(text);
    XtCallActionProc(text, const_cast<char *>("activate"), &e, nullptr, 0);
}

const char *upper(XtPointer, int, const char *label)
{
    static std::list<std::string> kept; // the texts stay where they are
    kept.push_back(label);
    for (char &c : kept.back()) {
        c = static_cast<char>(toupper(c));
    }
    return kept.back().c_str();
}

Widget shown(Widget pane)
{
    XtManageChild(pane);
    Widget shell = XtParent(pane);
    EXPECT_TRUE(motif::pumpUntil([&] { return motif::isViewable(shell); }));
    return shell;
}

void addItems(Widget list, std::initializer_list<const char *> texts)
{
    for (const char *text : texts) {
        XmString item = XmStringCreateLocalized(const_cast<char *>(text));
        XmListAddItemUnselected(list, item, 0);
        XmStringFree(item);
    }
}

} // namespace

TEST(TextEditDialogs, EnterRunsTheDefaultButtonsAndTheCloseBoxTheCloseButton)
{
    pressed.clear();
    ButtonInfo buttons[] = {{0, "Apply", "apply", record, const_cast<char *>("apply"), False},
                            {0, "Find", "find", record, const_cast<char *>("find"), True},
                            {0, "Close", "close", record, const_cast<char *>("close"), False}};
    textEditDialogInfo info{};
    info.title = "Find Node";
    info.editLabel = "Node name";
    info.listLabel = "Matches";
    info.buttonCount = 3;
    info.buttons = buttons;
    info.closeIndex = 2;
    info.labelProc = upper;
    CreateTextEditDialog(app().shell, &info);
    EXPECT_FALSE(buttons[1].isDefault) << "the field took the default";
    addItems(info.list, {"router1.lab.example"});
    Widget shell = shown(info.pane);
    EXPECT_EQ(info.buttonHandles[1], findButton(info.pane, "FIND")) << "labels through the label function";
    EXPECT_EQ(dialogs::defaultButton(XtParent(info.buttonHandles[0])), nullptr) << "Enter belongs to the field";
    shot(shell, "motif-text-edit-dialog.png");
    enter(info.text);
    motif::press(info.buttonHandles[0]);
    closeWindow(shell);
    motif::pumpUntil([] { return pressed.size() == 3; });
    EXPECT_EQ(pressed, (Lines{"find", "apply", "close"}));
    XtFree(reinterpret_cast<char *>(info.buttonHandles));
    XtDestroyWidget(shell);

    // The same buttons again, two flagged now: the first (Apply) is the field's action, the
    // second the row's default and the field's action too; Find is no longer flagged.
    pressed.clear();
    buttons[0].isDefault = buttons[2].isDefault = True;
    info.editValue = "Core router\nBuilding 2";
    CreateScrolledTextDialog(app().shell, &info, 40, 200, 6);
    shell = shown(info.pane);
    EXPECT_EQ(motif::value<short>(info.text, XmNrows), 6);
    EXPECT_EQ(dialogs::defaultButton(XtParent(info.buttonHandles[2])), info.buttonHandles[2]);
    shot(shell, "motif-scrolled-text-dialog.png");
    enter(info.text);
    EXPECT_EQ(pressed, (Lines{"apply", "close"}));
    XtFree(reinterpret_cast<char *>(info.buttonHandles));
    XtDestroyWidget(shell);
}

TEST(ListDialog, SideButtonsAtTheListsRightTheRowBelowAndTheFocusInTheList)
{
    pressed.clear();
    ButtonInfo side[] = {{0, "Add...", "add", record, const_cast<char *>("add"), False},
                         {0, "Remove", "remove", record, const_cast<char *>("remove"), False}};
    ButtonInfo bottom[] = {{0, "OK", "ok", record, const_cast<char *>("ok"), False},
                           {0, "Cancel", "cancel", record, const_cast<char *>("cancel"), False}};
    listDialogInfo info{};
    info.title = "Event Sources";
    info.listTitle = "Node                      Address ";
    info.visibleCount = 6;
    info.sideCount = 2;
    info.sideButtons = side;
    info.bottomCount = 2;
    info.bottomButtons = bottom;
    info.closeIndex = 1;
    Widget pane = CreateListDialog(app().shell, True, app().shell, &info);
    addItems(info.list, {"router1.lab.example       10.1.2.3", "hub                       10.1.2.9"});
    Widget shell = shown(pane);
    Dimension listWidth = motif::value<Dimension>(info.list, XmNwidth);
    Widget title = XtNameToWidget(pane, "lt");
    ASSERT_NE(title, nullptr);
    EXPECT_FALSE(XtIsManaged(title));
    EXPECT_GE(listWidth, motif::value<Dimension>(title, XmNwidth)) << "the list is as wide as its title's text";
    Position listX = 0, sideX = 0;
    XtTranslateCoords(info.list, 0, 0, &listX, nullptr);
    XtTranslateCoords(info.sideHandles[0], 0, 0, &sideX, nullptr);
    EXPECT_GE(sideX, listX + static_cast<Position>(listWidth)) << "side buttons at the right";
    EXPECT_TRUE(motif::pumpUntil([&] { return XmGetFocusWidget(pane) == info.list; }));
    shot(shell, "motif-list-dialog.png");

    motif::press(info.sideHandles[0]);
    motif::press(info.bottomHandles[0]);
    closeWindow(shell);
    motif::pumpUntil([] { return pressed.size() == 3; });
    EXPECT_EQ(pressed, (Lines{"add", "ok", "cancel"}));
    XtFree(reinterpret_cast<char *>(info.sideHandles));
    XtFree(reinterpret_cast<char *>(info.bottomHandles));
    XtDestroyWidget(shell);
}

TEST(ConfirmDialog, CancelIsTheDefaultAndTheCloseBoxAnswersCancel)
{
    pressed.clear();
    confirmDialogInfo info{};
    info.title = "Delete Nodes";
    info.message = "Delete the 3 selected nodes from the list?";
    info.okCallback = record;
    info.okData = const_cast<char *>("ok");
    info.cancelCallback = record;
    info.cancelData = const_cast<char *>("cancel");
    Widget box = CreateConfirmDialog(app().shell, &info);
    ASSERT_TRUE(dialogs::shown(box));
    Widget shell = XtParent(box);
    EXPECT_EQ(dialogs::buttonsShown(box), dialogs::labels({"OK", "Cancel"})) << "no Help without a callback";
    EXPECT_EQ(dialogs::defaultButton(box), XmMessageBoxGetChild(box, XmDIALOG_CANCEL_BUTTON));
    shot(shell, "motif-confirm.png");

    motif::click(XmMessageBoxGetChild(box, XmDIALOG_OK_BUTTON));
    ASSERT_TRUE(motif::pumpUntil([] { return pressed.size() == 1; }));
    EXPECT_TRUE(motif::isViewable(shell)) << "the answer's callback decides what happens to the question";
    closeWindow(shell);
    motif::pumpUntil([] { return pressed.size() == 2; });
    EXPECT_EQ(pressed, (Lines{"ok", "cancel"}));
    XtDestroyWidget(shell);
}

// ---- The reorder panel ----

namespace {

struct Moved {
    int calls = 0;
    int from = -1;
    int to = -1;
};

void recordMove(Widget, XtPointer data, XtPointer move)
{
    auto *moved = static_cast<Moved *>(data);
    moved->calls++;
    moved->from = static_cast<int *>(move)[0];
    moved->to = static_cast<int *>(move)[1];
}

// The tool keeps the arrows in step with the selection.
void selectionChanged(Widget, XtPointer panel, XtPointer)
{
    CVxmSetReorderSensitive(static_cast<Widget>(panel), -1, nullptr);
}

class Reorder : public ::testing::Test {
protected:
    void SetUp() override
    {
        shell_ = motif::newTopLevel("sources");
        Widget form = XmCreateForm(shell_, const_cast<char *>("form"), nullptr, 0);
        setupList(5, XmEXTENDED_SELECT);
        list_ = AddSList(form, "sourceList", nullptr, 0);
        XtVaSetValues(XtParent(list_), XmNwidth, 160, nullptr);
        // Quick clicks are single clicks, not double clicks.
        XtVaSetValues(list_, XmNdoubleClickInterval, 1, nullptr);
        XtManageChild(list_);
        addItems(list_, {"a", "b", "c", "d", "e"});
        XtSetArg(widgetArgs[widgetArgCnt], XmNleftAttachment, XmATTACH_WIDGET), widgetArgCnt++;
        XtSetArg(widgetArgs[widgetArgCnt], XmNleftWidget, XtParent(list_)), widgetArgCnt++;
        panel_ = CVxmCreateReorderWidget(form, "reorder", "Move", list_, recordMove, &moved_);
        XtAddCallback(list_, XmNextendedSelectionCallback, selectionChanged, panel_);
        XtAddCallback(list_, XmNextendedSelectionCallback, [](Widget, XtPointer n, XtPointer) { ++*static_cast<int *>(n); },
                      &selections_);
        info_ = CVxmGetReorderInfo(panel_);
        XtManageChild(form);
        ASSERT_TRUE(motif::popUp(shell_));
    }
    void TearDown() override { XtDestroyWidget(shell_); }

    // Clicks the items with the mouse, Control held from the second on to add to the selection.
    void select(std::initializer_list<int> positions)
    {
        Display *d = XtDisplay(list_);
        KeyCode control = XKeysymToKeycode(d, XK_Control_L);
        bool first = true;
        for (int p : positions) {
            Position x = 0, y = 0;
            Dimension w = 0, h = 0;
            ASSERT_TRUE(XmListPosToBounds(list_, p, &x, &y, &w, &h));
            // Where the server has the list now: the window manager may still be placing the shell.
            int rx = 0, ry = 0;
            Window child;
            XTranslateCoordinates(d, XtWindow(list_), DefaultRootWindow(d), x + w / 2, y + h / 2, &rx, &ry, &child);
            if (!first) {
                XTestFakeKeyEvent(d, control, True, CurrentTime);
            }
            int before = selections_;
            XTestFakeMotionEvent(d, -1, rx, ry, CurrentTime);
            // A few milliseconds apart, so that no two clicks share a time stamp.
            XTestFakeButtonEvent(d, 1, True, 10);
            XTestFakeButtonEvent(d, 1, False, CurrentTime);
            if (!first) {
                XTestFakeKeyEvent(d, control, False, CurrentTime);
            }
            // The list tells its callbacks on the release.
            motif::pumpUntil([&] { return selections_ > before; });
            first = false;
        }
    }

    std::string arrows() const
    {
        bool on = XtIsSensitive(panel_);
        return std::string(on && XtIsSensitive(info_->up) ? "up" : "-") + "/" +
               (on && XtIsSensitive(info_->down) ? "down" : "-");
    }

    std::vector<int> selected() const
    {
        int *positions = nullptr, count = 0;
        std::vector<int> out;
        if (XmListGetSelectedPos(list_, &positions, &count)) {
            out.assign(positions, positions + count);
            XtFree(reinterpret_cast<char *>(positions));
        }
        return out;
    }

    void clickArrow(Widget arrow, int calls)
    {
        motif::click(arrow);
        motif::pumpUntil([&] { return moved_.calls == calls; });
    }

    Widget shell_ = nullptr;
    Widget list_ = nullptr;
    Widget panel_ = nullptr;
    reorderInfo *info_ = nullptr;
    Moved moved_;
    int selections_ = 0;
};

} // namespace

TEST_F(Reorder, ArrowsFollowTheSelectionAndMoveTheBlockOnePlace)
{
    EXPECT_EQ(CVxmGetReorderInfo(list_), nullptr) << "only a panel has a record";
    EXPECT_EQ(arrows(), "-/-") << "nothing selected yet";
    select({5});
    EXPECT_EQ(arrows(), "up/-");
    select({1, 2, 4});
    EXPECT_EQ(arrows(), "-/-") << "a gap";
    select({1, 2, 3, 4, 5});
    EXPECT_EQ(arrows(), "-/-") << "everything";

    // A disabled arrow takes its parent's background and gets its colour back when enabled.
    select({1});
    Pixel background = motif::value<Pixel>(XtParent(info_->up), XmNbackground);
    Pixel up = motif::value<Pixel>(info_->up, XmNforeground), down = motif::value<Pixel>(info_->down, XmNforeground);
    EXPECT_EQ(arrows(), "-/down");
    EXPECT_EQ(up, background);
    EXPECT_NE(down, background);

    select({2, 3});
    EXPECT_EQ(arrows(), "up/down");
    EXPECT_EQ(motif::value<Pixel>(info_->up, XmNforeground), down);
    shot(shell_, "motif-reorder.png");
    clickArrow(info_->up, 1);
    EXPECT_EQ(listItems(list_), (Lines{"b", "c", "a", "d", "e"}));
    EXPECT_EQ(selected(), (std::vector<int>{1, 2})) << "the selection moves with the block";
    EXPECT_EQ(std::make_pair(moved_.from, moved_.to), std::make_pair(1, 3));
    EXPECT_EQ(arrows(), "-/down") << "at the top";

    // An arrow that is off does nothing: only the down arrow's moves arrive.
    motif::click(info_->up);
    clickArrow(info_->down, 2);
    clickArrow(info_->down, 3);
    EXPECT_EQ(listItems(list_), (Lines{"a", "d", "b", "c", "e"}));
    EXPECT_EQ(selected(), (std::vector<int>{3, 4}));
    EXPECT_EQ(std::make_pair(moved_.from, moved_.to), std::make_pair(4, 2));
    clickArrow(info_->down, 4);
    EXPECT_EQ(arrows(), "up/-") << "at the bottom";
    EXPECT_EQ(moved_.calls, 4);
}
