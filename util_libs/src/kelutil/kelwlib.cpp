// Motif-style operations over the native edit, check box, combo box, slider and scroll bar
// controls, and the string, colour and cursor helpers.
#include "kelwlib.h"

#include "kelSLabel.h"
#include "kelutilP.h"

#include <afxcmn.h>
#include <cstdlib>
#include <cstring>

void KelTextSetString(CWnd *w, const char *text)
{
    if (text == nullptr) {
        text = "";
    }
    if (strchr(text, '\n') == nullptr) {
        w->SetWindowText(text);
        return;
    }
    size_t lines = 0;
    for (const char *p = text; *p != '\0'; p++) {
        lines += *p == '\n';
    }
    char *converted = static_cast<char *>(malloc(strlen(text) + lines + 1));
    if (converted == nullptr) {
        KelCriticalErrorHandler(0);
    }
    char *out = converted;
    for (const char *p = text; *p != '\0'; p++) {
        if (*p == '\n') {
            *out++ = '\r';
        }
        *out++ = *p;
    }
    *out = '\0';
    w->SetWindowText(converted);
    free(converted);
}

char *KelTextGetString(CWnd *w)
{
    int length = w->GetWindowTextLength();
    char *text = static_cast<char *>(malloc(length + 1));
    if (text == nullptr) {
        KelCriticalErrorHandler(0);
    }
    text[0] = '\0';
    w->GetWindowText(text, length + 1);
    // CR LF back to LF; a CR on its own stays.
    char *out = text;
    for (const char *p = text; *p != '\0'; p++) {
        if (!(p[0] == '\r' && p[1] == '\n')) {
            *out++ = *p;
        }
    }
    *out = '\0';
    return text;
}

void KelTextSetInsertionPosition(CWnd *w, int position)
{
    static_cast<CEdit *>(w)->SetSel(position, position, FALSE);
}

void KelTextSetEditable(CWnd *w, int editable)
{
    static_cast<CEdit *>(w)->SetReadOnly(!editable);
}

int KelTextGetEditable(CWnd *w)
{
    return (w->GetStyle() & ES_READONLY) == 0 ? 1 : 0;
}

void KelTextSetMaxLength(CWnd *w, int maxLength)
{
    static_cast<CEdit *>(w)->LimitText(maxLength);
}

void KelTextSetPasswordMode(CWnd *w, int on)
{
    if (on) {
        w->ModifyStyle(0, ES_PASSWORD);
        static_cast<CEdit *>(w)->SetPasswordChar('*');
    } else {
        w->ModifyStyle(ES_PASSWORD, 0);
    }
}

void KelToggleButtonSetState(CWnd *w, int state, int notify)
{
    static_cast<CButton *>(w)->SetCheck(state != 0);
    if (notify) {
        w->GetParent()->SendMessage(WM_COMMAND, MAKEWPARAM(w->GetDlgCtrlID() & 0xFFFF, BN_CLICKED),
                                    reinterpret_cast<LPARAM>(w->m_hWnd));
    }
}

int KelToggleButtonGetState(CWnd *w)
{
    return static_cast<CButton *>(w)->GetCheck();
}

namespace {
CComboBox *combo(CWnd *w)
{
    return static_cast<CComboBox *>(w);
}

int checkedAdd(int result)
{
    if (result == CB_ERRSPACE) {
        KelCriticalErrorHandler(0);
    }
    if (result < 0) {
        KelInternalErrorHandler();
    }
    return result;
}

int findExact(CWnd *w, const char *text)
{
    int index = combo(w)->FindStringExact(-1, text);
    if (index == CB_ERR) {
        KelInternalErrorHandler();
    }
    return index;
}
} // namespace

void KelComboBoxSetCurSel(CWnd *w, int index)
{
    if (index < 0) {
        combo(w)->SetCurSel(-1);
    } else if (combo(w)->SetCurSel(index) != index) {
        KelInternalErrorHandler();
    }
}

int KelComboBoxGetCurSel(CWnd *w)
{
    return combo(w)->GetCurSel();
}

void KelComboBoxAddItem(CWnd *w, const char *text)
{
    checkedAdd(combo(w)->InsertString(-1, text));
}

void KelComboBoxSortAddItem(CWnd *w, const char *text)
{
    checkedAdd(combo(w)->AddString(text));
}

void KelComboBoxAddItemWithKey(CWnd *w, const char *text, void *key)
{
    int index = checkedAdd(combo(w)->InsertString(-1, text));
    if (combo(w)->SetItemDataPtr(index, key) == CB_ERR) {
        KelInternalErrorHandler();
    }
}

int KelComboBoxKeyToIndex(CWnd *w, void *key)
{
    int count = combo(w)->GetCount();
    for (int i = 0; i < count; i++) {
        DWORD_PTR data = combo(w)->GetItemData(i);
        if (data == static_cast<DWORD_PTR>(CB_ERR)) {
            KelInternalErrorHandler();
        }
        if (reinterpret_cast<void *>(data) == key) {
            return i;
        }
    }
    return -1;
}

void KelComboBoxSelectItem(CWnd *w, const char *text)
{
    combo(w)->SetCurSel(findExact(w, text));
}

void KelComboBoxDeleteItem(CWnd *w, const char *text)
{
    KelComboBoxDeletePos(w, findExact(w, text));
}

void KelComboBoxDeletePos(CWnd *w, int index)
{
    int selected = combo(w)->GetCurSel();
    if (index == selected) {
        combo(w)->SetCurSel(0);
    }
    combo(w)->DeleteString(index);
    if (index < selected) {
        combo(w)->SetCurSel(selected - 1);
    }
}

void KelComboBoxDeleteAllItems(CWnd *w)
{
    combo(w)->ResetContent();
}

