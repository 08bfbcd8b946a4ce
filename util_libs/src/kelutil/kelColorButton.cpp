// CKelColorButton: an owner-drawn swatch of one colour in a bevel that shows up, pressed and
// focused states.
#include "kelSLabel.h"

IMPLEMENT_DYNAMIC(CKelColorButton, CButton)

CKelColorButton::CKelColorButton() : color(GetSysColor(COLOR_BTNFACE)) {}

void CKelColorButton::SetColor(COLORREF c)
{
    color = c;
    if (m_hWnd != nullptr) {
        Invalidate(TRUE);
    }
}

void CKelColorButton::DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct)
{
    CDC dc;
    dc.Attach(lpDrawItemStruct->hDC);
    const RECT &r = lpDrawItemStruct->rcItem;
    int L = r.left, T = r.top, R = r.right, B = r.bottom;
    int d = (lpDrawItemStruct->itemState & ODS_FOCUS) ? 1 : 0;
    bool pressed = (lpDrawItemStruct->itemState & ODS_SELECTED) != 0;

    CBrush shadow(GetSysColor(COLOR_BTNSHADOW));
    CBrush highlight(GetSysColor(COLOR_BTNHIGHLIGHT));
    CBrush face(GetSysColor(COLOR_BTNFACE));
    CBrush swatch(color);
    CPen nullPen(PS_NULL, 0, 0);

    // A black frame and fill, then the two bevel triangles, then the colour.
    CGdiObject *previousBrush = dc.SelectStockObject(BLACK_BRUSH);
    CGdiObject *previousPen = dc.SelectStockObject(BLACK_PEN);
    dc.Rectangle(L, T, R, B);
    dc.SelectObject(&nullPen);
    POINT upperLeft[3] = {{L + d, T + d}, {R - d, T + d}, {L + d, B - d}};
    dc.SelectObject(pressed ? &shadow : &highlight);
    dc.Polygon(upperLeft, 3);
    POINT lowerRight[3] = {{L + d, B - d}, {R - d, T + d}, {R - d, B - d}};
    dc.SelectObject(pressed ? &face : &shadow);
    dc.Polygon(lowerRight, 3);
    dc.SelectObject(&swatch);
    dc.Rectangle(L + 2, T + 2, R - 2, B - 2);

    dc.SelectObject(previousBrush);
    dc.SelectObject(previousPen);
    dc.Detach();
}
