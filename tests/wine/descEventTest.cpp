// "Describe Event" on the native half: the rows of an event in the library's dialog, shrunk to
// the rows used, read back from the screen; OK and Help pressed as a user does.
#include "kelDescEvent.h"
#include "kelTemplates.h"
#include "kelwlib.h"

#include "support/watch.h"
#include "testenv.h"

#include <gtest/gtest.h>

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

// The rows shown, top to bottom; no shown row may follow a hidden one.
Rows rowsShown(HWND dialog)
{
    Rows rows;
    bool hidden = false;
    for (int i = 0; i < KEL_EVDESC_ROWS; i++) {
        HWND label = GetDlgItem(dialog, IDC_KEL_EVDESC_LABEL0 + i), value = GetDlgItem(dialog, IDC_KEL_EVDESC_VALUE0 + i);
        bool shown = IsWindowVisible(label) && IsWindowVisible(value);
        EXPECT_FALSE(shown && hidden) << "row " << i << " after a hidden one";
        hidden = hidden || !shown;
        if (shown) {
            rows.emplace_back(windowText(label), windowText(value));
        }
    }
    return rows;
}

// The window the call opened, found by its title.
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
    HWND dialog = opened("Describe Event Cold start",
                         [&] { KelPopupDescribeEvent(&trap, "coldStart", 0, nullptr, 0, nullptr, nullptr); });
    ASSERT_TRUE(full != nullptr && dialog != nullptr);
    EXPECT_EQ(rowsShown(full).size(), 20u);
    EXPECT_EQ(rowsShown(dialog), (Rows{{"Event Name", "Cold start"},
                                       {"Severity", "Warning"},
                                       {"Sources", "router-1"},
                                       {"Event Identifier", traps + ".1"},
                                       {"Event Identifier (Numeric)", ".1.3.6.1.6.3.1.1.5.1"},
                                       {"Generic Trap Name (Number)", "coldStart (0)"},
                                       {"Enterprise ID", traps},
                                       {"Enterprise ID (Numeric)", ".1.3.6.1.6.3.1.1.5"}}));
    EXPECT_EQ(windowText(GetDlgItem(dialog, IDC_KEL_EVDESC_TEXT)),
              "The agent restarted.\r\nIts configuration may have changed.");

    // The description block took the place of the first unused row; the dialog lost that much.
    EXPECT_EQ(childRect(dialog, IDC_KEL_EVDESC_TEXTLABEL).top, childRect(dialog, IDC_KEL_EVDESC_LABEL0 + 8).top);
    int shift = childRect(full, IDC_KEL_EVDESC_TEXTLABEL).top - childRect(full, IDC_KEL_EVDESC_LABEL0 + 8).top;
    EXPECT_GT(shift, 0);
    EXPECT_EQ(windowRect(full).Height() - windowRect(dialog).Height(), shift);
    CRect client;
    GetClientRect(dialog, &client);
    for (int id : {IDC_KEL_EVDESC_TEXT, IDCANCEL, IDC_KEL_EVDESC_HELP}) {
        EXPECT_EQ(childRect(full, id).top - childRect(dialog, id).top, shift) << id;
        EXPECT_TRUE(IsWindowVisible(GetDlgItem(dialog, id)) && childRect(dialog, id).bottom <= client.bottom) << id;
    }

    // Three rows: the description directly under row 2.
    CKelEvDescDlg *three = KelEventDescDlgCreate(3, "three rows");
    for (int i = 0; i < 3; i++) {
        KelEventDescSetLabelEdit(three, i, ("Label " + std::to_string(i)).c_str(), "v");
    }
    EXPECT_EQ(rowsShown(three->m_hWnd), (Rows{{"Label 0", "v"}, {"Label 1", "v"}, {"Label 2", "v"}}));
    EXPECT_EQ(childRect(three->m_hWnd, IDC_KEL_EVDESC_TEXTLABEL).top,
              childRect(three->m_hWnd, IDC_KEL_EVDESC_LABEL0 + 3).top);
    EXPECT_EQ(windowRect(three->m_hWnd).Width(), windowRect(full).Width()) << "short texts leave the width alone";

    for (HWND w : {dialog, full, three->m_hWnd}) {
        EXPECT_TRUE(pressButton(w, "OK"));
        EXPECT_TRUE(pumpUntil([&] { return !IsWindow(w); })) << "OK closes it";
    }
}

