// CWnd: the handle map, the window procedure that routes messages to objects, and the window
// operations that are more than one call.
#include "afximpl.h"

namespace {

HandleMap<HWND, CWnd> &windowMap()
{
    static HandleMap<HWND, CWnd> map([](HWND h) { return ::IsWindow(h) != FALSE; },
                                     [](CWnd *w) {
                                         w->m_hWnd = nullptr;
                                         delete w;
                                     });
    return map;
}

// The original procedure of a routed window, kept on the window itself so that messages still
// reach it while no object is attached.
const char superProp[] = "CvAfxSuperProc";

struct ThreadState {
    CWnd *creating;
    HHOOK hook;
    MSG lastMsg; // the message being handled, for Default
};
thread_local ThreadState threadState;

WNDPROC routeThroughLayer(HWND hWnd)
{
    auto old = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrA(hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(AfxWndProc)));
    if (old == AfxWndProc) {
        old = reinterpret_cast<WNDPROC>(GetPropA(hWnd, superProp));
    }
    SetPropA(hWnd, superProp, reinterpret_cast<HANDLE>(old));
    return old;
}

LRESULT CALLBACK cbtHook(int code, WPARAM wParam, LPARAM lParam);
} // namespace

struct AfxModalState {
    bool running;
    bool destroyed;
    int result;
};

struct AfxWndAccess {
    static void routeAttached(CWnd *pWnd) { pWnd->m_pfnSuper = routeThroughLayer(pWnd->m_hWnd); }
    static BOOL childNotify(CWnd *pWnd, UINT message, WPARAM wParam, LPARAM lParam, LRESULT *pResult)
    {
        return pWnd->OnChildNotify(message, wParam, lParam, pResult);
    }
    static void afterNcDestroy(CWnd *pWnd);
};

namespace {
LRESULT CALLBACK cbtHook(int code, WPARAM wParam, LPARAM lParam)
{
    ThreadState &ts = threadState;
    LRESULT r = CallNextHookEx(ts.hook, code, wParam, lParam);
    if (code == HCBT_CREATEWND && ts.creating != nullptr) {
        CWnd *pWnd = ts.creating;
        ts.creating = nullptr;
        auto hWnd = reinterpret_cast<HWND>(wParam);
        if (pWnd->Attach(hWnd)) {
            AfxWndAccess::routeAttached(pWnd);
        }
        UnhookWindowsHookEx(ts.hook);
        ts.hook = nullptr;
    }
    return r;
}

} // namespace

void AfxHookWindowCreate(CWnd *pWnd)
{
    ThreadState &ts = threadState;
    ts.creating = pWnd;
    if (ts.hook == nullptr) {
        ts.hook = SetWindowsHookExA(WH_CBT, cbtHook, nullptr, GetCurrentThreadId());
    }
}

BOOL AfxUnhookWindowCreate()
{
    ThreadState &ts = threadState;
    if (ts.hook != nullptr) {
        UnhookWindowsHookEx(ts.hook);
        ts.hook = nullptr;
    }
    BOOL attached = ts.creating == nullptr;
    ts.creating = nullptr;
    return attached;
}

LRESULT CALLBACK AfxWndProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    CWnd *pWnd = CWnd::FromHandlePermanent(hWnd);
    if (pWnd == nullptr) {
        auto super = reinterpret_cast<WNDPROC>(GetPropA(hWnd, superProp));
        return super != nullptr ? CallWindowProcA(super, hWnd, message, wParam, lParam)
                                : DefWindowProcA(hWnd, message, wParam, lParam);
    }
    ThreadState &ts = threadState;
    MSG saved = ts.lastMsg;
    ts.lastMsg.hwnd = hWnd;
    ts.lastMsg.message = message;
    ts.lastMsg.wParam = wParam;
    ts.lastMsg.lParam = lParam;
    LRESULT r = pWnd->WindowProc(message, wParam, lParam);
    ts.lastMsg = saved;
    if (message == WM_NCDESTROY) {
        AfxWndAccess::afterNcDestroy(pWnd);
    }
    return r;
}

IMPLEMENT_DYNAMIC(CWnd, CObject)

const CWnd CWnd::wndTop(HWND_TOP);
const CWnd CWnd::wndBottom(HWND_BOTTOM);
const CWnd CWnd::wndTopMost(HWND_TOPMOST);
const CWnd CWnd::wndNoTopMost(HWND_NOTOPMOST);

