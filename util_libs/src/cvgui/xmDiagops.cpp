// Small operations on dialogs.
#include "cvguiP.h"

extern "C" void DropWidget(Widget, XtPointer clientData, XtPointer)
{
    Widget w = static_cast<Widget>(clientData);
    XtUnmanageChild(w);
    XtDestroyWidget(w);
}
