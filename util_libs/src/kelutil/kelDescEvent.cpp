// Describing an event on the native half: the shared rows shown in the "Describe Event" dialog.
#include "kelDescEvent.h"

#include "descEventRows.h"
#include "kelwlib.h"

namespace {

void warn(const char *text)
{
    KelWarn("%s", text);
}

void display(const char *title, label_edit_info *rows, int count, const char *description)
{
    CKelEvDescDlg *dialog = KelEventDescDlgCreate(count, description);
    if (dialog == nullptr) {
        KelCriticalErrorHandler(1);
    }
    if (dialog->m_hWnd == nullptr) {
        // The template could not be made into a window: nothing to show.
        delete dialog;
        return;
    }
    KelSetTitle(dialog, title);
    for (int i = 0; i < count; i++) {
        KelEventDescSetLabelEdit(dialog, i, rows[i].label, rows[i].value);
    }
}

} // namespace

void popupDescribeEventForKel(trap_record *trap, const char *eventType, char showReceived, const char *receivedType,
                              unsigned int objectId, const char *ackBy, const char *uuid,
                              CVDescribeEventDisplayProc displayProc)
{
    cvDescribeEventRows(trap, eventType, showReceived, receivedType, objectId, ackBy, uuid, displayProc, warn);
}

void KelPopupDescribeEvent(trap_record *trap, const char *eventType, Boolean showReceived, const char *receivedType,
                           unsigned int objectId, const char *ackBy, const char *uuid)
{
    popupDescribeEventForKel(trap, eventType, showReceived, receivedType, objectId, ackBy, uuid, display);
}
