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

#endif
