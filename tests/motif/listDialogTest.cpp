// The list dialog as a user sees it: the list in the constant-width font with the side buttons at
// its right and the bottom row below, the keyboard focus in the list, and the close box.
#include "dialogSupport.h"

#include <Xm/List.h>
#include <Xm/PanedW.h>
#include <Xm/Protocols.h>

using motif::app;

namespace {

std::vector<std::string> pressed;

void record(Widget, XtPointer name, XtPointer)
{
    pressed.push_back(static_cast<const char *>(name));
}

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

Position rootX(Widget w)
{
    Window child;
    int x = 0, y = 0;
    XTranslateCoordinates(XtDisplay(w), XtWindow(w), DefaultRootWindow(XtDisplay(w)), 0, 0, &x, &y, &child);
    return static_cast<Position>(x);
}

Dimension width(Widget w)
{
    Dimension d = 0;
    XtVaGetValues(w, XmNwidth, &d, nullptr);
    return d;
}

ButtonInfo sideButtons[] = {
    {0, "Add...", "add", record, const_cast<char *>("add"), False},
    {0, "Remove", "remove", record, const_cast<char *>("remove"), False},
};
ButtonInfo bottomButtons[] = {
    {0, "OK", "ok", record, const_cast<char *>("ok"), False},
    {0, "Cancel", "cancel", record, const_cast<char *>("cancel"), False},
};

listDialogInfo sources(int bottomCount)
{
    listDialogInfo info{};
    info.shellName = "sources";
    info.title = "Event Sources";
    info.listTitle = "Node                      Address ";
    info.visibleCount = 6;
    info.sideCount = 2;
    info.sideButtons = sideButtons;
    info.bottomCount = bottomCount;
    info.bottomButtons = bottomButtons;
    info.closeIndex = bottomCount > 0 ? 1 : -1;
    return info;
}

} // namespace

TEST(ListDialog, ListWithSideButtonsAtItsRightAndTheRowBelow)
{
    pressed.clear();
    listDialogInfo info = sources(2);
    Widget pane = CreateListDialog(app().shell, True, app().shell, &info);
    EXPECT_EQ(pane, info.pane);
    EXPECT_STREQ(XtName(pane), "listDPane1");
    ASSERT_NE(info.list, nullptr);
    for (const char *row : {"router1.lab.example       10.1.2.3", "hub                       10.1.2.9"}) {
        XmString item = XmStringCreateLocalized(const_cast<char *>(row));
        XmListAddItem(info.list, item, 0);
        XmStringFree(item);
    }
    XtManageChild(pane);
    Widget shell = XtParent(pane);
    ASSERT_TRUE(motif::pumpUntil([&] { return motif::isViewable(shell); }));
    EXPECT_EQ(dialogs::windowTitle(shell), "Event Sources");

    unsigned char policy = 0;
    XtVaGetValues(info.list, XmNselectionPolicy, &policy, nullptr);
    EXPECT_EQ(policy, XmEXTENDED_SELECT);
    Widget title = XtNameToWidget(pane, "lt");
    ASSERT_NE(title, nullptr);
    EXPECT_FALSE(XtIsManaged(title));
    EXPECT_GE(width(info.list), width(title)) << "the list is as wide as its title's text";

    Widget side = XtParent(info.sideHandles[0]);
    EXPECT_GE(rootX(info.sideHandles[0]), rootX(info.list) + width(info.list)) << "side buttons at the right";
    EXPECT_EQ(motif::labelText(info.sideHandles[1]), "Remove");
    EXPECT_EQ(XtParent(side), XtNameToWidget(pane, "listDForm"));
    EXPECT_TRUE(motif::pumpUntil([&] { return XmGetFocusWidget(pane) == info.list; })) << "the list has the focus";

    const char *dir = getenv("CVGUI_SHOT_DIR");
    if (dir != nullptr) {
        motif::pump();
        std::string cmd = "xwd -silent -id " + std::to_string(motif::frameWindow(shell)) + " | convert xwd:- " +
                          dir + "/motif-list-dialog.png";
        EXPECT_EQ(system(cmd.c_str()), 0);
    }
    motif::press(info.sideHandles[0]);
    motif::press(info.bottomHandles[0]);
    closeWindow(shell);
    motif::pumpUntil([] { return pressed.size() == 3; });
    EXPECT_EQ(pressed, (std::vector<std::string>{"add", "ok", "cancel"}));
    XtFree(reinterpret_cast<char *>(info.sideHandles));
    XtFree(reinterpret_cast<char *>(info.bottomHandles));
    XtDestroyWidget(shell);
}

TEST(ListDialog, WithoutBottomButtonsTheCloseBoxAnswersNothing)
{
    pressed.clear();
    listDialogInfo info = sources(0);
    CreateListDialog(app().shell, True, app().shell, &info);
    XtManageChild(info.pane);
    Widget shell = XtParent(info.pane);
    ASSERT_TRUE(motif::pumpUntil([&] { return motif::isViewable(shell); }));
    closeWindow(shell);
    motif::press(info.sideHandles[1]);
    motif::pumpUntil([] { return !pressed.empty(); });
    EXPECT_EQ(pressed, std::vector<std::string>{"remove"});
    XtFree(reinterpret_cast<char *>(info.sideHandles));
    XtDestroyWidget(shell);
}

TEST(ListDialog, BuiltIntoTheCallersPane)
{
    Widget shell = motif::newTopLevel("tool");
    Widget paned = XmCreatePanedWindow(shell, const_cast<char *>("toolPane"), nullptr, 0);
    listDialogInfo info = sources(2);
    info.sideCount = 0;
    EXPECT_EQ(CreateListDialog(app().shell, False, paned, &info), paned);
    EXPECT_EQ(info.pane, paned);
    EXPECT_NE(XtNameToWidget(paned, "listDForm.listDPane2*listDList"), nullptr);
    XtDestroyWidget(shell);
}
