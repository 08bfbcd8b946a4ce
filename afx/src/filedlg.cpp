// The common file dialog.
#include "afximpl.h"

#include <afxdlgs.h>

IMPLEMENT_DYNAMIC(CFileDialog, CDialog)

CFileDialog::CFileDialog(BOOL bOpenFileDialog, LPCSTR lpszDefExt, LPCSTR lpszFileName, DWORD dwFlags,
                         LPCSTR lpszFilter, CWnd *pParentWnd)
    : m_bOpenFileDialog(bOpenFileDialog)
{
    m_pParentWnd = pParentWnd;
    ZeroMemory(&m_ofn, sizeof m_ofn);
    m_szFileName[0] = m_szFileTitle[0] = '\0';
    if (lpszFileName != nullptr) {
        lstrcpynA(m_szFileName, lpszFileName, sizeof m_szFileName);
    }
    m_ofn.lStructSize = sizeof m_ofn;
    m_ofn.lpstrFile = m_szFileName;
    m_ofn.nMaxFile = sizeof m_szFileName;
    m_ofn.lpstrFileTitle = m_szFileTitle;
    m_ofn.nMaxFileTitle = sizeof m_szFileTitle;
    m_ofn.Flags = dwFlags | OFN_EXPLORER | OFN_SHOWHELP;
    if (lpszDefExt != nullptr) {
        m_strDefExt = lpszDefExt;
        m_ofn.lpstrDefExt = m_strDefExt;
    }
    if (lpszFilter != nullptr) {
        int n = lstrlenA(lpszFilter);
        char *buf = m_strFilter.GetBuffer(n + 1);
        for (int i = 0; i < n; i++) {
            buf[i] = lpszFilter[i] == '|' ? '\0' : lpszFilter[i];
        }
        buf[n] = '\0'; // with the string's own NUL, the list ends in two
        m_strFilter.ReleaseBuffer(n + 1);
        m_ofn.lpstrFilter = m_strFilter;
    }
}

INT_PTR CFileDialog::DoModal()
{
    HWND owner = nullptr;
    if (m_pParentWnd != nullptr) {
        owner = m_pParentWnd->m_hWnd;
    } else if (CWnd *main = AfxGetMainWnd(); main != nullptr && ::IsWindow(main->m_hWnd)) {
        owner = main->m_hWnd;
    }
    m_ofn.hwndOwner = owner;
    m_bInDoModal = TRUE;
    BOOL chosen = m_bOpenFileDialog ? ::GetOpenFileNameA(&m_ofn) : ::GetSaveFileNameA(&m_ofn);
    m_bInDoModal = FALSE;
    return chosen ? IDOK : IDCANCEL;
}
