// Pseudo widgets, frames, menu items and window operations on real dialogs.
#include "kelcore.h"

#include "isolated.h"
#include "support/testres.h"
#include "support/watch.h"

#include <gtest/gtest.h>

namespace {

CWinApp testApp;

// A shown modeless dialog made by the class layer from a test template.
struct ShownDialog : CDialog {
    explicit ShownDialog(UINT id, CWnd *parent = nullptr)
    {
        EXPECT_TRUE(Create(id, parent));
        ShowWindow(SW_SHOWNORMAL);
        pumpPending();
    }
};

} // namespace

TEST(PseudoWidget, IsNullUntilInitialisedAndLooksTheControlUpAtEachUse)
{
    ShownDialog dialog(IDD_TEST_FOCUS);
    KelPaseudoWidget w;
    EXPECT_TRUE(w == 0);
    EXPECT_EQ(static_cast<CWnd *>(w), nullptr);
    w.init(&dialog, IDC_EDIT2);
    EXPECT_TRUE(w != 0);
    KelPaseudoWidget a(&dialog, IDC_EDIT1), c(&dialog, IDC_EDIT1);
    EXPECT_FALSE(a == w);
    EXPECT_TRUE(a == c);

    CWnd *control = w;
    ASSERT_NE(control, nullptr);
    EXPECT_EQ(control->m_hWnd, ::GetDlgItem(dialog.m_hWnd, IDC_EDIT2));

    // The control is recreated with the same id: the pseudo widget designates the new one.
    RECT r;
    ::GetWindowRect(control->m_hWnd, &r);
    ::DestroyWindow(control->m_hWnd);
    EXPECT_EQ(static_cast<CWnd *>(w), nullptr);
    HWND again = CreateWindowExA(0, "Edit", "", WS_CHILD | WS_VISIBLE, 0, 0, 50, 20, dialog.m_hWnd,
                                 reinterpret_cast<HMENU>(IDC_EDIT2), nullptr, nullptr);
    CWnd *now = w;
    ASSERT_NE(now, nullptr);
    EXPECT_EQ(now->m_hWnd, again);
}

TEST(MenuItem, CallsItsCallbackAsAnXtCallback)
{
    KelMenuItem item;
    EXPECT_EQ(KelIsSensitive(item), 1);
    static Widget seenWidget;
    static void *seenClient;
    static void *seenCall;
    static int calls;
    XtCallbackProc proc = [](Widget w, XtPointer client, XtPointer call) {
        seenWidget = w, seenClient = client, seenCall = call, calls++;
    };
    KelMenuCallXtCallback(&item, nullptr, nullptr); // no callback yet: nothing
    EXPECT_EQ(calls, 0);
    int data = 0, call = 0;
    item.SetCallback(reinterpret_cast<KelMenuCallback>(proc));
    item.SetActivateData(&data);
    KelMenuCallXtCallback(&item, reinterpret_cast<Widget>(&item), &call);
    EXPECT_EQ(calls, 1);
    EXPECT_EQ(seenWidget, reinterpret_cast<Widget>(&item));
    EXPECT_EQ(seenClient, &data);
    EXPECT_EQ(seenCall, &call);
}

TEST(MenuItem, IdToIndexTakesTheFirstMatchingRow)
{
    KelMenuIdToIdxTable table[] = {{3, 101}, {7, 102}, {9, 102}};
    EXPECT_EQ(KelMenuIdToIdx(102, table, 3), 7);
    EXPECT_EQ(KelMenuIdToIdx(101, table, 3), 3);
    EXPECT_EQ(KelMenuIdToIdx(103, table, 3), -1);
    EXPECT_EQ(KelMenuIdToIdx(102, table, 1), -1);
}

