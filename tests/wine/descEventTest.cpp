// "Describe Event" on the native half: the rows of an event in the library's dialog, shrunk to
// the rows used, read back from the screen; OK and Help pressed as a user does.
#include "kelDescEvent.h"
#include "kelTemplates.h"
#include "kelwlib.h"

#include "support/watch.h"
#include "testenv.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {

CWinApp testApp;

using Rows = std::vector<std::pair<std::string, std::string>>;

CRect childRect(HWND dialog, int id)
{
    CRect r;
    GetWindowRect(GetDlgItem(dialog, id), &r);
    MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT *>(&r), 2);
    return r;
}

CRect windowRect(HWND w)
{
    CRect r;
    GetWindowRect(w, &r);
    return r;
}

// The rows shown, top to bottom, and whether the unused ones are hidden.
Rows rowsShown(HWND dialog, int *hiddenFrom = nullptr)
{
    Rows rows;
    int firstHidden = KEL_EVDESC_ROWS;
    for (int i = 0; i < KEL_EVDESC_ROWS; i++) {
        HWND label = GetDlgItem(dialog, IDC_KEL_EVDESC_LABEL0 + i);
        HWND value = GetDlgItem(dialog, IDC_KEL_EVDESC_VALUE0 + i);
        if (!IsWindowVisible(label) || !IsWindowVisible(value)) {
            firstHidden = std::min(firstHidden, i);
            continue;
        }
        EXPECT_EQ(firstHidden, KEL_EVDESC_ROWS) << "a shown row after a hidden one";
        rows.emplace_back(windowText(label), windowText(value));
    }
    if (hiddenFrom != nullptr) {
        *hiddenFrom = firstHidden;
    }
    return rows;
}

// The new "Describe Event" window the call opened.
template <class Call> HWND opened(const std::string &title, Call call)
{
    std::set<HWND> before = processWindows();
    call();
    pumpPending();
    return findNewWindow(before, title);
}

char *nodes[] = {const_cast<char *>("router-1")};

trap_record coldStart()
{
    trap_record t = {};
    t.name = const_cast<char *>("Cold start");
    t.description = const_cast<char *>("The agent restarted.\nIts configuration may have changed.");
    t.severity = EV_SEV_WARNING;
    t.nodeCount = 1;
    t.nodes = nodes;
    return t;
}

const std::string traps = ".iso.org.dod.internet.snmpV2.snmpModules.snmpMIB.snmpMIBObjects.snmpTraps";

} // namespace

