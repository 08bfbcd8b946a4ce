/** @file
 * The MIB object selector: its flags and selection states, the names of the chosen objects, and
 * navigation in the MIB tree, shared by both halves. */
#ifndef MIBSEL_H
#define MIBSEL_H

#include "cvExport.h"
#define MS_API CV_EXPORT

/**
 * @defgroup ms_selector MIB selector: names and navigation
 * There is one selector per process; every ms... call works on it. The selector lives in a panel
 * of the application's dialog: the native half attaches it to the dialog's controls
 * (KelMsAttachSelector), and the panel's controls only show what these calls decide.
 *
 * The current node is the dotted name in the panel's object-name field (".iso.org.dod.internet");
 * the panel's item list holds its children, and a chosen object is the current node joined with
 * a selected child ("<node>.<label>"). In expression mode the list holds the expressions of the
 * expression library instead, and a chosen object is an expression's name.
 *
 * Names returned here point into buffers that the selector owns, one per operation: each stays
 * valid until the next call of the same operation; the caller must not free it. They are null
 * when there is no answer (or no memory). Problems go to the selector's message function (by
 * default the panel's message list); the selector never shows a message box itself.
 *
 * @catalogue MS_OBJECT_ID_LABEL, MS_EXPRESSION_ID_LABEL (the id label), MS_NAME_FORBIDDEN_CHARS
 * (blank, tab, newline: refused inside a typed name), MS_INVALID_OBJECT, MS_NO_OBJECT,
 * MS_CANNOT_GO_UP, MS_TOO_MANY_SELECTED, MS_MIB_LOAD_FAILED, MS_INVALID_OBJECT_NO_DOT
 *
 * @par Example
 * @code
 * msSetObjectName(".iso.org.dod.internet.mgmt.mib-2.system");  // lists system, chooses sysDescr
 * for (char *n = msGetFirstObjectName(); n != NULL; n = msGetNextObjectName())
 *     show(n, msGetObjectNumericName(n));   // ...system.sysDescr and .1.3.6.1.2.1.1.1
 * @endcode
 * @{
 */

/* Selector flags (given at creation, replaced by msChangeFlags). */
#define MS_MULTIPLE_SELECT 1 /**< several objects may be chosen; not together with MS_LABEL */
#define MS_LABEL 2           /**< the panel has a label field for the chosen object */
#define MS_APPLY 4           /**< the panel has an Apply button, which follows OK */
#define MS_EXPRESSIONS 8     /**< the panel has the MIB-object / expression toggles */
#define MS_ACCEPT_ANY 16     /**< OK and Apply accept any leaf */
#define MS_ACCEPT_INTEGER 32 /**< OK and Apply accept only integer-valued objects */

/* Selection states (msSetState, and the argument of the state callback). */
#define MS_STATE_NODE 0   /**< one item selected, with children */
#define MS_STATE_LEAF 1   /**< one item selected, without children */
#define MS_STATE_NONE 2   /**< nothing selected, or the current node has no children */
#define MS_STATE_TYPED 3  /**< the user edited the object-name field */
#define MS_STATE_ROOT 4   /**< one item selected under .iso (or .1) */
#define MS_STATE_NODES 5  /**< several items selected, one at least with children */
#define MS_STATE_LEAVES 6 /**< several items selected, none with children */

