// Socket input with the X Toolkit's semantics over WSAAsyncSelect: the callback runs from the
// hidden socket window's procedure each time the socket has data or has been closed by its peer,
// until the input is removed.
#include <winsock2.h> // before windows.h, which kelcore.h brings

#include "kelutilP.h"

KelEntry entryTable[KEL_EVENT_SLOTS];
void *hwnd = nullptr;

namespace {
const char socketClass[] = "CV KelAsyncSockAddInput";
const long watchedEvents = FD_READ | FD_CLOSE;

HWND socketWindow()
{
    return static_cast<HWND>(hwnd);
}

LRESULT CALLBACK socketWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message != WM_USER) {
        return DefWindowProcA(window, message, wParam, lParam);
    }
    int socket = static_cast<int>(wParam);
    int slot = 0;
    while (slot < KEL_EVENT_SLOTS && !(entryTable[slot].inUse && entryTable[slot].socket == socket)) {
        slot++;
    }
    if (slot == KEL_EVENT_SLOTS) {
        return 0;
    }
    // Quiet while the callback runs, so that its reads queue no messages for it.
    WSAAsyncSelect(static_cast<SOCKET>(socket), window, WM_USER, 0);
    int event = WSAGETSELECTEVENT(lParam);
    if (event == FD_READ || event == FD_CLOSE) {
        XtInputId id = static_cast<XtInputId>(slot + 1);
        entryTable[slot].callback(entryTable[slot].clientData, &socket, &id);
    }
    // Removed by its callback: stays quiet. Otherwise watched again, which reports data still
    // unread at once.
    if (entryTable[slot].inUse && entryTable[slot].socket == static_cast<int>(wParam)) {
        WSAAsyncSelect(static_cast<SOCKET>(wParam), window, WM_USER, watchedEvents);
    }
    return 0;
}

void initSocketWindow()
{
    if (hwnd != nullptr) {
        return;
    }
    hwnd = kelCreateHiddenWindow(GetModuleHandleA(nullptr), socketClass, "CV KelAsyncSockAddInput Instance",
                                 socketWindowProc);
}
} // namespace

XtInputId KelAddSockReadInput(int socket, XtInputCallbackProc callback, XtPointer clientData)
{
    initSocketWindow();
    int slot = 0;
    while (slot < KEL_EVENT_SLOTS && entryTable[slot].inUse) {
        slot++;
    }
    if (slot == KEL_EVENT_SLOTS) {
        KelCriticalErrorHandler(0);
    }
    entryTable[slot].inUse = 1;
    entryTable[slot].socket = socket;
    entryTable[slot].callback = callback;
    entryTable[slot].clientData = clientData;
    WSAAsyncSelect(static_cast<SOCKET>(socket), socketWindow(), WM_USER, watchedEvents);
    return static_cast<XtInputId>(slot + 1);
}

void KelRemoveSockInput(XtInputId id)
{
    unsigned long slot = id - 1;
    if (slot >= KEL_EVENT_SLOTS || !entryTable[slot].inUse) {
        return;
    }
    WSAAsyncSelect(static_cast<SOCKET>(entryTable[slot].socket), socketWindow(), 0, 0);
    entryTable[slot].inUse = 0;
}