TEST(Sensitivity, FocusMovesOnBeforeTheFocusedControlIsDisabled)
{
    ShownDialog dialog(IDD_TEST_FOCUS);
    KelPaseudoWidget first(&dialog, IDC_EDIT1), second(&dialog, IDC_EDIT2), third(&dialog, IDC_EDIT3);
    KelFocusIn(first);
    ASSERT_EQ(KelIsFocusIn(first), 1);

    // Disabling another control leaves the focus alone.
    KelSetSensitive(static_cast<CWnd *>(third), 0);
    EXPECT_EQ(KelIsFocusIn(first), 1);
    EXPECT_EQ(KelIsSensitive(third), 0);
    KelSetSensitive(static_cast<CWnd *>(third), 1);

    KelSetSensitive(static_cast<CWnd *>(first), 0);
    EXPECT_EQ(KelIsSensitive(first), 0);
    EXPECT_EQ(KelIsFocusIn(second), 1);
    EXPECT_EQ(KelIsFocusIn(first), 0);

    KelSetSensitive(static_cast<CWnd *>(nullptr), 0); // nothing happens
    KelSetSensitive(static_cast<CWnd *>(first), 1);
    EXPECT_EQ(KelIsSensitive(first), 1);
}

TEST(Sensitivity, FocusInAFormViewMovesToo)
{
    ShownDialog dialog(IDD_TEST_CHILD);
    CFormView form(IDD_TEST_FORM);
    ASSERT_TRUE(form.Create(&dialog));
    KelPaseudoWidget first(&form, IDC_FORMEDIT1), second(&form, IDC_FORMEDIT2);
    KelFocusIn(first);
    ASSERT_EQ(KelIsFocusIn(first), 1);
    KelSetSensitive(static_cast<CWnd *>(first), 0);
    EXPECT_EQ(KelIsFocusIn(second), 1);
}

TEST(Sensitivity, AParentThatIsNoDialogObjectIsNotAskedToMoveTheFocus)
{
    // The same template made without the class layer: its controls' parent is a plain window.
    HWND raw = CreateDialogParamA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDD_TEST_FOCUS), nullptr,
                                  [](HWND, UINT, WPARAM, LPARAM) -> INT_PTR { return FALSE; }, 0);
    ASSERT_NE(raw, nullptr);
    ShowWindow(raw, SW_SHOWNORMAL);
    CWnd *parent = CWnd::FromHandle(raw);
    KelPaseudoWidget first(parent, IDC_EDIT1), second(parent, IDC_EDIT2);
    ::SetFocus(::GetDlgItem(raw, IDC_EDIT1));
    ASSERT_EQ(KelIsFocusIn(first), 1);
    KelSetSensitive(static_cast<CWnd *>(first), 0);
    EXPECT_EQ(KelIsSensitive(first), 0);
    EXPECT_EQ(KelIsFocusIn(second), 0);
    DestroyWindow(raw);
    CWnd::DeleteTempMap();
}

TEST(Traversal, OnlyTheCurrentDirectionIsServed)
{
    ShownDialog dialog(IDD_TEST_FOCUS);
    KelPaseudoWidget first(&dialog, IDC_EDIT1), third(&dialog, IDC_EDIT3);
    KelFocusIn(first);
    EXPECT_EQ(KelProcessTraversal(third, 1), 0);
    EXPECT_EQ(KelProcessTraversal(third, 2), 0);
    EXPECT_EQ(KelIsFocusIn(first), 1);
    EXPECT_EQ(KelProcessTraversal(third, 0), 1);
    EXPECT_EQ(KelIsFocusIn(third), 1);
}

TEST(Frame, ShowsHidesAndSwitchesMembersAndNestedFrames)
{
    ShownDialog dialog(IDD_TEST_FOCUS);
    KelPaseudoWidget first(&dialog, IDC_EDIT1), second(&dialog, IDC_EDIT2), third(&dialog, IDC_EDIT3);
    KelPaseudoWidget missing(&dialog, 999);
    KelPFrame inner, outer;
    inner.AddChild(third);
    outer.AddChild(&first);
    outer.AddChild(second);
    outer.AddChild(missing); // no such control: skipped
    outer.AddChild(inner);

    KelHide(outer);
    EXPECT_EQ(KelIsVisible(first), 0);
    EXPECT_EQ(KelIsVisible(second), 0);
    EXPECT_EQ(KelIsVisible(third), 0);
    KelShow(outer);
    EXPECT_EQ(KelIsVisible(third), 1);
    KelSetSensitive(outer, 0);
    EXPECT_EQ(KelIsSensitive(first), 0);
    EXPECT_EQ(KelIsSensitive(third), 0);
    KelSetSensitive(inner, 1);
    EXPECT_EQ(KelIsSensitive(third), 1);
    EXPECT_EQ(KelIsSensitive(first), 0);
}

