/** @file
 * The native MIB selector over a dialog's controls, and the MIB tree. */
#ifndef KELMIBSEL_H
#define KELMIBSEL_H

#include "kelMulTree.h"
#include "kelcore.h"
#include "mibsel.h"

/**
 * @defgroup ms_native MIB selector: the native panel and the MIB tree
 * The selector of mibsel.h attached to the controls of a native dialog, and the MIB tree
 * control that shows the whole loaded MIB in place of the item list.
 *
 * The dialog holds the selector's controls; KelMsCtrlIds names them. In MIB-object mode the
 * tree is shown and the item list stays hidden: the list still holds the children of the current
 * node and carries the selection, and the tree feeds the user's selections into it. The dialog
 * passes its notifications on: WM_COMMAND LBN_SELCHANGE of the item list to
 * msListSelectionChanged, EN_CHANGE of the object-name field to msNameFieldChanged, and WM_NOTIFY
 * to KelMibTreeDispatchNotify after its base class's OnNotify (which lets the tree control see
 * its own notifications first).
 *
 * @catalogue MS_MIB_LOAD_FAILED (a MIB that cannot be loaded), MS_MIB_FILE_UNREADABLE,
 * MS_CANNOT_DESCRIBE, DESC_MIB_VARIABLE_TITLE, DESC_EXPRESSION_TITLE, DESC_NAME_LABEL ...
 * DESC_DESCRIPTION_LABEL, BROWSER_SAVE_TITLE, BROWSER_NOTHING_CHOSEN
 *
 * A tool's dialog usually makes its selector with KelMsCreateMibSelector and hands its messages
 * to KelMsDispatchCommand and KelMsDispatchNotify; its main window answers KEL_MS_RESYNC_MESSAGE
 * with KelMsResyncMibSelector.
 *
 * @par Example
 * @code
 * const KelMsCtrlIds ids = {panel, idLabel, mibToggle, exprToggle, nameField, tree, list,
 *                           describe, labelField, IDOK, apply, IDCANCEL, help, messages, 1};
 * KelMsCreateMibSelector(this, MS_MULTIPLE_SELECT | MS_ACCEPT_ANY, "Graph - MIB Objects", NULL,
 *                        NULL, done, ids);
 * msPopUp(1, NULL);                           // shows .iso.org.dod.internet
 * // OnCommand: if (KelMsDispatchCommand(wParam)) return TRUE;
 * // OnNotify, after CDialog::OnNotify: KelMsDispatchNotify((NMHDR *) lParam, result)
 * @endcode
 * @{
 */

/** The control ids of a selector, in this order. */
enum KelMsCtrlIndex {
    KEL_MS_ID_PANEL = 0,        /**< kept with the others, not used by the selector */
    KEL_MS_ID_LABEL = 1,        /**< static text before the name field: "MIB Object ID" */
    KEL_MS_ID_MIB_TOGGLE = 2,   /**< radio button: MIB objects (with MS_EXPRESSIONS) */
    KEL_MS_ID_EXPR_TOGGLE = 3,  /**< radio button: expressions (with MS_EXPRESSIONS) */
    KEL_MS_ID_NAME = 4,         /**< edit: the current node */
    KEL_MS_ID_TREE = 5,         /**< tree control: the MIB tree */
    KEL_MS_ID_LIST = 6,         /**< list box: children of the current node, or the expressions */
    KEL_MS_ID_DESCRIBE = 7,     /**< button */
    KEL_MS_ID_LABEL_FIELD = 8,  /**< edit: a label for the chosen object (with MS_LABEL) */
    KEL_MS_ID_OK = 9,
    KEL_MS_ID_APPLY = 10,       /**< with MS_APPLY */
    KEL_MS_ID_CANCEL = 11,
    KEL_MS_ID_HELP = 12,
    KEL_MS_ID_MESSAGES = 13,    /**< list box: the selector's messages */
    KEL_MS_ID_MULTI = 14,       /**< not a control: nonzero makes the tree multi-selecting */
    KEL_MS_ID_COUNT = 15
};
typedef int KelMsCtrlIds[KEL_MS_ID_COUNT];

/** The native half of the selector's record: the panel's controls as pseudo widgets. The rules and
 * the rest of the state (mode, flags, selection state, callbacks) are the portable selector's. */
class KEL_API KelMsSelInfo {
public:
    KelPaseudoWidget mibToggle;
    KelPaseudoWidget exprToggle;
    KelPFrame toggleFrame;
    KelPaseudoWidget idLabel;
    KelPaseudoWidget nameField;
    KelListWidget list;
    KelPaseudoWidget tree;
    KelPaseudoWidget describe;
    CWnd *dialog = nullptr;     /**< the dialog, or null for a selector without OK/Apply/Cancel */
    KelPaseudoWidget labelField;
    KelPaseudoWidget ok;
    KelPaseudoWidget apply;
    KelPaseudoWidget cancel;
    KelPaseudoWidget help;
    KelListWidget *messageList = nullptr;
    KelListWidget messages;
    KelMsCtrlIds ids = {};
    XtCallbackProc doneCallback = nullptr; /**< told (null, reason, null): 1 OK, 2 Apply, 0 Cancel */
};

