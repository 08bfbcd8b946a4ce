// AfxGetStaticModuleState, linked into each module: the module's own state, which makes its
// resources the first place to look while it is current. The executable's is the process state.
#include "afx.h"

extern "C" IMAGE_DOS_HEADER __ImageBase;

AFX_MODULE_STATE *AfxGetStaticModuleState()
{
    auto self = reinterpret_cast<HINSTANCE>(&__ImageBase);
    if (self == GetModuleHandleA(nullptr)) {
        return AfxGetAppModuleState();
    }
    static AFX_MODULE_STATE state = {self, self, nullptr};
    return &state;
}
