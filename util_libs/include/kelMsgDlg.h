/** @file
 * Native message dialogs: error, warning and information messages (modal boxes or modeless
 * windows), questions, the about box, status windows, the fatal exit dialog, and the base class
 * of the library's self-deleting modeless dialogs. Texts use LF line ends. */
#ifndef KELMSGDLG_H
#define KELMSGDLG_H

#include "kelcore.h"

/**
 * @defgroup kel_messages Native message dialogs
 * Error, warning and information messages (modal boxes, or modeless windows while
 * kelMsgDlgModalFlag is 0), questions answered through callbacks, the about box, status windows,
 * the fatal exit box, and the base class of the library's self-deleting modeless dialogs. Texts use
 * LF line ends. The message window and the about box are made from the library's template 28433
 * (English and Japanese).
 *
 * @catalogue ERROR, WARNING, INFORMATION (the titles), SAVE_QUESTION, SAVE_BEFORE_CLOSING,
 * ERROR_EXIT
 *
 * @par Example
 * @code
 * KelError("Cannot open %s", path);          // modal box titled "Error"; returns NULL after OK
 * kelMsgDlgModalFlag = 0;
 * KelInform("Polling %d nodes", count);      // a modeless window; returns at once
 * KelGetUserOK("Delete Node", "Delete router1?", deleteNode, node);
 * @endcode
 * @{
 */

/** Nonzero (the default): KelError, KelWarn and KelInform show modal message boxes; 0: modeless
 * message windows that return at once. Read at every call. */
extern KEL_API int kelMsgDlgModalFlag;

#define KEL_MSG_BUFFER 4096 /**< a formatted message is cut at 4095 bytes */

typedef void (*KelMsgDlgCloseProc)();
typedef void (*KelCleanupProc)(int);

/** printf-style; the result is always null. */
KEL_API Widget KelError(const char *format, ...);
KEL_API Widget KelWarn(const char *format, ...);
KEL_API Widget KelInform(const char *format, ...);
/** Always modal; the icon is a resource of the application. */
KEL_API Widget KelAbout(int iconResourceId, const char *title, const char *format, ...);

/** A message window whose text can be replaced while it stays open; closeProc runs once when the
 * user has closed it (the window is gone then). */
KEL_API CWnd *KelStatusDlgCreate(const char *standardIconName, const char *title, KelMsgDlgCloseProc closeProc);
KEL_API void KelStatusDlgUpdate(CWnd *statusWindow, const char *text);

/** OK/Cancel questions: note the order of title and message. Callbacks get (null, data, null). */
KEL_API void KelGetUserOK(const char *title, const char *message, XtCallbackProc callback, XtPointer clientData);
KEL_API void KelConfirm(const char *message, const char *title, XtCallbackProc okCallback, XtPointer okData,
                        XtCallbackProc cancelCallback, XtPointer cancelData);
/** Yes saves, No discards, Cancel does neither. */
KEL_API void KelAskToSaveOrClose(const char *configurationName, XtCallbackProc yesCallback, XtCallbackProc noCallback);

/** Shows the message in an "Error Exit" box, runs cleanup(1) and exits with status 1. */
[[noreturn]] KEL_API void KelTellUserThenExit(KelCleanupProc cleanup, void *unused, const char *format, ...);
[[noreturn]] KEL_API void kel_internal_error_str(KelCleanupProc cleanup, const char *message, const char *file, int line);

/** Sets the message of a dialog made from the message template and fits the dialog to it. */
KEL_API void KelMsgDlgSetText(CDialog *dialog, const char *text);

/** A modeless message window; made on the heap, it deletes itself when closed. */
class KEL_API CKelMsgDlg : public CDialog {
public:
    explicit CKelMsgDlg(CWnd *parent = nullptr);
    /* A standard icon (IDI_HAND, ...) or an icon resource of the application. */
    void Create(const char *standardIconName, const char *text, const char *title, CWnd *owner);
    void Create(int iconResourceId, const char *text, const char *title, CWnd *owner);
    void SetCallback(KelMsgDlgCloseProc closeProc) { closeCallback = closeProc; }

protected:
    void OnCancel() override;
    void PostNcDestroy() override;

private:
    void createWith(HICON icon, const char *text, const char *title, CWnd *owner);
    KelMsgDlgCloseProc closeCallback;
};

/** The modal message dialog of KelAbout; prepared with InitFromDll. */
class KEL_API CKelMsgModalDlg : public CDialog {
public:
    CKelMsgModalDlg(const char *title, const char *text, HICON icon);
    BOOL OnInitDialog() override;

private:
    CString title;
    CString text;
    HICON icon;
};

/** The base of modeless dialogs that delete themselves when their window goes. */
class KEL_API CKelMlDialog : public CDialog {
public:
    CKelMlDialog() = default;
    explicit CKelMlDialog(UINT templateId, CWnd *parent = nullptr) : CDialog(templateId, parent) {}

protected:
    void OnOK() override;
    void OnCancel() override;
    void PostNcDestroy() override;
};

/** A heap copy of n strings, and its release. */
KEL_API unsigned char **KelStringTableCopy(int n, unsigned char **table);
KEL_API void KelStringTableFree(int n, unsigned char **table);
/** Posts to the application's main window; 1 when there is one to post to. */
KEL_API int KelPostMsgToApp(unsigned int message, WPARAM wParam, LPARAM lParam);
/** Empties a tree control with one repaint; 1 when the items were deleted. */
KEL_API int KelClearMibTree(CWnd *dialog, int treeId);

/** @} */

#endif