/** Attaches the selector to the controls of dialog (ids as above): the toggles with
 * MS_EXPRESSIONS, the label field with MS_LABEL (not editable until a leaf is chosen), and with a
 * doneCallback the message list, OK, Apply (with MS_APPLY), Cancel and Help. The tree is filled
 * with the loaded MIB (KelMibTreeInit) and the item list hidden. Without a doneCallback the
 * selector has no message list (msSetMessageWidget gives it one) and shows the default object at
 * once. Flags holding both MS_MULTIPLE_SELECT and MS_LABEL are refused. messageFunction null:
 * msAddMessage; stateCallback null: none. Returns 1, or 0 when the flags are refused or the MIB
 * cannot be loaded (catalogue text 154 is reported then, and the tree stays empty). The
 * application's resources are not read: the default object is ".iso.org.dod.internet". The item
 * list sorts with its own LBS_SORT where the selector lists sorted (expressions), and needs
 * LBS_EXTENDEDSEL to hold several chosen objects; the template IDD_KEL_MIBSELECTOR (kelres.h)
 * has them. */
KEL_API int KelMsAttachSelector(CWnd *dialog, unsigned int flags, const KelMsCtrlIds ids,
                                MsMessageFunction messageFunction, MsStateCallback stateCallback,
                                XtCallbackProc doneCallback);

/** Gives an embedded selector (one without a done callback) its message list: 0, or -1 when the
 * selector has a dialog's own list. */
KEL_API int msSetMessageWidget(KelListWidget *list);

/* ---- The MIB tree. */

/** Loads the MIB and copies its whole tree into the dialog's tree control treeId (subclassed as a
 * CMultiTreeCtrl, multi-selecting when multiSelect is nonzero); each item's data is its index in
 * a pre-order index of the MIB's nodes. Items there before are deleted first. Returns 1, or 0
 * when the MIB cannot be loaded (the control is left empty) or the dialog has no such control.
 * Running out of memory ends the process (KelCriticalErrorHandler). */
KEL_API int KelMibTreeInit(CWnd *dialog, int treeId, int multiSelect);
/** 1 for a TVN_SELCHANGED of the tree control, whose selection it hands to the selector
 * (msSelectMibObjectNames) when the selected items share one parent; else 0. result is not
 * written. */
KEL_API int KelMibTreeDispatchNotify(NMHDR *header, LRESULT *result);
/** Shows and selects the item of a dotted name (.iso.org.dod.internet selects internet's first
 * child, a leaf itself), found through the index, and scrolls it to the top. A name that does not
 * match completely only scrolls its last matched item to the top; one that does not start with
 * "." changes nothing. Null or "" clears the tree's selection. A selection made here replaces
 * what was chosen in the tree and is handed to the selector as a user's. */
KEL_API void KelMibTreeSelectItem(const char *name);
/** Lets the tree control go (before the dialog goes, or before KelMibTreeInit again). */
KEL_API void KelMibSelectorDone();
/** 1 when the items share one parent (top-level items before the first one with a parent are
 * passed over); 0 otherwise. */
KEL_API int wmtInOneGroup(CTypedPtrArray<CPtrArray, HTREEITEM> &items);
/** The tree control the selector uses (for tests and tools that read its selection). */
KEL_API CMultiTreeCtrl *KelMibTreeControl();

/* ---- The selector's dialog: creation from the application's resources, routing, pop-up and
 * pop-down, and the watch of the MIB file. */

/** The message posted to the application's main window when the MIB file on disk has become
 * newer than the selector's MIB (wParam 0, lParam the file's modification time): the
 * application answers it with KelMsResyncMibSelector. */
#define KEL_MS_RESYNC_MESSAGE (WM_USER + 200)

/** Makes the selector of a tool's dialog: reads the selector's application resources (under the
 * program's name, KelGetApplicationResources): "defaultMibObject" (".iso.org.dod.internet"; blanks
 * at either end dropped, a value with a blank inside or empty gives the default), "objIDcolumns"
 * (50), "mibSelListSize" (7), "mibSelListSorted" (False: children in MIB order),
 * "mibMsgListSize" (4), "buttonScaleFactor" (6), "descrColumns" (50), "descrRows" (5),
 * "descrListSize" (6); only the first and the fourth change what the native selector shows.
 * Then attaches the selector as KelMsAttachSelector does, gives the dialog title (with a
 * doneCallback), loads the MIB (catalogue text MS_MIB_LOAD_FAILED when it cannot) and records the
 * MIB file's modification time. Description windows of an earlier selector stay open but are no
 * longer closed by this one.
 * @return dialog when a doneCallback is given, else null (the selector works without one: it has
 *         no message list until msSetMessageWidget and shows the default object at once); null
 *         with "INTERNAL ERROR" for flags holding both MS_MULTIPLE_SELECT and MS_LABEL. */
