// The window manager's close request.
#include "cvguiP.h"

#include <Xm/Protocols.h>

extern "C" void registerCloseCB(Widget shell, XtCallbackProc proc, XtPointer clientData)
{
    Atom protocols = XmInternAtom(XtDisplay(shell), const_cast<char *>("WM_PROTOCOLS"), False);
    Atom deleteWindow = XmInternAtom(XtDisplay(shell), const_cast<char *>("WM_DELETE_WINDOW"), False);
    XmAddProtocolCallback(shell, protocols, deleteWindow, proc, clientData);
}

extern "C" void registerCloseDoNothing(Widget shell)
{
    Arg arg;
    XtSetArg(arg, XmNdeleteResponse, XmDO_NOTHING);
    XtSetValues(shell, &arg, 1);
}