TEST(DescribeEvent, ShowsTheRowsUsedWithTheDescriptionRightUnderThem)
{
    trap_record trap = coldStart();
    HWND full = opened("Describe Event", [] { KelEventDescDlgCreate(KEL_EVDESC_ROWS, ""); });
    ASSERT_NE(full, nullptr);
    HWND dialog = opened("Describe Event Cold start",
                         [&] { KelPopupDescribeEvent(&trap, "coldStart", 0, nullptr, 0, nullptr, nullptr); });
    ASSERT_NE(dialog, nullptr);

    int hiddenFrom = 0;
    EXPECT_EQ(rowsShown(dialog, &hiddenFrom), (Rows{{"Event Name", "Cold start"},
                                                    {"Severity", "Warning"},
                                                    {"Sources", "router-1"},
                                                    {"Event Identifier", traps + ".1"},
                                                    {"Event Identifier (Numeric)", ".1.3.6.1.6.3.1.1.5.1"},
                                                    {"Generic Trap Name (Number)", "coldStart (0)"},
                                                    {"Enterprise ID", traps},
                                                    {"Enterprise ID (Numeric)", ".1.3.6.1.6.3.1.1.5"}}));
    EXPECT_EQ(hiddenFrom, 8);
    EXPECT_EQ(windowText(GetDlgItem(dialog, IDC_KEL_EVDESC_TEXT)),
              "The agent restarted.\r\nIts configuration may have changed.");

    // The description block took the place of the first unused row; the dialog lost that much.
    EXPECT_EQ(childRect(dialog, IDC_KEL_EVDESC_TEXTLABEL).top, childRect(dialog, IDC_KEL_EVDESC_LABEL0 + 8).top);
    int shift = childRect(full, IDC_KEL_EVDESC_TEXTLABEL).top - childRect(full, IDC_KEL_EVDESC_LABEL0 + 8).top;
    EXPECT_GT(shift, 0);
    EXPECT_EQ(windowRect(full).Height() - windowRect(dialog).Height(), shift);
    for (int id : {IDC_KEL_EVDESC_TEXT, IDCANCEL, IDC_KEL_EVDESC_HELP}) {
        EXPECT_EQ(childRect(full, id).top - childRect(dialog, id).top, shift) << id;
        EXPECT_TRUE(IsWindowVisible(GetDlgItem(dialog, id))) << id;
    }
    CRect client;
    GetClientRect(dialog, &client);
    EXPECT_LE(childRect(dialog, IDCANCEL).bottom, client.bottom) << "the buttons stay inside";
    EXPECT_LE(childRect(dialog, IDC_KEL_EVDESC_VALUE0 + 7).bottom, childRect(dialog, IDC_KEL_EVDESC_TEXTLABEL).top);

    // OK closes it.
    EXPECT_TRUE(pressButton(dialog, "OK"));
    EXPECT_TRUE(pumpUntil([&] { return !IsWindow(dialog); }));
    EXPECT_TRUE(pressButton(full, "OK"));
    EXPECT_TRUE(pumpUntil([&] { return !IsWindow(full); }));
}

TEST(DescribeEvent, ThreeRowsOrTwentyRows)
{
    CKelEvDescDlg *three = KelEventDescDlgCreate(3, "three rows");
    ASSERT_NE(three, nullptr);
    HWND w = three->m_hWnd;
    for (int i = 0; i < 3; i++) {
        KelEventDescSetLabelEdit(three, i, ("Label " + std::to_string(i)).c_str(), ("value " + std::to_string(i)).c_str());
    }
    EXPECT_EQ(rowsShown(w), (Rows{{"Label 0", "value 0"}, {"Label 1", "value 1"}, {"Label 2", "value 2"}}));
    EXPECT_EQ(childRect(w, IDC_KEL_EVDESC_TEXTLABEL).top, childRect(w, IDC_KEL_EVDESC_LABEL0 + 3).top);

    CKelEvDescDlg *twenty = KelEventDescDlgCreate(KEL_EVDESC_ROWS, "twenty rows");
    HWND t = twenty->m_hWnd;
    EXPECT_EQ(rowsShown(t).size(), 20u);
    EXPECT_GT(childRect(t, IDC_KEL_EVDESC_TEXTLABEL).top, childRect(t, IDC_KEL_EVDESC_VALUE0 + 19).bottom);
    EXPECT_GT(windowRect(t).Height(), windowRect(w).Height());
    EXPECT_EQ(windowRect(t).Width(), windowRect(w).Width()) << "short texts leave the width alone";
    DestroyWindow(w);
    DestroyWindow(t);
    pumpPending();
}

