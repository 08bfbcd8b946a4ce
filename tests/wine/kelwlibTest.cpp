// The Motif-style control operations and the custom controls, on the real controls of a dialog.
#include "kelSLabel.h"
#include "kelwlib.h"

#include "isolated.h"
#include "support/testres.h"
#include "support/watch.h"

#include <afxcmn.h>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {

CWinApp testApp;

// The controls dialog, shown, remembering the commands its controls send it.
struct ControlsDialog : CDialog {
    std::vector<std::pair<WPARAM, LPARAM>> commands;
    ControlsDialog()
    {
        EXPECT_TRUE(Create(IDD_TEST_CONTROLS));
        SetWindowPos(nullptr, 100, 100, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
        ShowWindow(SW_SHOWNORMAL);
        UpdateWindow();
    }
    CWnd *item(int id) { return GetDlgItem(id); }

protected:
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override
    {
        if (CDialog::OnCommand(wParam, lParam)) {
            return TRUE;
        }
        commands.emplace_back(wParam, lParam);
        return FALSE;
    }
};

std::string owned(char *s)
{
    std::string copy = s;
    KelStringFree(s);
    return copy;
}

std::vector<std::string> comboItems(CWnd *w)
{
    std::vector<std::string> items;
    auto *c = static_cast<CComboBox *>(w);
    for (int i = 0; i < c->GetCount(); i++) {
        char buf[64];
        c->GetLBText(i, buf);
        items.push_back(buf);
    }
    return items;
}

using Items = std::vector<std::string>;

// A row of pixels of a window as it is on the screen after painting.
std::vector<COLORREF> pixelRow(HWND w, int y, int from, int to)
{
    UpdateWindow(w);
    HDC dc = GetDC(w);
    std::vector<COLORREF> row;
    for (int x = from; x < to; x++) {
        row.push_back(GetPixel(dc, x, y));
    }
    ReleaseDC(w, dc);
    return row;
}

COLORREF pixelAt(HWND w, int x, int y)
{
    return pixelRow(w, y, x, x + 1)[0];
}

} // namespace

TEST(Text, LineEndsBecomeCrLfInTheControlAndComeBackAsLf)
{
    ControlsDialog dialog;
    CWnd *edit = dialog.item(IDC_MLEDIT);
    KelTextSetString(edit, "one\ntwo");
    EXPECT_EQ(windowText(edit->m_hWnd), "one\r\ntwo");
    EXPECT_EQ(static_cast<CEdit *>(edit)->GetLineCount(), 2);
    EXPECT_EQ(owned(KelTextGetString(edit)), "one\ntwo");

    edit->SetWindowText("lone\rcr");
    EXPECT_EQ(owned(KelTextGetString(edit)), "lone\rcr") << "a CR on its own is kept";

    KelTextSetString(edit, nullptr);
    EXPECT_EQ(owned(KelTextGetString(edit)), "");

    CWnd *label = dialog.item(IDC_LABEL);
    KelSetLabel(label, reinterpret_cast<const unsigned char *>("a\nb"));
    EXPECT_EQ(windowText(label->m_hWnd), "a\nb") << "labels are set as they are";
    unsigned char *got = KelGetLabel(label);
    EXPECT_STREQ(reinterpret_cast<char *>(got), "a\nb");
    KelStringFree(got);
}

TEST(Text, TypingHonoursTheLimitAndTheEditability)
{
    ControlsDialog dialog;
    CWnd *edit = dialog.item(IDC_EDIT);
    auto type = [&](const char *text) {
        for (const char *c = text; *c != '\0'; c++) {
            edit->SendMessage(WM_CHAR, *c, 1);
        }
    };
    KelTextSetMaxLength(edit, 5);
    type("typing");
    EXPECT_EQ(windowText(edit->m_hWnd), "typin");
    KelTextSetEditable(edit, 0);
    KelTextSetString(edit, "");
    type("x");
    EXPECT_EQ(windowText(edit->m_hWnd), "") << "read-only";
    EXPECT_EQ(KelTextGetEditable(edit), 0);
    KelTextSetEditable(edit, 1);
    EXPECT_EQ(KelTextGetEditable(edit), 1);
    KelTextSetPasswordMode(edit, 1);
    EXPECT_EQ(static_cast<CEdit *>(edit)->GetPasswordChar(), '*');
}

