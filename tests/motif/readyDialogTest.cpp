// The ready-made dialogs and the reorder panel as a user meets them: the text dialogs' Enter key
// and close box, the list dialog's layout and focus, the confirmation's default answer, and the
// reorder arrows moving a selection made with the mouse.
#include "dialogSupport.h"

#include <X11/keysym.h>
#include <Xm/ArrowB.h>
#include <Xm/Form.h>
#include <Xm/List.h>
#include <Xm/MwmUtil.h>
#include <Xm/Protocols.h>
#include <Xm/Text.h>
#include <list>

using motif::app;

namespace {

std::vector<std::string> pressed;

void record(Widget, XtPointer name, XtPointer)
{
    pressed.push_back(static_cast<const char *>(name));
}

// The first managed push button under w showing text.
Widget buttonShowing(Widget w, const std::string &text)
{
    if (XmIsPushButton(w) && XtIsManaged(w) && motif::labelText(w) == text) {
        return w;
    }
    if (!XtIsComposite(w)) {
        return nullptr;
    }
    WidgetList children = nullptr;
    Cardinal count = 0;
    XtVaGetValues(w, XmNchildren, &children, XmNnumChildren, &count, nullptr);
    for (Cardinal i = 0; i < count; i++) {
        if (Widget found = buttonShowing(children[i], text)) {
            return found;
        }
    }
    return nullptr;
}

Widget shellOf(Widget w)
{
    while (w != nullptr && !XtIsShell(w)) {
        w = XtParent(w);
    }
    return w;
}

// The window manager's close button, as mwm sends it.
void closeWindow(Widget shell)
{
    XEvent e{};
    e.xclient.type = ClientMessage;
    e.xclient.window = XtWindow(shell);
    e.xclient.message_type = XmInternAtom(XtDisplay(shell), const_cast<char *>("WM_PROTOCOLS"), False);
    e.xclient.format = 32;
    e.xclient.data.l[0] = XmInternAtom(XtDisplay(shell), const_cast<char *>("WM_DELETE_WINDOW"), False);
    e.xclient.data.l[1] = CurrentTime;
    XSendEvent(XtDisplay(shell), XtWindow(shell), False, NoEventMask, &e);
    motif::pump();
}

void enter(Widget text)
{
    XEvent e = motif::keyEvent(text);
    XtCallActionProc(text, const_cast<char *>("activate"), &e, nullptr, 0);
    motif::pump();
}

const char *upper(XtPointer, int, const char *label)
{
    static std::list<std::string> kept; // the texts stay where they are
    std::string s = label;
    for (char &c : s) {
        c = static_cast<char>(toupper(c));
    }
    kept.push_back(s);
    return kept.back().c_str();
}

void shot(Widget shell, const char *name)
{
    const char *dir = getenv("CVGUI_SHOT_DIR");
    if (dir == nullptr) {
        return;
    }
    motif::pump();
    std::string cmd = "xwd -silent -id " + std::to_string(motif::frameWindow(shell)) + " | convert xwd:- " + dir +
                      "/" + name;
    EXPECT_EQ(system(cmd.c_str()), 0) << cmd;
}

} // namespace

TEST(TextEditDialog, EnterRunsTheDefaultButtonAndTheCloseBoxItsCloseButton)
{
    pressed.clear();
    ButtonInfo buttons[] = {
        {0, "Apply", "apply", record, const_cast<char *>("apply"), False},
        {0, "Find", "find", record, const_cast<char *>("find"), True},
        {0, "Close", "close", record, const_cast<char *>("close"), False},
    };
    textEditDialogInfo info{};
    info.shellName = "findNode";
    info.title = "Find Node";
    info.editLabel = "Node name";
    info.editValue = "router1";
    info.listLabel = "Matches";
    info.buttonCount = 3;
    info.buttons = buttons;
    info.closeIndex = 2;
    info.labelProc = upper;
    EXPECT_EQ(CreateTextEditDialog(app().shell, &info), info.pane);
    ASSERT_NE(info.list, nullptr);
    EXPECT_FALSE(buttons[1].isDefault) << "the field took the default";
    XtManageChild(info.pane);
    Widget shell = shellOf(info.pane);
    ASSERT_TRUE(motif::pumpUntil([&] { return motif::isViewable(shell); }));
    EXPECT_EQ(dialogs::windowTitle(shell), "Find Node");

    char *value = XmTextGetString(info.text);
    EXPECT_STREQ(value, "router1");
    XtFree(value);
    ASSERT_NE(buttonShowing(info.pane, "FIND"), nullptr) << "labels come through the label function";
    EXPECT_EQ(info.buttonHandles[1], buttonShowing(info.pane, "FIND"));
    Widget row = XtParent(info.buttonHandles[0]);
    EXPECT_EQ(dialogs::defaultButton(row), nullptr) << "Enter belongs to the field, not to the row";

    XmString item = XmStringCreateLocalized(const_cast<char *>("router1.lab.example"));
    XmListAddItem(info.list, item, 0);
    XmStringFree(item);
    shot(shell, "motif-text-edit-dialog.png");

    enter(info.text);
    motif::press(info.buttonHandles[0]);
    closeWindow(shell);
    motif::pumpUntil([] { return pressed.size() == 3; });
    EXPECT_EQ(pressed, (std::vector<std::string>{"find", "apply", "close"}));

    // The same buttons again: nothing is flagged any more, so Enter does nothing.
    pressed.clear();
    textEditDialogInfo again = info;
    CreateTextEditDialog(app().shell, &again);
    enter(again.text);
    EXPECT_TRUE(pressed.empty());
    XtFree(reinterpret_cast<char *>(info.buttonHandles));
    XtFree(reinterpret_cast<char *>(again.buttonHandles));
    XtDestroyWidget(shell);
    XtDestroyWidget(shellOf(again.pane));
}

