// CKelMlDialog and the small helpers of the message dialogs' family.
#include "kelMsgDlg.h"

#include "kelutilP.h"

#include <cstdlib>
#include <cstring>

void CKelMlDialog::OnOK()
{
    DestroyWindow();
}

void CKelMlDialog::OnCancel()
{
    DestroyWindow();
}

void CKelMlDialog::PostNcDestroy()
{
    delete this;
}

unsigned char **KelStringTableCopy(int n, unsigned char **table)
{
    auto **copy = static_cast<unsigned char **>(malloc(sizeof(unsigned char *) * (n > 0 ? n : 1)));
    if (copy == nullptr) {
        KelCriticalErrorHandler(0);
    }
    for (int i = 0; i < n; i++) {
        copy[i] = reinterpret_cast<unsigned char *>(strdup(reinterpret_cast<const char *>(table[i])));
        if (copy[i] == nullptr) {
            KelCriticalErrorHandler(0);
        }
    }
    return copy;
}

void KelStringTableFree(int n, unsigned char **table)
{
    for (int i = 0; i < n; i++) {
        free(table[i]);
    }
    free(table);
}

int KelPostMsgToApp(unsigned int message, WPARAM wParam, LPARAM lParam)
{
    CWnd *main = kelApp() != nullptr ? kelApp()->m_pMainWnd : nullptr;
    if (main == nullptr || !::IsWindow(main->m_hWnd)) {
        return 0;
    }
    main->PostMessage(message, wParam, lParam);
    return 1;
}

int KelClearMibTree(CWnd *dialog, int treeId)
{
    CWnd *tree = dialog->GetDlgItem(treeId);
    if (tree == nullptr) {
        return 0;
    }
    tree->SendMessage(WM_SETREDRAW, FALSE);
    BOOL deleted = static_cast<BOOL>(tree->SendMessage(TVM_DELETEITEM, 0, reinterpret_cast<LPARAM>(TVI_ROOT)));
    tree->SendMessage(WM_SETREDRAW, TRUE);
    return deleted ? 1 : 0;
}
