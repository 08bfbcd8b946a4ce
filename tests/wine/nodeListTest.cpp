// The node list editor in the library's "Nodes" dialog, driven as a user does: names typed into
// the field, buttons clicked, entries clicked in the list, the map's selection written to the
// map file; the messages it shows are read from the screen.
#include "kelMsgDlg.h"
#include "kelNodeList.h"
#include "kelTemplates.h"

#include "cvw.h"

#include "support/watch.h"
#include "testenv.h"

#include <algorithm>
#include <fstream>
#include <gtest/gtest.h>

namespace {

CWinApp testApp;
using Items = std::vector<std::string>;

// The library's "Nodes" dialog with a node list panel over its controls.
class NodesDialog : public CDialog {
public:
    nodeListInfo *info = nullptr;

    explicit NodesDialog(bool options = true, bool resolve = false, KelNodeListCheckProc check = nullptr)
    {
        EXPECT_TRUE(CreateFromDll(this, IDD_KEL_NODELIST, nullptr));
        KelNodeListCtrlIdInfo ids = KEL_NODELIST_TEMPLATE_IDS;
        info = KelCreateMNodeList(this, "nodes", options, resolve, options, check, &ids);
        ShowWindow(SW_SHOWNORMAL);
        SetForegroundWindow();
        pumpPending();
    }
    ~NodesDialog() override
    {
        KelFreeMNodeList(info);
        DestroyWindow();
    }
    // What a tool with a map session does: it offers Add From Map and Add Filter...
    void offerMap()
    {
        KelSetSensitive(GetDlgItem(IDC_KEL_NODELIST_FROMMAP), 1);
        KelSetSensitive(GetDlgItem(IDC_KEL_NODELIST_FILTER), 1);
    }
    HWND item(int id) const { return ::GetDlgItem(m_hWnd, id); }
    HWND list() const { return item(IDC_KEL_NODELIST_LIST); }
    HWND field() const { return item(IDC_KEL_NODELIST_NAME); }
    bool enabled(int id) const { return ::IsWindowEnabled(item(id)) != 0; }

    // Typed with the keyboard, or pasted, over what the field holds.
    void type(const std::string &text, bool paste = false)
    {
        ::SetFocus(field());
        ::SendMessageA(field(), EM_SETSEL, 0, -1);
        ::SendMessageA(field(), WM_CHAR, VK_BACK, 1);
        if (paste) {
            ::SendMessageA(field(), EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(text.c_str()));
        }
        for (size_t i = 0; !paste && i < text.size(); i++) {
            ::SendMessageA(field(), WM_CHAR, static_cast<unsigned char>(text[i]), 1);
        }
    }
    std::string fieldText() const
    {
        std::string text(static_cast<size_t>(::GetWindowTextLengthA(field())), '\0');
        ::GetWindowTextA(field(), &text[0], static_cast<int>(text.size() + 1));
        return text;
    }
    // A click; a disabled button cannot be clicked.
    void press(int id)
    {
        ASSERT_TRUE(enabled(id)) << "the button is not sensitive";
        ::SendMessageA(item(id), BM_CLICK, 0, 0);
        pumpPending();
    }
    void add(const std::string &text, bool paste = false)
    {
        type(text, paste);
        press(IDC_KEL_NODELIST_ADD);
    }
    // A click on an entry, with Ctrl held to add it to the selection.
    void clickEntry(int index, bool control = false)
    {
        ::SendMessageA(list(), LB_SETTOPINDEX, index, 0);
        RECT r;
        ::SendMessageA(list(), LB_GETITEMRECT, index, reinterpret_cast<LPARAM>(&r));
        LPARAM at = MAKELPARAM((r.left + r.right) / 2, (r.top + r.bottom) / 2);
        ::SendMessageA(list(), WM_LBUTTONDOWN, (control ? MK_CONTROL : 0) | MK_LBUTTON, at);
        ::SendMessageA(list(), WM_LBUTTONUP, control ? MK_CONTROL : 0, at);
        pumpPending();
    }
    Items entries() const { return listItems(list()); }
    std::vector<int> selected() const { return listSelection(list()); } // from 1

protected:
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override
    {
        return KelMNodeListDispatchCommand(info, wParam, lParam) || CDialog::OnCommand(wParam, lParam);
    }
};

using Messages = std::vector<std::string>; // "Title: text"

// Every window this thread creates, in order: the order in which messages were shown.
std::vector<HWND> created;
const HHOOK creationHook = SetWindowsHookExA(
    WH_CBT,
    [](int code, WPARAM wParam, LPARAM lParam) -> LRESULT {
        if (code == HCBT_CREATEWND) {
            created.push_back(reinterpret_cast<HWND>(wParam));
        }
        return CallNextHookEx(nullptr, code, wParam, lParam);
    },
    nullptr, GetCurrentThreadId());

// The message windows shown since the last call, oldest first; they are closed.
Messages takeMessages()
{
    std::vector<HWND> windows;
    for (HWND w : processWindows()) {
        std::string title = windowText(w);
        if (title == "Warning" || title == "Error") {
            windows.push_back(w);
        }
    }
    auto index = [](HWND w) { return std::find(created.begin(), created.end(), w) - created.begin(); };
    std::sort(windows.begin(), windows.end(), [&](HWND a, HWND b) { return index(a) < index(b); });
    Messages out;
    for (HWND w : windows) {
        SeenWindow seen = describeWindow(w);
        out.push_back(seen.title + ": " + (seen.texts.empty() ? "" : seen.texts[0]));
        DestroyWindow(w);
    }
    pumpPending();
    return out;
}

// Messages as modeless windows, so that a batch can show several and the test read them all.
class NodeList : public ::testing::Test {
protected:
    void SetUp() override { kelMsgDlgModalFlag = 0; }
    void TearDown() override
    {
        EXPECT_EQ(takeMessages(), Messages()) << "messages nobody looked at";
        kelMsgDlgModalFlag = 1;
    }
};

// A map session whose selection is these host names (an empty one: an object without names).
void mapSelection(const Items &hosts)
{
    char temp[MAX_PATH];
    GetTempPathA(sizeof temp, temp);
    std::string path = std::string(temp) + "nodes.map", select = "select";
    std::ofstream out(path);
    out << "cvwmap 1\n";
    for (size_t i = 1; i <= hosts.size(); i++) {
        out << "object " << i;
        if (!hosts[i - 1].empty()) {
            out << " Internet:" << hosts[i - 1] << "\nhost " << i << " " << hosts[i - 1];
        }
        out << "\n";
        select += " " + std::to_string(i);
    }
    out << select << "\n";
    out.close();
    ASSERT_EQ(_CVwInitSession(CVW_VERSION, "nodeListTest", path.c_str()), 0) << CVwErrorMsg(CVwError());
}

} // namespace

