// The class layer's own contract: handle maps, routing and reflection of messages, dialogs
// modal and modeless, the modal loop, run-time classes and CString.
#include <afxcmn.h>

#include "support/testres.h"
#include "support/watch.h"

#include <gtest/gtest.h>

namespace {

CWinApp testApp;

struct ShownDialog : CDialog {
    explicit ShownDialog(UINT id)
    {
        EXPECT_TRUE(Create(id));
        ShowWindow(SW_SHOWNORMAL);
    }
};

} // namespace

TEST(HandleMap, OtherWindowsGetTemporaryWrappersThatGoWithTheirWindows)
{
    ShownDialog dialog(IDD_TEST_FOCUS);
    EXPECT_EQ(CWnd::FromHandle(dialog.m_hWnd), &dialog) << "a dialog of the layer is permanent";
    CWnd *edit = dialog.GetDlgItem(IDC_EDIT1);
    ASSERT_NE(edit, nullptr);
    EXPECT_EQ(dialog.GetDlgItem(IDC_EDIT1), edit) << "one wrapper per handle";
    EXPECT_EQ(CWnd::FromHandlePermanent(edit->m_hWnd), nullptr);
    EXPECT_EQ(edit->GetParent(), &dialog);
    EXPECT_EQ(dialog.GetDlgItem(4242), nullptr);

    // A tool's own loop never idles: wrappers of windows that have gone must not pile up.
    testApp.OnIdle(0);
    edit = dialog.GetDlgItem(IDC_EDIT1);
    for (int i = 0; i < 2000; i++) {
        HWND w = ::CreateWindowExA(0, "STATIC", "", WS_CHILD, 0, 0, 10, 10, dialog.m_hWnd, nullptr, nullptr, nullptr);
        ASSERT_NE(CWnd::FromHandle(w), nullptr);
        ::DestroyWindow(w);
    }
    EXPECT_LT(CWnd::GetTempMapCount(), 200u);
    EXPECT_EQ(dialog.GetDlgItem(IDC_EDIT1), edit) << "a live window keeps its wrapper";
    testApp.OnIdle(0);
    EXPECT_EQ(CWnd::GetTempMapCount(), 0u);
}

TEST(HandleMap, SubclassingRoutesTheControlAndUnsubclassingGivesItBack)
{
    ShownDialog dialog(IDD_TEST_FOCUS);
    HWND h = ::GetDlgItem(dialog.m_hWnd, IDC_EDIT2);
    LONG_PTR original = GetWindowLongPtrA(h, GWLP_WNDPROC);

    struct CountingEdit : CEdit {
        int chars = 0;
        void OnChar(UINT nChar, UINT nRepCnt, UINT nFlags) override
        {
            chars++;
            if (nChar != 'x') { // swallows x
                CEdit::OnChar(nChar, nRepCnt, nFlags);
            }
        }
    } edit;
    ASSERT_TRUE(edit.SubclassDlgItem(IDC_EDIT2, &dialog));
    EXPECT_EQ(CWnd::FromHandle(h), &edit);
    EXPECT_FALSE(edit.SubclassDlgItem(IDC_EDIT2, &dialog)) << "already routed";
    for (char c : std::string("axb")) {
        ::SendMessageA(h, WM_CHAR, c, 1);
    }
    EXPECT_EQ(edit.chars, 3);
    EXPECT_EQ(windowText(h), "ab") << "the base handler reaches the control's own procedure";

    EXPECT_EQ(edit.UnsubclassWindow(), h);
    EXPECT_EQ(GetWindowLongPtrA(h, GWLP_WNDPROC), original);
    EXPECT_EQ(CWnd::FromHandlePermanent(h), nullptr);
    ::SendMessageA(h, WM_CHAR, 'x', 1);
    EXPECT_EQ(edit.chars, 3);
    EXPECT_EQ(windowText(h), "abx");
}

namespace {
// A control that handles its own change notifications when told to.
struct SelfNotifyingEdit : CEdit {
    bool keep = false;
    int changes = 0;

protected:
    BOOL OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT *pResult) override
    {
        if (message == WM_COMMAND && HIWORD(wParam) == EN_CHANGE) {
            changes++;
            return keep;
        }
        return CEdit::OnChildNotify(message, wParam, lParam, pResult);
    }
};

struct CommandDialog : CDialog {
    int parentChanges = 0;
    CommandDialog()
    {
        EXPECT_TRUE(Create(IDD_TEST_FOCUS));
    }

protected:
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override
    {
        if (CDialog::OnCommand(wParam, lParam)) {
            return TRUE;
        }
        if (HIWORD(wParam) == EN_CHANGE && LOWORD(wParam) == IDC_EDIT3) {
            parentChanges++;
        }
        return FALSE;
    }
};
} // namespace

TEST(Reflection, AControlSeesItsNotificationsFirstAndMayKeepThem)
{
    CommandDialog dialog;
    SelfNotifyingEdit edit;
    ASSERT_TRUE(edit.SubclassDlgItem(IDC_EDIT3, &dialog));
    edit.SetWindowText("one");
    EXPECT_EQ(edit.changes, 1);
    EXPECT_EQ(dialog.parentChanges, 1) << "not kept: the parent hears it too";
    edit.keep = true;
    edit.SetWindowText("two");
    EXPECT_EQ(edit.changes, 2);
    EXPECT_EQ(dialog.parentChanges, 1);
}