KEL_API CWnd *KelMsCreateMibSelector(CWnd *dialog, unsigned int flags, const char *title,
                                     MsMessageFunction messageFunction, MsStateCallback stateCallback,
                                     XtCallbackProc doneCallback, const KelMsCtrlIds ids);
/** The dialog's WM_COMMAND (wParam) for the selector: the toggles, Describe, OK (reason 1),
 * Apply (2) and Cancel (0) to the done callback, the item list's selection and the name field's
 * edits. 1 when the command was the selector's (also when it was refused because the MIB file
 * changed), else 0. Help is the tool's. */
KEL_API int KelMsDispatchCommand(WPARAM wParam);
/** The dialog's WM_NOTIFY, after its base class's OnNotify: 0 while the MIB file is newer than the
 * selector's MIB, else KelMibTreeDispatchNotify's answer. */
KEL_API int KelMsDispatchNotify(NMHDR *header, LRESULT *result);
/** Builds the tree again from the MIB file as it is now (the answer to KEL_MS_RESYNC_MESSAGE):
 * the open description windows leave the selector's care, the default object becomes the current
 * node and the file's time is recorded. A file that cannot be loaded leaves the tree as it was
 * and reports MS_MIB_LOAD_FAILED with the reason; the selector goes on with the MIB it has. */
KEL_API void KelMsResyncMibSelector();
/** 1 when the loaded MIB is as new as the MIB file (or no time is recorded yet), 0 when the file
 * is newer or cannot be examined. */
KEL_API int KelMsCheckCVMibSync();
/** 1 when a user action that needs the MIB may go on. While the file is newer it posts
 * KEL_MS_RESYNC_MESSAGE (once per file time) and gives 0. A file that cannot be examined lets
 * actions go on, on the MIB loaded before (reported once, catalogue text MS_MIB_FILE_UNREADABLE). */
KEL_API int CheckCVmibSync();
/** The MIB file's modification time recorded by the selector, in 100-nanosecond units since
 * 1601 (a Windows file time); 0 while none is recorded. */
KEL_API long long KelMsGetCVMibModTime();

extern "C" {
/** Shows the selector's dialog (clear 1: its messages cleared first; title when not null), loads
 * the MIB, makes the typed name (or the default object) the current node and makes the
 * selection controls sensitive again. Nothing while the MIB file is newer than the selector's. */
KEL_API void msPopUp(int clear, const char *title);
/** Closes every description window the selector opened, clears the messages (clear 1) and hides
 * the dialog. Only for a selector with a dialog. */
KEL_API void msPopDown(int clear);
}

/* ---- Description windows. */

/** A description window ("Describe MIB Variable", "Describe Expression"), modeless, made from one
 * of the library's templates IDD_KEL_MSDESC_... (kelres.h). Close (or Escape) calls the close
 * callback, which destroys the window; without one, the dialog's own cancel runs. */
class KEL_API CKelMsDescDlg : public CDialog {
public:
    typedef void (*CloseCallback)(void *data);
    void SetCloseCallback(CloseCallback callback, void *data)
    {
        closeCallback = callback;
        closeData = data;
    }

protected:
    void OnCancel() override;

private:
    CloseCallback closeCallback = nullptr;
    void *closeData = nullptr;
};

/** A new description window from this library's template (no parent, not yet shown), or null
 * when it cannot be made. The caller deletes the object after destroying its window. */
KEL_API CKelMsDescDlg *KelDescDlgCreate(int templateId);
KEL_API CKelMsDescDlg *KelMsDescDlgCreate(int templateId);
KEL_API void KelDescDlgSetCallback(CKelMsDescDlg *dialog, CKelMsDescDlg::CloseCallback callback, void *data);
KEL_API void KelMsDescDlgSetCallback(CKelMsDescDlg *dialog, CKelMsDescDlg::CloseCallback callback, void *data);

/** Describe: one description window per chosen object (the selector's Describe button does
 * this). An object that cannot be described is reported with catalogue text
 * MS_CANNOT_DESCRIBE and ends the round: the objects after it get no window. */
KEL_API void KelMsDescribe();
/** How many description windows the selector has open in its care. */
KEL_API int KelMsDescWindowCount();
/** The description of every chosen object as text (as the windows show it, with the labels of
 * catalogue texts DESC_NAME_LABEL ... DESC_DESCRIPTION_LABEL, a blank line between objects): a
 * heap string the caller frees with free(), or null when nothing is chosen or an object cannot be
 * described (reported as Describe reports it). */
KEL_API char *KelMsDescriptionText();
/** File > Save of a tool: the chosen objects' description written to a text file chosen in the
 * save dialog (KelSaveDialog, title BROWSER_SAVE_TITLE, initial name "describe.txt"). With nothing
 * chosen, BROWSER_NOTHING_CHOSEN goes to the selector's messages and no dialog opens. */
KEL_API void KelMsSaveDescription(CWnd *parent);

/** @} */

#endif