TEST_F(NodeList, TypedNamesLoseTheirBlanksAndInnerBlanksOrMoreThan511BytesAreRefused)
{
    NodesDialog d;
    EXPECT_FALSE(d.enabled(IDC_KEL_NODELIST_DELETE));
    EXPECT_FALSE(d.enabled(IDC_KEL_NODELIST_DELETEALL));
    d.add("  router-1\t ");
    d.add("100%d%s%n");
    d.add("LOCALHOST");
    std::string name511(511, 'a');
    d.add(name511);
    EXPECT_EQ(d.entries(), (Items{"router-1", "100%d%s%n", "LOCALHOST", name511})) << "no official names asked for";
    EXPECT_EQ(d.fieldText(), "");
    EXPECT_TRUE(d.enabled(IDC_KEL_NODELIST_DELETEALL));
    EXPECT_FALSE(d.enabled(IDC_KEL_NODELIST_DELETE)) << "nothing is selected";

    d.add(" router-2 router-3 ");
    EXPECT_EQ(takeMessages(), Messages{"Error: Invalid input for node name: \"router-2 router-3\"."});
    EXPECT_EQ(d.fieldText(), " router-2 router-3 ") << "the field keeps what was typed";
    for (size_t length : {512u, 5000u}) {
        std::string name(length, 'b');
        d.add(name, length > 1000);
        EXPECT_EQ(takeMessages(), Messages{"Error: Node name is too long: " + std::to_string(length) +
                                           " characters, at most 511 are allowed."});
        EXPECT_EQ(d.fieldText(), name);
    }
    EXPECT_EQ(d.entries().size(), 4u);
}

TEST_F(NodeList, RefusalsAreReportedAfterTheBatchOneWarningPerReason)
{
    NodesDialog d;
    d.offerMap();
    // The rules themselves are unit-tested (unit_nodelist): here, what the dialog makes of them.
    d.add("10.2.5-6.*");
    d.add("100%d");
    mapSelection({"100%d", "10..*", "hub", "10.2.1-10.*", "300.*.*.*", "10.1.1.300", "hub", "10.2.7.*"});
    d.press(IDC_KEL_NODELIST_FROMMAP);
    EXPECT_EQ(d.entries(), (Items{"10.2.5-6.*", "100%d", "hub", "10.2.7.*"}));
    EXPECT_EQ(d.selected(), std::vector<int>());
    EXPECT_EQ(takeMessages(), (Messages{"Warning: Ignored nodes already in list:\n    100%d\n    hub",
                                        "Warning: Ignored due to invalid wildcard format:\n    10..*\n    300.*.*.*",
                                        "Warning: Ignored wild card which overlaps list:\n    10.2.1-10.*",
                                        "Warning: Ignored due to invalid IP format:\n    10.1.1.300"}));
}