TEST(Toggle, SetsTheCheckAndNotifiesTheParentOnlyWhenAsked)
{
    ControlsDialog dialog;
    CWnd *check = dialog.item(IDC_CHECK);
    auto fromCheck = [&] {
        std::vector<std::pair<WPARAM, LPARAM>> seen;
        for (auto &c : dialog.commands) {
            if (LOWORD(c.first) == IDC_CHECK) {
                seen.push_back(c);
            }
        }
        return seen;
    };
    KelToggleButtonSetState(check, 5, 0);
    EXPECT_EQ(KelToggleButtonGetState(check), 1);
    EXPECT_TRUE(fromCheck().empty());
    KelToggleButtonSetState(check, 0, 1);
    EXPECT_EQ(KelToggleButtonGetState(check), 0);
    auto seen = fromCheck();
    ASSERT_EQ(seen.size(), 1u);
    EXPECT_EQ(seen[0].first, MAKEWPARAM(IDC_CHECK, BN_CLICKED));
    EXPECT_EQ(seen[0].second, reinterpret_cast<LPARAM>(check->m_hWnd));
}

TEST(ComboBox, AppendsEvenWhenSortedAndSortsOnRequest)
{
    ControlsDialog dialog;
    CWnd *sorted = dialog.item(IDC_SORTEDCOMBO);
    KelComboBoxAddItem(sorted, "b");
    KelComboBoxAddItem(sorted, "a");
    EXPECT_EQ(comboItems(sorted), (Items{"b", "a"}));
    KelComboBoxSortAddItem(sorted, "c");
    KelComboBoxSortAddItem(sorted, "0");
    EXPECT_EQ(comboItems(sorted).front(), "0");
    KelComboBoxDeleteAllItems(sorted);
    EXPECT_TRUE(comboItems(sorted).empty());
}

TEST(ComboBox, KeysSelectionAndDeletionKeepTheSelectedItem)
{
    ControlsDialog dialog;
    CWnd *c = dialog.item(IDC_COMBO);
    int keys[4];
    const char *names[] = {"public", "private", "Secret", "guest"};
    for (int i = 0; i < 4; i++) {
        KelComboBoxAddItemWithKey(c, names[i], &keys[i]);
    }
    EXPECT_EQ(KelComboBoxKeyToIndex(c, &keys[2]), 2);
    int stranger;
    EXPECT_EQ(KelComboBoxKeyToIndex(c, &stranger), -1);

    KelComboBoxSelectItem(c, "secret"); // letter case ignored
    EXPECT_EQ(KelComboBoxGetCurSel(c), 2);
    KelComboBoxDeletePos(c, 0); // above the selection
    EXPECT_EQ(comboItems(c).at(KelComboBoxGetCurSel(c)), "Secret");
    EXPECT_EQ(KelComboBoxKeyToIndex(c, &keys[2]), 1) << "keys follow their items";
    KelComboBoxDeleteItem(c, "Secret"); // the selected one
    EXPECT_EQ(KelComboBoxGetCurSel(c), 0);
    EXPECT_EQ(comboItems(c), (Items{"private", "guest"}));

    KelComboBoxSetCurSel(c, 1);
    EXPECT_EQ(comboItems(c).at(KelComboBoxGetCurSel(c)), "guest");
    KelComboBoxSetCurSel(c, -3);
    EXPECT_EQ(KelComboBoxGetCurSel(c), -1);
}

// The cases: an absent item selected, a position beyond the end.
CHILD_TEST(ComboBox, BadSelection)
{
    ControlsDialog dialog;
    KelComboBoxAddItem(dialog.item(IDC_COMBO), "one");
    WindowWatcher box(testApp.m_pszAppName, "OK", true);
    if (childCase() == 0) {
        KelComboBoxSelectItem(dialog.item(IDC_COMBO), "two");
    } else {
        KelComboBoxSetCurSel(dialog.item(IDC_COMBO), 3);
    }
    printf("RETURNED\n");
}

TEST(ComboBox, AbsentItemsAndBadIndexesAreInternalErrors)
{
    for (int c : {0, 1}) {
        setChildCase(c);
        EXPECT_TRUE(endedWith("ComboBox.InChild_BadSelection", "TEXT[Internal Error]")) << "case " << c;
    }
}

TEST(Slider, RangePositionAndIncrementsHoldForTheKeyboard)
{
    ControlsDialog dialog;
    CWnd *s = dialog.item(IDC_SLIDER);
    KelSliderSetRange(s, 10, 90);
    KelSliderSetPos(s, 200);
    EXPECT_EQ(KelSliderGetPos(s), 90) << "the control keeps the range";
    KelSliderSetIncrement(s, 3);
    KelSliderSetPageIncrement(s, 15);
    KelSliderSetPos(s, 40);
    s->SendMessage(WM_KEYDOWN, VK_RIGHT, 0);
    EXPECT_EQ(KelSliderGetPos(s), 43);
    s->SendMessage(WM_KEYDOWN, VK_NEXT, 0);
    EXPECT_EQ(KelSliderGetPos(s), 58);
}

