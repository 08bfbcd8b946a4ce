/* Resource identifiers of the MIB browser's main dialog and menu. */
#ifndef MIBBROWSER_H
#define MIBBROWSER_H

#define IDD_MIBBROWSER 100
#define IDR_MIBBROWSER_MENU 101
#define IDI_MIBBROWSER 102

#define IDC_MB_PANEL 1000
#define IDC_MB_LABEL 1001
#define IDC_MB_MIB_TOGGLE 1002
#define IDC_MB_EXPR_TOGGLE 1003
#define IDC_MB_NAME 1004
#define IDC_MB_TREE 1005
#define IDC_MB_LIST 1006
#define IDC_MB_DESCRIBE 1007
#define IDC_MB_SAVE 1008
#define IDC_MB_CLOSE 1009
#define IDC_MB_HELP 1010
#define IDC_MB_MESSAGES 1011

#define ID_FILE_SAVE 2001
#define ID_FILE_EXIT 2002
#define ID_VIEW_DESCRIBE 2003
#define ID_VIEW_RELOAD 2004
#define ID_HELP_BROWSER 2005

#endif