TEST_F(NodeList, DeleteSelectsTheEntryInTheFirstDeletedPlaceAndTheButtonsFollowTheList)
{
    NodesDialog d;
    for (const char *n : {"a", "b", "c", "d", "e"}) {
        d.add(n);
    }
    d.clickEntry(3);
    d.clickEntry(4, true);
    d.press(IDC_KEL_NODELIST_DELETE);
    EXPECT_EQ(d.entries(), (Items{"a", "b", "c"}));
    EXPECT_EQ(d.selected(), std::vector<int>{3}) << "the new last entry";
    d.clickEntry(0);
    d.press(IDC_KEL_NODELIST_DELETE);
    EXPECT_EQ(d.entries(), (Items{"b", "c"}));
    EXPECT_EQ(d.selected(), std::vector<int>{1});

    // The selection goes without the dialog hearing of it: Delete says what is wrong.
    ::SendMessageA(d.list(), LB_SETSEL, FALSE, -1);
    d.press(IDC_KEL_NODELIST_DELETE);
    EXPECT_EQ(takeMessages(), Messages{"Error: You must first select items to delete."});

    // Every entry through Delete, from the keyboard focus on Delete: the focus goes to the field.
    d.clickEntry(0);
    d.clickEntry(1, true);
    ::SendMessageA(d.m_hWnd, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(d.item(IDC_KEL_NODELIST_DELETE)), TRUE);
    d.press(IDC_KEL_NODELIST_DELETE);
    EXPECT_EQ(d.entries(), Items());
    EXPECT_FALSE(d.enabled(IDC_KEL_NODELIST_DELETE));
    EXPECT_FALSE(d.enabled(IDC_KEL_NODELIST_DELETEALL));
    EXPECT_EQ(::GetFocus(), d.field());

    d.add("x");
    d.type("half typed");
    ::SendMessageA(d.m_hWnd, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(d.item(IDC_KEL_NODELIST_DELETEALL)), TRUE);
    d.press(IDC_KEL_NODELIST_DELETEALL);
    EXPECT_EQ(d.entries(), Items());
    EXPECT_EQ(d.fieldText(), "");
    EXPECT_EQ(::GetFocus(), d.field());
}

TEST_F(NodeList, TheMapButtonsAreHiddenWithoutOptionsAndInsensitiveWithoutAMap)
{
    NodesDialog d(false);
    EXPECT_FALSE(::IsWindowVisible(d.item(IDC_KEL_NODELIST_FROMMAP)));
    EXPECT_FALSE(::IsWindowVisible(d.item(IDC_KEL_NODELIST_FILTER)));
    d.add("a");
    d.add("b");
    d.clickEntry(0);
    d.press(IDC_KEL_NODELIST_DELETE);
    d.press(IDC_KEL_NODELIST_DELETEALL);
    EXPECT_EQ(d.entries(), Items());

    NodesDialog full;
    EXPECT_TRUE(::IsWindowVisible(full.item(IDC_KEL_NODELIST_FROMMAP)));
    EXPECT_FALSE(full.enabled(IDC_KEL_NODELIST_FROMMAP));
    EXPECT_FALSE(full.enabled(IDC_KEL_NODELIST_FILTER));
}

TEST_F(NodeList, AddFromMapNeedsASelectionAndSkipsObjectsWithoutNames)
{
    NodesDialog d;
    d.offerMap();
    mapSelection({"router-1", "", "hub"});
    d.press(IDC_KEL_NODELIST_FROMMAP);
    EXPECT_EQ(d.entries(), (Items{"router-1", "hub"}));
    mapSelection({});
    d.press(IDC_KEL_NODELIST_FROMMAP);
    CVwEvent end = {CVW_END_SESSION, 1, nullptr, 0, nullptr};
    CVwDispatchEvent(&end);
    d.press(IDC_KEL_NODELIST_FROMMAP);
    d.press(IDC_KEL_NODELIST_FILTER);
    EXPECT_EQ(takeMessages(), (Messages{"Warning: Trouble getting selection list, ignoring entry",
                                        "Error: No nodes selected on map.  Select from map first.",
                                        "Error: Could not get select list from map.",
                                        "Warning: This function is under construction."}));
    EXPECT_EQ(d.entries(), (Items{"router-1", "hub"}));
}

namespace {
std::vector<std::string> listMessages; // what the list box is told during a batch
WNDPROC listProc = nullptr;

LRESULT CALLBACK recordingListProc(HWND w, UINT m, WPARAM wp, LPARAM lp)
{
    if (m == WM_SETREDRAW || m == LB_INSERTSTRING) {
        listMessages.push_back(m == LB_INSERTSTRING ? "insert" : wp ? "redraw on" : "redraw off");
    }
    return CallWindowProcA(listProc, w, m, wp, lp);
}
} // namespace

