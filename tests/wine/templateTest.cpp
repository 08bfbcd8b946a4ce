// The library's dialog templates are resources of cvgui.dll: a dialog made from them has real
// controls that a caller can drive.
#include "../../util_libs/res/kelres.h"

#include <gtest/gtest.h>
#include <string>
#include <windows.h>

namespace {

HMODULE library()
{
    HMODULE dll = GetModuleHandleA("cvgui.dll");
    return dll != nullptr ? dll : LoadLibraryA("cvgui.dll");
}

struct DialogState {
    int commands = 0;
    int lastCommand = 0;
};

INT_PTR CALLBACK recordingProc(HWND dlg, UINT msg, WPARAM wp, LPARAM lp)
{
    if (msg == WM_INITDIALOG) {
        SetWindowLongPtrA(dlg, DWLP_USER, lp);
        return TRUE;
    }
    if (msg == WM_COMMAND) {
        auto *state = reinterpret_cast<DialogState *>(GetWindowLongPtrA(dlg, DWLP_USER));
        state->commands++;
        state->lastCommand = LOWORD(wp);
        return TRUE;
    }
    return FALSE;
}

void pump()
{
    MSG m;
    while (PeekMessageA(&m, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&m);
        DispatchMessageA(&m);
    }
}

// A control's rectangle in the dialog's units, as the template gives it.
RECT dialogUnits(HWND dlg, int id)
{
    RECT r;
    GetWindowRect(GetDlgItem(dlg, id), &r);
    MapWindowPoints(nullptr, dlg, reinterpret_cast<POINT *>(&r), 2);
    RECT unit = {0, 0, 4, 8};
    MapDialogRect(dlg, &unit);
    return {MulDiv(r.left, 4, unit.right), MulDiv(r.top, 8, unit.bottom), MulDiv(r.right - r.left, 4, unit.right),
            MulDiv(r.bottom - r.top, 8, unit.bottom)};
}

std::string className(HWND w)
{
    char name[64];
    GetClassNameA(w, name, sizeof name);
    return name;
}

HWND createFromTemplate(WORD language, DialogState &state)
{
    HRSRC res = FindResourceExA(library(), RT_DIALOG, MAKEINTRESOURCEA(IDD_KEL_MSGDLG), language);
    if (res == nullptr) {
        return nullptr;
    }
    // A Unicode dialog, so that the text survives whatever the ANSI code page of the process.
    auto *tmpl = static_cast<LPCDLGTEMPLATEW>(LockResource(LoadResource(library(), res)));
    return CreateDialogIndirectParamW(library(), tmpl, nullptr, recordingProc, reinterpret_cast<LPARAM>(&state));
}

} // namespace

TEST(MessageDialogTemplate, HasTheMessageDialogControlsAtTheirPlaces)
{
    ASSERT_NE(library(), nullptr);
    DialogState state;
    HWND dlg = CreateDialogParamA(library(), MAKEINTRESOURCEA(IDD_KEL_MSGDLG), nullptr, recordingProc,
                                  reinterpret_cast<LPARAM>(&state));
    ASSERT_NE(dlg, nullptr) << "CreateDialogParam failed: " << GetLastError();

    HWND ok = GetDlgItem(dlg, IDCANCEL);
    HWND icon = GetDlgItem(dlg, IDC_KEL_MSGICON);
    HWND text = GetDlgItem(dlg, IDC_KEL_MSGTEXT);
    ASSERT_TRUE(ok && icon && text);
    EXPECT_EQ(className(ok), "Button");
    EXPECT_EQ(className(text), "Static");
    EXPECT_EQ(GetWindowLongA(ok, GWL_STYLE) & 0xF, BS_DEFPUSHBUTTON);
    EXPECT_EQ(GetWindowLongA(icon, GWL_STYLE) & SS_TYPEMASK, SS_ICON);
    EXPECT_EQ(GetWindowLongA(text, GWL_STYLE) & SS_TYPEMASK, SS_LEFTNOWORDWRAP);
    EXPECT_TRUE(GetWindowLongA(text, GWL_STYLE) & SS_NOPREFIX);
    EXPECT_TRUE(GetWindowLongA(dlg, GWL_STYLE) & WS_CAPTION);

    RECT r = dialogUnits(dlg, IDCANCEL);
    EXPECT_NEAR(r.left, 15, 1);
    EXPECT_NEAR(r.top, 30, 1);
    EXPECT_NEAR(r.right, 40, 1);
    EXPECT_NEAR(r.bottom, 14, 1);
    r = dialogUnits(dlg, IDC_KEL_MSGTEXT);
    EXPECT_NEAR(r.left, 30, 1);
    EXPECT_NEAR(r.top, 10, 1);

    // The text control takes a caller's message; the button reaches the dialog as IDCANCEL.
    SetDlgItemTextA(dlg, IDC_KEL_MSGTEXT, "3 files");
    char buf[32];
    GetDlgItemTextA(dlg, IDC_KEL_MSGTEXT, buf, sizeof buf);
    EXPECT_STREQ(buf, "3 files");
    SendMessageA(ok, BM_CLICK, 0, 0);
    pump();
    EXPECT_EQ(state.commands, 1);
    EXPECT_EQ(state.lastCommand, IDCANCEL);
    DestroyWindow(dlg);
}

TEST(MessageDialogTemplate, JapaneseTemplateHasItsOwnFontAndText)
{
    DialogState state;
    HWND dlg = createFromTemplate(MAKELANGID(LANG_JAPANESE, SUBLANG_DEFAULT), state);
    ASSERT_NE(dlg, nullptr) << "no Japanese template: " << GetLastError();
    wchar_t text[32];
    GetDlgItemTextW(dlg, IDC_KEL_MSGTEXT, text, 32);
    EXPECT_EQ(std::wstring(text), L"\u30e1\u30c3\u30bb\u30fc\u30b8");

    LOGFONTW font{};
    GetObjectW(reinterpret_cast<HFONT>(SendMessageW(dlg, WM_GETFONT, 0, 0)), sizeof font, &font);
    EXPECT_EQ(std::wstring(font.lfFaceName), L"MS UI Gothic");

    // Same geometry as the English one: the code that sizes the dialog serves both.
    RECT r = dialogUnits(dlg, IDCANCEL);
    EXPECT_NEAR(r.left, 15, 1);
    EXPECT_NEAR(r.top, 30, 1);
    SendMessageW(GetDlgItem(dlg, IDCANCEL), BM_CLICK, 0, 0);
    pump();
    EXPECT_EQ(state.lastCommand, IDCANCEL);
    DestroyWindow(dlg);
}
