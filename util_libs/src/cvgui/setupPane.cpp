// Paned windows without visible or focusable sashes.
#include "cvguiP.h"

#include <Xm/PanedW.h>
#include <Xm/SashP.h>

extern "C" void setupPane(void)
{
    CVGUI_STAGE(XmNsashHeight, 0);
    CVGUI_STAGE(XmNsashWidth, 0);
    CVGUI_STAGE(XmNsashShadowThickness, 0);
    CVGUI_STAGE(XmNsashIndent, 0);
}

extern "C" void TurnOffSashTraversal(Widget paned)
{
    WidgetList children = nullptr;
    Cardinal count = 0;
    XtVaGetValues(paned, XmNchildren, &children, XmNnumChildren, &count, nullptr);
    for (Cardinal i = count; i > 0; i--) {
        if (XmIsSash(children[i - 1])) {
            XtVaSetValues(children[i - 1], XmNtraversalOn, False, nullptr);
        }
    }
}
