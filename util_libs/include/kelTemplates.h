/* Dialog templates of cvgui.dll that tools build their own dialogs from (CreateFromDll,
 * InitFromDll), with the identifiers of their controls. Plain #defines: the resource script
 * includes this file too. */
#ifndef KELTEMPLATES_H
#define KELTEMPLATES_H

/* "Describe Event": twenty label/value rows, the event's description below them, OK and Help. */
#define IDD_KEL_EVDESC 28432
#define IDC_KEL_EVDESC_LABEL0 56833 /* row i: label 56833 + i, value 56865 + i (i = 0..19) */
#define IDC_KEL_EVDESC_VALUE0 56865
#define IDC_KEL_EVDESC_TEXT 56897      /* the description (multi-line, read-only) */
#define IDC_KEL_EVDESC_HELP 56899
#define IDC_KEL_EVDESC_TEXTLABEL 56900 /* "Event description:" */
#define KEL_EVDESC_ROWS 20

/* "Nodes": a node list panel (see kelNodeList.h) with OK and Cancel. */
#define IDD_KEL_NODELIST 28440
#define IDC_KEL_NODELIST_LIST 56960
#define IDC_KEL_NODELIST_NAME 56961
#define IDC_KEL_NODELIST_ADD 56962
#define IDC_KEL_NODELIST_DELETE 56963
#define IDC_KEL_NODELIST_DELETEALL 56964
#define IDC_KEL_NODELIST_FROMMAP 56965
#define IDC_KEL_NODELIST_FILTER 56966
#define IDC_KEL_NODELIST_NAMELABEL 56967
#define IDC_KEL_NODELIST_LISTLABEL 56968

#endif