#ifdef __cplusplus
extern "C" {
#endif

/** Reports a problem, printf-style (the default is msAddMessage). */
typedef int (*MsMessageFunction)(const char *format, ...);
/** Told each state the selector applies. */
typedef void (*MsStateCallback)(int state);

/* ---- Names of the chosen objects. */

/** The first chosen object: the current node joined with the first selected item; with nothing
 * selected, the current node as typed (msReadTypedName). Null without an item list. */
MS_API char *msGetObjectName(void);
/** The first of the chosen objects, in list order; msGetNextObjectName gives the others. */
MS_API char *msGetFirstObjectName(void);
/** The chosen object after the one given last by msGetFirstObjectName or msGetNextObjectName;
 * null after the last. */
MS_API char *msGetNextObjectName(void);
/** 1 when there is a chosen object and every one has an integer value (CVmib_is_int); else 0. */
MS_API int msAllInteger(void);

/** The name up to its last "." (".iso.org" of ".iso.org.dod"; "" of ".iso"); a name without "."
 * whole; null for null. */
MS_API char *msGetObjectDirName(const char *name);
/** The name after its last "." (multibyte aware); a name without "." whole; null for null. */
MS_API char *msGetObjectBaseName(const char *name);
/** The numeric form (".1.3.6.1.2.1") of a symbolic, numeric or mixed name; null when the MIB
 * library cannot read it (unknown label, more than 256 sub-identifiers). */
MS_API char *msGetObjectNumericName(const char *name);
/** The symbolic form (".iso.org.dod.internet.mgmt") of a numeric or mixed name; null when the
 * MIB library cannot read it. */
MS_API char *msGetObjectNameByNumericName(const char *numeric);
/** node and item joined by "." ("%s.%s"); in expression mode the item alone. */
MS_API char *msJoinName(const char *node, const char *item);
/** The current node as the user typed it, checked while the state is MS_STATE_TYPED. Blanks at
 * either end are dropped (and the field shows the node without them); a blank, tab or newline
 * inside gives MS_INVALID_OBJECT and null; an empty field falls back to the default object with
 * MS_NO_OBJECT. Null without a name field. */
MS_API char *msReadTypedName(void);

/** The label field's text (a copy), null without a label field. */
MS_API char *msGetLabel(void);
/** Sets the label field's text when there is one. */
MS_API void msSetLabel(const char *text);
/** The id label of MIB-object mode, catalogue text MS_OBJECT_ID_LABEL ("MIB Object ID"). */
MS_API const char *get_mibSel_ObjID_Label(void);

/* ---- Navigation and selection. */

/** Makes name the current node: the name field shows it, the item list its children (in MIB
 * order, or sorted with the mibSelListSorted resource) and the first child is selected, which
 * applies a state; a node without children gives MS_STATE_NONE. With selectTree the MIB tree
 * shows and selects it too, and a selection made there decides the list (a leaf selects itself
 * under its parent). Null does nothing. */
MS_API void msShowNode(const char *name, int selectTree);
/** An expression's name switches to expression mode (only with MS_EXPRESSIONS); any other name
 * (null: the default object) becomes the current node in MIB-object mode, with the tree. */
MS_API void msSetObjectName(const char *name);
/** A selection made in the MIB tree: node becomes the current node and the labels of names (a
 * null-terminated array of the node's children) are selected in the item list, each one as if
 * the user had clicked it. Null node does nothing. */
MS_API void msSelectMibObjectNames(const char *node, const char *const *names);
/** Up Tree: the parent of the current node becomes the current node. A node without a dot is
 * kept; an unusable typed name gives MS_CANNOT_GO_UP. */
MS_API void msUpTree(void);
/** Down Tree: the first chosen object becomes the current node. With several chosen,
 * MS_TOO_MANY_SELECTED is reported first. */
MS_API void msDownTree(void);
/** Shows one fixed object (name: numeric, symbolic or an expression) for editing its label.
 * Selection is made insensitive, the label field editable and filled with label, OK and Describe
 * sensitive, Apply insensitive. A name without a dot gives MS_INVALID_OBJECT_NO_DOT. */
MS_API void msDisableSelectionEnableLabel(const char *name, const char *label);
/** 1: the item list shows the expressions, 0: MIB objects (only with MS_EXPRESSIONS). */
MS_API void msSetMode(int expression);
/** Applies a selection state: the sensitivity of Describe, OK and Apply and the label field follow
 * it, and the state callback is told. */
MS_API void msSetState(int state);
/** Replaces the flags and applies the current state again; 0. */
MS_API int msChangeFlags(unsigned int flags);
/** With MS_APPLY: Apply and OK insensitive. */
MS_API void msDisableOkApply(void);

/** What the panel's view calls when the item list's selection changed (its LBN_SELCHANGE):
 * the state follows the chosen objects. */
MS_API void msListSelectionChanged(void);
/** What the panel's view calls when the object-name field changed (its EN_CHANGE): the user's
 * first edit empties the list and applies MS_STATE_TYPED; the selector's own changes are told
 * apart. */
MS_API void msNameFieldChanged(void);

/* ---- Messages. */

/** Empties the message list; 0, or -1 when there is none. */
MS_API int msClearMessages(void);
/** Appends a printf-style line to the message list (addMessage's result). */
MS_API int msAddMessage(const char *format, ...);

#ifdef __cplusplus
}
#endif

/** @} */

#endif
