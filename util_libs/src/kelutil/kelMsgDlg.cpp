// Message boxes and message windows of the native half. Titles come from the message catalogue.
#include "kelMsgDlg.h"

#include "kelres.h"
#include "kelutilP.h"
#include "cvMsgIds.h"

#include <algorithm>
#include <cstdarg>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <new>

int kelMsgDlgModalFlag = 1;

namespace {

// One buffer per kind of message: a modal box's text, a modeless window's, the about box's.
char modalText[KEL_MSG_BUFFER];
char modelessText[KEL_MSG_BUFFER];
char aboutText[KEL_MSG_BUFFER];

void formatInto(char *buffer, const char *format, va_list args)
{
    vsnprintf(buffer, KEL_MSG_BUFFER, format, args);
}

// No owner without a main window; else the active window, else the main window.
CWnd *messageOwner()
{
    CWnd *main = AfxGetMainWnd();
    if (main == nullptr) {
        return nullptr;
    }
    CWnd *active = CWnd::GetActiveWindow();
    return active != nullptr ? active : main;
}

int messageBox(const char *text, const char *title, UINT flags)
{
    CWnd *owner = messageOwner();
    return owner != nullptr ? owner->MessageBox(text, title, flags) : ::MessageBoxA(nullptr, text, title, flags);
}

Widget showMessage(CvMsgId titleText, UINT boxIcon, LPCSTR windowIcon, const char *format,
                   va_list args)
{
    const char *title = cvMsg(titleText);
    if (kelMsgDlgModalFlag) {
        formatInto(modalText, format, args);
        messageBox(modalText, title, boxIcon);
        return nullptr;
    }
    formatInto(modelessText, format, args);
    CWnd *owner = messageOwner();
    auto *dialog = new (std::nothrow) CKelMsgDlg(owner);
    if (dialog == nullptr) {
        KelCriticalErrorHandler(0);
    }
    dialog->Create(windowIcon, modelessText, title, owner);
    dialog->CenterWindow();
    dialog->ShowWindow(SW_SHOWNORMAL);
    return nullptr;
}

} // namespace

Widget KelError(const char *format, ...)
{
    va_list args;
    va_start(args, format);
    showMessage(CVMSG_ERROR, MB_ICONHAND, IDI_HAND, format, args);
    va_end(args);
    return nullptr;
}

Widget KelWarn(const char *format, ...)
{
    va_list args;
    va_start(args, format);
    showMessage(CVMSG_WARNING, MB_ICONEXCLAMATION, IDI_EXCLAMATION, format, args);
    va_end(args);
    return nullptr;
}

Widget KelInform(const char *format, ...)
{
    va_list args;
    va_start(args, format);
    showMessage(CVMSG_INFORMATION, MB_ICONASTERISK, IDI_ASTERISK, format, args);
    va_end(args);
    return nullptr;
}

Widget KelAbout(int iconResourceId, const char *title, const char *format, ...)
{
    va_list args;
    va_start(args, format);
    formatInto(aboutText, format, args);
    va_end(args);
    CKelMsgModalDlg dialog(title, aboutText, kelApp()->LoadIcon(iconResourceId));
    if (InitFromDll(&dialog, IDD_KEL_MSGDLG, messageOwner())) {
        dialog.DoModal();
    }
    return nullptr;
}

CWnd *KelStatusDlgCreate(const char *standardIconName, const char *title, KelMsgDlgCloseProc closeProc)
{
    CWnd *owner = messageOwner();
    auto *dialog = new (std::nothrow) CKelMsgDlg(owner);
    if (dialog == nullptr) {
        return nullptr;
    }
    dialog->SetCallback(closeProc);
    dialog->Create(standardIconName, "", title, owner);
    dialog->CenterWindow();
    dialog->ShowWindow(SW_SHOWNORMAL);
    return dialog;
}

void KelStatusDlgUpdate(CWnd *statusWindow, const char *text)
{
    KelMsgDlgSetText(static_cast<CDialog *>(statusWindow), text);
}

void KelGetUserOK(const char *title, const char *message, XtCallbackProc callback, XtPointer clientData)
{
    if (messageBox(message, title, MB_OKCANCEL | MB_ICONQUESTION) == IDOK && callback != nullptr) {
        callback(nullptr, clientData, nullptr);
    }
}

void KelConfirm(const char *message, const char *title, XtCallbackProc okCallback, XtPointer okData,
                XtCallbackProc cancelCallback, XtPointer cancelData)
{
    switch (messageBox(message, title, MB_OKCANCEL | MB_ICONQUESTION)) {
    case 0:
        KelCriticalErrorHandler(0); // the box could not be shown
    case IDOK:
        if (okCallback != nullptr) {
            okCallback(nullptr, okData, nullptr);
        }
        break;
    case IDCANCEL:
        if (cancelCallback != nullptr) {
            cancelCallback(nullptr, cancelData, nullptr);
        }
        break;
    }
}

void KelAskToSaveOrClose(const char *configurationName, XtCallbackProc yesCallback, XtCallbackProc noCallback)
{
    snprintf(modalText, sizeof modalText,
             cvMsg(CVMSG_SAVE_QUESTION),
             configurationName);
    int answer = messageBox(modalText, cvMsg(CVMSG_SAVE_BEFORE_CLOSING), MB_YESNOCANCEL);
    if (answer == IDYES && yesCallback != nullptr) {
        yesCallback(nullptr, nullptr, nullptr);
    } else if (answer == IDNO && noCallback != nullptr) {
        noCallback(nullptr, nullptr, nullptr);
    }
}