CWnd::~CWnd()
{
    if (m_hWnd == nullptr || FromHandlePermanent(m_hWnd) != this) {
        return;
    }
    if (m_bOwnWindow) {
        ::DestroyWindow(m_hWnd); // detaches through WM_NCDESTROY
    }
    if (m_hWnd != nullptr) {
        if (m_pfnSuper != nullptr) {
            UnsubclassWindow();
        } else {
            Detach();
        }
    }
}

CWnd *CWnd::FromHandle(HWND hWnd)
{
    return windowMap().fromHandle(hWnd, [](HWND h) {
        CWnd *w = new CWnd;
        w->m_hWnd = h;
        return w;
    });
}

CWnd *CWnd::FromHandlePermanent(HWND hWnd)
{
    return windowMap().lookupPermanent(hWnd);
}

void CWnd::DeleteTempMap()
{
    windowMap().deleteTemporaries();
}

size_t CWnd::GetTempMapCount()
{
    return windowMap().temporaryCount();
}

BOOL CWnd::Attach(HWND hWndNew)
{
    if (hWndNew == nullptr || m_hWnd != nullptr || !windowMap().setPermanent(hWndNew, this)) {
        return FALSE;
    }
    m_hWnd = hWndNew;
    return TRUE;
}

HWND CWnd::Detach()
{
    HWND hWnd = m_hWnd;
    if (hWnd != nullptr) {
        windowMap().removePermanent(hWnd, this);
    }
    m_hWnd = nullptr;
    m_bOwnWindow = FALSE;
    return hWnd;
}

BOOL CWnd::SubclassWindow(HWND hWnd)
{
    if (!Attach(hWnd)) {
        return FALSE;
    }
    m_pfnSuper = routeThroughLayer(m_hWnd);
    return TRUE;
}

BOOL CWnd::SubclassDlgItem(UINT nID, CWnd *pParent)
{
    HWND hWndControl = ::GetDlgItem(pParent->m_hWnd, static_cast<int>(nID));
    return hWndControl != nullptr && SubclassWindow(hWndControl);
}

HWND CWnd::UnsubclassWindow()
{
    if (m_hWnd == nullptr) {
        return nullptr;
    }
    if (m_pfnSuper != nullptr) {
        SetWindowLongPtrA(m_hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(m_pfnSuper));
        RemovePropA(m_hWnd, superProp);
        m_pfnSuper = nullptr;
    }
    return Detach();
}

// The window is gone: the object lets go of it, ends a modal loop running over it, and may
// delete itself in PostNcDestroy.
void AfxWndAccess::afterNcDestroy(CWnd *pWnd)
{
    HWND hWnd = pWnd->m_hWnd;
    if (pWnd->m_pfnSuper != nullptr) {
        SetWindowLongPtrA(hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(pWnd->m_pfnSuper));
        pWnd->m_pfnSuper = nullptr;
    }
    RemovePropA(hWnd, superProp);
    pWnd->Detach();
    if (pWnd->m_pModalState != nullptr) {
        pWnd->m_pModalState->running = false;
        pWnd->m_pModalState->destroyed = true;
        pWnd->m_pModalState = nullptr;
    }
    pWnd->PostNcDestroy();
}

void CWnd::PostNcDestroy() {}

BOOL CWnd::CreateEx(DWORD dwExStyle, LPCSTR lpszClassName, LPCSTR lpszWindowName, DWORD dwStyle, int x, int y,
                    int nWidth, int nHeight, HWND hWndParent, HMENU nIDorHMenu, LPVOID lpParam)
{
    AfxHookWindowCreate(this);
    HWND hWnd = CreateWindowExA(dwExStyle, lpszClassName, lpszWindowName, dwStyle, x, y, nWidth, nHeight, hWndParent,
                                nIDorHMenu, AfxGetInstanceHandle(), lpParam);
    AfxUnhookWindowCreate();
    if (hWnd == nullptr) {
        return FALSE;
    }
    m_bOwnWindow = TRUE;
    return TRUE;
}

BOOL CWnd::DestroyWindow()
{
    return m_hWnd != nullptr && ::DestroyWindow(m_hWnd);
}

LRESULT CWnd::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    LRESULT result = 0;
    if (!OnWndMsg(message, wParam, lParam, &result)) {
        result = DefWindowProc(message, wParam, lParam);
    }
    return result;
}

LRESULT CWnd::DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (m_pfnSuper != nullptr) {
        return CallWindowProcA(m_pfnSuper, m_hWnd, message, wParam, lParam);
    }
    return ::DefWindowProcA(m_hWnd, message, wParam, lParam);
}

