/* The node list editor: a panel of a dialog in which the user builds a list of network nodes
 * (host names, IP addresses, IP wildcards such as 10.2.*.1-20, absolute paths of sources files),
 * typed into a field or taken from the nodes selected on the map. Candidates are checked before
 * they are appended; refused ones are reported together after the batch, grouped by reason.
 *
 * The panel is made over seven controls the dialog already has (KelNodeListCtrlIdInfo); the
 * dialog hands its WM_COMMAND messages to KelMNodeListDispatchCommand first:
 *
 *     BOOL CMyDialog::OnCommand(WPARAM wParam, LPARAM lParam)
 *     {
 *         if (KelMNodeListDispatchCommand(nodes, wParam, lParam)) return TRUE;
 *         return CDialog::OnCommand(wParam, lParam);
 *     }
 *
 * The library's own template IDD_KEL_NODELIST (kelres.h ids, English and Japanese) holds such a
 * panel with OK and Cancel. */
#ifndef KELNODELIST_H
#define KELNODELIST_H

#include "kelcore.h"
#include "kelNodeListTypes.h"

/* The panel's controls, in this order; the last two are 0 or negative when the dialog has none. */
struct KelNodeListCtrlIdInfo {
    int nodeList;   /* list box (LBS_EXTENDEDSEL or LBS_MULTIPLESEL) */
    int nodeName;   /* single-line edit */
    int add;
    int deleteSel;  /* Delete */
    int deleteAll;  /* Delete All */
    int addFromMap;
    int addFilter;  /* Add Filter... */
};

/* One panel. Made by KelCreateMNodeList (XtMalloc); the caller owns it and frees it with
 * KelFreeMNodeList (plain XtFree leaves the list's cached tables behind). */
struct nodeListInfo {
    KelPFrame frame;             /* every control of the panel */
    CWnd *parent;                /* the dialog */
    KelListWidget nodeList;      /* the entries, one per line */
    KelPaseudoWidget nameField;
    KelPaseudoWidget addButton;
    KelPaseudoWidget buttons[4]; /* Add From Map (when enabled), Add Filter... (when enabled),
                                    Delete, Delete All: the absent ones leave no gap */
    KelNodeListCtrlIdInfo ctrlIds;
    char *name;                  /* the name given at creation (a copy) */
    KelNodeListCheckProc checkFunction;
    NodeListReport report;       /* the refusals of the batch being checked; empty between batches */
    Boolean fromMapEnabled;
    Boolean filterEnabled;
    Boolean resolveNames;        /* typed host names become their official names */
};

/* Makes the panel over the dialog's controls ids (parent is the dialog). fromMap and filter: the
 * panel has Add From Map / Add Filter...; without them their controls (when they exist) are
 * hidden. The optional buttons, Delete and Delete All start insensitive (a tool makes Add From
 * Map sensitive when it has a map session); Add stays sensitive; then Delete and Delete All
 * follow the list (setAddNodeListSensitive). resolveNames: a typed host name is replaced by its
 * official name (CVsnmpHostAddress). checkFunction: an extra check of each candidate after the
 * library's own, (wildcard flag, candidate) -> null to accept or the reason for refusing; the
 * reason is only read. The name is copied. */
KEL_API nodeListInfo *KelCreateMNodeList(CWnd *parent, const char *name, Boolean fromMap, Boolean resolveNames,
                                         Boolean filter, KelNodeListCheckProc checkFunction,
                                         KelNodeListCtrlIdInfo *ids);
/* Frees a panel made by KelCreateMNodeList (null is ignored); the controls stay. */
KEL_API void KelFreeMNodeList(nodeListInfo *info);

/* Handles a WM_COMMAND of the dialog when it comes from the panel: a selection change of the
 * list (Delete and Delete All follow it) and clicks of Add (the typed entry), Delete (the
 * selected entries), Delete All, Add From Map (the nodes selected on the map) and Add Filter...
 * Returns 1 when it handled the message, else 0.
 *
 * Add: the field's text without its surrounding blanks; inner blanks refuse it ("Invalid input
 * for node name", catalogue 129) and so does a text longer than 511 bytes (340); the field keeps
 * the text. An absolute path names a sources file: on the management server it must exist (130),
 * on a console the user is told to check it on the server (131). Otherwise, with resolveNames,
 * a host name becomes its official name. Add From Map: the host name, else the selection name,
 * of each selected map object (127, 128: no selection; 132: an object without names is
 * skipped). Each candidate of a batch is refused by the first rule that applies: already in the
 * list (133), empty (134), inner white space (135), an invalid IP wildcard (136), a wildcard
 * overlapping a wildcard of the list (137, isOverLap(candidate, entry)), an invalid dotted IP
 * address (138), the check function's reason. The others are appended at the end, unselected,
 * the last one scrolled into view, with the list's drawing off during the batch. Refusals are
 * shown after the batch, one warning per reason ("reason:" and the candidates, four blanks in
 * front), a text being shown early when the next name would take it past 1023 bytes. Delete
 * with nothing selected: "You must first select items to delete." (139); after it the entry at
 * the first deleted position (or the new last one) is selected. */
KEL_API int KelMNodeListDispatchCommand(nodeListInfo *info, WPARAM wParam, LPARAM lParam);

/* Delete is sensitive exactly when an entry is selected, Delete All when the list has entries;
 * a button that has the keyboard focus gives it to the name field before it goes insensitive. */
KEL_API void setAddNodeListSensitive(nodeListInfo *info);
/* Empties the list and the name field. */
KEL_API void clearAddNodeList(nodeListInfo *info);
/* Empties the name field and gives it the focus. */
KEL_API void initNodeListEdit(nodeListInfo *info);

/* The list's items (a table the list owns) and its selected items: the number of them, and the
 * table stored through items when items is not null. kelClearList ignores a null list. */
KEL_API void kelClearList(KelListWidget *list);
KEL_API int kelGetListItems(KelListWidget *list, unsigned char ***items);
KEL_API int kelGetSelected(KelListWidget *list, unsigned char ***items);

#endif
