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
 * @catalogue MS_MIB_LOAD_FAILED (a MIB that cannot be loaded)
 *
 * @par Example
 * @code
 * const KelMsCtrlIds ids = {panel, idLabel, mibToggle, exprToggle, nameField, tree, list,
 *                           describe, labelField, IDOK, apply, IDCANCEL, help, messages, 1};
 * KelMsAttachSelector(this, MS_MULTIPLE_SELECT | MS_ACCEPT_ANY, ids, NULL, NULL, done);
 * msSetObjectName(NULL);                      // shows .iso.org.dod.internet
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

/** @} */

#endif