TEST(DescribeEvent, NoLabelIsCutAndLongValuesWidenTheDialogWithinReason)
{
    trap_record trap = coldStart();
    HWND dialog = opened("Describe Event Cold start", [&] {
        KelPopupDescribeEvent(&trap, ".1.3.6.1.4.1.8072.4.0.99", 1, "linkUp", 17, "operator", "5f0c2a10-11ee");
    });
    ASSERT_NE(dialog, nullptr);
    Rows rows = rowsShown(dialog);
    ASSERT_EQ(rows.size(), 17u);
    HWND label0 = GetDlgItem(dialog, IDC_KEL_EVDESC_LABEL0);
    HDC dc = GetDC(label0);
    HGDIOBJ previous = SelectObject(dc, reinterpret_cast<HFONT>(SendMessageA(label0, WM_GETFONT, 0, 0)));
    for (int i = 0; i < 17; i++) {
        SIZE size;
        GetTextExtentPoint32A(dc, rows[i].first.c_str(), static_cast<int>(rows[i].first.size()), &size);
        CRect label = childRect(dialog, IDC_KEL_EVDESC_LABEL0 + i), value = childRect(dialog, IDC_KEL_EVDESC_VALUE0 + i);
        EXPECT_LE(size.cx, label.Width()) << rows[i].first;
        EXPECT_LT(label.right, value.left) << i;
        EXPECT_EQ(value.left, childRect(dialog, IDC_KEL_EVDESC_VALUE0).left) << "values line up";
    }
    SelectObject(dc, previous);
    ReleaseDC(label0, dc);
    // The long identifiers widened the values as far as three fifths of the screen.
    EXPECT_EQ(windowRect(dialog).Width(), GetSystemMetrics(SM_CXSCREEN) * 3 / 5);
    DestroyWindow(dialog);
}

TEST(DescribeEvent, HelpOpensTheEventDescriptionTopicOfTheSuitesHelpFile)
{
    FakeWinHelp help;
    setEnv("CV_PATH", "C:\\Corvane");
    trap_record trap = coldStart();
    HWND dialog = opened("Describe Event Cold start",
                         [&] { KelPopupDescribeEvent(&trap, "", 0, nullptr, 0, nullptr, nullptr); });
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(rowsShown(dialog).size(), 4u);
    EXPECT_TRUE(pressButton(dialog, "Help"));
    ASSERT_TRUE(pumpUntil([&] { return !help.requests().empty(); }));
    EXPECT_EQ(help.requests()[0].command, static_cast<UINT>(HELP_CONTEXT));
    EXPECT_EQ(help.requests()[0].data, 1930u);
    EXPECT_EQ(help.requests()[0].file, "C:\\Corvane\\help\\zbr.hlp");
    EXPECT_TRUE(IsWindow(dialog)) << "help leaves the dialog open";
    DestroyWindow(dialog);
}

TEST(DescribeEvent, AnUnreadableIdentifierIsWarnedAboutAndNoDialogOpens)
{
    trap_record trap = coldStart();
    WindowWatcher watcher("Warning", "OK");
    std::set<HWND> before = processWindows();
    KelPopupDescribeEvent(&trap, "coldStart", 1, "noSuchTrap", 0, nullptr, nullptr);
    SeenWindow seen = watcher.wait();
    ASSERT_FALSE(seen.texts.empty());
    EXPECT_EQ(seen.texts.back(), "Could not convert event type in \"noSuchTrap\".");
    pumpPending();
    EXPECT_EQ(findNewWindow(before, "Describe Event Cold start"), nullptr);
}

TEST(DescribeEvent, ARecordWithMissingFieldsAndA64KilobyteDescription)
{
    std::string text;
    for (int line = 0; text.size() < 65536; line++) {
        text += "Line " + std::to_string(line) + " of a long description.\n";
    }
    text.resize(65536);
    trap_record trap = {};
    trap.description = &text[0];
    HWND dialog = opened("Describe Event ", [&] { KelPopupDescribeEvent(&trap, nullptr, 0, nullptr, 0, "", ""); });
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(rowsShown(dialog),
              (Rows{{"Event Name", ""}, {"Severity", "Normal"}, {"Sources", "All nodes"}, {"Event Identifier", ""}}));
    char *shown = KelTextGetString(CWnd::FromHandle(GetDlgItem(dialog, IDC_KEL_EVDESC_TEXT)));
    EXPECT_EQ(std::string(shown), text);
    free(shown);
    DestroyWindow(dialog);
}
