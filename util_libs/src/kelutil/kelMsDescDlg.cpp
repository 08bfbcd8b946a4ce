// The selector's description windows: one modeless window per described object, kept in a queue
// so that the selector can close them all when it is popped down.
#include "kelMibSel.h"
#include "kelMibSelP.h"
#include "kelwlib.h"

#include "cvMsgIds.h"
#include "kelres.h"
#include "msDescribe.h"
#include "mibSelCore.h"

#include <cstdlib>
#include <cstring>
#include <new>
#include <string>

namespace {

// One open window in the selector's care. A node that left the queue (a resynchronisation forgot
// the queue) is still freed when its window closes, but touches the queue no more.
struct DescNode {
    DescNode *next;
    DescNode *prev;
    CKelMsDescDlg *window;
    bool queued;
};

DescNode *head = nullptr;
DescNode *tail = nullptr;
int queued = 0;

CFont *descriptionFont = nullptr;

// The fixed-pitch font of the description fields, made once for the process: MS Gothic on a
// Japanese system, Courier New elsewhere.
CFont *fontForDescriptions()
{
    if (descriptionFont != nullptr) {
        return descriptionFont;
    }
    LOGFONTA lf = {};
    char language[64] = "";
    GetLocaleInfoA(LOCALE_SYSTEM_DEFAULT, LOCALE_SENGLANGUAGE, language, sizeof language);
    if (strcmp(language, "Japanese") == 0) {
        static const char msGothic[] = "\x82\x6c\x82\x72\x20\x83\x53\x83\x56\x83\x62\x83\x4e";
        lf.lfHeight = -14;
        lf.lfCharSet = SHIFTJIS_CHARSET;
        strcpy(lf.lfFaceName, msGothic);
    } else {
        lf.lfHeight = -11;
        strcpy(lf.lfFaceName, "Courier New");
    }
    lf.lfWeight = FW_NORMAL;
    auto *font = new (std::nothrow) CFont();
    if (font != nullptr && !font->CreateFontIndirect(&lf)) {
        delete font;
        font = nullptr;
    }
    descriptionFont = font;
    return font;
}

void setText(CWnd *dialog, int id, const std::string &text)
{
    if (CWnd *field = dialog->GetDlgItem(id)) {
        KelTextSetString(field, text.c_str());
    }
}

void fill(CKelMsDescDlg *w, const MsDescription &d)
{
    if (CWnd *text = w->GetDlgItem(IDC_KEL_MSDESC_TEXT)) {
        if (CFont *font = fontForDescriptions()) {
            text->SetFont(font, FALSE);
        }
    }
    w->SetWindowText(cvMsg(d.expression ? CVMSG_DESC_EXPRESSION_TITLE : CVMSG_DESC_MIB_VARIABLE_TITLE));
    setText(w, IDC_KEL_MSDESC_NAME, d.name);
    if (d.expression) {
        setText(w, IDC_KEL_MSDESC_EQUATION, d.equation);
    } else {
        setText(w, IDC_KEL_MSDESC_OID, d.objectId);
        setText(w, IDC_KEL_MSDESC_TYPE, d.type);
        setText(w, IDC_KEL_MSDESC_ACCESS, d.access);
    }
    if (CWnd *list = w->GetDlgItem(IDC_KEL_MSDESC_ENUMS)) {
        // A long list is filled with drawing off, and measured once for its scroll width.
        list->SendMessage(WM_SETREDRAW, FALSE);
        int widest = 0;
        for (const std::string &line : d.enums) {
            list->SendMessage(LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(line.c_str()));
            int width = 0, height = 0;
            KelGetTextExtent(list, line.c_str(), &width, &height);
            widest = width > widest ? width : widest;
        }
        list->SendMessage(LB_SETHORIZONTALEXTENT, static_cast<WPARAM>(widest + 8));
        list->SendMessage(WM_SETREDRAW, TRUE);
    }
    setText(w, IDC_KEL_MSDESC_TEXT, d.description);
}

// The close callback of a queued window: hides and destroys it, then leaves the queue.
void removeWindow(void *data)
{
    auto *node = static_cast<DescNode *>(data);
    CKelMsDescDlg *window = node->window;
    window->ShowWindow(SW_HIDE);
    window->DestroyWindow();
    if (node->queued) {
        (node->prev != nullptr ? node->prev->next : head) = node->next;
        (node->next != nullptr ? node->next->prev : tail) = node->prev;
        queued--;
    }
    free(node);
    delete window;
}

bool enqueue(CKelMsDescDlg *window)
{
    auto *node = static_cast<DescNode *>(malloc(sizeof(DescNode)));
    if (node == nullptr) {
        return false;
    }
    *node = DescNode{nullptr, tail, window, true};
    (tail != nullptr ? tail->next : head) = node;
    tail = node;
    queued++;
    window->SetCloseCallback(removeWindow, node);
    return true;
}

// The first window opens beside the selector's dialog, each further one a little below and right
// of the last; one that would leave the screen starts again at its top left corner.
void place(CKelMsDescDlg *window)
{
    CRect own;
    window->GetWindowRect(&own);
    int x = 24;
    int y = 24;
    CRect anchor;
    if (tail != nullptr && tail->window->m_hWnd != nullptr) {
        tail->window->GetWindowRect(&anchor);
        x = anchor.left + 24;
        y = anchor.top + 24;
    } else if (kelMsSelInfo.dialog != nullptr && kelMsSelInfo.dialog->m_hWnd != nullptr) {
        kelMsSelInfo.dialog->GetWindowRect(&anchor);
        x = anchor.right + 8;
        y = anchor.top;
    }
    if (x + own.Width() > GetSystemMetrics(SM_CXSCREEN) || y + own.Height() > GetSystemMetrics(SM_CYSCREEN)) {
        x = 24;
        y = 24;
    }
    window->SetWindowPos(nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

// The chosen objects' descriptions, in order, up to the first that cannot be described.
template <typename Use>
bool describeChosen(Use use)
{
    bool expression = msCoreExpressionMode();
    for (char *n = msGetFirstObjectName(); n != nullptr; n = msGetNextObjectName()) {
        std::string name = n;
        MsDescription d;
        if (msDescribe(name.c_str(), expression, d) != 0) {
            msCoreMessageFunction()(cvMsg(CVMSG_MS_CANNOT_DESCRIBE), name.c_str());
            return false;
        }
        if (!use(d)) {
            return false;
        }
    }
    return true;
}

std::string savedText;

void writeSavedText(FILE *file, const char *)
{
    fputs(savedText.c_str(), file);
}

} // namespace

void CKelMsDescDlg::OnCancel()
{
    if (closeCallback != nullptr) {
        closeCallback(closeData);
    } else {
        CDialog::OnCancel();
    }
}

CKelMsDescDlg *KelDescDlgCreate(int templateId)
{
    auto *dialog = new (std::nothrow) CKelMsDescDlg();
    if (dialog != nullptr && !CreateFromDll(dialog, templateId, nullptr)) {
        delete dialog;
        dialog = nullptr;
    }
    return dialog;
}

CKelMsDescDlg *KelMsDescDlgCreate(int templateId)
{
    return KelDescDlgCreate(templateId);
}

void KelDescDlgSetCallback(CKelMsDescDlg *dialog, CKelMsDescDlg::CloseCallback callback, void *data)
{
    dialog->SetCloseCallback(callback, data);
}

void KelMsDescDlgSetCallback(CKelMsDescDlg *dialog, CKelMsDescDlg::CloseCallback callback, void *data)
{
    dialog->SetCloseCallback(callback, data);
}

void KelMsDescribe()
{
    describeChosen([](const MsDescription &d) {
        CKelMsDescDlg *window = KelMsDescDlgCreate(d.templateId);
        if (window == nullptr) {
            return false;
        }
        fill(window, d);
        place(window);
        if (!enqueue(window)) {
            window->DestroyWindow();
            delete window;
            return false;
        }
        window->SetWindowPos(&CWnd::wndTop, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_SHOWWINDOW);
        return true;
    });
}

int KelMsDescWindowCount()
{
    return queued;
}

void kelMsCloseDescWindows()
{
    while (head != nullptr) {
        removeWindow(head);
    }
}

void kelMsForgetDescWindows()
{
    for (DescNode *n = head; n != nullptr;) {
        DescNode *next = n->next;
        n->queued = false;
        n->next = n->prev = nullptr;
        n = next;
    }
    head = tail = nullptr;
    queued = 0;
}

char *KelMsDescriptionText()
{
    std::string text;
    bool any = false;
    bool whole = describeChosen([&](const MsDescription &d) {
        text += (any ? "\n" : "") + msDescriptionText(d);
        any = true;
        return true;
    });
    return whole && any ? strdup(text.c_str()) : nullptr;
}

void KelMsSaveDescription(CWnd *parent)
{
    if (msGetObjectName() == nullptr) {
        msCoreMessageFunction()("%s", cvMsg(CVMSG_BROWSER_NOTHING_CHOSEN));
        return;
    }
    char *text = KelMsDescriptionText();
    if (text == nullptr) {
        return;
    }
    savedText = text;
    free(text);
    KelSaveDialog(cvMsg(CVMSG_BROWSER_SAVE_TITLE), writeSavedText, parent, "describe.txt", nullptr);
    savedText.clear();
}
