// The "Describe Event" dialog: twenty label/value rows in the template, of which the rows used
// stay, the description block moved up under them and the dialog shortened to match.
#include "kelDescEvent.h"

#include "kelTemplates.h"
#include "kelwlib.h"

#include "cv.h"

#include <initializer_list>
#include <new>

namespace {

const int kHelpContext = 1930;

// A control's rectangle in its dialog's client coordinates.
CRect childRect(CWnd *dialog, CWnd *child)
{
    CRect r;
    child->GetWindowRect(&r);
    dialog->ScreenToClient(&r);
    return r;
}

void moveBy(CWnd *dialog, int id, int dx, int dy)
{
    CWnd *child = dialog->GetDlgItem(id);
    if (child != nullptr) {
        CRect r = childRect(dialog, child);
        child->SetWindowPos(nullptr, r.left + dx, r.top + dy, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    }
}

void growBy(CWnd *dialog, int id, int dx)
{
    CWnd *child = dialog->GetDlgItem(id);
    if (child != nullptr) {
        CRect r = childRect(dialog, child);
        child->SetWindowPos(nullptr, 0, 0, r.Width() + dx, r.Height(), SWP_NOMOVE | SWP_NOZORDER);
    }
}

} // namespace

CKelEvDescDlg::CKelEvDescDlg() = default;

int CKelEvDescDlg::OpenWindow(int count, const char *description)
{
    if (!CreateFromDll(this, IDD_KEL_EVDESC, nullptr)) {
        return 0;
    }
    count = count < 0 ? 0 : count > KEL_EVDESC_ROWS ? KEL_EVDESC_ROWS : count;
    valueBaseWidth = childRect(this, GetDlgItem(IDC_KEL_EVDESC_VALUE0)).Width();
    for (int i = count; i < KEL_EVDESC_ROWS; i++) {
        KelHide(GetDlgItem(IDC_KEL_EVDESC_LABEL0 + i));
        KelHide(GetDlgItem(IDC_KEL_EVDESC_VALUE0 + i));
    }
    int shift = 0;
    if (count < KEL_EVDESC_ROWS) {
        // Up by the distance from the description's label to the first unused row's label.
        shift = childRect(this, GetDlgItem(IDC_KEL_EVDESC_TEXTLABEL)).top -
                childRect(this, GetDlgItem(IDC_KEL_EVDESC_LABEL0 + count)).top;
        for (int id : {IDC_KEL_EVDESC_TEXTLABEL, IDC_KEL_EVDESC_TEXT, IDCANCEL, IDC_KEL_EVDESC_HELP}) {
            moveBy(this, id, 0, -shift);
            KelShow(GetDlgItem(id));
        }
    }
    KelTextSetString(GetDlgItem(IDC_KEL_EVDESC_TEXT), description);
    CRect window;
    GetWindowRect(&window);
    SetWindowPos(&wndTop, 0, 0, window.Width(), window.Height() - shift, SWP_NOMOVE | SWP_SHOWWINDOW);
    return 1;
}

void CKelEvDescDlg::SetLabelEdit(int i, const char *label, const char *value)
{
    if (m_hWnd == nullptr || i < 0 || i >= KEL_EVDESC_ROWS) {
        return;
    }
    CWnd *labelControl = GetDlgItem(IDC_KEL_EVDESC_LABEL0 + i);
    CWnd *valueControl = GetDlgItem(IDC_KEL_EVDESC_VALUE0 + i);
    labelControl->SetWindowText(label != nullptr ? label : "");
    KelTextSetString(valueControl, value);
    int labelWidth = 0, valueWidth = 0, height = 0;
    KelGetTextExtent(labelControl, label != nullptr ? label : "", &labelWidth, &height);
    KelGetTextExtent(valueControl, value != nullptr ? value : "", &valueWidth, &height);
    widen(labelWidth, valueWidth);
}

// The label column takes the widest label, so that none is cut; the value column grows with the
// longest value while the dialog stays within three fifths of the screen (longer values scroll
// in their fields). The description block and the dialog grow with them, the buttons stay
// centred.
void CKelEvDescDlg::widen(int labelWidth, int valueWidth)
{
    int labelGrow = labelWidth - childRect(this, GetDlgItem(IDC_KEL_EVDESC_LABEL0)).Width();
    labelGrow = labelGrow > 0 ? labelGrow : 0;
    CWnd *value0 = GetDlgItem(IDC_KEL_EVDESC_VALUE0);
    CRect field = childRect(this, value0), client;
    value0->GetClientRect(&client);
    DWORD margins = static_cast<DWORD>(value0->SendMessage(EM_GETMARGINS));
    // The width the field needs for the value: its frame and margins around the text.
    int wanted = valueWidth + field.Width() - client.Width() + LOWORD(margins) + HIWORD(margins);
    wanted = wanted > field.Width() ? wanted : field.Width();
    // Labels are never cut; the values give back what the labels take beyond the limit, down to
    // the template's width.
    CRect window;
    GetWindowRect(&window);
    int limit = GetSystemMetrics(SM_CXSCREEN) * 3 / 5 - (window.Width() + labelGrow - field.Width());
    wanted = wanted < limit ? wanted : limit;
    wanted = wanted > valueBaseWidth ? wanted : valueBaseWidth;
    int valueGrow = wanted - field.Width();
    int grow = labelGrow + valueGrow;
    if (labelGrow == 0 && valueGrow == 0) {
        return;
    }
    for (int i = 0; i < KEL_EVDESC_ROWS; i++) {
        growBy(this, IDC_KEL_EVDESC_LABEL0 + i, labelGrow);
        moveBy(this, IDC_KEL_EVDESC_VALUE0 + i, labelGrow, 0);
        growBy(this, IDC_KEL_EVDESC_VALUE0 + i, valueGrow);
    }
    growBy(this, IDC_KEL_EVDESC_TEXTLABEL, grow);
    growBy(this, IDC_KEL_EVDESC_TEXT, grow);
    moveBy(this, IDCANCEL, grow / 2, 0);
    moveBy(this, IDC_KEL_EVDESC_HELP, grow / 2, 0);
    SetWindowPos(nullptr, 0, 0, window.Width() + grow, window.Height(), SWP_NOMOVE | SWP_NOZORDER);
    Invalidate(TRUE);
}

void CKelEvDescDlg::OnEvDescHelp()
{
    ::WinHelpA(m_hWnd, _CVBuildPath("%CV_PATH%\\help", "zbr.hlp", 1), HELP_CONTEXT, kHelpContext);
}

BOOL CKelEvDescDlg::OnCommand(WPARAM wParam, LPARAM lParam)
{
    if (LOWORD(wParam) == IDC_KEL_EVDESC_HELP && HIWORD(wParam) == BN_CLICKED) {
        OnEvDescHelp();
        return TRUE;
    }
    return CKelMlDialog::OnCommand(wParam, lParam);
}

CKelEvDescDlg *KelEventDescDlgCreate(int count, const char *description)
{
    auto *dialog = new (std::nothrow) CKelEvDescDlg();
    if (dialog != nullptr) {
        dialog->OpenWindow(count, description);
    }
    return dialog;
}

void KelEventDescSetLabelEdit(CKelEvDescDlg *dialog, int i, const char *label, const char *value)
{
    dialog->SetLabelEdit(i, label, value);
}
