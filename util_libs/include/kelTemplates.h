/** @file
 * Dialog templates of cvgui.dll that tools build their own dialogs from (CreateFromDll,
 * InitFromDll), with the identifiers of their controls. Plain defines: the resource script
 * includes this file too. */
#ifndef KELTEMPLATES_H
#define KELTEMPLATES_H

/** @addtogroup kel_resources
 * @{ */

/* "Describe Event": twenty label/value rows, the event's description below them, OK and Help. */
#define IDD_KEL_EVDESC 28432           /**< "Describe Event" (English and Japanese) */
#define IDC_KEL_EVDESC_LABEL0 56833    /**< row i's label is 56833 + i (i = 0..19) */
#define IDC_KEL_EVDESC_VALUE0 56865    /**< row i's read-only value is 56865 + i */
#define IDC_KEL_EVDESC_TEXT 56897      /**< the description (multi-line, read-only) */
#define IDC_KEL_EVDESC_HELP 56899      /**< Help */
#define IDC_KEL_EVDESC_TEXTLABEL 56900 /**< "Event description:" */
#define KEL_EVDESC_ROWS 20             /**< rows of the template */

/* "Nodes": a node list panel (kelNodeList.h) with OK and Cancel. */
#define IDD_KEL_NODELIST 28440            /**< "Nodes" (English and Japanese) */
#define IDC_KEL_NODELIST_LIST 56960       /**< the node list (extended selection) */
#define IDC_KEL_NODELIST_NAME 56961       /**< the name field */
#define IDC_KEL_NODELIST_ADD 56962        /**< Add (the default button) */
#define IDC_KEL_NODELIST_DELETE 56963     /**< Delete */
#define IDC_KEL_NODELIST_DELETEALL 56964  /**< Delete All */
#define IDC_KEL_NODELIST_FROMMAP 56965    /**< Add From Map */
#define IDC_KEL_NODELIST_FILTER 56966     /**< Add Filter... */
#define IDC_KEL_NODELIST_NAMELABEL 56967  /**< the field's label */
#define IDC_KEL_NODELIST_LISTLABEL 56968  /**< the list's label */
/** The template's panel controls in the order of KelNodeListCtrlIdInfo (kelNodeList.h), for
 * KelNodeListCtrlIdInfo ids = KEL_NODELIST_TEMPLATE_IDS; */
#define KEL_NODELIST_TEMPLATE_IDS                                                                     \
    {IDC_KEL_NODELIST_LIST,      IDC_KEL_NODELIST_NAME,    IDC_KEL_NODELIST_ADD,   IDC_KEL_NODELIST_DELETE, \
     IDC_KEL_NODELIST_DELETEALL, IDC_KEL_NODELIST_FROMMAP, IDC_KEL_NODELIST_FILTER}

/** @} */

#endif
