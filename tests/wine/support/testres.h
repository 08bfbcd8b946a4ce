/* Test-only templates: real controls for the native half's operations. */
#ifndef CVGUI_TESTRES_H
#define CVGUI_TESTRES_H

#define IDD_TEST_FOCUS 100 /* three edits and OK, for focus and sensitivity */
#define IDC_EDIT1 101
#define IDC_EDIT2 102
#define IDC_EDIT3 103

#define IDD_TEST_CHILD 110 /* a small modeless dialog with OK and Cancel */

#define IDD_TEST_CONTROLS 120
#define IDC_MLEDIT 121
#define IDC_EDIT 122
#define IDC_CHECK 123
#define IDC_COMBO 124
#define IDC_SORTEDCOMBO 125
#define IDC_SLIDER 126
#define IDC_SCROLLBAR 127
#define IDC_SLIST 128
#define IDC_SLABEL 129
#define IDC_LABEL 130
#define IDC_COLORBUTTON 131
#define IDC_TREE 132

#define IDD_TEST_FORM 140 /* a child form with two edits */
#define IDC_FORMEDIT1 141
#define IDC_FORMEDIT2 142

#define IDR_TEST_MENU 150
#define IDM_FIRST 151
#define IDM_SECOND 152

#define IDI_TEST_ICON 160

#endif