TEST(ScrollBar, LargeRangesAreScaledOntoSixteenBitsAndSlidesStayInRange)
{
    ControlsDialog dialog;
    auto *bar = static_cast<CScrollBar *>(dialog.item(IDC_SCROLLBAR));
    KelScrollBarSetValues(bar, 0, 100000, 50000, 10000);
    SCROLLINFO info = {};
    bar->GetScrollInfo(&info);
    EXPECT_EQ(info.nMin, 0);
    EXPECT_EQ(info.nMax, 32767);
    EXPECT_EQ(info.nPage, 3277u);
    EXPECT_EQ(info.nPos, 16384);
    EXPECT_EQ(KelScrollBarGetPos(bar, 0, 100000), 50002) << "the 16-bit position loses precision";

    KelScrollBarSetValues(bar, 10, 110, 60, 10);
    bar->GetScrollInfo(&info);
    EXPECT_EQ(info.nMax, 100);
    EXPECT_EQ(info.nPage, 11u);
    EXPECT_EQ(info.nPos, 50);
    EXPECT_EQ(KelScrollBarGetPos(bar, 10, 110), 60);

    // Slides by line, page and thumb, within the range.
    KelScrollBarSetValues(bar, 0, 100, 50, 9); // page 10
    KelScrollBarDoSlide(bar, SB_LINEDOWN, 0);
    EXPECT_EQ(bar->GetScrollPos(), 51);
    KelScrollBarDoSlide(bar, SB_PAGEUP, 0);
    EXPECT_EQ(bar->GetScrollPos(), 41);
    KelScrollBarDoSlide(bar, SB_THUMBTRACK, 7);
    EXPECT_EQ(bar->GetScrollPos(), 7);
    KelScrollBarDoSlide(bar, SB_ENDSCROLL, 90);
    EXPECT_EQ(bar->GetScrollPos(), 7);
    KelScrollBarDoSlide(bar, SB_PAGEUP, 0);
    EXPECT_EQ(bar->GetScrollPos(), 0);
    KelScrollBarDoSlide(bar, SB_THUMBPOSITION, 500);
    EXPECT_EQ(bar->GetScrollPos(), 91) << "the last position a page of 10 allows";
}

TEST(Menus, RemovingAnItemTakesItOffTheWindowsMenu)
{
    CWnd frame;
    HMENU menu = LoadMenuA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDR_TEST_MENU));
    ASSERT_TRUE(frame.CreateEx(0, "Static", "Frame", WS_OVERLAPPEDWINDOW, 10, 10, 200, 100, nullptr, menu));
    HMENU file = GetSubMenu(menu, 0);
    ASSERT_EQ(GetMenuItemCount(file), 2);
    KelRemoveMenuItem(&frame, IDM_FIRST);
    EXPECT_EQ(GetMenuItemCount(file), 1);
    EXPECT_EQ(GetMenuState(menu, IDM_FIRST, MF_BYCOMMAND), 0xFFFFFFFFu);
    EXPECT_NE(GetMenuState(menu, IDM_SECOND, MF_BYCOMMAND), 0xFFFFFFFFu);
}

TEST(Strings, ConcatenationIsANewHeapString)
{
    unsigned char *a = KelGetString("abc"), *b = KelGetString("def");
    unsigned char *ab = KelStringConcat(a, b);
    EXPECT_STREQ(reinterpret_cast<char *>(ab), "abcdef");
    EXPECT_STREQ(reinterpret_cast<char *>(a), "abc") << "the inputs stay";
    for (unsigned char *p : {a, b, ab, static_cast<unsigned char *>(nullptr)}) {
        KelStringFree(p);
    }
}

TEST(WaitCursor, CallsDoNotNest)
{
    HCURSOR arrow = LoadCursorA(nullptr, IDC_ARROW);
    HCURSOR wait = LoadCursorA(nullptr, IDC_WAIT);
    SetCursor(arrow);
    KelSetCursorForWaiting(1);
    EXPECT_EQ(GetCursor(), wait);
    KelSetCursorForWaiting(1);
    KelSetCursorForWaiting(0);
    EXPECT_EQ(GetCursor(), arrow) << "one off undoes any number of ons";
    KelSetCursorForWaiting(0);
    EXPECT_EQ(GetCursor(), arrow);
}