LRESULT CWnd::Default()
{
    const MSG &m = threadState.lastMsg;
    return DefWindowProc(m.message, m.wParam, m.lParam);
}

BOOL CWnd::PreTranslateMessage(MSG *)
{
    return FALSE;
}

namespace {
// Offers a notification to the object of the control it is about.
BOOL reflectToChild(HWND hWndChild, UINT message, WPARAM wParam, LPARAM lParam, LRESULT *pResult, CWnd *self)
{
    CWnd *child = CWnd::FromHandlePermanent(hWndChild);
    if (child == nullptr || child == self) {
        return FALSE;
    }
    return AfxWndAccess::childNotify(child, message, wParam, lParam, pResult);
}

CPoint pointOf(LPARAM lParam)
{
    return CPoint(static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam)));
}
} // namespace

BOOL CWnd::OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT *pResult)
{
    switch (message) {
    case WM_COMMAND:
        if (OnCommand(wParam, lParam)) {
            *pResult = 0;
            return TRUE;
        }
        return FALSE;
    case WM_NOTIFY: {
        LRESULT r = 0;
        if (OnNotify(wParam, lParam, &r)) {
            *pResult = r;
            return TRUE;
        }
        return FALSE;
    }
    case WM_DRAWITEM: {
        auto *dis = reinterpret_cast<DRAWITEMSTRUCT *>(lParam);
        *pResult = TRUE;
        return dis->CtlType != ODT_MENU && reflectToChild(dis->hwndItem, message, wParam, lParam, pResult, this);
    }
    case WM_MEASUREITEM: {
        auto *mis = reinterpret_cast<MEASUREITEMSTRUCT *>(lParam);
        *pResult = TRUE;
        return mis->CtlType != ODT_MENU &&
               reflectToChild(::GetDlgItem(m_hWnd, static_cast<int>(mis->CtlID)), message, wParam, lParam, pResult, this);
    }
    case WM_COMPAREITEM:
        return reflectToChild(reinterpret_cast<COMPAREITEMSTRUCT *>(lParam)->hwndItem, message, wParam, lParam, pResult, this);
    case WM_DELETEITEM:
        *pResult = TRUE;
        return reflectToChild(reinterpret_cast<DELETEITEMSTRUCT *>(lParam)->hwndItem, message, wParam, lParam, pResult, this);
    case WM_HSCROLL:
    case WM_VSCROLL: {
        auto hWndBar = reinterpret_cast<HWND>(lParam);
        if (hWndBar != nullptr && reflectToChild(hWndBar, message, wParam, lParam, pResult, this)) {
            return TRUE;
        }
        auto *bar = static_cast<CScrollBar *>(FromHandle(hWndBar));
        if (message == WM_HSCROLL) {
            OnHScroll(LOWORD(wParam), HIWORD(wParam), bar);
        } else {
            OnVScroll(LOWORD(wParam), HIWORD(wParam), bar);
        }
        *pResult = 0;
        return TRUE;
    }
    case WM_PAINT:
        OnPaint();
        *pResult = 0;
        return TRUE;
    case WM_SIZE:
        OnSize(static_cast<UINT>(wParam), LOWORD(lParam), HIWORD(lParam));
        *pResult = 0;
        return TRUE;
    case WM_LBUTTONDOWN:
        OnLButtonDown(static_cast<UINT>(wParam), pointOf(lParam));
        *pResult = 0;
        return TRUE;
    case WM_LBUTTONDBLCLK:
        OnLButtonDblClk(static_cast<UINT>(wParam), pointOf(lParam));
        *pResult = 0;
        return TRUE;
    case WM_KEYDOWN:
        OnKeyDown(static_cast<UINT>(wParam), LOWORD(lParam), HIWORD(lParam));
        *pResult = 0;
        return TRUE;
    case WM_CHAR:
        OnChar(static_cast<UINT>(wParam), LOWORD(lParam), HIWORD(lParam));
        *pResult = 0;
        return TRUE;
    case WM_SETFOCUS:
        OnSetFocus(FromHandle(reinterpret_cast<HWND>(wParam)));
        *pResult = 0;
        return TRUE;
    case WM_KILLFOCUS:
        OnKillFocus(FromHandle(reinterpret_cast<HWND>(wParam)));
        *pResult = 0;
        return TRUE;
    default:
        return FALSE;
    }
}