TEST(TextEditDialog, ASecondFlaggedButtonIsTheRowsDefaultAndAnswersEnterToo)
{
    pressed.clear();
    ButtonInfo buttons[] = {
        {0, "Apply", nullptr, record, const_cast<char *>("apply"), True},
        {0, "OK", nullptr, record, const_cast<char *>("ok"), True},
    };
    textEditDialogInfo info{};
    info.title = "Edit Description";
    info.editLabel = "Description";
    info.editValue = "Core router\nBuilding 2";
    info.buttonCount = 2;
    info.buttons = buttons;
    info.closeIndex = -1;
    CreateScrolledTextDialog(app().shell, &info, 40, 200, 6);
    EXPECT_EQ(info.list, nullptr);
    XtManageChild(info.pane);
    Widget shell = shellOf(info.pane);
    ASSERT_TRUE(motif::pumpUntil([&] { return motif::isViewable(shell); }));
    short rows = 0, columns = 0;
    unsigned char mode = 0;
    XtVaGetValues(info.text, XmNrows, &rows, XmNcolumns, &columns, XmNeditMode, &mode, nullptr);
    EXPECT_EQ(rows, 6);
    EXPECT_EQ(columns, 40);
    EXPECT_EQ(mode, XmMULTI_LINE_EDIT);
    EXPECT_EQ(dialogs::defaultButton(XtParent(info.buttonHandles[1])), info.buttonHandles[1]);
    shot(shell, "motif-scrolled-text-dialog.png");
    enter(info.text);
    EXPECT_EQ(pressed, (std::vector<std::string>{"apply", "ok"}));
    XtFree(reinterpret_cast<char *>(info.buttonHandles));
    XtDestroyWidget(shell);
}

