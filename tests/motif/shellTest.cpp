// Shell preparation, the window manager's close request, widget help registration and paths.
#include "dialogSupport.h"
#include "isolated.h"

#include <X11/Xmu/Editres.h>
#include <Xm/DialogS.h>
#include <Xm/Form.h>
#include <Xm/Label.h>
#include <Xm/Protocols.h>
#include <dlfcn.h>
#include <fcntl.h>
#include <vector>

using motif::app;

namespace {

// Every event handler added in this process, recorded on its way to Xt.
struct HandlerCall {
    Widget widget;
    EventMask mask;
    Boolean nonMaskable;
    XtEventHandler proc;
};
std::vector<HandlerCall> handlerCalls;

bool hasEditresHandler(Widget shell)
{
    for (const HandlerCall &c : handlerCalls) {
        if (c.widget == shell && c.proc == _XEditResCheckMessages && c.mask == 0 && c.nonMaskable) {
            return true;
        }
    }
    return false;
}

int editresHandlers(Widget shell)
{
    int n = 0;
    for (const HandlerCall &c : handlerCalls) {
        n += c.widget == shell && c.proc == _XEditResCheckMessages;
    }
    return n;
}

bool closeOnExec()
{
    return (fcntl(ConnectionNumber(app().display), F_GETFD) & FD_CLOEXEC) != 0;
}

void clearCloseOnExec()
{
    fcntl(ConnectionNumber(app().display), F_SETFD, 0);
}

} // namespace

extern "C" void XtAddEventHandler(Widget w, EventMask mask, Boolean nonMaskable, XtEventHandler proc, XtPointer data)
{
    using Real = void (*)(Widget, EventMask, Boolean, XtEventHandler, XtPointer);
    static Real real = reinterpret_cast<Real>(dlsym(RTLD_NEXT, "XtAddEventHandler"));
    handlerCalls.push_back({w, mask, nonMaskable, proc});
    real(w, mask, nonMaskable, proc, data);
}

CHILD_TEST(ShellScenario, FirstShellMarksTheConnectionCloseOnExecOnce)
{
    clearCloseOnExec();
    Widget first = AddBBoardD(app().shell, "first", "First");
    EXPECT_TRUE(closeOnExec());
    EXPECT_TRUE(hasEditresHandler(XtParent(first)));

    // The one-time work is not repeated; every shell still gets the Editres handler.
    clearCloseOnExec();
    Widget second = AddMotifFormD(app().shell, "second", "Second");
    EXPECT_FALSE(closeOnExec());
    EXPECT_TRUE(hasEditresHandler(XtParent(second)));
    EXPECT_NE(XtParent(first), XtParent(second));
}

TEST(ShellPreparation, FirstShellMarksTheConnectionCloseOnExecOnce)
{
    EXPECT_TRUE(runIsolated("ShellScenario.InChild_FirstShellMarksTheConnectionCloseOnExecOnce"));
}

TEST(ShellPreparation, ClimbsToTheShellAndIgnoresWidgetsWithoutOne)
{
    Widget form = XmCreateForm(app().shell, const_cast<char *>("inner"), nullptr, 0);
    Widget label = XmCreateLabel(form, const_cast<char *>("deep"), nullptr, 0);
    int before = editresHandlers(app().shell);
    setupGUIShell(label);
    EXPECT_EQ(editresHandlers(app().shell), before + 1);
    size_t calls = handlerCalls.size();
    setupGUIShell(nullptr);
    EXPECT_EQ(handlerCalls.size(), calls);
}

TEST(CloseProtocol, WindowManagersCloseRequestReachesTheProcedure)
{
    Widget dialog = AddBBoardD(app().shell, "closable", "Closable");
    Widget shell = XtParent(dialog);
    static int closes;
    static XtPointer seenData;
    static int token;
    registerCloseCB(shell, [](Widget, XtPointer data, XtPointer) { closes++, seenData = data; }, &token);
    registerCloseDoNothing(shell);
    EXPECT_EQ(motif::value<unsigned char>(shell, XmNdeleteResponse), XmDO_NOTHING);

    XtManageChild(dialog);
    ASSERT_TRUE(motif::pumpUntil([&] { return motif::isViewable(shell); }));
    dialogs::closeWindow(shell);
    ASSERT_TRUE(motif::pumpUntil([&] { return closes == 1; }));
    EXPECT_EQ(seenData, &token);
    // The procedure decides: the window stays.
    motif::pump();
    EXPECT_TRUE(motif::isViewable(shell));
    XtUnmanageChild(dialog);
}

TEST(CloseProtocol, RegisteringTheProcedureKeepsTheShellsDeleteResponse)
{
    Widget dialog = AddBBoardD(app().shell, "destroyedOnClose", "Destroyed on close");
    Widget shell = XtParent(dialog);
    XtVaSetValues(shell, XmNdeleteResponse, XmDESTROY, nullptr);
    static bool called;
    static bool destroyed;
    registerCloseCB(shell, [](Widget, XtPointer, XtPointer) { called = true; }, nullptr);
    XtAddCallback(shell, XmNdestroyCallback, [](Widget, XtPointer, XtPointer) { destroyed = true; }, nullptr);
    XtManageChild(dialog);
    ASSERT_TRUE(motif::pumpUntil([&] { return motif::isViewable(shell); }));
    dialogs::closeWindow(shell);
    EXPECT_TRUE(motif::pumpUntil([&] { return called && destroyed; }));
}

TEST(WidgetHelp, CallbackIsKeptAndPathsNameTheWholeTree)
{
    EXPECT_EQ(GetWidgetHelpCallback(), nullptr);
    Widget form = AddMotifForm(app().shell, "helpForm");
    Widget button = AddMTButton(form, "Help me", "helpToggle", False, nullptr, nullptr);
    EXPECT_STREQ(getWidgetName(button), "cvguiTest.helpForm.helpToggle");
    EXPECT_STREQ(getWidgetClass(button), "ApplicationShell.XmForm.XmToggleButton");
    EXPECT_STREQ(getWidgetName(app().shell), "cvguiTest");
    EXPECT_STREQ(getWidgetName(nullptr), "");

    // A path longer than the 512-byte buffer is cut there, never written past it.
    Widget deep = form;
    std::string full = "cvguiTest.helpForm";
    for (int i = 0; i < 8; i++) {
        std::string name = "nested" + std::to_string(i) + std::string(70, 'x');
        deep = AddMotifForm(deep, name.c_str());
        full += "." + name;
    }
    EXPECT_EQ(std::string(getWidgetName(deep)), full.substr(0, 511));

    XtCallbackProc proc = [](Widget, XtPointer, XtPointer) {};
    SetWidgetHelpCallback(proc);
    // With a help callback installed, registration works out the widget's paths.
    getWidgetName(app().shell);
    WlibRegisterHelp(button);
    EXPECT_STREQ(getWidgetName(button), "cvguiTest.helpForm.helpToggle");
    SetWidgetHelpCallback(nullptr);
}
