// A small class layer over Win32 in the shape of MFC 4.2, holding exactly what cvgui.dll and the
// tools built on it call. Each member is the Win32 call or message that MFC makes for it; the
// behaviour of windows and controls is the platform's.
//
// This header: objects with run-time class information, CString, the geometry helpers, and the
// module state that decides where resources are found.
#ifndef CVGUI_AFX_H
#define CVGUI_AFX_H

#include <cstdarg>
#include <windows.h>

#ifdef afx_EXPORTS
#define AFX_API __declspec(dllexport)
#else
#define AFX_API __declspec(dllimport)
#endif

class CWinApp;

// Run-time class information, enough for CObject::IsKindOf.
struct AFX_API CRuntimeClass {
    const char *m_lpszClassName;
    const CRuntimeClass *m_pBaseClass;

    BOOL IsDerivedFrom(const CRuntimeClass *pBaseClass) const;
};

#define RUNTIME_CLASS(cls) (&cls::class##cls)

#define DECLARE_DYNAMIC(cls)                                                                       \
public:                                                                                            \
    static const CRuntimeClass class##cls;                                                         \
    const CRuntimeClass *GetRuntimeClass() const override;

#define IMPLEMENT_DYNAMIC(cls, base)                                                               \
    const CRuntimeClass cls::class##cls = {#cls, RUNTIME_CLASS(base)};                             \
    const CRuntimeClass *cls::GetRuntimeClass() const                                              \
    {                                                                                              \
        return RUNTIME_CLASS(cls);                                                                 \
    }

class AFX_API CObject {
public:
    static const CRuntimeClass classCObject;

    virtual ~CObject();
    virtual const CRuntimeClass *GetRuntimeClass() const;
    BOOL IsKindOf(const CRuntimeClass *pClass) const;

protected:
    CObject() = default;

private:
    CObject(const CObject &) = delete;
    CObject &operator=(const CObject &) = delete;
};

// A heap string that is never null; empty by default.
class AFX_API CString {
public:
    CString();
    CString(const CString &s);
    CString(const char *psz); // null gives an empty string
    CString(const char *pch, int nLength);
    ~CString();

    CString &operator=(const CString &s);
    CString &operator=(const char *psz);
    CString &operator+=(const char *psz);
    CString &operator+=(char ch);

    operator const char *() const { return m_pchData; }
    int GetLength() const { return m_nLength; }
    BOOL IsEmpty() const { return m_nLength == 0; }
    void Empty();
    char GetAt(int nIndex) const { return m_pchData[nIndex]; }

    void Format(const char *lpszFormat, ...);
    void FormatV(const char *lpszFormat, va_list args);

    // A writable buffer of at least nMinBufLength characters plus the NUL; ReleaseBuffer takes
    // the new length (-1: up to the first NUL).
    char *GetBuffer(int nMinBufLength);
    void ReleaseBuffer(int nNewLength = -1);

private:
    void assign(const char *pch, int nLength);

    char *m_pchData;
    int m_nLength;
    int m_nAllocLength;
};

AFX_API BOOL operator==(const CString &a, const char *b);
inline BOOL operator!=(const CString &a, const char *b)
{
    return !(a == b);
}

struct CSize : SIZE {
    CSize() { cx = cy = 0; }
    CSize(int x, int y) { cx = x, cy = y; }
    CSize(SIZE s) { cx = s.cx, cy = s.cy; }
};

struct CPoint : POINT {
    CPoint() { x = y = 0; }
    CPoint(int px, int py) { x = px, y = py; }
    CPoint(POINT p) { x = p.x, y = p.y; }
};

struct CRect : RECT {
    CRect() { left = top = right = bottom = 0; }
    CRect(int l, int t, int r, int b) { left = l, top = t, right = r, bottom = b; }
    CRect(const RECT &r) { left = r.left, top = r.top, right = r.right, bottom = r.bottom; }
    int Width() const { return right - left; }
    int Height() const { return bottom - top; }
    CSize Size() const { return CSize(Width(), Height()); }
    CPoint TopLeft() const { return CPoint(left, top); }
    void OffsetRect(int dx, int dy) { ::OffsetRect(this, dx, dy); }
    void InflateRect(int dx, int dy) { ::InflateRect(this, dx, dy); }
    BOOL PtInRect(POINT p) const { return ::PtInRect(this, p); }
    operator LPRECT() { return this; }
    operator LPCRECT() const { return this; }
};

// Where a module's resources are found and which application object it sees. The process has
// one state for the executable; each DLL built on this layer has its own (AfxGetStaticModuleState)
// and switches to it with AFX_MANAGE_STATE to find its own templates.
struct AFX_MODULE_STATE {
    HINSTANCE m_hCurrentInstanceHandle;
    HINSTANCE m_hCurrentResourceHandle;
    CWinApp *m_pCurrentWinApp;
};

// The state current on this thread: the last one switched to, else the executable's.
AFX_API AFX_MODULE_STATE *AfxGetModuleState();
AFX_API AFX_MODULE_STATE *AfxGetAppModuleState();
// Makes pState current on this thread and returns the state it replaces.
AFX_API AFX_MODULE_STATE *AfxSetModuleState(AFX_MODULE_STATE *pState);
// The calling module's own state; linked into each module from the afx_module library.
AFX_MODULE_STATE *AfxGetStaticModuleState();

struct AFX_MAINTAIN_STATE {
    explicit AFX_MAINTAIN_STATE(AFX_MODULE_STATE *pNewState) : m_pPrevModuleState(AfxSetModuleState(pNewState)) {}
    ~AFX_MAINTAIN_STATE() { AfxSetModuleState(m_pPrevModuleState); }
    AFX_MAINTAIN_STATE(const AFX_MAINTAIN_STATE &) = delete;
    AFX_MAINTAIN_STATE &operator=(const AFX_MAINTAIN_STATE &) = delete;

private:
    AFX_MODULE_STATE *m_pPrevModuleState;
};

#define AFX_MANAGE_STATE(p) AFX_MAINTAIN_STATE _afxModuleStateGuard(p)

AFX_API HINSTANCE AfxGetInstanceHandle();
AFX_API HINSTANCE AfxGetResourceHandle();
AFX_API void AfxSetResourceHandle(HINSTANCE hInstResource);
// The module that holds the resource: the current module first, then the executable.
AFX_API HINSTANCE AfxFindResourceHandle(LPCSTR lpszName, LPCSTR lpszType);

AFX_API CWinApp *AfxGetApp();
AFX_API const char *AfxGetAppName();

#endif
