// CKelSListBox and CKelSLabel: column titles that follow a list box's horizontal scrolling.
#include "kelSLabel.h"

void CKelSLabel::SetHorzOffset(int offset)
{
    horzOffset = offset;
    Invalidate(TRUE);
}

void CKelSLabel::OnPaint()
{
    CPaintDC dc(this);
    CFont *font = GetFont();
    CFont *previousFont = font != nullptr ? dc.SelectObject(font) : nullptr;
    COLORREF previousBk = dc.SetBkColor(GetSysColor(COLOR_BTNFACE));
    CRect r;
    GetWindowRect(&r);
    r.OffsetRect(-r.left, -r.top);
    CString text;
    GetWindowText(text);
    dc.ExtTextOut(horzOffset, 0, ETO_CLIPPED | ETO_OPAQUE, &r, text, text.GetLength(), nullptr);
    if (previousFont != nullptr) {
        dc.SelectObject(previousFont);
    }
    dc.SetBkColor(previousBk);
}

void CKelSListBox::OnHScroll(UINT nSBCode, UINT nPos, CScrollBar *pScrollBar)
{
    // The list box scrolls itself first (called from OnSize too, hence no Default()).
    DefWindowProc(WM_HSCROLL, MAKEWPARAM(nSBCode, nPos),
                  reinterpret_cast<LPARAM>(pScrollBar != nullptr ? pScrollBar->m_hWnd : nullptr));
    int min = 0, max = 0;
    GetScrollRange(SB_HORZ, &min, &max);
    int position = GetScrollPos(SB_HORZ);
    CRect client;
    GetClientRect(&client);
    int extent = GetHorizontalExtent();
    int scrollable = extent - client.Width();
    if (max == extent || max == extent - 1) {
        max = scrollable;
    }
    int offset = max == min ? 0 : static_cast<int>(static_cast<double>(position - min) * scrollable / (max - min));
    if (label != nullptr) {
        label->SetHorzOffset(-offset);
    }
}

void CKelSListBox::OnVScroll(UINT, UINT, CScrollBar *)
{
    Default();
}

void CKelSListBox::OnSize(UINT, int, int)
{
    Default();
    OnHScroll(SB_THUMBPOSITION, GetScrollPos(SB_HORZ), nullptr);
}
