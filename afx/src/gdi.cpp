// Device contexts and GDI objects with their handle maps.
#include "afximpl.h"

namespace {
HandleMap<HGDIOBJ, CGdiObject> &gdiMap()
{
    static HandleMap<HGDIOBJ, CGdiObject> map([](HGDIOBJ h) { return ::GetObjectType(h) != 0; },
                                              [](CGdiObject *o) {
                                                  o->m_hObject = nullptr; // borrowed: never deleted here
                                                  delete o;
                                              });
    return map;
}

HandleMap<HDC, CDC> &dcMap()
{
    static HandleMap<HDC, CDC> map([](HDC h) { return ::GetObjectType(h) != 0; },
                                   [](CDC *dc) {
                                       dc->m_hDC = nullptr;
                                       delete dc;
                                   });
    return map;
}
} // namespace

IMPLEMENT_DYNAMIC(CGdiObject, CObject)
IMPLEMENT_DYNAMIC(CPen, CGdiObject)
IMPLEMENT_DYNAMIC(CBrush, CGdiObject)
IMPLEMENT_DYNAMIC(CFont, CGdiObject)
IMPLEMENT_DYNAMIC(CBitmap, CGdiObject)

CGdiObject::~CGdiObject()
{
    DeleteObject();
}

CGdiObject *CGdiObject::FromHandle(HGDIOBJ hObject)
{
    return gdiMap().fromHandle(hObject, [](HGDIOBJ h) {
        auto *o = new CGdiObject;
        o->m_hObject = h;
        return o;
    });
}

void CGdiObject::DeleteTempMap()
{
    gdiMap().deleteTemporaries();
}

BOOL CGdiObject::Attach(HGDIOBJ hObject)
{
    if (hObject == nullptr || m_hObject != nullptr) {
        return FALSE;
    }
    gdiMap().setPermanent(hObject, this);
    m_hObject = hObject;
    return TRUE;
}

HGDIOBJ CGdiObject::Detach()
{
    HGDIOBJ h = m_hObject;
    if (h != nullptr) {
        gdiMap().removePermanent(h, this);
    }
    m_hObject = nullptr;
    return h;
}

BOOL CGdiObject::DeleteObject()
{
    HGDIOBJ h = Detach();
    return h != nullptr && ::DeleteObject(h);
}

BOOL CBitmap::CreateCompatibleBitmap(CDC *pDC, int nWidth, int nHeight)
{
    return Attach(::CreateCompatibleBitmap(pDC->m_hDC, nWidth, nHeight));
}

IMPLEMENT_DYNAMIC(CDC, CObject)
IMPLEMENT_DYNAMIC(CPaintDC, CDC)
IMPLEMENT_DYNAMIC(CClientDC, CDC)

CDC::~CDC()
{
    DeleteDC();
}

CDC *CDC::FromHandle(HDC hDC)
{
    return dcMap().fromHandle(hDC, [](HDC h) {
        auto *dc = new CDC;
        dc->m_hDC = h;
        return dc;
    });
}

void CDC::DeleteTempMap()
{
    dcMap().deleteTemporaries();
}

void afxDropTempDC(HDC hDC)
{
    if (CDC *dc = dcMap().takeTemporary(hDC)) {
        dc->m_hDC = nullptr;
        delete dc;
    }
}

BOOL CDC::Attach(HDC hDC)
{
    if (hDC == nullptr || m_hDC != nullptr) {
        return FALSE;
    }
    dcMap().setPermanent(hDC, this);
    m_hDC = hDC;
    return TRUE;
}

HDC CDC::Detach()
{
    HDC h = m_hDC;
    if (h != nullptr) {
        dcMap().removePermanent(h, this);
    }
    m_hDC = nullptr;
    return h;
}

BOOL CDC::DeleteDC()
{
    HDC h = Detach();
    return h != nullptr && ::DeleteDC(h);
}

BOOL CDC::CreateCompatibleDC(CDC *pDC)
{
    return Attach(::CreateCompatibleDC(pDC != nullptr ? pDC->m_hDC : nullptr));
}

CGdiObject *CDC::SelectObject(CGdiObject *pObject)
{
    if (pObject == nullptr) {
        return nullptr;
    }
    return CGdiObject::FromHandle(::SelectObject(m_hDC, pObject->m_hObject));
}

CGdiObject *CDC::SelectStockObject(int nIndex)
{
    return CGdiObject::FromHandle(::SelectObject(m_hDC, ::GetStockObject(nIndex)));
}

CSize CDC::GetTextExtent(LPCSTR lpszString, int nCount) const
{
    SIZE size = {0, 0};
    ::GetTextExtentPoint32A(m_hDC, lpszString, nCount, &size);
    return size;
}

CPoint CDC::MoveTo(int x, int y)
{
    POINT old = {0, 0};
    ::MoveToEx(m_hDC, x, y, &old);
    return old;
}

void CDC::FillSolidRect(LPCRECT lpRect, COLORREF crColor)
{
    COLORREF old = ::SetBkColor(m_hDC, crColor);
    ::ExtTextOutA(m_hDC, 0, 0, ETO_OPAQUE, lpRect, nullptr, 0, nullptr);
    ::SetBkColor(m_hDC, old);
}

CPaintDC::CPaintDC(CWnd *pWnd) : m_hWnd(pWnd->m_hWnd)
{
    Attach(::BeginPaint(m_hWnd, &m_ps));
}

CPaintDC::~CPaintDC()
{
    ::EndPaint(m_hWnd, &m_ps);
    Detach();
}

CClientDC::CClientDC(CWnd *pWnd) : m_hWnd(pWnd->m_hWnd)
{
    Attach(::GetDC(m_hWnd));
}

CClientDC::~CClientDC()
{
    ::ReleaseDC(m_hWnd, Detach());
}