CHILD_TEST(Frame, TwentiethMember)
{
    KelPaseudoWidget w;
    KelPFrame frame;
    for (int i = 0; i < 19; i++) {
        frame.AddChild(w);
    }
    printf("ACCEPTED %d\n", frame.widgetCount);
    fflush(stdout);
    WindowWatcher box(testApp.m_pszAppName, "OK", true);
    frame.AddChild(w);
    printf("RETURNED\n");
}

TEST(Frame, HoldsNineteenMembersAndATwentiethIsFatal)
{
    EXPECT_TRUE(endedWith("Frame.InChild_TwentiethMember", {"ACCEPTED 19", "TEXT[Internal Error]"}));
}

// The cases: the internal, the impossible and the critical error handler.
CHILD_TEST(FatalHandlers, Handler)
{
    WindowWatcher box(testApp.m_pszAppName, "OK", true);
    switch (childCase()) {
    case 0:
        KelInternalErrorHandler();
        break;
    case 1:
        KelImpossibleErrorHandler();
        break;
    default:
        KelCriticalErrorHandler(12345);
    }
    printf("RETURNED\n");
}

TEST(FatalHandlers, EachShowsInternalErrorThenExitsWithStatusOne)
{
    std::string box = std::string("WINDOW[") + testApp.m_pszAppName + "] TEXT[Internal Error]";
    for (int c : {0, 1, 2}) {
        setChildCase(c);
        EXPECT_TRUE(endedWith("FatalHandlers.InChild_Handler", box.c_str())) << "case " << c;
    }
}

TEST(WindowOperations, RaiseUpdateDestroy)
{
    auto *dialog = new ShownDialog(IDD_TEST_FOCUS);
    ::ValidateRect(dialog->m_hWnd, nullptr);
    KelUpdateWindow(dialog);
    RECT dirty;
    EXPECT_TRUE(::GetUpdateRect(dialog->m_hWnd, &dirty, FALSE)) << "the whole window waits for a repaint";

    ShownDialog other(IDD_TEST_CHILD);
    KelRaise(dialog);
    EXPECT_EQ(::GetActiveWindow(), dialog->m_hWnd);

    HWND h = dialog->m_hWnd;
    KelDestroy(dialog);
    EXPECT_FALSE(::IsWindow(h));
    EXPECT_EQ(dialog->m_hWnd, nullptr);
    delete dialog;
}

TEST(ShowModal, DisablesTheParentUntilTheWindowEndsItsLoop)
{
    ShownDialog parent(IDD_TEST_FOCUS);
    parent.SetWindowPos(nullptr, 300, 250, 0, 0, SWP_NOSIZE | SWP_NOZORDER); // room to centre in
    CDialog child;
    ASSERT_TRUE(child.Create(IDD_TEST_CHILD, &parent));
    ASSERT_FALSE(child.IsWindowVisible());

    bool parentEnabledMeanwhile = true;
    RECT childRect = {}, parentRect = {};
    WindowWatcher user("Child", "Cancel", [&](HWND w) {
        parentEnabledMeanwhile = ::IsWindowEnabled(parent.m_hWnd);
        ::GetWindowRect(w, &childRect);
        ::GetWindowRect(parent.m_hWnd, &parentRect);
    });
    int result = KelShowModal(&child);
    user.wait();
    EXPECT_TRUE(user.pressed());
    EXPECT_EQ(result, IDCANCEL);
    EXPECT_FALSE(parentEnabledMeanwhile);
    EXPECT_TRUE(parent.IsWindowEnabled());
    // Centred over its owner.
    EXPECT_NEAR((childRect.left + childRect.right) / 2, (parentRect.left + parentRect.right) / 2, 2);
    EXPECT_NEAR((childRect.top + childRect.bottom) / 2, (parentRect.top + parentRect.bottom) / 2, 2);
}
