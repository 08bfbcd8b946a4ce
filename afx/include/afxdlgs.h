// The common dialogs of the class layer: the file open and save dialog.
#ifndef CVGUI_AFXDLGS_H
#define CVGUI_AFXDLGS_H

#include "afxwin.h"

#include <commdlg.h>

// GetOpenFileName or GetSaveFileName over m_ofn, which callers may adjust between construction
// and DoModal. The dialog offers a Help button (OFN_SHOWHELP) unless the caller clears it.
class AFX_API CFileDialog : public CDialog {
    DECLARE_DYNAMIC(CFileDialog)
public:
    OPENFILENAMEA m_ofn;

    // lpszFilter: pairs of description and pattern, each ended by "|" ("Text (*.txt)|*.txt||").
    explicit CFileDialog(BOOL bOpenFileDialog, LPCSTR lpszDefExt = nullptr, LPCSTR lpszFileName = nullptr,
                         DWORD dwFlags = OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT, LPCSTR lpszFilter = nullptr,
                         CWnd *pParentWnd = nullptr);

    // IDOK when the user chose a file, IDCANCEL when the dialog was cancelled or failed.
    INT_PTR DoModal() override;
    CString GetPathName() const { return m_szFileName; }
    CString GetFileName() const { return m_szFileTitle; }

protected:
    BOOL m_bOpenFileDialog;
    CString m_strDefExt;
    CString m_strFilter; // "|" turned into NULs, as the platform wants it
    char m_szFileName[MAX_PATH];
    char m_szFileTitle[MAX_PATH];
};

#endif