TEST(ScrolledTitles, TheLabelFollowsTheListsHorizontalScrolling)
{
    ControlsDialog dialog;
    CKelSListBox list;
    CKelSLabel titles;
    ASSERT_TRUE(list.SubclassDlgItem(IDC_SLIST, &dialog));
    ASSERT_TRUE(titles.SubclassDlgItem(IDC_SLABEL, &dialog));
    list.label = &titles;
    list.AddString("router-one        10.0.0.1        public");
    list.SetHorizontalExtent(600);
    std::vector<COLORREF> before = pixelRow(titles.m_hWnd, 5, 0, 150);

    list.SendMessage(WM_HSCROLL, MAKEWPARAM(SB_LINEDOWN, 0), 0);
    list.SendMessage(WM_HSCROLL, MAKEWPARAM(SB_PAGEDOWN, 0), 0);
    int position = list.GetScrollPos(SB_HORZ);
    ASSERT_GT(position, 0);
    EXPECT_EQ(titles.GetHorzOffset(), -position) << "the titles move with the columns";

    // The label paints its text that much further left.
    std::vector<COLORREF> after = pixelRow(titles.m_hWnd, 5, 0, 150 - position);
    EXPECT_EQ(after, std::vector<COLORREF>(before.begin() + position, before.end()));

    list.SendMessage(WM_HSCROLL, MAKEWPARAM(SB_THUMBPOSITION, 0), 0);
    EXPECT_EQ(titles.GetHorzOffset(), 0);

    // A resize resynchronises the label.
    list.SendMessage(WM_HSCROLL, MAKEWPARAM(SB_PAGEDOWN, 0), 0);
    CRect r;
    list.GetWindowRect(&r);
    list.SetWindowPos(nullptr, 0, 0, r.Width() + 40, r.Height(), SWP_NOMOVE | SWP_NOZORDER);
    EXPECT_EQ(titles.GetHorzOffset(), -list.GetScrollPos(SB_HORZ));
    list.label = nullptr;
}

TEST(WindowLabel, PaintsInTheWindowColours)
{
    ControlsDialog dialog;
    CKelLabel label;
    ASSERT_TRUE(label.SubclassDlgItem(IDC_LABEL, &dialog));
    label.SetWindowText("Label");
    label.Invalidate(TRUE);
    bool text = false;
    for (int y = 0; y < 10; y++) {
        for (COLORREF c : pixelRow(label.m_hWnd, y, 0, 30)) {
            text |= c == GetSysColor(COLOR_WINDOWTEXT);
        }
    }
    EXPECT_EQ(pixelAt(label.m_hWnd, 0, 0), GetSysColor(COLOR_WINDOW)) << "not the dialog's face colour";
    EXPECT_TRUE(text) << "the text is in the window text colour";
}

TEST(ColorButton, PaintsItsColourInABevelForTheUpPressedAndFocusedStates)
{
    ControlsDialog dialog;
    CKelColorButton button;
    ASSERT_TRUE(button.SubclassDlgItem(IDC_COLORBUTTON, &dialog));
    KelColorButtonSetColor(&button, RGB(200, 30, 40));
    dialog.GotoDlgCtrl(dialog.GetDlgItem(IDC_EDIT)); // the button without the focus
    button.Invalidate(TRUE);

    CRect r;
    button.GetClientRect(&r);
    HWND h = button.m_hWnd;
    int midX = r.Width() / 2, midY = r.Height() / 2;
    const COLORREF black = RGB(0, 0, 0), highlight = GetSysColor(COLOR_BTNHIGHLIGHT),
                   shadow = GetSysColor(COLOR_BTNSHADOW), face = GetSysColor(COLOR_BTNFACE);

    EXPECT_EQ(pixelAt(h, midX, midY), RGB(200, 30, 40));
    // Up: light upper left, dark lower right, reaching the edges.
    EXPECT_EQ(pixelAt(h, 0, midY), highlight);
    EXPECT_EQ(pixelAt(h, r.Width() - 1, midY), shadow);

    // Pressed: the shadow moves to the upper left, the lower right takes the face colour.
    button.SetState(TRUE);
    EXPECT_EQ(pixelAt(h, midX, 1), shadow);
    EXPECT_EQ(pixelAt(h, midX, r.Height() - 2), face);
    EXPECT_EQ(pixelAt(h, midX, midY), RGB(200, 30, 40));
    button.SetState(FALSE);
    EXPECT_EQ(pixelAt(h, midX, 1), highlight);

    // Focused: both triangles are inset by a pixel, so the black frame shows round them.
    dialog.GotoDlgCtrl(&button);
    ASSERT_EQ(::GetFocus(), h);
    EXPECT_EQ(pixelAt(h, 0, midY), black);
    EXPECT_EQ(pixelAt(h, r.Width() - 1, midY), black);
    EXPECT_EQ(pixelAt(h, midX, 1), highlight);
    EXPECT_EQ(pixelAt(h, midX, r.Height() - 2), shadow);
}