TEST(ConfirmDialog, CancelIsTheDefaultAndTheCloseBoxAnswersCancel)
{
    pressed.clear();
    confirmDialogInfo info{};
    info.name = "deleteNodes";
    info.title = "Delete Nodes";
    info.message = "Delete the 3 selected nodes from the list?";
    info.okCallback = record;
    info.okData = const_cast<char *>("ok");
    info.cancelCallback = record;
    info.cancelData = const_cast<char *>("cancel");
    Widget box = CreateConfirmDialog(app().shell, &info);
    EXPECT_EQ(box, info.dialog);
    ASSERT_TRUE(dialogs::shown(box));
    Widget shell = XtParent(box);
    EXPECT_EQ(dialogs::windowTitle(shell), "Delete Nodes");
    EXPECT_EQ(dialogs::buttonsShown(box), dialogs::labels({"OK", "Cancel"})) << "no Help without a callback";
    EXPECT_EQ(dialogs::defaultButton(box), XmMessageBoxGetChild(box, XmDIALOG_CANCEL_BUTTON));
    int decorations = 0, functions = 0;
    XtVaGetValues(shell, XmNmwmDecorations, &decorations, XmNmwmFunctions, &functions, nullptr);
    EXPECT_EQ(decorations, MWM_DECOR_BORDER | MWM_DECOR_TITLE | MWM_DECOR_MENU);
    EXPECT_EQ(functions, MWM_FUNC_MOVE | MWM_FUNC_CLOSE);
    shot(shell, "motif-confirm.png");

    motif::click(XmMessageBoxGetChild(box, XmDIALOG_OK_BUTTON));
    ASSERT_TRUE(motif::pumpUntil([] { return pressed.size() == 1; }));
    EXPECT_TRUE(motif::isViewable(shell)) << "the answer's callback decides what happens to the question";
    closeWindow(shell);
    motif::pumpUntil([] { return pressed.size() == 2; });
    EXPECT_EQ(pressed, (std::vector<std::string>{"ok", "cancel"}));
    XtDestroyWidget(shell);

    info.helpCallback = record;
    info.helpData = const_cast<char *>("help");
    box = CreateConfirmDialog(app().shell, &info);
    ASSERT_TRUE(dialogs::shown(box));
    EXPECT_EQ(dialogs::buttonsShown(box), dialogs::labels({"OK", "Cancel", "Help"}));
    motif::click(XmMessageBoxGetChild(box, XmDIALOG_HELP_BUTTON));
    ASSERT_TRUE(motif::pumpUntil([] { return pressed.size() == 3; }));
    EXPECT_EQ(pressed.back(), "help");
    XtDestroyWidget(XtParent(box));
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

// The tool keeps the arrows in step with the selection, as the panel asks.
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
        XtVaSetValues(XtParent(list_), XmNtopAttachment, XmATTACH_FORM, XmNleftAttachment, XmATTACH_FORM,
                      XmNbottomAttachment, XmATTACH_FORM, XmNwidth, 160, nullptr);
        XtManageChild(list_);
        fill({"a", "b", "c", "d", "e"});
        XtSetArg(widgetArgs[widgetArgCnt], XmNtopAttachment, XmATTACH_FORM), widgetArgCnt++;
        XtSetArg(widgetArgs[widgetArgCnt], XmNleftAttachment, XmATTACH_WIDGET), widgetArgCnt++;
        XtSetArg(widgetArgs[widgetArgCnt], XmNleftWidget, XtParent(list_)), widgetArgCnt++;
        panel_ = CVxmCreateReorderWidget(form, "reorder", "Move", list_, recordMove, &moved_);
        XtAddCallback(list_, XmNextendedSelectionCallback, selectionChanged, panel_);
        info_ = CVxmGetReorderInfo(panel_);
        // Quick clicks are single clicks, not double clicks.
        XtVaSetValues(list_, XmNdoubleClickInterval, 1, nullptr);
        XtManageChild(form);
        ASSERT_TRUE(motif::popUp(shell_));
    }
    void TearDown() override { XtDestroyWidget(shell_); }

    void fill(std::initializer_list<const char *> items)
    {
        XmListDeleteAllItems(list_);
        for (const char *text : items) {
            XmString item = XmStringCreateLocalized(const_cast<char *>(text));
            XmListAddItemUnselected(list_, item, 0);
            XmStringFree(item);
        }
    }

    // Clicks an item, with Control held to add it to the selection.
    void clickItem(int position, bool control = false)
    {
        Position x = 0, y = 0;
        Dimension w = 0, h = 0;
        ASSERT_TRUE(XmListPosToBounds(list_, position, &x, &y, &w, &h));
        Display *d = XtDisplay(list_);
        Window child;
        int rx = 0, ry = 0;
        XTranslateCoordinates(d, XtWindow(list_), DefaultRootWindow(d), x + w / 2, y + h / 2, &rx, &ry, &child);
        KeyCode ctrl = XKeysymToKeycode(d, XK_Control_L);
        if (control) {
            XTestFakeKeyEvent(d, ctrl, True, CurrentTime);
        }
        XTestFakeMotionEvent(d, -1, rx, ry, CurrentTime);
        // A few milliseconds apart, so that no two clicks share a time stamp and make a double click.
        XTestFakeButtonEvent(d, 1, True, 10);
        XTestFakeButtonEvent(d, 1, False, CurrentTime);
        if (control) {
            XTestFakeKeyEvent(d, ctrl, False, CurrentTime);
        }
        // The list selects on the button's release; wait until it has.
        motif::pumpUntil([&] { return XmListPosSelected(list_, position) && (control || selected().size() == 1); });
        motif::pump();
    }

    void select(std::initializer_list<int> positions)
    {
        bool first = true;
        for (int p : positions) {
            clickItem(p, !first);
            first = false;
        }
    }

    std::string arrows() const
    {
        bool panel = XtIsSensitive(panel_);
        return std::string(panel && XtIsSensitive(info_->up) ? "up" : "-") + "/" +
               (panel && XtIsSensitive(info_->down) ? "down" : "-");
    }

    std::vector<std::string> items() const
    {
        XmStringTable table = nullptr;
        int count = 0;
        XtVaGetValues(list_, XmNitems, &table, XmNitemCount, &count, nullptr);
        std::vector<std::string> out;
        for (int i = 0; i < count; i++) {
            out.push_back(motif::xmStringText(XmStringCopy(table[i])));
        }
        return out;
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

    Widget shell_ = nullptr;
    Widget list_ = nullptr;
    Widget panel_ = nullptr;
    reorderInfo *info_ = nullptr;
    Moved moved_;
};

} // namespace

