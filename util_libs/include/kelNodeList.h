/** @file
 * The node list editor: a panel of a dialog in which the user builds a list of network nodes. */
#ifndef KELNODELIST_H
#define KELNODELIST_H

#include "kelcore.h"
#include "kelNodeListTypes.h"

/**
 * @defgroup kel_nodelist Node list editor
 * A panel of a dialog in which the user builds a list of network nodes: host names, IP
 * addresses, IP address wildcards and absolute paths of sources files, typed into a field or
 * taken from the nodes selected on the map (cvw). A wildcard has four fields, each a number, a
 * range or "*" (10.2.*.1-20). Candidates are checked before they
 * are appended; refused ones are reported together after the batch, one warning per reason.
 *
 * The panel is made over seven controls the dialog already has (KelNodeListCtrlIdInfo): the
 * library's template IDD_KEL_NODELIST (kelTemplates.h) holds them (KEL_NODELIST_TEMPLATE_IDS
 * lists them), or a tool's own dialog does.
 * The dialog hands its WM_COMMAND messages to KelMNodeListDispatchCommand first.
 *
 * Add takes the field's text without its surrounding blanks; inner white space refuses it, and
 * so does a text longer than 511 bytes; the field then keeps the text. An absolute path names a
 * sources file: on the management server it must exist, on a console the user is told to check
 * it on the server. Otherwise, with resolveNames, a host name becomes its official name. Add From
 * Map takes the host name, else the selection name, of each object selected on the map; an
 * object with neither is skipped with a warning.
 *
 * Each candidate of a batch is refused by the first rule that applies: already in the list,
 * empty, inner white space, an invalid IP wildcard, a wildcard overlapping a wildcard of the
 * list (isOverLap(candidate, entry)), an invalid dotted IP address, the tool's check function.
 * The others are appended at the end, unselected; the list is not drawn during the batch and its
 * last entry is scrolled into view at the end. The warnings list the refused names under
 * "reason:", four blanks in front of each; a warning goes out early when the next name would
 * take it past 1023 bytes; a "%" in a name is shown as it stands.
 *
 * Delete deletes the selected entries and selects the entry that took the first one's place (or
 * the new last one). Delete is sensitive exactly when an entry is selected, Delete All when the
 * list has entries; a button that loses its sensitivity while it has the focus gives the focus
 * to the name field first.
 *
 * @catalogue NL_INVALID_NAME, NL_NAME_TOO_LONG, NL_NO_SOURCES_FILE, NL_CONSOLE_SOURCES_FILE,
 * NL_NO_MAP_SELECTION, NL_NOTHING_SELECTED_ON_MAP, NL_SELECTION_TROUBLE, NL_ALREADY_IN_LIST,
 * NL_EMPTY_NAME, NL_WHITE_SPACE, NL_BAD_WILDCARD, NL_WILDCARD_OVERLAPS, NL_BAD_IP,
 * NL_REASON_SEPARATOR, NL_DELETE_NOTHING_SELECTED
 *
 * @par Example
 * @code
 * KelNodeListCtrlIdInfo ids = KEL_NODELIST_TEMPLATE_IDS; // the library's template's controls
 * nodes = KelCreateMNodeList(this, "sources", TRUE, FALSE, FALSE, nullptr, &ids);
 * KelSetSensitive(GetDlgItem(IDC_KEL_NODELIST_FROMMAP), haveMapSession);
 *
 * BOOL CSourcesDialog::OnCommand(WPARAM wParam, LPARAM lParam)
 * {
 *     if (KelMNodeListDispatchCommand(nodes, wParam, lParam)) return TRUE;
 *     return CDialog::OnCommand(wParam, lParam);
 * }
 * @endcode
 * @{
 */

/** The panel's controls, in this order; the last two are 0 or negative when the dialog has none. */
struct KelNodeListCtrlIdInfo {
    int nodeList;   /**< list box (extended or multiple selection) */
    int nodeName;   /**< single-line edit */
    int add;        /**< Add */
    int deleteSel;  /**< Delete */
    int deleteAll;  /**< Delete All */
    int addFromMap; /**< Add From Map */
    int addFilter;  /**< Add Filter... */
};

/** One panel: made by KelCreateMNodeList, the caller's to free with KelFreeMNodeList. */
struct nodeListInfo {
    KelPFrame frame;             /**< every control of the panel */
    CWnd *parent;                /**< the dialog */
    KelListWidget nodeList;      /**< the entries, one per line */
    KelPaseudoWidget nameField;  /**< the name field */
    KelPaseudoWidget addButton;  /**< Add */
    KelPaseudoWidget buttons[4]; /**< Add From Map and Add Filter... (when the panel has them),
                                      Delete, Delete All: absent ones leave no gap */
    KelNodeListCtrlIdInfo ctrlIds;      /**< the identifiers given */
    char *name;                         /**< the name given (a copy) */
    KelNodeListCheckProc checkFunction; /**< the tool's check, or NULL */
    NodeListReport report;       /**< the refusals of the batch being checked */
    Boolean fromMapEnabled;      /**< the panel has Add From Map */
    Boolean filterEnabled;       /**< the panel has Add Filter... */
    Boolean resolveNames;        /**< typed host names become their official names */
};

/**
 * Makes the panel over the dialog's controls. The optional buttons, Delete and Delete All start
 * insensitive (a tool makes Add From Map sensitive when it has a map session to offer); Add stays
 * sensitive; Delete and Delete All then follow the list.
 * @param parent         the dialog
 * @param name           the panel's name (copied)
 * @param fromMap        the panel has Add From Map; without it, that control is hidden
 * @param resolveNames   a typed host name is replaced by its official name (CVsnmpHostAddress)
 * @param filter         the panel has Add Filter...; without it, that control is hidden
 * @param checkFunction  an extra check of each candidate after the library's own, or NULL
 * @param ids            the controls (copied)
 * @return the panel, made with XtMalloc
 * @frees the caller frees it with KelFreeMNodeList (XtFree leaves the list's cached tables)
 */
KEL_API nodeListInfo *KelCreateMNodeList(CWnd *parent, const char *name, Boolean fromMap, Boolean resolveNames,
                                         Boolean filter, KelNodeListCheckProc checkFunction,
                                         KelNodeListCtrlIdInfo *ids);
/** Frees a panel made by KelCreateMNodeList (NULL is ignored); the controls stay. */
KEL_API void KelFreeMNodeList(nodeListInfo *info);

/**
 * Handles a WM_COMMAND of the dialog when it comes from the panel: a selection change of the
 * list, or a click of Add, Delete, Delete All, Add From Map or Add Filter...
 * @return 1 when it acted on the message, else 0
 */
KEL_API int KelMNodeListDispatchCommand(nodeListInfo *info, WPARAM wParam, LPARAM lParam);

/** Delete and Delete All follow the list; a focused button losing its sensitivity gives the
 * focus to the name field. */
KEL_API void setAddNodeListSensitive(nodeListInfo *info);
/** Empties the list and the name field. */
KEL_API void clearAddNodeList(nodeListInfo *info);
/** Empties the name field and gives it the focus. */
KEL_API void initNodeListEdit(nodeListInfo *info);

/** Deletes every item of a list; NULL is ignored. */
KEL_API void kelClearList(KelListWidget *list);
/** The number of items; the list's own table of them goes to items when it is not NULL. */
KEL_API int kelGetListItems(KelListWidget *list, unsigned char ***items);
/** The number of selected items; the list's own table of them goes to items when not NULL. */
KEL_API int kelGetSelected(KelListWidget *list, unsigned char ***items);

/** @} */

#endif
