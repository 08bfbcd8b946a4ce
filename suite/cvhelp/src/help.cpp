// The Windows tools' help call, handed to the suite's help display.
#include "cvhelp.h"

#include "cvw.h"

extern "C" int CVHelpAPI(HWND owner, long kind, const char *target)
{
    if (owner != nullptr && !IsWindow(owner)) {
        _CVwSetError(CVW_E_ARGUMENT, "Help was asked for a window that does not exist");
        return -1;
    }
    return CVwShowHelp(static_cast<int>(kind), const_cast<char *>(target));
}