TEST(DescribeEvent, NoLabelIsCutTheDialogWidensInstead)
{
    trap_record trap = coldStart();
    HWND dialog = opened("Describe Event Cold start", [&] {
        KelPopupDescribeEvent(&trap, ".1.3.6.1.4.1.8072.4.0.99", 1, "linkUp", 17, "operator", "5f0c2a10-11ee");
    });
    ASSERT_NE(dialog, nullptr);
    Rows rows = rowsShown(dialog);
    ASSERT_EQ(rows.size(), 17u);
    EXPECT_EQ(rows[12], std::make_pair(std::string("Received Specific Trap Number"), std::string("0")));
    HWND label0 = GetDlgItem(dialog, IDC_KEL_EVDESC_LABEL0);
    HFONT font = reinterpret_cast<HFONT>(SendMessageA(label0, WM_GETFONT, 0, 0));
    HDC dc = GetDC(label0);
    HGDIOBJ previous = SelectObject(dc, font);
    for (int i = 0; i < 17; i++) {
        SIZE size;
        GetTextExtentPoint32A(dc, rows[i].first.c_str(), static_cast<int>(rows[i].first.size()), &size);
        CRect label = childRect(dialog, IDC_KEL_EVDESC_LABEL0 + i);
        CRect value = childRect(dialog, IDC_KEL_EVDESC_VALUE0 + i);
        EXPECT_LE(size.cx, label.Width()) << rows[i].first;
        EXPECT_LT(label.right, value.left) << i;
        EXPECT_EQ(value.left, childRect(dialog, IDC_KEL_EVDESC_VALUE0).left) << "values line up";
        EXPECT_LE(value.right, windowRect(dialog).Width()) << i;
    }
    SelectObject(dc, previous);
    ReleaseDC(label0, dc);
    // The long identifiers widened the values as far as three fifths of the screen.
    EXPECT_EQ(windowRect(dialog).Width(), GetSystemMetrics(SM_CXSCREEN) * 3 / 5);
    DestroyWindow(dialog);
    pumpPending();
}

namespace {
std::vector<std::vector<DWORD>> helpRequests; // command, data; then the file name's bytes
std::string helpFile;

LRESULT CALLBACK winHelpProc(HWND w, UINT m, WPARAM wp, LPARAM lp)
{
    if (m == WM_COPYDATA) {
        auto *data = reinterpret_cast<COPYDATASTRUCT *>(lp);
        auto *request = static_cast<const BYTE *>(data->lpData);
        // The request: size, command, data, reserved, offsets of the file name and of the data.
        WORD command = *reinterpret_cast<const WORD *>(request + 2);
        DWORD context = *reinterpret_cast<const DWORD *>(request + 4);
        WORD fileOffset = *reinterpret_cast<const WORD *>(request + 12);
        helpRequests.push_back({command, context});
        helpFile = reinterpret_cast<const char *>(request + fileOffset);
        return TRUE;
    }
    return DefWindowProcA(w, m, wp, lp);
}
} // namespace

TEST(DescribeEvent, HelpOpensTheEventDescriptionTopicOfTheSuitesHelpFile)
{
    WNDCLASSA wc = {};
    wc.lpfnWndProc = winHelpProc;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.lpszClassName = "MS_WINHELP";
    RegisterClassA(&wc);
    HWND helpWindow = CreateWindowA("MS_WINHELP", "", 0, 0, 0, 0, 0, nullptr, nullptr, wc.hInstance, nullptr);
    setEnv("CV_PATH", "C:\\Corvane");

    trap_record trap = coldStart();
    HWND dialog = opened("Describe Event Cold start",
                         [&] { KelPopupDescribeEvent(&trap, "", 0, nullptr, 0, nullptr, nullptr); });
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(rowsShown(dialog).size(), 4u);
    EXPECT_TRUE(pressButton(dialog, "Help"));
    EXPECT_TRUE(pumpUntil([] { return !helpRequests.empty(); }));
    DestroyWindow(helpWindow);
    ASSERT_EQ(helpRequests.size(), 1u);
    EXPECT_EQ(helpRequests[0], (std::vector<DWORD>{HELP_CONTEXT, 1930}));
    EXPECT_EQ(helpFile, "C:\\Corvane\\help\\zbr.hlp");
    EXPECT_TRUE(IsWindow(dialog)) << "help leaves the dialog open";
    DestroyWindow(dialog);
    pumpPending();
}

