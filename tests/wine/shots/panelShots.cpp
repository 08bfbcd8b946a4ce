// Shows the suite's panels as a tool shows them, for screenshots: with the argument "nodes" the
// library's "Nodes" dialog with a node list panel after a batch from the map (and the warning
// that reports its refusals), with "describe" a "Describe Event" dialog of an enterprise trap
// received as another one. Runs until it is killed.
#include "kelDescEvent.h"
#include "kelMsgDlg.h"
#include "kelNodeList.h"
#include "kelTemplates.h"

#include "cvw.h"

#include <cstdio>
#include <cstring>
#include <fstream>
#include <string>

namespace {

CWinApp shotsApp;

class NodesDialog : public CDialog {
public:
    nodeListInfo *info = nullptr;

    NodesDialog()
    {
        CreateFromDll(this, IDD_KEL_NODELIST, nullptr);
        KelNodeListCtrlIdInfo ids = KEL_NODELIST_TEMPLATE_IDS;
        info = KelCreateMNodeList(this, "nodes", 1, 0, 1, nullptr, &ids);
        KelSetSensitive(GetDlgItem(IDC_KEL_NODELIST_FROMMAP), 1);
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

void type(CWnd *dialog, const char *text)
{
    HWND edit = ::GetDlgItem(dialog->m_hWnd, IDC_KEL_NODELIST_NAME);
    ::SendMessageA(edit, EM_SETSEL, 0, -1);
    for (const char *p = text; *p != '\0'; p++) {
        ::SendMessageA(edit, WM_CHAR, static_cast<unsigned char>(*p), 1);
    }
}

void click(CWnd *dialog, int id)
{
    ::SendMessageA(::GetDlgItem(dialog->m_hWnd, id), BM_CLICK, 0, 0);
}

void showNodes()
{
    static NodesDialog dialog;
    dialog.SetWindowPos(nullptr, 20, 20, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    dialog.ShowWindow(SW_SHOWNORMAL);
    for (const char *name : {"router-1.corvane.example", "10.2.*.*", "10.3.0-127.*"}) {
        type(&dialog, name);
        click(&dialog, IDC_KEL_NODELIST_ADD);
    }
    char temp[MAX_PATH];
    GetTempPathA(sizeof temp, temp);
    std::string map = std::string(temp) + "cvgui-shots.map";
    std::ofstream(map) << "cvwmap 1\nobject 1 Internet:hub\nhost 1 hub-lab.corvane.example\n"
                          "object 2 Internet:printer\nhost 2 printer-4th-floor.corvane.example\n"
                          "object 3 Internet:router1\nhost 3 router-1.corvane.example\n"
                          "object 4 Internet:lab\nhost 4 10.2.4.*\nobject 5 Internet:ups\nhost 5 10.4.0.300\n"
                          "select 1 2 3 4 5\n";
    _CVwInitSession(CVW_VERSION, "shots", map.c_str());
    kelMsgDlgModalFlag = 0;
    click(&dialog, IDC_KEL_NODELIST_FROMMAP);
    // The last entry selected, as a user about to delete it.
    ::SendMessageA(::GetDlgItem(dialog.m_hWnd, IDC_KEL_NODELIST_LIST), LB_SETSEL, TRUE, 4);
    setAddNodeListSensitive(dialog.info);
    type(&dialog, "10.5.1-20.*");

    // The report windows go to the right of the dialog, one below the other.
    CRect r;
    dialog.GetWindowRect(&r);
    int y = r.top;
    for (HWND w = GetTopWindow(nullptr); w != nullptr; w = GetWindow(w, GW_HWNDNEXT)) {
        char title[64];
        GetWindowTextA(w, title, sizeof title);
        DWORD pid = 0;
        GetWindowThreadProcessId(w, &pid);
        if (pid == GetCurrentProcessId() && IsWindowVisible(w) && w != dialog.m_hWnd) {
            CRect wr;
            GetWindowRect(w, &wr);
            SetWindowPos(w, nullptr, r.right + 10, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
            y += wr.Height() + 10;
        }
    }
}

void showDescription()
{
    static char *nodes[] = {const_cast<char *>("router-1.corvane.example"), const_cast<char *>("10.2.*.*")};
    static trap_record trap = {};
    trap.name = const_cast<char *>("Agent restarted");
    trap.description = const_cast<char *>(
        "The Net-SNMP agent on the node restarted and read its configuration\n"
        "again. Counters of the node start from zero; a restart that was not\n"
        "planned may mean a crash of the agent or a reboot of the node.");
    trap.severity = EV_SEV_MINOR;
    trap.nodeCount = 2;
    trap.nodes = nodes;
    KelPopupDescribeEvent(&trap, ".1.3.6.1.4.1.8072.4.0.99", 1, "linkUp", 1027, "operator",
                          "5f0c2a10-11ee-4b7a-9d21-3c6f0e8b7a55");
    HWND w = FindWindowA(nullptr, "Describe Event Agent restarted");
    if (w != nullptr) {
        SetWindowPos(w, nullptr, 20, 20, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    }
}

} // namespace

int main(int argc, char **argv)
{
    if (argc > 1 && strcmp(argv[1], "describe") == 0) {
        showDescription();
    } else {
        showNodes();
    }
    printf("READY\n");
    fflush(stdout);
    MSG m;
    while (GetMessageA(&m, nullptr, 0, 0)) {
        TranslateMessage(&m);
        DispatchMessageA(&m);
    }
    return 0;
}
