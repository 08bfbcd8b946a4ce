// Shows the MIB selector in a tool's dialog with three objects of the system group chosen in the
// tree, their names in every form in the message list; for screenshots. Runs until it is killed.
#include "../support/mibSelHost.h"

#include <cstdio>

namespace {
CWinApp shotsApp;
}

int main()
{
    MibSelHost host;
    // The tool names its dialog (in ASCII here: mwm draws titles without Japanese glyphs).
    host.SetWindowText("Graph - MIB Objects");
    host.SetWindowPos(nullptr, 20, 20, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    host.ShowWindow(SW_SHOWNORMAL);

    // The user opens the system group and adds two objects to the first one, Control+clicking.
    msSetObjectName(".iso.org.dod.internet.mgmt.mib-2.system");
    CMultiTreeCtrl *tree = KelMibTreeControl();
    HTREEITEM first = tree->GetSelectedItem();
    HTREEITEM third = tree->GetNextSiblingItem(tree->GetNextSiblingItem(first));
    HTREEITEM fifth = tree->GetNextSiblingItem(tree->GetNextSiblingItem(third));
    tree->SetItemStateEx(third, TVIS_SELECTED, TVIS_SELECTED);
    tree->SetItemStateEx(fifth, TVIS_SELECTED, TVIS_SELECTED);
    tree->EnsureVisible(fifth);
    host.GotoDlgCtrl(tree);
    // Then presses Apply.
    host.SendMessage(WM_COMMAND, MAKEWPARAM(IDC_KEL_MS_APPLY, BN_CLICKED),
                     reinterpret_cast<LPARAM>(host.item(IDC_KEL_MS_APPLY)));
    ::SendMessageA(host.item(IDC_KEL_MS_MESSAGES), LB_SETTOPINDEX, 0, 0);

    printf("READY\n");
    fflush(stdout);
    MSG m;
    while (GetMessageA(&m, nullptr, 0, 0) > 0) {
        if (!IsDialogMessageA(host.m_hWnd, &m)) {
            TranslateMessage(&m);
            DispatchMessageA(&m);
        }
    }
    return 0;
}