void KelTellUserThenExit(KelCleanupProc cleanup, void *, const char *format, ...)
{
    CWnd *main = AfxGetMainWnd();
    if (main != nullptr && main->m_hWnd != nullptr && main->IsWindowEnabled()) {
        main->SetActiveWindow();
    }
    va_list args;
    va_start(args, format);
    formatInto(modalText, format, args);
    va_end(args);
    messageBox(modalText, cvMsg(CVMSG_ERROR_EXIT), MB_ICONHAND);
    if (cleanup != nullptr) {
        cleanup(1);
    }
    exit(1);
}

void kel_internal_error_str(KelCleanupProc cleanup, const char *message, const char *file, int line)
{
    bool hasMessage = message != nullptr && *message != '\0';
    KelTellUserThenExit(cleanup, nullptr, "INTERNAL ERROR at: %s:%d.\n%s%s", file, line, hasMessage ? message : "",
                        hasMessage ? "\n" : "");
}

void KelMsgDlgSetText(CDialog *dialog, const char *text)
{
    CWnd *label = dialog->GetDlgItem(IDC_KEL_MSGTEXT);
    label->SetWindowText(text);

    // The text's size in the label's own font: the widest line, and the lines' heights added up
    // (an empty line as high as "A").
    CDC *dc = label->GetDC();
    CFont *font = label->GetFont();
    CFont *previous = font != nullptr ? dc->SelectObject(font) : nullptr;
    int width = 0;
    int height = 0;
    for (const char *line = text;;) {
        const char *end = strchr(line, '\n');
        int length = end != nullptr ? static_cast<int>(end - line) : static_cast<int>(strlen(line));
        CSize size = length > 0 ? dc->GetTextExtent(line, length) : dc->GetTextExtent("A", 1);
        if (length > 0) {
            width = std::max(width, static_cast<int>(size.cx));
        }
        height += size.cy;
        if (end == nullptr) {
            break;
        }
        line = end + 1;
    }
    if (previous != nullptr) {
        dc->SelectObject(previous);
    }
    label->ReleaseDC(dc);

    CRect client;
    label->GetClientRect(&client);
    int dx = width - client.Width();
    int dy = height - client.Height();

    CRect r;
    dialog->GetWindowRect(&r);
    dialog->SetWindowPos(nullptr, 0, 0, r.Width() + dx, r.Height() + dy, SWP_NOMOVE | SWP_NOZORDER);
    label->GetWindowRect(&r);
    label->SetWindowPos(nullptr, 0, 0, r.Width() + dx, r.Height() + dy, SWP_NOMOVE | SWP_NOZORDER);

    // The button stays centred below the text, the icon centred beside it.
    auto moveBy = [dialog](int id, int mx, int my) {
        CWnd *control = dialog->GetDlgItem(id);
        CRect rc;
        control->GetWindowRect(&rc);
        dialog->ScreenToClient(&rc);
        control->SetWindowPos(nullptr, rc.left + mx, rc.top + my, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    };
    moveBy(IDCANCEL, dx / 2, dy);
    moveBy(IDC_KEL_MSGICON, 0, dy / 2);
}

CKelMsgDlg::CKelMsgDlg(CWnd *parent) : CDialog(IDD_KEL_MSGDLG, parent), closeCallback(nullptr) {}

void CKelMsgDlg::createWith(HICON icon, const char *text, const char *title, CWnd *owner)
{
    if (!CreateFromDll(this, IDD_KEL_MSGDLG, owner)) {
        KelInternalErrorHandler();
    }
    SetWindowText(title);
    KelMsgDlgSetText(this, text);
    SendDlgItemMessage(IDC_KEL_MSGICON, STM_SETICON, reinterpret_cast<WPARAM>(icon));
}

void CKelMsgDlg::Create(const char *standardIconName, const char *text, const char *title, CWnd *owner)
{
    createWith(::LoadIconA(nullptr, standardIconName), text, title, owner);
}

void CKelMsgDlg::Create(int iconResourceId, const char *text, const char *title, CWnd *owner)
{
    LPCSTR name = MAKEINTRESOURCEA(iconResourceId);
    createWith(::LoadIconA(AfxFindResourceHandle(name, RT_GROUP_ICON), name), text, title, owner);
}

void CKelMsgDlg::OnCancel()
{
    DestroyWindow(); // the "OK" button has the id IDCANCEL
}

void CKelMsgDlg::PostNcDestroy()
{
    if (closeCallback != nullptr) {
        closeCallback();
    }
    delete this;
}

CKelMsgModalDlg::CKelMsgModalDlg(const char *t, const char *m, HICON i) : title(t), text(m), icon(i) {}

BOOL CKelMsgModalDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    SetWindowText(title);
    KelMsgDlgSetText(this, text);
    SendDlgItemMessage(IDC_KEL_MSGICON, STM_SETICON, reinterpret_cast<WPARAM>(icon));
    CenterWindow();
    return 1;
}