TEST(DescribeEvent, AnUnreadableIdentifierIsWarnedAboutAndNoDialogOpens)
{
    trap_record trap = coldStart();
    WindowWatcher watcher("Warning", "OK");
    std::set<HWND> before = processWindows();
    KelPopupDescribeEvent(&trap, "coldStart", 1, "noSuchTrap", 0, nullptr, nullptr);
    SeenWindow seen = watcher.wait();
    ASSERT_NE(seen.hwnd, nullptr);
    ASSERT_FALSE(seen.texts.empty());
    EXPECT_EQ(seen.texts.back(), "Could not convert event type in \"noSuchTrap\".");
    pumpPending();
    EXPECT_EQ(findNewWindow(before, "Describe Event Cold start"), nullptr);
}

TEST(DescribeEvent, ARecordWithMissingFieldsAndA64KilobyteDescription)
{
    std::string text;
    int lines = 0;
    while (text.size() < 65536) {
        text += "Line " + std::to_string(lines++) + " of a long description.\n";
    }
    text.resize(65536);
    trap_record trap = {};
    trap.description = &text[0];
    HWND dialog = opened("Describe Event ", [&] { KelPopupDescribeEvent(&trap, nullptr, 0, nullptr, 0, "", ""); });
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(rowsShown(dialog),
              (Rows{{"Event Name", ""}, {"Severity", "Normal"}, {"Sources", "All nodes"}, {"Event Identifier", ""}}));
    CWnd *field = CWnd::FromHandle(GetDlgItem(dialog, IDC_KEL_EVDESC_TEXT));
    char *shown = KelTextGetString(field);
    EXPECT_EQ(std::string(shown), text);
    free(shown);
    DestroyWindow(dialog);
    pumpPending();
}

TEST(DescribeEventTemplate, BothLanguagesHaveTwentyRowsAndTheDescriptionBlock)
{
    HMODULE library = GetModuleHandleA("cvgui.dll");
    ASSERT_NE(library, nullptr);
    for (WORD language : {MAKELANGID(LANG_ENGLISH, SUBLANG_ENGLISH_US), MAKELANGID(LANG_JAPANESE, SUBLANG_DEFAULT)}) {
        HRSRC res = FindResourceExA(library, RT_DIALOG, MAKEINTRESOURCEA(IDD_KEL_EVDESC), language);
        ASSERT_NE(res, nullptr) << language;
        auto *tmpl = static_cast<LPCDLGTEMPLATEW>(LockResource(LoadResource(library, res)));
        HWND dialog = CreateDialogIndirectParamW(library, tmpl, nullptr,
                                                 [](HWND, UINT m, WPARAM, LPARAM) -> INT_PTR { return m == WM_INITDIALOG; }, 0);
        ASSERT_NE(dialog, nullptr) << language;
        RECT units = {0, 0, 4, 8};
        MapDialogRect(dialog, &units);
        for (int i = 0; i < KEL_EVDESC_ROWS; i++) {
            // Rows 18 dialog units apart, the value 2 units above its label and right of it.
            CRect label = childRect(dialog, IDC_KEL_EVDESC_LABEL0 + i);
            CRect value = childRect(dialog, IDC_KEL_EVDESC_VALUE0 + i);
            EXPECT_EQ(label.top, MulDiv(12 + 18 * i, units.bottom, 8)) << i;
            EXPECT_EQ(value.top, MulDiv(10 + 18 * i, units.bottom, 8)) << i;
            EXPECT_LT(label.right, value.left) << i;
        }
        for (int id : {IDC_KEL_EVDESC_TEXTLABEL, IDC_KEL_EVDESC_TEXT, IDCANCEL, IDC_KEL_EVDESC_HELP}) {
            EXPECT_NE(GetDlgItem(dialog, id), nullptr) << id;
        }
        EXPECT_GT(childRect(dialog, IDC_KEL_EVDESC_TEXTLABEL).top, childRect(dialog, IDC_KEL_EVDESC_VALUE0 + 19).bottom);
        EXPECT_TRUE(GetWindowLongA(GetDlgItem(dialog, IDC_KEL_EVDESC_TEXT), GWL_STYLE) & ES_READONLY);
        DestroyWindow(dialog);
    }
}
