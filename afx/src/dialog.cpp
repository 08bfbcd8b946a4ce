// CDialog and CFormView: windows made from dialog templates by the platform's dialog manager,
// routed through the layer from their creation on.
#include "afximpl.h"

INT_PTR CALLBACK AfxDlgProc(HWND, UINT, WPARAM, LPARAM)
{
    // Everything a dialog object handles reaches it through its window procedure first.
    return FALSE;
}

void afxInitCommonControls()
{
    // Templates may hold common controls (trackbars, tree views): their classes must exist.
    static bool done = false;
    if (!done) {
        INITCOMMONCONTROLSEX icc = {sizeof icc, ICC_WIN95_CLASSES};
        InitCommonControlsEx(&icc);
        done = true;
    }
}

LPCDLGTEMPLATE afxLoadDialogTemplate(LPCSTR lpszTemplateName, HINSTANCE *phInst)
{
    HINSTANCE hInst = AfxFindResourceHandle(lpszTemplateName, RT_DIALOG);
    *phInst = hInst;
    HRSRC hResource = FindResourceA(hInst, lpszTemplateName, RT_DIALOG);
    if (hResource == nullptr) {
        return nullptr;
    }
    HGLOBAL hTemplate = LoadResource(hInst, hResource);
    return hTemplate != nullptr ? static_cast<LPCDLGTEMPLATE>(LockResource(hTemplate)) : nullptr;
}

HWND afxCreateDialog(CWnd *pWnd, LPCDLGTEMPLATE lpTemplate, HWND hWndParent, HINSTANCE hInst)
{
    afxInitCommonControls();
    AfxHookWindowCreate(pWnd);
    HWND hWnd = CreateDialogIndirectParamA(hInst, lpTemplate, hWndParent, AfxDlgProc, 0);
    AfxUnhookWindowCreate();
    return hWnd;
}

IMPLEMENT_DYNAMIC(CDialog, CWnd)

CDialog::CDialog(UINT nIDTemplate, CWnd *pParentWnd)
    : m_lpszTemplateName(MAKEINTRESOURCEA(nIDTemplate)), m_pParentWnd(pParentWnd)
{
}

CDialog::CDialog(LPCSTR lpszTemplateName, CWnd *pParentWnd)
    : m_lpszTemplateName(lpszTemplateName), m_pParentWnd(pParentWnd)
{
}

BOOL CDialog::Create(UINT nIDTemplate, CWnd *pParentWnd)
{
    return Create(MAKEINTRESOURCEA(nIDTemplate), pParentWnd);
}

BOOL CDialog::Create(LPCSTR lpszTemplateName, CWnd *pParentWnd)
{
    m_lpszTemplateName = lpszTemplateName;
    HINSTANCE hInst;
    LPCDLGTEMPLATE lpTemplate = afxLoadDialogTemplate(lpszTemplateName, &hInst);
    if (lpTemplate == nullptr) {
        return FALSE;
    }
    m_pParentWnd = pParentWnd;
    HWND hWnd = afxCreateDialog(this, lpTemplate, pParentWnd != nullptr ? pParentWnd->m_hWnd : nullptr, hInst);
    m_bOwnWindow = hWnd != nullptr;
    return hWnd != nullptr;
}

BOOL CDialog::CreateIndirect(LPCDLGTEMPLATE lpDialogTemplate, CWnd *pParentWnd)
{
    m_pParentWnd = pParentWnd;
    HWND hWnd = afxCreateDialog(this, lpDialogTemplate, pParentWnd != nullptr ? pParentWnd->m_hWnd : nullptr,
                                AfxGetInstanceHandle());
    m_bOwnWindow = hWnd != nullptr;
    return hWnd != nullptr;
}

BOOL CDialog::InitModalIndirect(LPCDLGTEMPLATE lpDialogTemplate, CWnd *pParentWnd)
{
    m_lpDialogTemplate = lpDialogTemplate;
    m_pParentWnd = pParentWnd;
    return lpDialogTemplate != nullptr;
}

