// CKelLabel: a label drawn in the window colours rather than the dialog's.
#include "kelSLabel.h"

void CKelLabel::OnPaint()
{
    CPaintDC dc(this);
    dc.SetTextColor(GetSysColor(COLOR_WINDOWTEXT));
    dc.SetBkColor(GetSysColor(COLOR_WINDOW));
    CString text;
    GetWindowText(text);
    dc.TextOut(0, 0, text); // in the DC's own font, not the window's
}
