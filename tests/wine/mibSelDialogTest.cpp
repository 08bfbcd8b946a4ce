// The MIB selector's dialog under Wine as a tool runs it: made by KelMsCreateMibSelector in the
// library's selector template, its commands and notifications routed through the selector, its
// Describe windows opened and closed by clicks, and its MIB file rewritten by the Linux
// "Load/Unload MIBs" utility (mibtool) while the dialog is open.
#include "kelMibSel.h"
#include "kelwlib.h"

#include "cv.h"
#include "cvutil.h"
#include "support/input.h"
#include "support/mibSelHost.h"
#include "support/watch.h"
#include "testenv.h"

#include "../../util_libs/res/kelres.h"

#include <dlgs.h>

#include <cstdio>
#include <gtest/gtest.h>
#include <memory>
#include <string>
#include <vector>

namespace {

CWinApp testApp;

using Texts = std::vector<std::string>;

const char systemGroup[] = ".iso.org.dod.internet.mgmt.mib-2.system";

int resyncRequests = 0;
bool answerRequests = true; // the tool resynchronises as soon as it is asked
int doneReason = -1;

class Host : public CDialog {
public:
    explicit Host(unsigned flags = MS_MULTIPLE_SELECT | MS_ACCEPT_ANY | MS_APPLY | MS_EXPRESSIONS)
    {
        CreateFromDll(this, IDD_KEL_MIBSELECTOR, nullptr);
        const KelMsCtrlIds ids = MIBSEL_TEMPLATE_IDS(1);
        made = KelMsCreateMibSelector(this, flags, "Graph - MIB Objects", nullptr, nullptr, done, ids);
        testApp.m_pMainWnd = this;
        SetWindowPos(nullptr, 20, 20, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
        msPopUp(1, nullptr);
        input::settle();
    }
    ~Host() override
    {
        msPopDown(0);
        testApp.m_pMainWnd = nullptr;
        KelMibSelectorDone();
        DestroyWindow();
    }
    HWND item(int id) { return ::GetDlgItem(m_hWnd, id); }

    CWnd *made = nullptr;

protected:
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override
    {
        return KelMsDispatchCommand(wParam) || CDialog::OnCommand(wParam, lParam);
    }
    BOOL OnNotify(WPARAM wParam, LPARAM lParam, LRESULT *pResult) override
    {
        BOOL handled = CDialog::OnNotify(wParam, lParam, pResult);
        return KelMsDispatchNotify(reinterpret_cast<NMHDR *>(lParam), pResult) || handled;
    }
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        if (message == KEL_MS_RESYNC_MESSAGE) {
            resyncRequests++;
            if (answerRequests) {
                KelMsResyncMibSelector();
            }
            return 0;
        }
        return CDialog::WindowProc(message, wParam, lParam);
    }

private:
    static void done(Widget, XtPointer reason, XtPointer) { doneReason = static_cast<int>(reinterpret_cast<intptr_t>(reason)); }
};

// The description windows on the screen, oldest first.
std::vector<HWND> descriptionWindows()
{
    std::vector<HWND> found;
    EnumThreadWindows(
        GetCurrentThreadId(),
        [](HWND w, LPARAM data) {
            auto &out = *reinterpret_cast<std::vector<HWND> *>(data);
            std::string title = windowText(w);
            if (IsWindowVisible(w) && (title == "Describe MIB Variable" || title == "Describe Expression")) {
                out.insert(out.begin(), w); // the top window comes first
            }
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&found));
    return found;
}

std::string field(HWND window, int id)
{
    HWND control = GetDlgItem(window, id);
    return control != nullptr ? windowText(control) : "(no control)";
}

void clickControl(HWND control)
{
    RECT r;
    ::GetClientRect(control, &r);
    input::click(control, POINT{r.right / 2, r.bottom / 2});
}

class SelectorDialog : public ::testing::Test {
protected:
    void SetUp() override
    {
        db = treeDir("CVGUI_BINARY_DIR") + "/mibsel-dialog.db";
        ASSERT_TRUE(CopyFileA(getenv("CVGUI_STANDARD_MIBDB"), db.c_str(), FALSE));
        setEnv("CVMIBFILE", db.c_str());
        setEnv("CVEXPRFILE", (treeDir("CVGUI_SOURCE_DIR") + "/suite/cvutil/data/expressions.txt").c_str());
        resyncRequests = 0;
        answerRequests = true;
        host = std::make_unique<Host>();
    }
    void TearDown() override
    {
        host.reset();
        remove(db.c_str());
    }
    void type(int id, const std::string &typed)
    {
        HWND f = host->item(id);
        clickControl(f);
        SendMessageA(f, EM_SETSEL, 0, -1);
        for (char c : typed) {
            input::press(static_cast<WORD>(LOBYTE(VkKeyScanA(c))));
        }
    }
    // Chooses objects of one parent in the tree: the first by name, the others Control+clicked.
    void choose(const std::string &parent, const Texts &labels)
    {
        KelMibTreeSelectItem((parent + "." + labels[0]).c_str());
        CMultiTreeCtrl *tree = KelMibTreeControl();
        for (size_t i = 1; i < labels.size(); i++) {
            HTREEITEM h = tree->GetChildItem(tree->GetParentItem(tree->GetSelectedItem()));
            while (h != nullptr && std::string(tree->GetItemText(h)) != labels[i]) {
                h = tree->GetNextSiblingItem(h);
            }
            ASSERT_NE(h, nullptr) << labels[i];
            tree->EnsureVisible(h);
            RECT r;
            tree->GetItemRect(h, &r, TRUE);
            input::click(tree->m_hWnd, POINT{(r.left + r.right) / 2, (r.top + r.bottom) / 2}, {VK_CONTROL});
        }
        input::settle();
    }
    Texts messages() { return listItems(host->item(IDC_KEL_MS_MESSAGES)); }
    void describe() { clickControl(host->item(IDC_KEL_MS_DESCRIBE)); }
    // Runs mibtool on the database as the "Load/Unload MIBs" utility runs beside the tool, through
    // the shell: Wine starts a Unix program but gives no handle to wait on, so the shell writes
    // mibtool's status into a file when it is done. What mibtool says goes to the test's output.
    int mibtool(const std::string &arguments)
    {
        std::string status = db + ".status", log = db + ".log";
        remove(status.c_str());
        std::string command = "/bin/sh -c \"'" + std::string(getenv("MIBTOOL")) + "' -q -f '" + db + "' -M '" +
                              getenv("CVGUI_MIB_DIR") + "' " + arguments + " >'" + log + "' 2>&1; echo $? >'" +
                              status + ".part'; mv '" + status + ".part' '" + status + "'\"";
        STARTUPINFOA si = {};
        si.cb = sizeof si;
        PROCESS_INFORMATION pi = {};
        if (!CreateProcessA(nullptr, &command[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &pi)) {
            return -1;
        }
        CloseHandle(pi.hThread);
        CloseHandle(pi.hProcess);
        std::string code;
        for (int i = 0; i < 2400 && (code = readFile(status)).empty(); i++) {
            Sleep(50);
        }
        printf("%s\n%s", command.c_str(), readFile(log).c_str());
        remove(status.c_str());
        remove(log.c_str());
        return code.empty() ? -2 : atoi(code.c_str());
    }

    std::string db;
    std::unique_ptr<Host> host;
};

TEST_F(SelectorDialog, DescribeOpensAWindowPerObjectAndPopDownClosesThem)
{
    ASSERT_EQ(host->made, static_cast<CWnd *>(host.get()));
    EXPECT_EQ(windowText(host->m_hWnd), "Graph - MIB Objects");
    choose(systemGroup, {"sysDescr", "sysUpTime", "sysName"});
    describe();
    std::vector<HWND> shown = descriptionWindows();
    ASSERT_EQ(shown.size(), 3u);
    EXPECT_EQ(KelMsDescWindowCount(), 3);
    Texts names;
    for (HWND w : shown) {
        names.push_back(field(w, IDC_KEL_MSDESC_NAME));
    }
    std::string system = systemGroup;
    EXPECT_EQ(names, (Texts{system + ".sysDescr", system + ".sysUpTime", system + ".sysName"}));
    HWND descr = shown[0];
    EXPECT_EQ(field(descr, IDC_KEL_MSDESC_OID), ".1.3.6.1.2.1.1.1");
    EXPECT_EQ(field(descr, IDC_KEL_MSDESC_TYPE).rfind("DisplayString  (Display String) ", 0), 0u);
    EXPECT_EQ(field(descr, IDC_KEL_MSDESC_ACCESS), "Read-Only");
    EXPECT_EQ(field(descr, IDC_KEL_MSDESC_TEXT).rfind("A textual description of the entity.", 0), 0u);
    EXPECT_EQ(GetDlgItem(descr, IDC_KEL_MSDESC_ENUMS), nullptr) << "no enumerations: template 28420";
    // The text File > Save writes: the three objects in order, a blank line between them.
    char *saved = KelMsDescriptionText();
    ASSERT_NE(saved, nullptr);
    std::string all = saved;
    free(saved);
    EXPECT_EQ(all.rfind("Name: " + names[0] + "\nObject ID: .1.3.6.1.2.1.1.1\n", 0), 0u);
    EXPECT_LT(all.find("\n\nName: " + names[1] + "\n"), all.find("\n\nName: " + names[2] + "\n"));

    // Closing the newest one with its Close button.
    clickControl(GetDlgItem(shown[2], IDCANCEL)); // the newest window lies on top
    EXPECT_FALSE(IsWindow(shown[2]));
    EXPECT_EQ(KelMsDescWindowCount(), 2);
    EXPECT_EQ(descriptionWindows().size(), 2u);

    // OK, Apply and Cancel reach the tool with their reasons.
    for (auto [id, reason] : {std::pair<int, int>{IDC_KEL_MS_APPLY, 2}, {IDOK, 1}, {IDCANCEL, 0}}) {
        doneReason = -1;
        clickControl(host->item(id));
        EXPECT_EQ(doneReason, reason) << id;
    }

    msPopDown(1);
    EXPECT_TRUE(descriptionWindows().empty());
    EXPECT_EQ(KelMsDescWindowCount(), 0);
    EXPECT_FALSE(IsWindowVisible(host->m_hWnd));
    msPopUp(1, "Again");
    input::settle();
    EXPECT_TRUE(IsWindowVisible(host->m_hWnd));
    EXPECT_EQ(windowText(host->m_hWnd), "Again");
    EXPECT_EQ(windowText(host->item(IDC_KEL_MS_NAME)), systemGroup) << "the node shown before comes back";
}

TEST_F(SelectorDialog, DescribeShowsNodesEnumerationsExpressionsAndSaysWhatItCannotDescribe)
{
    choose(".iso.org.dod.internet.mgmt.mib-2.interfaces.ifTable.ifEntry", {"ifType"});
    describe();
    std::vector<HWND> shown = descriptionWindows();
    ASSERT_EQ(shown.size(), 1u);
    Texts enums = listItems(GetDlgItem(shown[0], IDC_KEL_MSDESC_ENUMS));
    ASSERT_GT(enums.size(), 200u);
    EXPECT_EQ(enums[0], "other (1)");
    EXPECT_EQ(enums[5], "ethernetCsmacd (6)");

    KelMibTreeSelectItem(".iso.org.dod.internet.mgmt.mib-2");
    describe();
    shown = descriptionWindows();
    ASSERT_EQ(shown.size(), 2u);
    EXPECT_EQ(field(shown[1], IDC_KEL_MSDESC_NAME), ".iso.org.dod.internet.mgmt.mib-2.system");
    EXPECT_EQ(field(shown[1], IDC_KEL_MSDESC_TYPE), "Partial Object Name");
    EXPECT_EQ(GetDlgItem(shown[1], IDC_KEL_MSDESC_ACCESS), nullptr) << "a node has no access line";

    // A typed name the MIB does not hold.
    type(IDC_KEL_MS_NAME, ".iso.org.dod.nosuchnode");
    describe();
    EXPECT_EQ(descriptionWindows().size(), 2u);
    EXPECT_EQ(messages(), Texts{"could not get description of .iso.org.dod.nosuchnode"});

    clickControl(host->item(IDC_KEL_MS_EXPR_TOGGLE));
    RECT r;
    SendMessageA(host->item(IDC_KEL_MS_LIST), LB_GETITEMRECT, 0, reinterpret_cast<LPARAM>(&r));
    input::click(host->item(IDC_KEL_MS_LIST), POINT{(r.left + r.right) / 2, (r.top + r.bottom) / 2});
    describe();
    shown = descriptionWindows();
    ASSERT_EQ(shown.size(), 3u);
    HWND expression = shown[2];
    EXPECT_EQ(windowText(expression), "Describe Expression");
    Expression *e = expressionListPtr->find(field(expression, IDC_KEL_MSDESC_NAME).c_str());
    ASSERT_NE(e, nullptr);
    EXPECT_EQ(field(expression, IDC_KEL_MSDESC_EQUATION), e->getEquation());

}

TEST_F(SelectorDialog, AModuleLoadedByAnotherToolIsShownAfterTheSelectorAsksToResynchronise)
{
    long long before = KelMsGetCVMibModTime();
    ASSERT_NE(before, 0);
    UINT itemsBefore = KelMibTreeControl()->GetCount();
    ASSERT_EQ(mibtool("add '" + treeDir("CVGUI_SOURCE_DIR") + "/tests/mib/modules/CVGUI-TEST-LIMITS-MIB.mib'"), 0);
    EXPECT_EQ(KelMsCheckCVMibSync(), 0);

    // Every user action is refused meanwhile; the tool is asked once.
    answerRequests = false;
    choose(systemGroup, {"sysDescr"});
    describe();
    describe();
    EXPECT_TRUE(descriptionWindows().empty());
    EXPECT_EQ(resyncRequests, 1);

    // The tool answers: the tree is built again from the new file.
    KelMsResyncMibSelector();
    input::settle();
    EXPECT_GT(KelMsGetCVMibModTime(), before);
    EXPECT_EQ(KelMsCheckCVMibSync(), 1);
    EXPECT_GT(KelMibTreeControl()->GetCount(), itemsBefore + 4);
    EXPECT_EQ(windowText(host->item(IDC_KEL_MS_NAME)), ".iso.org.dod.internet");
    std::string limits = ".iso.org.dod.internet.private.enterprises.cvTestLimitsMIB.cvLimitsObjects";
    choose(limits, {"cvLimitsStates", "cvLimitsLongText", "cvLimitsNoText"});
    describe();
    std::vector<HWND> shown = descriptionWindows();
    ASSERT_EQ(shown.size(), 3u);
    EXPECT_EQ(listItems(GetDlgItem(shown[0], IDC_KEL_MSDESC_ENUMS)).size(), 1000u);
    EXPECT_GE(GetWindowTextLengthA(GetDlgItem(shown[1], IDC_KEL_MSDESC_TEXT)), 65536);
    EXPECT_EQ(field(shown[2], IDC_KEL_MSDESC_TEXT), "");
    for (auto w = shown.rbegin(); w != shown.rend(); ++w) {
        clickControl(GetDlgItem(*w, IDCANCEL));
    }
    EXPECT_TRUE(descriptionWindows().empty());
}

TEST_F(SelectorDialog, ADatabaseBrokenOrGoneWhileOpenIsReportedAndTheDialogGoesOn)
{
    std::string good = readFile(db);
    for (std::string broken : {std::string("garbage, not a MIB database\n"), good.substr(0, good.size() / 2)}) {
        msClearMessages();
        FILE *f = fopen(db.c_str(), "wb");
        ASSERT_NE(f, nullptr);
        fwrite(broken.data(), 1, broken.size(), f);
        fclose(f);
        UINT items = KelMibTreeControl()->GetCount();
        choose(systemGroup, {"sysContact"}); // refused, asks; the tool resynchronises
        EXPECT_EQ(resyncRequests, 1);
        resyncRequests = 0;
        Texts shown = messages();
        ASSERT_GE(shown.size(), 2u);
        EXPECT_EQ(shown[0], "Warning: could not load MIB file \"" + db + "\".");
        EXPECT_EQ(KelMibTreeControl()->GetCount(), items) << "the MIB loaded before stays";
        choose(systemGroup, {"sysContact"});
        describe();
        ASSERT_EQ(descriptionWindows().size(), 1u);
        EXPECT_EQ(field(descriptionWindows()[0], IDC_KEL_MSDESC_NAME), std::string(systemGroup) + ".sysContact");
        msPopDown(1);
        msPopUp(1, nullptr);
    }

    remove(db.c_str());
    msClearMessages();
    EXPECT_EQ(KelMsCheckCVMibSync(), 0);
    EXPECT_EQ(CheckCVmibSync(), 1) << "a missing file does not stop the user";
    Texts shown = messages();
    ASSERT_FALSE(shown.empty());
    EXPECT_EQ(shown[0].rfind("The MIB file \"" + db + "\" cannot be read now (", 0), 0u) << shown[0];
    choose(systemGroup, {"sysLocation"});
    describe();
    EXPECT_EQ(descriptionWindows().size(), 1u);
}

TEST_F(SelectorDialog, SaveWritesTheChosenObjectsDescriptionIntoTheFileTheUserNames)
{
    char temp[MAX_PATH];
    GetTempPathA(sizeof temp, temp);
    std::string path = std::string(temp) + "cvgui-described.txt";
    DeleteFileA(path.c_str());
    choose(systemGroup, {"sysContact"});
    // The user types the file's name into the save dialog and presses Save.
    WindowWatcher user("Save Description", "Save", [&](HWND dialog) {
        HWND box = GetDlgItem(dialog, edt1) != nullptr ? GetDlgItem(dialog, edt1) : GetDlgItem(dialog, cmb13);
        SetWindowTextA(box, path.c_str());
    }, false, 60000);
    KelMsSaveDescription(host.get());
    ASSERT_NE(user.wait().hwnd, nullptr);
    std::string saved = readFile(path);
    EXPECT_EQ(saved.rfind("Name: " + std::string(systemGroup) + ".sysContact\r\nObject ID: .1.3.6.1.2.1.1.4\r\n", 0), 0u)
        << saved;
    DeleteFileA(path.c_str());
}

TEST(SelectorResources, TheDefaultObjectComesFromTheToolsResources)
{
    setEnv("CVMIBFILE", getenv("CVGUI_STANDARD_MIBDB"));
    std::string key = std::string("SOFTWARE\\Brannock\\Corvane\\Zebrant\\") + _CVgetProgname(1);
    for (std::string value : {"  .iso.org.dod.internet.mgmt.mib-2 ", ".iso org"}) {
        ASSERT_EQ(RegSetKeyValueA(HKEY_LOCAL_MACHINE, key.c_str(), "defaultMibObject", REG_SZ, value.c_str(),
                                  static_cast<DWORD>(value.size() + 1)),
                  ERROR_SUCCESS);
        Host host(MS_ACCEPT_ANY);
        EXPECT_EQ(windowText(host.item(IDC_KEL_MS_NAME)),
                  value == ".iso org" ? ".iso.org.dod.internet" : ".iso.org.dod.internet.mgmt.mib-2");
    }
    RegDeleteKeyA(HKEY_LOCAL_MACHINE, key.c_str());
}

} // namespace
