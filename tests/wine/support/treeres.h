/* Test-only templates for the multi-selection tree. */
#ifndef CVGUI_TREERES_H
#define CVGUI_TREERES_H

#define IDD_TEST_TREE 300
#define IDC_TREE 301

#endif