TEST_F(Reorder, ArrowsFollowTheSelection)
{
    ASSERT_NE(info_, nullptr);
    EXPECT_EQ(info_->list, list_);
    EXPECT_EQ(arrows(), "-/-") << "nothing selected yet";
    select({1});
    EXPECT_EQ(arrows(), "-/down");
    select({5});
    EXPECT_EQ(arrows(), "up/-");
    select({2, 3});
    EXPECT_EQ(selected(), (std::vector<int>{2, 3}));
    EXPECT_EQ(arrows(), "up/down");
    select({2, 4});
    EXPECT_EQ(arrows(), "-/-") << "a gap";
    select({1, 2, 4});
    EXPECT_EQ(arrows(), "-/-");
    select({1, 2, 3, 4, 5});
    EXPECT_EQ(arrows(), "-/-") << "everything";

    // A disabled arrow takes its parent's background and gets its colour back when enabled.
    Pixel background = 0, up = 0, down = 0;
    XtVaGetValues(XtParent(info_->up), XmNbackground, &background, nullptr);
    select({1});
    XtVaGetValues(info_->up, XmNforeground, &up, nullptr);
    XtVaGetValues(info_->down, XmNforeground, &down, nullptr);
    EXPECT_EQ(up, background);
    EXPECT_NE(down, background);
    select({3});
    XtVaGetValues(info_->up, XmNforeground, &up, nullptr);
    EXPECT_EQ(up, down);
}

TEST_F(Reorder, ArrowsMoveTheBlockOnePlace)
{
    select({2, 3});
    shot(shell_, "motif-reorder.png");
    motif::click(info_->up);
    ASSERT_TRUE(motif::pumpUntil([&] { return moved_.calls == 1; }));
    EXPECT_EQ(items(), (std::vector<std::string>{"b", "c", "a", "d", "e"}));
    EXPECT_EQ(selected(), (std::vector<int>{1, 2})) << "the selection moves with the block";
    EXPECT_EQ(moved_.from, 1);
    EXPECT_EQ(moved_.to, 3);
    EXPECT_EQ(arrows(), "-/down") << "at the top";

    // An arrow that is off does nothing: only the down arrow's move arrives.
    motif::click(info_->up);
    motif::click(info_->down);
    ASSERT_TRUE(motif::pumpUntil([&] { return moved_.calls == 2; }));
    EXPECT_EQ(items(), (std::vector<std::string>{"a", "b", "c", "d", "e"}));
    EXPECT_EQ(moved_.from, 3);
    EXPECT_EQ(moved_.to, 1);

    motif::click(info_->down);
    ASSERT_TRUE(motif::pumpUntil([&] { return moved_.calls == 3; }));
    EXPECT_EQ(items(), (std::vector<std::string>{"a", "d", "b", "c", "e"}));
    EXPECT_EQ(selected(), (std::vector<int>{3, 4}));
    EXPECT_EQ(moved_.from, 4);
    EXPECT_EQ(moved_.to, 2);
    motif::click(info_->down);
    ASSERT_TRUE(motif::pumpUntil([&] { return moved_.calls == 4; }));
    EXPECT_EQ(items(), (std::vector<std::string>{"a", "d", "e", "b", "c"}));
    EXPECT_EQ(arrows(), "up/-") << "at the bottom";
    EXPECT_EQ(moved_.calls, 4);
}

TEST_F(Reorder, OnlyAPanelHasAReorderRecord)
{
    EXPECT_EQ(CVxmGetReorderInfo(list_), nullptr);
    static unsigned int notARecord[8] = {1, 2, 3};
    XtVaSetValues(list_, XmNuserData, notARecord, nullptr);
    EXPECT_EQ(CVxmGetReorderInfo(list_), nullptr);
}
