// Small operations on dialogs and dialog shells: removal, cascade placement, window-manager hints.
#include "cvguiP.h"

#include <Xm/MwmUtil.h>
#include <X11/Shell.h>

extern "C" void DropWidget(Widget, XtPointer clientData, XtPointer)
{
    Widget w = static_cast<Widget>(clientData);
    XtUnmanageChild(w);
    XtDestroyWidget(w);
}

namespace {
// Each new dialog shell is placed down and right of the previous one.
int cascadeX, cascadeY;

bool isVendorShell(Widget w)
{
    return w != nullptr && XtIsSubclass(w, vendorShellWidgetClass);
}
} // namespace

extern "C" void setupDiagSh(const char *title)
{
    cascadeX++;
    cascadeY++;
    short x = static_cast<short>(20 * cascadeX);
    short y = static_cast<short>(70 * cascadeY);
    if (x > 500) {
        cascadeX = 1;
        x = 20;
    }
    if (y > 800) {
        cascadeY = 1;
        y = 70;
    }
    CVGUI_STAGE(XmNx, static_cast<Position>(x));
    CVGUI_STAGE(XmNy, static_cast<Position>(y));
    CVGUI_STAGE(XmNtitle, title);
    CVGUI_STAGE(XmNautoUnmanage, False);
    CVGUI_STAGE(XmNdialogStyle, XmDIALOG_MODELESS);
    CVGUI_STAGE(XmNrubberPositioning, True);
    CVGUI_STAGE(XmNallowOverlap, False);
}

extern "C" void setMwmModal(Widget shell, Boolean modal)
{
    if (!isVendorShell(shell)) {
        Error("%s", cvMsg(CVMSG_NOT_VENDOR_SHELL_MODAL));
        return;
    }
    widgetArgCnt = 0;
    CVGUI_STAGE(XmNmwmInputMode, modal ? MWM_INPUT_PRIMARY_APPLICATION_MODAL : MWM_INPUT_MODELESS);
    XtSetValues(shell, widgetArgs, widgetArgCnt);
    widgetArgCnt = 0;
}

extern "C" void SetMinSizeOfDiagSh(Widget shell, Boolean useCurrentSize, int minWidth, int minHeight)
{
    if (!isVendorShell(shell)) {
        Error("%s", cvMsg(CVMSG_NOT_VENDOR_SHELL_MIN_SIZE));
        return;
    }
    if (useCurrentSize) {
        if (!XtIsRealized(shell)) {
            Error("%s", cvMsg(CVMSG_NOT_REALIZED_MIN_SIZE));
            return;
        }
        Dimension width = 0, height = 0;
        widgetArgCnt = 0;
        CVGUI_STAGE(XmNwidth, &width);
        CVGUI_STAGE(XmNheight, &height);
        XtGetValues(shell, widgetArgs, widgetArgCnt);
        widgetArgCnt = 0;
        minWidth = width;
        minHeight = height;
    }
    CVGUI_STAGE(XmNminWidth, minWidth);
    CVGUI_STAGE(XmNminHeight, minHeight);
    XtSetValues(shell, widgetArgs, widgetArgCnt);
    widgetArgCnt = 0;
}

extern "C" void AllowResizeOfDiagSh(Widget shell)
{
    // Border, resize handles, title, window menu and maximize; no minimize.
    CVGUI_STAGE(XmNmwmDecorations, MWM_DECOR_BORDER | MWM_DECOR_RESIZEH | MWM_DECOR_TITLE | MWM_DECOR_MENU |
                                       MWM_DECOR_MAXIMIZE);
    CVGUI_STAGE(XmNmwmFunctions, MWM_FUNC_RESIZE | MWM_FUNC_MOVE | MWM_FUNC_MAXIMIZE | MWM_FUNC_CLOSE);
    XtSetValues(shell, widgetArgs, widgetArgCnt);
    widgetArgCnt = 0;
}
