// The library's own module, where its dialog templates live.
#include <windows.h>

static HINSTANCE libraryInstance;

// Templates are loaded from this DLL, not from the application that calls it.
HINSTANCE kelLibraryInstance()
{
    return libraryInstance;
}

extern "C" BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID)
{
    if (reason == DLL_PROCESS_ATTACH) {
        libraryInstance = instance;
        DisableThreadLibraryCalls(instance);
    }
    return TRUE;
}
