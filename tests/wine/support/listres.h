/* Test-only templates for lists and the message log. */
#ifndef CVGUI_LISTRES_H
#define CVGUI_LISTRES_H

#define IDD_TEST_LISTS 200
#define IDC_SINGLE_LIST 201
#define IDC_EXTENDED_LIST 202
#define IDC_UP 203
#define IDC_DOWN 204
#define IDC_LOG_LIST 205

/* A dialog as a tool builds it: a reorderable list of sources and a message log. */
#define IDD_SOURCES 210
#define IDC_SOURCES_LABEL 211
#define IDC_SOURCES 212
#define IDC_SOURCES_UP 213
#define IDC_SOURCES_DOWN 214
#define IDC_MESSAGES_LABEL 215
#define IDC_MESSAGES 216
#define IDC_SAVE 217

#endif
