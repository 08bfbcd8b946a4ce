// Module states, the application object and the Afx functions.
#include "afximpl.h"

#include <cstdlib>
#include <cstring>
#include <string>

namespace {
thread_local AFX_MODULE_STATE *currentModuleState = nullptr;

// The executable's file name without directory and extension.
const char *exeBaseName()
{
    static std::string name;
    if (name.empty()) {
        // However long the path: GetModuleFileName cuts one that does not fit the buffer.
        std::string path(MAX_PATH, '\0');
        DWORD n;
        while ((n = GetModuleFileNameA(nullptr, &path[0], static_cast<DWORD>(path.size()))) == path.size() &&
               path.size() < 32768) {
            path.resize(path.size() * 2);
        }
        path.resize(n < path.size() ? n : 0);
        name = path.substr(path.find_last_of("\\/:") + 1); // npos + 1 is 0: the whole path
        size_t dot = name.rfind('.');
        if (dot != std::string::npos) {
            name.resize(dot);
        }
    }
    return name.c_str();
}

// The command line after the program name, as a WinMain would receive it.
const char *commandTail()
{
    const char *p = GetCommandLineA();
    if (*p == '"') {
        p++;
        while (*p != '\0' && *p != '"') {
            p++;
        }
        if (*p == '"') {
            p++;
        }
    } else {
        while (*p != '\0' && *p != ' ' && *p != '\t') {
            p++;
        }
    }
    while (*p == ' ' || *p == '\t') {
        p++;
    }
    return p;
}

char *copyString(const char *s)
{
    char *copy = strdup(s != nullptr ? s : "");
    if (copy == nullptr) {
        abort();
    }
    return copy;
}
} // namespace

AFX_MODULE_STATE *AfxGetAppModuleState()
{
    static AFX_MODULE_STATE state = {GetModuleHandleA(nullptr), GetModuleHandleA(nullptr), nullptr};
    return &state;
}

AFX_MODULE_STATE *AfxGetModuleState()
{
    return currentModuleState != nullptr ? currentModuleState : AfxGetAppModuleState();
}

AFX_MODULE_STATE *AfxSetModuleState(AFX_MODULE_STATE *pState)
{
    AFX_MODULE_STATE *previous = AfxGetModuleState();
    currentModuleState = pState;
    return previous;
}

HINSTANCE AfxGetInstanceHandle()
{
    return AfxGetModuleState()->m_hCurrentInstanceHandle;
}

HINSTANCE AfxGetResourceHandle()
{
    return AfxGetModuleState()->m_hCurrentResourceHandle;
}

void AfxSetResourceHandle(HINSTANCE hInstResource)
{
    AfxGetModuleState()->m_hCurrentResourceHandle = hInstResource;
}

HINSTANCE AfxFindResourceHandle(LPCSTR lpszName, LPCSTR lpszType)
{
    HINSTANCE current = AfxGetResourceHandle();
    if (FindResourceA(current, lpszName, lpszType) != nullptr) {
        return current;
    }
    HINSTANCE app = AfxGetAppModuleState()->m_hCurrentResourceHandle;
    if (app != current && FindResourceA(app, lpszName, lpszType) != nullptr) {
        return app;
    }
    return current;
}

CWinApp *AfxGetApp()
{
    return AfxGetModuleState()->m_pCurrentWinApp;
}

const char *AfxGetAppName()
{
    CWinApp *app = AfxGetApp();
    return app != nullptr ? app->m_pszAppName : exeBaseName();
}

CWnd *AfxGetMainWnd()
{
    CWinApp *app = AfxGetApp();
    return app != nullptr ? app->m_pMainWnd : nullptr;
}

int AfxMessageBox(LPCSTR lpszText, UINT nType, UINT)
{
    HWND owner = nullptr;
    if (CWnd *main = AfxGetMainWnd(); main != nullptr && ::IsWindow(main->m_hWnd)) {
        owner = ::GetLastActivePopup(main->m_hWnd);
    }
    return ::MessageBoxA(owner, lpszText, AfxGetAppName(), nType);
}

IMPLEMENT_DYNAMIC(CWinApp, CObject)

CWinApp::CWinApp(LPCSTR lpszAppName)
{
    init(lpszAppName, AfxGetModuleState());
}

CWinApp::CWinApp(LPCSTR lpszAppName, AFX_MODULE_STATE *pModuleState)
{
    init(lpszAppName, pModuleState);
}

void CWinApp::init(LPCSTR lpszAppName, AFX_MODULE_STATE *pModuleState)
{
    m_pModuleState = pModuleState;
    pModuleState->m_pCurrentWinApp = this;
    m_hInstance = pModuleState->m_hCurrentInstanceHandle;
    m_pszExeName = copyString(exeBaseName());
    m_pszAppName = copyString(lpszAppName != nullptr ? lpszAppName : m_pszExeName);
    m_lpCmdLine = copyString(commandTail());
}

CWinApp::~CWinApp()
{
    if (m_pModuleState->m_pCurrentWinApp == this) {
        m_pModuleState->m_pCurrentWinApp = nullptr;
    }
    free(const_cast<char *>(m_pszExeName));
    free(const_cast<char *>(m_pszAppName));
    free(m_lpCmdLine);
}

void CWinApp::DoWaitCursor(int nCode)
{
    m_nWaitCursorCount += nCode;
    if (m_nWaitCursorCount < 0) {
        m_nWaitCursorCount = 0;
    }
    if (m_nWaitCursorCount > 0) {
        HCURSOR previous = ::SetCursor(::LoadCursorA(nullptr, IDC_WAIT));
        if (nCode > 0 && m_nWaitCursorCount == 1) {
            m_hcurWaitCursorRestore = previous;
        }
    } else {
        ::SetCursor(m_hcurWaitCursorRestore != nullptr ? m_hcurWaitCursorRestore : ::LoadCursorA(nullptr, IDC_ARROW));
    }
}

HICON CWinApp::LoadIcon(LPCSTR lpszResourceName) const
{
    return ::LoadIconA(AfxFindResourceHandle(lpszResourceName, RT_GROUP_ICON), lpszResourceName);
}

BOOL CWinApp::OnIdle(LONG)
{
    CWnd::DeleteTempMap();
    CGdiObject::DeleteTempMap();
    CDC::DeleteTempMap();
    CMenu::DeleteTempMap();
    return FALSE;
}
