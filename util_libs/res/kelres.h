/* Resource identifiers of the library's dialog templates and their controls. */
#ifndef KELRES_H
#define KELRES_H

#define IDD_KEL_MSGDLG 28433 /* message dialog: icon, text, one button */
#define IDC_KEL_MSGICON 57100
#define IDC_KEL_MSGTEXT 57101

#endif