TEST_F(NodeList, ABatchOf10000CandidatesLosesNothingAndIsNotDrawnUntilItEnds)
{
    NodesDialog d;
    d.offerMap();
    listProc = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrA(d.list(), GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(recordingListProc)));
    mapSelection({"a", "b", "c"});
    d.press(IDC_KEL_NODELIST_FROMMAP);
    SetWindowLongPtrA(d.list(), GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(listProc));
    EXPECT_EQ(listMessages, (std::vector<std::string>{"redraw off", "insert", "insert", "insert", "redraw on"}));

    ::SendMessageA(d.list(), LB_RESETCONTENT, 0, 0);
    Items hosts;
    for (int i = 0; i < 10000; i++) {
        hosts.push_back(i % 100 == 99 ? "dup-host" : "host-" + std::to_string(i) + ".example.net");
    }
    mapSelection(hosts);
    d.press(IDC_KEL_NODELIST_FROMMAP);
    Items entries = d.entries();
    ASSERT_EQ(entries.size(), 9901u);
    EXPECT_EQ(entries.back(), "host-9998.example.net");
    // 99 refused duplicates: 76 lines fill the first 1023 bytes, the rest follow in a second text.
    std::string first = "Warning: Ignored nodes already in list:", second = first;
    for (int i = 0; i < 99; i++) {
        (i < 76 ? first : second) += "\n    dup-host";
    }
    EXPECT_EQ(takeMessages(), (Messages{first, second}));
    // The last entry is scrolled into view.
    RECT r, client;
    ::SendMessageA(d.list(), LB_GETITEMRECT, 9900, reinterpret_cast<LPARAM>(&r));
    ::GetClientRect(d.list(), &client);
    EXPECT_TRUE(r.top >= 0 && r.bottom <= client.bottom);
}

TEST_F(NodeList, SourcesFilesMustExistOnTheServerAndAreOnlyNamedOnAConsole)
{
    char temp[MAX_PATH];
    GetTempPathA(sizeof temp, temp);
    std::string present = std::string(temp) + "cvgui-sources.conf", missing = std::string(temp) + "cvgui-none.conf";
    std::ofstream(present) << "router-1\n";
    NodesDialog d;
    unsetEnv("CV_SERVER");
    d.add(present);
    d.add(missing);
    EXPECT_EQ(takeMessages(), Messages{"Error: Cannot open sources file " + missing + " : No such file or directory"});
    EXPECT_EQ(d.fieldText(), missing);
    setEnv("CV_SERVER", "cvgui-server.invalid");
    d.add(missing);
    unsetEnv("CV_SERVER");
    EXPECT_EQ(takeMessages(), Messages{"Warning: Since this is a management console, the existence\nof " + missing +
                                       " on the server cannot be checked.  Verify that\n" + missing +
                                       " exists on server cvgui-server.invalid."});
    EXPECT_EQ(d.entries(), (Items{present, missing}));
    DeleteFileA(present.c_str());
}

namespace {
char *onlyLab(Boolean wild, char *entry)
{
    static char reason[] = "Not a lab node";
    return !wild && strncmp(entry, "lab-", 4) != 0 ? reason : nullptr;
}
} // namespace

TEST_F(NodeList, OfficialHostNamesAndTheToolsOwnCheck)
{
    NodesDialog resolving(true, true);
    for (const char *n : {"LOCALHOST", "10.9.*.*", "no-such-host.invalid"}) {
        resolving.add(n);
    }
    EXPECT_EQ(resolving.entries(), (Items{"localhost", "10.9.*.*", "no-such-host.invalid"}));

    NodesDialog d(true, false, onlyLab);
    d.offerMap();
    mapSelection({"lab-1", "office-1", "10.3.*.*", "office-2", "lab-1"});
    d.press(IDC_KEL_NODELIST_FROMMAP);
    EXPECT_EQ(d.entries(), (Items{"lab-1", "10.3.*.*"}));
    EXPECT_EQ(takeMessages(), (Messages{"Warning: Not a lab node:\n    office-1\n    office-2",
                                        "Warning: Ignored nodes already in list:\n    lab-1"}));
}

TEST(NodeListModal, TheReportIsAModalWarningAnsweredWithOK)
{
    NodesDialog d;
    d.add("a");
    WindowWatcher watcher("Warning", "OK");
    d.add("a");
    SeenWindow seen = watcher.wait();
    ASSERT_FALSE(seen.texts.empty());
    EXPECT_EQ(seen.texts.back(), "Ignored nodes already in list:\n    a");
    EXPECT_TRUE(watcher.pressed());
    EXPECT_EQ(d.entries(), Items{"a"});
}
