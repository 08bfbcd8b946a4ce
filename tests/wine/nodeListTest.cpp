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
#include <string>
#include <vector>

namespace {

CWinApp testApp;

using Items = std::vector<std::string>;

// The library's "Nodes" dialog with a node list panel over its controls.
class NodesDialog : public CDialog {
public:
    nodeListInfo *info = nullptr;

    explicit NodesDialog(bool fromMap = true, bool filter = true, bool resolve = false,
                         KelNodeListCheckProc check = nullptr)
    {
        EXPECT_TRUE(CreateFromDll(this, IDD_KEL_NODELIST, nullptr));
        KelNodeListCtrlIdInfo ids = {IDC_KEL_NODELIST_LIST,      IDC_KEL_NODELIST_NAME,    IDC_KEL_NODELIST_ADD,
                                     IDC_KEL_NODELIST_DELETE,    IDC_KEL_NODELIST_DELETEALL,
                                     IDC_KEL_NODELIST_FROMMAP,   IDC_KEL_NODELIST_FILTER};
        info = KelCreateMNodeList(this, "nodes", fromMap, resolve, filter, check, &ids);
        SetWindowPos(nullptr, 40, 40, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
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
    bool visible(int id) const { return ::IsWindowVisible(item(id)) != 0; }

    // The user types text into the name field (replacing what is there).
    void type(const std::string &text)
    {
        HWND edit = field();
        ::SetFocus(edit);
        ::SendMessageA(edit, EM_SETSEL, 0, -1);
        ::SendMessageA(edit, WM_CHAR, VK_BACK, 1);
        for (char c : text) {
            ::SendMessageA(edit, WM_CHAR, static_cast<unsigned char>(c), 1);
        }
    }
    // The user pastes text over what is in the field.
    void paste(const std::string &text)
    {
        HWND edit = field();
        ::SetFocus(edit);
        ::SendMessageA(edit, EM_SETSEL, 0, -1);
        ::SendMessageA(edit, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(text.c_str()));
    }
    std::string fieldText() const
    {
        std::string text(static_cast<size_t>(::GetWindowTextLengthA(field())), '\0');
        ::GetWindowTextA(field(), &text[0], static_cast<int>(text.size() + 1));
        return text;
    }

    // The user clicks a button; a disabled one cannot be clicked.
    void press(int id)
    {
        ASSERT_TRUE(enabled(id)) << "the button is not sensitive";
        ::SendMessageA(item(id), BM_CLICK, 0, 0);
        pumpPending();
    }
    void add(const std::string &text)
    {
        type(text);
        press(IDC_KEL_NODELIST_ADD);
    }

    // The user clicks an entry (with Ctrl held to add it to the selection).
    void clickEntry(int index, bool control = false)
    {
        HWND box = list();
        ::SendMessageA(box, LB_SETTOPINDEX, index, 0);
        RECT r;
        ::SendMessageA(box, LB_GETITEMRECT, index, reinterpret_cast<LPARAM>(&r));
        LPARAM at = MAKELPARAM((r.left + r.right) / 2, (r.top + r.bottom) / 2);
        WPARAM keys = control ? MK_CONTROL : 0;
        ::SendMessageA(box, WM_LBUTTONDOWN, keys | MK_LBUTTON, at);
        ::SendMessageA(box, WM_LBUTTONUP, keys, at);
        pumpPending();
    }

    Items entries() const
    {
        Items out;
        int n = static_cast<int>(::SendMessageA(list(), LB_GETCOUNT, 0, 0));
        for (int i = 0; i < n; i++) {
            std::string s(static_cast<size_t>(::SendMessageA(list(), LB_GETTEXTLEN, i, 0)), '\0');
            ::SendMessageA(list(), LB_GETTEXT, i, reinterpret_cast<LPARAM>(&s[0]));
            out.push_back(s);
        }
        return out;
    }
    std::vector<int> selected() const
    {
        std::vector<int> out;
        int n = static_cast<int>(::SendMessageA(list(), LB_GETCOUNT, 0, 0));
        for (int i = 0; i < n; i++) {
            if (::SendMessageA(list(), LB_GETSEL, i, 0) > 0) {
                out.push_back(i);
            }
        }
        return out;
    }

protected:
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override
    {
        if (info != nullptr && KelMNodeListDispatchCommand(info, wParam, lParam)) {
            return TRUE;
        }
        return CDialog::OnCommand(wParam, lParam);
    }
};

struct Message {
    std::string title, text;
    bool operator==(const Message &m) const { return title == m.title && text == m.text; }
};

std::ostream &operator<<(std::ostream &out, const Message &m)
{
    return out << m.title << ": \"" << m.text << "\"";
}

// Every window this thread creates, in order: the order in which messages were shown.
std::vector<HWND> created;

LRESULT CALLBACK noteCreation(int code, WPARAM wParam, LPARAM lParam)
{
    if (code == HCBT_CREATEWND) {
        created.push_back(reinterpret_cast<HWND>(wParam));
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

const HHOOK creationHook = SetWindowsHookExA(WH_CBT, noteCreation, nullptr, GetCurrentThreadId());

size_t creationIndex(HWND w)
{
    for (size_t i = created.size(); i-- > 0;) {
        if (created[i] == w) {
            return i;
        }
    }
    return created.size();
}

// The message windows shown since the last call, oldest first; they are closed.
std::vector<Message> takeMessages()
{
    std::vector<HWND> windows;
    EnumWindows(
        [](HWND w, LPARAM lp) -> BOOL {
            DWORD pid = 0;
            GetWindowThreadProcessId(w, &pid);
            std::string title = windowText(w);
            if (pid == GetCurrentProcessId() && IsWindowVisible(w) &&
                (title == "Warning" || title == "Error" || title == "Information")) {
                reinterpret_cast<std::vector<HWND> *>(lp)->push_back(w);
            }
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&windows));
    std::sort(windows.begin(), windows.end(), [](HWND a, HWND b) { return creationIndex(a) < creationIndex(b); });
    std::vector<Message> out;
    for (HWND w : windows) {
        SeenWindow seen = describeWindow(w);
        out.push_back({seen.title, seen.texts.empty() ? "" : seen.texts[0]});
        DestroyWindow(w);
    }
    pumpPending();
    return out;
}

// Messages as modeless windows, so that a batch can show several and the test read them all.
class NodeList : public ::testing::Test {
protected:
    void SetUp() override
    {
        kelMsgDlgModalFlag = 0;
        takeMessages();
    }
    void TearDown() override
    {
        EXPECT_EQ(takeMessages(), std::vector<Message>()) << "messages nobody looked at";
        kelMsgDlgModalFlag = 1;
    }
};

Message warning(const std::string &text)
{
    return {"Warning", text};
}

Message error(const std::string &text)
{
    return {"Error", text};
}

// A map session whose selection is the given host names (an empty name: an object without
// names).
void mapSelection(const Items &hosts, const std::string &file = "nodes.map")
{
    char temp[MAX_PATH];
    GetTempPathA(sizeof temp, temp);
    std::string path = std::string(temp) + file;
    std::ofstream out(path);
    out << "cvwmap 1\nsession test map\n";
    std::string select = "select";
    for (size_t i = 0; i < hosts.size(); i++) {
        unsigned id = static_cast<unsigned>(i + 1);
        if (!hosts[i].empty()) {
            out << "object " << id << " Internet:" << hosts[i] << "\nhost " << id << " " << hosts[i] << "\n";
        } else {
            out << "object " << id << "\n";
        }
        select += " " + std::to_string(id);
    }
    out << select << "\n";
    out.close();
    ASSERT_EQ(_CVwInitSession(CVW_VERSION, "nodeListTest", path.c_str()), 0) << CVwErrorMsg(CVwError());
}

} // namespace

TEST_F(NodeList, TypedNamesAreAddedWithoutTheirBlanksAndInnerBlanksAreRefused)
{
    NodesDialog d;
    EXPECT_FALSE(d.enabled(IDC_KEL_NODELIST_DELETE));
    EXPECT_FALSE(d.enabled(IDC_KEL_NODELIST_DELETEALL));
    EXPECT_TRUE(d.enabled(IDC_KEL_NODELIST_ADD));

    d.add("  router-1\t ");
    EXPECT_EQ(d.entries(), Items{"router-1"});
    EXPECT_EQ(d.fieldText(), "") << "the field empties for the next name";
    EXPECT_TRUE(d.enabled(IDC_KEL_NODELIST_DELETEALL));
    EXPECT_FALSE(d.enabled(IDC_KEL_NODELIST_DELETE)) << "nothing is selected";

    d.add(" router-2 router-3 ");
    EXPECT_EQ(takeMessages(), std::vector<Message>{error("Invalid input for node name: \"router-2 router-3\".")});
    EXPECT_EQ(d.fieldText(), " router-2 router-3 ") << "the field keeps what was typed";
    EXPECT_EQ(d.entries(), Items{"router-1"});

    d.add("100%d%s%n");
    d.add("10.1.2.3");
    EXPECT_EQ(d.entries(), (Items{"router-1", "100%d%s%n", "10.1.2.3"}));
    EXPECT_EQ(takeMessages(), std::vector<Message>());
}

TEST_F(NodeList, RefusalsAreReportedAfterTheBatchOneWarningPerReason)
{
    NodesDialog d;
    d.offerMap();
    d.add("10.2.3.*");
    d.add("router-1");
    d.add("100%d");
    mapSelection({"router-1", "10..*", "hub", "10.2.*.*", "100%d", "300.*.*.*", "10.1.1.300", "1-2-3.*",
                  "*.*.*.*.*", "hub", "10.5.*.*"});
    d.press(IDC_KEL_NODELIST_FROMMAP);
    EXPECT_EQ(d.entries(), (Items{"10.2.3.*", "router-1", "100%d", "hub", "10.5.*.*"}));
    EXPECT_EQ(d.selected(), std::vector<int>());
    EXPECT_EQ(takeMessages(),
              (std::vector<Message>{warning("Ignored nodes already in list:\n    router-1\n    100%d\n    hub"),
                                    warning("Ignored due to invalid wildcard format:\n    10..*\n    300.*.*.*\n"
                                            "    1-2-3.*\n    *.*.*.*.*"),
                                    warning("Ignored wild card which overlaps list:\n    10.2.*.*"),
                                    warning("Ignored due to invalid IP format:\n    10.1.1.300")}));
}

TEST_F(NodeList, TenRefusedDuplicatesFromTheMapMakeOneWarning)
{
    NodesDialog d;
    d.offerMap();
    Items hosts;
    for (int i = 0; i < 10; i++) {
        hosts.push_back("node-" + std::to_string(i) + ".lab");
    }
    mapSelection(hosts);
    d.press(IDC_KEL_NODELIST_FROMMAP);
    EXPECT_EQ(d.entries(), hosts);
    d.press(IDC_KEL_NODELIST_FROMMAP);
    std::string expected = "Ignored nodes already in list:";
    for (const auto &h : hosts) {
        expected += "\n    " + h;
    }
    EXPECT_EQ(takeMessages(), std::vector<Message>{warning(expected)});
    EXPECT_EQ(d.entries(), hosts);
}

TEST_F(NodeList, OverlapIsTestedFromTheNewWildcardsSideOnly)
{
    {
        NodesDialog d;
        d.add("10.2.5-6.*");
        d.add("10.2.1-10.*");
        EXPECT_EQ(takeMessages(), std::vector<Message>{warning("Ignored wild card which overlaps list:\n    10.2.1-10.*")});
        EXPECT_EQ(d.entries(), Items{"10.2.5-6.*"});
    }
    NodesDialog d;
    d.add("10.2.1-10.*");
    d.add("10.2.5-6.*");
    EXPECT_EQ(d.entries(), (Items{"10.2.1-10.*", "10.2.5-6.*"})) << "neither 1 nor 10 lies in 5..6";
    d.add("10.2.3.4");
    d.add("10.2.3.*");
    EXPECT_EQ(takeMessages(), std::vector<Message>{warning("Ignored wild card which overlaps list:\n    10.2.3.*")})
        << "10.2.3.* overlaps 10.2.1-10.*, not the plain address";
}

TEST_F(NodeList, NamesLongerThan511BytesAreRefusedWholeAndTheFieldKeepsThem)
{
    NodesDialog d;
    std::string name511(511, 'a');
    d.add(name511);
    EXPECT_EQ(d.entries(), Items{name511});

    for (size_t length : {512u, 5000u}) {
        std::string name(length, 'b');
        if (length < 1000) {
            d.type(name);
        } else {
            d.paste(name);
        }
        d.press(IDC_KEL_NODELIST_ADD);
        EXPECT_EQ(takeMessages(),
                  std::vector<Message>{error("Node name is too long: " + std::to_string(length) +
                                             " characters, at most 511 are allowed.")});
        EXPECT_EQ(d.fieldText(), name);
        EXPECT_EQ(d.entries(), Items{name511});
    }
}

TEST_F(NodeList, DeleteSelectsTheEntryThatTookTheFirstDeletedPlace)
{
    NodesDialog d;
    for (const char *n : {"a", "b", "c", "d", "e"}) {
        d.add(n);
    }
    d.clickEntry(3);
    d.clickEntry(4, true);
    EXPECT_EQ(d.selected(), (std::vector<int>{3, 4}));
    EXPECT_TRUE(d.enabled(IDC_KEL_NODELIST_DELETE));
    d.press(IDC_KEL_NODELIST_DELETE);
    EXPECT_EQ(d.entries(), (Items{"a", "b", "c"}));
    EXPECT_EQ(d.selected(), std::vector<int>{2}) << "the new last entry";

    d.clickEntry(0);
    d.press(IDC_KEL_NODELIST_DELETE);
    EXPECT_EQ(d.entries(), (Items{"b", "c"}));
    EXPECT_EQ(d.selected(), std::vector<int>{0});

    // Every entry through Delete: no selection, and both buttons insensitive.
    d.clickEntry(1, true);
    d.press(IDC_KEL_NODELIST_DELETE);
    EXPECT_EQ(d.entries(), Items());
    EXPECT_FALSE(d.enabled(IDC_KEL_NODELIST_DELETE));
    EXPECT_FALSE(d.enabled(IDC_KEL_NODELIST_DELETEALL));
}

TEST_F(NodeList, DeleteWithNothingSelectedSaysSoAndDeleteAllEmptiesEverything)
{
    NodesDialog d;
    d.add("a");
    d.add("b");
    d.clickEntry(1);
    // The selection goes without the dialog hearing of it.
    ::SendMessageA(d.list(), LB_SETSEL, FALSE, -1);
    d.press(IDC_KEL_NODELIST_DELETE);
    EXPECT_EQ(takeMessages(), std::vector<Message>{error("You must first select items to delete.")});
    EXPECT_EQ(d.entries(), (Items{"a", "b"}));

    d.type("half typed");
    d.press(IDC_KEL_NODELIST_DELETEALL);
    EXPECT_EQ(d.entries(), Items());
    EXPECT_EQ(d.fieldText(), "");
    EXPECT_FALSE(d.enabled(IDC_KEL_NODELIST_DELETEALL));
}

TEST_F(NodeList, AButtonLosingItsSensitivityGivesTheFocusToTheNameField)
{
    NodesDialog d;
    d.add("a");
    d.clickEntry(0);
    ::SendMessageA(d.m_hWnd, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(d.item(IDC_KEL_NODELIST_DELETE)), TRUE);
    pumpPending();
    ASSERT_EQ(::GetFocus(), d.item(IDC_KEL_NODELIST_DELETE));
    d.press(IDC_KEL_NODELIST_DELETE);
    EXPECT_FALSE(d.enabled(IDC_KEL_NODELIST_DELETE));
    EXPECT_EQ(::GetFocus(), d.field());

    d.add("b");
    ::SendMessageA(d.m_hWnd, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(d.item(IDC_KEL_NODELIST_DELETEALL)), TRUE);
    d.press(IDC_KEL_NODELIST_DELETEALL);
    EXPECT_EQ(::GetFocus(), d.field());

    d.type("x");
    initNodeListEdit(d.info);
    EXPECT_EQ(d.fieldText(), "");
    EXPECT_EQ(::GetFocus(), d.field());
}

TEST_F(NodeList, WithoutTheOptionalButtonsDeleteAndDeleteAllStillWork)
{
    NodesDialog d(false, false);
    EXPECT_FALSE(d.visible(IDC_KEL_NODELIST_FROMMAP));
    EXPECT_FALSE(d.visible(IDC_KEL_NODELIST_FILTER));
    d.add("a");
    d.add("b");
    EXPECT_TRUE(d.enabled(IDC_KEL_NODELIST_DELETEALL));
    d.clickEntry(0);
    EXPECT_TRUE(d.enabled(IDC_KEL_NODELIST_DELETE));
    d.press(IDC_KEL_NODELIST_DELETE);
    EXPECT_EQ(d.entries(), Items{"b"});
    d.press(IDC_KEL_NODELIST_DELETEALL);
    EXPECT_EQ(d.entries(), Items());
    EXPECT_FALSE(d.enabled(IDC_KEL_NODELIST_DELETE));
    EXPECT_FALSE(d.enabled(IDC_KEL_NODELIST_DELETEALL));

    // With them, they are shown and stay insensitive until the tool has a map to offer.
    NodesDialog full;
    EXPECT_TRUE(full.visible(IDC_KEL_NODELIST_FROMMAP));
    EXPECT_TRUE(full.visible(IDC_KEL_NODELIST_FILTER));
    full.add("a");
    full.clickEntry(0);
    EXPECT_TRUE(full.enabled(IDC_KEL_NODELIST_DELETE));
    EXPECT_FALSE(full.enabled(IDC_KEL_NODELIST_FROMMAP));
    EXPECT_FALSE(full.enabled(IDC_KEL_NODELIST_FILTER));
}

TEST_F(NodeList, AddFromMapNeedsASelectionAndSkipsObjectsWithoutNames)
{
    NodesDialog d;
    d.offerMap();
    mapSelection({"router-1", "", "hub"});
    d.press(IDC_KEL_NODELIST_FROMMAP);
    EXPECT_EQ(takeMessages(), std::vector<Message>{warning("Trouble getting selection list, ignoring entry")});
    EXPECT_EQ(d.entries(), (Items{"router-1", "hub"}));

    mapSelection({});
    d.press(IDC_KEL_NODELIST_FROMMAP);
    EXPECT_EQ(takeMessages(), std::vector<Message>{error("No nodes selected on map.  Select from map first.")});

    // The map session ends: no selection list at all.
    CVwEvent end = {CVW_END_SESSION, 1, nullptr, 0, nullptr};
    CVwDispatchEvent(&end);
    d.press(IDC_KEL_NODELIST_FROMMAP);
    EXPECT_EQ(takeMessages(), std::vector<Message>{error("Could not get select list from map.")});
    EXPECT_EQ(d.entries(), (Items{"router-1", "hub"}));

    d.press(IDC_KEL_NODELIST_FILTER);
    EXPECT_EQ(takeMessages(), std::vector<Message>{warning("This function is under construction.")});
}

TEST_F(NodeList, ABatchOf10000CandidatesFromTheMapLosesNothing)
{
    NodesDialog d;
    d.offerMap();
    Items hosts;
    for (int i = 0; i < 10000; i++) {
        hosts.push_back(i % 100 == 99 ? "dup-host" : "host-" + std::to_string(i) + ".example.net");
    }
    mapSelection(hosts);
    d.press(IDC_KEL_NODELIST_FROMMAP);
    Items entries = d.entries();
    ASSERT_EQ(entries.size(), 9901u);
    EXPECT_EQ(entries.front(), "host-0.example.net");
    EXPECT_EQ(entries.back(), "host-9998.example.net");
    // 99 refused duplicates: 76 lines fill the first 1023 bytes, the rest follow in a second text.
    std::string header = "Ignored nodes already in list:";
    std::string line = "\n    dup-host";
    std::string first = header, second = header;
    for (int i = 0; i < 99; i++) {
        (i < 76 ? first : second) += line;
    }
    EXPECT_EQ(takeMessages(), (std::vector<Message>{warning(first), warning(second)}));
    // The last entry is scrolled into view.
    RECT r;
    ::SendMessageA(d.list(), LB_GETITEMRECT, 9900, reinterpret_cast<LPARAM>(&r));
    RECT client;
    ::GetClientRect(d.list(), &client);
    EXPECT_LE(r.bottom, client.bottom);
    EXPECT_GE(r.top, 0);
}

namespace {
// What the list box is told during a batch.
std::vector<std::string> listMessages;
WNDPROC listProc = nullptr;

LRESULT CALLBACK recordingListProc(HWND w, UINT m, WPARAM wp, LPARAM lp)
{
    if (m == WM_SETREDRAW) {
        listMessages.push_back(wp ? "redraw on" : "redraw off");
    } else if (m == LB_INSERTSTRING || m == LB_ADDSTRING) {
        listMessages.push_back("insert");
    }
    return CallWindowProcA(listProc, w, m, wp, lp);
}
} // namespace

TEST_F(NodeList, TheListIsNotRedrawnDuringABatch)
{
    NodesDialog d;
    d.offerMap();
    listMessages.clear();
    listProc = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrA(d.list(), GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(recordingListProc)));
    mapSelection({"a", "b", "c"});
    d.press(IDC_KEL_NODELIST_FROMMAP);
    SetWindowLongPtrA(d.list(), GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(listProc));
    EXPECT_EQ(listMessages, (std::vector<std::string>{"redraw off", "insert", "insert", "insert", "redraw on"}));
}

TEST_F(NodeList, SourcesFilesMustExistOnTheServerAndAreOnlyNamedOnAConsole)
{
    char temp[MAX_PATH];
    GetTempPathA(sizeof temp, temp);
    std::string present = std::string(temp) + "cvgui-sources.conf";
    std::ofstream(present) << "router-1\n";
    std::string missing = std::string(temp) + "cvgui-no-such-sources.conf";

    NodesDialog d;
    unsetEnv("CV_SERVER");
    d.add(present);
    d.add(missing);
    EXPECT_EQ(takeMessages(), std::vector<Message>{error("Cannot open sources file " + missing +
                                                         " : No such file or directory")});
    EXPECT_EQ(d.fieldText(), missing);

    setEnv("CV_SERVER", "cvgui-management-server.invalid");
    d.add(missing);
    unsetEnv("CV_SERVER");
    EXPECT_EQ(takeMessages(),
              std::vector<Message>{warning("Since this is a management console, the existence\nof " + missing +
                                           " on the server cannot be checked.  Verify that\n" + missing +
                                           " exists on server cvgui-management-server.invalid.")});
    EXPECT_EQ(d.entries(), (Items{present, missing}));
    DeleteFileA(present.c_str());
}

TEST_F(NodeList, HostNamesBecomeTheirOfficialNamesWhenAsked)
{
    NodesDialog resolving(true, true, true);
    resolving.add("LOCALHOST");
    resolving.add("10.9.*.*");
    resolving.add("no-such-host.invalid");
    EXPECT_EQ(resolving.entries(), (Items{"localhost", "10.9.*.*", "no-such-host.invalid"}));

    NodesDialog plain;
    plain.add("LOCALHOST");
    EXPECT_EQ(plain.entries(), Items{"LOCALHOST"});
}

namespace {
char *onlyLab(Boolean wild, char *entry)
{
    static char reason[] = "Not a lab node";
    return !wild && strncmp(entry, "lab-", 4) != 0 ? reason : nullptr;
}
} // namespace

TEST_F(NodeList, TheToolsCheckGroupsItsRefusalsUnderItsOwnReason)
{
    NodesDialog d(true, true, false, onlyLab);
    d.offerMap();
    mapSelection({"lab-1", "office-1", "10.3.*.*", "office-2", "lab-1"});
    d.press(IDC_KEL_NODELIST_FROMMAP);
    EXPECT_EQ(d.entries(), (Items{"lab-1", "10.3.*.*"}));
    EXPECT_EQ(takeMessages(), (std::vector<Message>{warning("Not a lab node:\n    office-1\n    office-2"),
                                                    warning("Ignored nodes already in list:\n    lab-1")}));
}

TEST(NodeListModal, TheReportIsAModalWarningAnsweredWithOK)
{
    ASSERT_EQ(kelMsgDlgModalFlag, 1);
    NodesDialog d;
    d.add("a");
    WindowWatcher watcher("Warning", "OK");
    d.add("a");
    SeenWindow seen = watcher.wait();
    ASSERT_NE(seen.hwnd, nullptr);
    ASSERT_FALSE(seen.texts.empty());
    EXPECT_EQ(seen.texts.back(), "Ignored nodes already in list:\n    a");
    EXPECT_TRUE(watcher.pressed());
    EXPECT_EQ(d.entries(), Items{"a"});
}

TEST(NodeListHelpers, ListOperationsOfThePanel)
{
    NodesDialog d;
    d.add("a");
    d.add("b");
    d.clickEntry(1);
    unsigned char **items = nullptr;
    EXPECT_EQ(kelGetListItems(&d.info->nodeList, &items), 2);
    EXPECT_STREQ(reinterpret_cast<char *>(items[1]), "b");
    EXPECT_EQ(kelGetSelected(&d.info->nodeList, &items), 1);
    EXPECT_STREQ(reinterpret_cast<char *>(items[0]), "b");
    EXPECT_EQ(kelGetSelected(&d.info->nodeList, nullptr), 1);
    kelClearList(nullptr);
    clearAddNodeList(d.info);
    EXPECT_EQ(d.entries(), Items());
    EXPECT_FALSE(d.enabled(IDC_KEL_NODELIST_DELETEALL));
    EXPECT_STREQ(d.info->name, "nodes");
}
