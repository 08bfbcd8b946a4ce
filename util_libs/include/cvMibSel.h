/** @file
 * The MIB selector on the Motif half: the panel that shows the selector of mibsel.h, its
 * description windows and the watch on the MIB database file. */
#ifndef CVMIBSEL_H
#define CVMIBSEL_H

#include "cvgui.h"
#include "mibsel.h"

#ifdef __cplusplus
extern "C" {
#endif

/**
 * @defgroup cvgui_mibsel MIB selector: the Motif panel
 * The selector of mibsel.h in a Motif form: the id label and the object-name field, the MIB
 * tree (an XmContainer in outline layout whose items are made when their parent is first
 * opened, so a MIB of any size starts at once), the item list that holds the children of the
 * current node (managed only in expression mode: in MIB-object mode the tree shows the choice),
 * Up Tree, Down Tree and Describe, the selector's message list, and with a done callback OK,
 * Apply (with MS_APPLY), Cancel and Help. The rules (states, sensitivity, names, typed-name
 * checks) are the portable selector's; every ms... call of mibsel.h works on this panel.
 *
 * Opening an item of the tree (its outline button, or Control+Right) makes its children;
 * selecting items that share one parent makes the parent the current node and the items the
 * chosen objects (extended selection with MS_MULTIPLE_SELECT, one item otherwise). Enter in the
 * name field goes to the typed node. Describe opens one "Describe MIB Variable" (or "Describe
 * Expression") window per chosen object.
 *
 * The panel records the MIB database file (name, modification time, size, inode) when it
 * loads it. Before each user action it looks again: when the file changed, the action is
 * dropped and the selector loads the database again (msResyncMibSelector).
 *
 * Resources (application resources, read at creation): defaultMibObject (".iso.org.dod.internet":
 * the first current node), objIDcolumns (50: width of the name field), mibSelListSize (7: rows of
 * the tree and the list), mibSelListSorted (False: children in MIB order), mibMsgListSize (4:
 * rows of the message list), buttonScaleFactor (6: space between the buttons, in pixels per
 * unit of 1/2), descrColumns (50: width of a description's rows), descrRows (5: rows of a
 * description text), descrListSize (6: not used: the named numbers are one row).
 *
 * @catalogue MS_OBJECT_ID_LABEL, MS_UP_TREE, MS_DOWN_TREE, MS_DESCRIBE, OK, MS_APPLY, CANCEL, HELP,
 * MS_CANNOT_DESCRIBE, DESC_* (description rows), CLOSE, MS_MIB_RELOADED, MS_NODE_GONE, and the
 * selector's own texts (mibsel.h)
 *
 * @par Example
 * @code
 * Widget panel = msCreateMibSelector(form, "selector", MS_MULTIPLE_SELECT, NULL, stateChanged, NULL);
 * XtManageChild(panel);                       // shows .iso.org.dod.internet, chooses directory
 * msSetObjectName(".iso.org.dod.internet.mgmt.mib-2.system");
 * for (char *n = msGetFirstObjectName(); n != NULL; n = msGetNextObjectName())
 *     puts(n);
 * @endcode
 * @{
 */

/**
 * Makes the selector's panel and attaches the selector to it. The MIB is loaded (a failure is
 * reported with catalogue text MS_MIB_LOAD_FAILED through the message function and the tree
 * stays empty) and the default object becomes the current node.
 * @param parent           the form's parent
 * @param name             the form's name; "mibSelector" when NULL or ""
 * @param flags            MS_... flags of mibsel.h; MS_MULTIPLE_SELECT with MS_LABEL is refused
 * @param messageFunction  reports problems; NULL: msAddMessage (the panel's message list)
 * @param stateCallback    told each selection state; NULL: none
 * @param doneCallback     called (panel, reason, NULL) by OK (reason 1), Apply (2) and Cancel (0);
 *                         NULL: the panel has no OK, Apply, Cancel and Help buttons
 * @return the panel, an unmanaged XmForm; NULL when the flags are refused (after an error
 *         dialog naming them)
 * @creates children named "idLabel", "objectName" (XmTextField), "mibTree" (XmContainer in the
 *          scrolled window "mibTreeWindow"), "itemList" (XmList), "upTree", "downTree",
 *          "describe", with MS_EXPRESSIONS "mibObjects" and "expressions" (toggles in "mode"),
 *          with MS_LABEL "labelField", "messages" (XmList), and with a done callback "ok",
 *          "apply", "cancel", "help"
 * @frees nothing; one panel per process: a second call moves the selector to the new panel
 */
CVGUI_API Widget msCreateMibSelector(Widget parent, const char *name, unsigned int flags,
                                     MsMessageFunction messageFunction, MsStateCallback stateCallback,
                                     XtCallbackProc doneCallback);

/** The Describe action: one description window per chosen object, each with Close. An object
 * that cannot be described reports MS_CANNOT_DESCRIBE and ends the walk (later objects get no
 * window). Returns the number of windows opened. */
CVGUI_API int msDescribeChosen(void);
/** Closes every description window that msDescribe opened. */
CVGUI_API void msCloseDescriptions(void);

/**
 * A description pane: a label/edit form of the object's facts and its description below in a
 * scrolled, read-only text.
 * @return an unmanaged XmForm named name ("description" when NULL or ""), empty until
 *         msShowDescription
 */
CVGUI_API Widget msCreateDescriptionPane(Widget parent, const char *name);
/** Shows an object (or, with expression, an expression) in a pane of msCreateDescriptionPane;
 * 1 when it was found, 0 when the pane was emptied because it was not. */
CVGUI_API int msShowDescription(Widget pane, const char *name, int expression);
/** The description a pane shows, as plain text ("Label: value" lines, the named numbers, a
 * blank line and the description); an empty string when it shows nothing. XtFree it. */
CVGUI_API char *msDescriptionOfPane(Widget pane);

/** 1 when the loaded MIB is the database file as it is on disk now (or the file cannot be
 * examined), 0 when the file changed since it was loaded. */
CVGUI_API int msMibIsCurrent(void);
/** Loads the changed MIB database again and rebuilds the tree: the message list tells
 * MS_MIB_RELOADED; the current node stays when it is still in the MIB, else the default object
 * is shown and MS_NODE_GONE told. Description windows stay open. Returns 0, or the MIB
 * library's error code (MS_MIB_LOAD_FAILED reported; the old MIB stays shown). */
CVGUI_API int msResyncMibSelector(void);

/** Shows each tree item as its label (0) or as its label followed by its number in
 * parentheses (1); the names of the selector are symbolic either way. */
CVGUI_API void msSetTreeNumbers(int numbers);

/** @} */

#ifdef __cplusplus
}
#endif

#endif