BOOL CWnd::OnCommand(WPARAM wParam, LPARAM lParam)
{
    LRESULT r = 0;
    return lParam != 0 && reflectToChild(reinterpret_cast<HWND>(lParam), WM_COMMAND, wParam, lParam, &r, this);
}

BOOL CWnd::OnNotify(WPARAM wParam, LPARAM lParam, LRESULT *pResult)
{
    auto *hdr = reinterpret_cast<NMHDR *>(lParam);
    return hdr != nullptr && reflectToChild(hdr->hwndFrom, WM_NOTIFY, wParam, lParam, pResult, this);
}

BOOL CWnd::OnChildNotify(UINT, WPARAM, LPARAM, LRESULT *)
{
    return FALSE;
}

// The base handlers give the message to the window's own procedure.
void CWnd::OnPaint() { Default(); }
void CWnd::OnSize(UINT, int, int) { Default(); }
void CWnd::OnHScroll(UINT, UINT, CScrollBar *) { Default(); }
void CWnd::OnVScroll(UINT, UINT, CScrollBar *) { Default(); }
void CWnd::OnLButtonDown(UINT, CPoint) { Default(); }
void CWnd::OnLButtonDblClk(UINT, CPoint) { Default(); }
void CWnd::OnKeyDown(UINT, UINT, UINT) { Default(); }
void CWnd::OnChar(UINT, UINT, UINT) { Default(); }
void CWnd::OnSetFocus(CWnd *) { Default(); }
void CWnd::OnKillFocus(CWnd *) { Default(); }

namespace {
// Gives the permanent objects from the message's window up to its top-level window a chance to
// translate the message (a dialog's keyboard navigation).
bool preTranslate(MSG *pMsg)
{
    for (HWND h = pMsg->hwnd; h != nullptr; h = ::GetParent(h)) {
        CWnd *w = CWnd::FromHandlePermanent(h);
        if (w != nullptr && w->PreTranslateMessage(pMsg)) {
            return true;
        }
        if ((GetWindowLongA(h, GWL_STYLE) & WS_CHILD) == 0) {
            break;
        }
    }
    return false;
}
} // namespace

int CWnd::RunModalLoop(DWORD dwFlags)
{
    AfxModalState state;
    state.running = true;
    state.destroyed = false;
    state.result = -1;
    AfxModalState *outer = m_pModalState;
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wdangling-pointer"
    m_pModalState = &state; // taken back below, or cleared when the window goes
#pragma GCC diagnostic pop
    HWND hWnd = m_hWnd;
    bool showPending = (dwFlags & MLF_SHOWONIDLE) != 0 && !::IsWindowVisible(hWnd);

    MSG msg;
    while (state.running) {
        if (showPending && !PeekMessageA(&msg, nullptr, 0, 0, PM_NOREMOVE)) {
            ::ShowWindow(hWnd, SW_SHOWNORMAL);
            ::UpdateWindow(hWnd);
            showPending = false;
        }
        if (!GetMessageA(&msg, nullptr, 0, 0)) {
            PostQuitMessage(static_cast<int>(msg.wParam)); // for the loop that owns the quit
            break;
        }
        if (!preTranslate(&msg)) {
            TranslateMessage(&msg);
            DispatchMessageA(&msg);
        }
    }
    // The object may be gone with its window.
    if (!state.destroyed) {
        m_pModalState = outer;
    }
    return state.result;
}

BOOL CWnd::ContinueModal()
{
    return m_pModalState != nullptr && m_pModalState->running;
}

void CWnd::EndModalLoop(int nResult)
{
    if (m_pModalState != nullptr) {
        m_pModalState->result = nResult;
        m_pModalState->running = false;
        PostMessage(WM_NULL); // wakes the loop up
    }
}

