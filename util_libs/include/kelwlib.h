/** @file
 * Motif-style operations over native controls: text, toggle, combo box, slider, scroll bar,
 * titles and labels, menus, strings, colours and the wait cursor. Each takes the control's CWnd*
 * (from a pseudo widget) and maps onto the control's own messages. */
#ifndef KELWLIB_H
#define KELWLIB_H

#include "kelcore.h"

/**
 * @defgroup kel_controls Native controls with Motif's operations
 * Text, toggle, combo box, slider and scroll-bar wrappers, titles and labels, menu entries, heap
 * strings, system colours and the wait cursor. Each takes the control's CWnd* (from a pseudo
 * widget) and maps onto the control's own messages.
 *
 * @par Example
 * @code
 * KelPaseudoWidget name(this, IDC_NAME), poll(this, IDC_POLL);
 * KelTextSetString(name, "router1\nlab");    // shown on two lines (CR LF in the control)
 * char *text = KelTextGetString(name);        // "router1\nlab"
 * free(text);
 * KelSliderSetRange(poll, 10, 600);
 * KelSliderSetPos(poll, 30);
 * @endcode
 * @{
 */

/** Text: the library's texts end lines with LF, the edit control with CR LF. */
KEL_API void KelTextSetString(CWnd *w, const char *text);
KEL_API char *KelTextGetString(CWnd *w); /**< the caller frees it */
KEL_API void KelTextSetInsertionPosition(CWnd *w, int position);
KEL_API void KelTextSetEditable(CWnd *w, int editable);
KEL_API int KelTextGetEditable(CWnd *w);
KEL_API void KelTextSetMaxLength(CWnd *w, int maxLength);
KEL_API void KelTextSetPasswordMode(CWnd *w, int on);

/** A check box; with notify the parent hears a click as if the user had made it. */
KEL_API void KelToggleButtonSetState(CWnd *w, int state, int notify);
KEL_API int KelToggleButtonGetState(CWnd *w);

/** Combo boxes. Keys are item data that find an item whatever its text. */
KEL_API void KelComboBoxSetCurSel(CWnd *w, int index); /**< negative: no selection */
KEL_API int KelComboBoxGetCurSel(CWnd *w);
KEL_API void KelComboBoxAddItem(CWnd *w, const char *text); /**< appended, even in a sorted box */
KEL_API void KelComboBoxSortAddItem(CWnd *w, const char *text);
KEL_API void KelComboBoxAddItemWithKey(CWnd *w, const char *text, void *key);
KEL_API int KelComboBoxKeyToIndex(CWnd *w, void *key); /**< -1 when no item has the key */
KEL_API void KelComboBoxSelectItem(CWnd *w, const char *text);
KEL_API void KelComboBoxDeleteItem(CWnd *w, const char *text);
KEL_API void KelComboBoxDeletePos(CWnd *w, int index); /**< the selected item stays selected */
KEL_API void KelComboBoxDeleteAllItems(CWnd *w);

/** Sliders (trackbars). */
KEL_API void KelSliderSetRange(CWnd *w, int min, int max);
KEL_API int KelSliderGetPos(CWnd *w);
KEL_API void KelSliderSetPos(CWnd *w, int position);
KEL_API void KelSliderSetIncrement(CWnd *w, int increment);
KEL_API void KelSliderSetPageIncrement(CWnd *w, int increment);

/** Scroll bars with Motif's values: a range of 32768 or more is scaled onto the control's 16 bits. */
KEL_API void KelScrollBarSetValues(CWnd *bar, int min, int max, int value, int sliderSize);
KEL_API int KelScrollBarGetPos(CWnd *bar, int min, int max);
KEL_API void KelScrollBarDoSlide(CScrollBar *bar, int scrollCode, int thumbPosition);

/** Titles convert line ends like text; labels are set as they are. */
KEL_API char *KelGetTitle(CWnd *w);
KEL_API void KelSetTitle(CWnd *w, const char *title);
KEL_API unsigned char *KelGetLabel(CWnd *w);
KEL_API void KelSetLabel(CWnd *w, const unsigned char *label);

KEL_API void KelRemoveMenuItem(CWnd *frame, int commandId);
KEL_API void KelColorButtonSetColor(CWnd *w, COLORREF color); /**< w is a CKelColorButton */

/** Heap strings, the native stand-in for compound strings. */
KEL_API unsigned char *KelGetString(const char *text);
KEL_API unsigned char *KelStringConcat(const unsigned char *a, const unsigned char *b);
KEL_API void KelStringFree(unsigned char *s); /**< null is ignored */
KEL_API void KelStringFree(char *s);

KEL_API void KelBell();
KEL_API COLORREF KelSystemColorWindowForeground();
KEL_API COLORREF KelSystemColorWindowBackground();

/** The wait cursor on or off; calls do not nest. */
KEL_API void KelSetCursorForWaiting(int on);

/** @} */

#endif
