/* "Describe Event" on the native half: everything known about one received trap or notification
 * in a modeless dialog of label/value rows (template IDD_KEL_EVDESC of kelTemplates.h) with the
 * event's description below them. The rows come from popupDescribeEventForKel (cvDescEvent.h). */
#ifndef KELDESCEVENT_H
#define KELDESCEVENT_H

#include "cvDescEvent.h"
#include "kelMsgDlg.h"

/* The dialog. Made on the heap by KelEventDescDlgCreate; it deletes itself when the user closes
 * it with OK (or Escape). Several can be open at once; none keeps a reference to the caller's
 * data. */
class KEL_API CKelEvDescDlg : public CKelMlDialog {
public:
    CKelEvDescDlg();

    /* Creates the window from the template without a parent, hides the rows from count on,
     * moves the description, OK and Help up under the last row used and makes the dialog that
     * much shorter, puts description (LF line ends) into its field and shows it. 1, or 0 when
     * the window cannot be created. */
    int OpenWindow(int count, const char *description);
    /* Row i (0..19): the label and the read-only value. A label wider than the label column
     * widens the column and the dialog, so no label is cut; a longer value widens the value
     * column as long as the dialog stays within three fifths of the screen's width. */
    void SetLabelEdit(int i, const char *label, const char *value);
    /* The Help button: WinHelp on %CV_PATH%\help\zbr.hlp, context 1930. */
    void OnEvDescHelp();

protected:
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;

private:
    void widen(int labelWidth, int valueWidth);

    int valueBaseWidth = 0; /* the value fields' width in the template */
};

/* A new dialog opened with OpenWindow(count, description); null only when it cannot be
 * allocated. When the window could not be made, the object has no window (m_hWnd null) and is
 * the caller's to delete. */
KEL_API CKelEvDescDlg *KelEventDescDlgCreate(int count, const char *description);
KEL_API void KelEventDescSetLabelEdit(CKelEvDescDlg *dialog, int i, const char *label, const char *value);

/* Describes the event in a new "Describe Event" dialog (see popupDescribeEventForKel for the
 * arguments and the rows); an identifier the MIB library cannot read gives a warning
 * (KelWarn, catalogue 101) instead. */
KEL_API void KelPopupDescribeEvent(trap_record *trap, const char *eventType, Boolean showReceived,
                                   const char *receivedType, unsigned int objectId, const char *ackBy,
                                   const char *uuid);

#endif