TEST(Dialogs, DoModalRunsInitAndReturnsTheButtonsResult)
{
    struct Modal : CDialog {
        Modal() : CDialog(IDD_TEST_CHILD) {}
        int inits = 0;
        BOOL OnInitDialog() override
        {
            inits++;
            SetWindowText("Modal child");
            return CDialog::OnInitDialog();
        }
    };
    Modal ok;
    WindowWatcher pressOk("Modal child", "OK");
    EXPECT_EQ(ok.DoModal(), IDOK);
    EXPECT_TRUE(pressOk.wait().hwnd != nullptr);
    EXPECT_EQ(ok.inits, 1);
    EXPECT_EQ(ok.m_hWnd, nullptr) << "the window is gone and the object detached";

    Modal cancel;
    WindowWatcher pressCancel("Modal child", "Cancel");
    EXPECT_EQ(cancel.DoModal(), IDCANCEL);

    CDialog missing(4242);
    EXPECT_EQ(missing.DoModal(), -1);
}

TEST(Dialogs, AModelessDialogMayDeleteItselfWhenItsWindowGoes)
{
    static bool deleted;
    deleted = false;
    struct SelfDeleting : CDialog {
        ~SelfDeleting() override { deleted = true; }
        void OnCancel() override { DestroyWindow(); }
        void PostNcDestroy() override { delete this; }
    };
    auto *dialog = new SelfDeleting;
    ASSERT_TRUE(dialog->Create(IDD_TEST_CHILD));
    dialog->ShowWindow(SW_SHOWNORMAL);
    HWND h = dialog->m_hWnd;
    ASSERT_TRUE(pressButton(h, "Cancel"));
    EXPECT_TRUE(pumpUntil([] { return deleted; }));
    EXPECT_FALSE(IsWindow(h));
    EXPECT_EQ(CWnd::FromHandlePermanent(h), nullptr);
}

TEST(Dialogs, AnObjectDestroysTheWindowItCreated)
{
    HWND h;
    {
        ShownDialog dialog(IDD_TEST_CHILD);
        h = dialog.m_hWnd;
        ASSERT_TRUE(IsWindow(h));
    }
    EXPECT_FALSE(IsWindow(h));
}

TEST(ModalLoop, EndsWithEndModalLoopOrWhenTheWindowIsDestroyed)
{
    ShownDialog dialog(IDD_TEST_CHILD);
    static CWnd *target;
    target = &dialog;
    SetTimer(nullptr, 0, 10, [](HWND, UINT, UINT_PTR id, DWORD) {
        KillTimer(nullptr, id);
        target->EndModalLoop(77);
    });
    EXPECT_EQ(dialog.RunModalLoop(), 77);
    EXPECT_FALSE(dialog.ContinueModal());

    auto *doomed = new ShownDialog(IDD_TEST_CHILD);
    target = doomed;
    SetTimer(nullptr, 0, 10, [](HWND, UINT, UINT_PTR id, DWORD) {
        KillTimer(nullptr, id);
        target->DestroyWindow();
    });
    EXPECT_EQ(doomed->RunModalLoop(), -1);
    EXPECT_EQ(doomed->m_hWnd, nullptr);
    delete doomed;
}

TEST(Strings, CStringFormatsAppendsAndLendsItsBuffer)
{
    CString s;
    EXPECT_TRUE(s.IsEmpty());
    s.Format("%d-%s", 42, "x");
    EXPECT_TRUE(s == "42-x");
    s += "yz";
    s += '!';
    EXPECT_STREQ(s, "42-xyz!");
    CString copy = s;
    s = static_cast<const char *>(s) + 3; // a tail of itself
    EXPECT_STREQ(s, "xyz!");
    EXPECT_STREQ(copy, "42-xyz!");
    char *buf = s.GetBuffer(10);
    strcpy(buf, "0123456789");
    s.ReleaseBuffer(4);
    EXPECT_EQ(s.GetLength(), 4);
    EXPECT_STREQ(s, "0123");
    EXPECT_STREQ(CString(nullptr), "");
}

TEST(DeviceContexts, TemporaryDcWrappersGoBackWithTheirDc)
{
    ShownDialog dialog(IDD_TEST_FOCUS);
    CDC *dc = dialog.GetDC();
    ASSERT_NE(dc, nullptr);
    CFont *previous = dc->SelectObject(dialog.GetFont());
    EXPECT_EQ(GetCurrentObject(dc->m_hDC, OBJ_FONT), dialog.GetFont()->m_hObject);
    dc->SelectObject(previous);
    EXPECT_EQ(dialog.ReleaseDC(dc), 1);

    // Objects made through the layer are deleted with their wrapper.
    HGDIOBJ pen;
    {
        CPen p(PS_SOLID, 1, RGB(1, 2, 3));
        pen = p.m_hObject;
        EXPECT_EQ(GetObjectType(pen), static_cast<DWORD>(OBJ_PEN));
        EXPECT_EQ(CGdiObject::FromHandle(pen), &p);
    }
    EXPECT_EQ(GetObjectType(pen), 0u);
}
