/* Resource identifiers of the library's dialog templates and their controls. */
#ifndef KELRES_H
#define KELRES_H

#define IDD_KEL_MSGDLG 28433 /* message dialog: icon, text, one button */
#define IDC_KEL_MSGICON 57100
#define IDC_KEL_MSGTEXT 57101

/* A MIB selector's panel with OK, Apply, Cancel and Help: a host for the selector's controls. */
#define IDD_KEL_MIBSELECTOR 28424
#define IDC_KEL_MS_PANEL 57110
#define IDC_KEL_MS_LABEL 57111
#define IDC_KEL_MS_MIB_TOGGLE 57112
#define IDC_KEL_MS_EXPR_TOGGLE 57113
#define IDC_KEL_MS_NAME 57114
#define IDC_KEL_MS_TREE 57115
#define IDC_KEL_MS_LIST 57116
#define IDC_KEL_MS_DESCRIBE 57117
#define IDC_KEL_MS_LABEL_FIELD 57118
#define IDC_KEL_MS_APPLY 57119
#define IDC_KEL_MS_HELP 57120
#define IDC_KEL_MS_MESSAGES 57121

/* The description windows of the MIB selector: an object with enumerations, a node that is not an
 * object, an expression, an object without enumerations. Close is IDCANCEL. */
#define IDD_KEL_MSDESC_ENUMS 28417
#define IDD_KEL_MSDESC_NODE 28418
#define IDD_KEL_MSDESC_EXPR 28419
#define IDD_KEL_MSDESC_OBJECT 28420
#define IDC_KEL_MSDESC_NAME 57089
#define IDC_KEL_MSDESC_OID 57090
#define IDC_KEL_MSDESC_TYPE 57091
#define IDC_KEL_MSDESC_ACCESS 57092
#define IDC_KEL_MSDESC_TEXT 57093
#define IDC_KEL_MSDESC_EQUATION 57094
#define IDC_KEL_MSDESC_ENUMS 57095

#endif
