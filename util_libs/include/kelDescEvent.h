/** @file
 * "Describe Event" on the native half. */
#ifndef KELDESCEVENT_H
#define KELDESCEVENT_H

#include "cvDescEvent.h"
#include "kelMsgDlg.h"

/**
 * @defgroup kel_describe_event Describe Event
 * Everything known about one received trap or notification in a modeless dialog of label/value
 * rows (template IDD_KEL_EVDESC, 28432, English and Japanese) with the event's description
 * below them. The rows come from popupDescribeEventForKel; the dialog keeps the rows used, moves
 * the description, OK and Help up under them and becomes that much shorter. No label is cut:
 * a longer one widens the label column and the dialog; a long value widens the value column
 * while the dialog stays within three fifths of the screen. Help opens the suite's help file
 * (%CV_PATH%\\help\\zbr.hlp) at context 1930.
 *
 * @par Example
 * @code
 * KelPopupDescribeEvent(&trap, ".1.3.6.1.4.1.8072.4.0.3", TRUE, received, objectId, ackBy, uuid);
 * @endcode
 * @{
 */

/** The dialog. Made on the heap by KelEventDescDlgCreate; it deletes itself when the user closes
 * it (OK or Escape). Several can be open at once; none keeps the caller's data. */
class KEL_API CKelEvDescDlg : public CKelMlDialog {
public:
    CKelEvDescDlg();

    /** Creates the window from the template without a parent, hides the rows from count on,
     * moves the description block up under the last row used, shortens the dialog to match,
     * puts description (LF line ends) into its field and shows it. 1, or 0 when the window
     * cannot be created. */
    int OpenWindow(int count, const char *description);
    /** Row i (0..19): the label and the read-only value; the columns widen as they need. */
    void SetLabelEdit(int i, const char *label, const char *value);
    /** The Help button: WinHelp on the suite's help file, context 1930. */
    void OnEvDescHelp();

protected:
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;

private:
    void widen(int labelWidth, int valueWidth);

    int valueBaseWidth = 0; /* the value fields' width in the template */
};

/** A new dialog opened with OpenWindow(count, description); NULL only when it cannot be
 * allocated. When the window could not be made, the object has no window (m_hWnd NULL) and is
 * the caller's to delete. */
KEL_API CKelEvDescDlg *KelEventDescDlgCreate(int count, const char *description);
/** CKelEvDescDlg::SetLabelEdit. */
KEL_API void KelEventDescSetLabelEdit(CKelEvDescDlg *dialog, int i, const char *label, const char *value);

/**
 * Describes the event in a new "Describe Event" dialog titled with the event's name (the
 * arguments and the rows are those of popupDescribeEventForKel). An identifier the MIB library
 * cannot read gives a warning (KelWarn) instead. A dialog that cannot be allocated ends the
 * program through KelCriticalErrorHandler.
 * @catalogue those of popupDescribeEventForKel
 */
KEL_API void KelPopupDescribeEvent(trap_record *trap, const char *eventType, Boolean showReceived,
                                   const char *receivedType, unsigned int objectId, const char *ackBy,
                                   const char *uuid);

/** @} */

#endif
