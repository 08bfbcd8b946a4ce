// One-shot time-outs with the X Toolkit's semantics over the Windows message loop. The timer
// procedure only posts a message: callbacks run from the hidden window's procedure when the
// application's loop dispatches it, as a toolkit callback would.
#include "kelutilP.h"

KelTimerEntry timerTable[KEL_EVENT_SLOTS];
HWND hwndTimer = nullptr;

namespace {
const char timerClass[] = "CV KelTimer";

// Each registration of a slot gets a new generation, which travels in the posted message: a
// message still queued for a removed time-out cannot run the next time-out of its slot.
WPARAM generation[KEL_EVENT_SLOTS];

void CALLBACK timerProc(HWND window, UINT, UINT_PTR id, DWORD)
{
    // Every time-out fires at most once.
    KillTimer(window, id);
    if (id < KEL_EVENT_SLOTS) {
        PostMessageA(window, WM_USER, generation[id], static_cast<LPARAM>(id));
    }
}

LRESULT CALLBACK timerWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message != WM_USER) {
        return DefWindowProcA(window, message, wParam, lParam);
    }
    // A time-out removed after firing but before this message finds its slot free, or taken by
    // a newer time-out.
    LPARAM slot = lParam;
    if (slot >= 0 && slot < KEL_EVENT_SLOTS && timerTable[slot].inUse && generation[slot] == wParam) {
        // Freed before the call, so that the callback may add a time-out (and get this id).
        KelTimerEntry entry = timerTable[slot];
        timerTable[slot].inUse = 0;
        XtIntervalId id = static_cast<XtIntervalId>(slot + 1);
        entry.callback(entry.clientData, &id);
    }
    return 0;
}
} // namespace

void KelInitTimerWin()
{
    if (hwndTimer != nullptr) {
        return;
    }
    hwndTimer = kelCreateHiddenWindow(AfxGetInstanceHandle(), timerClass, "CV KelTimer Instance", timerWindowProc);
}

XtIntervalId KelAddTimeOut(unsigned long interval, XtTimerCallbackProc callback, XtPointer clientData)
{
    KelInitTimerWin();
    int slot = 0;
    while (slot < KEL_EVENT_SLOTS && timerTable[slot].inUse) {
        slot++;
    }
    if (slot == KEL_EVENT_SLOTS) {
        KelCriticalErrorHandler(0);
    }
    timerTable[slot].inUse = 1;
    generation[slot]++;
    timerTable[slot].callback = callback;
    timerTable[slot].clientData = clientData;
    if (SetTimer(hwndTimer, static_cast<UINT_PTR>(slot), interval, timerProc) == 0) {
        KelCriticalErrorHandler(0);
    }
    return static_cast<XtIntervalId>(slot + 1);
}

void KelRemoveTimeOut(XtIntervalId id)
{
    unsigned long slot = id - 1;
    if (slot >= KEL_EVENT_SLOTS || !timerTable[slot].inUse) {
        return;
    }
    KillTimer(hwndTimer, static_cast<UINT_PTR>(slot));
    timerTable[slot].inUse = 0;
}