INT_PTR CDialog::DoModal()
{
    HINSTANCE hInst = AfxGetInstanceHandle();
    LPCDLGTEMPLATE lpTemplate = m_lpDialogTemplate;
    if (lpTemplate == nullptr && m_lpszTemplateName != nullptr) {
        lpTemplate = afxLoadDialogTemplate(m_lpszTemplateName, &hInst);
    }
    if (lpTemplate == nullptr) {
        return -1;
    }
    // Without a parent the dialog is owned by the main window, which the platform disables.
    HWND hWndParent = nullptr;
    if (m_pParentWnd != nullptr) {
        hWndParent = m_pParentWnd->m_hWnd;
    } else if (CWnd *main = AfxGetMainWnd(); main != nullptr && ::IsWindow(main->m_hWnd)) {
        hWndParent = main->m_hWnd;
    }
    afxInitCommonControls();
    m_bInDoModal = TRUE;
    AfxHookWindowCreate(this);
    INT_PTR result = DialogBoxIndirectParamA(hInst, lpTemplate, hWndParent, AfxDlgProc, 0);
    AfxUnhookWindowCreate();
    m_bInDoModal = FALSE;
    return result;
}

void CDialog::EndDialog(int nResult)
{
    if (ContinueModal()) {
        EndModalLoop(nResult);
    }
    ::EndDialog(m_hWnd, nResult);
}

void CDialog::GotoDlgCtrl(CWnd *pWndCtrl)
{
    SendMessage(WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(pWndCtrl->m_hWnd), 1);
}

BOOL CDialog::PreTranslateMessage(MSG *pMsg)
{
    // Keyboard navigation of the dialog (Tab, arrows, Enter, Escape, mnemonics).
    if (pMsg->message >= WM_KEYFIRST && pMsg->message <= WM_KEYLAST) {
        return ::IsDialogMessageA(m_hWnd, pMsg);
    }
    return FALSE;
}

BOOL CDialog::OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT *pResult)
{
    if (message == WM_INITDIALOG) {
        *pResult = OnInitDialog();
        return TRUE;
    }
    return CWnd::OnWndMsg(message, wParam, lParam, pResult);
}

BOOL CDialog::OnCommand(WPARAM wParam, LPARAM lParam)
{
    if (CWnd::OnCommand(wParam, lParam)) {
        return TRUE;
    }
    // A button click, a menu command or an accelerator (notification code 0).
    if (HIWORD(wParam) == 0) {
        switch (LOWORD(wParam)) {
        case IDOK:
            OnOK();
            return TRUE;
        case IDCANCEL:
            OnCancel();
            return TRUE;
        }
    }
    return FALSE;
}

BOOL CDialog::OnInitDialog()
{
    return TRUE; // the dialog manager focuses the first control
}

void CDialog::OnOK()
{
    EndDialog(IDOK);
}

void CDialog::OnCancel()
{
    EndDialog(IDCANCEL);
}

IMPLEMENT_DYNAMIC(CFormView, CWnd)

CFormView::CFormView(UINT nIDTemplate) : m_lpszTemplateName(MAKEINTRESOURCEA(nIDTemplate)) {}

BOOL CFormView::Create(CWnd *pParentWnd, UINT nID)
{
    HINSTANCE hInst;
    LPCDLGTEMPLATE lpTemplate = afxLoadDialogTemplate(m_lpszTemplateName, &hInst);
    if (lpTemplate == nullptr || pParentWnd == nullptr) {
        return FALSE;
    }
    HWND hWnd = afxCreateDialog(this, lpTemplate, pParentWnd->m_hWnd, hInst);
    if (hWnd == nullptr) {
        return FALSE;
    }
    m_bOwnWindow = TRUE;
    if (nID != 0) {
        SetWindowLongPtrA(hWnd, GWLP_ID, nID);
    }
    return TRUE;
}