void CWnd::CenterWindow(CWnd *pAlternateOwner)
{
    DWORD style = GetStyle();
    HWND hWndCenter = pAlternateOwner != nullptr ? pAlternateOwner->m_hWnd
                      : (style & WS_CHILD)       ? ::GetParent(m_hWnd)
                                                 : ::GetWindow(m_hWnd, GW_OWNER);
    RECT self;
    ::GetWindowRect(m_hWnd, &self);
    RECT area;
    RECT around;
    if (style & WS_CHILD) {
        HWND parent = ::GetParent(m_hWnd);
        ::GetClientRect(parent, &area);
        ::MapWindowPoints(nullptr, parent, reinterpret_cast<POINT *>(&self), 2);
        around = area;
        if (hWndCenter != nullptr && hWndCenter != parent) {
            ::GetWindowRect(hWndCenter, &around);
            ::MapWindowPoints(nullptr, parent, reinterpret_cast<POINT *>(&around), 2);
        }
    } else {
        MONITORINFO mi = {};
        mi.cbSize = sizeof mi;
        GetMonitorInfoA(MonitorFromWindow(hWndCenter != nullptr ? hWndCenter : m_hWnd, MONITOR_DEFAULTTOPRIMARY), &mi);
        area = mi.rcWork;
        // Over a hidden or minimized owner there is nothing to centre on: use the screen.
        if (hWndCenter != nullptr && ::IsWindowVisible(hWndCenter) && !::IsIconic(hWndCenter)) {
            ::GetWindowRect(hWndCenter, &around);
        } else {
            around = area;
        }
    }
    int w = self.right - self.left;
    int h = self.bottom - self.top;
    int x = (around.left + around.right - w) / 2;
    int y = (around.top + around.bottom - h) / 2;
    // Keep the whole window within the work area where it fits.
    if (x + w > area.right) {
        x = area.right - w;
    }
    if (x < area.left) {
        x = area.left;
    }
    if (y + h > area.bottom) {
        y = area.bottom - h;
    }
    if (y < area.top) {
        y = area.top;
    }
    ::SetWindowPos(m_hWnd, nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void CWnd::ClientToScreen(LPRECT lpRect) const
{
    ::MapWindowPoints(m_hWnd, nullptr, reinterpret_cast<POINT *>(lpRect), 2);
}

void CWnd::ScreenToClient(LPRECT lpRect) const
{
    ::MapWindowPoints(nullptr, m_hWnd, reinterpret_cast<POINT *>(lpRect), 2);
}

namespace {
BOOL modifyLong(HWND hWnd, int index, DWORD dwRemove, DWORD dwAdd, UINT nFlags)
{
    DWORD old = static_cast<DWORD>(GetWindowLongA(hWnd, index));
    DWORD changed = (old & ~dwRemove) | dwAdd;
    if (old == changed) {
        return FALSE;
    }
    SetWindowLongA(hWnd, index, static_cast<LONG>(changed));
    if (nFlags != 0) {
        SetWindowPos(hWnd, nullptr, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | nFlags);
    }
    return TRUE;
}
} // namespace

BOOL CWnd::ModifyStyle(DWORD dwRemove, DWORD dwAdd, UINT nFlags)
{
    return modifyLong(m_hWnd, GWL_STYLE, dwRemove, dwAdd, nFlags);
}

BOOL CWnd::ModifyStyleEx(DWORD dwRemove, DWORD dwAdd, UINT nFlags)
{
    return modifyLong(m_hWnd, GWL_EXSTYLE, dwRemove, dwAdd, nFlags);
}

CDC *CWnd::GetDC()
{
    return CDC::FromHandle(::GetDC(m_hWnd));
}

CDC *CWnd::GetWindowDC()
{
    return CDC::FromHandle(::GetWindowDC(m_hWnd));
}

int CWnd::ReleaseDC(CDC *pDC)
{
    if (pDC == nullptr) {
        return 0;
    }
    HDC hDC = pDC->m_hDC;
    int r = ::ReleaseDC(m_hWnd, hDC);
    afxDropTempDC(hDC);
    return r;
}

void CWnd::GetWindowText(CString &rString) const
{
    int n = GetWindowTextLength();
    char *buf = rString.GetBuffer(n);
    n = ::GetWindowTextA(m_hWnd, buf, n + 1);
    rString.ReleaseBuffer(n);
}

BOOL CWnd::GetScrollInfo(int nBar, LPSCROLLINFO lpScrollInfo, UINT nMask)
{
    lpScrollInfo->cbSize = sizeof(SCROLLINFO);
    lpScrollInfo->fMask = nMask;
    return ::GetScrollInfo(m_hWnd, nBar, lpScrollInfo);
}

BOOL CWnd::SetScrollInfo(int nBar, LPSCROLLINFO lpScrollInfo, BOOL bRedraw)
{
    lpScrollInfo->cbSize = sizeof(SCROLLINFO);
    ::SetScrollInfo(m_hWnd, nBar, lpScrollInfo, bRedraw);
    return TRUE;
}

int CWnd::MessageBox(LPCSTR lpszText, LPCSTR lpszCaption, UINT nType)
{
    return ::MessageBoxA(m_hWnd, lpszText, lpszCaption != nullptr ? lpszCaption : AfxGetAppName(), nType);
}