void KelSliderSetRange(CWnd *w, int min, int max)
{
    static_cast<CSliderCtrl *>(w)->SetRange(min, max, TRUE);
}

int KelSliderGetPos(CWnd *w)
{
    return static_cast<CSliderCtrl *>(w)->GetPos();
}

void KelSliderSetPos(CWnd *w, int position)
{
    static_cast<CSliderCtrl *>(w)->SetPos(position);
}

void KelSliderSetIncrement(CWnd *w, int increment)
{
    static_cast<CSliderCtrl *>(w)->SetLineSize(increment);
}

void KelSliderSetPageIncrement(CWnd *w, int increment)
{
    static_cast<CSliderCtrl *>(w)->SetPageSize(increment);
}

namespace {
const int scrollLimit = 32767; // the native scroll bar's positions are 16-bit
}

void KelScrollBarSetValues(CWnd *bar, int min, int max, int value, int sliderSize)
{
    long long range = static_cast<long long>(max) - min;
    long long page;
    long long position;
    SCROLLINFO info = {};
    info.fMask = SIF_RANGE | SIF_PAGE | SIF_POS;
    info.nMin = 0;
    if (range < scrollLimit + 1) {
        info.nMax = static_cast<int>(range);
        page = static_cast<long long>(sliderSize) + 1;
        position = static_cast<long long>(value) - min;
    } else {
        info.nMax = scrollLimit;
        page = static_cast<long long>(static_cast<double>(sliderSize) * scrollLimit / range + 0.5);
        position = static_cast<long long>((static_cast<double>(value) - min) * scrollLimit / range + 0.5);
    }
    info.nPage = static_cast<UINT>(page < 0 ? 0 : page > scrollLimit ? scrollLimit : page);
    info.nPos = static_cast<int>(position < 0 ? 0 : position > scrollLimit ? scrollLimit : position);
    static_cast<CScrollBar *>(bar)->SetScrollInfo(&info, TRUE);
}

int KelScrollBarGetPos(CWnd *bar, int min, int max)
{
    int p = static_cast<CScrollBar *>(bar)->GetScrollPos();
    long long range = static_cast<long long>(max) - min;
    if (range >= scrollLimit + 1) {
        return static_cast<int>(static_cast<double>(p) * range / scrollLimit + 0.5) + min;
    }
    return p + min;
}

void KelScrollBarDoSlide(CScrollBar *bar, int scrollCode, int thumbPosition)
{
    SCROLLINFO info = {};
    bar->GetScrollInfo(&info, SIF_ALL);
    int position = info.nPos;
    switch (scrollCode) {
    case SB_LINEUP:
        position--;
        break;
    case SB_LINEDOWN:
        position++;
        break;
    case SB_PAGEUP:
        position -= static_cast<int>(info.nPage);
        break;
    case SB_PAGEDOWN:
        position += static_cast<int>(info.nPage);
        break;
    case SB_THUMBPOSITION:
    case SB_THUMBTRACK:
        position = thumbPosition;
        break;
    default:
        break;
    }
    bar->SetScrollPos(position, TRUE); // the control keeps it within its range
}

char *KelGetTitle(CWnd *w)
{
    return KelTextGetString(w);
}

void KelSetTitle(CWnd *w, const char *title)
{
    KelTextSetString(w, title);
}

unsigned char *KelGetLabel(CWnd *w)
{
    return reinterpret_cast<unsigned char *>(KelTextGetString(w));
}

void KelSetLabel(CWnd *w, const unsigned char *label)
{
    w->SetWindowText(reinterpret_cast<const char *>(label));
}

void KelRemoveMenuItem(CWnd *frame, int commandId)
{
    CMenu *menu = frame->GetMenu();
    if (menu != nullptr) {
        menu->RemoveMenu(commandId, MF_BYCOMMAND);
    }
    frame->DrawMenuBar();
}

void KelColorButtonSetColor(CWnd *w, COLORREF color)
{
    if (!w->IsKindOf(RUNTIME_CLASS(CKelColorButton))) {
        KelImpossibleErrorHandler(); // not a subclassed colour button
    }
    static_cast<CKelColorButton *>(w)->SetColor(color);
}

unsigned char *KelGetString(const char *text)
{
    char *copy = strdup(text != nullptr ? text : "");
    if (copy == nullptr) {
        KelCriticalErrorHandler(0);
    }
    return reinterpret_cast<unsigned char *>(copy);
}

unsigned char *KelStringConcat(const unsigned char *a, const unsigned char *b)
{
    const char *first = a != nullptr ? reinterpret_cast<const char *>(a) : "";
    const char *second = b != nullptr ? reinterpret_cast<const char *>(b) : "";
    size_t n = strlen(first);
    char *joined = static_cast<char *>(malloc(n + strlen(second) + 1));
    if (joined == nullptr) {
        KelCriticalErrorHandler(0);
    }
    strcpy(joined, first);
    strcpy(joined + n, second);
    return reinterpret_cast<unsigned char *>(joined);
}

void KelStringFree(unsigned char *s)
{
    free(s);
}

void KelStringFree(char *s)
{
    free(s);
}

void KelBell()
{
    MessageBeep(0xFFFFFFFF);
}

COLORREF KelSystemColorWindowForeground()
{
    return GetSysColor(COLOR_WINDOWTEXT);
}

COLORREF KelSystemColorWindowBackground()
{
    return GetSysColor(COLOR_WINDOW);
}

namespace {
int waitingCursor = 0;
}

void KelSetCursorForWaiting(int on)
{
    if (on && waitingCursor == 0) {
        waitingCursor = 1;
        kelApp()->DoWaitCursor(1);
    } else if (!on && waitingCursor == 1) {
        kelApp()->DoWaitCursor(-1);
        waitingCursor = 0;
    }
}
